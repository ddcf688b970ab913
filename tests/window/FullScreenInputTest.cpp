// The run-mode window closes at the first sign of the user, always through
// a posted WM_CLOSE, and ends the message loop when it goes.
#include <functional>

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
    }

    // Runs each action on a fresh window; whether it closed (destroyed once,
    // quit posted with 0, object deleted once) must be closes.
    void ExpectEach(const std::vector<std::pair<const char*, std::function<void()>>>& actions, bool closes) {
        for (const auto& action : actions) {
            TearDown();
            SetUp();
            action.second();
            hl::PumpMessages();
            SCOPED_TRACE(action.first);
            EXPECT_EQ(hl::FindWindow(m_hWnd) != nullptr, !closes);
            EXPECT_EQ(m_deletions, closes ? 1 : 0);
            EXPECT_EQ(hl::QuitPending(), closes);
            EXPECT_EQ(hl::TheWorld().quitCode, 0);
        }
    }
    fw::LRESULT Send(fw::UINT message, fw::WPARAM wParam, fw::LPARAM lParam = 0) {
        return m_pWnd->SendMessage(message, wParam, lParam);
    }

    TrackedFullScreenWnd* m_pWnd = nullptr;
    fw::HWND m_hWnd = nullptr;
};

// Where the first mouse message finds the cursor is the Wine end-to-end
// cases'; every input that closes posts one WM_CLOSE, seen here as the close.
TEST_F(FullScreenInput, EveryKeyButtonMoveAndLossOfActivationCloses) {
    ExpectEach(
        {{"A", [] { hl::KeyDown('A'); }},
         {"Alt alone", [] { hl::KeyDown(hl::VK_MENU); }},
         {"left", [] { hl::MouseButtonDown(hl::MouseButton::Left); }},
         {"middle", [] { hl::MouseButtonDown(hl::MouseButton::Middle); }},
         {"right", [] { hl::MouseButtonDown(hl::MouseButton::Right); }},
         {"one pixel in x", [] { hl::MouseMove(501, 400); }},
         {"one pixel in y", [] { hl::MouseMove(500, 399); }},
         {"(-1, 5) was a recorded position",
          [this] {
              m_pWnd->m_ptFirst = fw::POINT{-1, 5};
              Send(fw::WM_MOUSEMOVE, 0, fw::MAKELPARAM(0xFFFFu, 6));
          }},
         {"another window activated", [] { hl::ActivateTopLevel(hl::CreatePlainWindow(fw::WS_POPUP, 0, 0, 10, 10)); }},
         {"another application", [] { hl::DeactivateApplication(); }},
         {"several at once",
          [] {
              hl::KeyDown(hl::VK_SPACE);
              hl::MouseButtonDown(hl::MouseButton::Left);
              hl::MouseMove(10, 10);
          }}},
        true);
}

TEST_F(FullScreenInput, ReleasesWheelsRestingMovesAndBeingActivatedDoNotClose) {
    ExpectEach({{"releases and key ups",
                 [] {
                     hl::MouseButtonUp(hl::MouseButton::Left);
                     hl::MouseButtonUp(hl::MouseButton::Right);
                     hl::KeyUp(hl::VK_SPACE);
                     hl::KeyUp(hl::VK_MENU);
                 }},
                {"wheel", [] { hl::MouseWheel(-240); }},
                {"to the recorded position", [this] { Send(fw::WM_MOUSEMOVE, 0, fw::MAKELPARAM(500, 400)); }},
                {"activated",
                 [this] {
                     Send(fw::WM_ACTIVATE, fw::WA_ACTIVE);
                     Send(fw::WM_ACTIVATE, fw::WA_CLICKACTIVE);
                     Send(fw::WM_ACTIVATEAPP, fw::TRUE);
                     Send(fw::WM_NCACTIVATE, fw::TRUE);
                 }},
                {"screen-save and close commands",
                 [this] {
                     Send(fw::WM_SYSCOMMAND, fw::SC_SCREENSAVE);
                     Send(fw::WM_SYSCOMMAND, fw::SC_CLOSE);
                 }}},
               false);
}

TEST_F(FullScreenInput, SwallowedMessagesGetNoDefaultProcessing) {
    m_pWnd->ForgetDefaults();
    Send(fw::WM_SYSCOMMAND, fw::SC_SCREENSAVE);
    Send(fw::WM_SYSCOMMAND, fw::SC_CLOSE);
    EXPECT_EQ(m_pWnd->DefaultsFor(fw::WM_SYSCOMMAND), 0);
    // Other commands are compared whole.
    Send(fw::WM_SYSCOMMAND, fw::SC_MOVE);
    Send(fw::WM_SYSCOMMAND, fw::SC_SCREENSAVE | 0x2);
    EXPECT_EQ(m_pWnd->DefaultsFor(fw::WM_SYSCOMMAND), 2);

    EXPECT_EQ(Send(fw::WM_NCACTIVATE, fw::FALSE), fw::FALSE);
    EXPECT_EQ(m_pWnd->DefaultsFor(fw::WM_NCACTIVATE), 0);

    hl::SetCursorPos(0, 0);
    fw::SetCursor(m_app->LoadCursor(1));
    EXPECT_EQ(Send(fw::WM_SETCURSOR, reinterpret_cast<fw::WPARAM>(m_hWnd), 1), fw::TRUE);
    EXPECT_EQ(hl::TheWorld().cursor, nullptr) << "hidden";
    EXPECT_EQ(m_pWnd->DefaultsFor(fw::WM_SETCURSOR), 0);
}

}  // namespace
}  // namespace tidewell::test
