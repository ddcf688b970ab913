// The run-mode window closes at the first sign of the user, always through
// a posted WM_CLOSE, and ends the message loop when it goes.
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

class FullScreenInput : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        hl::SetCursorPos(500, 400);
        m_deletions = 0;
        m_pWnd = new TrackedFullScreenWnd(&m_deletions);
        ASSERT_TRUE(m_pWnd->CreateFullScreen());
        m_hWnd = m_pWnd->GetSafeHwnd();
        hl::PumpMessages();
        ASSERT_TRUE(Open());
    }

    bool Open() const { return hl::IsLiveWindow(m_hWnd) && m_deletions == 0; }
    // Closed the platform's way: destroyed once, quit posted with 0, object
    // deleted once.
    void ExpectClosed() const {
        EXPECT_FALSE(hl::IsLiveWindow(m_hWnd));
        EXPECT_EQ(hl::DeliveredCount(m_hWnd, fw::WM_DESTROY), 1u);
        EXPECT_EQ(m_deletions, 1);
        EXPECT_TRUE(hl::QuitPending());
        EXPECT_EQ(hl::QuitExitCode(), 0);
    }
    void ExpectOpen() const {
        EXPECT_TRUE(Open());
        EXPECT_EQ(hl::DeliveredCount(m_hWnd, fw::WM_CLOSE), 0u);
        EXPECT_FALSE(hl::QuitPending());
    }

    int m_deletions = 0;
    TrackedFullScreenWnd* m_pWnd = nullptr;
    fw::HWND m_hWnd = nullptr;
};

TEST_F(FullScreenInput, TheFirstMouseMessageOnlyRecordsWhereTheCursorRests) {
    // The window appeared under the resting cursor and got its first move.
    EXPECT_EQ(m_pWnd->m_ptFirst.x, 500);
    EXPECT_EQ(m_pWnd->m_ptFirst.y, 400);
    ExpectOpen();
}

TEST_F(FullScreenInput, AFirstMoveAnywhereNeverCloses) {
    // A fresh window whose first message is a real move to a new place.
    m_pWnd->m_ptFirst = fw::POINT{-1, -1};
    hl::MouseMove(3, 700);
    hl::PumpMessages();
    EXPECT_EQ(m_pWnd->m_ptFirst.x, 3);
    EXPECT_EQ(m_pWnd->m_ptFirst.y, 700);
    ExpectOpen();
}

TEST_F(FullScreenInput, OnlyBothCoordinatesAtMinusOneMeanNoneSeen) {
    m_pWnd->m_ptFirst = fw::POINT{-1, 5};
    m_pWnd->SendMessage(fw::WM_MOUSEMOVE, 0, fw::MAKELPARAM(0xFFFFu, 6));
    hl::PumpMessages();
    EXPECT_FALSE(Open()) << "(-1, 5) was a recorded position";
}

TEST_F(FullScreenInput, AMoveToTheRecordedPositionDoesNothing) {
    for (int i = 0; i < 3; ++i) m_pWnd->SendMessage(fw::WM_MOUSEMOVE, 0, fw::MAKELPARAM(500, 400));
    hl::PumpMessages();
    ExpectOpen();
    EXPECT_EQ(m_pWnd->m_ptFirst.x, 500);
}

TEST_F(FullScreenInput, OnePixelAwayInXCloses) {
    hl::MouseMove(501, 400);
    hl::PumpMessages();
    ExpectClosed();
}

TEST_F(FullScreenInput, OnePixelAwayInYCloses) {
    hl::MouseMove(500, 399);
    hl::PumpMessages();
    ExpectClosed();
}

