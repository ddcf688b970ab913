// The window and control primitives of fw/Backend.h on the simulated window
// tree.
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

}  // namespace fw::backend
