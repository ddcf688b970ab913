// The start paths of the application object, driven through InitInstance
// and Run as the framework's entry point drives them.
#include <string>

#include "AppFixture.h"
#include "res/resource.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"

namespace tidewell::test {
namespace {

namespace hl = fw::headless;

using StartUpTest = AppFixture;

// No arguments, the key the settings are read from, and a key ending run mode
// are the Wine end-to-end cases'; every form of the argument is ParseModeTest's.
TEST_F(StartUpTest, SettingsRunsTheDialogWithNoOwnerAndEnds) {
    SetCommandLine({"/c:1234", "12345"});
    hl::ScriptCall([](fw::HWND hDialog) { EXPECT_EQ(hl::FindWindow(hDialog)->hWndParent, nullptr); });
    hl::ScriptEscape();
    EXPECT_EQ(m_app.InitInstance(), fw::FALSE);
    ASSERT_EQ(hl::DialogHistory().size(), 1u);
    EXPECT_EQ(hl::DialogHistory()[0].templateId, static_cast<fw::UINT>(IDD_SETTINGS));
    EXPECT_EQ(m_app.m_pMainWnd, nullptr);
}

// Other arguments after the mode are ignored.
TEST_F(StartUpTest, RunModeMakesATopmostFullScreenMainWindow) {
    SetCommandLine({"-S", "999", "extra"});
    ASSERT_EQ(m_app.InitInstance(), fw::TRUE);
    auto* wnd = dynamic_cast<CFullScreenWnd*>(m_app.m_pMainWnd);
    ASSERT_NE(wnd, nullptr);
    EXPECT_NE(hl::FindWindow(wnd->m_hWnd)->exStyle & fw::WS_EX_TOPMOST, 0u);
    wnd->DestroyWindow();
}

// Its place in the host's window and its end are preview-host's checks under
// Wine; here, that it animates all the while.
TEST_F(StartUpTest, PreviewAnimatesUntilTheHostGoes) {
    // A window of another program, as the system's host makes for a preview.
    const fw::HWND host = hl::CreatePlainWindow(fw::WS_POPUP | fw::WS_VISIBLE, 300, 200, 152, 112);
    SetCommandLine({"/p", std::to_string(reinterpret_cast<fw::UINT_PTR>(host))});
    ASSERT_EQ(m_app.InitInstance(), fw::TRUE);
    auto* preview = dynamic_cast<CParticleWnd*>(m_app.m_pMainWnd);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->m_bAutoDelete);

    // It keeps running, and animates, until the host destroys its window:
    // after one second and after two, its last frame is one tick old.
    int animating = 0;
    const auto look = [&] {
        const fw::DWORD lastFrame = preview->m_field.m_pParticles[0].m_dwLastTick;
        animating += hl::FindWindow(preview->m_hWnd) != nullptr && fw::GetTickCount() - lastFrame < 20 ? 1 : 0;
    };
    hl::ScheduleAfter(1000, look);
    hl::ScheduleAfter(2000, [&] {
        look();
        hl::DestroyWindow(host);
    });
    EXPECT_EQ(m_app.Run(), 0);
    EXPECT_EQ(animating, 2);
    EXPECT_TRUE(hl::LiveWindows().empty());
}

}  // namespace
}  // namespace tidewell::test
