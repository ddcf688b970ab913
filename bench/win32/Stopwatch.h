#pragma once
// A small timing harness for the Win32 benchmarks (Google Benchmark is not
// built for mingw here): repeat, take the median, print one figure a line.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "fw/win32/WindowsApi.h"

namespace tidewell::bench {

inline double NowMs() {
    static const double frequency = [] {
        ::LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    ::LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

// Median of the milliseconds one call of run takes, over reps calls.
template <typename Run>
double MedianMs(int reps, Run run) {
    std::vector<double> times;
    for (int i = 0; i < reps; ++i) {
        const double start = NowMs();
        run();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline void Figure(const char* name, double value, const char* unit) {
    std::printf("[ figure ] %-58s %12.4f %s\n", name, value, unit);
    std::fflush(stdout);
}

}  // namespace tidewell::bench
