#pragma once
// For a program that carries more than one backend and picks one at start
// (the Linux program: X11 or Wayland): every primitive of fw/Backend.h as
// one table of functions, filled once per backend. The framework's calls
// reach the chosen table through fw::backend (fw/linux/BackendTable.cpp),
// so nothing outside the backends knows which one runs. A program with one
// backend (headless, Win32) defines fw::backend itself and needs none of it.
#include "fw/Backend.h"

// X(result, name, parameters, arguments) for each primitive, in the order of
// fw/Backend.h; the definitions that forward to the table must match those
// declarations, so the compiler holds the two lists together.
#define TIDEWELL_DISPLAY_PRIMITIVES(X)                                                                                 \
    X(HWND, MakeWindow, (CWnd & object, const backend::WindowCreation& creation), (object, creation))                  \
    X(BOOL, DestroyWindow, (HWND hWnd), (hWnd))                                                                        \
    X(BOOL, IsWindow, (HWND hWnd), (hWnd))                                                                             \
    X(BOOL, ShowWindow, (HWND hWnd, int nCmdShow), (hWnd, nCmdShow))                                                   \
    X(BOOL, IsVisible, (HWND hWnd), (hWnd))                                                                            \
    X(BOOL, IsIconic, (HWND hWnd), (hWnd))                                                                             \
    X(BOOL, IsChild, (HWND hWnd), (hWnd))                                                                              \
    X(HWND, ParentOrOwner, (HWND hWnd), (hWnd))                                                                        \
    X(void, MoveWindow, (HWND hWnd, const RECT& rect), (hWnd, rect))                                                   \
    X(RECT, WindowRect, (HWND hWnd), (hWnd))                                                                           \
    X(RECT, ClientRect, (HWND hWnd), (hWnd))                                                                           \
    X(POINT, ClientOrigin, (HWND hWnd), (hWnd))                                                                        \
    X(void, Invalidate, (HWND hWnd, BOOL erase), (hWnd, erase))                                                        \
    X(HWND, ChildWithId, (HWND hParent, int id), (hParent, id))                                                        \
    X(void, OpenDc, (CDC & dc, HWND hWnd, PAINTSTRUCT * paint), (dc, hWnd, paint))                                     \
    X(void, CloseDc, (CDC::Impl * impl, const DirtyRegion& changed), (impl, changed))                                  \
    X(BOOL, DrawIcon, (CDC::Impl * impl, int x, int y, HICON icon, DirtyRegion& changed), (impl, x, y, icon, changed)) \
    X(BOOL, RegisterWindowClass, (const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon),        \
      (name, style, cursor, background, icon))                                                                         \
    X(HCURSOR, ArrowCursor, (), ())                                                                                    \
    X(BOOL, PostMessage, (HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam), (hWnd, message, wParam, lParam))     \
    X(int, RunMessageLoop, (), ())                                                                                     \
    X(UINT_PTR, SetTimer, (HWND hWnd, UINT_PTR id, UINT elapse), (hWnd, id, elapse))                                   \
    X(BOOL, KillTimer, (HWND hWnd, UINT_PTR id), (hWnd, id))                                                           \
    X(DWORD, TickCount, (), ())                                                                                        \
    X(std::int64_t, WallTime, (), ())                                                                                  \
    X(std::vector<MonitorArea>, Monitors, (), ())                                                                      \
    X(HCURSOR, SetCursor, (HCURSOR cursor), (cursor))                                                                  \
    X(HICON, LoadIconResource, (UINT id), (id))                                                                        \
    X(HCURSOR, LoadCursorResource, (UINT id), (id))                                                                    \
    X(std::string, ProgramPath, (), ())

// What the shared primitives ask of the display backend beyond fw/Backend.h:
// ValidateWindow validates the whole window, as an empty paint would;
// ShowClassCursor shows its class's cursor over it, FALSE when there is none.
#define TIDEWELL_DISPLAY_HELPERS(X)              \
    X(void, ValidateWindow, (HWND hWnd), (hWnd)) \
    X(BOOL, ShowClassCursor, (HWND hWnd), (hWnd))

