// Paints and device contexts over the simulated screen: what a window shows
// before it paints, the paint's clip, clipping by the client area, by
// parents and by windows above.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

constexpr COLORREF kDesk = RGB(10, 20, 30);
constexpr COLORREF kInk = RGB(200, 0, 0);

// Paints its whole clip with one colour and remembers the paint's data.
class PainterWnd : public RecordingWnd {
public:
    using RecordingWnd::RecordingWnd;
    COLORREF m_crInk = kInk;
    std::vector<RECT> m_paints;
    COLORREF m_crProbe = 0;  // what the paint read at (0, 0)
    COLORREF m_crOutsideProbe = 0;  // ... and outside its clip

protected:
    void OnPaint() override {
        CPaintDC dc(this);
        m_paints.push_back(dc.m_ps.rcPaint);
        m_crProbe = dc.GetPixel(dc.m_ps.rcPaint.left, dc.m_ps.rcPaint.top);
        m_crOutsideProbe = dc.GetPixel(dc.m_ps.rcPaint.right, dc.m_ps.rcPaint.bottom);
        RECT client;
        GetClientRect(&client);
        CBrush brush(m_crInk);
        dc.FillRect(&client, &brush);
    }
};

class PaintTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        hl::SetScreenSize(200, 150);
        hl::FillDesktop(kDesk);
    }
    EventLog m_log;
};

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(PaintTest, AWindowThatHasNotPaintedShowsWhatIsUnderIt) {
    hl::SetScreenPixel(15, 25, RGB(1, 2, 3));
    RecordingWnd wnd(m_log);
    wnd.m_skipDefault = {"OnPaint"};  // never validates, never draws
    ASSERT_TRUE(wnd.CreatePopup(10, 20, 50, 40));
    CClientDC dc(&wnd);
    EXPECT_EQ(dc.GetPixel(5, 5), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(0, 0), kDesk);
    EXPECT_EQ(dc.GetPixel(50, 0), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(0, 40), CLR_INVALID);
    wnd.DestroyWindow();
}

TEST_F(PaintTest, ANewVisibleWindowIsInvalidAsAWholeAndOnePaintValidatesIt) {
    PainterWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(10, 20, 50, 40));
    EXPECT_TRUE(SameRect(hl::InvalidRect(wnd.m_hWnd), MakeRect(0, 0, 50, 40)));
    hl::PumpMessages();
    ASSERT_EQ(wnd.m_paints.size(), 1u);
    EXPECT_TRUE(SameRect(wnd.m_paints[0], MakeRect(0, 0, 50, 40)));
    EXPECT_FALSE(hl::IsInvalid(wnd.m_hWnd));
    EXPECT_EQ(hl::GetScreenPixel(10, 20), kInk);
    EXPECT_EQ(hl::GetScreenPixel(59, 59), kInk);
    EXPECT_EQ(hl::GetScreenPixel(60, 59), kDesk);
    wnd.DestroyWindow();
}

TEST_F(PaintTest, APartialRepaintIsClippedToItsRectangle) {
    PainterWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 100, 100));
    hl::PumpMessages();
    wnd.m_crInk = RGB(0, 0, 255);
    RECT part = MakeRect(10, 10, 20, 30);
    hl::InvalidateRect(wnd.m_hWnd, part, FALSE);
    hl::InvalidateRect(wnd.m_hWnd, MakeRect(15, 5, 25, 12), FALSE);
    hl::PumpMessages();
    ASSERT_EQ(wnd.m_paints.size(), 2u);
    EXPECT_TRUE(SameRect(wnd.m_paints[1], MakeRect(10, 5, 25, 30))) << "the union of both";
    EXPECT_EQ(wnd.m_crProbe, kInk);
    EXPECT_EQ(wnd.m_crOutsideProbe, CLR_INVALID);
    EXPECT_EQ(hl::GetScreenPixel(10, 5), RGB(0, 0, 255));
    EXPECT_EQ(hl::GetScreenPixel(24, 29), RGB(0, 0, 255));
    EXPECT_EQ(hl::GetScreenPixel(25, 29), kInk);
    EXPECT_EQ(hl::GetScreenPixel(9, 10), kInk);
    wnd.DestroyWindow();
}

TEST_F(PaintTest, DefaultPaintingValidatesWithoutDrawing) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 30, 30));
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, {"OnPaint"}).size(), 1u);
    EXPECT_FALSE(hl::IsInvalid(wnd.m_hWnd));
    EXPECT_EQ(hl::GetScreenPixel(5, 5), kDesk);
    wnd.DestroyWindow();
}

