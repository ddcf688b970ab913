// Input, focus and stalls on the headless backend, scripted in virtual time
// so every count is exact; and its traits.
#include "tests/support/PlatformInput.h"

#include "fw/Wnd.h"
#include "fw/headless/Headless.h"
#include "tests/support/headless/HeadlessControl.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {

const PlatformTraits& Traits() {
    static const PlatformTraits traits = {"headless",
                                          /*realTime=*/false,
                                          15.625,
                                          15.625,
                                          /*repaintsUntilValidated=*/true,
                                          nullptr,
                                          nullptr,
                                          nullptr};
    return traits;
}

double NowMs() { return static_cast<double>(headless::NowMicroseconds()) / 1000.0; }

void Stall(unsigned milliseconds) { headless::AdvanceClock(milliseconds); }

void PressKey(UINT virtualKey) {
    headless::KeyDown(virtualKey);
    headless::KeyUp(virtualKey);
}

void MovePointer(int screenX, int screenY) { headless::MouseMove(screenX, screenY); }

void ClickButton(int button) {
    const headless::MouseButton which[] = {headless::MouseButton::Left, headless::MouseButton::Middle,
                                           headless::MouseButton::Right};
    headless::MouseButtonDown(which[button - 1]);
    headless::MouseButtonUp(which[button - 1]);
}

void FocusWindow(CWnd& wnd) { headless::ActivateWindow(wnd.m_hWnd); }

OtherProgramWindow::OtherProgramWindow() { headless::ActivateOtherApplication(); }
OtherProgramWindow::~OtherProgramWindow() = default;

}  // namespace fw::test
