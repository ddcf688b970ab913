#pragma once
// Control of the headless backend, for tests and the simulation tool: the
// simulated screen, the virtual clocks, the message queue, scripted input,
// scripted modal dialogs and colour-dialog answers, the in-memory profile,
// and a look at the window tree. Everything runs on the calling thread.
//
// The model follows the platform:
// - Window pixels live in the simulated screen, so a window that has not
//   painted shows what is under it. There is no non-client area: a window's
//   client rectangle is its whole window rectangle.
// - One queue per thread. Sent messages run at once (nested). GetMessage's
//   order: posted messages (FIFO), then input (FIFO), then the quit message
//   (PostQuitMessage sets a flag, as the platform does, so every posted
//   message is handled before it), then WM_PAINT for an invalid visible
//   window (parents before children), then WM_TIMER for the timer due first.
// - Timers run on a virtual clock with microsecond resolution. A period below
//   10 ms (0 included) is the platform's default tick of 15.625 ms (64 Hz);
//   other periods are taken as given. A timer that missed several periods
//   fires once and is due again at its next period boundary after now.
// - Creation sends WM_CREATE (−1 destroys the window again: WM_DESTROY,
//   WM_NCDESTROY), then WM_SIZE and WM_MOVE, then shows a WS_VISIBLE window.
// - Default processing: WM_CLOSE destroys the window (a dialog's posts
//   IDCANCEL instead); WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE; WM_SETCURSOR
//   sets the class cursor for the client area and returns TRUE (FALSE when
//   the class has none); WM_NCACTIVATE returns TRUE; WM_PAINT validates;
//   WM_ERASEBKGND fills with the class brush, a dialog's face colour, or
//   nothing without a brush; WM_SETICON keeps the icon. The rest does
//   nothing.
//   DestroyWindow: owned windows first, activation moves on, WM_DESTROY to
//   the window and then its children, WM_NCDESTROY to the children and then
//   the window; its timers go with it.
// - Not modelled, as the program does not depend on it: a non-client area,
//   focus and keyboard navigation, a child's parent being asked about the
//   cursor first, wheel turns going up to the parent, text and controls'
//   drawing. Monitors are areas of the one screen (SetMonitors).
// - Dialog templates are laid out with fixed dialog base units of 6 x 13
//   pixels (8-point text): x pixels = x * 6 / 4, y pixels = y * 13 / 8,
//   rounded to nearest, as the platform's MapDialogRect does.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fw/Platform.h"
#include "fw/Types.h"

namespace fw {
class CWnd;
}

