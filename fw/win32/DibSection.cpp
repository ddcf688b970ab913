#include "fw/win32/DibSection.h"

namespace fw {
namespace win32 {

DibSection::DibSection(int width, int height) {
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (m_hBitmap == nullptr || bits == nullptr) {
        return;
    }
    m_hMemDC = ::CreateCompatibleDC(nullptr);
    if (m_hMemDC == nullptr) {
        return;
    }
    m_hOldBitmap = ::SelectObject(m_hMemDC, m_hBitmap);
    m_pBits = static_cast<std::uint32_t*>(bits);
    m_nWidth = width;
    m_nHeight = height;
}

DibSection::~DibSection() {
    if (m_hMemDC != nullptr) {
        if (m_hOldBitmap != nullptr) {
            ::SelectObject(m_hMemDC, m_hOldBitmap);
        }
        ::DeleteDC(m_hMemDC);
    }
    if (m_hBitmap != nullptr) {
        ::DeleteObject(m_hBitmap);
    }
}

bool DibSection::CopyFrom(::HDC source, int srcX, int srcY) {
    if (!Valid() || source == nullptr) {
        return false;
    }
    const bool ok = ::BitBlt(m_hMemDC, 0, 0, m_nWidth, m_nHeight, source, srcX, srcY, SRCCOPY) != 0;
    ::GdiFlush();  // the bits are read directly next
    return ok;
}

bool DibSection::CopyTo(::HDC target, const ::RECT& rect) const {
    if (!Valid() || target == nullptr || rect.right <= rect.left || rect.bottom <= rect.top) {
        return false;
    }
    return ::BitBlt(target, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, m_hMemDC, rect.left,
                    rect.top, SRCCOPY) != 0;
}

}  // namespace win32
}  // namespace fw
