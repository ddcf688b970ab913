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
    POINT origin;                // client (0, 0) on the screen
    RECT clip;                   // screen coordinates; empty when nothing shows
    std::vector<RECT> above;     // screen rectangles of windows stacked above
    std::vector<COLORREF> copy;  // the clip's pixels while windows above cover part of it
    bool Visible(int sx, int sy) const;
};

}  // namespace fw

namespace fw::headless {

// Fills the whole clip of a live context; false for an unknown handle.
bool FillThroughDc(HDC hDC, COLORREF colour);

// A paint handler that draws nothing still validates.
void ValidateByPainting(HWND hWnd);

HBRUSH BrushFromColour(COLORREF colour);
COLORREF BrushColour(HBRUSH brush);

}  // namespace fw::headless