namespace fw::headless {

// ---------------------------------------------------------------- reset
// A fresh state: no windows, timers, queued messages or quit flag;
// a 1024 x 768 black screen; tick count 0 and wall time 0; an empty profile
// with writes succeeding; no scripts, answers, logs or counters; cursor at
// (0, 0); default Run time limit. Dialog templates (resources) and window
// classes stay, as the program keeps their names for the process.
void Reset();

// ---------------------------------------------------------------- screen
constexpr int kDefaultScreenWidth = 1024;
constexpr int kDefaultScreenHeight = 768;

// Resizes the screen; desktop picture and screen become black.
void SetScreenSize(int width, int height);
int ScreenWidth();
int ScreenHeight();

// The desktop picture, row after row, width x height pixels. Setting it
// repaints the whole screen with it (set it before making windows).
void SetDesktopPicture(const std::vector<COLORREF>& pixels);
void FillDesktop(COLORREF colour);
const std::vector<COLORREF>& DesktopPicture();

// The desktop's monitors (EnumMonitors). Empty, the default: one primary
// monitor covering the whole screen. Otherwise exactly these, in this order;
// SM_CXSCREEN and SM_CYSCREEN then give the primary's size. Pixels exist only
// inside the screen, so a monitor beyond it (at negative coordinates, say)
// takes windows and input but shows nothing.
void SetMonitors(const std::vector<MonitorArea>& monitors);

// What the screen shows now: CLR_INVALID outside. Writes outside are dropped.
COLORREF GetScreenPixel(int x, int y);
void SetScreenPixel(int x, int y, COLORREF colour);
// What the window's client area shows, row after row (client width x height),
// read straight from the screen (no clipping by other windows).
std::vector<COLORREF> ClientPixels(HWND hWnd);

// ---------------------------------------------------------------- clocks
// The virtual time since Reset, in microseconds; only RunFor, AdvanceClock,
// scripted waits and Run move it.
std::uint64_t NowMicroseconds();
// GetTickCount = start value + elapsed virtual milliseconds, wrapping at 32
// bits. Sets what GetTickCount reads now.
void SetTickCount(DWORD milliseconds);
// GetCurrentTime = this value + whole elapsed virtual seconds since the call.
void SetWallTime(std::int64_t secondsSince1970);

// The platform's default timer tick.
constexpr std::uint64_t kDefaultTimerPeriodMicroseconds = 15625;

// ---------------------------------------------------------------- queue
// Dispatches everything pending without moving time: posted messages, input,
// paints and timers already due, again and again until idle. Does not take
// the quit message (it stays pending). Returns the number of messages
// dispatched. Bounded: stops after kPumpLimit messages.
constexpr std::size_t kPumpLimit = 1000000;
std::size_t PumpMessages();
// Moves the virtual clock forward by ms, stopping at every timer due time and
// scheduled action on the way in order, pumping at each stop. Stops early
// when the quit message is pending. Returns the messages dispatched.
std::size_t RunFor(std::uint32_t milliseconds);
std::size_t RunForMicroseconds(std::uint64_t microseconds);
// Moves the clock without dispatching anything (timers become due).
void AdvanceClock(std::uint32_t milliseconds);

bool QuitPending();
int QuitExitCode();
// Drops a pending quit message.
void ClearQuit();

// Runs the action when virtual time reaches atMicroseconds (absolute, since
// Reset), at an idle point of the queue, before timers due at the same time.
// Input scripts for Run are built from these.
void ScheduleAt(std::uint64_t atMicroseconds, std::function<void()> action);
// Same, ms after now.
void ScheduleAfter(std::uint32_t milliseconds, std::function<void()> action);

// CWinApp::Run returns this when the virtual time limit ran out before the
// quit message came. Not a value PostQuitMessage is given in this program.
constexpr int kRunTimeLimitExitCode = -0x7E57;
// Virtual milliseconds that one CWinApp::Run may last (default 60000).
void SetRunTimeLimit(std::uint32_t milliseconds);
constexpr std::uint32_t kDefaultRunTimeLimitMilliseconds = 60000;

// Sees every message handed to a window, sent or posted, before the window
// does; the one way to watch deliveries (null: nobody watches).
using DeliveryObserver = std::function<void(HWND, UINT message, WPARAM, LPARAM)>;
void SetDeliveryObserver(DeliveryObserver observer);
std::size_t PostedMessagesWaiting();

// ---------------------------------------------------------------- input
// Input is queued like the platform's: handled after posted messages.
// Keys go to the active window (dropped without one). Alt (VK_MENU) and F10
// give WM_SYSKEYDOWN / WM_SYSKEYUP, every other key WM_KEYDOWN / WM_KEYUP.
constexpr UINT VK_RETURN = 0x0D;
constexpr UINT VK_ESCAPE = 0x1B;
constexpr UINT VK_SPACE = 0x20;
constexpr UINT VK_MENU = 0x12;
constexpr UINT VK_F10 = 0x79;
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
POINT CursorPos();
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
HWND ActiveWindow();

// Sends WM_SYSCOMMAND, as a system-menu choice does.
LRESULT SendSysCommand(HWND hWnd, UINT nID, LPARAM lParam = 0);

// ---------------------------------------------------------------- windows
// Windows not bound to an object: what another program (a host for a
// preview) owns. They get default processing only.
HWND CreatePlainWindow(DWORD dwStyle, int x, int y, int width, int height, HWND hWndParent = nullptr);
BOOL DestroyWindow(HWND hWnd);
// Moves any window (and its children) to a new screen rectangle, as the user
// or another program would.
void MoveTo(HWND hWnd, const RECT& screenRect);
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

struct WindowInfo {
    HWND hWnd = nullptr;
    HWND hWndParent = nullptr;  // the parent of a child, the owner otherwise
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect;             // screen coordinates
    bool visible = false;  // WS_VISIBLE of the window itself
    bool iconic = false;
    int id = 0;
    CWnd* object = nullptr;  // the attached object, if any
};
bool IsLiveWindow(HWND hWnd);
std::optional<WindowInfo> GetWindowInfo(HWND hWnd);
// Live windows in creation order.
std::vector<HWND> LiveWindows();
// Windows created since Reset, live or not.
std::size_t WindowsCreated();

// The invalid part of the window in client coordinates (empty when valid).
RECT InvalidRect(HWND hWnd);
bool IsInvalid(HWND hWnd);
// Marks part of the client area invalid, as InvalidateRect does.
void InvalidateRect(HWND hWnd, const RECT& rect, BOOL bErase = TRUE);

// Window classes registered with AfxRegisterWndClass, by name.
struct ClassInfo {
    UINT style = 0;
    HCURSOR cursor = nullptr;
    HBRUSH brush = nullptr;
    HICON icon = nullptr;
};
std::optional<ClassInfo> GetClassInfo(const std::string& className);

// A brush handle for a solid colour, for a class background; the headless
// erase fills with it.
HBRUSH SolidBrushHandle(COLORREF colour);

// Icons set by WM_SETICON's default processing (ICON_BIG or ICON_SMALL).
HICON WindowIcon(HWND hWnd, WPARAM which);

// ---------------------------------------------------------------- resources
// LoadIcon / LoadCursor give a distinct non-null handle for every id.
// What SetCursor last set (null: hidden).
HCURSOR CurrentCursor();

struct DrawnIcon {
    HWND hWnd;
    int x;
    int y;
    HICON icon;
};
const std::vector<DrawnIcon>& DrawnIcons();

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
std::size_t ScriptStepsLeft();

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
    INT_PTR result;
};
const std::vector<ColorDialogRecord>& ColorDialogsOpened();

