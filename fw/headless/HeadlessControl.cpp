// The control API of Headless.h: reset, screen, clocks, queue, windows,
// resources and profile.
#include "fw/Wnd.h"
#include "fw/headless/Headless.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/Drawing.h"
#include "fw/headless/WindowTree.h"

namespace fw::headless {

void Reset() { ResetWorld(); }

void SetScreenSize(int width, int height) { TheWorld().screen = HeadlessScreen(width, height); }
int ScreenWidth() { return TheWorld().screen.Width(); }
int ScreenHeight() { return TheWorld().screen.Height(); }

void SetDesktopPicture(const std::vector<COLORREF>& pixels) { TheWorld().screen.SetDesktop(pixels); }
void FillDesktop(COLORREF colour) {
    HeadlessScreen& screen = TheWorld().screen;
    screen.SetDesktop(std::vector<COLORREF>(screen.Desktop().size(), colour));
}
const std::vector<COLORREF>& DesktopPicture() { return TheWorld().screen.Desktop(); }
COLORREF GetScreenPixel(int x, int y) { return TheWorld().screen.Get(x, y); }
void SetScreenPixel(int x, int y, COLORREF colour) { TheWorld().screen.Set(x, y, colour); }

std::vector<COLORREF> ClientPixels(HWND hWnd) {
    std::vector<COLORREF> pixels;
    const WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return pixels;
    }
    const HeadlessScreen& screen = TheWorld().screen;
    pixels.reserve(static_cast<std::size_t>(record->Width()) * static_cast<std::size_t>(record->Height()));
    for (int y = record->rect.top; y < record->rect.bottom; ++y) {
        for (int x = record->rect.left; x < record->rect.right; ++x) {
            pixels.push_back(screen.Get(x, y));
        }
    }
    return pixels;
}

std::uint64_t NowMicroseconds() { return TheWorld().clock.Now(); }
void SetTickCount(DWORD milliseconds) { TheWorld().clock.SetTickCount(milliseconds); }
void SetWallTime(std::int64_t secondsSince1970) { TheWorld().clock.SetWallTime(secondsSince1970); }

std::size_t PumpMessages() {
    std::size_t dispatched = 0;
    while (dispatched < kPumpLimit && DispatchOne()) {
        ++dispatched;
    }
    return dispatched;
}

std::size_t RunForMicroseconds(std::uint64_t microseconds) {
    return RunUntil(TheWorld().clock.Now() + microseconds, [] { return false; });
}
std::size_t RunFor(std::uint32_t milliseconds) {
    return RunForMicroseconds(static_cast<std::uint64_t>(milliseconds) * 1000u);
}
void AdvanceClock(std::uint32_t milliseconds) {
    VirtualClock& clock = TheWorld().clock;
    clock.AdvanceTo(clock.Now() + static_cast<std::uint64_t>(milliseconds) * 1000u);
}

bool QuitPending() { return TheWorld().quit; }
int QuitExitCode() { return TheWorld().quitCode; }
void ClearQuit() { TheWorld().quit = false; }

void ScheduleAt(std::uint64_t atMicroseconds, std::function<void()> action) {
    World& world = TheWorld();
    world.scheduled.push_back(ScheduledAction{atMicroseconds, world.nextActionOrder++, std::move(action)});
}
void ScheduleAfter(std::uint32_t milliseconds, std::function<void()> action) {
    ScheduleAt(TheWorld().clock.Now() + static_cast<std::uint64_t>(milliseconds) * 1000u, std::move(action));
}
void SetRunTimeLimit(std::uint32_t milliseconds) { TheWorld().runLimitMs = milliseconds; }

void SetDeliveryObserver(DeliveryObserver observer) { TheWorld().deliveryObserver = std::move(observer); }
std::size_t PostedMessagesWaiting() { return TheWorld().posted.size(); }

HWND ActiveWindow() { return TheWorld().active; }
LRESULT SendSysCommand(HWND hWnd, UINT nID, LPARAM lParam) { return Send(hWnd, WM_SYSCOMMAND, nID, lParam); }
void ActivateWindow(HWND hWnd) { ActivateTopLevel(hWnd); }
void ActivateOtherApplication() { DeactivateApplication(); }

