#include "fw/x11/WindowRecord.h"

#include <algorithm>
#include <map>

#include "fw/x11/Connection.h"

namespace fw::x11 {

namespace {

struct Registry {
    std::map<::Window, std::unique_ptr<WindowRecord>> records;
    std::vector<::Window> order;
};

Registry& TheRegistry() {
    // Never destroyed: window objects may go during the process's own end.
    static auto& registry = *new Registry;
    return registry;
}

}  // namespace

WindowRecord* RecordOf(HWND hWnd) {
    const auto found = TheRegistry().records.find(ToX(hWnd));
    return found == TheRegistry().records.end() ? nullptr : found->second.get();
}

WindowRecord& AddRecord(::Window window) {
    auto& slot = TheRegistry().records[window];
    slot = std::make_unique<WindowRecord>();
    slot->window = window;
    TheRegistry().order.push_back(window);
    return *slot;
}

void RemoveRecord(::Window window) {
    Registry& registry = TheRegistry();
    const auto found = registry.records.find(window);
    if (found == registry.records.end()) {
        return;
    }
    if (found->second->gc != nullptr) {
        ::XFreeGC(X().display, found->second->gc);
    }
    registry.records.erase(found);
    registry.order.erase(std::remove(registry.order.begin(), registry.order.end(), window), registry.order.end());
}

std::vector<::Window> OurWindows() { return TheRegistry().order; }

void DestroyOurWindow(::Window window, bool serverDestroyedIt) {
    WindowRecord* record = RecordOf(ToFw(window));
    if (record == nullptr || record->destroying) {
        return;
    }
    // Owned windows go first, whole.
    for (::Window other : OurWindows()) {
        const WindowRecord* owned = RecordOf(ToFw(other));
        if (owned != nullptr && owned->owner == window) {
            DestroyOurWindow(other, false);
        }
    }
    record->destroying = true;
    record->timers.clear();
    CWnd* wnd = CWnd::FromHandlePermanent(ToFw(window));
    if (wnd != nullptr) {
        detail::DeliverMessage(*wnd, WM_DESTROY, 0, 0);
    }
    for (::Window child : OurWindows()) {
        const WindowRecord* other = RecordOf(ToFw(child));
        if (other != nullptr && other->parent == window) {
            DestroyOurWindow(child, serverDestroyedIt);
        }
    }
    if (!serverDestroyedIt) {
        ErrorTrap trap;  // a foreign parent may have taken it already
        ::XDestroyWindow(X().display, window);
    }
    wnd = CWnd::FromHandlePermanent(ToFw(window));
    if (wnd != nullptr) {
        detail::DeliverMessage(*wnd, WM_NCDESTROY, 0, 0);
    }
    RemoveRecord(window);
}

}  // namespace fw::x11
