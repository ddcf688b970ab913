// The dialog primitives of fw/Backend.h on the headless backend: modal
// dialogs built from registered templates, run until whoever is outside ends
// them, the colour chooser, buttons and scroll bars.
#include <algorithm>

#include "fw/Backend.h"
#include "fw/Dialog.h"
#include "fw/DialogTemplate.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"

namespace fw::backend {

using headless::FindWindow;
using headless::WindowRecord;

namespace {

// Fixed dialog base units for 8-point text, rounded as MulDiv rounds.
constexpr int kBaseUnitX = 6;
constexpr int kBaseUnitY = 13;
int DialogUnitsToPixelsX(int units) { return (units * kBaseUnitX + (units >= 0 ? 2 : -2)) / 4; }
int DialogUnitsToPixelsY(int units) { return (units * kBaseUnitY + (units >= 0 ? 4 : -4)) / 8; }
RECT DialogUnitsRect(int x, int y, int cx, int cy, int originX, int originY) {
    const int left = DialogUnitsToPixelsX(x) + originX;
    const int top = DialogUnitsToPixelsY(y) + originY;
    return MakeRect(left, top, left + DialogUnitsToPixelsX(cx), top + DialogUnitsToPixelsY(cy));
}

bool CreateControls(HWND hDialog, const DialogTemplate& dialogTemplate) {
    for (const DialogControlTemplate& control : dialogTemplate.controls) {
        headless::CreateParams params;
        backend::WindowCreation& c = params.creation;
        c.className = control.className.c_str();  // class names are compared without case
        c.text = control.text.c_str();
        c.style = control.style | WS_CHILD;
        c.rect = DialogUnitsRect(control.x, control.y, control.cx, control.cy, 0, 0);
        c.parent = hDialog;
        c.id = control.id;
        if (headless::CreateWindowFor(params) == nullptr) {
            return false;
        }
    }
    return true;
}

headless::ModalState* ModalFor(HWND hWnd) {
    for (headless::ModalState& state : headless::TheWorld().modal) {
        if (state.hWnd == hWnd) {
            return &state;
        }
    }
    return nullptr;
}

// Runs until the dialog ends: the thread's messages first, then, when idle,
// whoever is outside acts on it; with nobody there it is cancelled.
void RunModalLoop(HWND hDialog) {
    for (;;) {
        headless::ModalState* state = ModalFor(hDialog);
        if (state == nullptr || state->ended) {
            return;
        }
        headless::World& world = headless::TheWorld();
        if (world.quit) {
            // The quit message ends the loop and stays for the outer one.
            state->ended = true;
            state->result = -1;
            return;
        }
        if (headless::DispatchOne()) {
            continue;
        }
        if (!world.outside->ActOnDialog(hDialog)) {
            EndModalDialog(hDialog, IDCANCEL);
            if (headless::ModalState* left = ModalFor(hDialog)) {
                left->abandoned = true;
            }
            return;
        }
    }
}

}  // namespace

INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, HWND owner) {
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return -1;
    }
    const headless::WindowRecord* ownerRecord = headless::FindWindow(owner);
    headless::CreateParams params;
    params.object = &dialog;
    backend::WindowCreation& c = params.creation;
    c.exStyle = dialogTemplate->exStyle;
    c.className = "#32770";
    c.text = dialogTemplate->caption.c_str();
    c.style = dialogTemplate->style & ~WS_CHILD;
    // The template's position is relative to the owner's client area.
    const DialogTemplate& t = *dialogTemplate;
    c.rect = DialogUnitsRect(t.x, t.y, t.cx, t.cy, ownerRecord != nullptr ? ownerRecord->rect.left : 0,
                             ownerRecord != nullptr ? ownerRecord->rect.top : 0);
    c.parent = owner;
    params.showIfVisible = false;
    const HWND hDialog = headless::CreateWindowFor(params);
    if (hDialog == nullptr) {
        return -1;
    }
    headless::TheWorld().modal.push_back(headless::ModalState{hDialog, templateId});
    if (!CreateControls(hDialog, *dialogTemplate)) {
        EndModalDialog(hDialog, -1);
    } else {
        headless::Send(hDialog, WM_INITDIALOG, 0, 0);
        if ((dialogTemplate->style & WS_VISIBLE) != 0) {
            headless::SetVisible(hDialog, true);
        }
        RunModalLoop(hDialog);
    }

    headless::World& world = headless::TheWorld();
    headless::ModalState state = world.modal.back();
    for (auto it = world.modal.begin(); it != world.modal.end(); ++it) {
        if (it->hWnd == hDialog) {
            state = *it;
            world.modal.erase(it);
            break;
        }
    }
    // Hidden first, so activation goes back to the owner, then destroyed.
    headless::SetVisible(hDialog, false);
    headless::Destroy(hDialog);
    world.outside->DialogEnded(state.templateId, state.result, state.abandoned);
    return state.result;
}

void EndModalDialog(HWND hDialog, int result) {
    if (headless::ModalState* state = ModalFor(hDialog)) {
        if (!state->ended) {
            state->ended = true;
            state->result = result;
        }
    }
}

INT_PTR ChooseColour(HWND /*owner*/, COLORREF initial, DWORD /*flags*/, COLORREF* chosen) {
    return headless::TheWorld().outside->ChooseColour(initial, chosen);
}

void SetButtonCheck(HWND hButton, UINT check) {
    if (WindowRecord* button = FindWindow(hButton)) {
        button->check = check;
    }
}

UINT ButtonCheck(HWND hButton) {
    const WindowRecord* button = FindWindow(hButton);
    return button != nullptr ? button->check : BST_UNCHECKED;
}

void SetScrollRange(HWND hBar, int minPos, int maxPos, BOOL /*redraw*/) {
    WindowRecord* bar = FindWindow(hBar);
    if (bar == nullptr) {
        return;
    }
    bar->scrollMin = minPos;
    bar->scrollMax = maxPos;
    bar->scrollPos = std::max(std::min(minPos, maxPos), std::min(bar->scrollPos, std::max(minPos, maxPos)));
}

void GetScrollRange(HWND hBar, int* minPos, int* maxPos) {
    const WindowRecord* bar = FindWindow(hBar);
    *minPos = bar != nullptr ? bar->scrollMin : 0;
    *maxPos = bar != nullptr ? bar->scrollMax : 0;
}

int SetScrollPos(HWND hBar, int pos, BOOL /*redraw*/) {
    WindowRecord* bar = FindWindow(hBar);
    if (bar == nullptr) {
        return 0;
    }
    const int previous = bar->scrollPos;
    const int low = std::min(bar->scrollMin, bar->scrollMax);
    const int high = std::max(bar->scrollMin, bar->scrollMax);
    bar->scrollPos = std::max(low, std::min(pos, high));
    return previous;
}

int ScrollPos(HWND hBar) {
    const WindowRecord* bar = FindWindow(hBar);
    return bar != nullptr ? bar->scrollPos : 0;
}

}  // namespace fw::backend
