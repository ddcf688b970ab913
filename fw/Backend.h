#pragma once
// The contract between the portable framework and a backend. A backend is
// one folder (fw/headless, fw/win32, ...) that defines every function in
// namespace fw::backend below, and nothing of the framework's classes: the
// classes of fw/*.h are written once, in fw/*.cpp, on top of these
// primitives. Policy (centring, a dialog's owner, class names, the profile's
// key path, rectangle arithmetic) lives in the portable part; a primitive
// does one platform thing and says so. Not for the program's own code.
// Every backend defines each section below in a file of the section's name
// (Windows.cpp, Drawing.cpp, Classes.cpp, Messages.cpp, Timers.cpp,
// Screen.cpp, Resources.cpp, Dialogs.cpp, Profile.cpp).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fw/Dc.h"
#include "fw/DirtyRegion.h"
#include "fw/Platform.h"
#include "fw/Types.h"

namespace fw {

class CWnd;
class CDialog;
class CScrollBar;

namespace backend {

// ------------------------------------------------------------- windows
struct WindowCreation {
    DWORD exStyle = 0;
    const char* className = nullptr;  // a registered class; never null here
    const char* text = "";
    DWORD style = 0;
    RECT rect;              // in the parent's client coordinates for a child, else the screen's
    HWND parent = nullptr;  // a child's parent, or a top-level window's owner
    int id = 0;
    void* param = nullptr;  // CREATESTRUCT::lpCreateParams
};
// Makes the window and binds object to it (CWnd::Attach) before its first
// message, so WM_CREATE reaches the object's handlers; then WM_SIZE, and
// showing when WS_VISIBLE. WM_CREATE's −1 destroys it again. Null on failure;
// the object may then be gone (PostNcDestroy ran).
HWND MakeWindow(CWnd& object, const WindowCreation& creation);
// WM_DESTROY to the window and its children, WM_NCDESTROY to each last;
// owned windows go first. FALSE for a window that is not there.
BOOL DestroyWindow(HWND hWnd);
BOOL IsWindow(HWND hWnd);
// SW_* as the platform takes them; returns whether it was visible before.
BOOL ShowWindow(HWND hWnd, int nCmdShow);
BOOL IsVisible(HWND hWnd);  // it and every ancestor have WS_VISIBLE
BOOL IsIconic(HWND hWnd);
BOOL IsChild(HWND hWnd);  // WS_CHILD
// A child's parent, or a top-level window's owner; null for none.
HWND ParentOrOwner(HWND hWnd);
// Moves (and sizes) the window; rect in its parent's client coordinates for
// a child, else the screen's. Sends WM_SIZE when the size changes.
void MoveWindow(HWND hWnd, const RECT& rect);
RECT WindowRect(HWND hWnd);     // screen coordinates; empty for no window
RECT ClientRect(HWND hWnd);     // (0, 0, width, height); empty for no window
POINT ClientOrigin(HWND hWnd);  // the client area's (0, 0) on the screen
// The whole client area needs painting; erase: WM_ERASEBKGND first.
void Invalidate(HWND hWnd, BOOL erase);
// The child with this control id, or null.
HWND ChildWithId(HWND hParent, int id);

// ------------------------------------------------------------- drawing
// A window's client pixels are memory the backend shows in the window (a
// mirror, the simulated screen, an image). Opens a context on them for dc
// (CDC::Attach): the whole client area, or for a paint (paint not null) the
// invalid part, which becomes valid, erased first through WM_ERASEBKGND
// with this context when the window asked, and described in *paint. Nothing
// shows of a hidden or missing window: empty pixels, and an impl all the same.
void OpenDc(CDC& dc, HWND hWnd, PAINTSTRUCT* paint);
// Shows in the window what the context changed (client rectangles) and ends
// it. Takes a null impl.
void CloseDc(CDC::Impl* impl, const DirtyRegion& changed);
// Draws the icon at (x, y) in the window and in its pixel memory; what
// changed before reaches the window first.
BOOL DrawIcon(CDC::Impl* impl, int x, int y, HICON icon, DirtyRegion& changed);

// ------------------------------------------------------------- classes
// Registers a class whose windows run the framework's window procedure.
// TRUE when registered now or before under the same name.
BOOL RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon);
// The platform's standard arrow, for the framework's default class.
HCURSOR ArrowCursor();

// ------------------------------------------------------------- messages
// Into the thread's queue in the platform's order: posted (FIFO), input,
// the quit message, WM_PAINT, WM_TIMER. FALSE for a window that is gone.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Delivered at once, nested in whatever is being handled.
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Sets the thread's quit flag: the quit message comes after every message
// already posted.
void PostQuitMessage(int nExitCode);
// Dispatches until the quit message; returns its exit code.
int RunMessageLoop();
// The platform's own handling of a message for the window, when a handler
// leaves it (CWnd::Default).
LRESULT DefaultProcessing(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

// ------------------------------------------------------------- timers and clock
// WM_TIMER to the window every elapse ms; below the platform's minimum (0
// included) at the minimum. The same id replaces the timer. Returns the id.
UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse);
BOOL KillTimer(HWND hWnd, UINT_PTR id);
DWORD TickCount();        // milliseconds, wrapping at 32 bits
std::int64_t WallTime();  // seconds since 1970, like time(0)

// ------------------------------------------------------------- screen and input
// Every monitor in the platform's order, in the coordinates windows are
// placed in; exactly one is the primary, or none when the system lists none.
std::vector<MonitorArea> Monitors();
RECT WorkArea();              // the primary monitor less task bars
int SystemMetric(int index);  // SM_* as the platform gives them
// Shows the cursor (null: hides it); returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);

// ------------------------------------------------------------- resources
// Handles for the program's own resources by id; null when there is none.
HICON LoadIconResource(UINT id);
HCURSOR LoadCursorResource(UINT id);
// The program file's name, folder and all ("C:\dir\Tidewell.scr").
std::string ProgramPath();

// ------------------------------------------------------------- dialogs and controls
// Runs the dialog of template templateId modally, owned by owner (a
// top-level window or null): WM_INITDIALOG to the object, then the thread's
// messages until EndModalDialog. Returns the end's result, −1 when the
// template is missing.
INT_PTR RunModalDialog(CDialog& dialog, UINT templateId, HWND owner);
void EndModalDialog(HWND hDialog, int result);
// The system's colour chooser, owned by owner, starting at initial (CC_*
// flags). IDOK with *chosen set, or IDCANCEL.
INT_PTR ChooseColour(HWND owner, COLORREF initial, DWORD flags, COLORREF* chosen);
void SetButtonCheck(HWND hButton, UINT check);  // BST_*
UINT ButtonCheck(HWND hButton);
// A scroll-bar control keeps its position within its range.
void SetScrollRange(HWND hBar, int minPos, int maxPos, BOOL redraw);
void GetScrollRange(HWND hBar, int* minPos, int* maxPos);
int SetScrollPos(HWND hBar, int pos, BOOL redraw);  // returns the previous
int ScrollPos(HWND hBar);

// ------------------------------------------------------------- profile
// 32-bit integers under the current user, at a key path like
// "Software\Orvalle\Tidewell\Config". A value that is missing or not a
// 4-byte integer reads as nothing.
std::optional<std::int32_t> ReadProfileInt(const std::string& keyPath, const std::string& entry);
// Makes the keys as needed; FALSE when the store refused.
BOOL WriteProfileInt(const std::string& keyPath, const std::string& entry, std::int32_t value);

}  // namespace backend

// What the portable part gives a backend.
namespace detail {

// How a backend hands a message to a bound window's handlers; keeps the
// message current so Default() can process it.
LRESULT DeliverMessage(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam);

// What WM_CREATE carries for a window made from creation, with its size.
CREATESTRUCT CreateStructFor(const backend::WindowCreation& creation);

// The object for a scroll bar's handle, its bound CScrollBar or a
// temporary one that lives until the process ends; null for a null handle or
// a window bound to another kind of object.
CScrollBar* ScrollBarFromHandle(HWND hWnd);

// The class of windows created without a class name: arrow cursor, no
// background brush. Registered at first use.
const char* DefaultWindowClass();

}  // namespace detail
}  // namespace fw
