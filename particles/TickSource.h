#pragma once
#include <cstdint>

namespace tidewell {

// Milliseconds as a 32-bit value that wraps, like the platform's tick count.
class CTickSource {
public:
    virtual ~CTickSource() = default;
    virtual std::uint32_t GetTickCount() = 0;
};

// later - earlier on a clock that wraps at 32 bits, read as a signed number
// of milliseconds.
inline std::int32_t WrappedTickDifference(std::uint32_t later, std::uint32_t earlier) {
    const std::uint32_t difference = later - earlier;
    if (difference <= 0x7FFFFFFFu) {
        return static_cast<std::int32_t>(difference);
    }
    return -static_cast<std::int32_t>(~difference) - 1;
}

// A clock that tests and the simulation tool move by hand. Every read can be
// made to advance it, to show that callers read it as often as they should.
class ScriptedClock : public CTickSource {
public:
    explicit ScriptedClock(std::uint32_t start = 0, std::uint32_t stepPerRead = 0)
        : m_now(start), m_step(stepPerRead) {}

    std::uint32_t GetTickCount() override {
        ++m_reads;
        std::uint32_t now = m_now;
        m_now += m_step;
        return now;
    }

    void Set(std::uint32_t now) { m_now = now; }
    void Advance(std::uint32_t ms) { m_now += ms; }
    void SetStepPerRead(std::uint32_t step) { m_step = step; }
    std::uint32_t Now() const { return m_now; }
    std::uint64_t Reads() const { return m_reads; }

private:
    std::uint32_t m_now;
    std::uint32_t m_step;
    std::uint64_t m_reads = 0;
};

}  // namespace tidewell
