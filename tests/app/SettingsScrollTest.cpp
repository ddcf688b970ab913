// The scroll bars: how each notification code moves a bar, the limits, and
// what the preview is given on every notification.
#include "AppFixture.h"
#include "res/resource.h"

namespace tidewell::test {
namespace {

namespace hl = fw::headless;

struct ScrollCase {
    const char* name;
    int barId;
    int storedSpeed;
    int storedNumber;
    fw::UINT code;
    int thumb;
    int expected;
};

std::ostream& operator<<(std::ostream& os, const ScrollCase& c) { return os << c.name; }
std::string CaseName(const ::testing::TestParamInfo<ScrollCase>& info) { return info.param.name; }

class SettingsScrollTest : public AppFixture, public ::testing::WithParamInterface<ScrollCase> {
protected:
    // The preview's active count for a number setting.
    static int PreviewCountFor(CSettingsDlg& dlg, int number) {
        fw::RECT client;
        dlg.m_wndPreview.GetClientRect(&client);
        return CParticleField::CountFor(client.Width(), client.Height(), number, dlg.m_wndPreview.m_field.m_nCapacity);
    }
};

TEST_P(SettingsScrollTest, MovesTheBarAndGivesThePreviewBothPositions) {
    const ScrollCase& c = GetParam();
    Store("Speed", c.storedSpeed);
    Store("Number", c.storedNumber);
    hl::ScriptScroll(c.barId, c.code, c.thumb);
    OnDialog([&](CSettingsDlg& dlg) {
        fw::CScrollBar& moved = c.barId == IDC_SPEED ? dlg.m_wndSpeedBar : dlg.m_wndNumberBar;
        EXPECT_EQ(moved.GetScrollPos(), c.expected);
        EXPECT_EQ(dlg.m_wndPreview.m_field.m_nLatestSpeed, dlg.m_wndSpeedBar.GetScrollPos());
        EXPECT_EQ(dlg.m_wndPreview.m_field.m_nCount, PreviewCountFor(dlg, dlg.m_wndNumberBar.GetScrollPos()));
        // The members take the bars' positions only on OK.
        EXPECT_EQ(dlg.m_nSpeedPos, c.storedSpeed);
        EXPECT_EQ(dlg.m_nNumberPos, c.storedNumber);
    });
    hl::ScriptEnter();
    RunSettingsStart();
    const std::string entry = c.barId == IDC_SPEED ? "Speed" : "Number";
    const std::vector<std::string> writes = Writes();
    ASSERT_EQ(writes.size(), 6u);
    EXPECT_EQ(writes[c.barId == IDC_SPEED ? 4 : 3], entry + "=" + std::to_string(c.expected));
}

// One handler serves both bars: the number bar's rows are its own range's.
INSTANTIATE_TEST_SUITE_P(
    Bars, SettingsScrollTest,
    ::testing::Values(ScrollCase{"SpeedLineLeft", IDC_SPEED, 50, 20, fw::SB_LINELEFT, 0, 49},
                      ScrollCase{"SpeedLineRight", IDC_SPEED, 50, 20, fw::SB_LINERIGHT, 0, 51},
                      ScrollCase{"SpeedPageLeft", IDC_SPEED, 50, 20, fw::SB_PAGELEFT, 0, 40},
                      ScrollCase{"SpeedPageRight", IDC_SPEED, 50, 20, fw::SB_PAGERIGHT, 0, 60},
                      ScrollCase{"SpeedThumbPosition", IDC_SPEED, 50, 20, fw::SB_THUMBPOSITION, 73, 73},
                      ScrollCase{"SpeedThumbTrack", IDC_SPEED, 50, 20, fw::SB_THUMBTRACK, 88, 88},
                      ScrollCase{"SpeedHomeGivesTheRangesLowEnd", IDC_SPEED, 50, 20, fw::SB_LEFT, 0, 15},
                      ScrollCase{"SpeedEndGives100", IDC_SPEED, 50, 20, fw::SB_RIGHT, 0, 100},
                      ScrollCase{"SpeedEndScrollMovesNothing", IDC_SPEED, 50, 20, fw::SB_ENDSCROLL, 0, 50},
                      ScrollCase{"SpeedUnknownCodeMovesNothing", IDC_SPEED, 50, 20, 9, 0, 50},
                      ScrollCase{"SpeedPageLeftBelowTheRange", IDC_SPEED, 20, 20, fw::SB_PAGELEFT, 0, 15},
                      ScrollCase{"SpeedPageRightAboveTheTop", IDC_SPEED, 95, 20, fw::SB_PAGERIGHT, 0, 100},
                      ScrollCase{"SpeedThumbAboveTheLimit", IDC_SPEED, 50, 20, fw::SB_THUMBTRACK, 300, 100},
                      ScrollCase{"SpeedThumbBelowTheRange", IDC_SPEED, 50, 20, fw::SB_THUMBPOSITION, 3, 15},
                      ScrollCase{"SpeedStoredBelowTheRangeShowsAtItsEnd", IDC_SPEED, 5, 20, fw::SB_ENDSCROLL, 0, 15},
                      ScrollCase{"NumberLineLeft", IDC_NUMBER, 50, 20, fw::SB_LINELEFT, 0, 19},
                      ScrollCase{"NumberHomeGives1", IDC_NUMBER, 50, 20, fw::SB_LEFT, 0, 1},
                      ScrollCase{"NumberPageLeftAt5Gives1", IDC_NUMBER, 50, 5, fw::SB_PAGELEFT, 0, 1},
                      ScrollCase{"NumberLineLeftAt1", IDC_NUMBER, 50, 1, fw::SB_LINELEFT, 0, 1},
                      ScrollCase{"NumberThumbAboveTheLimit", IDC_NUMBER, 50, 20, fw::SB_THUMBTRACK, 101, 100},
                      ScrollCase{"NumberStoredAboveTheRangeShowsAtItsEnd", IDC_NUMBER, 50, 250, fw::SB_ENDSCROLL, 0,
                                 100}),
    CaseName);

class SettingsPreviewFollowsTest : public AppFixture {};

TEST_F(SettingsPreviewFollowsTest, PreviewStartsAtTheStoredSpeedUntilTheFirstNotification) {
    Store("Speed", 5);
    OnDialog([](CSettingsDlg& dlg) {
        EXPECT_EQ(dlg.m_wndPreview.m_field.m_nLatestSpeed, 5);
        EXPECT_EQ(dlg.m_wndSpeedBar.GetScrollPos(), 15);
    });
    // A notification of the other bar, moving nothing, still sets the speed.
    hl::ScriptScroll(IDC_NUMBER, fw::SB_ENDSCROLL);
    OnDialog([](CSettingsDlg& dlg) { EXPECT_EQ(dlg.m_wndPreview.m_field.m_nLatestSpeed, 15); });
    hl::ScriptEscape();
    RunSettingsStart();
}

TEST_F(SettingsPreviewFollowsTest, EveryNotificationRestartsThePreviewTimerAndRedrawsVelocities) {
    hl::ScriptWait(200);  // painted and running
    std::vector<double> before;
    OnDialog([&](CSettingsDlg& dlg) {
        for (int i = 0; i < dlg.m_wndPreview.m_field.m_nCount; ++i) {
            before.push_back(dlg.m_wndPreview.m_field.m_pParticles[i].m_vx);
        }
    });
    hl::ScriptScroll(IDC_SPEED, fw::SB_ENDSCROLL);
    OnDialog([&](CSettingsDlg& dlg) {
        ASSERT_EQ(static_cast<std::size_t>(dlg.m_wndPreview.m_field.m_nCount), before.size());
        int redrawn = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            redrawn += dlg.m_wndPreview.m_field.m_pParticles[i].m_vx != before[i] ? 1 : 0;
        }
        EXPECT_GT(redrawn, static_cast<int>(before.size()) / 2);
    });
    hl::ScriptEscape();
    RunSettingsStart();
}

}  // namespace
}  // namespace tidewell::test
