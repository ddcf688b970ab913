#pragma once
// The window tree and what the platform does to it: creation, destruction,
// showing, moving, activation, invalidation, hit testing, and handing a
// message to a window.
#include <vector>

#include "fw/Backend.h"
#include "fw/headless/World.h"

namespace fw {
class CWnd;
}

namespace fw::headless {

WindowRecord* FindWindow(HWND hWnd);

// Delivers a message to the window: to its object's handlers, or to default
// processing when no object is bound. A window that is gone gets nothing.
LRESULT Deliver(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
inline LRESULT Send(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return Deliver(hWnd, message, wParam, lParam);
}
BOOL Post(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

struct CreateParams {
    CWnd* object = nullptr;            // bound before WM_CREATE; null for a plain window
    backend::WindowCreation creation;  // a null class name: the default class
    bool showIfVisible = true;         // dialogs show themselves after WM_INITDIALOG
};
// Makes the window: WM_CREATE (−1 fails and destroys what was made), WM_SIZE
// then shows it when it has WS_VISIBLE. Null on failure.
HWND CreateWindowFor(const CreateParams& params);
BOOL Destroy(HWND hWnd);

// Shows or hides: a window shown becomes invalid, a top-level one active; a
// window hidden uncovers what is below it.
void SetVisible(HWND hWnd, bool visible);
void SetIconic(HWND hWnd, bool iconic);
// Moves the window (and its children) to a new screen rectangle.
void MoveTo(HWND hWnd, const RECT& screenRect);

void ActivateTopLevel(HWND hWnd);
void DeactivateApplication();
HWND TopLevelOf(HWND hWnd);

void InvalidateClient(HWND hWnd, const RECT& clientRect, bool erase);
void InvalidateAll(HWND hWnd, bool erase);

// Visible itself and every ancestor.
bool IsShown(const WindowRecord& record);
// Stacking: the topmost band above the rest, newer above older in a band.
bool StackedAbove(const WindowRecord& a, const WindowRecord& b);
// The window's screen rectangle cut by every ancestor's.
RECT VisibleScreenRect(HWND hWnd);

HWND ChildWithId(HWND hParent, int id);
void KillTimersOf(HWND hWnd);

}  // namespace fw::headless
