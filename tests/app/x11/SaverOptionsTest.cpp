// The Linux program's command line: where it draws, the settings it
// overrides, and one clear line for everything it refuses.
#include "app/x11/SaverOptions.h"

#include <gtest/gtest.h>

namespace tidewell {
namespace {

using Target = SaverOptions::Target;

struct GoodCase {
    std::vector<std::string> args;
    Target target;
    std::uint32_t windowId;
    StoredSettings overrides;  // what the options put over the stored values
};

class GoodOptionsTest : public testing::TestWithParam<GoodCase> {};

TEST_P(GoodOptionsTest, ParsesAndOverrides) {
    SaverOptions options;
    std::string error;
    ASSERT_TRUE(ParseSaverOptions(GetParam().args, options, error)) << error;
    EXPECT_EQ(options.target, GetParam().target);
    if (options.target == Target::kWindowId) {
        EXPECT_EQ(options.windowId, GetParam().windowId);
    }
    StoredSettings settings;
    ApplySettingOptions(options, settings);
    EXPECT_EQ(settings, GetParam().overrides);
}

INSTANTIATE_TEST_SUITE_P(
    Options, GoodOptionsTest,
    testing::Values(
        GoodCase{{}, Target::kWindow, 0, {}}, GoodCase{{"-root"}, Target::kRoot, 0, {}},
        GoodCase{{"--root"}, Target::kRoot, 0, {}},
        GoodCase{{"-window-id", "0x1a00005"}, Target::kWindowId, 0x1a00005, {}},
        GoodCase{{"--window-id", "0X1A"}, Target::kWindowId, 26, {}},
        GoodCase{{"-window-id", "4294967295"}, Target::kWindowId, 0xFFFFFFFF, {}},
        GoodCase{{"--fullscreen", "-window"}, Target::kWindow, 0, {}},
        GoodCase{{"-fullscreen"}, Target::kFullScreen, 0, {}},
        GoodCase{{"-number", "1", "--speed", "100"}, Target::kWindow, 0, {{"Number", 1}, {"Speed", 100}}},
        GoodCase{
            {"-number", "100", "-speed", "15", "-number", "7"}, Target::kWindow, 0, {{"Number", 7}, {"Speed", 15}}},
        GoodCase{
            {"-color", "#16a5Ff"}, Target::kWindow, 0, {{"ColorRed", 0x16}, {"ColorGreen", 0xA5}, {"ColorBlue", 0xFF}}},
        GoodCase{{"--blank"}, Target::kWindow, 0, {{"Blank", 1}}},
        GoodCase{{"-blank", "-no-blank"}, Target::kWindow, 0, {{"Blank", 0}}}));

struct BadCase {
    std::vector<std::string> args;
    const char* message;
};

class BadOptionsTest : public testing::TestWithParam<BadCase> {};

TEST_P(BadOptionsTest, GivesOneLineNamingTheProblem) {
    SaverOptions options;
    std::string error;
    EXPECT_FALSE(ParseSaverOptions(GetParam().args, options, error));
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Options, BadOptionsTest,
    testing::Values(
        BadCase{{"-bogus"}, "unknown option \"-bogus\" (see --help)"},
        BadCase{{"root"}, "unknown option \"root\" (see --help)"},
        BadCase{{"---root"}, "unknown option \"---root\" (see --help)"},
        BadCase{{"-"}, "unknown option \"-\" (see --help)"},
        BadCase{{"--number=5"}, "unknown option \"--number=5\" (see --help)"},
        BadCase{{"-number"}, "-number: a value is missing"}, BadCase{{"-number", "0"}, "-number: 0 is outside 1..100"},
        BadCase{{"-number", "101"}, "-number: 101 is outside 1..100"},
        BadCase{{"-speed", "14"}, "-speed: 14 is outside 15..100"},
        BadCase{{"--speed", "fast"}, "--speed: \"fast\" is not a whole number"},
        BadCase{{"-number", "99999999999999999999"}, "-number: \"99999999999999999999\" is not a whole number"},
        BadCase{{"-color", "16A5FF"}, "-color: \"16A5FF\" is not a colour (#RRGGBB)"},
        BadCase{{"-color", "#16A5F"}, "-color: \"#16A5F\" is not a colour (#RRGGBB)"},
        BadCase{{"-color", "#16A5FG"}, "-color: \"#16A5FG\" is not a colour (#RRGGBB)"},
        BadCase{{"-window-id", "0"}, "-window-id: \"0\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "0x"}, "-window-id: \"0x\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "0x100000000"}, "-window-id: \"0x100000000\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "4294967296"}, "-window-id: \"4294967296\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "-5"}, "-window-id: \"-5\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "12z"}, "-window-id: \"12z\" is not a window id (0x... or decimal)"},
        // Control characters are escaped, so the message stays one line.
        BadCase{{"--.]r\x01gin"}, "unknown option \"--.]r\\x01gin\" (see --help)"},
        BadCase{{"-color", "#\n\"x"}, "-color: \"#\\n\\\"x\" is not a colour (#RRGGBB)"}));

TEST(SaverOptions, HelpStopsTheParse) {
    SaverOptions options;
    std::string error;
    EXPECT_TRUE(ParseSaverOptions({"--help", "-bogus"}, options, error));
    EXPECT_TRUE(options.help);
}

}  // namespace
}  // namespace tidewell
