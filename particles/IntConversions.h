#pragma once
#include <cstdint>
#include <limits>

namespace tidewell {

// A projected coordinate as an int32: truncation toward zero in range, the
// nearest end of the range beyond it, and INT32_MIN for NaN, so extreme
// speeds or long frozen spells can never overflow the conversion.
inline std::int32_t TruncateToPixel(double value) {
    constexpr double kMin = static_cast<double>(std::numeric_limits<std::int32_t>::min());
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (value >= kMin && value <= kMax) {  // false for NaN
        return static_cast<std::int32_t>(value);
    }
    return value > kMax ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
}

inline bool FitsInt(std::int64_t value) {
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

inline int ClampToInt(std::int64_t value) {
    if (value < std::numeric_limits<int>::min()) {
        return std::numeric_limits<int>::min();
    }
    if (value > std::numeric_limits<int>::max()) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

}  // namespace tidewell
