#pragma once
// The one way the Win32 backend sees the system headers. The framework's own
// declarations come first: they use the platform's names (WM_CREATE, RGB,
// PostMessage, ...) that <windows.h> turns into macros. A source that also
// includes other project headers (particles/Color.h declares CLR_INVALID)
// includes them before this one.
#include "fw/Fw.h"
#include "fw/Backend.h"
#include "fw/Rect.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commdlg.h>

// Names of framework methods and helpers that the headers define as macros.
// The backend calls the system's versions by their explicit A names.
#undef PostMessage
#undef SendMessage
#undef LoadIcon
#undef LoadCursor
#undef GetProfileInt
#undef WriteProfileInt
#undef GetCurrentTime
#undef RGB
#undef GetRValue
#undef GetGValue
#undef GetBValue

namespace fw {
namespace win32 {

// Framework handles are the system's handles under another type name.
inline ::HWND ToWin(HWND hWnd) { return reinterpret_cast<::HWND>(hWnd); }
inline HWND ToFw(::HWND hWnd) { return reinterpret_cast<HWND>(hWnd); }
inline ::HDC ToWin(HDC hDC) { return reinterpret_cast<::HDC>(hDC); }
inline HDC ToFw(::HDC hDC) { return reinterpret_cast<HDC>(hDC); }
inline ::HICON ToWin(HICON hIcon) { return reinterpret_cast<::HICON>(hIcon); }
inline HICON ToFw(::HICON hIcon) { return reinterpret_cast<HICON>(hIcon); }
inline ::HBRUSH ToWin(HBRUSH hBrush) { return reinterpret_cast<::HBRUSH>(hBrush); }

inline RECT ToFw(const ::RECT& r) { return MakeRect(r.left, r.top, r.right, r.bottom); }
inline ::RECT ToWin(const RECT& r) { return ::RECT{r.left, r.top, r.right, r.bottom}; }

// The program module: resources and window classes belong to it.
inline ::HINSTANCE ProgramModule() { return ::GetModuleHandleA(nullptr); }

}  // namespace win32
}  // namespace fw
