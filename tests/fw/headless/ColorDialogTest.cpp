// The colour dialog's scripted answers.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

using ColorDialogTest = HeadlessTest;

TEST_F(ColorDialogTest, AnswersAreTakenInOrderAndTheInitialColoursRecorded) {
    hl::AnswerColorDialog(IDOK, RGB(1, 2, 3));
    hl::AnswerColorDialog(IDCANCEL);
    CColorDialog first(RGB(9, 9, 9));
    EXPECT_EQ(first.DoModal(), IDOK);
    EXPECT_EQ(first.GetColor(), RGB(1, 2, 3));
    CColorDialog second(RGB(8, 8, 8));
    EXPECT_EQ(second.DoModal(), IDCANCEL);
    ASSERT_EQ(hl::ColorDialogsOpened().size(), 2u);
    EXPECT_EQ(hl::ColorDialogsOpened()[0].initialColour, RGB(9, 9, 9));
    EXPECT_EQ(hl::ColorDialogsOpened()[1].initialColour, RGB(8, 8, 8));
    EXPECT_EQ(hl::ColorDialogsOpened()[1].result, IDCANCEL);
}

TEST_F(ColorDialogTest, NoAnswerLeftIsCancel) {
    CColorDialog dlg(RGB(4, 5, 6));
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(hl::ColorDialogsOpened().size(), 1u);
}

TEST_F(ColorDialogTest, WhileOpenTheThreadsMessagesAndTimersRun) {
    EventLog log;
    RecordingWnd wnd(log);
    ASSERT_TRUE(wnd.CreatePopup(0, 0, 10, 10));
    wnd.SetTimer(1, 0, nullptr);
    wnd.PostMessage(WM_COMMAND, MAKEWPARAM(3, BN_CLICKED));
    hl::AnswerColorDialog(IDOK, RGB(0, 0, 0), 250);
    CColorDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(Only(log, {"OnCommand"}).size(), 1u);
    EXPECT_EQ(Only(log, {"OnTimer"}).size(), 16u);
    wnd.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
