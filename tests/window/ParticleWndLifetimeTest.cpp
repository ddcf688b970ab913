// Who deletes a particle window, and what a window that never painted, or
// was never made, leaves behind.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using ParticleWndLifetime = WindowTest;

// A preview goes with its host: with auto-delete on it deletes itself, with it
// off it leaves the object, its particles and grids to its owner.
TEST_F(ParticleWndLifetime, AutoDeleteDecidesWhoDeletesAPreview) {
    for (const fw::BOOL autoDelete : {fw::TRUE, fw::FALSE}) {
        int deletions = 0;
        auto* wnd = new TrackedParticleWnd(autoDelete, &deletions);
        const fw::HWND host = MakeHost();
        ASSERT_TRUE(wnd->CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, Rect(0, 0, 152, 112),
                                              fw::CWnd::FromHandle(host)));
        hl::PumpMessages();
        EXPECT_EQ(deletions, 0);
        hl::DestroyWindow(host);
        EXPECT_EQ(deletions, autoDelete ? 1 : 0);
        EXPECT_FALSE(hl::QuitPending()) << "only the full-screen window ends the loop";
        if (!autoDelete) {
            EXPECT_EQ(wnd->GetSafeHwnd(), nullptr);
            EXPECT_TRUE(wnd->m_field.HasGrids());
            EXPECT_EQ(wnd->m_field.m_pParticles.size(), 547u);
            delete wnd;
        }
    }
}

// The full-screen window deleting itself once as it closes is
// FullScreenInputTest's, and before its first paint ParticleWndTimerTest's.
// A window whose WM_CREATE fails is torn down by the platform, which runs
// PostNcDestroy on the way.
class RefusingWnd : public TrackedParticleWnd {
public:
    using TrackedParticleWnd::TrackedParticleWnd;

protected:
    int OnCreate(fw::CREATESTRUCT*) override { return -1; }
};

// Refused by the platform (a parent that no longer exists) or by WM_CREATE:
// the object is deleted exactly once if it deletes itself, else left to its
// owner.
TEST_F(ParticleWndLifetime, FailedCreationLeavesTheObjectToWhoeverOwnsIt) {
    const fw::HWND host = MakeHost();
    fw::CWnd* gone = fw::CWnd::FromHandle(host);
    hl::DestroyWindow(host);
    for (const bool refusedInCreate : {false, true}) {
        for (const fw::BOOL autoDelete : {fw::TRUE, fw::FALSE}) {
            int deletions = 0;
            TrackedParticleWnd* wnd = refusedInCreate ? new RefusingWnd(autoDelete, &deletions)
                                                      : new TrackedParticleWnd(autoDelete, &deletions);
            EXPECT_FALSE(wnd->CreateParticleWindow(0, fw::WS_POPUP | fw::WS_VISIBLE, Rect(0, 0, 10, 10),
                                                   refusedInCreate ? nullptr : gone));
            EXPECT_EQ(deletions, autoDelete ? 1 : 0) << "auto-delete " << autoDelete << refusedInCreate;
            if (!autoDelete) {
                delete wnd;
            }
        }
    }
    hl::PumpMessages();
    EXPECT_TRUE(hl::LiveWindows().empty());
}

TEST_F(ParticleWndLifetime, ACreatedWindowStartsUncapturedEvenWhenMadeAgain) {
    CParticleWnd wnd(fw::FALSE);
    const fw::HWND host = MakeHost();
    ASSERT_TRUE(
        wnd.CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, Rect(0, 0, 100, 80), fw::CWnd::FromHandle(host)));
    hl::PumpMessages();
    wnd.DestroyWindow();
    ASSERT_TRUE(
        wnd.CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, Rect(0, 0, 60, 40), fw::CWnd::FromHandle(host)));
    EXPECT_FALSE(wnd.m_bCaptured);
    hl::PumpMessages();
    EXPECT_TRUE(wnd.m_bCaptured);
    EXPECT_EQ(wnd.m_field.m_pBackground->Width(), 60) << "a new window gets new grids";
    wnd.DestroyWindow();
}

}  // namespace
}  // namespace tidewell::test
