#pragma once
// A fixture for the headless-only tests: a fresh backend and a current
// application.
#include <gtest/gtest.h>

#include <algorithm>

#include "fw/Fw.h"
#include "fw/headless/Headless.h"
#include "tests/fw/RecordingWnd.h"

namespace fw::test {
inline RECT MakeRectForTest(int left, int top, int right, int bottom) {
    RECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}
}  // namespace fw::test

namespace fw::test {

namespace hl = fw::headless;

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { hl::Reset(); }

    fw::CWinApp m_app{"FwTests"};
};

}  // namespace fw::test
