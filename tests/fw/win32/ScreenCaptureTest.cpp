// A new window's first picture is the screen under it, taken before the
// window covered it: its first paint reads the real desktop.
#include <gtest/gtest.h>

#include "tests/fw/win32/RecordingWnd.h"
#include "tests/fw/win32/ScreenReader.h"

namespace fw::test {
namespace {

constexpr int kBackLeft = 300;
constexpr int kBackTop = 200;
constexpr int kBackWidth = 200;
constexpr int kBackHeight = 150;

class ScreenCaptureTest : public ::testing::Test {
protected:
    ScreenCaptureTest() : m_backdrop(m_log) {}
    void SetUp() override {
        ResetPlatform();
        m_backdrop.m_onPaint = [](RecordingWnd& w) {
            CPaintDC dc(&w);
            DrawTestPattern(dc, kBackWidth, kBackHeight);
        };
        ASSERT_TRUE(m_backdrop.CreatePopup(kBackLeft, kBackTop, kBackWidth, kBackHeight));
        ASSERT_TRUE(ScreenShows(::RECT{kBackLeft, kBackTop, kBackLeft + kBackWidth, kBackTop + kBackHeight},
                                Picture(kBackWidth, kBackHeight, TestPattern)));
    }
    void TearDown() override { ResetPlatform(); }

    std::vector<std::string> m_log;
    RecordingWnd m_backdrop;
};

TEST_F(ScreenCaptureTest, ATopLevelWindowStartsWithTheScreenUnderIt) {
    std::vector<std::string> log;
    RecordingWnd cover(log);
    ASSERT_TRUE(cover.CreatePopup(kBackLeft + 20, kBackTop + 30, 100, 80));
    CClientDC dc(&cover);
    const auto held = Picture(100, 80, [&](int x, int y) { return dc.GetPixel(x, y); });
    EXPECT_EQ(Differences(held, Picture(100, 80, [](int x, int y) { return TestPattern(x + 20, y + 30); })), 0u);
}

TEST_F(ScreenCaptureTest, TheFirstPaintReadsTheScreenColumnByColumn) {
    std::vector<std::string> log;
    RecordingWnd cover(log);
    std::vector<COLORREF> read;
    cover.m_onPaint = [&](RecordingWnd& w) {
        CPaintDC dc(&w);
        if (!read.empty()) return;
        for (int x = 0; x < 120; ++x) {
            for (int y = 0; y < 90; ++y) read.push_back(dc.GetPixel(x, y));
        }
    };
    ASSERT_TRUE(cover.CreatePopup(kBackLeft + 40, kBackTop + 10, 120, 90));
    ASSERT_TRUE(PumpUntil([&] { return !read.empty(); }, 2000));
    std::vector<COLORREF> expected;
    for (int x = 0; x < 120; ++x) {
        for (int y = 0; y < 90; ++y) expected.push_back(TestPattern(x + 40, y + 10));
    }
    EXPECT_EQ(Differences(read, expected), 0u);
}

TEST_F(ScreenCaptureTest, AChildWindowStartsWithWhatItsParentShowedThere) {
    std::vector<std::string> log;
    RecordingWnd child(log);
    ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD | WS_VISIBLE, 30, 40, 50, 50, m_backdrop.m_hWnd, 0));
    CClientDC dc(&child);
    const auto held = Picture(50, 50, [&](int x, int y) { return dc.GetPixel(x, y); });
    EXPECT_EQ(Differences(held, Picture(50, 50, [](int x, int y) { return TestPattern(x + 30, y + 40); })), 0u);
}

}  // namespace
}  // namespace fw::test
