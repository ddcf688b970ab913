#include "tools/sim/SimOptions.h"

#include <gtest/gtest.h>

#include "settings/Quoted.h"

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
    // Each option with values it refuses, after --frames 5 (a lone word is an
    // unknown option): malformed, out of range, sizes of zero or above 8192,
    // and control characters, escaped so the message stays one line.
    const std::pair<std::string, std::vector<std::string>> refusals[] = {
        {"", {"--bogus", "picture.ppm", "--screen=800x600", "--bo\tgus"}},
        {"--screen", {"800", "800x600x2", "0x768", "1024x0", "8193x10"}},
        {"--client", {"ax5", "10x8193", "-5x10", "1025x10"}},
        {"--seed", {"12z", "+1", "4294967296", "-1", "99999999999999999999999"}},
        {"--number", {"1.5", "4294967296", "5\nFAKE"}},
        {"--speed", {" 5", "-2147483649"}},
        {"--color", {"1,2", "1,2,3,4", "1,,3"}},
        {"--frames", {"-", "1000001"}},
        {"--frame-ms", {"1000001", "-1"}},
        {"--video-step", {"0", "1000001", "2x"}},
        {"--at",
         {"paint", "x:paint", "1:paints", "1:number", "1:number=q", "1:color=1,2", "1:width=3", "1:speed=4294967296",
          "1:number=\r\x1B[2J"}},
    };
    for (const auto& [option, values] : refusals) {
        for (const std::string& value : values) {
            std::vector<std::string> args = {"--frames", "5", value};
            if (!option.empty()) {
                args.insert(args.end() - 1, option);
            }
            ExpectRejected(args, option.empty() ? "option" : option, Quoted(value));
        }
    }
    ExpectRejected({"--color", "1,4294967296,3"}, "--color", "\"4294967296\"");
    ExpectRejected({"--frames", "10000", "--video", "v.webp"}, "--video", "10001 pictures");
    // Clients larger than the final screen.
    ExpectRejected({"--screen", "800x600", "--client", "800x601"}, "--client", "800x601");
    ExpectRejected({"--client", "900x500", "--screen", "800x600"}, "--client", "900x500");
    // An --at beyond the last frame is never reached.
    ExpectRejected({"--frames", "4", "--at", "5:paint"}, "--at", "5");
    ExpectRejected({"--at", "1:paint"}, "--at", "1");
    for (const char* option : {"--screen", "--client", "--seed", "--number", "--speed", "--color", "--picture",
                               "--frames", "--frame-ms", "--at", "--out", "--state", "--video", "--video-step"}) {
        ExpectRejected({option}, option, "missing");
        ExpectRejected({option, ""}, option, "missing");
    }
}

TEST(SimOptionsErrors, TheLimitsThemselvesAreTaken) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--screen", "8192x8192", "--frames", "1000000", "--frame-ms", "1000000", "--at", "0:paint", "--at",
              "1000000:color=1,2,300"},
             {"--screen", "1x1", "--frames", "1000000", "--video-step", "101", "--video", "v.webp"},
             {"--client", "900x500", "--screen", "900x500", "--frames", "9999", "--video", "v.webp"},
             {"--client", "1024x768", "--frames", "4", "--at", "4:paint"}}) {
        const Parsed parsed = Parse(args);
        EXPECT_TRUE(parsed.ok) << parsed.error;
    }
}

}  // namespace
}  // namespace tidewell::sim
