#include "fw/headless/MessageQueue.h"

#include <algorithm>

#include "fw/Messages.h"
#include "fw/headless/WindowTree.h"

namespace fw::headless {

namespace {

bool DispatchPosted() {
    World& world = TheWorld();
    while (!world.posted.empty()) {
        const QueuedMessage m = world.posted.front();
        world.posted.pop_front();
        if (FindWindow(m.hWnd) == nullptr) {
            continue;  // for a window that is gone: dropped
        }
        Deliver(m.hWnd, m.message, m.wParam, m.lParam);
        return true;
    }
    return false;
}

// Parents before children, windows in creation order.
HWND FirstWindowToPaint() {
    for (auto& entry : TheWorld().windows) {
        WindowRecord& r = *entry.second;
        if (!IsEmptyRect(r.invalid) && IsShown(r)) {
            return r.hWnd;
        }
    }
    return nullptr;
}

bool DispatchPaint() {
    const HWND hWnd = FirstWindowToPaint();
    if (hWnd == nullptr) {
        return false;
    }
    Deliver(hWnd, WM_PAINT, 0, 0);
    return true;
}

bool DispatchTimer() {
    World& world = TheWorld();
    const std::uint64_t now = world.clock.Now();
    Timer* due = nullptr;
    for (Timer& t : world.timers) {
        if (t.due <= now && (due == nullptr || t.due < due->due || (t.due == due->due && t.order < due->order))) {
            due = &t;
        }
    }
    if (due == nullptr) {
        return false;
    }
    // Periods missed while nobody asked give one message, as the platform's
    // timer flag does.
    const std::uint64_t missed = (now - due->due) / due->period + 1;
    due->due += missed * due->period;
    const HWND hWnd = due->hWnd;
    const UINT_PTR id = due->id;
    Deliver(hWnd, WM_TIMER, id, 0);
    return true;
}

}  // namespace

bool DispatchOne() {
    return DispatchPosted() || TheWorld().outside->DispatchInput() || (!TheWorld().quit && DispatchPaint()) ||
           (!TheWorld().quit && DispatchTimer());
}

std::optional<std::uint64_t> NextEventTime() {
    World& world = TheWorld();
    std::optional<std::uint64_t> next;
    for (const Timer& t : world.timers) {
        next = next ? std::min(*next, t.due) : t.due;
    }
    if (const std::optional<std::uint64_t> input = world.outside->NextInputTime()) {
        next = next ? std::min(*next, *input) : *input;
    }
    return next;
}

std::size_t RunUntil(std::uint64_t target, const std::function<bool()>& stop) {
    World* world = &TheWorld();
    std::size_t dispatched = 0;
    for (;;) {
        // With the quit message pending, what is posted ahead of it still
        // goes; DispatchOne holds back paints and timers.
        while (!stop() && dispatched < kPumpLimit && DispatchOne()) {
            ++dispatched;
        }
        world = &TheWorld();
        if (stop() || world->quit || dispatched >= kPumpLimit || world->clock.Now() >= target) {
            return dispatched;
        }
        const std::optional<std::uint64_t> next = NextEventTime();
        world->clock.AdvanceTo(next && *next <= target ? std::max(*next, world->clock.Now()) : target);
    }
}

}  // namespace fw::headless
