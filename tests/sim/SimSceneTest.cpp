// tidewell-sim as a process: the pictures and videos it writes.
#include <gtest/gtest.h>
#include <webp/demux.h>

#include "tests/sim/SimProcess.h"
#include "tools/sim/PictureFile.h"

namespace tidewell::sim {
namespace {

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

// The state file's format, the default scene, a speed change below 15 and
// changes given out of frame order are the golden scenes'; a picture written
// as PPM is theirs too, so here the picture is a PNG (chosen by the name,
// whatever its case), which the last picture of the video must match.
TEST(SimScene, VideoHasAPictureEveryStepEndingOnTheOutPictureAndTheSameBytesEachRun) {
    TempDir dir, again;
    std::vector<std::string> args = {"--screen", "200x150", "--number",     "100", "--speed", "100",
                                     "--frames", "30",      "--video-step", "3",   "--video", dir.File("a.webp")};
    args.insert(args.begin(), {"--out", dir.File("out.PNG")});
    ASSERT_EQ(RunSimProcess(args).exitCode, 0);
    Picture picture;
    std::string error;
    EXPECT_TRUE(ReadPictureFile(dir.File("out.PNG"), PictureSize{200, 150}, picture, error)) << error;
    EXPECT_EQ(ReadWholeFile(dir.File("out.PNG")).substr(0, 4), "\x89PNG");
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

}  // namespace
}  // namespace tidewell::sim