// ---------------------------------------------------------------- profile
// Registry-like value types with the platform's numbers.
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_QWORD = 11;

struct ProfileValue {
    DWORD type = REG_DWORD;
    std::vector<std::uint8_t> bytes;
};
// Keys are full paths below the user's root, e.g.
// "Software\Orvalle\Tidewell\Config" (CWinApp::ProfileKeyPath() + "\" +
// section); compared without regard to case, as the registry does.
void SetProfileValue(const std::string& key, const std::string& entry, const ProfileValue& value);
void SetProfileDword(const std::string& key, const std::string& entry, DWORD value);
std::optional<ProfileValue> GetProfileValue(const std::string& key, const std::string& entry);
// The value when it is a 4-byte REG_DWORD.
std::optional<std::int32_t> GetProfileDword(const std::string& key, const std::string& entry);
bool ProfileKeyExists(const std::string& key);
// Removes the key with every value and key below it.
void DeleteProfileKey(const std::string& key);
std::size_t ProfileValueCount();

// Writes of this entry (in any key) fail and change nothing; empty: all.
void FailProfileWrites(const std::string& entry = std::string());
void StopFailingProfileWrites();

struct ProfileWrite {
    std::string key;
    std::string entry;
    std::int32_t value;
    bool succeeded;
};
// Every WriteProfileInt, in order, failed ones included.
const std::vector<ProfileWrite>& ProfileWriteLog();
// Every GetProfileInt, in order: the entry names.
const std::vector<std::string>& ProfileReadLog();
void ClearProfileReadLog();

}  // namespace fw::headless
