// Input, focus and stalls on the headless backend, scripted in virtual time
// so every count is exact; and its traits.
#include "tests/support/PlatformInput.h"

#include "fw/Wnd.h"
#include "fw/headless/Headless.h"
#include "fw/headless/World.h"
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
                                          nullptr};
    return traits;
}

double NowMs() { return static_cast<double>(headless::TheWorld().clock.Now()) / 1000.0; }

// The clock moves and nothing is dispatched: timers become due.
void Stall(unsigned milliseconds) {
    headless::VirtualClock& clock = headless::TheWorld().clock;
    clock.AdvanceTo(clock.Now() + std::uint64_t{milliseconds} * 1000u);
}

void PressKey(UINT virtualKey) {
    headless::KeyDown(virtualKey);
    headless::KeyUp(virtualKey);
}

void MovePointer(int screenX, int screenY) { headless::MouseMove(screenX, screenY); }

void ClickButton(int button) {
    const auto which = static_cast<headless::MouseButton>(button - 1);  // Left, Middle, Right
    headless::MouseButtonDown(which);
    headless::MouseButtonUp(which);
}

void FocusWindow(CWnd& wnd) { headless::ActivateTopLevel(wnd.m_hWnd); }

OtherProgramWindow::OtherProgramWindow() { headless::DeactivateApplication(); }
OtherProgramWindow::~OtherProgramWindow() = default;

}  // namespace fw::test
