// Window classes, resources and system metrics on the headless backend.
#include "tests/fw/headless/HeadlessTest.h"

namespace fw::test {
namespace {

using ClassesAndResourcesTest = HeadlessTest;

TEST_F(ClassesAndResourcesTest, RegisteringTheSameClassTwiceGivesTheSameName) {
    const HCURSOR cursor = m_app.LoadCursor(hl::kCursorId);
    const char* first = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, cursor, nullptr, nullptr);
    const char* second = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, cursor, nullptr, nullptr);
    const char* other = AfxRegisterWndClass(CS_HREDRAW, cursor, nullptr, nullptr);
    EXPECT_EQ(std::string(first), std::string(second));
    EXPECT_NE(std::string(first), std::string(other));
    const auto info = hl::GetClassInfo(first);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->style, CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(info->cursor, cursor);
    EXPECT_EQ(info->brush, nullptr);
}

TEST_F(ClassesAndResourcesTest, ANullClassIsTheDefaultClassWithTheArrow) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 5, 5, nullptr, 0));
    EXPECT_EQ(hl::GetWindowInfo(wnd.m_hWnd)->className, hl::kDefaultClassName);
    EXPECT_EQ(hl::GetClassInfo(hl::kDefaultClassName)->cursor, hl::ArrowCursor());
    EXPECT_EQ(hl::GetClassInfo(hl::kDefaultClassName)->brush, nullptr);
    wnd.DestroyWindow();
}

TEST_F(ClassesAndResourcesTest, AnUnknownClassFailsTheCreation) {
    CWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 5, 5, nullptr, 0));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(ClassesAndResourcesTest, TheProgramsIconAndCursorLoadAndOthersDoNot) {
    const HICON icon = m_app.LoadIcon(hl::kIconId);
    const HCURSOR cursor = m_app.LoadCursor(hl::kCursorId);
    EXPECT_NE(icon, nullptr);
    EXPECT_NE(cursor, nullptr);
    EXPECT_NE(static_cast<void*>(icon), static_cast<void*>(cursor));
    EXPECT_NE(cursor, hl::ArrowCursor());
    EXPECT_EQ(m_app.LoadIcon(hl::kCursorId), nullptr);
    EXPECT_EQ(m_app.LoadCursor(hl::kIconId), nullptr);
    EXPECT_EQ(m_app.LoadIcon(7), nullptr);
}

TEST_F(ClassesAndResourcesTest, SetCursorAndDrawIconAreRecorded) {
    const HCURSOR cursor = m_app.LoadCursor(hl::kCursorId);
    EXPECT_EQ(SetCursor(cursor), nullptr);
    EXPECT_EQ(SetCursor(nullptr), cursor);
    EXPECT_EQ(hl::CurrentCursor(), nullptr);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, 0));
    {
        CClientDC dc(&wnd);
        EXPECT_TRUE(dc.DrawIcon(9, 8, m_app.LoadIcon(hl::kIconId)));
    }
    ASSERT_EQ(hl::DrawnIcons().size(), 1u);
    EXPECT_EQ(hl::DrawnIcons()[0].hWnd, wnd.m_hWnd);
    EXPECT_EQ(hl::DrawnIcons()[0].x, 9);
    EXPECT_EQ(hl::DrawnIcons()[0].y, 8);
    wnd.DestroyWindow();
}

TEST_F(ClassesAndResourcesTest, SetIconIsKeptPerWindowAndSize) {
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 5, 5, nullptr, 0));
    const HICON icon = m_app.LoadIcon(hl::kIconId);
    EXPECT_EQ(wnd.SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(hl::WindowIcon(wnd.m_hWnd, ICON_BIG), icon);
    EXPECT_EQ(hl::WindowIcon(wnd.m_hWnd, ICON_SMALL), nullptr);
    wnd.DestroyWindow();
}

TEST_F(ClassesAndResourcesTest, MetricsFollowTheSimulatedScreen) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    hl::SetScreenSize(640, 480);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_CYICON), 32);
}

TEST_F(ClassesAndResourcesTest, CenterWindowCentresOnTheScreenOrInTheParent) {
    CWnd top;
    ASSERT_TRUE(top.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 200, 100, nullptr, 0));
    top.CenterWindow();
    RECT rect;
    top.GetWindowRect(&rect);
    EXPECT_EQ(rect.left, 412);
    EXPECT_EQ(rect.top, 334);
    CWnd child;
    ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, 0, 0, 50, 20, top.m_hWnd, 0));
    child.CenterWindow();
    child.GetWindowRect(&rect);
    top.ScreenToClient(&rect);
    EXPECT_EQ(rect.left, 75);
    EXPECT_EQ(rect.top, 40);
    top.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
