#include "fw/linux/Timers.h"

#include <algorithm>
#include <chrono>

namespace fw::shared {

namespace {
// The frame timer's period 0 is the platform's shortest: 64 ticks a second.
constexpr double kShortestPeriodMs = 15.625;
}  // namespace

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void SetTimerIn(std::vector<Timer>& timers, UINT_PTR id, UINT elapse) {
    KillTimerIn(timers, id);
    const double period = std::max<double>(elapse, kShortestPeriodMs);
    timers.push_back(Timer{id, period, NowMs() + period});
}

bool KillTimerIn(std::vector<Timer>& timers, UINT_PTR id) {
    const auto before = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const Timer& t) { return t.id == id; }),
                 timers.end());
    return timers.size() != before;
}

double NextDueMs(const std::vector<WindowTimers>& windows) {
    double next = -1;
    for (const WindowTimers& window : windows) {
        for (const Timer& timer : *window.timers) {
            if (next < 0 || timer.dueMs < next) {
                next = timer.dueMs;
            }
        }
    }
    return next;
}

std::optional<DueTimer> TakeDueTimer(const std::vector<WindowTimers>& windows) {
    const double now = NowMs();
    HWND due = nullptr;
    Timer* earliest = nullptr;
    for (const WindowTimers& window : windows) {
        for (Timer& timer : *window.timers) {
            if (timer.dueMs <= now && (earliest == nullptr || timer.dueMs < earliest->dueMs)) {
                earliest = &timer;
                due = window.hWnd;
            }
        }
    }
    if (earliest == nullptr) {
        return std::nullopt;
    }
    earliest->dueMs += earliest->periodMs;
    if (earliest->dueMs <= now) {
        earliest->dueMs = now + earliest->periodMs;
    }
    return DueTimer{due, earliest->id};
}

}  // namespace fw::shared
