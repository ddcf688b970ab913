#pragma once
// Device contexts over the simulated screen.
#include <vector>

#include "fw/Dc.h"

namespace fw {

// A headless device context: the window's client origin on the screen, and
// what it may touch there.
struct CDC::Impl {
    HWND hWnd = nullptr;
    POINT origin;       // client (0, 0) on the screen
    RECT clip;          // screen coordinates; empty when nothing shows
    std::vector<RECT> above;  // screen rectangles of windows stacked above
    bool Visible(int sx, int sy) const;
};

}  // namespace fw

namespace fw::headless {

// A context for the window's client area, cut to clientClip (client
// coordinates), to the ancestors and to the screen.
CDC::Impl* OpenDc(HWND hWnd, const RECT& clientClip);
void CloseDc(CDC::Impl* impl);

// Fills the whole clip of a live context; false for an unknown handle.
bool FillThroughDc(HDC hDC, COLORREF colour);

// BeginPaint: the invalid rectangle, erased first when marked so (through
// WM_ERASEBKGND with the paint's context); the window is valid afterwards.
PAINTSTRUCT BeginPaint(HWND hWnd, CDC::Impl* impl);
// A paint handler that draws nothing still validates.
void ValidateByPainting(HWND hWnd);

HBRUSH BrushFromColour(COLORREF colour);
COLORREF BrushColour(HBRUSH brush);

}  // namespace fw::headless
