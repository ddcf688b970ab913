// Real input, through the platform's own input path, reaches the window as
// the platform's messages with their parameters: the pointer's moves and
// clicks in client coordinates with the buttons' flags, keys as virtual-key
// codes with their repeat count, Alt as the system key.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/fw/OneWindowTest.h"
#include "tests/support/PlatformInput.h"

namespace fw::test {
namespace {

using InputTest = OneWindowTest;

struct InputCase {
    const char* what;
    std::function<void()> give;
    const char* handler;
    std::string expected;  // the handler's entry starts so
};

TEST_F(InputTest, KeysButtonsAndMovesArriveAsTheirMessages) {
    // Off the window where it is as asked (a compositor may make it cover
    // the screen), so the next move is one.
    MovePointer(600, 500);
    FocusWindow(m_wnd);
    PumpUntilIdle();
    RECT at;
    m_wnd.GetWindowRect(&at);  // asked for at (10, 20); the platform's word
    const InputCase cases[] = {
        {"move in", [&] { MovePointer(at.left + 50, at.top + 30); }, "OnMouseMove", "OnMouseMove 0 50,30"},
        {"move by one", [&] { MovePointer(at.left + 51, at.top + 32); }, "OnMouseMove", "OnMouseMove 0 51,32"},
        {"left click", [] { ClickButton(1); }, "OnLButtonDown", "OnLButtonDown 1 51,32"},
        {"middle click", [] { ClickButton(2); }, "OnMButtonDown", "OnMButtonDown 16 51,32"},
        {"right click", [] { ClickButton(3); }, "OnRButtonDown", "OnRButtonDown 2 51,32"},
        {"key A", [] { PressKey(0x41); }, "OnKeyDown", "OnKeyDown 0x41 1 "},
        {"Alt", [] { PressKey(0x12); }, "OnSysKeyDown", "OnSysKeyDown 0x12 1 "},
    };
    for (const InputCase& input : cases) {
        m_log.clear();
        input.give();
        EXPECT_TRUE(PumpUntil([&] { return !Only(m_log, {input.handler}).empty(); }, 2000)) << input.what;
        PumpUntilIdle();
        const EventLog got = Only(m_log, {input.handler});
        ASSERT_EQ(got.size(), 1u) << input.what;
        EXPECT_EQ(got[0].substr(0, input.expected.size()), input.expected) << input.what << ": " << got[0];
    }
}

}  // namespace
}  // namespace fw::test
