// The one window class of the process, registered by the first window as
// wide as the screen.
#include <cstdlib>

#include "res/resource.h"
#include "tests/window/WindowTestFixture.h"

namespace tidewell::test {
namespace {

using WindowClass = WindowTest;

std::string ClassOf(const fw::CWnd& wnd) { return hl::FindWindow(wnd.GetSafeHwnd())->className; }

TEST_F(WindowClass, FirstFullWidthWindowRegistersTheTransparentCursorClassForAll) {
    CFullScreenWnd* wnd = MakeFullScreen();
    ASSERT_NE(CParticleWnd::RegisteredClassName(), nullptr);
    const hl::WindowClass* windowClass = hl::FindClass(CParticleWnd::RegisteredClassName());
    ASSERT_NE(windowClass, nullptr);
    const hl::ClassInfo* info = &windowClass->info;
    EXPECT_EQ(info->style, fw::CS_VREDRAW | fw::CS_HREDRAW);
    EXPECT_EQ(info->cursor, m_app->LoadCursor(IDC_NULLCURSOR));
    EXPECT_NE(info->cursor, nullptr);
    EXPECT_EQ(info->brush, nullptr);
    EXPECT_EQ(info->icon, nullptr);
    EXPECT_EQ(ClassOf(*wnd), CParticleWnd::RegisteredClassName());
    // Later windows, full width or narrower, reuse it.
    const char* name = CParticleWnd::RegisteredClassName();
    wnd->DestroyWindow();
    EXPECT_EQ(ClassOf(*MakeFullWidth(300)), name);
    EXPECT_EQ(ClassOf(*MakePreview(152, 112)), name);
    EXPECT_EQ(CParticleWnd::RegisteredClassName(), name);
}

// The class is the process's: windows made before the first full-width one
// get the default class. Run in a new process, where none is registered yet.
TEST_F(WindowClass, WindowsBeforeTheFirstFullWidthOneGetTheDefaultClass) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            CParticleWnd* preview = MakePreview(152, 112);
            // One pixel narrower registers nothing, whatever its height.
            auto* narrow = new CFullScreenWnd;
            narrow->CreateParticleWindow(0, fw::WS_POPUP | fw::WS_VISIBLE,
                                         Rect(0, 0, hl::ScreenWidth() - 1, hl::ScreenHeight()), nullptr);
            const bool before = CParticleWnd::RegisteredClassName() == nullptr &&
                                ClassOf(*preview) == fw::detail::DefaultWindowClass() &&
                                ClassOf(*narrow) == fw::detail::DefaultWindowClass();
            CFullScreenWnd* low = MakeFullWidth(5);
            const bool after =
                CParticleWnd::RegisteredClassName() != nullptr && ClassOf(*low) == CParticleWnd::RegisteredClassName();
            std::exit(before && after ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tidewell::test
