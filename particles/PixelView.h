#pragma once
#include <cstddef>
#include <cstdint>

#include "particles/Color.h"

namespace tidewell {

// Left/top inclusive, right/bottom exclusive, like the platform's RECT.
struct SurfaceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
};

// How a surface stores a pixel in its 32-bit word.
enum class PixelOrder {
    kColorRef,  // 0x00BBGGRR, as COLORREF
    kRgbWord,   // 0x00RRGGBB, as a 32-bit device-independent bitmap
};

// Direct access to a surface's pixels: the memory of the part that may be
// read and written, its row stride and its pixel order. Reads outside that
// part give CLR_INVALID and writes there are dropped, as on a device
// context; callers speak COLORREF and the view converts.
class PixelView {
public:
    PixelView() = default;
    // first is the pixel at (readable.left, readable.top); stride counts pixels.
    PixelView(std::uint32_t* first, std::ptrdiff_t stride, const SurfaceRect& readable, PixelOrder order)
        : m_first(readable.IsEmpty() ? nullptr : first),
          m_stride(stride),
          m_left(readable.left),
          m_top(readable.top),
          m_width(readable.IsEmpty() || first == nullptr ? 0u : static_cast<unsigned>(readable.right - readable.left)),
          m_height(readable.IsEmpty() || first == nullptr ? 0u : static_cast<unsigned>(readable.bottom - readable.top)),
          m_swap(order == PixelOrder::kRgbWord) {}

    bool Contains(int x, int y) const {
        // Unsigned differences: a point left of or above the part wraps past its size.
        return static_cast<unsigned>(x) - static_cast<unsigned>(m_left) < m_width &&
               static_cast<unsigned>(y) - static_cast<unsigned>(m_top) < m_height;
    }
    COLORREF Get(int x, int y) const { return Contains(x, y) ? Convert(*At(x, y)) : CLR_INVALID; }
    void Set(int x, int y, COLORREF colour) const {
        if (Contains(x, y)) {
            *At(x, y) = Convert(colour);
        }
    }
    // The memory of (x, y), or null outside: for asking the memory system
    // early for pixels about to be touched.
    const std::uint32_t* AddressOf(int x, int y) const { return Contains(x, y) ? At(x, y) : nullptr; }
    std::ptrdiff_t Stride() const { return m_stride; }

    // Fills the part of rect that may be written.
    void Fill(const SurfaceRect& rect, COLORREF colour) const {
        const SurfaceRect readable = Readable();
        const int left = rect.left > readable.left ? rect.left : readable.left;
        const int top = rect.top > readable.top ? rect.top : readable.top;
        const int right = rect.right < readable.right ? rect.right : readable.right;
        const int bottom = rect.bottom < readable.bottom ? rect.bottom : readable.bottom;
        const std::uint32_t pixel = Convert(colour);
        for (int y = top; y < bottom; ++y) {
            for (std::uint32_t *p = At(left, y), *end = p + (right - left); p < end; ++p) {
                *p = pixel;
            }
        }
    }
    SurfaceRect Readable() const {
        return SurfaceRect{m_left, m_top, m_left + static_cast<int>(m_width), m_top + static_cast<int>(m_height)};
    }

private:
    std::uint32_t* At(int x, int y) const {
        return m_first +
               static_cast<std::ptrdiff_t>(static_cast<unsigned>(y) - static_cast<unsigned>(m_top)) * m_stride +
               static_cast<std::ptrdiff_t>(static_cast<unsigned>(x) - static_cast<unsigned>(m_left));
    }
    // Swapping red and blue is its own inverse. A bitmap's unused top byte
    // is whatever the last blit left there: it is dropped both ways.
    std::uint32_t Convert(std::uint32_t pixel) const {
        return m_swap ? (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16) | ((pixel >> 16) & 0xFFu) : pixel;
    }

    std::uint32_t* m_first = nullptr;
    std::ptrdiff_t m_stride = 0;
    int m_left = 0;
    int m_top = 0;
    unsigned m_width = 0;
    unsigned m_height = 0;
    bool m_swap = false;
};

}  // namespace tidewell
