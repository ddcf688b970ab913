#include "tools/sim/SimOptions.h"

#include <gtest/gtest.h>

namespace tidewell::sim {
namespace {

struct Parsed {
    bool ok;
    SimOptions options;
    std::string error;
};

Parsed Parse(const std::vector<std::string>& args) {
    Parsed parsed;
    parsed.ok = ParseSimOptions(args, parsed.options, parsed.error);
    return parsed;
}

// The error names the option and the value it was given.
void ExpectRejected(const std::vector<std::string>& args, const std::string& option, const std::string& value) {
    const Parsed parsed = Parse(args);
    EXPECT_FALSE(parsed.ok) << option << " " << value;
    EXPECT_NE(parsed.error.find(option), std::string::npos) << parsed.error;
    EXPECT_NE(parsed.error.find(value), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << "one line: " << parsed.error;
}

// The defaults are the golden default scene's.
// Every option's plain use is in the golden scenes; these are the values
// they do not show.
TEST(SimOptionsValues, StoredSettingsTakeTheWhole32BitsAndHelpAndVersionStopTheParse) {
    // An unsigned value is stored as the same 32 bits.
    const Parsed parsed = Parse({"--color", "278,-1,4294967295", "--number", "-2147483648", "--speed", "2147483647"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(
        parsed.options.stored,
        (StoredSettings{
            {"Number", INT32_MIN}, {"Speed", INT32_MAX}, {"ColorRed", 278}, {"ColorGreen", -1}, {"ColorBlue", -1}}));
    EXPECT_TRUE(Parse({"--help", "--bogus"}).options.help);
    EXPECT_TRUE(Parse({"--version", "--bogus"}).options.version);
}

TEST(SimOptionsErrors, NameTheOptionAndTheValue) {
    struct Refusal {
        std::vector<std::string> args;
        std::string option;
        std::string value;
    };
    const Refusal refusals[] = {
        {{"--bogus"}, "option", "--bogus"},
        {{"picture.ppm"}, "option", "picture.ppm"},
        {{"--screen=800x600"}, "option", "--screen=800x600"},
        {{"--screen", "800"}, "--screen", "\"800\""},
        {{"--screen", "800x600x2"}, "--screen", "800x600x2"},
        {{"--client", "ax5"}, "--client", "ax5"},
        {{"--seed", "12z"}, "--seed", "12z"},
        {{"--seed", "+1"}, "--seed", "+1"},
        {{"--number", "1.5"}, "--number", "1.5"},
        {{"--speed", " 5"}, "--speed", " 5"},
        {{"--color", "1,2"}, "--color", "1,2"},
        {{"--color", "1,2,3,4"}, "--color", "1,2,3,4"},
        {{"--color", "1,,3"}, "--color", "1,,3"},
        {{"--frames", "-"}, "--frames", "\"-\""},
        {{"--frames", "5", "--at", "paint"}, "--at", "paint"},
        {{"--frames", "5", "--at", "x:paint"}, "--at", "x:paint"},
        {{"--frames", "5", "--at", "1:paints"}, "--at", "1:paints"},
        {{"--frames", "5", "--at", "1:number"}, "--at", "1:number"},
        {{"--frames", "5", "--at", "1:number=q"}, "--at", "q"},
        {{"--frames", "5", "--at", "1:color=1,2"}, "--at", "1,2"},
        {{"--frames", "5", "--at", "1:width=3"}, "--at", "1:width=3"},
        // Numbers out of range.
        {{"--seed", "4294967296"}, "--seed", "4294967296"},
        {{"--seed", "-1"}, "--seed", "-1"},
        {{"--seed", "99999999999999999999999"}, "--seed", "99999999999999999999999"},
        {{"--number", "4294967296"}, "--number", "4294967296"},
        {{"--speed", "-2147483649"}, "--speed", "-2147483649"},
        {{"--color", "1,4294967296,3"}, "--color", "4294967296"},
        {{"--frames", "1000001"}, "--frames", "1000001"},
        {{"--frame-ms", "1000001"}, "--frame-ms", "1000001"},
        {{"--frame-ms", "-1"}, "--frame-ms", "-1"},
        {{"--frames", "5", "--at", "1:speed=4294967296"}, "--at", "4294967296"},
        {{"--video-step", "0"}, "--video-step", "0"},
        {{"--video-step", "1000001"}, "--video-step", "1000001"},
        {{"--video-step", "2x"}, "--video-step", "2x"},
        {{"--frames", "10000", "--video", "v.webp"}, "--video", "10001 pictures"},
        // Sizes of zero or above 8192, and clients larger than the final screen.
        {{"--screen", "0x768"}, "--screen", "0x768"},
        {{"--screen", "1024x0"}, "--screen", "1024x0"},
        {{"--screen", "8193x10"}, "--screen", "8193x10"},
        {{"--client", "10x8193"}, "--client", "10x8193"},
        {{"--client", "-5x10"}, "--client", "-5x10"},
        {{"--client", "1025x10"}, "--client", "1025x10"},
        {{"--screen", "800x600", "--client", "800x601"}, "--client", "800x601"},
        {{"--client", "900x500", "--screen", "800x600"}, "--client", "900x500"},
        // An --at beyond the last frame is never reached.
        {{"--frames", "4", "--at", "5:paint"}, "--at", "5"},
        {{"--at", "1:paint"}, "--at", "1"},
    };
    for (const Refusal& refusal : refusals) {
        ExpectRejected(refusal.args, refusal.option, refusal.value);
    }
    for (const char* option : {"--screen", "--client", "--seed", "--number", "--speed", "--color", "--picture",
                               "--frames", "--frame-ms", "--at", "--out", "--state", "--video", "--video-step"}) {
        ExpectRejected({option}, option, "missing");
        ExpectRejected({option, ""}, option, "missing");
    }
}

TEST(SimOptionsErrors, TheLimitsThemselvesAreTaken) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--frames", "1000000", "--frame-ms", "1000000"},
                                               {"--screen", "8192x8192"},
                                               {"--screen", "1x1"},
                                               {"--client", "1024x768"},
                                               {"--client", "900x500", "--screen", "900x500"},
                                               {"--frames", "4", "--at", "4:paint"},
                                               {"--frames", "9999", "--video", "v.webp"},
                                               {"--frames", "1000000", "--video-step", "101", "--video", "v.webp"},
                                               {"--at", "0:paint"},
                                               {"--frames", "3", "--at", "3:color=1,2,300"}}) {
        EXPECT_TRUE(Parse(args).ok) << args[0] << " " << args[1];
    }
}

}  // namespace
}  // namespace tidewell::sim
