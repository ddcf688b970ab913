// tidewell-sim's command line: the input is the arguments, separated by NUL.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzArguments.h"
#include "fuzz/FuzzCheck.h"
#include "tools/sim/SimOptions.h"

using tidewell::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = tidewell::fuzz::ArgumentsFrom(data, size);
    tidewell::sim::SimOptions o;
    std::string error;
    if (!tidewell::sim::ParseSimOptions(args, o, error)) {
        tidewell::fuzz::CheckOneLine(error);
        return 0;
    }
    if (o.help || o.version) {
        return 0;  // --help and --version stop the parse: nothing after them is checked, nothing runs
    }
    using Limits = tidewell::sim::SimLimits;
    Check(o.screenWidth >= 1 && o.screenWidth <= Limits::kMaxSide, "screen width in range");
    Check(o.screenHeight >= 1 && o.screenHeight <= Limits::kMaxSide, "screen height in range");
    Check(o.ClientWidth() <= o.screenWidth && o.ClientHeight() <= o.screenHeight, "the client fits");
    Check(o.ClientWidth() >= 1 && o.ClientHeight() >= 1, "the client has pixels");
    Check(o.frames <= Limits::kMaxFrames && o.frameMs <= Limits::kMaxFrameMs, "frames in range");
    Check(o.videoStep >= 1 && o.videoStep <= Limits::kMaxFrames, "video step in range");
    Check(o.videoPath.empty() || o.frames / o.videoStep < Limits::kMaxVideoPictures, "video pictures in range");
    for (const auto& action : o.actions) {
        Check(action.afterFrames <= o.frames, "every --at is reached");
    }
    return 0;
}
