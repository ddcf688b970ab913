#pragma once
#include <cstdint>

namespace tidewell {

// 0x00BBGGRR, as the platform stores colours.
using COLORREF = std::uint32_t;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;
constexpr COLORREF kWhite = 0x00FFFFFFu;

constexpr COLORREF MakeColor(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return (red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16);
}
constexpr std::uint32_t RedOf(COLORREF c) { return c & 0xFFu; }
constexpr std::uint32_t GreenOf(COLORREF c) { return (c >> 8) & 0xFFu; }
constexpr std::uint32_t BlueOf(COLORREF c) { return (c >> 16) & 0xFFu; }

}  // namespace tidewell
