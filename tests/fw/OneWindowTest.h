#pragma once
// A fixture with one recording pop-up window, made before each test (the
// entries of its creation cleared) and destroyed after, on any backend.
#include <set>
#include <string>
#include <utility>

#include "tests/fw/RecordingWnd.h"
#include "tests/support/PlatformTest.h"

namespace fw::test {

template <class Wnd>
class OneWindowTestOf : public PlatformTest {
protected:
    // The window's handlers named here skip default processing.
    explicit OneWindowTestOf(std::set<std::string> skipDefault = {}) { m_wnd.m_skipDefault = std::move(skipDefault); }

    void SetUp() override {
        PlatformTest::SetUp();
        ASSERT_TRUE(m_wnd.CreatePopup(10, 20, 200, 100));
        PumpUntilIdle();
        m_log.clear();
    }
    void TearDown() override {
        m_wnd.DestroyWindow();
        PlatformTest::TearDown();
    }

    EventLog m_log;
    Wnd m_wnd{m_log};
};
using OneWindowTest = OneWindowTestOf<RecordingWnd>;

}  // namespace fw::test
