#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "particles/Random.h"

namespace tidewell::testing {

// Seeds whose first rand() results are chosen values, found by running the
// generator backwards: state' = state * 214013 + 2531011 is invertible.
class SeedSearch {
public:
    // The state after the first draw holds `first` in bits 16..30; the other
    // 17 bits are free, and usually a few of them give the second value too.
    static std::uint32_t ForFirst(int first, std::optional<int> second = std::nullopt) {
        for (std::uint32_t free = 0; free < (1u << 17); ++free) {
            const std::uint32_t state =
                ((free >> 16) << 31) | (static_cast<std::uint32_t>(first) << 16) | (free & 0xFFFFu);
            RandomSource probe(SeedBefore(state));
            if (probe.Next() == first && (!second || probe.Next() == *second)) {
                return SeedBefore(state);
            }
        }
        throw std::runtime_error("no seed gives these draws");
    }

private:
    static std::uint32_t SeedBefore(std::uint32_t state) {
        constexpr std::uint32_t kMultiplier = 214013u;
        std::uint32_t inverse = kMultiplier;  // Newton's iteration modulo 2^32
        for (int i = 0; i < 5; ++i) {
            inverse *= 2u - kMultiplier * inverse;
        }
        return (state - 2531011u) * inverse;
    }
};

}  // namespace tidewell::testing
