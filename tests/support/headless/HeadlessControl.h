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
#include <string>
#include <vector>

#include "fw/headless/Headless.h"
#include "fw/headless/WindowTree.h"
#include "fw/headless/World.h"

namespace fw::headless {

// ---------------------------------------------------------------- queue
// Moves the virtual clock forward by ms, stopping at every timer due time and
// scheduled action on the way in order, pumping at each stop. Stops early
// when the quit message is pending. Returns the messages dispatched.
std::size_t RunFor(std::uint32_t milliseconds);

bool QuitPending();
// Drops a pending quit message.
void ClearQuit();

// Runs the action once virtual time is ms after now, in the queue's place for
// input. Input scripts for Run are built from these.
void ScheduleAfter(std::uint32_t milliseconds, std::function<void()> action);

// ---------------------------------------------------------------- input
// Input is queued like the platform's: handled after posted messages.
// Keys go to the active window (dropped without one). Alt (VK_MENU) gives
// WM_SYSKEYDOWN / WM_SYSKEYUP, every other key WM_KEYDOWN / WM_KEYUP.
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

// ---------------------------------------------------------------- windows
// A window's record (FindWindow) and activation come from WindowTree.h.
// Live windows in creation order.
std::vector<HWND> LiveWindows();

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
// The colour each opened with.
const std::vector<COLORREF>& ColorDialogsOpened();

// ---------------------------------------------------------------- profile
// Keys are full paths below the user's root, e.g.
// "Software\Orvalle\Tidewell\Config" (CWinApp::ProfileKeyPath() + "\" +
// section); compared without regard to case, as the registry does.
// Removes the key with every value and key below it.
void DeleteProfileKey(const std::string& key);

struct ProfileWrite {
    std::string key;
    std::string entry;
    std::int32_t value;
    bool succeeded;
};
// Every WriteProfileInt, in order, failed ones included.
const std::vector<ProfileWrite>& ProfileWriteLog();

}  // namespace fw::headless
