#pragma once
#include <memory>
#include <vector>

#include "fw/linux/Timers.h"
#include "fw/x11/WindowImage.h"

namespace fw::x11 {

using shared::Timer;

// What the backend keeps for each window it made, reached from its handle.
struct WindowRecord {
    ::Window window = 0;
    ::Window parent = 0;
    ::Window owner = 0;  // a top-level window's owner, when it is ours
    bool topLevel = false;
    bool visible = false;
    bool takesFocus = false;  // a pop-up over the screen
    bool destroying = false;
    int width = 0;
    int height = 0;
    RECT invalid;  // client coordinates; empty: nothing to paint
    std::vector<Timer> timers;
    std::unique_ptr<WindowImage> image;  // the client area's pixels
    ::GC gc = nullptr;
    ::Cursor cursor = 0;  // the class cursor; 0 for the server's arrow
};

// Null for a window the backend did not make (another client's, or gone).
WindowRecord* RecordOf(HWND hWnd);
WindowRecord& AddRecord(::Window window);
void RemoveRecord(::Window window);
// Every window of ours, in creation order.
std::vector<::Window> OurWindows();

// Runs the platform's destruction of one of our windows: WM_DESTROY, our
// children, the X window unless the server destroyed it already, then
// WM_NCDESTROY, after which the object may be gone.
void DestroyOurWindow(::Window window, bool serverDestroyedIt);

}  // namespace fw::x11
