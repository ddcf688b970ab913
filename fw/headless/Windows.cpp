// The window and control primitives of fw/Backend.h on the simulated window
// tree.
#include <algorithm>

#include "fw/Backend.h"
#include "fw/Messages.h"
#include "fw/headless/WindowTree.h"

namespace fw::backend {

using headless::FindWindow;
using headless::WindowRecord;

HWND MakeWindow(CWnd& object, const WindowCreation& c) {
    headless::CreateParams params;
    params.object = &object;
    params.creation = c;
    return headless::CreateWindowFor(params);
}

BOOL DestroyWindow(HWND hWnd) { return headless::Destroy(hWnd); }

BOOL IsWindow(HWND hWnd) { return FindWindow(hWnd) != nullptr ? TRUE : FALSE; }

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
    const WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    const BOOL wasVisible = record->visible ? TRUE : FALSE;
    switch (nCmdShow) {
        case SW_HIDE:
            headless::SetVisible(hWnd, false);
            break;
        case SW_MINIMIZE:
            headless::SetVisible(hWnd, true);
            headless::SetIconic(hWnd, true);
            break;
        case SW_RESTORE:
            headless::SetVisible(hWnd, true);
            headless::SetIconic(hWnd, false);
            break;
        default:
            headless::SetVisible(hWnd, true);
            break;
    }
    return wasVisible;
}

BOOL IsVisible(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr && headless::IsShown(*record) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr && record->iconic ? TRUE : FALSE;
}

BOOL IsChild(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr && record->child ? TRUE : FALSE;
}

HWND ParentOrOwner(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr ? record->hWndParent : nullptr;
}

void MoveWindow(HWND hWnd, const RECT& rect) {
    const POINT origin = ClientOrigin(IsChild(hWnd) ? ParentOrOwner(hWnd) : nullptr);
    headless::MoveTo(hWnd, OffsetRectBy(rect, origin.x, origin.y));
}

RECT WindowRect(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr ? record->rect : RECT();
}

RECT ClientRect(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr ? MakeRect(0, 0, record->Width(), record->Height()) : RECT();
}

POINT ClientOrigin(HWND hWnd) {
    const RECT rect = WindowRect(hWnd);
    return POINT{rect.left, rect.top};
}

void Invalidate(HWND hWnd, BOOL erase) { headless::InvalidateAll(hWnd, erase != FALSE); }

HWND ChildWithId(HWND hParent, int id) { return headless::ChildWithId(hParent, id); }

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

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return headless::Post(hWnd, message, wParam, lParam);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return headless::Send(hWnd, message, wParam, lParam);
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    if (FindWindow(hWnd) == nullptr) {
        return 0;
    }
    headless::World& world = headless::TheWorld();
    // Below the platform's minimum the default tick applies.
    const std::uint64_t period =
        elapse < 10 ? headless::kDefaultTimerPeriodMicroseconds : static_cast<std::uint64_t>(elapse) * 1000u;
    KillTimer(hWnd, id);
    world.timers.push_back(headless::Timer{hWnd, id, period, world.clock.Now() + period, world.nextTimerOrder++});
    return id != 0 ? id : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR id) {
    std::vector<headless::Timer>& timers = headless::TheWorld().timers;
    const auto before = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hWnd, id](const headless::Timer& t) { return t.hWnd == hWnd && t.id == id; }),
                 timers.end());
    return timers.size() != before ? TRUE : FALSE;
}

}  // namespace fw::backend
