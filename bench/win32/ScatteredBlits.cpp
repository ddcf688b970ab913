// The reference for the saver's CPU: a full-screen window that, at the same
// frame timer, changes N scattered 5 x 5 squares of a DIB section and copies
// each to the window with a BitBlt of its own; about what a frame of N
// particles must do at least.
//
//   scattered_blits.exe N
#include <cstdlib>

#include "fw/win32/DibSection.h"

namespace {

constexpr int kSide = 5;

struct Reference {
    int count = 190;
    int width = 0;
    int height = 0;
    unsigned state = 1;
    fw::win32::DibSection* pixels = nullptr;

    int Next(int bound) {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu) % bound;
    }
    void Frame(::HWND hWnd) {
        ::HDC dc = ::GetDC(hWnd);
        for (int i = 0; i < count; ++i) {
            const int x = Next(width - kSide);
            const int y = Next(height - kSide);
            const std::uint32_t colour = (state & 1u) != 0 ? 0x00FFFFFFu : 0x00205D16u;
            for (int row = y; row < y + kSide; ++row) {
                for (int column = x; column < x + kSide; ++column) {
                    pixels->Row(row)[column] = colour;
                }
            }
            pixels->CopyTo(dc, ::RECT{x, y, x + kSide, y + kSide});
        }
        ::ReleaseDC(hWnd, dc);
    }
};

Reference g_reference;

LRESULT CALLBACK WindowProc(::HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            g_reference.Frame(hWnd);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        g_reference.count = std::atoi(argv[1]);
    }
    g_reference.width = ::GetSystemMetrics(SM_CXSCREEN);
    g_reference.height = ::GetSystemMetrics(SM_CYSCREEN);
    fw::win32::DibSection pixels(g_reference.width, g_reference.height);
    g_reference.pixels = &pixels;

    ::WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ScatteredBlits";
    ::RegisterClassA(&wc);
    ::HWND hWnd = ::CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, g_reference.width,
                                    g_reference.height, nullptr, nullptr, wc.hInstance, nullptr);
    if (hWnd == nullptr) {
        return 1;
    }
    ::SetTimer(hWnd, 1, 0, nullptr);
    ::MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::DispatchMessageA(&msg);
    }
    return 0;
}
