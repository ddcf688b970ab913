#pragma once
// The platform's basic types and constants, with the platform's names and
// values, so the portable program reads like the platform code it mirrors.
// Everything lives in namespace fw; backend sources that also include the
// system headers must include these first (see fw/win32/WindowsApi.h).
#include <cstdint>

#include "particles/Color.h"

namespace fw {

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
// One colour type for the whole program: the core's.
using tidewell::COLORREF;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Opaque handles; a backend decides what they point at.
using HWND = struct HWND__*;
using HDC = struct HDC__*;
using HICON = struct HICON__*;
using HCURSOR = HICON;
using HBRUSH = struct HBRUSH__*;

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    LONG Width() const { return right - left; }
    LONG Height() const { return bottom - top; }
};

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    DWORD dwExStyle = 0;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

using tidewell::CLR_INVALID;
constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) { return tidewell::MakeColor(r, g, b); }
constexpr unsigned GetRValue(COLORREF c) { return tidewell::RedOf(c); }
constexpr unsigned GetGValue(COLORREF c) { return tidewell::GreenOf(c); }
constexpr unsigned GetBValue(COLORREF c) { return tidewell::BlueOf(c); }

constexpr unsigned LOWORD(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFFu); }
constexpr unsigned HIWORD(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFFu); }
// Signed 16-bit coordinates packed in an LPARAM.
constexpr int GET_X_LPARAM(LPARAM v) { return static_cast<std::int16_t>(v & 0xFFFF); }
constexpr int GET_Y_LPARAM(LPARAM v) { return static_cast<std::int16_t>((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(unsigned lo, unsigned hi) {
    return static_cast<LPARAM>(static_cast<std::uint32_t>((lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16)));
}
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) {
    return static_cast<WPARAM>((lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16));
}

}  // namespace fw
