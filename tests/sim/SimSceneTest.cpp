// tidewell-sim as a process: the state it writes, its outputs and options.
// What it renders is held to recorded hashes by golden/scenes.sh.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tests/sim/SimProcess.h"
#include "tools/sim/PpmFile.h"

namespace tidewell::sim {
namespace {

struct Scene {
    SimRun run;
    Picture picture;
    std::vector<std::string> state;  // lines
};

// Runs the tool with args plus --out and --state into dir.
Scene Render(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.end(), {"--out", dir.File("out.ppm"), "--state", dir.File("state.txt")});
    Scene scene;
    scene.run = RunSimProcess(args);
    EXPECT_EQ(scene.run.exitCode, 0) << scene.run.err;
    std::string error;
    EXPECT_TRUE(ReadPpm(dir.File("out.ppm"), scene.picture, error)) << error;
    std::istringstream lines(ReadWholeFile(dir.File("state.txt")));
    for (std::string line; std::getline(lines, line);) scene.state.push_back(line);
    return scene;
}

std::vector<std::string> Fields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    return fields;
}

TEST(SimScene, TheDefaultSceneStateHeaderAndOneLinePerParticle) {
    TempDir dir;
    const Scene scene = Render(dir, {});
    ASSERT_EQ(scene.state.size(), 118u);
    EXPECT_EQ(scene.state[0], "count 117 capacity 547 width 1024 height 768");
    for (std::size_t i = 1; i < scene.state.size(); ++i) {
        const std::vector<std::string> f = Fields(scene.state[i]);
        ASSERT_EQ(f.size(), 11u) << scene.state[i];
        EXPECT_EQ(f[0], std::to_string(i - 1));
        EXPECT_TRUE(f[1] == "1" || f[1] == "2" || f[1] == "3") << scene.state[i];
        EXPECT_TRUE(f[10] == "0" || f[10] == "1");
    }
    // After the first paint every particle has been born: y = 1.01.
    EXPECT_EQ(Fields(scene.state[1])[3], "1.01");
    EXPECT_EQ(scene.picture.width, 1024);
    EXPECT_EQ(scene.picture.height, 768);
}

TEST(SimScene, DoublesAreWrittenToReadBackExactly) {
    TempDir dir;
    const Scene scene = Render(dir, {"--frames", "30"});
    for (std::size_t i = 1; i < scene.state.size(); ++i) {
        const std::vector<std::string> f = Fields(scene.state[i]);
        for (std::size_t k : {2u, 3u, 4u, 5u}) {
            const double value = std::strtod(f[k].c_str(), nullptr);
            char again[40];
            std::snprintf(again, sizeof again, "%.17g", value);
            EXPECT_EQ(f[k], again);
        }
    }
}

TEST(SimScene, StoredSpeedIsRaisedTo15ButAtSpeedIsPassedOn) {
    TempDir a, b, c;
    const Scene low = Render(a, {"--speed", "-5"});
    const Scene fifteen = Render(b, {"--speed", "15"});
    EXPECT_EQ(low.state, fifteen.state);
    const Scene negative = Render(c, {"--frames", "3", "--at", "1:speed=-5"});
    // A negative speed turns the climb into a fall: vy > 0 for every particle.
    for (std::size_t i = 1; i < negative.state.size(); ++i)
        EXPECT_GT(std::strtod(Fields(negative.state[i])[5].c_str(), nullptr), 0.0) << negative.state[i];
}

TEST(SimScene, PngOutputShowsTheSamePixelsAsPpm) {
    TempDir dir;
    const Scene scene = Render(dir, {"--frames", "50", "--client", "300x200"});
    const SimRun png = RunSimProcess({"--frames", "50", "--client", "300x200", "--out", dir.File("out.PNG")});
    ASSERT_EQ(png.exitCode, 0) << png.err;
    // An independent decoder (zlib's) reads the PNG back.
    const std::string command = "python3 '" TIDEWELL_PNG_TO_PPM "' '" + dir.File("out.PNG") + "' '" +
                                dir.File("back.ppm") + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    Picture back;
    std::string error;
    ASSERT_TRUE(ReadPpm(dir.File("back.ppm"), back, error)) << error;
    EXPECT_EQ(back.width, 300);
    EXPECT_EQ(back.pixels, scene.picture.pixels);
}

TEST(SimScene, HelpPrintsTheUsage) {
    const SimRun run = RunSimProcess({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("usage: tidewell-sim"), std::string::npos);
    for (const char* option : {"--screen", "--client", "--seed", "--number", "--speed", "--color", "--blank",
                               "--picture", "--frames", "--frame-ms", "--at", "--out", "--state"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option;
    EXPECT_TRUE(run.err.empty());
}

}  // namespace
}  // namespace tidewell::sim
