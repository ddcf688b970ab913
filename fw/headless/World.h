#pragma once
// The whole state of the headless platform for the one thread, cleared in
// place by Reset. Window classes are kept apart: they last for the process,
// as the program keeps their names.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fw/Messages.h"
#include "fw/headless/Headless.h"
#include "fw/headless/MemoryProfile.h"
#include "fw/headless/Outside.h"
#include "fw/headless/HeadlessScreen.h"
#include "fw/headless/VirtualClock.h"

namespace fw::headless {

struct WindowRecord {
    HWND hWnd = nullptr;
    HWND hWndParent = nullptr;  // parent of a child window, owner of any other
    bool child = false;
    std::string className;  // as registered
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    RECT rect;  // screen coordinates; the client area is all of it
    bool visible = false;
    bool iconic = false;
    bool destroying = false;
    std::uint64_t z = 0;         // top-level stacking: higher is nearer the viewer
    std::vector<HWND> children;  // in creation order, which is stacking order

    RECT invalid;  // client coordinates
    bool erasePending = false;

    // Controls.
    int scrollMin = 0;
    int scrollMax = 0;
    int scrollPos = 0;
    UINT check = BST_UNCHECKED;
    bool dialog = false;

    HICON iconBig = nullptr;
    HICON iconSmall = nullptr;

    int Width() const { return rect.right - rect.left; }
    int Height() const { return rect.bottom - rect.top; }
};

struct Timer {
    HWND hWnd;
    UINT_PTR id;
    std::uint64_t period;  // microseconds
    std::uint64_t due;
    std::uint64_t order;  // set order, breaks ties
};

struct QueuedMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The window class data the platform keeps.
struct ClassInfo {
    UINT style = 0;
    HCURSOR cursor = nullptr;
    HBRUSH brush = nullptr;
    HICON icon = nullptr;
};

struct ModalState {
    HWND hWnd;
    UINT templateId;
    bool ended = false;
    INT_PTR result = 0;
    bool abandoned = false;
};

struct World {
    HeadlessScreen screen{kDefaultScreenWidth, kDefaultScreenHeight};
    std::vector<MonitorArea> monitors;  // empty: one, the whole screen
    VirtualClock clock;

    std::map<HWND, std::unique_ptr<WindowRecord>> windows;  // live; handles grow, so creation order
    std::uint64_t nextZ = 1;
    HWND active = nullptr;
    bool appActive = false;

    std::deque<QueuedMessage> posted;
    bool quit = false;
    int quitCode = 0;
    std::vector<Timer> timers;
    std::uint64_t nextTimerOrder = 0;

    HCURSOR cursor = nullptr;
    MemoryProfile profile;
    std::vector<ModalState> modal;  // innermost last
    std::set<const void*> liveDcs;
    Outside* outside = nullptr;  // never null once reached through TheWorld
};

// CWinApp::Run returns this when the virtual time limit (a minute) ran out
// before the quit message came. Not a value PostQuitMessage is given in this
// program.
constexpr int kRunTimeLimitExitCode = -0x7E57;
constexpr std::uint32_t kRunTimeLimitMilliseconds = 60000;
// The platform's default timer tick.
constexpr std::uint64_t kDefaultTimerPeriodMicroseconds = 15625;

World& TheWorld();
void ResetWorld();

// Window classes, for the life of the process.
struct WindowClass {
    std::string name;
    ClassInfo info;
    bool dialog = false;
};
// Finds a class by name, without regard to case; null when unknown.
const WindowClass* FindClass(const std::string& name);
// Registers a class under the name unless one of that name exists.
void RegisterClass(const std::string& name, const ClassInfo& info);

}  // namespace fw::headless
