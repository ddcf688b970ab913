// Timers and clocks. A due timer fires from the message loop after paints
// (see EventLoop.h), as the platform orders them.
#include <ctime>

#include "fw/x11/EventLoop.h"
#include "fw/x11/WindowRecord.h"

namespace fw {

UINT_PTR x11::SetTimer(HWND hWnd, UINT_PTR id, UINT elapse) {
    x11::WindowRecord* record = x11::RecordOf(hWnd);
    if (record == nullptr || record->destroying) {
        return 0;
    }
    shared::SetTimerIn(record->timers, id, elapse);
    return id;
}

BOOL x11::KillTimer(HWND hWnd, UINT_PTR id) {
    x11::WindowRecord* record = x11::RecordOf(hWnd);
    return record != nullptr && shared::KillTimerIn(record->timers, id) ? TRUE : FALSE;
}

DWORD x11::TickCount() { return static_cast<DWORD>(static_cast<std::uint64_t>(x11::NowMs())); }

std::int64_t x11::WallTime() { return static_cast<std::int64_t>(std::time(nullptr)); }

}  // namespace fw
