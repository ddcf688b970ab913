// Timers and clocks. A due timer fires from the message loop after paints
// (see EventLoop.h), as the platform orders them; a window whose last frame
// the compositor has not yet asked to follow waits.
#include <ctime>

#include "fw/wayland/EventLoop.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {

// The windows whose timers may fire now.
std::vector<shared::WindowTimers> ReadyTimers() {
    std::vector<shared::WindowTimers> ready;
    for (HWND hWnd : OurWindows()) {
        WindowRecord* record = RecordOf(hWnd);
        if (record->frame == nullptr) {
            ready.push_back(shared::WindowTimers{hWnd, &record->timers});
        }
    }
    return ready;
}

}  // namespace

UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr || record->destroying) {
        return 0;
    }
    shared::SetTimerIn(record->timers, id, elapse);
    return id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR id) {
    WindowRecord* record = RecordOf(hWnd);
    return record != nullptr && shared::KillTimerIn(record->timers, id) ? TRUE : FALSE;
}

DWORD TickCount() { return static_cast<DWORD>(static_cast<std::uint64_t>(NowMs())); }

std::int64_t WallTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

double NextDueMs() { return shared::NextDueMs(ReadyTimers()); }

bool FireDueTimer() {
    const auto due = shared::TakeDueTimer(ReadyTimers());
    if (!due) {
        return false;
    }
    Deliver(due->hWnd, WM_TIMER, due->id, 0);
    return true;
}

}  // namespace fw::wayland
