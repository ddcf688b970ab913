// Timers and clocks. A due timer fires from the message loop after paints
// (see EventLoop.h), as the platform orders them.
#include <algorithm>
#include <chrono>
#include <ctime>

#include "fw/wayland/EventLoop.h"
#include "fw/wayland/WindowRecord.h"

namespace fw::wayland {

namespace {

// The frame timer's period 0 is the platform's shortest: 64 ticks a second.
constexpr double kShortestPeriodMs = 15.625;

// A window's timers wait while the compositor has not asked for a frame.
bool Waiting(const WindowRecord& record) { return record.frame != nullptr; }

}  // namespace

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr || record->destroying) {
        return 0;
    }
    KillTimer(hWnd, id);
    const double period = std::max<double>(elapse, kShortestPeriodMs);
    record->timers.push_back(Timer{id, period, NowMs() + period});
    return id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR id) {
    WindowRecord* record = RecordOf(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    auto& timers = record->timers;
    const auto before = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.id == id; }),
                 timers.end());
    return timers.size() != before ? TRUE : FALSE;
}

DWORD TickCount() { return static_cast<DWORD>(static_cast<std::uint64_t>(NowMs())); }

std::int64_t WallTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

double NextDueMs() {
    double next = -1;
    for (HWND hWnd : OurWindows()) {
        const WindowRecord* record = RecordOf(hWnd);
        for (const Timer& timer : record->timers) {
            if (!Waiting(*record) && (next < 0 || timer.dueMs < next)) {
                next = timer.dueMs;
            }
        }
    }
    return next;
}

bool FireDueTimer() {
    const double now = NowMs();
    WindowRecord* due = nullptr;
    Timer* earliest = nullptr;
    for (HWND hWnd : OurWindows()) {
        WindowRecord* record = RecordOf(hWnd);
        for (Timer& timer : record->timers) {
            if (!Waiting(*record) && timer.dueMs <= now && (earliest == nullptr || timer.dueMs < earliest->dueMs)) {
                earliest = &timer;
                due = record;
            }
        }
    }
    if (earliest == nullptr) {
        return false;
    }
    // Ticks that were missed are not made up: one message, then the next
    // period from now.
    earliest->dueMs += earliest->periodMs;
    if (earliest->dueMs <= now) {
        earliest->dueMs = now + earliest->periodMs;
    }
    Deliver(due->handle, WM_TIMER, earliest->id, 0);
    return true;
}

}  // namespace fw::wayland
