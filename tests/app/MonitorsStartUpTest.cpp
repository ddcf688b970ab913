// Run mode on a desktop of several monitors: one window per monitor, each a
// screen of its own, acting together as one saver.
#include <functional>
#include <string>
#include <vector>

#include "AppFixture.h"
#include "window/FullScreenWnd.h"

namespace tidewell::test {
namespace {

namespace hl = fw::headless;

class MonitorsStartUpTest : public AppFixture {
protected:
    // Two monitors of different sizes on one wide screen, and one left of
    // the primary (negative coordinates, off the simulated pixels), listed
    // with the primary in the middle.
    const fw::RECT kLeft{-640, 100, 0, 580};
    const fw::RECT kPrimary{0, 0, 1024, 768};
    const fw::RECT kRight{1024, 0, 1824, 600};

    void SetUp() override {
        AppFixture::SetUp();
        hl::SetScreenSize(1824, 768);
        hl::SetMonitors({{kLeft, false}, {kPrimary, true}, {kRight, false}});
        hl::SetWallTime(1000);
        hl::SetCursorPos(1500, 300);
        SetCommandLine({"/s"});
    }

    // The run-mode windows, in creation order.
    static std::vector<CFullScreenWnd*> Savers() {
        std::vector<CFullScreenWnd*> savers;
        for (fw::HWND h : hl::LiveWindows()) {
            if (auto* w = dynamic_cast<CFullScreenWnd*>(fw::CWnd::FromHandlePermanent(h))) {
                savers.push_back(w);
            }
        }
        return savers;
    }

    static CFullScreenWnd* SaverOver(const fw::RECT& monitor) {
        for (CFullScreenWnd* w : Savers()) {
            const fw::RECT r = hl::FindWindow(w->m_hWnd)->rect;
            if (r.left == monitor.left && r.top == monitor.top) {
                return w;
            }
        }
        return nullptr;
    }
};

// Each monitor shows its own part of the desktop in the Wine end-to-end
// cases; here, each field is its monitor's size, which they cannot see.
TEST_F(MonitorsStartUpTest, EachMonitorIsAScreenOfItsOwn) {
    ASSERT_EQ(m_app.InitInstance(), fw::TRUE);
    hl::PumpMessages();
    std::vector<std::vector<int>> sizes;
    for (CFullScreenWnd* w : Savers()) {
        sizes.push_back({w->m_field.m_nWidth, w->m_field.m_nHeight});
    }
    // The primary's first: it is the main window.
    EXPECT_EQ(sizes, (std::vector<std::vector<int>>{{1024, 768}, {640, 480}, {800, 600}}));
    EXPECT_EQ(m_app.m_pMainWnd, Savers().front());
}

TEST_F(MonitorsStartUpTest, ThePrimarySeedsAsALoneWindowAndTheOthersDiffer) {
    // Two monitors of one size: the same count, but never the same particles.
    hl::SetMonitors({{fw::RECT{0, 0, 800, 600}, true}, {fw::RECT{800, 0, 1600, 600}, false}});
    ASSERT_EQ(m_app.InitInstance(), fw::TRUE);
    std::vector<std::uint32_t> states;
    for (CFullScreenWnd* w : Savers()) {
        states.push_back(w->m_field.m_random.State());
        w->DestroyWindow();
    }
    ASSERT_EQ(states.size(), 2u);
    hl::ClearQuit();
    hl::SetMonitors({});
    hl::SetScreenSize(800, 600);
    auto* lone = new CFullScreenWnd;
    ASSERT_TRUE(lone->CreateFullScreen());
    EXPECT_EQ(states[0], lone->m_field.m_random.State());
    EXPECT_NE(states[1], states[0]);
    lone->DestroyWindow();
}

// AllMonitors=0, a screen without a monitor, and activation moving between the
// saver's windows while it runs are the Wine end-to-end cases'.

// A system that lists no usable monitor: the screen of the system metrics is
// the one monitor.
TEST_F(MonitorsStartUpTest, NoMonitorListedCoversTheScreenOfTheMetrics) {
    hl::SetMonitors({});
    hl::SetScreenSize(640, 480);
    CFullScreenWnd* pMain = CFullScreenWnd::CoverMonitors({{fw::RECT{5, 5, 5, 9}, true}}, true);
    ASSERT_NE(pMain, nullptr);
    EXPECT_EQ(Savers().size(), 1u);
    const fw::RECT r = hl::FindWindow(pMain->m_hWnd)->rect;
    EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}), (std::vector<int>{0, 0, 640, 480}));
    pMain->DestroyWindow();
}

TEST_F(MonitorsStartUpTest, AMonitorPluggedInIsCoveredAndOneUnpluggedTakesOnlyItsWindow) {
    CFullScreenWnd::CoverMonitorsPluggedIn(true);  // as the Linux program asks
    for (const bool allMonitors : {true, false}) {
        hl::SetMonitors({{kPrimary, true}});
        Store("AllMonitors", allMonitors ? 1 : 0);
        ASSERT_EQ(m_app.InitInstance(), fw::TRUE);
        hl::SetMonitors({{kLeft, false}, {kPrimary, true}, {kRight, false}});
        for (CFullScreenWnd* w : Savers()) {
            w->PostMessage(fw::WM_DISPLAYCHANGE, 32, 0);
        }
        hl::PumpMessages();
        ASSERT_EQ(Savers().size(), allMonitors ? 3u : 1u);
        if (!allMonitors) {
            SaverOver(kPrimary)->DestroyWindow();
            break;
        }
        // The primary's monitor goes: the saver runs on the others.
        SaverOver(kPrimary)->PostMessage(fw::WM_CLOSE, 0, 0);
        hl::PumpMessages();
        EXPECT_EQ(Savers().size(), 2u);
        EXPECT_FALSE(hl::QuitPending());
        EXPECT_EQ(m_app.m_pMainWnd, SaverOver(kLeft));
        for (CFullScreenWnd* w : Savers()) {
            w->DestroyWindow();
        }
        hl::ClearQuit();
    }
    CFullScreenWnd::CoverMonitorsPluggedIn(false);
}

// Which inputs end a window is FullScreenInputTest's; here, that one ends
// every window.
TEST_F(MonitorsStartUpTest, OneInputEndsTheWholeSaver) {
    const std::function<void()> inputs[] = {[] { hl::KeyDown(hl::VK_SPACE); },
                                            [] { hl::MouseMove(-10, 300); },  // onto the left monitor
                                            [] { hl::DeactivateApplication(); }};
    for (const auto& input : inputs) {
        SetUp();
        ASSERT_EQ(m_app.InitInstance(), fw::TRUE);
        hl::ScheduleAfter(500, input);
        EXPECT_EQ(m_app.Run(), 0);
        EXPECT_TRUE(Savers().empty());
    }
}

}  // namespace
}  // namespace tidewell::test
