#pragma once
// A field host of fixed sizes with a clock that moves one frame per frame.
#include "particles/FieldHost.h"
#include "particles/testing/ScriptedClock.h"

namespace tidewell::bench {

class BenchHost : public CFieldHost {
public:
    BenchHost(int width, int height) : m_nWidth(width), m_nHeight(height) {}

    void GetScreenSize(int& width, int& height) override {
        width = m_nWidth;
        height = m_nHeight;
    }
    void GetClientSize(int& width, int& height) override { GetScreenSize(width, height); }
    void RestartFrameTimer() override {}
    CTickSource& GetTickSource() override { return m_clock; }
    void NextFrame() { m_clock.Advance(16); }

private:
    int m_nWidth;
    int m_nHeight;
    ScriptedClock m_clock{1000};
};

}  // namespace tidewell::bench
