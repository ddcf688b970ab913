// The scripted user's input and dialog steps: input reaches windows as the
// platform routes it (keys to the active window, the mouse to the window
// under the cursor, Enter and Escape to the dialog manager).
#include "fw/Messages.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"
#include "tests/support/headless/ScriptedOutside.h"

namespace fw::headless {

namespace {

void QueueInput(InputKind kind, UINT key = 0, MouseButton button = MouseButton::Left, int wheelDelta = 0) {
    InputEvent event{kind};
    event.key = key;
    event.button = button;
    event.wheelDelta = wheelDelta;
    Scripted().input.push_back(event);
}

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

// The dialog manager's keys: Enter gives the default push button's command
// (IDOK without one), Escape IDCANCEL's.
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

// The messages of a button's press and release, in MouseButton's order.
constexpr UINT kButtonMessages[][2] = {
    {WM_LBUTTONDOWN, WM_LBUTTONUP}, {WM_MBUTTONDOWN, WM_MBUTTONUP}, {WM_RBUTTONDOWN, WM_RBUTTONUP}};

void DispatchKey(const InputEvent& event) {
    const HWND target = TheWorld().active;
    if (target == nullptr || FindWindow(target) == nullptr) {
        return;
    }
    const bool down = event.kind == InputKind::KeyDown;
    const UINT message = event.key == VK_MENU ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    // Repeat count 1; bit 30 (previous state) and 31 (transition) for a release.
    const LPARAM lParam = down ? 1 : static_cast<LPARAM>(0xC0000001u);
    Deliver(target, message, event.key, lParam);
}

void DispatchMouse(const InputEvent& event) {
    World& world = TheWorld();
    const POINT at = Scripted().cursorPos;
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
            // The pressed button is held (MK_LBUTTON, MK_MBUTTON, MK_RBUTTON);
            // buttons are not otherwise tracked.
            message = kButtonMessages[static_cast<int>(event.button)][0];
            wParam = event.button == MouseButton::Left ? 0x01 : event.button == MouseButton::Right ? 0x02 : 0x10;
            break;
        case InputKind::ButtonUp:
            message = kButtonMessages[static_cast<int>(event.button)][1];
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
    const InputEvent event = input.front();
    input.pop_front();
    if (event.kind == InputKind::KeyDown || event.kind == InputKind::KeyUp) {
        DispatchKey(event);
    } else {
        DispatchMouse(event);
    }
    return true;
}

std::optional<std::uint64_t> ScriptedOutside::NextInputTime() {
    std::optional<std::uint64_t> next;
    for (const InputEvent& a : actions) {
        next = next ? std::min(*next, a.at) : a.at;
    }
    return next;
}

// A window that appears under a resting cursor gets a mouse move.
void ScriptedOutside::WindowShown(HWND hWnd) {
    if (WindowFromPoint(cursorPos.x, cursorPos.y) == hWnd) {
        input.push_back(InputEvent{InputKind::MouseMove});
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
    InputEvent event{InputKind::Action};
    event.at = TheWorld().clock.Now() + std::uint64_t{milliseconds} * 1000u;
    event.action = std::move(action);
    Scripted().actions.push_back(std::move(event));
}

void KeyDown(UINT virtualKey) { QueueInput(InputKind::KeyDown, virtualKey); }
void KeyUp(UINT virtualKey) { QueueInput(InputKind::KeyUp, virtualKey); }
void MouseMove(int screenX, int screenY) {
    SetCursorPos(screenX, screenY);
    QueueInput(InputKind::MouseMove);
}
void MouseButtonDown(MouseButton button) { QueueInput(InputKind::ButtonDown, 0, button); }
void MouseButtonUp(MouseButton button) { QueueInput(InputKind::ButtonUp, 0, button); }
void MouseWheel(int delta) { QueueInput(InputKind::Wheel, 0, MouseButton::Left, delta); }
void SetCursorPos(int screenX, int screenY) { Scripted().cursorPos = POINT{screenX, screenY}; }

void ScriptPressButton(int controlId) {
    AddStep([controlId](HWND hDialog) { Click(hDialog, controlId); });
}
void ScriptToggleCheck(int checkBoxId) { ScriptPressButton(checkBoxId); }

void ScriptEnter() {
    AddStep([](HWND hDialog) { SendDialogKey(hDialog, VK_RETURN); });
}
void ScriptEscape() {
    AddStep([](HWND hDialog) { SendDialogKey(hDialog, VK_ESCAPE); });
}

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
