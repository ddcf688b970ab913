#include "tools/sim/PpmFile.h"

#include <gtest/gtest.h>

#include "tests/sim/TempDir.h"

namespace tidewell::sim {
namespace {

std::string ReadError(const std::string& path) {
    Picture picture;
    std::string error;
    EXPECT_FALSE(ReadPpm(path, picture, error));
    return error;
}

TEST(PpmFile, WritesTheP6LayoutRedGreenBlue) {
    TempDir dir;
    Picture picture(2, 1);
    picture.At(0, 0) = MakeColor(1, 2, 3);
    picture.At(1, 0) = MakeColor(250, 128, 0);
    ASSERT_TRUE(WritePpm(dir.File("a.ppm"), picture));
    EXPECT_EQ(ReadWholeFile(dir.File("a.ppm")), std::string("P6\n2 1\n255\n\x01\x02\x03\xFA\x80\x00", 17));
}

TEST(PpmFile, ReadsBackWhatItWrote) {
    TempDir dir;
    Picture picture(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) picture.At(x, y) = MakeColor(x * 30, y * 50, x * y);
    ASSERT_TRUE(WritePpm(dir.File("b.ppm"), picture));
    Picture back;
    std::string error;
    ASSERT_TRUE(ReadPpm(dir.File("b.ppm"), back, error)) << error;
    EXPECT_EQ(back.width, 7);
    EXPECT_EQ(back.height, 5);
    EXPECT_EQ(back.pixels, picture.pixels);
}

TEST(PpmFile, HeaderMayCarryCommentsAndAnyWhitespace) {
    TempDir dir;
    static const char kFile[] = "P6 # made by hand\n1\t\n  1\n#x\n255\n\xFF\x00\x10";
    const std::string path = dir.Write("c.ppm", std::string(kFile, sizeof kFile - 1));
    Picture picture;
    std::string error;
    ASSERT_TRUE(ReadPpm(path, picture, error)) << error;
    ASSERT_EQ(picture.pixels.size(), 1u);
    EXPECT_EQ(picture.pixels[0], MakeColor(255, 0, 16));
}

TEST(PpmFile, PixelBytesThatLookLikeWhitespaceAreData) {
    TempDir dir;
    // The byte after maxval ends the header; the first pixel is "\n\n\n".
    const std::string path = dir.Write("d.ppm", std::string("P6\n1 1\n255\n\n\n\n", 14));
    Picture picture;
    std::string error;
    ASSERT_TRUE(ReadPpm(path, picture, error)) << error;
    EXPECT_EQ(picture.pixels[0], MakeColor(10, 10, 10));
}

TEST(PpmFile, RefusesWhatIsNotABinaryPpmOfMaxval255) {
    TempDir dir;
    EXPECT_NE(ReadError(dir.File("missing.ppm")).find("cannot be read"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("p3.ppm", "P3\n1 1\n255\n0 0 0\n")).find("P6"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("empty.ppm", "")).find("P6"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("png.ppm", "\x89PNG")).find("P6"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("max.ppm", "P6\n1 1\n65535\n\0\0\0\0\0\0")).find("65535"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("max1.ppm", "P6\n1 1\n1\n\0\0\0")).find("maxval"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("short.ppm", "P6\n2 2\n255\n\1\2\3")).find("shorter"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("hdr.ppm", "P6\n2 x\n255\n")).find("header"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("neg.ppm", "P6\n-2 2\n255\n")).find("header"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("cut.ppm", "P6\n2 2")).find("header"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("zero.ppm", "P6\n0 2\n255\n")).find("no pixels"), std::string::npos);
}

TEST(PpmFile, RefusesHugeSizesBeforeAllocating) {
    TempDir dir;
    EXPECT_NE(ReadError(dir.Write("big.ppm", "P6\n8193 1\n255\n")).find("8192"), std::string::npos);
    EXPECT_NE(ReadError(dir.Write("huge.ppm", "P6\n99999999999 1\n255\n")).find("header"), std::string::npos);
}

}  // namespace
}  // namespace tidewell::sim
