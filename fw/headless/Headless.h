#pragma once
// The headless platform: no display, everything on the calling thread. What
// a program (tidewell-sim) sets up and reads back; tests reach more through
// tests/support/headless.
//
// The model follows the platform:
// - Window pixels live in the simulated screen, so a window that has not
//   painted shows what is under it. There is no non-client area: a window's
//   client rectangle is its whole window rectangle.
// - One queue per thread. Sent messages run at once (nested). GetMessage's
//   order: posted messages (FIFO), then input, then the quit message
//   (PostQuitMessage sets a flag, as the platform does, so every posted
//   message is handled before it), then WM_PAINT for an invalid visible
//   window (parents before children), then WM_TIMER for the timer due first.
// - Timers run on a virtual clock with microsecond resolution. A period below
//   10 ms (0 included) is the platform's default tick of 15.625 ms (64 Hz);
//   other periods are taken as given. A timer that missed several periods
//   fires once and is due again at its next period boundary after now.
// - Creation sends WM_CREATE (−1 destroys the window again: WM_DESTROY,
//   WM_NCDESTROY), then WM_SIZE, then shows a WS_VISIBLE window (no WM_MOVE:
//   the program has no use for it).
// - Default processing: WM_CLOSE destroys the window (a dialog's posts
//   IDCANCEL instead); WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE; WM_SETCURSOR
//   sets the class cursor for the client area and returns TRUE (FALSE when
//   the class has none); WM_NCACTIVATE returns TRUE; WM_PAINT validates;
//   WM_ERASEBKGND fills a dialog with its face colour (no class of the
//   program has a brush); WM_SETICON keeps the icon. The rest does
//   nothing.
//   DestroyWindow: owned windows first, activation moves on, WM_DESTROY to
//   the window and then its children, WM_NCDESTROY to the children and then
//   the window; its timers go with it.
// - Nobody is at it (see Outside.h): no input, and a modal dialog or colour
//   chooser with nothing left to do is cancelled.
// - Not modelled, as the program does not depend on it: a non-client area,
//   focus and keyboard navigation, text and controls' drawing. Monitors are
//   areas of the one screen (SetMonitors).
// - Dialog templates are laid out with fixed dialog base units of 6 x 13
//   pixels (8-point text): x pixels = x * 6 / 4, y pixels = y * 13 / 8,
//   rounded to nearest, as the platform's MapDialogRect does.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fw/Platform.h"
#include "fw/Types.h"

namespace fw::headless {

// A fresh state: no windows, timers, queued messages or quit flag; a
// 1024 x 768 black screen; tick count 0 and wall time 0; an empty profile.
// Dialog templates and window classes stay, as the program keeps their names
// for the process.
void Reset();

constexpr int kDefaultScreenWidth = 1024;
constexpr int kDefaultScreenHeight = 768;
// Resizes the screen; desktop picture and screen become black.
void SetScreenSize(int width, int height);
int ScreenWidth();
int ScreenHeight();
// The desktop picture, row after row, width x height pixels. Setting it
// repaints the whole screen with it (set it before making windows).
void SetDesktopPicture(const std::vector<COLORREF>& pixels);
const std::vector<COLORREF>& DesktopPicture();
// The desktop's monitors. Empty, the default: one primary monitor covering
// the whole screen. Otherwise exactly these, in this order; SM_CXSCREEN and
// SM_CYSCREEN then give the primary's size. Pixels exist only inside the
// screen, so a monitor beyond it takes windows but shows nothing.
void SetMonitors(const std::vector<MonitorArea>& monitors);
// What the window's client area shows, row after row (client width x height),
// read straight from the screen (no clipping by other windows).
std::vector<COLORREF> ClientPixels(HWND hWnd);

// GetTickCount = start value + elapsed virtual milliseconds, wrapping at 32
// bits. Sets what GetTickCount reads now.
void SetTickCount(DWORD milliseconds);
// GetCurrentTime = this value + whole elapsed virtual seconds since the call.
void SetWallTime(std::int64_t secondsSince1970);

// Dispatches everything pending without moving time: posted messages,
// input, paints and timers already due, again and again until idle. Does not
// take the quit message (it stays pending). Returns the number of messages
// dispatched. Bounded: stops after kPumpLimit messages.
constexpr std::size_t kPumpLimit = 1000000;
std::size_t PumpMessages();

// A window not bound to an object: what another program (a host for a
// preview) owns. It gets default processing only.
HWND CreatePlainWindow(DWORD dwStyle, int x, int y, int width, int height, HWND hWndParent = nullptr);
BOOL DestroyWindow(HWND hWnd);
// Marks part of the client area invalid, as InvalidateRect does.
void InvalidateRect(HWND hWnd, const RECT& rect, BOOL bErase = TRUE);

}  // namespace fw::headless
