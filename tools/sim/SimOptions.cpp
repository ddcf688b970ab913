#include "tools/sim/SimOptions.h"

#include <cstddef>
#include <functional>
#include <map>

#include "settings/StoredValue.h"
#include "settings/Quoted.h"

namespace tidewell::sim {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator) {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

class Parser {
public:
    Parser(SimOptions& options, std::string& error) : m_options(options), m_error(error) {}

    bool Run(const std::vector<std::string>& args);

private:
    using Handler = std::function<bool(const std::string& option, const std::string& value)>;

    bool Fail(const std::string& message) {
        m_error = message;
        return false;
    }
    bool Malformed(const std::string& option, const std::string& value, const char* expected) {
        return Fail(option + ": malformed value " + Quoted(value) + " (expected " + expected + ")");
    }
    bool OutOfRange(const std::string& option, const std::string& value, const std::string& range) {
        return Fail(option + ": value " + Quoted(value) + " out of range " + range);
    }

    bool Unsigned(const std::string& option, const std::string& text, std::uint32_t max, std::uint32_t& result) {
        std::int64_t value = 0;
        if (!ParseDecimal(text, value)) {
            return Malformed(option, text, "a whole number");
        }
        if (value < 0 || value > static_cast<std::int64_t>(max)) {
            return OutOfRange(option, text, "0.." + std::to_string(max));
        }
        result = static_cast<std::uint32_t>(value);
        return true;
    }

    // A stored setting: any 32-bit value, signed or unsigned, kept as the
    // profile's signed 32-bit integer.
    bool Stored(const std::string& option, const std::string& text, std::int32_t& result) {
        std::int64_t value = 0;
        if (!ParseDecimal(text, value)) {
            return Malformed(option, text, "a whole number");
        }
        if (!ParseStoredValue(text, result)) {
            return OutOfRange(option, text, "-2147483648..4294967295 (32 bits)");
        }
        return true;
    }

    bool Color(const std::string& option, const std::string& text, std::int32_t& red, std::int32_t& green,
               std::int32_t& blue) {
        const std::vector<std::string> parts = Split(text, ',');
        std::int64_t ignored = 0;
        if (parts.size() != 3 || !ParseDecimal(parts[0], ignored) || !ParseDecimal(parts[1], ignored) ||
            !ParseDecimal(parts[2], ignored)) {
            return Malformed(option, text, "R,G,B");
        }
        return Stored(option, parts[0], red) && Stored(option, parts[1], green) && Stored(option, parts[2], blue);
    }

    bool Size(const std::string& option, const std::string& text, int& width, int& height) {
        const std::vector<std::string> parts = Split(text, 'x');
        std::int64_t w = 0;
        std::int64_t h = 0;
        if (parts.size() != 2 || !ParseDecimal(parts[0], w) || !ParseDecimal(parts[1], h)) {
            return Malformed(option, text, "WxH");
        }
        if (w < 1 || h < 1 || w > SimLimits::kMaxSide || h > SimLimits::kMaxSide) {
            return Fail(option + ": size " + Quoted(text) + " out of range (each side 1.." +
                        std::to_string(SimLimits::kMaxSide) + ")");
        }
        width = static_cast<int>(w);
        height = static_cast<int>(h);
        return true;
    }

    bool Action(const std::string& option, const std::string& text);
    bool Validate();

    SimOptions& m_options;
    std::string& m_error;
};

bool Parser::Action(const std::string& option, const std::string& text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return Malformed(option, text, "K:OP");
    }
    SimAction action;
    const std::string frames = text.substr(0, colon);
    const std::string op = text.substr(colon + 1);
    std::int64_t k = 0;
    if (!ParseDecimal(frames, k)) {
        return Malformed(option, text, "K:OP with K a whole number");
    }
    if (k < 0 || k > static_cast<std::int64_t>(SimLimits::kMaxFrames)) {
        return OutOfRange(option, text, "(K in 0.." + std::to_string(SimLimits::kMaxFrames) + ")");
    }
    action.afterFrames = static_cast<std::uint32_t>(k);

