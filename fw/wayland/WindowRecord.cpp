#include "fw/wayland/WindowRecord.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "fw/wayland/Connection.h"

namespace fw::wayland {

namespace {

struct Registry {
    std::map<std::uintptr_t, std::unique_ptr<WindowRecord>> records;
    std::vector<HWND> order;
    std::uintptr_t next = 1;
};

Registry& TheRegistry() {
    // Never destroyed: window objects may go during the process's own end.
    static auto& registry = *new Registry;
    return registry;
}

void Commit(WindowRecord& record);

void OnFrameDone(void* data, wl_callback* callback, std::uint32_t) {
    wl_callback_destroy(callback);
    WindowRecord* record = RecordOf(static_cast<HWND>(data));
    if (record != nullptr && record->frame == callback) {
        record->frame = nullptr;
        Commit(*record);
    }
}
const wl_callback_listener kFrameListener = {OnFrameDone};

ShmBuffer* FreeBuffer(WindowRecord& record) {
    for (auto& buffer : record.buffers) {
        if (!buffer->m_bBusy) {
            return buffer.get();
        }
    }
    // Two buffers, a third while the compositor holds both.
    if (record.buffers.size() < 3) {
        if (auto made = ShmBuffer::Make(record.width, record.height)) {
            record.buffers.push_back(std::move(made));
            return record.buffers.back().get();
        }
    }
    return nullptr;
}

void Commit(WindowRecord& record) {
    if (record.damage.empty() || record.frame != nullptr || !record.configured || !record.visible) {
        return;
    }
    ShmBuffer* buffer = FreeBuffer(record);
    if (buffer == nullptr) {
        return;  // shown at the next frame or paint
    }
    for (auto& each : record.buffers) {
        each->Stale(record.damage);
    }
    buffer->CatchUp(record.image.data());
    wl_surface_attach(record.surface, buffer->Buffer(), 0, 0);
    for (const RECT& r : record.damage) {
        wl_surface_damage_buffer(record.surface, r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    record.damage.clear();
    record.frame = wl_surface_frame(record.surface);
    wl_callback_add_listener(record.frame, &kFrameListener, record.handle);
    wl_surface_commit(record.surface);
    buffer->m_bBusy = true;
}

}  // namespace

WindowRecord* RecordOf(HWND hWnd) {
    const auto found = TheRegistry().records.find(Id(hWnd));
    return found == TheRegistry().records.end() ? nullptr : found->second.get();
}

WindowRecord* RecordOf(const wl_surface* surface) {
    for (auto& [id, record] : TheRegistry().records) {
        if (surface != nullptr && record->surface == surface) {
            return record.get();
        }
    }
    return nullptr;
}

WindowRecord& AddRecord() {
    Registry& registry = TheRegistry();
    const std::uintptr_t id = registry.next++;
    auto& slot = registry.records[id];
    slot = std::make_unique<WindowRecord>();
    slot->handle = Handle(id);
    registry.order.push_back(slot->handle);
    return *slot;
}

void RemoveRecord(HWND hWnd) {
    Registry& registry = TheRegistry();
    registry.records.erase(Id(hWnd));
    registry.order.erase(std::remove(registry.order.begin(), registry.order.end(), hWnd), registry.order.end());
}

std::vector<HWND> OurWindows() { return TheRegistry().order; }

void DestroyOurWindow(HWND hWnd) {
    WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr || record->destroying) {
        return;
    }
    record->destroying = true;
    record->timers.clear();
    if (CWnd* wnd = CWnd::FromHandlePermanent(hWnd)) {
        detail::DeliverMessage(*wnd, WM_DESTROY, 0, 0);
    }
    if ((record = RecordOf(hWnd)) == nullptr) {
        return;
    }
    if (record->frame != nullptr) {
        wl_callback_destroy(record->frame);
    }
    record->buffers.clear();
    if (record->fractionalScale != nullptr) {
        wp_fractional_scale_v1_destroy(record->fractionalScale);
    }
    if (record->viewport != nullptr) {
        wp_viewport_destroy(record->viewport);
    }
    if (record->toplevel != nullptr) {
        xdg_toplevel_destroy(record->toplevel);
    }
    if (record->xdgSurface != nullptr) {
        xdg_surface_destroy(record->xdgSurface);
    }
    if (record->surface != nullptr) {
        wl_surface_destroy(record->surface);
    }
    if (Connected()) {
        wl_display_flush(W().display);
    }
    if (CWnd* wnd = CWnd::FromHandlePermanent(hWnd)) {
        detail::DeliverMessage(*wnd, WM_NCDESTROY, 0, 0);
    }
    RemoveRecord(hWnd);
}

void ApplySize(WindowRecord& record, bool created) {
    if (record.offeredWidth > 0 && record.offeredHeight > 0) {
        record.logicalWidth = record.offeredWidth;
        record.logicalHeight = record.offeredHeight;
    }
    const int width = static_cast<int>(std::lround(record.logicalWidth * record.scale));
    const int height = static_cast<int>(std::lround(record.logicalHeight * record.scale));
    if (record.viewport != nullptr) {
        wp_viewport_set_destination(record.viewport, record.logicalWidth, record.logicalHeight);
    } else {
        wl_surface_set_buffer_scale(record.surface, std::max(1, static_cast<int>(std::lround(record.scale))));
    }
    if (width == record.width && height == record.height) {
        return;
    }
    std::vector<std::uint32_t> image(static_cast<std::size_t>(std::max(width, 0)) * std::max(height, 0));
    for (int y = 0; y < std::min(height, record.height); ++y) {
        const auto* from = record.image.data() + static_cast<std::size_t>(y) * record.width;
        std::copy(from, from + std::min(width, record.width), image.data() + static_cast<std::size_t>(y) * width);
    }
    record.image = std::move(image);
    record.width = width;
    record.height = height;
    record.buffers.clear();
    record.damage.assign(1, MakeRect(0, 0, width, height));
    record.invalid = MakeRect(0, 0, width, height);
    // Shown at the new size at once: a handler that does not draw must not
    // leave the compositor waiting for it.
    Commit(record);
    CWnd* wnd = CWnd::FromHandlePermanent(record.handle);
    if (created && wnd != nullptr) {
        detail::DeliverMessage(*wnd, WM_SIZE, SIZE_RESTORED,
                               MAKELPARAM(static_cast<unsigned>(width), static_cast<unsigned>(height)));
    }
}

void Present(WindowRecord& record, const std::vector<RECT>& changed) {
    for (const RECT& r : changed) {
        if (!IsEmptyRect(r)) {
            record.damage.push_back(r);
        }
    }
    // A surface the compositor stops asking for keeps one box, not a list.
    if (record.damage.size() > 8192) {
        RECT box;
        for (const RECT& r : record.damage) {
            box = UnionRects(box, r);
        }
        record.damage.assign(1, box);
    }
    Commit(record);
}

}  // namespace fw::wayland
