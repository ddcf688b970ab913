// tidewell-sim as a process: scenes it renders and the states it writes.
#include <gtest/gtest.h>
#include <webp/demux.h>

#include <cstdlib>
#include <sstream>

#include "tests/sim/SimProcess.h"
#include "tools/sim/PictureFile.h"

namespace tidewell::sim {
namespace {

struct Scene {
    SimRun run;
    Picture picture;
    std::vector<std::string> state;  // lines
};

// Runs the tool with args plus --out and --state into dir; reads the picture
// back when given its size.
Scene Render(const TempDir& dir, std::vector<std::string> args, PictureSize size = {}) {
    args.insert(args.end(), {"--out", dir.File("out.ppm"), "--state", dir.File("state.txt")});
    Scene scene;
    scene.run = RunSimProcess(args);
    EXPECT_EQ(scene.run.exitCode, 0) << scene.run.err;
    std::string error;
    EXPECT_TRUE(size.width == 0 || ReadPictureFile(dir.File("out.ppm"), size, scene.picture, error)) << error;
    std::istringstream lines(ReadWholeFile(dir.File("state.txt")));
    for (std::string line; std::getline(lines, line);) {
        scene.state.push_back(line);
    }
    return scene;
}

// The state file's format and the default scene are the golden scenes'.
// The stored speed's floor of 15 is ParticleWndSettingsTest's.
TEST(SimScene, AtSpeedIsPassedOnUnraised) {
    TempDir dir;
    const Scene negative = Render(dir, {"--frames", "3", "--at", "1:speed=-5"});
    // A negative speed turns the climb into a fall: vy > 0 for every particle.
    for (std::size_t i = 1; i < negative.state.size(); ++i) {
        std::istringstream fields(negative.state[i]);
        std::string vy;
        for (int field = 0; field <= 5; ++field) {
            fields >> vy;
        }
        EXPECT_GT(std::strtod(vy.c_str(), nullptr), 0.0) << negative.state[i];
    }
}

// A PNG picture read whatever its name is PictureFileTest's.
TEST(SimScene, PngOutShowsTheSamePixelsAsPpm) {
    TempDir dir;
    const Scene scene = Render(dir, {"--frames", "50", "--client", "300x200"}, PictureSize{300, 200});
    const SimRun run = RunSimProcess({"--frames", "50", "--client", "300x200", "--out", dir.File("out.PNG")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    Picture back;
    std::string error;
    ASSERT_TRUE(ReadPictureFile(dir.File("out.PNG"), PictureSize{300, 200}, back, error)) << error;
    EXPECT_EQ(back.pixels, scene.picture.pixels);
}

TEST(SimScene, AtChangesApplyByFrameWhateverTheirOrder) {
    TempDir a, b;
    const Scene ordered = Render(a, {"--frames", "6", "--at", "1:number=100", "--at", "2:paint", "--at", "4:number=1"});
    const Scene shuffled =
        Render(b, {"--frames", "6", "--at", "4:number=1", "--at", "1:number=100", "--at", "2:paint"});
    EXPECT_EQ(shuffled.state, ordered.state);
}

// An animated WebP decoded whole: its canvas and every picture.
struct Animation {
    WebPAnimInfo info{};
    std::vector<Picture> pictures;
    int lastTimestamp = 0;  // when the last picture ends, in ms
};

Animation DecodeWebp(const std::string& bytes) {
    Animation animation;
    WebPAnimDecoderOptions options;
    WebPAnimDecoderOptionsInit(&options);
    const WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&data, &options);  // RGBA
    EXPECT_TRUE(decoder != nullptr && WebPAnimDecoderGetInfo(decoder, &animation.info)) << "not an animated WebP";
    const int width = static_cast<int>(animation.info.canvas_width);
    std::uint8_t* rgba = nullptr;
    while (decoder != nullptr && WebPAnimDecoderGetNext(decoder, &rgba, &animation.lastTimestamp)) {
        Picture picture(width, static_cast<int>(animation.info.canvas_height));
        for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
            picture.pixels[i] = MakeColor(rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]);
        }
        animation.pictures.push_back(std::move(picture));
    }
    WebPAnimDecoderDelete(decoder);
    return animation;
}

TEST(SimScene, VideoHasAPictureEveryStepEndingOnTheOutPictureAndTheSameBytesEachRun) {
    TempDir dir, again;
    std::vector<std::string> args = {"--screen", "200x150", "--number",     "100", "--speed", "100",
                                     "--frames", "30",      "--video-step", "3",   "--video", dir.File("a.webp")};
    const Scene scene = Render(dir, args, PictureSize{200, 150});
    args.back() = again.File("b.webp");
    ASSERT_EQ(RunSimProcess(args).exitCode, 0);
    const std::string bytes = ReadWholeFile(dir.File("a.webp"));
    EXPECT_EQ(bytes, ReadWholeFile(again.File("b.webp")));

    const Animation animation = DecodeWebp(bytes);
    EXPECT_EQ(animation.info.canvas_width, 200u);
    EXPECT_EQ(animation.info.canvas_height, 150u);
    ASSERT_EQ(animation.pictures.size(), 11u) << "after the first paint and after every 3 of 30 frames";
    EXPECT_EQ(animation.lastTimestamp, 11 * 3 * 16) << "each shown for 3 frames of 16 ms";
    EXPECT_EQ(animation.pictures.back().pixels, scene.picture.pixels);
    EXPECT_NE(animation.pictures.front().pixels, scene.picture.pixels);
}

TEST(SimScene, HelpPrintsTheUsage) {
    const SimRun run = RunSimProcess({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("usage: tidewell-sim"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

}  // namespace
}  // namespace tidewell::sim
