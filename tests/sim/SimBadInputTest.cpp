// tidewell-sim refuses bad input with exit status 2, one line on standard
// error naming the option and the value, and no output file. The parser's
// own cases are in SimOptionsTest; these are one of each path through the
// tool.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/sim/SimProcess.h"

namespace tidewell::sim {
namespace {

struct Refusal {
    std::vector<std::string> args;  // "DIR/" stands for the test's folder
    std::string option;
    std::string value;
};

TEST(SimBadInput, IsRefusedWithOneLineAndNoOutput) {
    TempDir dir;
    dir.Write("p3.ppm", "P3\n1 1\n255\n1 2 3\n");
    dir.Write("wide.ppm", std::string("P6\n2 1\n255\n\0\0\0\0\0\0", 17));
    std::filesystem::create_directory(dir.File("folder.ppm"));
    const Refusal refusals[] = {
        {{"--frams", "3"}, "option", "--frams"},
        {{"--frames"}, "--frames", "missing"},
        {{"--screen", "1024*768"}, "--screen", "1024*768"},
        {{"--client", "100x769"}, "--client", "100x769"},
        {{"--frames", "9", "--at", "10:number=3"}, "--at", "10"},
        {{"--picture", "DIR/nowhere.ppm"}, "--picture", "nowhere.ppm"},
        {{"--picture", "DIR/folder.ppm"}, "--picture", "folder.ppm"},
        {{"--screen", "1x1", "--picture", "DIR/p3.ppm"}, "--picture", "p3.ppm"},
        {{"--screen", "1x2", "--picture", "DIR/wide.ppm"}, "--picture", "wide.ppm"},
    };
    for (const Refusal& refusal : refusals) {
        // Outputs first, so a missing value at the end stays missing.
        std::vector<std::string> args = {"--out", dir.File("out.png"), "--state", dir.File("state.txt")};
        for (const std::string& arg : refusal.args) {
            args.push_back(arg.rfind("DIR/", 0) == 0 ? dir.File(arg.substr(4)) : arg);
        }
        const SimRun run = RunSimProcess(args);
        SCOPED_TRACE(refusal.args[0] + " " + refusal.value);
        EXPECT_EQ(run.exitCode, 2) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line: " << run.err;
        EXPECT_NE(run.err.find(refusal.option), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(refusal.value), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty());
        EXPECT_FALSE(std::filesystem::exists(dir.File("out.png")));
        EXPECT_FALSE(std::filesystem::exists(dir.File("state.txt")));
    }
}

TEST(SimBadInput, AnUnwritableOutputIsAnErrorWithNoHalfResult) {
    TempDir dir;
    const SimRun run = RunSimProcess({"--out", dir.File("no/such/folder.png"), "--state", dir.File("s.txt")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("--out"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("s.txt")));
}

}  // namespace
}  // namespace tidewell::sim
