#pragma once
// The message loop in steps, as each real Linux backend offers it: the test
// platform (SteppedPlatform.cpp) pumps it with bounds, written once for both.
#include <optional>

namespace fw::test {

struct LoopSteps {
    void (*connect)();  // once, at the first test; aborts with a message when it cannot
    void (*destroyAllWindows)();
    bool (*dispatchOne)();
    void (*waitForWork)(int timeoutMs);
    void (*sync)();  // every request answered, the events it caused waiting
    std::optional<int> (*takeQuit)();
};

// The backend's, beside its TestPlatform implementation.
const LoopSteps& Steps();

}  // namespace fw::test
