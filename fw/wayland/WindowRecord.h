#pragma once
#include <memory>
#include <vector>

#include "fw/linux/Timers.h"
#include "fw/wayland/ShmBuffer.h"

namespace fw::wayland {

using shared::Timer;

// What the backend keeps for each window, reached from its handle: an
// xdg_toplevel surface, its pixels in device pixels, and the buffers that
// show them.
struct WindowRecord {
    HWND handle = nullptr;
    wl_surface* surface = nullptr;
    xdg_surface* xdgSurface = nullptr;
    xdg_toplevel* toplevel = nullptr;
    wp_viewport* viewport = nullptr;
    wp_fractional_scale_v1* fractionalScale = nullptr;
    wl_callback* frame = nullptr;  // asked for; while it is, nothing is committed
    std::uint32_t outputName = 0;  // the output a full-screen window covers
    bool fullScreen = false;
    bool visible = false;
    bool destroying = false;
    bool configured = false;
    bool blankCursor = false;  // its class hides the cursor
    POINT origin;              // in the layout Monitors() gives
    double scale = 1;          // device pixels per logical pixel
    int logicalWidth = 0;      // as the compositor sized it
    int logicalHeight = 0;
    int offeredWidth = 0;  // the last configure's, applied at its end
    int offeredHeight = 0;
    int width = 0;  // device pixels
    int height = 0;
    std::vector<std::uint32_t> image;  // the client area, width × height
    RECT invalid;                      // client coordinates; empty: nothing to paint
    std::vector<Timer> timers;
    std::vector<std::unique_ptr<ShmBuffer>> buffers;
    std::vector<RECT> damage;  // changed since the last commit
};

// Null for a handle that is not a window of ours (or is gone).
WindowRecord* RecordOf(HWND hWnd);
WindowRecord* RecordOf(const wl_surface* surface);
WindowRecord& AddRecord();
void RemoveRecord(HWND hWnd);
// Every window, in creation order.
std::vector<HWND> OurWindows();

// The platform's destruction: WM_DESTROY, the surface's objects, then
// WM_NCDESTROY, after which the object may be gone.
void DestroyOurWindow(HWND hWnd);

// Takes the compositor's size and scale (device pixels), keeping the pixels
// both sizes share; WM_SIZE when the size changed after creation.
void ApplySize(WindowRecord& record, bool created);

// Shows what changed (client rectangles) when the compositor next asks for
// a frame: one buffer that caught up, damage on the changed rectangles, a
// commit.
void Present(WindowRecord& record, const std::vector<RECT>& changed);

}  // namespace fw::wayland
