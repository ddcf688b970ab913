#pragma once
#include "fw/DirtyRegion.h"
#include "fw/Types.h"
#include "particles/PixelView.h"

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
// paint); writes outside are dropped. The pixels are memory the backend
// shows in the window: what was written there is copied to the window when
// the context ends. Each backend defines Impl (see fw/Backend.h).
class CDC {
public:
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    COLORREF GetPixel(int x, int y) const { return m_pixels.Get(x, y); }
    // FALSE, and nothing written, for a point outside.
    BOOL SetPixelV(int x, int y, COLORREF colour);
    void FillRect(const RECT* rect, CBrush* brush);
    BOOL DrawIcon(int x, int y, HICON icon);
    HDC GetSafeHdc() const { return m_hDC; }

    // Direct access to what GetPixel and SetPixelV reach, for callers that
    // touch many pixels; they report what they wrote with MarkChanged.
    const tidewell::PixelView& Pixels() const { return m_pixels; }
    void MarkChanged(const RECT& rect);

    HDC m_hDC = nullptr;

    struct Impl;
    // For a backend opening the context: its own state, the handle, the
    // pixels, and whether they need copying to the window at the end (not
    // when they are the window's own).
    void Attach(Impl* impl, HDC hDC, const tidewell::PixelView& pixels, bool recordChanges);

protected:
    CDC() = default;
    Impl* m_pImpl = nullptr;
    tidewell::PixelView m_pixels;
    // Off when the pixels are the window's own and need no copying.
    bool m_bRecordChanges = true;
    DirtyRegion m_changed;
};

// For drawing outside a paint; releases the context at its end.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* pWnd);
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
