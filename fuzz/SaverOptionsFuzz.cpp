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
    if (o.help) {
        return 0;  // --help stops the parse
    }
    Check(!o.number || (*o.number >= 1 && *o.number <= 100), "number in range");
    Check(!o.speed || (*o.speed >= 15 && *o.speed <= 100), "speed in range");
    Check(!o.rgb || *o.rgb <= 0xFFFFFFu, "a colour is 24 bits");
    Check(o.target != tidewell::SaverOptions::Target::kWindowId || o.windowId != 0, "a window id is not 0");
    return 0;
}
