// The test platform on a real Linux backend, on a private server: the loop's
// steps pumped with bounds; the server's answers awaited where a test needs
// every event its requests caused.
#include <algorithm>
#include <chrono>
#include <thread>

#include "tests/support/LoopSteps.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/TestPlatform.h"

namespace fw::test {

namespace {

void WaitAtMost(double ms) { Steps().waitForWork(static_cast<int>(ms) + 1); }

}  // namespace

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void Stall(unsigned milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

void ResetPlatform() {
    [[maybe_unused]] static const bool connected = (Steps().connect(), true);
    Steps().destroyAllWindows();
    // Whatever the destruction left, and anything older, goes unseen.
    for (bool dispatched = true; dispatched;) {
        Steps().takeQuit();
        Steps().sync();
        for (dispatched = false; Steps().dispatchOne();) {
            dispatched = true;
        }
    }
    Steps().takeQuit();
}

void PumpUntilIdle() {
    const double start = NowMs();
    bool synced = false;
    for (int i = 0; i < 100000 && NowMs() - start < 2000; ++i) {
        if (Steps().dispatchOne()) {
            synced = false;
        } else if (synced) {
            return;
        } else {
            Steps().sync();
            synced = true;
        }
    }
}

void PumpFor(unsigned milliseconds) {
    const double end = NowMs() + milliseconds;
    for (double now = NowMs(); now < end; now = NowMs()) {
        if (!Steps().dispatchOne()) {
            WaitAtMost(end - now);
        }
    }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    const double end = NowMs() + timeoutMs;
    for (double now = NowMs(); !done() && now < end; now = NowMs()) {
        if (!Steps().dispatchOne()) {
            Steps().sync();
            if (!Steps().dispatchOne()) {
                WaitAtMost(std::min(end - now, 10.0));
            }
        }
    }
    return done();
}

bool TakeQuitMessage(int* exitCode) {
    const auto code = Steps().takeQuit();
    if (code && exitCode != nullptr) {
        *exitCode = *code;
    }
    return code.has_value();
}

// The Linux program's profile is filled from its settings file at start-up
// (app/x11) and holds integers only; the profile tests run on headless and
// Win32, so the raw profile access of TestPlatform.h is not given here.
bool MakeProfileWritesFail(fw::CWinApp&, const char*, const char*) { return false; }
void RestoreProfileWrites(fw::CWinApp&, const char*) {}

}  // namespace fw::test
