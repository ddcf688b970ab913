// The test platform on the real X11 backend, on a private Xvfb: the loop's
// steps pumped with bounds; the server's answers awaited where a test needs
// every event its requests caused.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fw/x11/X11Program.h"
#include "tests/support/PlatformInput.h"
#include "tests/support/TestPlatform.h"
#include "tests/support/x11/PrivateDisplay.h"

namespace fw::test {

namespace {

constexpr unsigned kIdleLimitMs = 2000;
constexpr int kIdleLimitMessages = 100000;

void WaitAtMost(double ms) { fw::x11::WaitForWork(static_cast<int>(ms) + 1); }

}  // namespace

void ResetPlatform() {
    static const bool connected = [] {
        std::string error;
        if (!fw::x11::Connect(PrivateDisplay(), error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            std::abort();
        }
        return true;
    }();
    (void)connected;
    fw::x11::DestroyAllWindows();
    // Whatever the destruction left, and anything older, goes unseen.
    for (bool dispatched = true; dispatched;) {
        fw::x11::TakeQuit();
        fw::x11::Sync();
        dispatched = false;
        while (fw::x11::DispatchOne()) {
            dispatched = true;
        }
    }
    fw::x11::TakeQuit();
}

void PumpUntilIdle() {
    const double start = NowMs();
    bool synced = false;
    for (int i = 0; i < kIdleLimitMessages && NowMs() - start < kIdleLimitMs; ++i) {
        if (fw::x11::DispatchOne()) {
            synced = false;
        } else if (synced) {
            return;
        } else {
            fw::x11::Sync();
            synced = true;
        }
    }
}

void PumpFor(unsigned milliseconds) {
    const double end = NowMs() + milliseconds;
    for (double now = NowMs(); now < end; now = NowMs()) {
        if (!fw::x11::DispatchOne()) {
            WaitAtMost(end - now);
        }
    }
}

bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs) {
    const double end = NowMs() + timeoutMs;
    for (double now = NowMs(); !done() && now < end; now = NowMs()) {
        if (!fw::x11::DispatchOne()) {
            fw::x11::Sync();
            if (!fw::x11::DispatchOne()) {
                WaitAtMost(std::min(end - now, 10.0));
            }
        }
    }
    return done();
}

bool TakeQuitMessage(int* exitCode) {
    const auto code = fw::x11::TakeQuit();
    if (code && exitCode != nullptr) {
        *exitCode = *code;
    }
    return code.has_value();
}

// The X11 program's profile is filled from its settings file at start-up
// (app/x11) and holds integers only; the profile tests run on headless and
// Win32, so the raw profile access of TestPlatform.h is not given here.
bool MakeProfileWritesFail(fw::CWinApp&, const char*, const char*) { return false; }
void RestoreProfileWrites(fw::CWinApp&, const char*) {}

}  // namespace fw::test