HWND CreatePlainWindow(DWORD dwStyle, int x, int y, int width, int height, HWND hWndParent) {
    CreateParams params;
    params.creation.style = dwStyle;
    params.creation.rect = MakeRect(x, y, x + width, y + height);
    params.creation.parent = hWndParent;
    return CreateWindowFor(params);
}
BOOL DestroyWindow(HWND hWnd) { return Destroy(hWnd); }
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return FindWindow(hWnd) != nullptr ? Post(hWnd, message, wParam, lParam) : FALSE;
}
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Send(hWnd, message, wParam, lParam);
}

bool IsLiveWindow(HWND hWnd) { return FindWindow(hWnd) != nullptr; }

std::optional<WindowInfo> GetWindowInfo(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return std::nullopt;
    }
    WindowInfo info;
    info.hWnd = hWnd;
    info.hWndParent = record->hWndParent;
    info.className = record->className;
    info.text = record->text;
    info.style = record->style;
    info.exStyle = record->exStyle;
    info.rect = record->rect;
    info.visible = record->visible;
    info.iconic = record->iconic;
    info.id = record->id;
    info.object = CWnd::FromHandlePermanent(hWnd);
    return info;
}

std::vector<HWND> LiveWindows() {
    std::vector<HWND> handles;
    for (const auto& entry : TheWorld().windows) {
        handles.push_back(entry.first);
    }
    return handles;
}
std::size_t WindowsCreated() { return TheWorld().windowsCreated; }

RECT InvalidRect(HWND hWnd) {
    const WindowRecord* record = FindWindow(hWnd);
    return record != nullptr ? record->invalid : RECT();
}
bool IsInvalid(HWND hWnd) { return !IsEmptyRect(InvalidRect(hWnd)); }
void InvalidateRect(HWND hWnd, const RECT& rect, BOOL bErase) { InvalidateClient(hWnd, rect, bErase != FALSE); }

std::optional<ClassInfo> GetClassInfo(const std::string& className) {
    const WindowClass* windowClass = FindClass(className);
    if (windowClass == nullptr) {
        return std::nullopt;
    }
    return windowClass->info;
}
HBRUSH SolidBrushHandle(COLORREF colour) { return BrushFromColour(colour); }

HICON WindowIcon(HWND hWnd, WPARAM which) {
    const WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return nullptr;
    }
    return which == ICON_BIG ? record->iconBig : record->iconSmall;
}

HCURSOR CurrentCursor() { return TheWorld().cursor; }
const std::vector<DrawnIcon>& DrawnIcons() { return TheWorld().drawnIcons; }

void SetProfileValue(const std::string& key, const std::string& entry, const ProfileValue& value) {
    TheWorld().profile.Set(key, entry, value);
}
void SetProfileDword(const std::string& key, const std::string& entry, DWORD value) {
    TheWorld().profile.Set(key, entry, DwordValue(value));
}
std::optional<ProfileValue> GetProfileValue(const std::string& key, const std::string& entry) {
    return TheWorld().profile.Get(key, entry);
}
std::optional<std::int32_t> GetProfileDword(const std::string& key, const std::string& entry) {
    const std::optional<ProfileValue> value = TheWorld().profile.Get(key, entry);
    return value ? DwordOf(*value) : std::nullopt;
}
bool ProfileKeyExists(const std::string& key) { return TheWorld().profile.KeyExists(key); }
void DeleteProfileKey(const std::string& key) { TheWorld().profile.DeleteTree(key); }
std::size_t ProfileValueCount() { return TheWorld().profile.ValueCount(); }
void FailProfileWrites(const std::string& entry) { TheWorld().profile.FailWrites(entry); }
void StopFailingProfileWrites() { TheWorld().profile.StopFailingWrites(); }
const std::vector<ProfileWrite>& ProfileWriteLog() { return TheWorld().profile.Writes(); }
const std::vector<std::string>& ProfileReadLog() { return TheWorld().profile.Reads(); }
void ClearProfileReadLog() { TheWorld().profile.ClearReads(); }

}  // namespace fw::headless
