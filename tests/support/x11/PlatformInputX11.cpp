// Input on the private X server as a user gives it: XTest from another
// connection, focus set by another client, windows of another program; and
// what X does differently.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdint>

#include "fw/Wnd.h"
#include "tests/support/KeySymName.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/PlatformTraits.h"
#include "tests/support/x11/PrivateDisplay.h"

namespace fw::test {

const PlatformTraits& Traits() {
    static const PlatformTraits traits = {
        "x11",
        /*realTime=*/true,
        15.625,
        15.625,
        // X has no such rule: asked again, a handler that never paints would
        // keep the loop busy and starve the timers.
        /*repaintsUntilValidated=*/false,
        "the Linux program has no controls or dialogs: its settings come from the host and a file",
        /*noWindowTree=*/nullptr,
    };
    return traits;
}

namespace {

::Window ToX(HWND hWnd) { return static_cast<::Window>(reinterpret_cast<std::uintptr_t>(hWnd)); }

}  // namespace

void PressKey(UINT virtualKey) {
    ::Display* d = OtherClient();
    const unsigned code = ::XKeysymToKeycode(d, ::XStringToKeysym(KeySymName(virtualKey).c_str()));
    ::XTestFakeKeyEvent(d, code, True, CurrentTime);
    ::XTestFakeKeyEvent(d, code, False, CurrentTime);
    ::XSync(d, False);
}

void MovePointer(int screenX, int screenY) {
    ::XTestFakeMotionEvent(OtherClient(), 0, screenX, screenY, CurrentTime);
    ::XSync(OtherClient(), False);
}

void ClickButton(int button) {
    ::XTestFakeButtonEvent(OtherClient(), static_cast<unsigned>(button), True, CurrentTime);
    ::XTestFakeButtonEvent(OtherClient(), static_cast<unsigned>(button), False, CurrentTime);
    ::XSync(OtherClient(), False);
}

void FocusWindow(CWnd& wnd) {
    ::XSetInputFocus(OtherClient(), ToX(wnd.m_hWnd), RevertToParent, CurrentTime);
    ::XSync(OtherClient(), False);
}

OtherProgramWindow::OtherProgramWindow() {
    ::Display* d = OtherClient();
    ::XSetWindowAttributes attributes = {};
    attributes.override_redirect = True;
    const ::Window window = ::XCreateWindow(d, DefaultRootWindow(d), 900, 700, 50, 50, 0, CopyFromParent, InputOutput,
                                            CopyFromParent, CWOverrideRedirect, &attributes);
    ::XMapRaised(d, window);  // viewable at once (no window manager), so it can take the focus
    ::XSetInputFocus(d, window, RevertToPointerRoot, CurrentTime);
    ::XSync(d, False);
    m_state = reinterpret_cast<void*>(static_cast<std::uintptr_t>(window));
}

OtherProgramWindow::~OtherProgramWindow() {
    ::XDestroyWindow(OtherClient(), ToX(static_cast<HWND>(m_state)));
    ::XSync(OtherClient(), False);
}

}  // namespace fw::test
