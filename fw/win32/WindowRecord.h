#pragma once
#include <memory>

#include "fw/win32/WindowMirror.h"

namespace fw {
namespace win32 {

// What the backend keeps for a window it handles, reached from its handle and
// gone with the window's last message.
struct WindowRecord {
    // The procedure a subclassed window had before the framework's; default
    // processing goes there. Null: the system's default procedure.
    ::WNDPROC original = nullptr;
    // The client area's pixels in memory; made at the first context.
    std::unique_ptr<WindowMirror> mirror;
};

// Made at first use.
WindowRecord& RecordFor(::HWND hWnd);
// Null for a window without one.
WindowRecord* FindRecord(::HWND hWnd);
void ForgetRecord(::HWND hWnd);

}  // namespace win32
}  // namespace fw
