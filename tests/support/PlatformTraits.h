#pragma once
// What the backend under test does differently from the others, each with
// its reason, so a framework test adjusts or skips visibly, never silently.
// One definition per backend, beside its TestPlatform implementation.
namespace fw::test {

struct PlatformTraits {
    const char* name;  // "headless", "win32", "x11", "wayland"
    // Time is real (waits take it; a loaded machine delays ticks) rather
    // than virtual (exact).
    bool realTime;
    // A period-0 timer ticks at the platform's minimum, somewhere in this
    // range (ms).
    double timerFloorLowMs;
    double timerFloorHighMs;
    // A paint that does not validate is asked for again (the platform's
    // rule), rather than once.
    bool repaintsUntilValidated;
    // Why there are no controls (scroll bars, buttons, dialogs); null where
    // there are.
    const char* noControls;
    // Why there are no child or owned windows; null where there are.
    const char* noWindowTree;
};

const PlatformTraits& Traits();

}  // namespace fw::test

// Skips the test (GTEST_SKIP) on a backend whose traits give a reason (a
// member of PlatformTraits that is a reason or null).
#define SKIP_WHERE(reason)                                                          \
    do {                                                                            \
        if (const char* why = ::fw::test::Traits().reason) {                        \
            GTEST_SKIP() << ::fw::test::Traits().name << " (" #reason "): " << why; \
        }                                                                           \
    } while (false)
