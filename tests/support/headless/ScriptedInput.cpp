// The scripted user's input and dialog steps: input reaches windows as the
// platform routes it (keys to the active window, the mouse to the window
// under the cursor).
#include "fw/Messages.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"
#include "tests/support/headless/ScriptedOutside.h"

namespace fw::headless {

namespace {

void QueueInput(std::function<void()> event) { Scripted().input.push_back(std::move(event)); }

void AddStep(std::function<void(HWND)> step) { Scripted().script.push_back(std::move(step)); }

// The visible top-level window under a point, the highest there; the tests
// point at no child windows.
HWND WindowFromPoint(int x, int y) {
    WindowRecord* top = nullptr;
    for (const auto& entry : TheWorld().windows) {
        WindowRecord* r = entry.second.get();
        if (!r->child && r->visible && PointInRect(r->rect, x, y) && (top == nullptr || StackedAbove(*r, *top))) {
            top = r;
        }
    }
    return top != nullptr ? top->hWnd : nullptr;
}

// Keys go to the active window; Alt is the system key. Repeat count 1; a
// release sets bit 30 (previous state) and 31 (transition).
void SendKey(UINT key, bool down) {
    const HWND target = TheWorld().active;
    if (target == nullptr || FindWindow(target) == nullptr) {
        return;
    }
    const UINT message = key == VK_MENU ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    Deliver(target, message, key, down ? 1 : static_cast<LPARAM>(0xC0000001u));
}

// A pointer message to the window under the cursor, in its client
// coordinates, after WM_SETCURSOR; a press activates.
void SendPointer(UINT message, WPARAM wParam = 0) {
    const POINT at = Scripted().cursorPos;
    const HWND target = WindowFromPoint(at.x, at.y);
    WindowRecord* record = target != nullptr ? FindWindow(target) : nullptr;
    if (record == nullptr) {
        return;
    }
    Send(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, message));
    if (message == WM_LBUTTONDOWN || message == WM_MBUTTONDOWN || message == WM_RBUTTONDOWN) {
        ActivateTopLevel(target);
    }
    Deliver(
        target, message, wParam,
        MAKELPARAM(static_cast<unsigned>(at.x - record->rect.left), static_cast<unsigned>(at.y - record->rect.top)));
}

// A button's press and release messages, and the flag held while it is down
// (buttons are not otherwise tracked), in MouseButton's order.
constexpr UINT kButtons[][3] = {
    {WM_LBUTTONDOWN, WM_LBUTTONUP, 0x01}, {WM_MBUTTONDOWN, WM_MBUTTONUP, 0x10}, {WM_RBUTTONDOWN, WM_RBUTTONUP, 0x02}};

// A click on a control: an auto check box changes state first, then the
// button tells its dialog.
void Click(HWND hDialog, int controlId) {
    const HWND control = ChildWithId(hDialog, controlId);
    if (WindowRecord* record = FindWindow(control)) {
        if (record->className == "BUTTON" && (record->style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
            record->check = record->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        }
    }
    Send(hDialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(controlId), BN_CLICKED),
         reinterpret_cast<LPARAM>(control));
}

bool DialogOpen(HWND hDialog) {
    for (const ModalState& state : TheWorld().modal) {
        if (state.hWnd == hDialog) {
            return !state.ended;
        }
    }
    return false;
}

}  // namespace

bool ScriptedOutside::DispatchInput() {
    const std::uint64_t now = TheWorld().clock.Now();
    for (auto it = actions.begin(); it != actions.end(); ++it) {
        if (it->at <= now) {
            const std::function<void()> action = std::move(it->action);
            actions.erase(it);
            action();
            return true;
        }
    }
    if (input.empty()) {
        return false;
    }
    const std::function<void()> event = std::move(input.front());
    input.pop_front();
    event();
    return true;
}

std::optional<std::uint64_t> ScriptedOutside::NextInputTime() {
    std::optional<std::uint64_t> next;
    for (const TimedAction& a : actions) {
        next = next ? std::min(*next, a.at) : a.at;
    }
    return next;
}

// A window that appears under a resting cursor gets a mouse move.
void ScriptedOutside::WindowShown(HWND hWnd) {
    if (WindowFromPoint(cursorPos.x, cursorPos.y) == hWnd) {
        input.push_back([] { SendPointer(WM_MOUSEMOVE); });
    }
}

bool ScriptedOutside::ActOnDialog(HWND hDialog) {
    if (script.empty()) {
        return false;
    }
    const std::function<void(HWND)> step = std::move(script.front());
    script.pop_front();
    step(hDialog);
    return true;
}

void ScheduleAfter(std::uint32_t milliseconds, std::function<void()> action) {
    Scripted().actions.push_back(
        TimedAction{TheWorld().clock.Now() + std::uint64_t{milliseconds} * 1000u, std::move(action)});
}

void KeyDown(UINT virtualKey) {
    QueueInput([virtualKey] { SendKey(virtualKey, true); });
}
void KeyUp(UINT virtualKey) {
    QueueInput([virtualKey] { SendKey(virtualKey, false); });
}
void MouseMove(int screenX, int screenY) {
    SetCursorPos(screenX, screenY);
    QueueInput([] { SendPointer(WM_MOUSEMOVE); });
}
void MouseButtonDown(MouseButton button) {
    const auto* b = kButtons[static_cast<int>(button)];
    QueueInput([b] { SendPointer(b[0], b[2]); });
}
void MouseButtonUp(MouseButton button) {
    const UINT message = kButtons[static_cast<int>(button)][1];
    QueueInput([message] { SendPointer(message); });
}
// The wheel goes with the focus, and carries screen coordinates.
void MouseWheel(int delta) {
    QueueInput([delta] {
        const POINT at = Scripted().cursorPos;
        if (const HWND active = TheWorld().active) {
            Deliver(active, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<unsigned>(static_cast<std::uint16_t>(delta))),
                    MAKELPARAM(static_cast<unsigned>(at.x), static_cast<unsigned>(at.y)));
        }
    });
}
void SetCursorPos(int screenX, int screenY) { Scripted().cursorPos = POINT{screenX, screenY}; }

void ScriptPressButton(int controlId) {
    AddStep([controlId](HWND hDialog) { Click(hDialog, controlId); });
}

// Every dialog's default push button is its OK.
void ScriptEnter() { ScriptPressButton(IDOK); }
void ScriptEscape() { ScriptPressButton(IDCANCEL); }

void ScriptScroll(int scrollBarId, UINT code, int position) {
    AddStep([scrollBarId, code, position](HWND hDialog) {
        Send(hDialog, WM_HSCROLL, MAKEWPARAM(code, static_cast<unsigned>(position)),
             reinterpret_cast<LPARAM>(ChildWithId(hDialog, scrollBarId)));
    });
}

void ScriptSysCommand(UINT nID, LPARAM lParam) {
    AddStep([nID, lParam](HWND hDialog) { Send(hDialog, WM_SYSCOMMAND, nID, lParam); });
}

void ScriptWait(std::uint32_t milliseconds) {
    AddStep([milliseconds](HWND hDialog) {
        RunUntil(TheWorld().clock.Now() + static_cast<std::uint64_t>(milliseconds) * 1000u,
                 [hDialog] { return !DialogOpen(hDialog); });
    });
}

void ScriptCall(std::function<void(HWND hDialog)> action) { AddStep(std::move(action)); }

}  // namespace fw::headless
