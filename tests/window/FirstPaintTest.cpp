// The first paint: the fill rule, the white probe, the grids and the capture
// of what the window showed; and what later paints do.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using FirstPaint = WindowTest;

constexpr COLORREF kDefaultBack = 0x00A55D16u;

// The desktop's top-left width x height corner, row after row.
std::vector<COLORREF> DesktopCorner(int width, int height) {
    std::vector<COLORREF> corner;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            corner.push_back(hl::DesktopPicture()[static_cast<std::size_t>(x + y * hl::ScreenWidth())]);
    return corner;
}

// Every pixel shown is the background colour or a particle's white.
void ExpectOnlyColourAndWhite(const std::vector<COLORREF>& shown, COLORREF colour) {
    EXPECT_EQ(CountOf(shown, colour) + CountOf(shown, kWhite), shown.size());
}

TEST_F(FirstPaint, APreviewIsAlwaysFilledAndHoldsOnlyTheColour) {
    UsePatternDesktop();
    CParticleWnd* wnd = MakePreview(152, 112);
    hl::PumpMessages();
    ASSERT_TRUE(wnd->m_bCaptured);
    EXPECT_EQ(wnd->m_field.m_nWidth, 152);
    EXPECT_EQ(wnd->m_field.m_nHeight, 112);
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(152 * 112, kDefaultBack));
    ExpectOnlyColourAndWhite(hl::ClientPixels(wnd->GetSafeHwnd()), kDefaultBack);
}

TEST_F(FirstPaint, APreviewIsFilledEvenWhenBlankIsOffAndTheProbeFindsNoWhite) {
    // Stored Blank 0, and the pattern has no white: only the width decides.
    Store(SettingNames::kBlank, 0);
    UsePatternDesktop();
    CParticleWnd* wnd = MakePreview(hl::ScreenWidth() - 1, hl::ScreenHeight());
    hl::PumpMessages();
    EXPECT_EQ(CountOf(BackgroundCells(*wnd), kDefaultBack), BackgroundCells(*wnd).size());
}

TEST_F(FirstPaint, FullScreenOverADesktopCapturesTheDesktop) {
    UsePatternDesktop();
    CFullScreenWnd* wnd = MakeFullScreen();
    hl::PumpMessages();
    ASSERT_TRUE(wnd->m_bCaptured);
    EXPECT_EQ(wnd->m_field.m_nWidth, 1024);
    EXPECT_EQ(wnd->m_field.m_nHeight, 768);
    EXPECT_EQ(BackgroundCells(*wnd), hl::DesktopPicture());
    EXPECT_EQ(CountOf(hl::ClientPixels(wnd->GetSafeHwnd()), kDefaultBack), 0u) << "not filled";
}

TEST_F(FirstPaint, AFullWidthWindowOfAnyHeightCapturesTheDesktopUnderIt) {
    UsePatternDesktop();
    CFullScreenWnd* wnd = MakeFullWidth(300);
    hl::PumpMessages();
    EXPECT_EQ(wnd->m_field.m_nHeight, 300);
    EXPECT_EQ(BackgroundCells(*wnd), DesktopCorner(1024, 300));
}

TEST_F(FirstPaint, BlankFillsTheFullScreenWindow) {
    Store(SettingNames::kBlank, 1);
    Store(SettingNames::kColorRed, 1);
    Store(SettingNames::kColorGreen, 2);
    Store(SettingNames::kColorBlue, 3);
    UsePatternDesktop();
    CFullScreenWnd* wnd = MakeFullScreen();
    hl::PumpMessages();
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(1024 * 768, MakeColor(1, 2, 3)));
    ExpectOnlyColourAndWhite(hl::ClientPixels(wnd->GetSafeHwnd()), MakeColor(1, 2, 3));
}

// The probe points of a w x h client.
struct ProbePoint {
    int x, y;
};
std::vector<ProbePoint> ProbePoints(int w, int h) { return {{w / 2, 10}, {10, h - 10}, {w - 10, h - 10}}; }

void PaintProbePoints(const std::vector<ProbePoint>& points, const std::vector<COLORREF>& colours) {
    std::vector<COLORREF> pixels = hl::DesktopPicture();
    for (std::size_t i = 0; i < points.size(); ++i)
        pixels[static_cast<std::size_t>(points[i].x + points[i].y * hl::ScreenWidth())] = colours[i];
    hl::SetDesktopPicture(pixels);
}

TEST_F(FirstPaint, ThreeWhiteProbePointsFillTheFullScreenWindow) {
    UsePatternDesktop();
    PaintProbePoints(ProbePoints(1024, 768), {kWhite, kWhite, kWhite});
    CFullScreenWnd* wnd = MakeFullScreen();
    hl::PumpMessages();
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(1024 * 768, kDefaultBack));
}

