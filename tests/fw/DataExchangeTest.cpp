// Data exchange between a dialog's controls and members, both directions.
#include <gtest/gtest.h>

#include <utility>

#include "fw/Backend.h"
#include "fw/Controls.h"
#include "fw/Dialog.h"
#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformTest.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {
namespace {

constexpr int kBarId = 1002;
constexpr int kCheckId = 1009;

class DataExchangeTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        SKIP_WHERE(noControls);
        ASSERT_TRUE(m_owner.CreatePopup(0, 0, 300, 100));
        // Controls as a dialog template makes them: not bound to any object.
        CScrollBar bar;
        ASSERT_TRUE(bar.CreateEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 16, m_owner.m_hWnd, kBarId));
        bar.Detach();
        CWnd check;
        ASSERT_TRUE(check.CreateEx(0, "BUTTON", "Blank", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 20, 100, 16,
                                   m_owner.m_hWnd, kCheckId));
        check.Detach();
    }
    void TearDown() override {
        m_owner.DestroyWindow();
        PlatformTest::TearDown();
    }

    EventLog m_log;
    RecordingWnd m_owner{m_log};
};

// DDX_Control binds the object once; DDX_Scroll loads the position and
// saves it back, also through a bar bound to no object.
TEST_F(DataExchangeTest, ControlBindsOnceAndScrollLoadsAndSavesThePosition) {
    CScrollBar bar;
    CDataExchange load(&m_owner, FALSE);
    CDataExchange save(&m_owner, TRUE);
    DDX_Control(&load, kBarId, bar);
    ASSERT_NE(bar.m_hWnd, nullptr);
    EXPECT_EQ(m_owner.GetDlgItem(kBarId), &bar);
    const HWND first = bar.m_hWnd;
    DDX_Control(&save, kBarId, bar);
    EXPECT_EQ(bar.m_hWnd, first);

    int value = 40;
    DDX_Scroll(&load, kBarId, value);
    EXPECT_EQ(bar.GetScrollPos(), 0) << "a new bar's empty range keeps it at 0";
    bar.SetScrollRange(1, 100);
    DDX_Scroll(&load, kBarId, value);
    EXPECT_EQ(bar.GetScrollPos(), 40);
    bar.SetScrollPos(73);
    DDX_Scroll(&save, kBarId, value);
    EXPECT_EQ(value, 73);
    const HWND hBar = bar.Detach();
    value = 7;
    DDX_Scroll(&load, kBarId, value);
    EXPECT_EQ(detail::ScrollBarFromHandle(hBar)->GetScrollPos(), 7);
}

TEST_F(DataExchangeTest, CheckLoadsAnyNonZeroAsCheckedAndSavesZeroOrOne) {
    CDataExchange load(&m_owner, FALSE);
    CDataExchange save(&m_owner, TRUE);
    for (const auto& [loaded, state] :
         {std::pair<BOOL, UINT>{2, BST_CHECKED}, std::pair<BOOL, UINT>{0, BST_UNCHECKED}}) {
        BOOL value = loaded;
        DDX_Check(&load, kCheckId, value);
        EXPECT_EQ(m_owner.IsDlgButtonChecked(kCheckId), state) << loaded;
        value = 5;
        DDX_Check(&save, kCheckId, value);
        EXPECT_EQ(value, state == BST_CHECKED ? 1 : 0) << loaded;
    }
}

}  // namespace
}  // namespace fw::test