// The Linux program's backends share these (fw/linux): one queue and one
// way to deliver, the metrics from the monitors, neither dialogs nor a
// registry.
#define TIDEWELL_SHARED_PRIMITIVES(X)                                                                                 \
    X(LRESULT, SendMessage, (HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam), (hWnd, message, wParam, lParam)) \
    X(LRESULT, DefaultProcessing, (CWnd & wnd, UINT message, WPARAM wParam, LPARAM lParam),                           \
      (wnd, message, wParam, lParam))                                                                                 \
    X(void, PostQuitMessage, (int nExitCode), (nExitCode))                                                            \
    X(RECT, WorkArea, (), ())                                                                                         \
    X(int, SystemMetric, (int index), (index))                                                                        \
    X(INT_PTR, RunModalDialog, (CDialog & dialog, UINT templateId, HWND owner), (dialog, templateId, owner))          \
    X(void, EndModalDialog, (HWND hDialog, int result), (hDialog, result))                                            \
    X(INT_PTR, ChooseColour, (HWND owner, COLORREF initial, DWORD flags, COLORREF * chosen),                          \
      (owner, initial, flags, chosen))                                                                                \
    X(void, SetButtonCheck, (HWND hButton, UINT check), (hButton, check))                                             \
    X(UINT, ButtonCheck, (HWND hButton), (hButton))                                                                   \
    X(void, SetScrollRange, (HWND hBar, int minPos, int maxPos, BOOL redraw), (hBar, minPos, maxPos, redraw))         \
    X(void, GetScrollRange, (HWND hBar, int* minPos, int* maxPos), (hBar, minPos, maxPos))                            \
    X(int, SetScrollPos, (HWND hBar, int pos, BOOL redraw), (hBar, pos, redraw))                                      \
    X(int, ScrollPos, (HWND hBar), (hBar))                                                                            \
    X(std::optional<std::int32_t>, ReadProfileInt, (const std::string& keyPath, const std::string& entry),            \
      (keyPath, entry))                                                                                               \
    X(BOOL, WriteProfileInt, (const std::string& keyPath, const std::string& entry, std::int32_t value),              \
      (keyPath, entry, value))

#define TIDEWELL_BACKEND_PRIMITIVES(X) \
    TIDEWELL_DISPLAY_PRIMITIVES(X) TIDEWELL_DISPLAY_HELPERS(X) TIDEWELL_SHARED_PRIMITIVES(X)

namespace fw {

struct BackendTable {
#define TIDEWELL_BACKEND_FIELD(result, name, parameters, arguments) result(*name) parameters = nullptr;
    TIDEWELL_BACKEND_PRIMITIVES(TIDEWELL_BACKEND_FIELD)
#undef TIDEWELL_BACKEND_FIELD
};

#define TIDEWELL_DECLARE_BACKEND_PRIMITIVE(result, name, parameters, arguments) result name parameters;
namespace shared {
TIDEWELL_SHARED_PRIMITIVES(TIDEWELL_DECLARE_BACKEND_PRIMITIVE)
}  // namespace shared
// The chosen backend's helpers, for the shared primitives.
namespace backend {
TIDEWELL_DISPLAY_HELPERS(TIDEWELL_DECLARE_BACKEND_PRIMITIVE)
}  // namespace backend

// Inside a backend's own namespace: declares its primitives there, the
// shared ones included.
#define TIDEWELL_USE_SHARED_PRIMITIVE(result, name, parameters, arguments) using ::fw::shared::name;
#define TIDEWELL_DECLARE_BACKEND_PRIMITIVES                         \
    using ::fw::backend::WindowCreation;                            \
    TIDEWELL_DISPLAY_PRIMITIVES(TIDEWELL_DECLARE_BACKEND_PRIMITIVE) \
    TIDEWELL_DISPLAY_HELPERS(TIDEWELL_DECLARE_BACKEND_PRIMITIVE)    \
    TIDEWELL_SHARED_PRIMITIVES(TIDEWELL_USE_SHARED_PRIMITIVE)

// Inside a backend's own namespace: a table of its primitives.
#define TIDEWELL_BACKEND_TABLE_ENTRY(result, name, parameters, arguments) table.name = &name;
#define TIDEWELL_BACKEND_TABLE()                                  \
    [] {                                                          \
        ::fw::BackendTable table;                                 \
        TIDEWELL_BACKEND_PRIMITIVES(TIDEWELL_BACKEND_TABLE_ENTRY) \
        return table;                                             \
    }()

// From now on every primitive goes to this table's backend.
void UseBackend(const BackendTable& table);

}  // namespace fw
