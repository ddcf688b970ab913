#include "fw/win32/WindowMirror.h"

#include <algorithm>
#include <cstring>

#include "fw/win32/WindowRecord.h"

namespace fw {
namespace win32 {

namespace {

// Copies the part of source (whose top-left pixel is at sourceOrigin) that
// overlaps target (at targetOrigin), both in the same coordinates.
void CopyOverlap(const DibSection& source, POINT sourceOrigin, DibSection& target, POINT targetOrigin) {
    const int left = std::max(sourceOrigin.x, targetOrigin.x);
    const int top = std::max(sourceOrigin.y, targetOrigin.y);
    const int right = std::min(sourceOrigin.x + source.Width(), targetOrigin.x + target.Width());
    const int bottom = std::min(sourceOrigin.y + source.Height(), targetOrigin.y + target.Height());
    if (right <= left || bottom <= top) {
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(right - left) * sizeof(std::uint32_t);
    for (int y = top; y < bottom; ++y) {
        std::memcpy(target.Row(y - targetOrigin.y) + (left - targetOrigin.x),
                    source.Row(y - sourceOrigin.y) + (left - sourceOrigin.x), bytes);
    }
}

}  // namespace

std::unique_ptr<ScreenPicture> CaptureScreen(const ::RECT& screenRect) {
    auto picture = std::make_unique<ScreenPicture>();
    picture->rect = screenRect;
    picture->pixels =
        std::make_unique<DibSection>(screenRect.right - screenRect.left, screenRect.bottom - screenRect.top);
    if (!picture->pixels->Valid()) {
        return nullptr;
    }
    ::HDC screen = ::GetDC(nullptr);
    const bool ok = picture->pixels->CopyFrom(screen, screenRect.left, screenRect.top);
    ::ReleaseDC(nullptr, screen);
    if (!ok) {
        return nullptr;
    }
    return picture;
}

DibSection* WindowMirror::Sync(::HWND hWnd) {
    ::RECT client{};
    ::GetClientRect(hWnd, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (m_pBitmap && m_pBitmap->Width() == width && m_pBitmap->Height() == height) {
        return m_pBitmap.get();
    }
    if (!m_pBitmap && m_pFirstPicture) {
        // A window without a frame covers exactly what was taken: use it as is.
        ::POINT origin{0, 0};
        ::ClientToScreen(hWnd, &origin);
        const ::RECT& taken = m_pFirstPicture->rect;
        if (taken.left == origin.x && taken.top == origin.y && taken.right - taken.left == width &&
            taken.bottom - taken.top == height) {
            m_pBitmap = std::move(m_pFirstPicture->pixels);
            m_pFirstPicture.reset();
            return m_pBitmap.get();
        }
    }

    auto bitmap = std::make_unique<DibSection>(width, height);
    if (!bitmap->Valid()) {
        m_pBitmap.reset();
        return nullptr;
    }
    if (m_pBitmap) {
        CopyOverlap(*m_pBitmap, POINT{0, 0}, *bitmap, POINT{0, 0});
    } else {
        Fill(hWnd, *bitmap);
    }
    m_pBitmap = std::move(bitmap);
    return m_pBitmap.get();
}

void WindowMirror::Fill(::HWND hWnd, DibSection& bitmap) {
    if (m_pFirstPicture) {
        ::POINT origin{0, 0};
        ::ClientToScreen(hWnd, &origin);
        CopyOverlap(*m_pFirstPicture->pixels, POINT{m_pFirstPicture->rect.left, m_pFirstPicture->rect.top}, bitmap,
                    POINT{origin.x, origin.y});
        m_pFirstPicture.reset();  // only the first picture needs it
        return;
    }
    ::HDC own = ::GetDC(hWnd);
    bitmap.CopyFrom(own, 0, 0);
    ::ReleaseDC(hWnd, own);
}

WindowMirror& MirrorFor(::HWND hWnd) {
    std::unique_ptr<WindowMirror>& mirror = RecordFor(hWnd).mirror;
    if (!mirror) {
        mirror = std::make_unique<WindowMirror>();
    }
    return *mirror;
}

}  // namespace win32
}  // namespace fw
