// The Wayland backend's loop steps, on a private headless sway whose seat
// has both its devices before the first test. Syncing waits for the frames
// too: a window is where and as large as the compositor says only once it
// has shown the buffer that answers the compositor's size.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fw/wayland/Connection.h"
#include "fw/wayland/WaylandProgram.h"
#include "fw/wayland/WindowRecord.h"
#include "tests/support/LoopSteps.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/wayland/PrivateCompositor.h"

namespace fw::test {

namespace {

void Connect() {
    StartPrivateCompositor();
    // Connect puts its own reason in error when it fails.
    std::string error = "the private sway's seat has no pointer or keyboard";
    if (!fw::wayland::Connect(error) ||
        !PumpUntil([] { return fw::wayland::W().pointer != nullptr && fw::wayland::W().keyboard != nullptr; }, 20000)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::abort();
    }
}

bool FramesPending() {
    for (HWND hWnd : fw::wayland::OurWindows()) {
        const fw::wayland::WindowRecord* record = fw::wayland::RecordOf(hWnd);
        if (record != nullptr && record->visible && (record->frame != nullptr || !record->damage.empty())) {
            return true;
        }
    }
    return false;
}

// Bounded: a window that paints every frame always has one coming.
void SyncAndSettle() {
    const double end = NowMs() + 500;
    for (fw::wayland::Sync(); FramesPending() && NowMs() < end; fw::wayland::Sync()) {
        fw::wayland::WaitForWork(5);
    }
}

}  // namespace

const LoopSteps& Steps() {
    static const LoopSteps steps = {
        &Connect,       &fw::wayland::DestroyAllWindows, &fw::wayland::DispatchOne, &fw::wayland::WaitForWork,
        &SyncAndSettle, &fw::wayland::TakeQuit};
    return steps;
}

}  // namespace fw::test
