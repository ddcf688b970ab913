#pragma once
#include <cstdint>

#include "particles/TickSource.h"

namespace tidewell {

// A clock that tests and benchmarks move by hand. Kept out of the core's
// headers so that no program carries it.
class ScriptedClock : public CTickSource {
public:
    explicit ScriptedClock(std::uint32_t start = 0) : m_now(start) {}

    std::uint32_t GetTickCount() override { return m_now; }
    void Set(std::uint32_t now) { m_now = now; }
    void Advance(std::uint32_t ms) { m_now += ms; }
    std::uint32_t Now() const { return m_now; }

private:
    std::uint32_t m_now;
};

}  // namespace tidewell
