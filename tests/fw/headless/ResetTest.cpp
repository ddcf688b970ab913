// One call gives a fresh platform.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

using ResetTest = HeadlessTest;

TEST_F(ResetTest, ResetLeavesNoWindowsQueueClockProfileOrScreen) {
    hl::SetScreenSize(10, 10);
    hl::FillDesktop(RGB(1, 1, 1));
    hl::SetTickCount(5000);
    hl::AdvanceClock(100);
    m_app.SetRegistryKey("Orvalle");
    m_app.WriteProfileInt("Config", "Number", 3);
    hl::FailProfileWrites();
    auto* wnd = new CWnd;
    ASSERT_TRUE(wnd->CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 5, 5, nullptr, 0));
    const HWND old = wnd->m_hWnd;
    wnd->SetTimer(1, 0, nullptr);
    wnd->PostMessage(WM_CLOSE);
    PostQuitMessage(4);
    hl::ScriptEnter();
    hl::AnswerColorDialog(IDOK, 0);
    hl::MouseMove(3, 3);

    hl::Reset();
    EXPECT_TRUE(hl::LiveWindows().empty());
    EXPECT_FALSE(wnd->IsWindow());
    EXPECT_EQ(hl::PostedMessagesWaiting(), 0u);
    EXPECT_FALSE(hl::QuitPending());
    EXPECT_EQ(hl::NowMicroseconds(), 0u);
    EXPECT_EQ(GetTickCount(), 0u);
    EXPECT_EQ(hl::ProfileValueCount(), 0u);
    EXPECT_TRUE(m_app.WriteProfileInt("Config", "Number", 3)) << "writes succeed again";
    EXPECT_EQ(hl::ScreenWidth(), hl::kDefaultScreenWidth);
    EXPECT_EQ(hl::ScreenHeight(), hl::kDefaultScreenHeight);
    EXPECT_EQ(hl::GetScreenPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(hl::ScriptStepsLeft(), 0u);
    EXPECT_EQ(hl::CursorPos().x, 0);
    EXPECT_EQ(hl::ActiveWindow(), nullptr);
    EXPECT_EQ(hl::RunFor(1000), 0u) << "no timer survives";
    CColorDialog colour;
    EXPECT_EQ(colour.DoModal(), IDCANCEL);

    // The old object is not attached to any live window; deleting it is safe.
    delete wnd;
    CWnd fresh;
    ASSERT_TRUE(fresh.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 5, 5, nullptr, 0));
    EXPECT_NE(fresh.m_hWnd, old) << "handles are never used twice";
    fresh.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