    const std::size_t equals = op.find('=');
    const std::string name = op.substr(0, equals);
    const std::string argument = equals == std::string::npos ? "" : op.substr(equals + 1);
    if (op == "paint") {
        action.kind = SimAction::Kind::kPaint;
    } else if (equals != std::string::npos && name == "number") {
        action.kind = SimAction::Kind::kNumber;
        if (!Stored(option + " " + Quoted(text), argument, action.value)) {
            return false;
        }
    } else if (equals != std::string::npos && name == "speed") {
        action.kind = SimAction::Kind::kSpeed;
        if (!Stored(option + " " + Quoted(text), argument, action.value)) {
            return false;
        }
    } else if (equals != std::string::npos && name == "color") {
        action.kind = SimAction::Kind::kColor;
        if (!Color(option + " " + Quoted(text), argument, action.red, action.green, action.blue)) {
            return false;
        }
    } else {
        return Malformed(option, text, "K:number=N, K:speed=N, K:color=R,G,B or K:paint");
    }
    m_options.actions.push_back(action);
    return true;
}

bool Parser::Validate() {
    if (m_options.ClientWidth() > m_options.screenWidth || m_options.ClientHeight() > m_options.screenHeight) {
        return Fail("--client: " +
                    Quoted(std::to_string(m_options.ClientWidth()) + "x" + std::to_string(m_options.ClientHeight())) +
                    " does not fit in the screen " + std::to_string(m_options.screenWidth) + "x" +
                    std::to_string(m_options.screenHeight));
    }
    const std::uint32_t pictures = m_options.frames / m_options.videoStep + 1;
    if (!m_options.videoPath.empty() && pictures > SimLimits::kMaxVideoPictures) {
        return Fail("--video: " + std::to_string(pictures) + " pictures (--frames / --video-step + 1), more than " +
                    std::to_string(SimLimits::kMaxVideoPictures));
    }
    for (const SimAction& action : m_options.actions) {
        if (action.afterFrames > m_options.frames) {
            return Fail("--at: K " + std::to_string(action.afterFrames) + " is never reached: --frames is " +
                        std::to_string(m_options.frames));
        }
    }
    return true;
}

bool Parser::Run(const std::vector<std::string>& args) {
    SimOptions& o = m_options;
    const std::map<std::string, Handler> withValue = {
        {"--screen", [&](auto& n, auto& v) { return Size(n, v, o.screenWidth, o.screenHeight); }},
        {"--client", [&](auto& n, auto& v) { return Size(n, v, o.clientWidth, o.clientHeight); }},
        {"--seed", [&](auto& n, auto& v) { return Unsigned(n, v, UINT32_MAX, o.seed); }},
        {"--number", [&](auto& n, auto& v) { return Stored(n, v, o.number); }},
        {"--speed", [&](auto& n, auto& v) { return Stored(n, v, o.speed); }},
        {"--color", [&](auto& n, auto& v) { return Color(n, v, o.red, o.green, o.blue); }},
        {"--picture",
         [&](auto&, auto& v) {
             o.picturePath = v;
             return true;
         }},
        {"--frames", [&](auto& n, auto& v) { return Unsigned(n, v, SimLimits::kMaxFrames, o.frames); }},
        {"--frame-ms", [&](auto& n, auto& v) { return Unsigned(n, v, SimLimits::kMaxFrameMs, o.frameMs); }},
        {"--at", [&](auto& n, auto& v) { return Action(n, v); }},
        {"--out",
         [&](auto&, auto& v) {
             o.outPath = v;
             return true;
         }},
        {"--state",
         [&](auto&, auto& v) {
             o.statePath = v;
             return true;
         }},
        {"--video",
         [&](auto&, auto& v) {
             o.videoPath = v;
             return true;
         }},
        {"--video-step",
         [&](auto& n, auto& v) {
             return Unsigned(n, v, SimLimits::kMaxFrames, o.videoStep) &&
                    (o.videoStep > 0 || OutOfRange(n, v, "1.." + std::to_string(SimLimits::kMaxFrames)));
         }},
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help") {
            o.help = true;
            return true;
        }
        if (option == "--blank") {
            o.blank = true;
            continue;
        }
        const auto handler = withValue.find(option);
        if (handler == withValue.end()) {
            return Fail("unknown option " + Quoted(option) + " (see --help)");
        }
        if (i + 1 == args.size()) {
            return Fail(option + ": missing value");
        }
        const std::string& value = args[++i];
        if (value.empty()) {
            return Fail(option + ": missing value (empty)");
        }
        if (!handler->second(option, value)) {
            return false;
        }
    }
    return Validate();
}

}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
    return Parser(options, error).Run(args);
}

