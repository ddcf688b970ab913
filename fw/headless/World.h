#pragma once
// The whole state of the headless platform for the one thread, cleared in
// place by Reset. Window classes are kept apart: they last for the process,
// as the program keeps their names.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fw/Messages.h"
#include "fw/headless/Headless.h"
#include "fw/headless/MemoryProfile.h"
#include "fw/headless/HeadlessScreen.h"
#include "fw/headless/VirtualClock.h"

namespace fw::headless {

struct WindowRecord {
    HWND hWnd = nullptr;
    HWND hWndParent = nullptr;  // parent of a child window, owner of any other
    bool child = false;
    std::string className;  // as registered
    std::string text;
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

enum class InputKind { KeyDown, KeyUp, MouseMove, ButtonDown, ButtonUp, Wheel };
struct InputEvent {
    InputKind kind;
    UINT key = 0;
    MouseButton button = MouseButton::Left;
    int wheelDelta = 0;
};

struct ScheduledAction {
    std::uint64_t at;
    std::uint64_t order;
    std::function<void()> action;
};

struct ModalState {
    HWND hWnd;
    UINT templateId;
    bool ended = false;
    INT_PTR result = 0;
    bool exhausted = false;
};

struct ColorAnswer {
    INT_PTR result;
    COLORREF colour;
    std::uint32_t openMs;
};

struct World {
    HeadlessScreen screen{kDefaultScreenWidth, kDefaultScreenHeight};
    std::vector<MonitorArea> monitors;  // empty: one, the whole screen
    VirtualClock clock;

    std::map<HWND, std::unique_ptr<WindowRecord>> windows;  // live; handles grow, so creation order
    std::size_t windowsCreated = 0;
    std::uint64_t nextZ = 1;
    HWND active = nullptr;
    bool appActive = false;

    std::deque<QueuedMessage> posted;
    std::deque<InputEvent> input;
    bool quit = false;
    int quitCode = 0;
    std::vector<Timer> timers;
    std::uint64_t nextTimerOrder = 0;
    std::vector<ScheduledAction> scheduled;
    std::uint64_t nextActionOrder = 0;
    std::uint32_t runLimitMs = kDefaultRunTimeLimitMilliseconds;

    DeliveryObserver deliveryObserver;

    POINT cursorPos;
    HCURSOR cursor = nullptr;
    std::vector<DrawnIcon> drawnIcons;

    MemoryProfile profile;

    std::deque<std::function<void(HWND)>> script;
    std::vector<ModalState> modal;  // innermost last
    std::vector<DialogRecord> dialogHistory;
    std::deque<ColorAnswer> colorAnswers;
    std::vector<ColorDialogRecord> colorHistory;

    std::set<const void*> liveDcs;
};

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
