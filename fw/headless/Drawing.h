#pragma once
// Device contexts over the simulated screen.
#include "fw/Dc.h"

namespace fw {

// A headless device context: the window's client origin on the screen, and
// what it may touch there, the screen's own pixels. Other top-level windows
// do not clip it: the program never draws under another of its windows.
struct CDC::Impl {
    HWND hWnd = nullptr;
    CDC* owner = nullptr;
    POINT origin;  // client (0, 0) on the screen
    RECT clip;     // screen coordinates; empty when nothing shows
};

}  // namespace fw

namespace fw::headless {

// Fills the whole clip of a live context; false for an unknown handle.
bool FillThroughDc(HDC hDC, COLORREF colour);

// A paint handler that draws nothing still validates.
void ValidateByPainting(HWND hWnd);

}  // namespace fw::headless
