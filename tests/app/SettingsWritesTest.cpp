// What the settings start writes: all six values on OK, nothing on any other
// end, and stored values outside the ranges the dialog can show.
#include <algorithm>

#include "AppFixture.h"
#include "res/resource.h"

namespace tidewell::test {
namespace {

namespace hl = fw::headless;
using Strings = std::vector<std::string>;

class SettingsWritesTest : public AppFixture {};

// After every kind of change, OK writes the bars, the check box and the chosen
// colour, and Cancel nothing. Enter pressing OK and Escape writing nothing
// are the Wine end-to-end cases'; Escape and the system menu's Close end the
// dialog as Cancel does, by the platform.
TEST_F(SettingsWritesTest, OkWritesEveryKindOfChangeAndCancelNothing) {
    for (const bool ok : {true, false}) {
        SetUp();
        hl::AnswerColorDialog(fw::IDOK, fw::RGB(200, 10, 77));
        hl::ScriptScroll(IDC_SPEED, fw::SB_RIGHT);
        hl::ScriptScroll(IDC_NUMBER, fw::SB_PAGERIGHT);
        hl::ScriptPressButton(IDC_BLANK);
        hl::ScriptPressButton(IDC_COLOR);
        hl::ScriptPressButton(ok ? fw::IDOK : fw::IDCANCEL);
        RunSettingsStart();
        ASSERT_EQ(hl::DialogHistory().size(), 1u);
        EXPECT_FALSE(hl::DialogHistory()[0].endedByExhaustedScript);
        EXPECT_EQ(hl::DialogHistory()[0].result, ok ? fw::IDOK : fw::IDCANCEL);
        const Strings all = {"ColorRed=200", "ColorGreen=10", "ColorBlue=77", "Number=30", "Speed=100", "Blank=1"};
        EXPECT_EQ(Writes(), ok ? all : Strings{});
        EXPECT_EQ(hl::TheWorld().profile.AllKeys().empty(), !ok) << "Cancel makes no key";
    }
}

// Speed 5, ColorRed 278 and Number 0 written back by OK are the Wine
// end-to-end cases'.
TEST_F(SettingsWritesTest, StoredValuesOutsideTheDialogsRangesAreShownAndWrittenAsShown) {
    struct Case {
        const char* entry;
        int stored;
        bool toggleBlank;
        std::string written;
        int previewCount;  // 0: any
    };
    const Case cases[] = {{"Speed", 200, false, "Speed=100", 0},
                          {"Blank", 7, false, "Blank=1", 0},
                          {"Blank", -1, true, "Blank=0", 0},
                          {"Number", 0, false, "Number=1", 10}};
    for (const Case& c : cases) {
        SetUp();
        Store(c.entry, c.stored);
        OnDialog([&c](CSettingsDlg& dlg) {
            if (c.previewCount != 0) {
                EXPECT_EQ(dlg.m_wndPreview.m_field.m_nCount, c.previewCount);
            }
        });
        if (c.toggleBlank) {
            hl::ScriptPressButton(IDC_BLANK);
        }
        hl::ScriptEnter();
        RunSettingsStart();
        const Strings writes = Writes();
        EXPECT_NE(std::find(writes.begin(), writes.end(), c.written), writes.end()) << c.written;
    }
}

}  // namespace
}  // namespace tidewell::test
