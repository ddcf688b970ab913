// Input on the private sway as a user gives it: sway's cursor commands on a
// virtual pointer, keys from wtype's virtual keyboards, focus moved by sway;
// and what Wayland does differently.
#include <cstdint>
#include <string>

#include "fw/Wnd.h"
#include "fw/wayland/WindowRecord.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/KeySymName.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/PlatformTraits.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/wayland/PrivateCompositor.h"

namespace fw::test {

const PlatformTraits& Traits() {
    static const PlatformTraits traits = {
        "wayland",
        /*realTime=*/true,
        15.625,
        // A window that has painted waits for the compositor's next frame:
        // 60 a second on headless sway.
        1000.0 / 60,
        /*repaintsUntilValidated=*/false,
        "the Linux program has no controls or dialogs: its settings come from the host and a file",
        "a Wayland client's windows are all top-level surfaces: no child or owned windows",
    };
    return traits;
}

void PressKey(UINT virtualKey) { RunChild({"wtype", "-k", KeySymName(virtualKey)}); }

void MovePointer(int screenX, int screenY) {
    Sway({"seat", "seat0", "cursor", "set", std::to_string(screenX), std::to_string(screenY)});
}

void ClickButton(int button) {
    for (const char* action : {"press", "release"}) {
        Sway({"seat", "seat0", "cursor", action, "button" + std::to_string(button)});
    }
}

void FocusWindow(CWnd& wnd) {
    // sway finds a window by its title once it is mapped, by its first paint.
    const std::string title = "tidewell-test-" + std::to_string(reinterpret_cast<std::uintptr_t>(wnd.m_hWnd));
    if (const fw::wayland::WindowRecord* record = fw::wayland::RecordOf(wnd.m_hWnd)) {
        xdg_toplevel_set_title(record->toplevel, title.c_str());
    }
    PumpUntil([&] { return Sway({"[title=\"^" + title + "$\"]", "focus"}); }, 5000);
}

// An empty workspace shown instead: the focus leaves for no window of ours.
OtherProgramWindow::OtherProgramWindow() { Sway({"workspace", "elsewhere"}); }

OtherProgramWindow::~OtherProgramWindow() { Sway({"workspace", "1"}); }

}  // namespace fw::test
