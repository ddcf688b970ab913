// The window primitives of fw/Backend.h as xdg_toplevel surfaces. A window
// with WS_POPUP covers its output full screen; any other top-level window
// is an ordinary toplevel the compositor sizes. There are no child windows:
// a Wayland client cannot draw in another client's surface.
#include <algorithm>
#include <cmath>

#include "fw/wayland/Classes.h"
#include "fw/wayland/Connection.h"
#include "fw/wayland/DesktopPicture.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {

// A configure can take this long before creation gives up.
constexpr int kConfigureWaitMs = 2000;

void OnToplevelConfigure(void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*) {
    if (WindowRecord* record = RecordOf(static_cast<HWND>(data))) {
        record->offeredWidth = width;
        record->offeredHeight = height;
    }
}

void OnToplevelClose(void* data, xdg_toplevel*) { PostMessage(static_cast<HWND>(data), WM_CLOSE, 0, 0); }

// Events of later versions than the one bound; never sent.
void OnConfigureBounds(void*, xdg_toplevel*, std::int32_t, std::int32_t) {}
void OnWmCapabilities(void*, xdg_toplevel*, wl_array*) {}

const xdg_toplevel_listener kToplevelListener = {OnToplevelConfigure, OnToplevelClose, OnConfigureBounds,
                                                 OnWmCapabilities};

void OnSurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    WindowRecord* record = RecordOf(static_cast<HWND>(data));
    if (record == nullptr) {
        return;
    }
    const bool created = record->configured;
    record->configured = true;
    ApplySize(*record, created);
}

const xdg_surface_listener kSurfaceListener = {OnSurfaceConfigure};

// A full-screen window is where the compositor put it: its output's corner
// in the layout, whatever rectangle it was asked for.
void OnSurfaceEnter(void* data, wl_surface*, wl_output* entered) {
    WindowRecord* record = RecordOf(static_cast<HWND>(data));
    const Output* output = OutputOf(entered);
    if (record != nullptr && output != nullptr && record->fullScreen) {
        const RECT r = LayoutRect(*output);
        record->origin = POINT{r.left, r.top};
        record->outputName = output->name;
    }
}

void OnSurfaceLeave(void*, wl_surface*, wl_output*) {}

const wl_surface_listener kWlSurfaceListener = {OnSurfaceEnter, OnSurfaceLeave};

void OnPreferredScale(void* data, wp_fractional_scale_v1*, std::uint32_t scale120) {
    WindowRecord* record = RecordOf(static_cast<HWND>(data));
    if (record == nullptr || scale120 == 0) {
        return;
    }
    record->scale = scale120 / 120.0;
    if (record->configured) {
        ApplySize(*record, true);
    }
}

const wp_fractional_scale_v1_listener kFractionalScaleListener = {OnPreferredScale};

// The output whose layout rectangle starts at the window's corner.
Output* OutputAt(const RECT& rect) {
    for (Output* output : ReadyOutputs()) {
        const RECT r = LayoutRect(*output);
        if (r.left == rect.left && r.top == rect.top) {
            return output;
        }
    }
    return nullptr;
}

bool MakeSurface(WindowRecord& record, const WindowCreation& c, Output* output) {
    Connection& w = W();
    record.surface = wl_compositor_create_surface(w.compositor);
    wl_surface_add_listener(record.surface, &kWlSurfaceListener, record.handle);
    // The viewport sizes the surface in logical pixels, whatever the scale;
    // fractional scales need it, integer ones use the buffer scale without.
    if (w.viewporter != nullptr && (w.fractionalScale != nullptr || std::floor(record.scale) != record.scale)) {
        record.viewport = wp_viewporter_get_viewport(w.viewporter, record.surface);
    }
    if (w.fractionalScale != nullptr && record.viewport != nullptr) {
        record.fractionalScale = wp_fractional_scale_manager_v1_get_fractional_scale(w.fractionalScale, record.surface);
        wp_fractional_scale_v1_add_listener(record.fractionalScale, &kFractionalScaleListener, record.handle);
    }
    record.xdgSurface = xdg_wm_base_get_xdg_surface(w.wmBase, record.surface);
    xdg_surface_add_listener(record.xdgSurface, &kSurfaceListener, record.handle);
    record.toplevel = xdg_surface_get_toplevel(record.xdgSurface);
    xdg_toplevel_add_listener(record.toplevel, &kToplevelListener, record.handle);
    xdg_toplevel_set_title(record.toplevel, *c.text != '\0' ? c.text : "Tidewell");
    xdg_toplevel_set_app_id(record.toplevel, "tidewell");
    if (record.fullScreen) {
        xdg_toplevel_set_fullscreen(record.toplevel, output != nullptr ? output->output : nullptr);
    }
    wl_surface_commit(record.surface);
    // The first configure gives the size the window is made with.
    for (int waited = 0; !record.configured && waited < kConfigureWaitMs; waited += 100) {
        if (wl_display_roundtrip(w.display) < 0) {
            MarkLost("lost the Wayland compositor");
            return false;
        }
    }
    return record.configured && record.width > 0 && record.height > 0;
}

}  // namespace

