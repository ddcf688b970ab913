// Scripted input, dialog steps and colour-dialog answers of Headless.h.
#include "fw/Messages.h"
#include "fw/headless/Headless.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"

namespace fw::headless {

namespace {

void QueueInput(InputKind kind, UINT key = 0, MouseButton button = MouseButton::Left, int wheelDelta = 0) {
    InputEvent event{kind};
    event.key = key;
    event.button = button;
    event.wheelDelta = wheelDelta;
    TheWorld().input.push_back(event);
}

void AddStep(std::function<void(HWND)> step) { TheWorld().script.push_back(std::move(step)); }

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

void KeyDown(UINT virtualKey) { QueueInput(InputKind::KeyDown, virtualKey); }
void KeyUp(UINT virtualKey) { QueueInput(InputKind::KeyUp, virtualKey); }

void MouseMove(int screenX, int screenY) {
    SetCursorPos(screenX, screenY);
    QueueInput(InputKind::MouseMove);
}
void MouseButtonDown(MouseButton button) { QueueInput(InputKind::ButtonDown, 0, button); }
void MouseButtonUp(MouseButton button) { QueueInput(InputKind::ButtonUp, 0, button); }
void MouseWheel(int delta) { QueueInput(InputKind::Wheel, 0, MouseButton::Left, delta); }
POINT CursorPos() { return TheWorld().cursorPos; }
void SetCursorPos(int screenX, int screenY) {
    TheWorld().cursorPos.x = screenX;
    TheWorld().cursorPos.y = screenY;
}

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
std::size_t ScriptStepsLeft() { return TheWorld().script.size(); }

const std::vector<DialogRecord>& DialogHistory() { return TheWorld().dialogHistory; }

void AnswerColorDialog(INT_PTR result, COLORREF colour, std::uint32_t openMs) {
    TheWorld().colorAnswers.push_back(ColorAnswer{result, colour, openMs});
}
const std::vector<ColorDialogRecord>& ColorDialogsOpened() { return TheWorld().colorHistory; }

}  // namespace fw::headless
