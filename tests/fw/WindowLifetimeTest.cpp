// Closing and destruction in the platform's order: a posted WM_CLOSE
// destroys later and once; WM_DESTROY, then WM_NCDESTROY, then PostNcDestroy
// after the last message; children after their parent, owned windows before
// their owner; a failed WM_CREATE; the main window ends Run.
#include <gtest/gtest.h>

#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformTest.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {
namespace {

const std::set<std::string> kLifetime = {"OnDestroy", "OnNcDestroy", "PostNcDestroy"};

using WindowLifetimeTest = PlatformTest;

TEST_F(WindowLifetimeTest, APostedCloseOrTheSystemMenusCloseDestroysOnceAndNothingFollows) {
    for (const bool posted : {true, false}) {
        EventLog log;
        auto* wnd = new RecordingWnd(log, true);
        ASSERT_TRUE(wnd->CreatePopup(0, 0, 80, 60));
        const HWND hWnd = wnd->m_hWnd;
        PumpUntilIdle();
        if (posted) {
            for (int i = 0; i < 3; ++i) {
                wnd->PostMessage(WM_CLOSE);
            }
            wnd->PostMessage(WM_TIMER, 9);
            EXPECT_TRUE(Only(log, kLifetime).empty()) << "the close waits for the loop";
            EXPECT_TRUE(CWnd::FromHandle(hWnd)->IsWindow());
        } else {
            wnd->SendMessage(WM_SYSCOMMAND, SC_CLOSE);  // through default processing
        }
        PumpUntilIdle();
        EXPECT_EQ(Only(log, kLifetime), (EventLog{"OnDestroy", "OnNcDestroy", "PostNcDestroy"})) << posted;
        EXPECT_FALSE(CWnd::FromHandle(hWnd)->IsWindow());
        // The object is gone; a message for its handle must be dropped.
        CWnd::FromHandle(hWnd)->PostMessage(WM_TIMER, 9);
        CWnd::FromHandle(hWnd)->SendMessage(WM_TIMER, 9);
        PumpUntilIdle();
        EXPECT_EQ(log.back(), "PostNcDestroy");
        EXPECT_TRUE(Only(log, {"OnTimer"}).empty());
    }
}

// Children go after their parent's WM_DESTROY and are freed first; owned
// windows go whole before their owner. PostNcDestroy is each one's last.
TEST_F(WindowLifetimeTest, ChildrenAfterTheirParentOwnedWindowsBeforeTheirOwner) {
    SKIP_WHERE(noWindowTree);
    for (const bool child : {true, false}) {
        EventLog log;
        auto* top = new RecordingWnd(log, true, "top");
        ASSERT_TRUE(top->CreatePopup(0, 0, 100, 100));
        auto* other = new RecordingWnd(log, true, "other");
        ASSERT_TRUE(other->CreateEx(0, nullptr, "", (child ? WS_CHILD : WS_POPUP) | WS_VISIBLE, 20, 20, 40, 40,
                                    top->m_hWnd, 0));
        PumpUntilIdle();
        top->DestroyWindow();
        const EventLog expected = child ? EventLog{"OnDestroy [top]",       "OnDestroy [other]", "OnNcDestroy [other]",
                                                   "PostNcDestroy [other]", "OnNcDestroy [top]", "PostNcDestroy [top]"}
                                        : EventLog{"OnDestroy [other]", "OnNcDestroy [other]", "PostNcDestroy [other]",
                                                   "OnDestroy [top]",   "OnNcDestroy [top]",   "PostNcDestroy [top]"};
        EXPECT_EQ(Only(log, kLifetime), expected) << (child ? "child" : "owned");
        EXPECT_EQ(log.back(), "PostNcDestroy [top]");
    }
}

TEST_F(WindowLifetimeTest, CreationRunsOnCreateThenOnSizeAndOnCreateReturningMinusOneFailsIt) {
    EventLog log;
    RecordingWnd made(log);
    ASSERT_TRUE(made.CreatePopup(0, 0, 160, 90));
    EXPECT_EQ(Only(log, {"OnCreate", "OnSize"}), (EventLog{"OnCreate 160x90", "OnSize 0 160x90"}));
    made.DestroyWindow();
    log.clear();
    RecordingWnd wnd(log);
    wnd.m_nCreateResult = -1;
    EXPECT_FALSE(wnd.CreatePopup(0, 0, 50, 50));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(Only(log, {"OnCreate", "OnNcDestroy", "PostNcDestroy"}),
              (EventLog{"OnCreate 50x50", "OnNcDestroy", "PostNcDestroy"}));
    EXPECT_TRUE(Only(log, {"OnSize"}).empty());
}

TEST_F(WindowLifetimeTest, OnlyTheMainWindowsDestructionEndsRun) {
    EventLog log;
    RecordingWnd other(log);
    ASSERT_TRUE(other.CreatePopup(0, 0, 80, 60));
    other.DestroyWindow();
    PumpUntilIdle();
    int exitCode = 0;
    EXPECT_FALSE(TakeQuitMessage(&exitCode));
    auto* wnd = new RecordingWnd(log, true);
    ASSERT_TRUE(wnd->CreatePopup(0, 0, 80, 60));
    m_app.m_pMainWnd = wnd;
    wnd->PostMessage(WM_CLOSE);
    EXPECT_EQ(m_app.Run(), 0);
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
    EXPECT_EQ(log.back(), "PostNcDestroy");
}

// An object bound to a window is what FromHandle gives, and takes its window
// along when it goes first; a window bound to no object gets a temporary
// that lasts.
TEST_F(WindowLifetimeTest, FromHandleGivesTheBoundObjectOrALastingTemporary) {
    EventLog log;
    HWND hWnd = nullptr;
    {
        RecordingWnd wnd(log);
        ASSERT_TRUE(wnd.CreatePopup(0, 0, 80, 60));
        hWnd = wnd.m_hWnd;
        EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
    }
    EXPECT_FALSE(CWnd::FromHandle(hWnd)->IsWindow());
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    RecordingWnd wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 80, 60));
    hWnd = wnd.Detach();
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    CWnd* temporary = CWnd::FromHandle(hWnd);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), temporary);
    temporary->DestroyWindow();
    EXPECT_FALSE(temporary->IsWindow());
}

}  // namespace
}  // namespace fw::test
