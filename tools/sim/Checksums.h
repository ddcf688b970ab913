#pragma once
#include <cstddef>
#include <cstdint>

namespace tidewell::sim {

// The CRC-32 of PNG chunks (polynomial 0xEDB88320, reflected). Pass the
// previous result to continue over more bytes; start from 0.
std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0);

// The Adler-32 of a zlib stream. Pass the previous result to continue; start
// from 1.
std::uint32_t Adler32(const unsigned char* data, std::size_t size, std::uint32_t adler = 1);

}  // namespace tidewell::sim
