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
void ExpectRejected(const std::vector<std::string>& args, const std::string& option,
                    const std::string& value) {
    const Parsed parsed = Parse(args);
    EXPECT_FALSE(parsed.ok);
    EXPECT_NE(parsed.error.find(option), std::string::npos) << parsed.error;
    EXPECT_NE(parsed.error.find(value), std::string::npos) << parsed.error;
    EXPECT_EQ(parsed.error.find('\n'), std::string::npos) << "one line: " << parsed.error;
}

TEST(SimOptionsDefaults, AreTheDefaultScene) {
    const Parsed parsed = Parse({});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const SimOptions& o = parsed.options;
    EXPECT_EQ(o.screenWidth, 1024);
    EXPECT_EQ(o.screenHeight, 768);
    EXPECT_EQ(o.ClientWidth(), 1024);
    EXPECT_EQ(o.ClientHeight(), 768);
    EXPECT_EQ(o.seed, 1u);
    EXPECT_EQ(o.number, 20);
    EXPECT_EQ(o.speed, 50);
    EXPECT_EQ(o.red, 22);
    EXPECT_EQ(o.green, 93);
    EXPECT_EQ(o.blue, 165);
    EXPECT_FALSE(o.blank);
    EXPECT_TRUE(o.picturePath.empty());
    EXPECT_EQ(o.frames, 0u);
    EXPECT_EQ(o.frameMs, 16u);
    EXPECT_TRUE(o.actions.empty());
    EXPECT_FALSE(o.help);
}