TEST_F(FullScreenInput, MovesGetDefaultProcessingAndKeepTheFirstPosition) {
    DefaultProcessingLog defaults;
    m_pWnd->SendMessage(fw::WM_MOUSEMOVE, 0, fw::MAKELPARAM(600, 400));
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_MOUSEMOVE), 1u);
    EXPECT_EQ(m_pWnd->m_ptFirst.x, 500) << "not changed by the move that closes";
    EXPECT_TRUE(hl::IsLiveWindow(m_hWnd)) << "the handler only posts";
    EXPECT_EQ(hl::PostedMessagesWaiting(), 1u);
}

TEST_F(FullScreenInput, EveryKeyCloses) {
    for (fw::UINT key : {hl::VK_ESCAPE, hl::VK_SPACE, hl::VK_RETURN, static_cast<fw::UINT>('A')}) {
        TearDown();
        SetUp();
        hl::KeyDown(key);
        hl::PumpMessages();
        ExpectClosed();
    }
}

TEST_F(FullScreenInput, AltAloneCloses) {
    hl::KeyDown(hl::VK_MENU);
    hl::PumpMessages();
    EXPECT_EQ(hl::DeliveredCount(m_hWnd, fw::WM_SYSKEYDOWN), 1u);
    ExpectClosed();
}

TEST_F(FullScreenInput, EachMouseButtonCloses) {
    for (hl::MouseButton button : {hl::MouseButton::Left, hl::MouseButton::Middle, hl::MouseButton::Right}) {
        TearDown();
        SetUp();
        hl::MouseButtonDown(button);
        hl::PumpMessages();
        ExpectClosed();
    }
}

TEST_F(FullScreenInput, InputHandlersPostAndThenRunDefaultProcessing) {
    const std::pair<fw::UINT, fw::WPARAM> inputs[] = {
        {fw::WM_KEYDOWN, 'B'}, {fw::WM_SYSKEYDOWN, hl::VK_MENU}, {fw::WM_LBUTTONDOWN, 0},
        {fw::WM_MBUTTONDOWN, 0}, {fw::WM_RBUTTONDOWN, 0}};
    for (const auto& input : inputs) {
        DefaultProcessingLog defaults;
        const std::size_t waiting = hl::PostedMessagesWaiting();
        m_pWnd->SendMessage(input.first, input.second, fw::MAKELPARAM(500, 400));
        EXPECT_EQ(defaults.Count(m_hWnd, input.first), 1u) << std::hex << input.first;
        EXPECT_EQ(hl::PostedMessagesWaiting(), waiting + 1) << std::hex << input.first;
    }
    EXPECT_TRUE(hl::IsLiveWindow(m_hWnd));
    hl::PumpMessages();
    ExpectClosed();
}

TEST_F(FullScreenInput, ReleasesWheelAndKeyUpsDoNotClose) {
    hl::MouseButtonUp(hl::MouseButton::Left);
    hl::MouseButtonUp(hl::MouseButton::Middle);
    hl::MouseButtonUp(hl::MouseButton::Right);
    hl::MouseWheel(120);
    hl::MouseWheel(-240);
    hl::KeyUp(hl::VK_SPACE);
    hl::KeyUp(hl::VK_MENU);
    hl::PumpMessages();
    ExpectOpen();
}

TEST_F(FullScreenInput, ScreenSaveAndCloseCommandsAreSwallowed) {
    DefaultProcessingLog defaults;
    hl::SendSysCommand(m_hWnd, fw::SC_SCREENSAVE);
    hl::SendSysCommand(m_hWnd, fw::SC_CLOSE);
    hl::PumpMessages();
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_SYSCOMMAND), 0u);
    EXPECT_TRUE(hl::DefaultSysCommands().empty());
    ExpectOpen();
}

TEST_F(FullScreenInput, OtherSystemCommandsGetDefaultProcessingComparedWhole) {
    hl::SendSysCommand(m_hWnd, fw::SC_MOVE);
    hl::SendSysCommand(m_hWnd, fw::SC_SCREENSAVE | 0x2);
    EXPECT_EQ(hl::DefaultSysCommands(), (std::vector<fw::UINT>{fw::SC_MOVE, fw::SC_SCREENSAVE | 0x2}));
}

