#pragma once
#include <cstdint>

namespace tidewell {

// A 32-bit linear congruential generator (state * 214013 + 2531011, the
// result bits 16..30): the Windows C runtime's rand()/srand(), bit for bit,
// as a value type so every field (and every test) has its own seeded
// sequence.
class RandomSource {
public:
    static constexpr int kMax = 32767;

    explicit RandomSource(std::uint32_t seed = 1) : m_state(seed) {}

    void Seed(std::uint32_t seed) { m_state = seed; }

    // 0 .. 32767
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFFu);
    }

    // Next() times the double nearest 1/32767, not divided by 32767, so every
    // bit of the result is as the rules expect: 0 to 1 inclusive.
    double Fraction() { return Next() * 3.051850947599719e-05; }

    std::uint32_t State() const { return m_state; }

private:
    std::uint32_t m_state;
};

}  // namespace tidewell
