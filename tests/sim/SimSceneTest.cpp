// tidewell-sim as a process: the pictures and videos it writes.
#include <gtest/gtest.h>
#include <webp/demux.h>

#include "tests/sim/SimProcess.h"
#include "tools/sim/PictureFile.h"

namespace tidewell::sim {
namespace {

// Runs the tool with args plus --out into dir, and reads the picture back.
Picture Render(const TempDir& dir, std::vector<std::string> args, PictureSize size,
               const std::string& out = "out.ppm") {
    args.insert(args.end(), {"--out", dir.File(out)});
    const SimRun run = RunSimProcess(args);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    Picture picture;
    std::string error;
    EXPECT_TRUE(ReadPictureFile(dir.File(out), size, picture, error)) << error;
    return picture;
}

// The state file's format, the default scene, a speed change below 15 and
// changes given out of frame order are the golden scenes'; a PNG picture read
// whatever its name is PictureFileTest's.
TEST(SimScene, PngOutShowsTheSamePixelsAsPpm) {
    TempDir dir;
    const std::vector<std::string> args = {"--frames", "50", "--client", "300x200"};
    EXPECT_EQ(Render(dir, args, PictureSize{300, 200}, "out.PNG").pixels,
              Render(dir, args, PictureSize{300, 200}).pixels);
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
    const Picture picture = Render(dir, args, PictureSize{200, 150});
    args.back() = again.File("b.webp");
    ASSERT_EQ(RunSimProcess(args).exitCode, 0);
    const std::string bytes = ReadWholeFile(dir.File("a.webp"));
    EXPECT_EQ(bytes, ReadWholeFile(again.File("b.webp")));

    const Animation animation = DecodeWebp(bytes);
    EXPECT_EQ(animation.info.canvas_width, 200u);
    EXPECT_EQ(animation.info.canvas_height, 150u);
    ASSERT_EQ(animation.pictures.size(), 11u) << "after the first paint and after every 3 of 30 frames";
    EXPECT_EQ(animation.lastTimestamp, 11 * 3 * 16) << "each shown for 3 frames of 16 ms";
    EXPECT_EQ(animation.pictures.back().pixels, picture.pixels);
    EXPECT_NE(animation.pictures.front().pixels, picture.pixels);
}

TEST(SimScene, HelpPrintsTheUsage) {
    const SimRun run = RunSimProcess({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("usage: tidewell-sim"), std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

}  // namespace
}  // namespace tidewell::sim