const char* SimUsage() {
    return "usage: tidewell-sim [--screen WxH] [--client WxH] [--seed N] [--number N] [--speed N]\n"
           "                    [--color R,G,B] [--blank] [--picture FILE] [--frames N]\n"
           "                    [--frame-ms MS] [--at K:OP ...] [--out FILE.ppm|FILE.png] [--state FILE]\n"
           "                    [--video FILE.webp] [--video-step N]\n"
           "\n"
           "Runs one particle window on a virtual screen: construction, creation, first paint,\n"
           "then N timer frames, and writes what the window shows and the particles' state.\n"
           "\n"
           "  --screen WxH       screen size the host reports (default 1024x768; 1..8192 each)\n"
           "  --client WxH       client area, the top-left part of the screen (default: all of it);\n"
           "                     as wide as the screen: the full-screen window, narrower: a preview\n"
           "  --seed N           the wall-clock time the window seeds its random source with\n"
           "                     (default 1; 0..4294967295)\n"
           "  --number N         stored Number setting (default 20)\n"
           "  --speed N          stored Speed setting (default 50; raised to 15 at creation)\n"
           "  --color R,G,B      stored ColorRed, ColorGreen, ColorBlue (default 22,93,165;\n"
           "                     the window keeps the low 8 bits of each)\n"
           "  --blank            stored Blank setting on (default off)\n"
           "                     (stored settings take any 32-bit value)\n"
           "  --picture FILE     what the screen shows when the window appears, exactly the\n"
           "                     screen size (default: black): a PNG of any kind (grey, palette\n"
           "                     and 16-bit converted, alpha ignored) or a binary PPM (P6, maxval\n"
           "                     255), told apart by content, not by the name\n"
           "  --frames N         timer frames after the first paint (default 0; 0..1000000)\n"
           "  --frame-ms MS      clock advance before each frame (default 16; 0..1000000)\n"
           "  --at K:OP          after K frames (0: after the first paint) apply OP, in\n"
           "                     command-line order: number=N, speed=N, color=R,G,B, paint\n"
           "  --out FILE         the client area after the last step: PPM, or compressed PNG\n"
           "                     for a .png name\n"
           "  --state FILE       'count C capacity K width W height H', then per active particle\n"
           "                     'i size x y vx vy px py drawnX drawnY respawn'\n"
           "  --video FILE       an animated WebP (lossless) of the client area: a picture after\n"
           "                     the first paint and after every --video-step frames, each shown\n"
           "                     for --video-step x --frame-ms (identical pictures in a row become\n"
           "                     one, shown for their total time); at most 10000 pictures\n"
           "  --video-step N     frames from one picture of --video to the next (default 1;\n"
           "                     1..1000000)\n"
           "  --help             this text\n"
           "\n"
           "Limits: each side 1..8192, --frames and --frame-ms 0..1000000, and as many --at as\n"
           "the command line holds. Memory follows the screen: about 20 bytes a pixel (1.3 GB\n"
           "at 8192x8192), whatever the other options. Time follows the screen, the particles\n"
           "and the frames: at 8192x8192 with Number 100, a few seconds for the first paint,\n"
           "then about 3 ms a frame (an hour for 1000000 frames), 20 ms for each number=\n"
           "and 45 ms for each color=; --at paint costs next to nothing.\n"
           "\n"
           "Outputs are written under a temporary name beside them and put in place only when\n"
           "the whole run has succeeded, so a failed run changes no existing file; a character\n"
           "device such as /dev/null is written in place. A folder, FIFO or socket as an output,\n"
           "or two of --out, --state, --video and --picture naming the same file, is bad input.\n"
           "\n"
           "Exit status: 0 on success, 2 on bad input (one line on standard error), 1 when an\n"
           "output file cannot be written.\n";
}

}  // namespace tidewell::sim
