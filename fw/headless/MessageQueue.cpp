#include "fw/headless/MessageQueue.h"

#include <algorithm>

#include "fw/Messages.h"
#include "fw/headless/WindowTree.h"

namespace fw::headless {

namespace {

bool IsSystemKey(UINT key) { return key == VK_MENU || key == VK_F10; }

UINT ButtonMessage(MouseButton button, bool down) {
    switch (button) {
        case MouseButton::Left:
            return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
        case MouseButton::Middle:
            return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
        case MouseButton::Right:
            return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    }
    return WM_LBUTTONDOWN;
}

// Inside a modal dialog the dialog manager takes Enter and Escape.
bool DialogManagerTakes(HWND target, UINT key) {
    World& world = TheWorld();
    if (world.modal.empty() || (key != VK_RETURN && key != VK_ESCAPE)) {
        return false;
    }
    const HWND dialog = world.modal.back().hWnd;
    if (TopLevelOf(target) != dialog) {
        return false;
    }
    SendDialogKey(dialog, key);
    return true;
}

void DispatchKey(const InputEvent& event) {
    const HWND target = TheWorld().active;
    if (target == nullptr || FindWindow(target) == nullptr) {
        return;
    }
    const bool down = event.kind == InputKind::KeyDown;
    if (down && DialogManagerTakes(target, event.key)) {
        return;
    }
    const UINT message = IsSystemKey(event.key) ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    // Repeat count 1; bit 30 (previous state) and 31 (transition) for a release.
    const LPARAM lParam = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    Deliver(target, message, event.key, lParam);
}

void DispatchMouse(const InputEvent& event) {
    World& world = TheWorld();
    const POINT at = world.cursorPos;
    const HWND target = WindowFromPoint(at.x, at.y);
    WindowRecord* record = target != nullptr ? FindWindow(target) : nullptr;
    if (record == nullptr) {
        return;
    }
    UINT message = WM_MOUSEMOVE;
    WPARAM wParam = 0;
    LPARAM lParam =
        MAKELPARAM(static_cast<unsigned>(at.x - record->rect.left), static_cast<unsigned>(at.y - record->rect.top));
    switch (event.kind) {
        case InputKind::ButtonDown:
            message = ButtonMessage(event.button, true);
            break;
        case InputKind::ButtonUp:
            message = ButtonMessage(event.button, false);
            break;
        case InputKind::Wheel:
            // The wheel goes with the focus, and carries screen coordinates.
            message = WM_MOUSEWHEEL;
            wParam = MAKEWPARAM(0, static_cast<unsigned>(static_cast<std::uint16_t>(event.wheelDelta)));
            lParam = MAKELPARAM(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y));
            break;
        default:
            break;
    }
    if (message == WM_MOUSEWHEEL) {
        if (world.active != nullptr) {
            Deliver(world.active, message, wParam, lParam);
        }
        return;
    }
    Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, message));
    if (message == WM_LBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_RBUTTONDOWN) {
        ActivateTopLevel(target);  // a click activates
    }
    Deliver(target, message, wParam, lParam);
}

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

bool DispatchInput() {
    World& world = TheWorld();
    if (world.input.empty()) {
        return false;
    }
    const InputEvent event = world.input.front();
    world.input.pop_front();
    if (event.kind == InputKind::KeyDown || event.kind == InputKind::KeyUp) {
        DispatchKey(event);
    } else {
        DispatchMouse(event);
    }
    return true;
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

bool RunScheduledAction() {
    World& world = TheWorld();
    const std::uint64_t now = world.clock.Now();
    auto due = world.scheduled.end();
    for (auto it = world.scheduled.begin(); it != world.scheduled.end(); ++it) {
        if (it->at <= now &&
            (due == world.scheduled.end() || it->at < due->at || (it->at == due->at && it->order < due->order))) {
            due = it;
        }
    }
    if (due == world.scheduled.end()) {
        return false;
    }
    const std::function<void()> action = std::move(due->action);
    world.scheduled.erase(due);
    action();
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

void SendDialogKey(HWND hDialog, UINT key) {
    int id = IDCANCEL;
    if (key == VK_RETURN) {
        id = IDOK;
        if (WindowRecord* d = FindWindow(hDialog)) {
            for (const HWND h : d->children) {
                WindowRecord* c = FindWindow(h);
                if (c != nullptr && c->className == "BUTTON" && (c->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                    id = c->id;
                    break;
                }
            }
        }
    }
    Send(hDialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
         reinterpret_cast<LPARAM>(ChildWithId(hDialog, id)));
}

bool DispatchOne() {
    return DispatchPosted() || DispatchInput() || (!TheWorld().quit && DispatchPaint()) ||
           (!TheWorld().quit && RunScheduledAction()) || (!TheWorld().quit && DispatchTimer());
}

std::optional<std::uint64_t> NextEventTime() {
    World& world = TheWorld();
    std::optional<std::uint64_t> next;
    for (const Timer& t : world.timers) {
        next = next ? std::min(*next, t.due) : t.due;
    }
    for (const ScheduledAction& a : world.scheduled) {
        next = next ? std::min(*next, a.at) : a.at;
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
