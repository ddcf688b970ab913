#pragma once
#include <memory>
#include <vector>

#include "fw/wayland/WaylandApi.h"

namespace fw::wayland {

// One wl_shm buffer of a surface, in device pixels (XRGB8888, the words the
// core writes). The compositor reads it from when it is committed until it
// releases it; until then it is busy and not written.
class ShmBuffer {
public:
    // Null when the memory or the buffer cannot be made.
    static std::unique_ptr<ShmBuffer> Make(int width, int height);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;

    wl_buffer* Buffer() const { return m_pBuffer; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    bool m_bBusy = false;

    // What changed in the window since this buffer last caught up.
    void Stale(const std::vector<RECT>& rects);
    // Copies the stale parts of the window's pixels (rows of Width() words).
    void CatchUp(const std::uint32_t* image);

private:
    ShmBuffer() = default;
    wl_buffer* m_pBuffer = nullptr;
    std::uint32_t* m_pPixels = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<RECT> m_stale;
};

}  // namespace fw::wayland
