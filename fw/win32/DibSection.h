#pragma once
#include <cstdint>

#include "fw/win32/WindowsApi.h"

namespace fw {
namespace win32 {

// A 32-bit top-down device-independent bitmap selected into its own memory
// DC: pixels are plain memory (0x00RRGGBB per pixel, row after row) and the
// whole or any part of it can be blitted to and from a window.
class DibSection {
public:
    // An empty bitmap for a zero or negative size; Valid() tells.
    DibSection(int width, int height);
    ~DibSection();
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    bool Valid() const { return m_pBits != nullptr; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    ::HDC MemoryDC() const { return m_hMemDC; }
    std::uint32_t* Row(int y) { return m_pBits + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth); }
    const std::uint32_t* Row(int y) const {
        return m_pBits + static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth);
    }

    // Copies the source DC's pixels at (srcX, srcY) into the whole bitmap.
    bool CopyFrom(::HDC source, int srcX, int srcY);
    // Copies rect of the bitmap to the same place in target.
    bool CopyTo(::HDC target, const ::RECT& rect) const;

    // Pixel word <-> COLORREF (0x00BBGGRR).
    static COLORREF ToColorRef(std::uint32_t pixel) {
        return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
    }
    static std::uint32_t FromColorRef(COLORREF colour) {
        return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
    }

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    ::HDC m_hMemDC = nullptr;
    ::HBITMAP m_hBitmap = nullptr;
    ::HGDIOBJ m_hOldBitmap = nullptr;
    std::uint32_t* m_pBits = nullptr;
};

}  // namespace win32
}  // namespace fw
