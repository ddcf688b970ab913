// Input, focus and stalls on the real window system: SendInput, the
// foreground window, and a window of another thread standing in for
// another program; and the platform's traits.
#include <vector>

#include "fw/win32/WindowsApi.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/PlatformTraits.h"

namespace fw::test {

const PlatformTraits& Traits() {
    // Real time. USER's documented timer minimum is 10 ms; Windows rounds it
    // up to its clock tick, 15.625 ms, where Wine keeps 10 ms. A paint that
    // does not validate comes again; controls and window trees are there.
    static const PlatformTraits traits = {"win32", true, 10.0, 15.625, true, nullptr, nullptr};
    return traits;
}

namespace {

void Send(std::vector<::INPUT> inputs) {
    ::SendInput(static_cast<::UINT>(inputs.size()), inputs.data(), sizeof(::INPUT));
}

::INPUT Mouse(::DWORD flags, ::LONG dx = 0, ::LONG dy = 0) {
    ::INPUT input{INPUT_MOUSE, {}};
    input.mi = {dx, dy, 0, flags, 0, 0};
    return input;
}

// Absolute input runs 0..65535 over the primary monitor; the system takes
// the pixel as coordinate * size / 65536, rounded down.
::LONG Normalised(int pixel, int size) { return static_cast<::LONG>((pixel * 65536LL + size - 1) / size); }

struct OtherProgram {
    ::HANDLE stop = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    ::HANDLE thread = nullptr;
};

::DWORD WINAPI RunOtherProgram(::LPVOID param) {
    auto* other = static_cast<OtherProgram*>(param);
    ::HWND window =
        ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 900, 700, 50, 50, nullptr, nullptr, nullptr, nullptr);
    ::SetForegroundWindow(window);
    while (::MsgWaitForMultipleObjects(1, &other->stop, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        ::MSG msg{};
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageA(&msg);
        }
    }
    ::DestroyWindow(window);
    return 0;
}

}  // namespace

double NowMs() {
    ::LARGE_INTEGER count;
    ::LARGE_INTEGER frequency;
    ::QueryPerformanceCounter(&count);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Stall(unsigned milliseconds) { ::Sleep(milliseconds); }

void PressKey(UINT virtualKey) {
    ::INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = static_cast<::WORD>(virtualKey);
    ::INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    Send({down, up});
}

void MovePointer(int screenX, int screenY) {
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Normalised(screenX, ::GetSystemMetrics(SM_CXSCREEN)),
                Normalised(screenY, ::GetSystemMetrics(SM_CYSCREEN)))});
}

void ClickButton(int button) {
    const ::DWORD downs[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_RIGHTDOWN};
    const ::DWORD ups[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_MIDDLEUP, MOUSEEVENTF_RIGHTUP};
    Send({Mouse(downs[button - 1]), Mouse(ups[button - 1])});
}

void FocusWindow(CWnd& wnd) {
    ::SetForegroundWindow(win32::ToWin(wnd.m_hWnd));
    ::SetActiveWindow(win32::ToWin(wnd.m_hWnd));
}

// The other thread's activation reaches this one through sent messages, so
// neither side waits for the other without handling them.
OtherProgramWindow::OtherProgramWindow() {
    auto* other = new OtherProgram;
    other->thread = ::CreateThread(nullptr, 0, &RunOtherProgram, other, 0, nullptr);
    m_state = other;
}

OtherProgramWindow::~OtherProgramWindow() {
    auto* other = static_cast<OtherProgram*>(m_state);
    ::SetEvent(other->stop);
    while (::MsgWaitForMultipleObjects(1, &other->thread, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        ::MSG msg{};
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
    }
    ::CloseHandle(other->thread);
    ::CloseHandle(other->stop);
    delete other;
}

}  // namespace fw::test
