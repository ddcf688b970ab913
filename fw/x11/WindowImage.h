#pragma once

#include <cstdint>
#include <vector>

#include "fw/x11/XlibApi.h"

namespace fw::x11 {

// A window's pixels in our own memory, in the display's 24-bit true-colour
// order (0x00RRGGBB per 32-bit word, as a device-independent bitmap): shared with the server through MIT-SHM
// where it can be, a plain client-side image otherwise. Any part of it is
// put on the window with one request.
class WindowImage {
public:
    // Black; an empty image for a zero or negative size (Valid() tells).
    WindowImage(int width, int height);
    ~WindowImage();
    WindowImage(const WindowImage&) = delete;
    WindowImage& operator=(const WindowImage&) = delete;

    bool Valid() const { return m_pImage != nullptr; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    std::uint32_t* Row(int y) {
        return reinterpret_cast<std::uint32_t*>(m_pImage->data +
                                                static_cast<std::ptrdiff_t>(y) * m_pImage->bytes_per_line);
    }
    const std::uint32_t* Row(int y) const {
        return reinterpret_cast<const std::uint32_t*>(m_pImage->data +
                                                      static_cast<std::ptrdiff_t>(y) * m_pImage->bytes_per_line);
    }
    // Pixels from one row to the next.
    std::ptrdiff_t Stride() const { return m_pImage->bytes_per_line / 4; }
    bool Shared() const { return m_bShared; }

    // Copies what the drawable shows at (x, y) into this image at (dx, dy),
    // w × h pixels; the caller keeps the area inside both.
    bool Load(::Drawable source, int x, int y, int w, int h, int dx, int dy);
    // Puts rect of the image at the same place on the window.
    void Put(::Window window, ::GC gc, const RECT& rect) const;
    // Puts every one of rects with one image request: the box around them,
    // clipped to them, so the server copies only their pixels.
    void Put(::Window window, ::GC gc, const std::vector<RECT>& rects) const;

private:
    bool MakeShared();
    bool MakePlain();

    int m_nWidth = 0;
    int m_nHeight = 0;
    ::XImage* m_pImage = nullptr;
    ::XShmSegmentInfo m_shm = {};
    bool m_bShared = false;
};

}  // namespace fw::x11
