#pragma once
#include <cstdint>

#include "fw/Types.h"

namespace fw::headless {

// Virtual time in microseconds, with the tick count and the wall clock
// derived from it.
class VirtualClock {
public:
    std::uint64_t Now() const { return m_now; }
    void AdvanceTo(std::uint64_t microseconds) {
        if (microseconds > m_now) {
            m_now = microseconds;
        }
    }

    DWORD TickCount() const { return static_cast<DWORD>(m_tickBase + (m_now - m_tickSetAt) / 1000u); }
    void SetTickCount(DWORD milliseconds) {
        m_tickBase = milliseconds;
        m_tickSetAt = m_now;
    }

    std::int64_t WallTime() const { return m_wallBase + static_cast<std::int64_t>((m_now - m_wallSetAt) / 1000000u); }
    void SetWallTime(std::int64_t seconds) {
        m_wallBase = seconds;
        m_wallSetAt = m_now;
    }

private:
    std::uint64_t m_now = 0;
    std::uint64_t m_tickBase = 0;  // wraps when narrowed to 32 bits
    std::uint64_t m_tickSetAt = 0;
    std::int64_t m_wallBase = 0;
    std::uint64_t m_wallSetAt = 0;
};

}  // namespace fw::headless
