#include "fw/x11/WindowImage.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>

#include "fw/x11/Connection.h"

namespace fw::x11 {

WindowImage::WindowImage(int width, int height) : m_nWidth(width), m_nHeight(height) {
    if (width <= 0 || height <= 0 || !Connected()) {
        return;
    }
    if (!(X().shm && MakeShared())) {
        MakePlain();
    }
    if (m_pImage == nullptr) {
        return;
    }
    std::memset(m_pImage->data, 0,
                static_cast<std::size_t>(m_pImage->bytes_per_line) * static_cast<std::size_t>(height));
}

bool WindowImage::MakeShared() {
    Connection& c = X();
    m_pImage =
        ::XShmCreateImage(c.display, DefaultVisual(c.display, c.screen), DefaultDepth(c.display, c.screen), ZPixmap,
                          nullptr, &m_shm, static_cast<unsigned>(m_nWidth), static_cast<unsigned>(m_nHeight));
    if (m_pImage == nullptr) {
        return false;
    }
    const std::size_t size = static_cast<std::size_t>(m_pImage->bytes_per_line) * static_cast<std::size_t>(m_nHeight);
    m_shm.shmid = ::shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (m_shm.shmid >= 0) {
        m_shm.shmaddr = m_pImage->data = static_cast<char*>(::shmat(m_shm.shmid, nullptr, 0));
        m_shm.readOnly = False;
        bool attached = false;
        if (m_shm.shmaddr != reinterpret_cast<char*>(-1)) {
            ErrorTrap trap;
            attached = ::XShmAttach(c.display, &m_shm) != False && !trap.Failed();
        }
        // Marked for removal at once: the segment goes when both sides
        // detach, however the process ends.
        ::shmctl(m_shm.shmid, IPC_RMID, nullptr);
        if (attached) {
            m_bShared = true;
            return true;
        }
        if (m_shm.shmaddr != reinterpret_cast<char*>(-1)) {
            ::shmdt(m_shm.shmaddr);
        }
    }
    m_pImage->data = nullptr;
    XDestroyImage(m_pImage);
    m_pImage = nullptr;
    return false;
}

bool WindowImage::MakePlain() {
    Connection& c = X();
    const std::size_t stride = static_cast<std::size_t>(m_nWidth) * 4;
    char* data = static_cast<char*>(std::malloc(stride * static_cast<std::size_t>(m_nHeight)));
    if (data == nullptr) {
        return false;
    }
    m_pImage = ::XCreateImage(c.display, DefaultVisual(c.display, c.screen), DefaultDepth(c.display, c.screen), ZPixmap,
                              0, data, static_cast<unsigned>(m_nWidth), static_cast<unsigned>(m_nHeight), 32,
                              static_cast<int>(stride));
    if (m_pImage == nullptr) {
        std::free(data);
        return false;
    }
    return true;
}

WindowImage::~WindowImage() {
    if (m_pImage == nullptr) {
        return;
    }
    if (m_bShared) {
        ::XShmDetach(X().display, &m_shm);
        ::XSync(X().display, False);  // the server lets go before we do
        ::shmdt(m_shm.shmaddr);
        m_pImage->data = nullptr;
    }
    XDestroyImage(m_pImage);  // frees a plain image's data
}

bool WindowImage::Load(::Drawable source, int x, int y, int w, int h, int dx, int dy) {
    if (m_pImage == nullptr || w <= 0 || h <= 0) {
        return false;
    }
    ErrorTrap trap;
    const bool got = ::XGetSubImage(X().display, source, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h),
                                    AllPlanes, ZPixmap, m_pImage, dx, dy) != nullptr;
    return !trap.Failed() && got;
}

void WindowImage::Put(::Window window, ::GC gc, const RECT& rect) const {
    if (m_pImage == nullptr || IsEmptyRect(rect)) {
        return;
    }
    const auto w = static_cast<unsigned>(rect.right - rect.left);
    const auto h = static_cast<unsigned>(rect.bottom - rect.top);
    if (m_bShared) {
        ::XShmPutImage(X().display, window, gc, m_pImage, rect.left, rect.top, rect.left, rect.top, w, h, False);
    } else {
        ::XPutImage(X().display, window, gc, m_pImage, rect.left, rect.top, rect.left, rect.top, w, h);
    }
}

void WindowImage::Put(::Window window, ::GC gc, const std::vector<RECT>& rects) const {
    if (rects.size() <= 1) {
        if (!rects.empty()) {
            Put(window, gc, rects.front());
        }
        return;
    }
    std::vector<::XRectangle> clip;
    clip.reserve(rects.size());
    RECT box;
    for (const RECT& r : rects) {
        if (IsEmptyRect(r)) {
            continue;
        }
        clip.push_back(::XRectangle{static_cast<short>(r.left), static_cast<short>(r.top),
                                    static_cast<unsigned short>(r.Width()), static_cast<unsigned short>(r.Height())});
        box = UnionRects(box, r);
    }
    ::XSetClipRectangles(X().display, gc, 0, 0, clip.data(), static_cast<int>(clip.size()), Unsorted);
    Put(window, gc, box);
    ::XSetClipMask(X().display, gc, None);
}

}  // namespace fw::x11
