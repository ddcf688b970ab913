#include "tools/sim/SimOptions.h"

#include <cstddef>
#include <functional>
#include <iterator>
#include <map>

#include "Version.h"
#include "settings/OptionHelp.h"
#include "settings/Quoted.h"
#include "settings/StoredValue.h"

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

    // A stored setting's value: one number, or R,G,B for the colour.
    bool StoredSetting(const tidewell::Setting& setting, const std::string& option, const std::string& text) {
        const StoredEntry* entries = setting.stored;
        std::int32_t values[3] = {};
        const bool ok = setting.kind == tidewell::Setting::Kind::kColour
                            ? Color(option, text, values[0], values[1], values[2])
                            : Stored(option, text, values[0]);
        for (std::size_t i = 0; ok && i < std::size(values) && entries[i].name != nullptr; ++i) {
            m_options.stored[entries[i].name] = values[i];
        }
        return ok;
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
    std::map<std::string, Handler> withValue = {
        {"--screen", [&](auto& n, auto& v) { return Size(n, v, o.screenWidth, o.screenHeight); }},
        {"--client", [&](auto& n, auto& v) { return Size(n, v, o.clientWidth, o.clientHeight); }},
        {"--seed", [&](auto& n, auto& v) { return Unsigned(n, v, UINT32_MAX, o.seed); }},
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
    // The settings' switches take no value; the others one.
    std::map<std::string, const tidewell::Setting*> switches;
    for (const tidewell::Setting* setting : kSettings) {
        if (setting->option == nullptr) {
            continue;
        }
        const std::string option = "--" + std::string(setting->option);
        if (setting->kind == tidewell::Setting::Kind::kSwitch) {
            switches[option] = setting;
        } else {
            withValue[option] = [this, setting](auto& n, auto& v) { return StoredSetting(*setting, n, v); };
        }
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--help" || option == "--version") {
            (option == "--help" ? o.help : o.version) = true;
            return true;
        }
        if (const auto flag = switches.find(option); flag != switches.end()) {
            o.stored[flag->second->stored[0].name] = 1;
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

namespace {

constexpr std::size_t kHelpColumn = 21;

std::string SettingUsage(const Setting& setting) {
    const std::string option = "--" + std::string(setting.option);
    switch (setting.kind) {
        case Setting::Kind::kCount:
            return option + " N";
        case Setting::Kind::kColour:
            return option + " R,G,B";
        case Setting::Kind::kSwitch:
            break;
    }
    return option;
}

std::string SettingHelp(const Setting& setting) {
    const StoredEntry* stored = setting.stored;
    if (setting.kind == Setting::Kind::kSwitch) {
        return "stored " + StoredNames(setting) + " setting on (default " + (stored[0].fallback ? "on" : "off") + ")";
    }
    std::string defaults;
    for (const StoredEntry& entry : EntriesOf(setting)) {
        defaults += (defaults.empty() ? "" : ",") + std::to_string(entry.fallback);
    }
    if (setting.kind == Setting::Kind::kColour) {
        return "stored " + StoredNames(setting) + " (default " + defaults +
               "; the window keeps the low 8 bits of each)";
    }
    const std::string raised =
        setting.raisedToLow ? "; raised to " + std::to_string(setting.low) + " at creation" : std::string();
    return "stored " + StoredNames(setting) + " setting (default " + defaults + raised + ")";
}

}  // namespace

std::string SimUsage() {
    std::string synopsis;
    std::string settings;
    for (const Setting* setting : kSettings) {
        if (setting->option != nullptr) {
            synopsis += " [" + SettingUsage(*setting) + "]";
            settings += OptionHelpLine(SettingUsage(*setting), SettingHelp(*setting), kHelpColumn);
        }
    }
    return Wrapped("usage: tidewell-sim",
                   "[--screen WxH] [--client WxH] [--seed N]" + synopsis +
                       " [--picture FILE] [--frames N] [--frame-ms MS] [--at K:OP ...] [--out FILE.ppm|FILE.png]"
                       " [--state FILE] [--video FILE.webp] [--video-step N]",
                   20) +
           "\n"
           "Runs one particle window on a virtual screen: construction, creation, first paint,\n"
           "then N timer frames, and writes what the window shows and the particles' state.\n"
           "\n"
           "  --screen WxH       screen size the host reports (default 1024x768; 1..8192 each)\n"
           "  --client WxH       client area, the top-left part of the screen (default: all of it);\n"
           "                     as wide as the screen: the full-screen window, narrower: a preview\n"
           "  --seed N           the wall-clock time the window seeds its random source with\n"
           "                     (default 1; 0..4294967295)\n" +
           settings +
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
           "  --version          the name and version: tidewell-sim " TIDEWELL_VERSION
           "\n"
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
