// Each message reaches its handler with its arguments decoded as the
// platform packs them.
#include <gtest/gtest.h>

#include "fw/Controls.h"
#include "tests/fw/OneWindowTest.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {
namespace {

constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_SHIFT = 0x0004;
constexpr LRESULT kAnyResult = -7;  // what default processing gives differs by platform

using HandlerDecodingTest = OneWindowTest;

// The handlers' results are the message's; these skip default processing,
// which would start platform actions or answer in their place.
TEST_F(HandlerDecodingTest, ArgumentsAndResultsOfEachHandler) {
    m_wnd.m_skipDefault = {"OnSysCommand", "OnNcActivate", "OnQueryDragIcon", "OnActivateApp"};
    m_wnd.m_hDragIcon = reinterpret_cast<HCURSOR>(static_cast<std::uintptr_t>(0x5A5A0));
    EventLog otherLog;
    RecordingWnd other(otherLog);
    ASSERT_TRUE(other.CreateEx(0, nullptr, "", WS_POPUP, 0, 0, 10, 10, nullptr, 0));
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* entry;
        LRESULT result = 0;
        const CWnd* activateOther = nullptr;  // the other window OnActivate is given
    } cases[] = {
        {WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), reinterpret_cast<LPARAM>(other.m_hWnd), "OnActivate 0 1", 0, &other},
        {WM_ACTIVATE, WA_CLICKACTIVE, 0, "OnActivate 2 0"},
        {WM_ACTIVATEAPP, FALSE, 0, "OnActivateApp 0"},
        {WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<unsigned>(-3), 7), "OnMouseMove 1 -3,7"},
        {WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6), "OnLButtonDown 1 5,6"},
        {WM_MBUTTONDOWN, 0x0010, MAKELPARAM(0, static_cast<unsigned>(-1)), "OnMButtonDown 16 0,-1"},
        {WM_RBUTTONDOWN, 0x0002 | MK_SHIFT, MAKELPARAM(199, 99), "OnRButtonDown 6 199,99"},
        {WM_KEYDOWN, 0x41, 3 | (0x1E << 16), "OnKeyDown 0x41 3 0x1E"},
        {WM_SYSKEYDOWN, 0x12, 1 | (0x2038 << 16), "OnSysKeyDown 0x12 1 0x2038"},
        {WM_TIMER, 7, 0, "OnTimer 7"},
        {WM_SYSCOMMAND, SC_SCREENSAVE, 0x00050006, "OnSysCommand 0xF140 327686"},
        {WM_SYSCOMMAND, SC_MOVE | 2, 0, "OnSysCommand 0xF012 0"},
        {WM_COMMAND, MAKEWPARAM(1007, BN_CLICKED), 0, "OnCommand 1007 0", kAnyResult},
        {WM_SETCURSOR, reinterpret_cast<WPARAM>(m_wnd.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE),
         "OnSetCursor self 1 0x200", kAnyResult},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), 0, "OnHScroll 5 42"},
        {WM_NCACTIVATE, FALSE, 0, "OnNcActivate 0", FALSE},  // default processing would allow it: TRUE
        {WM_QUERYDRAGICON, 0, 0, "OnQueryDragIcon", 0x5A5A0},
    };
    for (const auto& c : cases) {
        m_log.clear();
        const LRESULT result = m_wnd.SendMessage(c.message, c.wParam, c.lParam);
        const std::string entry = c.entry;
        EXPECT_EQ(Only(m_log, {entry.substr(0, entry.find(' '))}), EventLog{entry});
        if (c.result != kAnyResult) {
            EXPECT_EQ(result, c.result) << entry;
        }
        if (c.message == WM_ACTIVATE) {
            EXPECT_EQ(m_wnd.m_pLastActivateOther, c.activateOther) << entry;
        }
    }
    m_wnd.m_skipDefault.clear();
    EXPECT_EQ(m_wnd.SendMessage(WM_NCACTIVATE, TRUE), TRUE) << "default processing's result passes through";
    other.DestroyWindow();
}

TEST_F(HandlerDecodingTest, HorizontalScrollGivesTheBarsObject) {
    SKIP_WHERE(noControls);
    CScrollBar bar;
    ASSERT_TRUE(bar.CreateEx(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 12, m_wnd.m_hWnd, 1002));
    m_wnd.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 42), reinterpret_cast<LPARAM>(bar.m_hWnd));
    EXPECT_EQ(m_wnd.m_pLastScrollBar, &bar);
    bar.DestroyWindow();
}

}  // namespace
}  // namespace fw::test
