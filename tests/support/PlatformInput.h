#pragma once
// Driving the platform as its user would, through its own input path: keys,
// the pointer, focus, a stalled thread. One implementation per backend,
// beside its TestPlatform implementation. Each call returns once the
// platform has taken the input; the messages come when the queue is pumped.
#include "fw/Types.h"

namespace fw {
class CWnd;
}

namespace fw::test {

// The platform's clock in ms: virtual on headless, a steady clock elsewhere.
double NowMs();

// Blocks the thread for ms, as a long frame would (headless: the clock
// moves and nothing is dispatched).
void Stall(unsigned milliseconds);

// A key pressed and released; virtual-key codes (0x41 'A', 0x12 Alt).
void PressKey(UINT virtualKey);
// The pointer moved to a point on the screen.
void MovePointer(int screenX, int screenY);
// A mouse button pressed and released where the pointer is: 1 left,
// 2 middle, 3 right.
void ClickButton(int button);

// Makes the top-level window the one with the keyboard focus (activates it).
void FocusWindow(CWnd& wnd);

// A window of another program that takes the focus while it lives.
class OtherProgramWindow {
public:
    OtherProgramWindow();
    ~OtherProgramWindow();
    OtherProgramWindow(const OtherProgramWindow&) = delete;
    OtherProgramWindow& operator=(const OtherProgramWindow&) = delete;

private:
    void* m_state = nullptr;  // the backend's
};

}  // namespace fw::test