TEST_F(FirstPaint, TwoOfThreeWhitePointsDoNotFill) {
    for (std::size_t off = 0; off < 3; ++off) {
        UsePatternDesktop();
        std::vector<COLORREF> colours(3, kWhite);
        colours[off] = 0x00000000;
        PaintProbePoints(ProbePoints(1024, 768), colours);
        CFullScreenWnd* wnd = MakeFullScreen();
        hl::PumpMessages();
        EXPECT_EQ(BackgroundCells(*wnd), hl::DesktopPicture()) << "point " << off << " not white";
        wnd->DestroyWindow();
        hl::PumpMessages();
        hl::ClearQuit();
    }
}

TEST_F(FirstPaint, OneStepOffWhiteInOneChannelIsNotWhite) {
    for (COLORREF nearWhite : {0x00FFFFFEu, 0x00FFFEFFu, 0x00FEFFFFu, 0x01FFFFFFu}) {
        UsePatternDesktop();
        PaintProbePoints(ProbePoints(1024, 768), {kWhite, kWhite, nearWhite});
        CFullScreenWnd* wnd = MakeFullScreen();
        hl::PumpMessages();
        EXPECT_EQ(CountOf(BackgroundCells(*wnd), kDefaultBack), 0u) << std::hex << nearWhite;
        wnd->DestroyWindow();
        hl::PumpMessages();
        hl::ClearQuit();
    }
}

TEST_F(FirstPaint, AllWhiteClientsUnder11PixelsAreNeverFilledByTheProbe) {
    // 10 rows: the top centre point (w / 2, 10) lies below the client.
    hl::FillDesktop(kWhite);
    CFullScreenWnd* low = MakeFullWidth(10);
    hl::PumpMessages();
    EXPECT_EQ(BackgroundCells(*low), std::vector<COLORREF>(1024 * 10, kWhite));
    low->DestroyWindow();
    hl::PumpMessages();
    hl::ClearQuit();  // a pending quit holds back paints

    // 10 columns on a 10-pixel-wide screen: (w - 10, h - 10) is column 0,
    // but (10, h - 10) lies right of the client.
    hl::SetScreenSize(10, 100);
    hl::FillDesktop(kWhite);
    CFullScreenWnd* narrow = MakeFullScreen();
    hl::PumpMessages();
    EXPECT_EQ(BackgroundCells(*narrow), std::vector<COLORREF>(10 * 100, kWhite));
}

TEST_F(FirstPaint, AnAllWhite11By11ClientIsFilled) {
    hl::SetScreenSize(11, 11);
    hl::FillDesktop(kWhite);
    CFullScreenWnd* wnd = MakeFullScreen();
    hl::PumpMessages();
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(11 * 11, kDefaultBack));
}

TEST_F(FirstPaint, TheProbeUsesTheClientsOwnSize) {
    // Full width, 300 rows: the bottom points are at row 290, not 758.
    UsePatternDesktop();
    PaintProbePoints(ProbePoints(1024, 300), {kWhite, kWhite, kWhite});
    CFullScreenWnd* wnd = MakeFullWidth(300);
    hl::PumpMessages();
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(1024 * 300, kDefaultBack));
}

TEST_F(FirstPaint, AClearPendingAtTheFirstPaintIsHonouredAfterTheCapture) {
    UsePatternDesktop();
    CFullScreenWnd* full = MakeFullScreen();
    full->SetBackColor(0x00010203);
    hl::PumpMessages();
    EXPECT_FALSE(full->m_field.m_bClear);
    // Full width: the window is filled, the captured desktop stays.
    EXPECT_EQ(BackgroundCells(*full), hl::DesktopPicture());
    std::vector<COLORREF> shown = hl::ClientPixels(full->GetSafeHwnd());
    // The first step of a large particle erases at (-1, -1), which puts the
    // captured desktop back at (1, 0) and (0, 1).
    for (std::size_t restored : {std::size_t{1}, std::size_t{1024}}) {
        EXPECT_TRUE(shown[restored] == hl::DesktopPicture()[restored] || shown[restored] == 0x00010203u);
        shown[restored] = 0x00010203;
    }
    ExpectOnlyColourAndWhite(shown, 0x00010203);
}

TEST_F(FirstPaint, AClearPendingAtAPreviewsFirstPaintRefillsItsBackground) {
    UsePatternDesktop();
    CParticleWnd* preview = MakePreview(200, 150);
    preview->SetBackColor(0x00040506);
    hl::PumpMessages();
    EXPECT_FALSE(preview->m_field.m_bClear);
    EXPECT_EQ(BackgroundCells(*preview), std::vector<COLORREF>(200 * 150, 0x00040506));
    ExpectOnlyColourAndWhite(hl::ClientPixels(preview->GetSafeHwnd()), 0x00040506);
}

TEST_F(FirstPaint, TheCaptureNeverContainsAFootprint) {
    UsePatternDesktop();
    CFullScreenWnd* wnd = MakeFullScreen();
    // Particles that the first paint's step draws at once.
    PlaceParticlesInView(*wnd);
    hl::PumpMessages();
    EXPECT_GT(CountOf(hl::ClientPixels(wnd->GetSafeHwnd()), kWhite), 100u) << "particles are shown";
    EXPECT_EQ(BackgroundCells(*wnd), hl::DesktopPicture());
    EXPECT_EQ(CountOf(BackgroundCells(*wnd), kWhite), 0u);
}

