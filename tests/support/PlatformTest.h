#pragma once
// A fixture for tests on any backend: a fresh platform and a current
// application for each test.
#include <gtest/gtest.h>

#include "fw/App.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override { ResetPlatform(); }
    void TearDown() override {
        // Nothing of this test may reach the next one.
        PumpUntilIdle();
        int exitCode = 0;
        TakeQuitMessage(&exitCode);
    }

    fw::CWinApp m_app{"FwTests"};
};

}  // namespace fw::test
