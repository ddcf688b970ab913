// The first paint: the fill rule, the white probe, the grids and the capture
// of what the window showed; and what later paints do.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using FirstPaint = WindowTest;

constexpr COLORREF kDefaultBack = 0x00A55D16u;

// Every pixel shown is the background colour or a particle's white.
void ExpectOnlyColourAndWhite(const std::vector<COLORREF>& shown, COLORREF colour) {
    EXPECT_EQ(CountOf(shown, colour) + CountOf(shown, kWhite), shown.size());
}

// One first paint: a client at the screen's top-left corner over a desktop,
// and whether it is filled with the colour or captures the desktop.
struct FillCase {
    const char* name;
    int screenWidth, screenHeight;
    int width, height;            // as wide as the screen: a full-width window, else a preview
    bool whiteDesktop;            // else a pattern without white
    std::vector<COLORREF> probe;  // the colours put at the probe points, if any
    bool filled;
};

TEST_F(FirstPaint, TheFillRuleAndTheWhiteProbe) {
    const COLORREF off = 0x00000000u;
    // A preview filled, a full-screen or full-width window capturing and Blank
    // filling are the golden scenes'.
    const FillCase cases[] = {
        {"even without Blank and any white", 1024, 768, 1023, 768, false, {}, true},
        {"three white probe points fill", 1024, 768, 1024, 768, false, {kWhite, kWhite, kWhite}, true},
        {"the first point off", 1024, 768, 1024, 768, false, {off, kWhite, kWhite}, false},
        {"the second point off", 1024, 768, 1024, 768, false, {kWhite, off, kWhite}, false},
        {"the third point off", 1024, 768, 1024, 768, false, {kWhite, kWhite, off}, false},
        {"one step off in blue", 1024, 768, 1024, 768, false, {kWhite, kWhite, 0x00FEFFFFu}, false},
        {"one step off in green", 1024, 768, 1024, 768, false, {kWhite, kWhite, 0x00FFFEFFu}, false},
        {"one step off in red", 1024, 768, 1024, 768, false, {kWhite, kWhite, 0x00FFFFFEu}, false},
        {"a high byte set", 1024, 768, 1024, 768, false, {kWhite, kWhite, 0x01FFFFFFu}, false},
        {"the probe uses the client's size", 1024, 768, 1024, 300, false, {kWhite, kWhite, kWhite}, true},
        // (w / 2, 10) lies below a 10-row client; (10, h - 10) right of a
        // 10-column one.
        {"all white, 10 rows", 1024, 768, 1024, 10, true, {}, false},
        {"all white, 10 columns", 10, 100, 10, 100, true, {}, false},
        {"all white, 11 x 11", 11, 11, 11, 11, true, {}, true},
    };
    for (const FillCase& c : cases) {
        TearDown();
        SetUp();
        SCOPED_TRACE(c.name);
        hl::SetScreenSize(c.screenWidth, c.screenHeight);
        if (c.whiteDesktop) {
            hl::SetDesktopPicture(std::vector<COLORREF>(hl::DesktopPicture().size(), kWhite));
        } else {
            UsePatternDesktop();
        }
        // The probe points of a w x h client.
        const int x[] = {c.width / 2, 10, c.width - 10}, y[] = {10, c.height - 10, c.height - 10};
        for (std::size_t i = 0; i < c.probe.size(); ++i) {
            SetDesktopPixel(x[i], y[i], c.probe[i]);
        }
        CParticleWnd* wnd = c.width < c.screenWidth ? MakePreview(c.width, c.height) : MakeFullWidth(c.height);
        hl::PumpMessages();
        ASSERT_TRUE(wnd->m_bCaptured);
        EXPECT_EQ(wnd->m_field.m_nWidth, c.width);
        EXPECT_EQ(wnd->m_field.m_nHeight, c.height);
        const auto cells = static_cast<std::size_t>(c.width * c.height);
        // A window that captures is as wide as the screen: its cells are the
        // desktop's first rows.
        const std::vector<COLORREF>& desktop = hl::DesktopPicture();
        EXPECT_EQ(BackgroundCells(*wnd), c.filled ? std::vector<COLORREF>(cells, kDefaultBack)
                                                  : std::vector<COLORREF>(desktop.begin(), desktop.begin() + cells));
        if (c.filled) {
            ExpectOnlyColourAndWhite(hl::ClientPixels(wnd->GetSafeHwnd()), kDefaultBack);
        }
    }
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

// A later paint of a preview fills again what the screen lost and draws the
// particles; that it keeps to the invalid region is the platform's.
TEST_F(FirstPaint, ALaterPaintOfAPreviewFillsAndDraws) {
    CParticleWnd* wnd = MakePreview(400, 300);
    hl::PumpMessages();
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            hl::TheWorld().screen.Set(x, y, 0x00777777);
        }
    }
    PlaceParticlesInView(*wnd);
    hl::InvalidateRect(wnd->GetSafeHwnd(), Rect(0, 0, 400, 300), fw::FALSE);
    hl::PumpMessages();
    const std::vector<COLORREF> shown = hl::ClientPixels(wnd->GetSafeHwnd());
    ExpectOnlyColourAndWhite(shown, kDefaultBack);
    EXPECT_GT(CountOf(shown, kWhite), 0u);
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
    // Frames and clears keep to the grids they have.
    PlaceParticlesInView(*wnd);
    wnd->SetBackColor(0x00102030);
    hl::MoveTo(hWnd, Rect(0, 0, 100, 50));
    for (int i = 0; i < 50; ++i) {
        hl::SetTickCount(static_cast<fw::DWORD>(2000 + 16 * i));
        wnd->SendMessage(fw::WM_TIMER, 1, 0);
    }
    hl::PumpMessages();
    EXPECT_EQ(wnd->m_field.m_nWidth, 400);
    EXPECT_EQ(wnd->m_field.m_nHeight, 300);
    EXPECT_EQ(BackgroundCells(*wnd), std::vector<COLORREF>(400 * 300, 0x00102030));
}

// A restarted field (the Linux program's reset) leaves the picture as it was,
// without its particles; how size changes make the field anew is the X11
// end-to-end cases'.
TEST_F(FirstPaint, ARestartedFieldShowsThePictureWithoutParticles) {
    UsePatternDesktop();
    CFullScreenWnd* full = MakeFullScreen();
    hl::PumpMessages();
    PlaceParticlesInView(*full);
    for (int i = 0; i < 20; ++i) {
        hl::SetTickCount(static_cast<fw::DWORD>(2000 + 16 * i));
        full->SendMessage(fw::WM_TIMER, 1, 0);
    }
    ASSERT_GT(CountOf(hl::ClientPixels(full->GetSafeHwnd()), kWhite), 0u);
    full->RestartField();
    EXPECT_EQ(hl::ClientPixels(full->GetSafeHwnd()), hl::DesktopPicture());
}

}  // namespace
}  // namespace tidewell::test