TEST_F(FirstPaint, OccupancyStartsAtZeroUnderTheFirstFootprints) {
    CFullScreenWnd* wnd = MakeFullScreen();
    PlaceParticlesInView(*wnd);
    hl::PumpMessages();
    // Each drawn particle counts its footprint once over a zeroed grid; the
    // erase at (-1, -1) of a first step can only touch (1, 0) and (0, 1).
    const OccupancyGrid& occupancy = *wnd->m_field.m_pOccupancy;
    std::int64_t total = 0;
    for (std::size_t i = 0; i < occupancy.Size(); ++i) total += occupancy.CellAt(i);
    std::int64_t expected = 0;
    for (std::int32_t i = 0; i < wnd->m_field.m_nCount; ++i) {
        const CParticle& p = wnd->m_field.m_pParticles[static_cast<std::size_t>(i)];
        expected += p.m_nSize == 2 ? 4 : (p.m_nSize == 0 || p.m_nSize == 1 ? 1 : 12);
        if (p.m_nSize != 0 && p.m_nSize != 1 && p.m_nSize != 2) expected -= 2;
    }
    EXPECT_EQ(total, expected);
}

TEST_F(FirstPaint, LaterPaintsKeepTheGridsAndDoNotRecapture) {
    UsePatternDesktop();
    CFullScreenWnd* wnd = MakeFullScreen();
    hl::PumpMessages();
    const BackgroundGrid* grid = wnd->m_field.m_pBackground.get();
    PlaceParticlesInView(*wnd);
    hl::InvalidateRect(wnd->GetSafeHwnd(), Rect(0, 0, 1024, 768), fw::FALSE);
    hl::PumpMessages();
    EXPECT_EQ(wnd->m_field.m_pBackground.get(), grid);
    EXPECT_EQ(BackgroundCells(*wnd), hl::DesktopPicture());
    EXPECT_GT(CountOf(hl::ClientPixels(wnd->GetSafeHwnd()), kWhite), 100u) << "the paint stepped";
}

TEST_F(FirstPaint, APartialRepaintOfAPreviewFillsAndDrawsOnlyInsideItsRegion) {
    CParticleWnd* wnd = MakePreview(400, 300);
    hl::PumpMessages();
    // Paint the client with a marker, then repaint one rectangle.
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) hl::SetScreenPixel(x, y, 0x00777777);
    PlaceParticlesInView(*wnd);
    const fw::RECT region = Rect(100, 80, 250, 200);
    hl::InvalidateRect(wnd->GetSafeHwnd(), region, fw::FALSE);
    hl::PumpMessages();
    const std::vector<COLORREF> shown = hl::ClientPixels(wnd->GetSafeHwnd());
    std::size_t whiteInside = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const COLORREF c = shown[static_cast<std::size_t>(x + y * 400)];
            const bool inside = x >= region.left && x < region.right && y >= region.top && y < region.bottom;
            if (inside) {
                ASSERT_TRUE(c == kDefaultBack || c == kWhite) << x << "," << y;
                whiteInside += c == kWhite;
            } else {
                ASSERT_EQ(c, 0x00777777u) << "outside the region at " << x << "," << y;
            }
        }
    }
    EXPECT_GT(whiteInside, 0u) << "particles inside the region are drawn";
}

TEST_F(FirstPaint, AResizedWindowKeepsTheGridSizeOfItsFirstPaint) {
    UsePatternDesktop();
    CParticleWnd* wnd = MakePreview(400, 300);
    hl::PumpMessages();
    const fw::HWND hWnd = wnd->GetSafeHwnd();
    // The control API has no resize; the backend's own move does it.
    hl::MoveTo(hWnd, Rect(0, 0, 600, 500));
    hl::InvalidateRect(hWnd, Rect(0, 0, 600, 500), fw::FALSE);
    hl::PumpMessages();
    EXPECT_EQ(wnd->m_field.m_nWidth, 400);
    EXPECT_EQ(wnd->m_field.m_nHeight, 300);
    EXPECT_EQ(wnd->m_field.m_pBackground->Width(), 400);
    EXPECT_EQ(wnd->m_field.m_pBackground->Height(), 300);
    // Frames and clears keep to the grids they have.
    PlaceParticlesInView(*wnd);
    wnd->SetBackColor(0x00102030);
    for (int i = 0; i < 50; ++i) {
        hl::SetTickCount(static_cast<fw::DWORD>(2000 + 16 * i));
        wnd->SendMessage(fw::WM_TIMER, 1, 0);
    }
    hl::MoveTo(hWnd, Rect(0, 0, 100, 50));
    for (int i = 0; i < 50; ++i) {
        hl::SetTickCount(static_cast<fw::DWORD>(4000 + 16 * i));
        wnd->SendMessage(fw::WM_TIMER, 1, 0);
    }
    hl::InvalidateRect(hWnd, Rect(0, 0, 100, 50), fw::FALSE);
    hl::PumpMessages();
    EXPECT_EQ(wnd->m_field.m_nWidth, 400);
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(400 * 300, 0x00102030));
}

}  // namespace
}  // namespace tidewell::test
