#pragma once
// What every fuzz target holds its code under test to, beyond not crashing.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace tidewell::fuzz {

// A broken promise is a finding: libFuzzer keeps the input that caused it.
inline void Check(bool holds, const char* promise) {
    if (!holds) {
        std::fprintf(stderr, "broken promise: %s\n", promise);
        std::abort();
    }
}

// An error message is one printable line.
inline void CheckOneLine(const std::string& message) {
    Check(!message.empty(), "an error says why");
    for (const char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        Check(byte >= 0x20 && byte != 0x7F, "an error is one line of printable text");
    }
}

}  // namespace tidewell::fuzz