TEST_F(FullScreenInput, ActivatingAnotherWindowCloses) {
    const fw::HWND other = hl::CreatePlainWindow(fw::WS_POPUP, 0, 0, 10, 10);
    ASSERT_EQ(hl::ActiveWindow(), m_hWnd);
    hl::ActivateWindow(other);
    hl::PumpMessages();
    ExpectClosed();
}

TEST_F(FullScreenInput, AnotherApplicationBecomingActiveCloses) {
    hl::ActivateOtherApplication();
    hl::PumpMessages();
    ExpectClosed();
}

TEST_F(FullScreenInput, ActivationHandlersPostAndThenRunDefaultProcessing) {
    DefaultProcessingLog defaults;
    m_pWnd->SendMessage(fw::WM_ACTIVATE, fw::WA_INACTIVE, 0);
    m_pWnd->SendMessage(fw::WM_ACTIVATEAPP, fw::FALSE, 0);
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_ACTIVATE), 1u);
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_ACTIVATEAPP), 1u);
    EXPECT_EQ(hl::PostedMessagesWaiting(), 2u);
}

TEST_F(FullScreenInput, BeingActivatedDoesNotClose) {
    DefaultProcessingLog defaults;
    m_pWnd->SendMessage(fw::WM_ACTIVATE, fw::WA_ACTIVE, 0);
    m_pWnd->SendMessage(fw::WM_ACTIVATE, fw::WA_CLICKACTIVE, 0);
    m_pWnd->SendMessage(fw::WM_ACTIVATEAPP, fw::TRUE, 0);
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_ACTIVATE), 2u);
    hl::PumpMessages();
    ExpectOpen();
}

TEST_F(FullScreenInput, LosingNonClientActivationReturnsFalseWithoutDefaultProcessing) {
    DefaultProcessingLog defaults;
    EXPECT_EQ(m_pWnd->SendMessage(fw::WM_NCACTIVATE, fw::FALSE, 0), fw::FALSE);
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_NCACTIVATE), 0u);
    m_pWnd->SendMessage(fw::WM_NCACTIVATE, fw::TRUE, 0);
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_NCACTIVATE), 1u);
    hl::PumpMessages();
    ExpectOpen();
}

TEST_F(FullScreenInput, SetCursorHidesTheCursorWithoutDefaultProcessing) {
    hl::SetCursorPos(0, 0);
    DefaultProcessingLog defaults;
    const std::size_t calls = hl::SetCursorCalls();
    EXPECT_EQ(m_pWnd->SendMessage(fw::WM_SETCURSOR, reinterpret_cast<fw::WPARAM>(m_hWnd), 1), fw::TRUE);
    EXPECT_EQ(hl::SetCursorCalls(), calls + 1);
    EXPECT_EQ(hl::CurrentCursor(), nullptr);
    EXPECT_EQ(defaults.Count(m_hWnd, fw::WM_SETCURSOR), 0u);
}

TEST_F(FullScreenInput, SeveralInputsDestroyOnce) {
    hl::KeyDown(hl::VK_SPACE);
    hl::MouseButtonDown(hl::MouseButton::Left);
    hl::MouseMove(10, 10);
    hl::KeyDown(hl::VK_MENU);
    hl::PumpMessages();
    ExpectClosed();
}

TEST_F(FullScreenInput, TheWindowRunsUntilInputThenTheLoopEnds) {
    hl::ScheduleAfter(500, [] { hl::KeyDown(hl::VK_ESCAPE); });
    EXPECT_EQ(m_app->Run(), 0);
    EXPECT_EQ(m_deletions, 1);
    EXPECT_GE(hl::DeliveredCount(m_hWnd, fw::WM_TIMER), 30u) << "it animated meanwhile";
}

}  // namespace
}  // namespace tidewell::test
