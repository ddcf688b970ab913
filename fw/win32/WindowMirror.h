#pragma once
#include <memory>

#include "fw/win32/DibSection.h"

namespace fw {
namespace win32 {

// The screen's pixels under a rectangle, taken with one BitBlt from the
// screen DC. On composited desktops (and under Wine) a new window's own DC
// does not show what is under it, so a window's first picture comes from
// here, taken before the window covers the screen.
struct ScreenPicture {
    ::RECT rect;  // in screen coordinates
    std::unique_ptr<DibSection> pixels;
};
std::unique_ptr<ScreenPicture> CaptureScreen(const ::RECT& screenRect);

// What a window's client area shows, kept in memory. The framework's DCs read
// and write it; they copy what they changed to the window when they end.
class WindowMirror {
public:
    explicit WindowMirror(std::unique_ptr<ScreenPicture> firstPicture = nullptr)
        : m_pFirstPicture(std::move(firstPicture)) {}

    // Matches the bitmap to the window's client size. The first bitmap starts
    // with the screen picture taken at creation, or else with what the
    // window's own DC gives; after a resize the overlap is kept.
    DibSection* Sync(::HWND hWnd);

private:
    void Fill(::HWND hWnd, DibSection& bitmap);

    std::unique_ptr<ScreenPicture> m_pFirstPicture;
    std::unique_ptr<DibSection> m_pBitmap;
};

// The window's mirror (see WindowRecord.h), made at first use.
WindowMirror& MirrorFor(::HWND hWnd);

}  // namespace win32
}  // namespace fw