HWND MakeWindow(CWnd& object, const WindowCreation& c) {
    if (!Connected() || (c.style & WS_CHILD) != 0) {
        return nullptr;
    }
    WindowRecord& record = AddRecord();
    const HWND hWnd = record.handle;
    record.fullScreen = (c.style & WS_POPUP) != 0;
    record.origin = POINT{c.rect.left, c.rect.top};
    record.blankCursor = ClassHidesCursor(c.className);
    Output* output = record.fullScreen ? OutputAt(c.rect) : nullptr;
    const std::vector<Output*> outputs = ReadyOutputs();
    if (output == nullptr && !outputs.empty()) {
        record.scale = outputs.front()->Scale();
    } else if (output != nullptr) {
        record.scale = output->Scale();
        record.outputName = output->name;
    }
    // Until the compositor says otherwise: the size asked for.
    record.logicalWidth = static_cast<int>(std::lround(std::max<LONG>(c.rect.Width(), 1) / record.scale));
    record.logicalHeight = static_cast<int>(std::lround(std::max<LONG>(c.rect.Height(), 1) / record.scale));
    if (!MakeSurface(record, c, output)) {
        DestroyOurWindow(hWnd);
        return nullptr;
    }
    // What the output showed at start, taken before the window covers it.
    if (output != nullptr) {
        LoadDesktopPicture(*output, record.width, record.height, record.image);
    }
    object.Attach(hWnd);

    CREATESTRUCT create = detail::CreateStructFor(c);
    if (detail::DeliverMessage(object, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyOurWindow(hWnd);
        return nullptr;
    }
    if (const WindowRecord* made = RecordOf(hWnd)) {
        detail::DeliverMessage(object, WM_SIZE, SIZE_RESTORED,
                               MAKELPARAM(static_cast<unsigned>(made->width), static_cast<unsigned>(made->height)));
    }
    if ((c.style & WS_VISIBLE) != 0) {
        ShowWindow(hWnd, SW_SHOW);
    }
    return RecordOf(hWnd) != nullptr ? hWnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
    if (RecordOf(hWnd) == nullptr) {
        return FALSE;
    }
    DestroyOurWindow(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) {
    const WindowRecord* record = RecordOf(hWnd);
    return record != nullptr && !record->destroying ? TRUE : FALSE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    record->visible = nCmdShow != SW_HIDE;
    if (record->visible && !wasVisible) {
        // Shown at once with what it holds, as the platform shows a window
        // before its first paint: a surface is mapped only by a buffer, and
        // a handler that draws nothing must not leave it off the screen,
        // out of reach of input and focus.
        record->invalid = MakeRect(0, 0, record->width, record->height);
        Present(*record, {record->invalid});
    } else if (!record->visible && wasVisible) {
        wl_surface_attach(record->surface, nullptr, 0, 0);
        wl_surface_commit(record->surface);
    }
    return wasVisible;
}

BOOL IsVisible(HWND hWnd) {
    const WindowRecord* record = RecordOf(hWnd);
    return record != nullptr && record->visible ? TRUE : FALSE;
}

BOOL IsIconic(HWND /*hWnd*/) { return FALSE; }
BOOL IsChild(HWND /*hWnd*/) { return FALSE; }
HWND ParentOrOwner(HWND /*hWnd*/) { return nullptr; }

// The compositor places and sizes toplevels; a move is not ours to make.
void MoveWindow(HWND /*hWnd*/, const RECT& /*rect*/) {}

RECT ClientRect(HWND hWnd) {
    const WindowRecord* record = RecordOf(hWnd);
    return record != nullptr ? MakeRect(0, 0, record->width, record->height) : RECT();
}

POINT ClientOrigin(HWND hWnd) {
    const WindowRecord* record = RecordOf(hWnd);
    return record != nullptr ? record->origin : POINT();
}

RECT WindowRect(HWND hWnd) {
    const POINT origin = ClientOrigin(hWnd);
    return OffsetRectBy(ClientRect(hWnd), origin.x, origin.y);
}

void Invalidate(HWND hWnd, BOOL /*erase*/) {
    if (WindowRecord* record = RecordOf(hWnd)) {
        record->invalid = MakeRect(0, 0, record->width, record->height);
    }
}

HWND ChildWithId(HWND /*hParent*/, int /*id*/) { return nullptr; }

}  // namespace fw::wayland
