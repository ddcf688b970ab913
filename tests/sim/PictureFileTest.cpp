// The picture files: PNG and binary PPM, read by content, written as asked.
#include "tools/sim/PictureFile.h"

#include <sys/resource.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "tests/sim/TempDir.h"
#include "picture/PngFile.h"
#include "tools/sim/PpmFile.h"

namespace tidewell::sim {
namespace {

struct Read {
    bool ok;
    Picture picture;
    std::string error;
};

Read ReadFile(const std::string& path, long width, long height) {
    Read read;
    read.ok = ReadPictureFile(path, PictureSize{width, height}, read.picture, read.error);
    return read;
}

Picture Gradient(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.At(x, y) = MakeColor(x * 7, y * 3, x ^ y);
        }
    }
    return picture;
}

template <typename Writer>
std::string WriteWith(Writer write, const std::string& path, const Picture& picture) {
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
    EXPECT_TRUE(out != nullptr && write(out.get(), picture)) << path;
    return path;
}

// How PPM is written is the golden scenes' (their hashes are of PPM files);
// PNG is written as 8-bit RGB, compressed; both read back whatever the name.
TEST(PictureFile, BothFormatsReadBackWhatWasWrittenWhateverTheName) {
    TempDir dir;
    const Picture picture = Gradient(37, 11);
    for (const std::string& path :
         {WriteWith(WritePpm, dir.File("a.ppm"), picture), WriteWith(WritePng, dir.File("b.png"), picture),
          WriteWith(WritePng, dir.File("png-named.ppm"), picture)}) {
        const Read read = ReadFile(path, 37, 11);
        ASSERT_TRUE(read.ok) << path << ": " << read.error;
        EXPECT_EQ(read.picture.pixels, picture.pixels) << path;
    }
    const std::string png =
        ReadWholeFile(WriteWith(WritePng, dir.File("a.png"), Picture(1920, 1080, MakeColor(22, 93, 165))));
    // IHDR: 1920 x 1080, depth 8, colour type 2 (RGB), no interlace.
    EXPECT_EQ(png.substr(12, 17), std::string("IHDR\0\0\x07\x80\0\0\x04\x38\x08\x02\0\0\0", 17));
    EXPECT_LT(png.size(), 20000u) << "a plain picture compresses to almost nothing";
    // A PPM header may carry comments, and pixel bytes may look like whitespace.
    const Read comments =
        ReadFile(dir.Write("c.ppm", std::string("P6 # by hand\n1\t\n  1\n#x\n255\n\xFF\x00\x10", 30)), 1, 1);
    ASSERT_TRUE(comments.ok) << comments.error;
    EXPECT_EQ(comments.picture.pixels[0], MakeColor(255, 0, 16));
    const Read newlines = ReadFile(dir.Write("d.ppm", std::string("P6\n1 1\n255\n\n\n\n", 14)), 1, 1);
    ASSERT_TRUE(newlines.ok) << newlines.error;
    EXPECT_EQ(newlines.picture.pixels[0], MakeColor(10, 10, 10));
}

// Every PNG kind, made by an independent encoder along with the picture a
// reader should make of it.
TEST(PictureFile, EveryPngKindReadsAsEightBitRgb) {
    TempDir dir;
    for (const char* kind :
         {"2-8",  "2-16", "6-8", "6-16", "0-1", "0-2",      "0-4",       "0-8",       "0-16",      "4-8",
          "4-16", "3-1",  "3-2", "3-4",  "3-8", "3-8-trns", "2-8-adam7", "3-4-adam7", "0-1-adam7", "6-16-adam7"}) {
        const std::string png = dir.File(std::string(kind) + ".png");
        const std::string ppm = dir.File(std::string(kind) + ".ppm");
        const std::string command =
            std::string("python3 '" TIDEWELL_MAKE_PNG "' ") + kind + " '" + png + "' '" + ppm + "'";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const Read expected = ReadFile(ppm, 13, 7);
        const Read read = ReadFile(png, 13, 7);
        ASSERT_TRUE(expected.ok && read.ok) << kind << ": " << read.error;
        EXPECT_EQ(read.picture.pixels, expected.picture.pixels) << kind;
    }
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Each refusal says why in a phrase that finishes "--picture: NAME ...". A few
// bytes that claim a huge picture or chunk are refused before the memory is
// taken: a PPM header of 8192x8192 (it took 200 MB), and, found by fuzzing, a
// PNG text chunk that claims 2 GB (it took 2 GB and 6 s).
TEST(PictureFile, BadFilesAreRefusedWithOneReasonAndNoMemory) {
    TempDir dir;
    const std::string png = ReadWholeFile(WriteWith(WritePng, dir.File("ok.png"), Gradient(4, 4)));
    std::string badCrc = png;
    badCrc[20] ^= 1;  // inside IHDR
    struct Case {
        std::string content;
        long width, height;
        const char* reason;
    };
    const Case cases[] = {
        {"", 1, 1, "neither a PNG nor a binary PPM"},
        {"GIF89a", 1, 1, "neither a PNG nor a binary PPM"},
        {"P3\n1 1\n255\n0 0 0\n", 1, 1, "P6"},
        {std::string("P6\n1 1\n65535\n\0\0\0\0\0\0", 19), 1, 1, "maxval 65535, not 255"},
        {"P6\n1 1\n1\n\0\0\0", 1, 1, "maxval"},
        {"P6\n2 x\n255\n", 2, 2, "malformed PPM header"},
        {"P6\n-2 2\n255\n", 2, 2, "malformed PPM header"},
        {"P6\n2 2", 2, 2, "malformed PPM header"},
        {"P6\n99999999999 1\n255\n", 1, 1, "malformed PPM header"},
        {"P6\n0 2\n255\n", 2, 2, "no pixels"},
        {"P6\n2 2\n255\n\1\2\3", 2, 2, "shorter than its header says"},
        {"P6\n8192 8192\n255\n", 8192, 8192, "shorter than its header says"},
        {"P6\n2 1\n255\n123456", 1, 2, "is 2x1, not the screen size 1x2"},
        {png, 4, 5, "is 4x4, not the screen size 4x5"},
        {png.substr(0, png.size() - 12), 4, 4, "not a readable PNG"},  // no IEND
        {png.substr(0, 60), 4, 4, "not a readable PNG"},
        {png.substr(0, 8), 4, 4, "not a readable PNG"},
        {badCrc, 4, 4, "not a readable PNG"},
        {png.substr(0, 33) + std::string("\x78\x52\x00\xA0zTXtabc", 11), 4, 4, "not a readable PNG"},
    };
    for (const Case& c : cases) {
        const long before = PeakKilobytes();
        const Read read = ReadFile(dir.Write("bad", c.content), c.width, c.height);
        EXPECT_LT(PeakKilobytes() - before, 100000) << c.reason;
        EXPECT_FALSE(read.ok) << c.reason;
        EXPECT_NE(read.error.find(c.reason), std::string::npos) << read.error;
        EXPECT_EQ(read.error.find('\n'), std::string::npos) << read.error;
    }
}

}  // namespace
}  // namespace tidewell::sim
