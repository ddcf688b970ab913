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

}  // namespace tidewell
