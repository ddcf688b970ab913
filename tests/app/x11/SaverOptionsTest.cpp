// The Linux program's command line: where it draws, the settings it gives,
// the spellings X users write, and one clear line for everything it refuses.
#include "app/x11/SaverOptions.h"

#include <gtest/gtest.h>

namespace tidewell {
namespace {

using Target = SaverOptions::Target;

struct GoodCase {
    std::vector<std::string> args;
    Target target;
    std::uint32_t windowId;
    StoredSettings settings;
    const char* color;    // null: none given
    const char* display;  // null: none given
};

class GoodOptionsTest : public testing::TestWithParam<GoodCase> {};

TEST_P(GoodOptionsTest, Parses) {
    const GoodCase& c = GetParam();
    SaverOptions options;
    std::string error;
    ASSERT_TRUE(ParseSaverOptions(c.args, options, error)) << error;
    EXPECT_EQ(options.target, c.target);
    if (options.target == Target::kWindowId) {
        EXPECT_EQ(options.windowId, c.windowId);
    }
    EXPECT_EQ(options.settings, c.settings);
    EXPECT_EQ(options.color.value_or("(none)"), c.color ? c.color : "(none)");
    EXPECT_EQ(options.display.value_or("(none)"), c.display ? c.display : "(none)");
}

INSTANTIATE_TEST_SUITE_P(
    Options, GoodOptionsTest,
    testing::Values(
        GoodCase{{}, Target::kWindow, 0, {}, nullptr, nullptr},
        GoodCase{{"--root"}, Target::kRoot, 0, {}, nullptr, nullptr},
        GoodCase{{"-window-id", "0x1a00005"}, Target::kWindowId, 0x1a00005, {}, nullptr, nullptr},
        GoodCase{{"--window-id=0X1A"}, Target::kWindowId, 26, {}, nullptr, nullptr},
        GoodCase{{"-window-id", "4294967295"}, Target::kWindowId, 0xFFFFFFFF, {}, nullptr, nullptr},
        GoodCase{{"--fullscreen", "-window"}, Target::kWindow, 0, {}, nullptr, nullptr},
        GoodCase{{"-fullscreen", "-display", ":3"}, Target::kFullScreen, 0, {}, nullptr, ":3"},
        GoodCase{{"--display=host:0.1"}, Target::kWindow, 0, {}, nullptr, "host:0.1"},
        GoodCase{
            {"-number", "1", "--speed=100"}, Target::kWindow, 0, {{"Number", 1}, {"Speed", 100}}, nullptr, nullptr},
        GoodCase{{"-number=100", "-speed", "15", "--number", "7"},
                 Target::kWindow,
                 0,
                 {{"Number", 7}, {"Speed", 15}},
                 nullptr,
                 nullptr},
        // Read on the display later, as written.
        GoodCase{{"-color", "Navy Blue", "--color=rgb:1/2/3"}, Target::kWindow, 0, {}, "rgb:1/2/3", nullptr},
        GoodCase{{"--blank"}, Target::kWindow, 0, {{"Blank", 1}}, nullptr, nullptr},
        GoodCase{{"-blank", "-no-blank"}, Target::kWindow, 0, {{"Blank", 0}}, nullptr, nullptr}));

struct BadCase {
    std::vector<std::string> args;
    const char* message;
};

// The program ends with status 2 and the line on stderr: run-x11 checks it.
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
        BadCase{{"root"}, "unknown option \"root\" (see --help)"},
        BadCase{{"---root"}, "unknown option \"---root\" (see --help)"},
        BadCase{{"-"}, "unknown option \"-\" (see --help)"}, BadCase{{"--=5"}, "unknown option \"--=5\" (see --help)"},
        BadCase{{"--blank=1"}, "--blank: takes no value"}, BadCase{{"-number"}, "-number: a value is missing"},
        BadCase{{"--number=101"}, "--number: 101 is outside 1..100"},
        BadCase{{"-number", "0"}, "-number: 0 is outside 1..100"},
        BadCase{{"-speed", "14"}, "-speed: 14 is outside 15..100"},
        BadCase{{"--speed="}, "--speed: \"\" is not a whole number"},
        BadCase{{"-number", "99999999999999999999"}, "-number: \"99999999999999999999\" is not a whole number"},
        BadCase{{"-display", ""}, "-display: \"\" is not a display name"},
        BadCase{{"-window-id", "0"}, "-window-id: \"0\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "0x"}, "-window-id: \"0x\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "0x100000000"}, "-window-id: \"0x100000000\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "4294967296"}, "-window-id: \"4294967296\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "-5"}, "-window-id: \"-5\" is not a window id (0x... or decimal)"},
        BadCase{{"-window-id", "0x12z"}, "-window-id: \"0x12z\" is not a window id (0x... or decimal)"},
        // Control characters are escaped, so the message stays one line.
        BadCase{{"--.]r\x01gin"}, "unknown option \"--.]r\\x01gin\" (see --help)"},
        BadCase{{"-display", "a\nb"}, "-display: \"a\\nb\" is not a display name"}));

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
