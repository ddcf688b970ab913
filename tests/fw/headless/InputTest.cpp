// Scripted input: keys to the active window, mouse to the window under the
// cursor in its client coordinates, activation in the platform's order.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

const std::set<std::string> kInput = {"OnKeyDown", "OnSysKeyDown", "OnMouseMove", "OnLButtonDown",
                                      "OnMButtonDown", "OnRButtonDown", "OnSetCursor"};

class InputTest : public HeadlessTest {
protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        ASSERT_TRUE(m_wnd.CreatePopup(100, 50, 200, 100));
        hl::PumpMessages();
        m_log.clear();
    }
    EventLog m_log;
    RecordingWnd m_wnd{m_log};
};

TEST_F(InputTest, KeysGoToTheActiveWindowAltAndF10AsSystemKeys) {
    ASSERT_EQ(hl::ActiveWindow(), m_wnd.m_hWnd);
    hl::KeyDown(0x41);
    hl::KeyUp(0x41);
    hl::KeyDown(hl::VK_MENU);
    hl::KeyDown(hl::VK_F10);
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, kInput),
              (EventLog{"OnKeyDown 0x41 1 0x0", "OnSysKeyDown 0x12 1 0x0", "OnSysKeyDown 0x79 1 0x0"}));
    EXPECT_EQ(hl::DeliveredCount(m_wnd.m_hWnd, WM_KEYUP), 1u);
}

TEST_F(InputTest, MouseMessagesCarryClientCoordinatesAfterSetCursor) {
    hl::MouseMove(110, 70);
    hl::MouseButtonDown(hl::MouseButton::Left);
    hl::MouseButtonDown(hl::MouseButton::Middle);
    hl::MouseButtonDown(hl::MouseButton::Right);
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, kInput),
              (EventLog{"OnSetCursor self 1 0x200", "OnMouseMove 0 10,20", "OnSetCursor self 1 0x201",
                        "OnLButtonDown 0 10,20", "OnSetCursor self 1 0x207", "OnMButtonDown 0 10,20",
                        "OnSetCursor self 1 0x204", "OnRButtonDown 0 10,20"}));
    EXPECT_EQ(hl::CursorPos().x, 110);
    EXPECT_EQ(hl::CurrentCursor(), hl::ArrowCursor()) << "the default class's cursor";
}

TEST_F(InputTest, ButtonReleaseAndWheelAreNoMouseMoves) {
    hl::SetCursorPos(150, 60);
    hl::MouseButtonUp(hl::MouseButton::Left);
    hl::MouseWheel(120);
    hl::PumpMessages();
    EXPECT_TRUE(Only(m_log, {"OnMouseMove", "OnLButtonDown"}).empty());
    EXPECT_EQ(hl::DeliveredCount(m_wnd.m_hWnd, WM_LBUTTONUP), 1u);
    EXPECT_EQ(hl::DeliveredCount(m_wnd.m_hWnd, WM_MOUSEWHEEL), 1u);
}

TEST_F(InputTest, MouseOutsideEveryWindowReachesNone) {
    hl::MouseMove(5, 5);
    hl::PumpMessages();
    EXPECT_TRUE(Only(m_log, kInput).empty());
}

TEST_F(InputTest, AWindowAppearingUnderTheRestingCursorGetsAMouseMove) {
    hl::SetCursorPos(20, 30);
    EventLog log;
    RecordingWnd wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 50, 50));
    hl::PumpMessages();
    EXPECT_EQ(Only(log, {"OnMouseMove"}), (EventLog{"OnMouseMove 0 20,30"}));
    wnd.DestroyWindow();
}

TEST_F(InputTest, TheTopmostWindowUnderTheCursorGetsTheMouse) {
    EventLog log;
    RecordingWnd top(log);
    ASSERT_TRUE(top.CreateEx(WS_EX_TOPMOST, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, 0));
    RecordingWnd later(m_log);
    ASSERT_TRUE(later.CreatePopup(100, 50, 20, 20));  // newer, but not topmost
    hl::PumpMessages();
    log.clear();
    m_log.clear();
    hl::MouseMove(105, 55);
    hl::PumpMessages();
    EXPECT_EQ(Only(log, {"OnMouseMove"}), (EventLog{"OnMouseMove 0 105,55"}));
    EXPECT_TRUE(Only(m_log, {"OnMouseMove"}).empty());
    later.DestroyWindow();
    top.DestroyWindow();
}

TEST_F(InputTest, ActivatingAnotherWindowDeactivatesThisOneFirst) {
    EventLog log;
    RecordingWnd other(log, false, "other");
    ASSERT_TRUE(other.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, 0));
    m_log.clear();
    hl::ActivateWindow(other.m_hWnd);
    EXPECT_EQ(Only(m_log, {"OnNcActivate", "OnActivate", "OnActivateApp"}),
              (EventLog{"OnNcActivate 0", "OnActivate 0 0"}));
    EXPECT_EQ(m_wnd.m_pLastActivateOther, &other);
    EXPECT_EQ(Only(log, {"OnNcActivate", "OnActivate", "OnActivateApp"}),
              (EventLog{"OnNcActivate 1 [other]", "OnActivate 1 0 [other]"}));
    EXPECT_EQ(other.m_pLastActivateOther, &m_wnd);
    EXPECT_EQ(hl::ActiveWindow(), other.m_hWnd);
    other.DestroyWindow();
}

TEST_F(InputTest, AnotherApplicationTakingOverDeactivatesAndTellsEveryWindow) {
    hl::ActivateOtherApplication();
    EXPECT_EQ(Only(m_log, {"OnNcActivate", "OnActivate", "OnActivateApp"}),
              (EventLog{"OnNcActivate 0", "OnActivate 0 0", "OnActivateApp 0"}));
    EXPECT_EQ(hl::ActiveWindow(), nullptr);
    m_log.clear();
    hl::ActivateWindow(m_wnd.m_hWnd);
    EXPECT_EQ(Only(m_log, {"OnNcActivate", "OnActivate", "OnActivateApp"}),
              (EventLog{"OnActivateApp 1", "OnNcActivate 1", "OnActivate 1 0"}));
}

TEST_F(InputTest, AChildsSetCursorAsksTheParentFirst) {
    EventLog childLog;
    RecordingWnd child(childLog);
    ASSERT_TRUE(child.CreateChild(m_wnd, 0, 0, 50, 50));
    m_wnd.m_skipDefault = {"OnSetCursor"};  // the parent answers TRUE
    hl::MouseMove(110, 60);
    hl::PumpMessages();
    EXPECT_EQ(Only(m_log, {"OnSetCursor"}), (EventLog{"OnSetCursor other 1 0x200"}));
    EXPECT_EQ(Only(childLog, {"OnMouseMove"}), (EventLog{"OnMouseMove 0 10,10"}));
    EXPECT_EQ(hl::SetCursorCalls(), 0u) << "the parent's answer ends it";
}

}  // namespace
}  // namespace fw::test
