// The X11 backend's loop steps, on a private Xvfb.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fw/x11/X11Program.h"
#include "tests/support/LoopSteps.h"
#include "tests/support/x11/PrivateDisplay.h"

namespace fw::test {

namespace {

void Connect() {
    std::string error;
    if (!fw::x11::Connect(PrivateDisplay(), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        std::abort();
    }
}

}  // namespace

const LoopSteps& Steps() {
    static const LoopSteps steps = {
        &Connect,       &fw::x11::DestroyAllWindows, &fw::x11::DispatchOne, &fw::x11::WaitForWork,
        &fw::x11::Sync, &fw::x11::TakeQuit};
    return steps;
}

}  // namespace fw::test
