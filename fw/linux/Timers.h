#pragma once
// Window timers as both Linux backends keep them: a list per window, fired
// from the message loop after paints, the most overdue first.
#include <optional>
#include <vector>

#include "fw/Types.h"

namespace fw::shared {

struct Timer {
    UINT_PTR id = 0;
    double periodMs = 0;
    double dueMs = 0;
};

// Milliseconds on a steady clock, fractional.
double NowMs();

// The same id replaces the timer; a period below the platform's shortest
// (0 included) runs at the shortest.
void SetTimerIn(std::vector<Timer>& timers, UINT_PTR id, UINT elapse);
// Whether there was such a timer.
bool KillTimerIn(std::vector<Timer>& timers, UINT_PTR id);

// One window's timers as the loop sees them.
struct WindowTimers {
    HWND hWnd;
    std::vector<Timer>* timers;
};
// When the next timer is due, in NowMs() terms; negative when none runs.
double NextDueMs(const std::vector<WindowTimers>& windows);

struct DueTimer {
    HWND hWnd;
    UINT_PTR id;
};
// The most overdue timer, moved on to its next period (ticks that were
// missed are not made up); nothing when none is due.
std::optional<DueTimer> TakeDueTimer(const std::vector<WindowTimers>& windows);

}  // namespace fw::shared
