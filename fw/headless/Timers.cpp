// The timer and clock primitives of fw/Backend.h on the virtual clock.
#include <algorithm>

#include "fw/Backend.h"
#include "fw/headless/WindowTree.h"

namespace fw::backend {

using headless::FindWindow;

UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    if (FindWindow(hWnd) == nullptr) {
        return 0;
    }
    headless::World& world = headless::TheWorld();
    // Below the platform's minimum the default tick applies.
    const std::uint64_t period =
        elapse < 10 ? headless::kDefaultTimerPeriodMicroseconds : static_cast<std::uint64_t>(elapse) * 1000u;
    KillTimer(hWnd, id);
    world.timers.push_back(headless::Timer{hWnd, id, period, world.clock.Now() + period, world.nextTimerOrder++});
    return id != 0 ? id : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR id) {
    std::vector<headless::Timer>& timers = headless::TheWorld().timers;
    const auto before = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(),
                                [hWnd, id](const headless::Timer& t) { return t.hWnd == hWnd && t.id == id; }),
                 timers.end());
    return timers.size() != before ? TRUE : FALSE;
}

DWORD TickCount() { return headless::TheWorld().clock.TickCount(); }

std::int64_t WallTime() { return headless::TheWorld().clock.WallTime(); }

}  // namespace fw::backend
