#pragma once
#include "fw/win32/WindowsApi.h"

namespace fw::win32 {

// True when windows of the class run FrameworkWindowProc from the start
// (registered through backend::RegisterWindowClass).
bool IsFrameworkClass(const char* className);

}  // namespace fw::win32
