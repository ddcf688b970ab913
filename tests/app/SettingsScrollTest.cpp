// The scroll bars: how each notification code moves a bar, the limits, and
// what the preview is given on every notification.
#include "AppFixture.h"
#include "res/resource.h"

namespace tidewell::test {
namespace {

namespace hl = fw::headless;

class SettingsScrollTest : public AppFixture {};

// Each notification code moves a bar, within its limits, and hands the
// preview both positions; the members and the stored values take the bars'
// positions only on OK. One handler serves both bars: the number bar's rows
// are its own range's.
TEST_F(SettingsScrollTest, MovesTheBarAndGivesThePreviewBothPositions) {
    const struct {
        const char* name;
        int barId, storedSpeed, storedNumber;
        fw::UINT code;
        int thumb, expected;
    } cases[] = {
        {"SpeedLineLeft", IDC_SPEED, 50, 20, fw::SB_LINELEFT, 0, 49},
        {"SpeedLineRight", IDC_SPEED, 50, 20, fw::SB_LINERIGHT, 0, 51},
        {"SpeedPageLeft", IDC_SPEED, 50, 20, fw::SB_PAGELEFT, 0, 40},
        {"SpeedPageRight", IDC_SPEED, 50, 20, fw::SB_PAGERIGHT, 0, 60},
        {"SpeedThumbPosition", IDC_SPEED, 50, 20, fw::SB_THUMBPOSITION, 73, 73},
        {"SpeedThumbTrack", IDC_SPEED, 50, 20, fw::SB_THUMBTRACK, 88, 88},
        {"SpeedHomeGivesTheRangesLowEnd", IDC_SPEED, 50, 20, fw::SB_LEFT, 0, 15},
        {"SpeedEndGives100", IDC_SPEED, 50, 20, fw::SB_RIGHT, 0, 100},
        {"SpeedEndScrollMovesNothing", IDC_SPEED, 50, 20, fw::SB_ENDSCROLL, 0, 50},
        {"SpeedUnknownCodeMovesNothing", IDC_SPEED, 50, 20, 9, 0, 50},
        {"SpeedThumbAboveTheLimit", IDC_SPEED, 50, 20, fw::SB_THUMBTRACK, 300, 100},
        {"SpeedThumbBelowTheRange", IDC_SPEED, 50, 20, fw::SB_THUMBPOSITION, 3, 15},
        {"SpeedStoredBelowTheRangeShowsAtItsEnd", IDC_SPEED, 5, 20, fw::SB_ENDSCROLL, 0, 15},
        {"NumberLineLeft", IDC_NUMBER, 50, 20, fw::SB_LINELEFT, 0, 19},
        {"NumberLineLeftAt1", IDC_NUMBER, 50, 1, fw::SB_LINELEFT, 0, 1},
        {"NumberStoredAboveTheRangeShowsAtItsEnd", IDC_NUMBER, 50, 250, fw::SB_ENDSCROLL, 0, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        Store("Speed", c.storedSpeed);
        Store("Number", c.storedNumber);
        hl::ScriptScroll(c.barId, c.code, c.thumb);
        OnDialog([&c](CSettingsDlg& dlg) {
            fw::CScrollBar& moved = c.barId == IDC_SPEED ? dlg.m_wndSpeedBar : dlg.m_wndNumberBar;
            EXPECT_EQ(moved.GetScrollPos(), c.expected);
            EXPECT_EQ(dlg.m_wndPreview.m_field.m_nLatestSpeed, dlg.m_wndSpeedBar.GetScrollPos());
            fw::RECT client;
            dlg.m_wndPreview.GetClientRect(&client);
            EXPECT_EQ(dlg.m_wndPreview.m_field.m_nCount,
                      CParticleField::CountFor(client.Width(), client.Height(), dlg.m_wndNumberBar.GetScrollPos(),
                                               dlg.m_wndPreview.m_field.m_nCapacity));
            EXPECT_EQ(dlg.m_nSpeedPos, c.storedSpeed);
            EXPECT_EQ(dlg.m_nNumberPos, c.storedNumber);
        });
        hl::ScriptEnter();
        RunSettingsStart();
        const std::vector<std::string> writes = Writes();
        ASSERT_EQ(writes.size(), 6u);
        EXPECT_EQ(writes[c.barId == IDC_SPEED ? 4 : 3],
                  std::string(c.barId == IDC_SPEED ? "Speed=" : "Number=") + std::to_string(c.expected));
    }
}

TEST_F(SettingsScrollTest, PreviewStartsAtTheStoredSpeedUntilTheFirstNotification) {
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

// That a new speed restarts the preview's timer is ParticleWndTimerTest's, and
// that it redraws the velocities the golden scenes'.

}  // namespace
}  // namespace tidewell::test
