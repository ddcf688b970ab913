// tidewell-sim refuses bad input with exit status 2, one line on standard
// error naming the option and the value, and no output file.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/sim/SimProcess.h"
#include "tools/sim/PpmFile.h"

namespace tidewell::sim {
namespace {

class SimBadInput : public ::testing::Test {
protected:
    // Runs args with both outputs asked for and checks the refusal.
    void ExpectRefused(std::vector<std::string> args, const std::string& option, const std::string& value) {
        // Outputs first, so a missing value at the end stays missing.
        args.insert(args.begin(), {"--out", m_dir.File("out.png"), "--state", m_dir.File("state.txt")});
        const SimRun run = RunSimProcess(args);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find(option), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(value), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(std::filesystem::exists(m_dir.File("out.png")));
        EXPECT_FALSE(std::filesystem::exists(m_dir.File("state.txt")));
    }

    std::string Picture(const std::string& name, const std::string& content) { return m_dir.Write(name, content); }

    TempDir m_dir;
};

TEST_F(SimBadInput, UnknownOption) {
    ExpectRefused({"--frams", "3"}, "option", "--frams");
    ExpectRefused({"stray"}, "option", "stray");
}

TEST_F(SimBadInput, MissingValue) {
    ExpectRefused({"--frames"}, "--frames", "missing");
    ExpectRefused({"--seed", ""}, "--seed", "missing");
}

TEST_F(SimBadInput, MalformedValue) {
    ExpectRefused({"--screen", "1024*768"}, "--screen", "1024*768");
    ExpectRefused({"--color", "1,2"}, "--color", "1,2");
    ExpectRefused({"--number", "twenty"}, "--number", "twenty");
    ExpectRefused({"--frames", "5", "--at", "2:jump"}, "--at", "2:jump");
}

TEST_F(SimBadInput, NumberOutOfRange) {
    ExpectRefused({"--frame-ms", "1000001"}, "--frame-ms", "1000001");
    ExpectRefused({"--seed", "4294967296"}, "--seed", "4294967296");
    ExpectRefused({"--speed", "9999999999"}, "--speed", "9999999999");
    ExpectRefused({"--frames", "-1"}, "--frames", "-1");
}

TEST_F(SimBadInput, SizeOfZeroOrAbove8192) {
    ExpectRefused({"--screen", "0x768"}, "--screen", "0x768");
    ExpectRefused({"--screen", "1024x8193"}, "--screen", "1024x8193");
    ExpectRefused({"--client", "0x10"}, "--client", "0x10");
}

TEST_F(SimBadInput, ClientThatDoesNotFit) {
    ExpectRefused({"--screen", "640x480", "--client", "641x100"}, "--client", "641x100");
    ExpectRefused({"--client", "100x769"}, "--client", "100x769");
}

TEST_F(SimBadInput, PictureMissing) {
    ExpectRefused({"--picture", m_dir.File("nowhere.ppm")}, "--picture", "nowhere.ppm");
}

TEST_F(SimBadInput, PictureUnreadable) {
    std::filesystem::create_directory(m_dir.File("folder.ppm"));
    ExpectRefused({"--picture", m_dir.File("folder.ppm")}, "--picture", "folder.ppm");
}

TEST_F(SimBadInput, PictureNotP6OrNotMaxval255) {
    ExpectRefused({"--screen", "1x1", "--picture", Picture("p3.ppm", "P3\n1 1\n255\n1 2 3\n")}, "--picture", "p3.ppm");
    ExpectRefused({"--screen", "1x1", "--picture", Picture("m.ppm", std::string("P6\n1 1\n65535\n\0\0\0\0\0\0", 19))},
                  "--picture", "m.ppm");
    ExpectRefused({"--screen", "1x1", "--picture", Picture("m1.ppm", std::string("P6\n1 1\n254\n\0\0\0", 14))},
                  "--picture", "m1.ppm");
    ExpectRefused({"--screen", "2x2", "--picture", Picture("short.ppm", "P6\n2 2\n255\nabc")}, "--picture", "short.ppm");
}

TEST_F(SimBadInput, PictureOfTheWrongSize) {
    ExpectRefused({"--screen", "1x2", "--picture", Picture("p.ppm", std::string("P6\n2 1\n255\n\0\0\0\0\0\0", 17))},
                  "--picture", "p.ppm");
}

TEST_F(SimBadInput, AtThatIsNeverReached) {
    ExpectRefused({"--at", "1:paint"}, "--at", "1");
    ExpectRefused({"--frames", "9", "--at", "3:paint", "--at", "10:number=3"}, "--at", "10");
}

TEST_F(SimBadInput, AnUnwritableOutputIsAnErrorWithNoHalfResult) {
    const SimRun run = RunSimProcess({"--out", m_dir.File("no/such/folder.png"), "--state", m_dir.File("s.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("--out"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(m_dir.File("s.txt")));
}

}  // namespace
}  // namespace tidewell::sim