TEST_F(PaintTest, OnlyAClassBrushErasesTheBackground) {
    const char* brushed = AfxRegisterWndClass(0, nullptr, hl::SolidBrushHandle(RGB(0, 255, 0)), nullptr);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, brushed, "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, nullptr, 0));
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 50, 50, 20, 20, nullptr, 0));
    hl::PumpMessages();
    EXPECT_EQ(hl::GetScreenPixel(0, 0), RGB(0, 255, 0));
    EXPECT_EQ(hl::GetScreenPixel(19, 19), RGB(0, 255, 0));
    EXPECT_EQ(hl::GetScreenPixel(55, 55), kDesk);
    wnd.DestroyWindow();
    plain.DestroyWindow();
}

TEST_F(PaintTest, WritesOutsideTheClientAreaAreDropped) {
    RecordingWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(10, 10, 20, 20));
    CClientDC dc(&wnd);
    dc.SetPixelV(-1, 0, kInk);
    dc.SetPixelV(20, 0, kInk);
    dc.SetPixelV(0, 20, kInk);
    dc.SetPixelV(0, 0, kInk);
    EXPECT_EQ(hl::GetScreenPixel(9, 10), kDesk);
    EXPECT_EQ(hl::GetScreenPixel(30, 10), kDesk);
    EXPECT_EQ(hl::GetScreenPixel(10, 30), kDesk);
    EXPECT_EQ(hl::GetScreenPixel(10, 10), kInk);
    RECT big = MakeRect(-5, -5, 100, 100);
    CBrush brush(RGB(9, 9, 9));
    dc.FillRect(&big, &brush);
    EXPECT_EQ(hl::GetScreenPixel(9, 9), kDesk);
    EXPECT_EQ(hl::GetScreenPixel(29, 29), RGB(9, 9, 9));
    EXPECT_EQ(hl::GetScreenPixel(30, 30), kDesk);
    wnd.DestroyWindow();
}

TEST_F(PaintTest, AChildIsClippedToItsParentAndTheScreen) {
    RecordingWnd parent(m_log);
    ASSERT_TRUE(parent.CreatePopup(180, 130, 40, 40));  // runs off the screen
    RecordingWnd child(m_log);
    ASSERT_TRUE(child.CreateChild(parent, 10, 10, 50, 50));
    CClientDC dc(&child);
    EXPECT_EQ(dc.GetPixel(0, 0), kDesk);           // screen (190, 140)
    EXPECT_EQ(dc.GetPixel(9, 9), kDesk);           // screen (199, 149)
    EXPECT_EQ(dc.GetPixel(10, 0), CLR_INVALID);    // off the screen
    EXPECT_EQ(dc.GetPixel(0, 35), CLR_INVALID);    // below the parent
    parent.DestroyWindow();
}

TEST_F(PaintTest, AWindowAboveHidesWhatIsUnderItAndUncoversItWhenItGoes) {
    PainterWnd below(m_log);
    ASSERT_TRUE(below.CreatePopup(0, 0, 100, 100));
    hl::PumpMessages();
    PainterWnd above(m_log);
    above.m_crInk = RGB(0, 0, 255);
    ASSERT_TRUE(above.CreatePopup(50, 50, 100, 100));
    hl::PumpMessages();
    {
        CClientDC dc(&below);
        EXPECT_EQ(dc.GetPixel(60, 60), CLR_INVALID);
        dc.SetPixelV(60, 60, RGB(7, 7, 7));
        EXPECT_EQ(dc.GetPixel(40, 40), kInk);
    }
    EXPECT_EQ(hl::GetScreenPixel(60, 60), RGB(0, 0, 255));

    above.DestroyWindow();
    EXPECT_TRUE(SameRect(hl::InvalidRect(below.m_hWnd), MakeRect(50, 50, 100, 100)));
    EXPECT_EQ(hl::GetScreenPixel(120, 120), kDesk) << "the desktop shows again";
    hl::PumpMessages();
    EXPECT_EQ(hl::GetScreenPixel(60, 60), kInk);
    below.DestroyWindow();
}

TEST_F(PaintTest, AHiddenWindowShowsNothingAndGetsNoPaint) {
    PainterWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 30, 30, nullptr, 0));
    hl::PumpMessages();
    EXPECT_TRUE(wnd.m_paints.empty());
    CClientDC dc(&wnd);
    EXPECT_EQ(dc.GetPixel(1, 1), CLR_INVALID);
    wnd.ShowWindow(SW_SHOW);
    hl::PumpMessages();
    EXPECT_EQ(wnd.m_paints.size(), 1u);
    wnd.DestroyWindow();
}

TEST_F(PaintTest, ClientPixelsReadTheWindowsAreaOfTheScreen) {
    PainterWnd wnd(m_log);
    ASSERT_TRUE(wnd.CreatePopup(5, 5, 3, 2));
    hl::PumpMessages();
    EXPECT_EQ(hl::ClientPixels(wnd.m_hWnd), std::vector<COLORREF>(6, kInk));
    wnd.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