TEST(SimOptionsValues, EveryOptionIsTaken) {
    const Parsed parsed = Parse({"--screen", "800x600", "--client", "152x112", "--seed", "4294967295",
                                 "--number", "-7", "--speed", "200", "--color", "278,-1,4294967295",
                                 "--blank", "--picture", "p.ppm", "--frames", "12", "--frame-ms", "0",
                                 "--out", "o.png", "--state", "s.txt"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const SimOptions& o = parsed.options;
    EXPECT_EQ(o.screenWidth, 800);
    EXPECT_EQ(o.screenHeight, 600);
    EXPECT_EQ(o.ClientWidth(), 152);
    EXPECT_EQ(o.ClientHeight(), 112);
    EXPECT_EQ(o.seed, 4294967295u);
    EXPECT_EQ(o.number, -7);
    EXPECT_EQ(o.speed, 200);
    EXPECT_EQ(o.red, 278);
    EXPECT_EQ(o.green, -1);
    EXPECT_EQ(o.blue, -1) << "an unsigned 32-bit value is stored as the same 32 bits";
    EXPECT_TRUE(o.blank);
    EXPECT_EQ(o.picturePath, "p.ppm");
    EXPECT_EQ(o.frames, 12u);
    EXPECT_EQ(o.frameMs, 0u);
    EXPECT_EQ(o.outPath, "o.png");
    EXPECT_EQ(o.statePath, "s.txt");
}

TEST(SimOptionsValues, StoredSettingsTakeTheWholeSignedRange) {
    const Parsed parsed = Parse({"--number", "-2147483648", "--speed", "2147483647"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(parsed.options.number, INT32_MIN);
    EXPECT_EQ(parsed.options.speed, INT32_MAX);
}

TEST(SimOptionsValues, HelpStopsTheParse) {
    const Parsed parsed = Parse({"--help", "--bogus"});
    ASSERT_TRUE(parsed.ok);
    EXPECT_TRUE(parsed.options.help);
}

TEST(SimOptionsActions, KeepCommandLineOrderAndTheirValues) {
    const Parsed parsed = Parse({"--frames", "3", "--at", "2:paint", "--at", "0:number=5", "--at",
                                 "2:speed=-5", "--at", "3:color=1,2,300"});
    ASSERT_TRUE(parsed.ok) << parsed.error;
    const auto& a = parsed.options.actions;
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].afterFrames, 2u);
    EXPECT_EQ(a[0].kind, SimAction::Kind::kPaint);
    EXPECT_EQ(a[1].afterFrames, 0u);
    EXPECT_EQ(a[1].kind, SimAction::Kind::kNumber);
    EXPECT_EQ(a[1].value, 5);
    EXPECT_EQ(a[2].kind, SimAction::Kind::kSpeed);
    EXPECT_EQ(a[2].value, -5);
    EXPECT_EQ(a[3].kind, SimAction::Kind::kColor);
    EXPECT_EQ(a[3].red, 1);
    EXPECT_EQ(a[3].green, 2);
    EXPECT_EQ(a[3].blue, 300);
}

TEST(SimOptionsActions, AtTheLastFrameIsReachedOneLaterIsNot) {
    EXPECT_TRUE(Parse({"--frames", "4", "--at", "4:paint"}).ok);
    EXPECT_TRUE(Parse({"--at", "0:paint"}).ok) << "K = 0 is after the first paint";
    ExpectRejected({"--frames", "4", "--at", "5:paint"}, "--at", "5");
    ExpectRejected({"--at", "1:paint"}, "--at", "1");
}

TEST(SimOptionsErrors, UnknownOptionsAndArguments) {
    ExpectRejected({"--bogus"}, "option", "--bogus");
    ExpectRejected({"picture.ppm"}, "option", "picture.ppm");
    ExpectRejected({"--screen=800x600"}, "option", "--screen=800x600");
}

TEST(SimOptionsErrors, MissingValues) {
    for (const char* option : {"--screen", "--client", "--seed", "--number", "--speed", "--color",
                               "--picture", "--frames", "--frame-ms", "--at", "--out", "--state"}) {
        ExpectRejected({option}, option, "missing");
        ExpectRejected({option, ""}, option, "missing");
    }
}

TEST(SimOptionsErrors, MalformedValues) {
    ExpectRejected({"--screen", "800"}, "--screen", "\"800\"");
    ExpectRejected({"--screen", "800x600x2"}, "--screen", "800x600x2");
    ExpectRejected({"--client", "ax5"}, "--client", "ax5");
    ExpectRejected({"--seed", "12z"}, "--seed", "12z");
    ExpectRejected({"--seed", "+1"}, "--seed", "+1");
    ExpectRejected({"--number", "1.5"}, "--number", "1.5");
    ExpectRejected({"--speed", " 5"}, "--speed", " 5");
    ExpectRejected({"--color", "1,2"}, "--color", "1,2");
    ExpectRejected({"--color", "1,2,3,4"}, "--color", "1,2,3,4");
    ExpectRejected({"--color", "1,,3"}, "--color", "1,,3");
    ExpectRejected({"--frames", "-"}, "--frames", "\"-\"");
    ExpectRejected({"--frames", "5", "--at", "paint"}, "--at", "paint");
    ExpectRejected({"--frames", "5", "--at", "x:paint"}, "--at", "x:paint");
    ExpectRejected({"--frames", "5", "--at", "1:paints"}, "--at", "1:paints");
    ExpectRejected({"--frames", "5", "--at", "1:number"}, "--at", "1:number");
    ExpectRejected({"--frames", "5", "--at", "1:number=q"}, "--at", "q");
    ExpectRejected({"--frames", "5", "--at", "1:color=1,2"}, "--at", "1,2");
    ExpectRejected({"--frames", "5", "--at", "1:width=3"}, "--at", "1:width=3");
}

TEST(SimOptionsErrors, NumbersOutOfRange) {
    ExpectRejected({"--seed", "4294967296"}, "--seed", "4294967296");
    ExpectRejected({"--seed", "-1"}, "--seed", "-1");
    ExpectRejected({"--number", "4294967296"}, "--number", "4294967296");
    ExpectRejected({"--speed", "-2147483649"}, "--speed", "-2147483649");
    ExpectRejected({"--color", "1,4294967296,3"}, "--color", "4294967296");
    ExpectRejected({"--frames", "1000001"}, "--frames", "1000001");
    ExpectRejected({"--frame-ms", "1000001"}, "--frame-ms", "1000001");
    ExpectRejected({"--frame-ms", "-1"}, "--frame-ms", "-1");
    ExpectRejected({"--seed", "99999999999999999999999"}, "--seed", "99999999999999999999999");
    ExpectRejected({"--frames", "5", "--at", "1:speed=4294967296"}, "--at", "4294967296");
    EXPECT_TRUE(Parse({"--frames", "1000000", "--frame-ms", "1000000"}).ok);
}

TEST(SimOptionsErrors, SizesOfZeroOrAbove8192) {
    ExpectRejected({"--screen", "0x768"}, "--screen", "0x768");
    ExpectRejected({"--screen", "1024x0"}, "--screen", "1024x0");
    ExpectRejected({"--screen", "8193x10"}, "--screen", "8193x10");
    ExpectRejected({"--client", "10x8193"}, "--client", "10x8193");
    ExpectRejected({"--client", "-5x10"}, "--client", "-5x10");
    EXPECT_TRUE(Parse({"--screen", "8192x8192"}).ok);
    EXPECT_TRUE(Parse({"--screen", "1x1"}).ok);
}

TEST(SimOptionsErrors, ClientMustFitInTheScreen) {
    ExpectRejected({"--client", "1025x10"}, "--client", "1025x10");
    ExpectRejected({"--screen", "800x600", "--client", "800x601"}, "--client", "800x601");
    // Checked against the final screen size, whatever the order.
    ExpectRejected({"--client", "900x500", "--screen", "800x600"}, "--client", "900x500");
    EXPECT_TRUE(Parse({"--client", "1024x768"}).ok);
    EXPECT_TRUE(Parse({"--client", "900x500", "--screen", "900x500"}).ok);
}

}  // namespace
}  // namespace tidewell::sim
