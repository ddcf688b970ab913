#include "tools/sim/Checksums.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tidewell::sim {
namespace {

const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

// Published check values of both algorithms.
TEST(Checksums, Crc32OfTheStandardCheckString) {
    const std::string check = "123456789";
    EXPECT_EQ(Crc32(Bytes(check), check.size()), 0xCBF43926u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);
}

TEST(Checksums, Crc32OfAPngEndChunkType) {
    // Every PNG ends with the same chunk: its CRC is fixed.
    const std::string iend = "IEND";
    EXPECT_EQ(Crc32(Bytes(iend), iend.size()), 0xAE426082u);
}

TEST(Checksums, Adler32OfKnownStrings) {
    const std::string wikipedia = "Wikipedia";
    EXPECT_EQ(Adler32(Bytes(wikipedia), wikipedia.size()), 0x11E60398u);
    EXPECT_EQ(Adler32(nullptr, 0), 1u);
}

TEST(Checksums, ContinueOverPiecesAsOverTheWhole) {
    std::vector<unsigned char> data(100000);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<unsigned char>(i * 7919u >> 3);
    }
    const std::size_t half = 31337;
    EXPECT_EQ(Crc32(data.data() + half, data.size() - half, Crc32(data.data(), half)),
              Crc32(data.data(), data.size()));
    EXPECT_EQ(Adler32(data.data() + half, data.size() - half, Adler32(data.data(), half)),
              Adler32(data.data(), data.size()));
}

}  // namespace
}  // namespace tidewell::sim
