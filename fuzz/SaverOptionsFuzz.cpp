// tidewell's (the Linux program's) command line: the input is the arguments,
// separated by NUL.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/x11/SaverOptions.h"
#include "fuzz/FuzzArguments.h"
#include "fuzz/FuzzCheck.h"

using tidewell::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tidewell::SaverOptions o;
    std::string error;
    if (!tidewell::ParseSaverOptions(tidewell::fuzz::ArgumentsFrom(data, size), o, error)) {
        tidewell::fuzz::CheckOneLine(error);
        return 0;
    }
    if (o.help || o.version) {
        return 0;  // they stop the parse
    }
    for (const tidewell::Setting* setting : tidewell::kSettings) {
        const auto value = o.settings.find(setting->stored[0].name);
        if (value != o.settings.end()) {
            Check(setting->onLinux && setting->kind != tidewell::Setting::Kind::kColour, "an option's setting");
            Check(value->second >= setting->low && value->second <= setting->high, "a setting in range");
        }
    }
    Check(!o.display || tidewell::IsDisplayName(*o.display), "a display name that prints");
    Check(o.target != tidewell::SaverOptions::Target::kWindowId || o.windowId != 0, "a window id is not 0");
    return 0;
}
