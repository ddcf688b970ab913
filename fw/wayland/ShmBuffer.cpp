#include "fw/wayland/ShmBuffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>

#include "fw/wayland/Connection.h"

namespace fw::wayland {

namespace {

void OnRelease(void* data, wl_buffer*) { static_cast<ShmBuffer*>(data)->m_bBusy = false; }
const wl_buffer_listener kBufferListener = {OnRelease};

// A frame changes a few hundred small rectangles; a buffer that missed many
// frames catches up with their bounding box instead.
constexpr std::size_t kMostStaleRects = 8192;

}  // namespace

std::unique_ptr<ShmBuffer> ShmBuffer::Make(int width, int height) {
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
        return nullptr;
    }
    const std::size_t stride = static_cast<std::size_t>(width) * 4;
    const std::size_t size = stride * static_cast<std::size_t>(height);
    const int fd = ::memfd_create("tidewell-buffer", MFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    void* memory = MAP_FAILED;
    if (::ftruncate(fd, static_cast<off_t>(size)) == 0) {
        memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    }
    if (memory == MAP_FAILED) {
        ::close(fd);
        return nullptr;
    }
    std::unique_ptr<ShmBuffer> buffer(new ShmBuffer);
    buffer->m_pPixels = static_cast<std::uint32_t*>(memory);
    buffer->m_nWidth = width;
    buffer->m_nHeight = height;
    wl_shm_pool* pool = wl_shm_create_pool(W().shm, fd, static_cast<std::int32_t>(size));
    buffer->m_pBuffer =
        wl_shm_pool_create_buffer(pool, 0, width, height, static_cast<std::int32_t>(stride), WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    ::close(fd);
    wl_buffer_add_listener(buffer->m_pBuffer, &kBufferListener, buffer.get());
    buffer->m_stale.push_back(MakeRect(0, 0, width, height));
    return buffer;
}

ShmBuffer::~ShmBuffer() {
    if (m_pBuffer != nullptr) {
        wl_buffer_destroy(m_pBuffer);
    }
    ::munmap(m_pPixels, static_cast<std::size_t>(m_nWidth) * 4 * static_cast<std::size_t>(m_nHeight));
}

void ShmBuffer::Stale(const std::vector<RECT>& rects) {
    m_stale.insert(m_stale.end(), rects.begin(), rects.end());
    if (m_stale.size() > kMostStaleRects) {
        RECT box;
        for (const RECT& r : m_stale) {
            box = UnionRects(box, r);
        }
        m_stale.assign(1, box);
    }
}

void ShmBuffer::CatchUp(const std::uint32_t* image) {
    const RECT whole = MakeRect(0, 0, m_nWidth, m_nHeight);
    for (const RECT& stale : m_stale) {
        const RECT r = IntersectRects(stale, whole);
        for (LONG y = r.top; y < r.bottom; ++y) {
            const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth);
            std::copy(image + row + r.left, image + row + r.right, m_pPixels + row + r.left);
        }
    }
    m_stale.clear();
}

}  // namespace fw::wayland
