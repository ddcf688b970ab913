// tidewell-sim as a process: scenes it renders and the states it writes.
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

std::size_t CountOf(const Picture& p, COLORREF colour) {
    return static_cast<std::size_t>(std::count(p.pixels.begin(), p.pixels.end(), colour));
}

std::vector<std::string> Fields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    return fields;
}

// A desktop picture: dark grey with two white rectangles.
std::string WriteDesktop(const TempDir& dir, int width, int height) {
    Picture desktop(width, height, MakeColor(40, 40, 40));
    for (int y = 200; y < 700; ++y)
        for (int x = 300; x < 420; ++x) desktop.At(x, y) = kWhite;
    for (int y = 100; y < 500; ++y)
        for (int x = 600; x < 640; ++x) desktop.At(x, y) = kWhite;
    const std::string path = dir.File("desktop.ppm");
    EXPECT_TRUE(WritePpm(path, desktop));
    return path;
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

TEST(SimScene, TheDefaultSceneAnimatesOverABlackScreen) {
    TempDir dir;
    const Scene scene = Render(dir, {"--frames", "120"});
    const std::size_t white = CountOf(scene.picture, kWhite);
    EXPECT_GT(white, 50u) << "particles have risen into view";
    EXPECT_EQ(white + CountOf(scene.picture, 0x00000000), scene.picture.pixels.size())
        << "the black desktop is kept, not filled";
}

TEST(SimScene, SameInputsGiveTheSameResultsAndTheSeedMatters) {
    TempDir a, b, c;
    const Scene first = Render(a, {"--frames", "40", "--seed", "99"});
    const Scene again = Render(b, {"--frames", "40", "--seed", "99"});
    const Scene other = Render(c, {"--frames", "40", "--seed", "100"});
    EXPECT_EQ(first.state, again.state);
    EXPECT_EQ(first.picture.pixels, again.picture.pixels);
    EXPECT_NE(first.state, other.state);
}

TEST(SimScene, AFrameAdvancesTheClockByFrameMs) {
    TempDir a, b;
    const Scene slow = Render(a, {"--frames", "60", "--frame-ms", "0"});
    const Scene fast = Render(b, {"--frames", "60", "--frame-ms", "40"});
    // With no time passing nothing is displaced (only accelerated).
    for (std::size_t i = 1; i < slow.state.size(); ++i) EXPECT_EQ(Fields(slow.state[i])[3], "1.01");
    EXPECT_NE(slow.state, fast.state);
}

TEST(SimScene, APictureWithWhiteRectanglesIsCapturedAndBouncedOff) {
    TempDir dir, plain;
    const std::string desktop = WriteDesktop(dir, 1024, 768);
    const Scene scene = Render(dir, {"--picture", desktop, "--frames", "150", "--number", "100"});
    Picture original;
    std::string error;
    ASSERT_TRUE(ReadPpm(desktop, original, error));
    // Every pixel is the picture's, or a particle's white.
    for (std::size_t i = 0; i < original.pixels.size(); ++i) {
        ASSERT_TRUE(scene.picture.pixels[i] == original.pixels[i] || scene.picture.pixels[i] == kWhite) << i;
    }
    EXPECT_GT(CountOf(scene.picture, kWhite), CountOf(original, kWhite)) << "particles over the grey";
    // The same scene over a plain grey desktop moves the particles otherwise.
    Picture grey(1024, 768, MakeColor(40, 40, 40));
    ASSERT_TRUE(WritePpm(plain.File("grey.ppm"), grey));
    const Scene unbounced = Render(plain, {"--picture", plain.File("grey.ppm"), "--frames", "150", "--number", "100"});
    EXPECT_NE(scene.state, unbounced.state);
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

TEST(SimScene, AtNumberChangesTheCountFromTheClientSize) {
    TempDir a, b;
    const Scene fewer = Render(a, {"--frames", "4", "--at", "2:number=1"});
    EXPECT_EQ(fewer.state[0], "count 15 capacity 547 width 1024 height 768");
    EXPECT_EQ(fewer.state.size(), 16u);
    const Scene preview = Render(b, {"--client", "500x120", "--frames", "1", "--at", "1:number=100"});
    EXPECT_EQ(preview.state[0], "count 196 capacity 547 width 500 height 120");
}

TEST(SimScene, SeveralOpsAtOneFrameApplyInCommandLineOrder) {
    TempDir a, b;
    const Scene up = Render(a, {"--frames", "2", "--at", "1:number=1", "--at", "1:number=100"});
    const Scene down = Render(b, {"--frames", "2", "--at", "1:number=100", "--at", "1:number=1"});
    EXPECT_EQ(up.state[0], "count 547 capacity 547 width 1024 height 768");
    EXPECT_EQ(down.state[0], "count 15 capacity 547 width 1024 height 768");
}

TEST(SimScene, AtColorClearsAPreviewToTheNewColour) {
    TempDir dir;
    const Scene scene = Render(dir, {"--client", "200x150", "--frames", "30", "--at", "0:color=300,0,-1"});
    const COLORREF back = MakeColor(44, 0, 255);
    EXPECT_EQ(CountOf(scene.picture, back) + CountOf(scene.picture, kWhite), scene.picture.pixels.size());
    EXPECT_GT(CountOf(scene.picture, back), 20000u);
}

TEST(SimScene, AtPaintStepsWithoutMoving) {
    TempDir a, b;
    const Scene painted = Render(a, {"--frames", "80", "--at", "80:paint"});
    const Scene plain = Render(b, {"--frames", "80"});
    ASSERT_EQ(painted.state.size(), plain.state.size());
    EXPECT_NE(painted.state, plain.state) << "the paint's step nudged the particles";
    EXPECT_EQ(painted.state[0], plain.state[0]);
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
