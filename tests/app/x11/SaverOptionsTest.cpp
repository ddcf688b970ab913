// The Linux program's command line: where it draws, the settings it gives,
// the spellings X users write, and one clear line for everything it refuses.
#include "app/x11/SaverOptions.h"

#include <gtest/gtest.h>

namespace tidewell {
namespace {

using Target = SaverOptions::Target;

TEST(SaverOptions, Parses) {
    const struct {
        std::vector<std::string> args;
        Target target;
        std::uint32_t windowId;
        StoredSettings settings;
        std::optional<std::string> color, display;
    } cases[] = {
        {{}, Target::kWindow, 0, {}, {}, {}},
        {{"--root"}, Target::kRoot, 0, {}, {}, {}},
        {{"-window-id", "0x1a00005"}, Target::kWindowId, 0x1a00005, {}, {}, {}},
        {{"--window-id=0X1A"}, Target::kWindowId, 26, {}, {}, {}},
        {{"-window-id", "4294967295"}, Target::kWindowId, 0xFFFFFFFF, {}, {}, {}},
        {{"--fullscreen", "-window"}, Target::kWindow, 0, {}, {}, {}},
        {{"-fullscreen", "-display", ":3"}, Target::kFullScreen, 0, {}, {}, ":3"},
        {{"--display=host:0.1"}, Target::kWindow, 0, {}, {}, "host:0.1"},
        {{"-number", "1", "--speed=100"}, Target::kWindow, 0, {{"Number", 1}, {"Speed", 100}}, {}, {}},
        {{"-number=100", "-speed", "15", "--number", "7"}, Target::kWindow, 0, {{"Number", 7}, {"Speed", 15}}, {}, {}},
        // Read on the display later, as written.
        {{"-color", "Navy Blue", "--color=rgb:1/2/3"}, Target::kWindow, 0, {}, "rgb:1/2/3", {}},
        {{"--blank"}, Target::kWindow, 0, {{"Blank", 1}}, {}, {}},
        {{"-blank", "-no-blank"}, Target::kWindow, 0, {{"Blank", 0}}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        SaverOptions options;
        std::string error;
        ASSERT_TRUE(ParseSaverOptions(c.args, options, error)) << error;
        EXPECT_EQ(options.target, c.target);
        EXPECT_EQ(options.windowId, c.windowId);
        EXPECT_EQ(options.settings, c.settings);
        EXPECT_EQ(options.color, c.color);
        EXPECT_EQ(options.display, c.display);
    }
}

// The program ends with status 2 and the line on stderr: run-x11 checks it.
TEST(SaverOptions, RefusalsGiveOneLineNamingTheProblem) {
    std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--blank=1"}, "--blank: takes no value"},
        {{"-number"}, "-number: a value is missing"},
        {{"--number=101"}, "--number: 101 is outside 1..100"},
        {{"-number", "0"}, "-number: 0 is outside 1..100"},
        {{"-speed", "14"}, "-speed: 14 is outside 15..100"},
        {{"--speed="}, "--speed: \"\" is not a whole number"},
        {{"-number", "99999999999999999999"}, "-number: \"99999999999999999999\" is not a whole number"},
        {{"-display", ""}, "-display: \"\" is not a display name"},
        // Control characters are escaped, so the message stays one line.
        {{"--.]r\x01gin"}, "unknown option \"--.]r\\x01gin\" (see --help)"},
        {{"-display", "a\nb"}, "-display: \"a\\nb\" is not a display name"}};
    for (const std::string word : {"root", "---root", "-", "--=5"}) {
        cases.push_back({{word}, "unknown option \"" + word + "\" (see --help)"});
    }
    for (const std::string id : {"0", "0x", "0x100000000", "4294967296", "-5", "0x12z"}) {
        cases.push_back({{"-window-id", id}, "-window-id: \"" + id + "\" is not a window id (0x... or decimal)"});
    }
    for (const auto& [args, message] : cases) {
        SaverOptions options;
        std::string error;
        EXPECT_FALSE(ParseSaverOptions(args, options, error)) << message;
        EXPECT_EQ(error, message);
    }
}

TEST(SaverOptions, HelpAndVersionStopTheParse) {
    for (const char* stop : {"--help", "-h", "-version"}) {
        SaverOptions options;
        std::string error;
        EXPECT_TRUE(ParseSaverOptions({stop, "-bogus"}, options, error)) << stop;
        EXPECT_TRUE(options.help || options.version) << stop;
    }
}

}  // namespace
}  // namespace tidewell
