// The saver's first two arguments: the mode, and the preview's host handle.
// The input is both, separated by the first NUL.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/ParticleApp.h"
#include "app/WindowHandleArgument.h"
#include "fuzz/FuzzCheck.h"

using tidewell::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = input.find('\0');
    const std::string mode = input.substr(0, nul);
    // As the program's arguments, each ends at a NUL.
    const std::string rest = nul == std::string::npos ? std::string() : input.substr(nul + 1);
    const std::string handle = rest.substr(0, rest.find('\0'));

    const int parsed = tidewell::CParticleApp::ParseMode(mode.c_str());
    Check(parsed >= tidewell::CParticleApp::kSettings && parsed <= tidewell::CParticleApp::kNone, "a known mode");

    // A handle is decimal digits whose value fits a pointer, and nothing else.
    const auto hwnd = reinterpret_cast<std::uintptr_t>(tidewell::ParseWindowHandle(handle.c_str()));
    std::uintptr_t value = 0;
    bool digitsOnly = !handle.empty();
    bool fits = true;
    for (const char c : handle) {
        digitsOnly = digitsOnly && c >= '0' && c <= '9';
        if (!digitsOnly) {
            break;
        }
        const auto digit = static_cast<std::uintptr_t>(c - '0');
        fits = fits && value <= (UINTPTR_MAX - digit) / 10;
        value = value * 10 + digit;
    }
    Check(hwnd == (digitsOnly && fits ? value : 0), "the handle is the decimal value or null");
    return 0;
}
