#pragma once
#include "particles/FieldHost.h"
#include "particles/testing/ScriptedClock.h"

namespace tidewell {

// A host with fixed screen and client sizes and a scripted clock, for tests,
// benchmarks and tools that run a field without a window.
class FixedFieldHost : public CFieldHost {
public:
    FixedFieldHost(int screenWidth, int screenHeight, int clientWidth, int clientHeight)
        : m_screenWidth(screenWidth),
          m_screenHeight(screenHeight),
          m_clientWidth(clientWidth),
          m_clientHeight(clientHeight) {}

    void GetScreenSize(int& width, int& height) override {
        width = m_screenWidth;
        height = m_screenHeight;
    }
    void GetClientSize(int& width, int& height) override {
        width = m_clientWidth;
        height = m_clientHeight;
    }
    void RestartFrameTimer() override { ++m_timerRestarts; }
    CTickSource& GetTickSource() override { return m_clock; }

    int m_screenWidth;
    int m_screenHeight;
    int m_clientWidth;
    int m_clientHeight;
    int m_timerRestarts = 0;
    ScriptedClock m_clock;
};

}  // namespace tidewell
