#pragma once
// A fixture for the headless-only tests: a fresh backend and a current
// application.
#include <gtest/gtest.h>

#include <algorithm>

#include "fw/Fw.h"
#include "fw/headless/Headless.h"
#include "fw/headless/Screen.h"
#include "tests/fw/RecordingWnd.h"

namespace fw::test {

namespace hl = fw::headless;
using fw::MakeRect;

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { hl::Reset(); }

    fw::CWinApp m_app{"FwTests"};
};

}  // namespace fw::test
