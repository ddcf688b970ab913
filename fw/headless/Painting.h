#pragma once
// Device contexts over the simulated screen.
#include <vector>

#include "fw/Dc.h"

namespace fw {

// A headless device context: the window's client origin on the screen, and
// what it may touch there. Its pixels are the screen's own, or, when
// windows above cover part of the clip, a copy of the clip that shows
// CLR_INVALID where they cover it and goes back to the screen, uncovered
// parts only, when the context ends.
struct CDC::Impl {
    HWND hWnd = nullptr;
    CDC* owner = nullptr;
    POINT origin;       // client (0, 0) on the screen
    RECT clip;          // screen coordinates; empty when nothing shows
    std::vector<RECT> above;  // screen rectangles of windows stacked above
    std::vector<COLORREF> copy;  // the clip's pixels while windows above cover part of it
    bool Visible(int sx, int sy) const;
    // Makes this the context behind dc and gives dc its pixels.
    void Attach(CDC& dc);
};

}  // namespace fw

namespace fw::headless {

// A context for the window's client area, cut to clientClip (client
// coordinates), to the ancestors and to the screen.
CDC::Impl* OpenDc(HWND hWnd, const RECT& clientClip);
// The pixels a context reaches, in client coordinates.
tidewell::PixelView PixelsOf(CDC::Impl& impl);
// Shows what the context changed, then forgets the context.
void CloseDc(CDC::Impl* impl, const DirtyRegion& changed);

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
