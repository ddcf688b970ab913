#pragma once
// What tests drive the headless platform with, beyond what a program sets up
// (fw/headless/Headless.h): virtual time, scripted input, scripted modal
// dialogs and colour-dialog answers, profile faults and logs, and a look at
// the window tree. A scripted user sits outside the platform
// (fw/headless/Outside.h) from the first call; Reset clears its scripts and
// logs.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fw/headless/Headless.h"
#include "fw/headless/World.h"

namespace fw {
class CWnd;
}

namespace fw::headless {

// ---------------------------------------------------------------- screen
// Sets what the screen shows now; writes outside are dropped.
void SetScreenPixel(int x, int y, COLORREF colour);

// ---------------------------------------------------------------- queue
// Moves the virtual clock forward by ms, stopping at every timer due time and
// scheduled action on the way in order, pumping at each stop. Stops early
// when the quit message is pending. Returns the messages dispatched.
std::size_t RunFor(std::uint32_t milliseconds);
std::size_t RunForMicroseconds(std::uint64_t microseconds);

bool QuitPending();
int QuitExitCode();
// Drops a pending quit message.
void ClearQuit();

// Runs the action once virtual time is ms after now, in the queue's place for
// input. Input scripts for Run are built from these.
void ScheduleAfter(std::uint32_t milliseconds, std::function<void()> action);

// Sees every message handed to a window, sent or posted, before the window
// does (null: nobody watches).
using DeliveryObserver = std::function<void(HWND, UINT message, WPARAM, LPARAM)>;
void SetDeliveryObserver(DeliveryObserver observer);
std::size_t PostedMessagesWaiting();

// ---------------------------------------------------------------- input
// Input is queued like the platform's: handled after posted messages.
// Keys go to the active window (dropped without one). Alt (VK_MENU) gives
// WM_SYSKEYDOWN / WM_SYSKEYUP, every other key WM_KEYDOWN / WM_KEYUP.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_MENU = 0x12;
void KeyDown(UINT virtualKey);
void KeyUp(UINT virtualKey);

// Mouse input goes to the visible window under the cursor, in its client
// coordinates; WM_SETCURSOR is sent to it first, as the platform does. A
// window that appears under a resting cursor gets a WM_MOUSEMOVE too.
enum class MouseButton { Left, Middle, Right };
void MouseMove(int screenX, int screenY);
void MouseButtonDown(MouseButton button);
void MouseButtonUp(MouseButton button);
// Wheel turned by delta (120 a notch) without moving the mouse.
void MouseWheel(int delta);
// Moves the cursor without any message.
void SetCursorPos(int screenX, int screenY);

// Activation, sent at once as the platform does: the window losing it gets
// WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE, the other); the one
// gaining it WM_ACTIVATEAPP(TRUE) when the application was inactive, then
// WM_NCACTIVATE(TRUE) and WM_ACTIVATE(WA_ACTIVE, the other). A visible
// top-level window is activated when it is created or shown.
void ActivateWindow(HWND hWnd);
// Another application becomes active: WM_NCACTIVATE(FALSE), WM_ACTIVATE
// (WA_INACTIVE, null), then WM_ACTIVATEAPP(FALSE) to every top-level window.
void ActivateOtherApplication();

// Sends WM_SYSCOMMAND, as a system-menu choice does.
LRESULT SendSysCommand(HWND hWnd, UINT nID, LPARAM lParam = 0);

// ---------------------------------------------------------------- windows
// Moves any window (and its children) to a new screen rectangle, as the user
// or another program would.
void MoveTo(HWND hWnd, const RECT& screenRect);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

struct WindowInfo {
    HWND hWnd = nullptr;
    HWND hWndParent = nullptr;  // the parent of a child, the owner otherwise
    std::string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect;               // screen coordinates
    bool visible = false;    // WS_VISIBLE of the window itself
    CWnd* object = nullptr;  // the attached object, if any
};
bool IsLiveWindow(HWND hWnd);
std::optional<WindowInfo> GetWindowInfo(HWND hWnd);
// Live windows in creation order.
std::vector<HWND> LiveWindows();

std::optional<ClassInfo> GetClassInfo(const std::string& className);

// Icons set by WM_SETICON's default processing (ICON_BIG or ICON_SMALL).
HICON WindowIcon(HWND hWnd, WPARAM which);

// ---------------------------------------------------------------- resources
// LoadIcon / LoadCursor give a distinct non-null handle for every id.
// What SetCursor last set (null: hidden).
HCURSOR CurrentCursor();

// ---------------------------------------------------------------- dialogs
// One script for every modal dialog of the thread, nested ones included: a
// modal loop dispatches the thread's messages and, when its queue is idle,
// runs the next step against the innermost open dialog. When the script runs
// out while a dialog is open, that dialog is ended with IDCANCEL and the end
// is recorded (DialogRecord::endedByExhaustedScript).
// Clicks a button: WM_COMMAND (id, BN_CLICKED) from the control; an auto
// check box toggles first.
void ScriptPressButton(int controlId);
// The dialog manager's Enter: WM_COMMAND (IDOK, BN_CLICKED).
void ScriptEnter();
// The dialog manager's Escape: WM_COMMAND (IDCANCEL, BN_CLICKED).
void ScriptEscape();
// A scroll-bar notification: WM_HSCROLL (code, position) from the bar.
void ScriptScroll(int scrollBarId, UINT code, int position = 0);
// Toggles an auto check box (a click on it).
void ScriptToggleCheck(int checkBoxId);
void ScriptSysCommand(UINT nID, LPARAM lParam = 0);
// Lets virtual time pass inside the modal loop (timers fire).
void ScriptWait(std::uint32_t milliseconds);
// Any action; gets the dialog window.
void ScriptCall(std::function<void(HWND hDialog)> action);

struct DialogRecord {
    UINT templateId = 0;
    INT_PTR result = 0;
    bool endedByExhaustedScript = false;
};
// Modal dialogs ended, in the order they ended.
const std::vector<DialogRecord>& DialogHistory();

// Colour-dialog answers, taken one per CColorDialog::DoModal in order. While
// "open" the dialog dispatches pending messages and lets openMs of virtual
// time pass. No answer left: IDCANCEL at once.
void AnswerColorDialog(INT_PTR result, COLORREF colour = 0, std::uint32_t openMs = 0);
struct ColorDialogRecord {
    COLORREF initialColour;
};
const std::vector<ColorDialogRecord>& ColorDialogsOpened();

// ---------------------------------------------------------------- profile
// Keys are full paths below the user's root, e.g.
// "Software\Orvalle\Tidewell\Config" (CWinApp::ProfileKeyPath() + "\" +
// section); compared without regard to case, as the registry does.
void SetProfileValue(const std::string& key, const std::string& entry, const ProfileValue& value);
void SetProfileDword(const std::string& key, const std::string& entry, DWORD value);
bool ProfileKeyExists(const std::string& key);
// Removes the key with every value and key below it.
void DeleteProfileKey(const std::string& key);

// Writes of this entry (in any key) fail and change nothing.
void FailProfileWrites(const std::string& entry);
void StopFailingProfileWrites();

struct ProfileWrite {
    std::string key;
    std::string entry;
    std::int32_t value;
    bool succeeded;
};
// Every WriteProfileInt, in order, failed ones included.
const std::vector<ProfileWrite>& ProfileWriteLog();

}  // namespace fw::headless
