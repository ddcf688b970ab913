// tidewell-sim refuses bad input with exit status 2, one line on standard
// error naming the option and the value, and no output file.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/sim/SimProcess.h"

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

struct BadInput {
    std::vector<std::string> args;
    const char* option;  // both appear in the one line
    const char* value;
};

TEST_F(SimBadInput, EveryKindIsRefusedOnOneLine) {
    const std::string p3 = Picture("p3.ppm", "P3\n1 1\n255\n1 2 3\n");
    const std::string wide = Picture("p.ppm", std::string("P6\n2 1\n255\n\0\0\0\0\0\0", 17));
    const std::string png = Picture("cut.png", "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR");
    std::filesystem::create_directory(m_dir.File("folder.ppm"));
    // The parser's refusals one by one are SimOptionsTest's; here one of each
    // kind shows the process ends with status 2, one line and no output.
    const BadInput cases[] = {
        {{"--frams", "3"}, "option", "--frams"},
        {{"--frames"}, "--frames", "missing"},
        {{"--frames", "5", "--at", "2:jump"}, "--at", "2:jump"},
        {{"--frame-ms", "1000001"}, "--frame-ms", "1000001"},
        {{"--screen", "0x768"}, "--screen", "0x768"},
        {{"--screen", "640x480", "--client", "641x100"}, "--client", "641x100"},
        // Control characters are escaped, so the message stays one line.
        {{"--number", "5\nFAKE"}, "--number", "5\\nFAKE"},
        {{"--frames", "2", "--at", "1:number=\r\x1B[2J"}, "--at", "\\x0D\\x1B[2J"},
        {{"--bo\tgus"}, "option", "--bo\\tgus"},
        {{"--picture", m_dir.File("no\nwhere.ppm")}, "--picture", "no\\nwhere.ppm\" does not exist"},
        {{"--picture", m_dir.File("folder.ppm")}, "--picture", "not a file"},
        {{"--picture", "/dev/zero"}, "--picture", "not a file"},
        {{"--screen", "1x1", "--picture", p3}, "--picture", "P6"},
        {{"--screen", "1x2", "--picture", wide}, "--picture", "is 2x1, not the screen size 1x2"},
        {{"--screen", "1x1", "--picture", png}, "--picture", "not a readable PNG"},
        {{"--video", m_dir.File("folder.ppm")}, "--video", "is a folder"},
        {{"--video", m_dir.File("out.png")}, "--video", "name the same file"},
    };
    for (const BadInput& c : cases) {
        SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
        ExpectRefused(c.args, c.option, c.value);
    }
}

}  // namespace
}  // namespace tidewell::sim
