// The test controls of HeadlessControl.h, and the scripted user they drive.
#include "tests/support/headless/HeadlessControl.h"

#include <algorithm>

#include "fw/Wnd.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/WindowTree.h"
#include "tests/support/headless/ScriptedOutside.h"

namespace fw::headless {

namespace {

// Seated before any test runs, so it sees everything from the start.
[[maybe_unused]] const bool g_seated = (SetOutside(&Scripted()), true);

bool KeyAtOrBelow(const std::string& folded, const std::string& key) {
    return folded == key ||
           (folded.size() > key.size() && folded.compare(0, key.size(), key) == 0 && folded[key.size()] == '\\');
}

}  // namespace

ScriptedOutside& Scripted() {
    static auto& scripted = *new ScriptedOutside;
    return scripted;
}

INT_PTR ScriptedOutside::ChooseColour(COLORREF initial, COLORREF* chosen) {
    colorDialogs.push_back(ColorDialogRecord{initial});
    if (colorAnswers.empty()) {
        return IDCANCEL;
    }
    const ColorAnswer answer = colorAnswers.front();
    colorAnswers.pop_front();
    // While it is open, the thread's messages keep flowing.
    RunUntil(TheWorld().clock.Now() + std::uint64_t{answer.openMs} * 1000u, [] { return false; });
    if (answer.result == IDOK) {
        *chosen = answer.colour;
    }
    return answer.result;
}

bool ScriptedOutside::ProfileWriteTaken(const std::string& key, const std::string& entry, std::int32_t value) {
    const bool fails = std::find(failingEntries.begin(), failingEntries.end(), FoldName(entry)) != failingEntries.end();
    writes.push_back(ProfileWrite{key, entry, value, !fails});
    return !fails;
}

void SetScreenPixel(int x, int y, COLORREF colour) { TheWorld().screen.Set(x, y, colour); }

std::size_t RunForMicroseconds(std::uint64_t microseconds) {
    return RunUntil(TheWorld().clock.Now() + microseconds, [] { return false; });
}
std::size_t RunFor(std::uint32_t milliseconds) { return RunForMicroseconds(std::uint64_t{milliseconds} * 1000u); }

bool QuitPending() { return TheWorld().quit; }
int QuitExitCode() { return TheWorld().quitCode; }
void ClearQuit() { TheWorld().quit = false; }

void SetDeliveryObserver(DeliveryObserver observer) { Scripted().observer = std::move(observer); }
std::size_t PostedMessagesWaiting() { return TheWorld().posted.size(); }

void ActivateWindow(HWND hWnd) { ActivateTopLevel(hWnd); }
void ActivateOtherApplication() { DeactivateApplication(); }
LRESULT SendSysCommand(HWND hWnd, UINT nID, LPARAM lParam) { return Send(hWnd, WM_SYSCOMMAND, nID, lParam); }

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return FindWindow(hWnd) != nullptr ? Post(hWnd, message, wParam, lParam) : FALSE;
}
LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Send(hWnd, message, wParam, lParam);
}

bool IsLiveWindow(HWND hWnd) { return FindWindow(hWnd) != nullptr; }

std::optional<WindowInfo> GetWindowInfo(HWND hWnd) {
    const WindowRecord* r = FindWindow(hWnd);
    if (r == nullptr) {
        return std::nullopt;
    }
    return WindowInfo{hWnd,       r->hWndParent, r->className, r->style,
                      r->exStyle, r->rect,       r->visible,   CWnd::FromHandlePermanent(hWnd)};
}

std::vector<HWND> LiveWindows() {
    std::vector<HWND> handles;
    for (const auto& entry : TheWorld().windows) {
        handles.push_back(entry.first);
    }
    return handles;
}

std::optional<ClassInfo> GetClassInfo(const std::string& className) {
    const WindowClass* windowClass = FindClass(className);
    return windowClass != nullptr ? std::optional<ClassInfo>(windowClass->info) : std::nullopt;
}

HICON WindowIcon(HWND hWnd, WPARAM which) {
    const WindowRecord* record = FindWindow(hWnd);
    if (record == nullptr) {
        return nullptr;
    }
    return which == ICON_BIG ? record->iconBig : record->iconSmall;
}

HCURSOR CurrentCursor() { return TheWorld().cursor; }

const std::vector<DialogRecord>& DialogHistory() { return Scripted().dialogs; }
void AnswerColorDialog(INT_PTR result, COLORREF colour, std::uint32_t openMs) {
    Scripted().colorAnswers.push_back(ColorAnswer{result, colour, openMs});
}
const std::vector<ColorDialogRecord>& ColorDialogsOpened() { return Scripted().colorDialogs; }

void SetProfileValue(const std::string& key, const std::string& entry, const ProfileValue& value) {
    TheWorld().profile.Set(key, entry, value);
}
void SetProfileDword(const std::string& key, const std::string& entry, DWORD value) {
    TheWorld().profile.Set(key, entry, DwordValue(value));
}
// A key exists when made, and so do the keys above it.
bool ProfileKeyExists(const std::string& key) {
    const MemoryProfile::Keys& keys = TheWorld().profile.AllKeys();
    return std::any_of(keys.begin(), keys.end(), [&](const auto& k) { return KeyAtOrBelow(k.first, FoldName(key)); });
}
void DeleteProfileKey(const std::string& key) {
    MemoryProfile::Keys& keys = TheWorld().profile.AllKeys();
    for (auto it = keys.begin(); it != keys.end();) {
        it = KeyAtOrBelow(it->first, FoldName(key)) ? keys.erase(it) : std::next(it);
    }
}
void FailProfileWrites(const std::string& entry) { Scripted().failingEntries.push_back(FoldName(entry)); }
void StopFailingProfileWrites() { Scripted().failingEntries.clear(); }
const std::vector<ProfileWrite>& ProfileWriteLog() { return Scripted().writes; }

}  // namespace fw::headless
