#include "tools/sim/PngFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/sim/TempDir.h"
#include "tools/sim/Checksums.h"

namespace tidewell::sim {
namespace {

std::uint32_t BigEndian32(const std::string& s, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

struct Chunk {
    std::string type;
    std::string data;
};

// Splits the file into chunks, checking every CRC on the way.
std::vector<Chunk> ReadChunks(const std::string& file) {
    std::vector<Chunk> chunks;
    EXPECT_EQ(file.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
    std::size_t at = 8;
    while (at + 12 <= file.size()) {
        const std::uint32_t length = BigEndian32(file, at);
        Chunk chunk{file.substr(at + 4, 4), file.substr(at + 8, length)};
        const std::string covered = file.substr(at + 4, 4 + length);
        EXPECT_EQ(BigEndian32(file, at + 8 + length),
                  Crc32(reinterpret_cast<const unsigned char*>(covered.data()), covered.size()))
            << chunk.type;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    EXPECT_EQ(at, file.size());
    return chunks;
}

// Undoes a zlib stream of stored blocks, checking every block header.
std::string Unstore(const std::string& z, std::size_t& blocks) {
    EXPECT_EQ(static_cast<unsigned char>(z[0]), 0x78);
    EXPECT_EQ(((static_cast<unsigned char>(z[0]) << 8) | static_cast<unsigned char>(z[1])) % 31, 0);
    std::string raw;
    std::size_t at = 2;
    blocks = 0;
    for (bool last = false; !last;) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(z[i])); };
        last = (byte(at) & 1) != 0;
        EXPECT_EQ(byte(at) >> 1, 0u) << "stored block type";
        const unsigned length = byte(at + 1) | (byte(at + 2) << 8);
        const unsigned complement = byte(at + 3) | (byte(at + 4) << 8);
        EXPECT_EQ(length ^ 0xFFFFu, complement);
        raw += z.substr(at + 5, length);
        at += 5 + length;
        ++blocks;
    }
    EXPECT_EQ(BigEndian32(z, at), Adler32(reinterpret_cast<const unsigned char*>(raw.data()), raw.size()));
    EXPECT_EQ(at + 4, z.size());
    return raw;
}

Picture Gradient(int width, int height) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.At(x, y) = MakeColor(x, y, x ^ y);
    return picture;
}

std::string Scanlines(const Picture& picture) {
    std::string raw;
    for (int y = 0; y < picture.height; ++y) {
        raw += '\0';
        for (int x = 0; x < picture.width; ++x) {
            raw += static_cast<char>(RedOf(picture.At(x, y)));
            raw += static_cast<char>(GreenOf(picture.At(x, y)));
            raw += static_cast<char>(BlueOf(picture.At(x, y)));
        }
    }
    return raw;
}

TEST(PngFile, HeaderSaysEightBitRgbWithoutInterlace) {
    TempDir dir;
    ASSERT_TRUE(WritePng(dir.File("a.png"), Gradient(300, 2)));
    const std::vector<Chunk> chunks = ReadChunks(ReadWholeFile(dir.File("a.png")));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[0].data, std::string("\0\0\x01\x2C\0\0\0\x02\x08\x02\0\0\0", 13));
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    EXPECT_TRUE(chunks[2].data.empty());
}

// Writes the picture, checks that the image data holds its rows, and gives
// the number of stored blocks they took.
std::size_t StoredBlocksOf(const Picture& picture) {
    TempDir dir;
    EXPECT_TRUE(WritePng(dir.File("p.png"), picture));
    std::size_t blocks = 0;
    EXPECT_EQ(Unstore(ReadChunks(ReadWholeFile(dir.File("p.png")))[1].data, blocks), Scanlines(picture));
    return blocks;
}

TEST(PngFile, ImageDataIsTheUnfilteredRowsInStoredBlocks) { EXPECT_EQ(StoredBlocksOf(Gradient(4, 3)), 1u); }

TEST(PngFile, LargeImagesSpanSeveralBlocks) {
    // 200 rows of 1 + 3 * 300 bytes: 180200 bytes, three blocks.
    EXPECT_EQ(StoredBlocksOf(Gradient(300, 200)), 3u);
}

TEST(PngFile, BlocksHoldAtMost65535Bytes) {
    // 15 rows of 1 + 3 * 1456 bytes: exactly 65535.
    EXPECT_EQ(StoredBlocksOf(Gradient(1456, 15)), 1u);
    // 16384 rows of 4 bytes: 65536, one byte more.
    EXPECT_EQ(StoredBlocksOf(Gradient(1, 16384)), 2u);
}

TEST(PngFile, UnwritablePathFails) {
    EXPECT_FALSE(WritePng("/nonexistent-folder/x.png", Gradient(1, 1)));
}

}  // namespace
}  // namespace tidewell::sim
