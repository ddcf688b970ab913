#pragma once
#include "fw/Types.h"

namespace fw {

class CWnd;

// A solid brush; the colour is all a fill needs.
class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) : m_crColor(colour), m_bCreated(TRUE) {}
    BOOL CreateSolidBrush(COLORREF colour) {
        m_crColor = colour;
        m_bCreated = TRUE;
        return TRUE;
    }
    COLORREF GetColor() const { return m_crColor; }
    BOOL IsCreated() const { return m_bCreated; }

private:
    COLORREF m_crColor = 0;
    BOOL m_bCreated = FALSE;
};

// A device context for a window's client area. Reads give what the window
// shows, CLR_INVALID outside the client area (and outside the clip of a
// paint); writes outside are dropped. Each backend defines Impl.
class CDC {
public:
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    COLORREF GetPixel(int x, int y) const;
    BOOL SetPixelV(int x, int y, COLORREF colour);
    void FillRect(const RECT* rect, CBrush* brush);
    BOOL DrawIcon(int x, int y, HICON icon);
    HDC GetSafeHdc() const { return m_hDC; }

    HDC m_hDC = nullptr;

    struct Impl;

protected:
    CDC() = default;
    Impl* m_pImpl = nullptr;
};

// For drawing outside a paint; releases the context at its end.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;
};

// BeginPaint in the constructor, EndPaint in the destructor; clipped to
// m_ps.rcPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps;
};

}  // namespace fw
