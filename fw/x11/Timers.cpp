// Timers and clocks. A due timer fires from the message loop after paints
// (see EventLoop.h), as the platform orders them.
#include <algorithm>
#include <chrono>
#include <ctime>

#include "fw/x11/EventLoop.h"
#include "fw/x11/WindowRecord.h"

namespace fw {

namespace {
// The frame timer's period 0 is the platform's shortest: 64 ticks a second.
constexpr double kShortestPeriodMs = 15.625;
}  // namespace

double x11::NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

namespace x11 {

UINT_PTR SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    x11::WindowRecord* record = x11::RecordOf(hWnd);
    if (record == nullptr || record->destroying) {
        return 0;
    }
    KillTimer(hWnd, id);
    const double period = std::max<double>(elapse, kShortestPeriodMs);
    record->timers.push_back(x11::Timer{id, period, x11::NowMs() + period});
    return id;
}

BOOL KillTimer(HWND hWnd, UINT_PTR id) {
    x11::WindowRecord* record = x11::RecordOf(hWnd);
    if (record == nullptr) {
        return FALSE;
    }
    auto& timers = record->timers;
    const auto before = timers.size();
    timers.erase(std::remove_if(timers.begin(), timers.end(), [&](const x11::Timer& t) { return t.id == id; }),
                 timers.end());
    return timers.size() != before ? TRUE : FALSE;
}

DWORD TickCount() { return static_cast<DWORD>(static_cast<std::uint64_t>(x11::NowMs())); }

std::int64_t WallTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace x11
}  // namespace fw
