#pragma once
#include "fw/win32/WindowsApi.h"

namespace fw {
namespace win32 {

// The class of windows created without a class name: arrow cursor, no
// background brush. Registered at first use.
const char* DefaultWindowClass();

// True when windows of the class run FrameworkWindowProc from the start.
bool IsFrameworkClass(const char* className);

}  // namespace win32
}  // namespace fw
