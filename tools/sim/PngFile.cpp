#include "tools/sim/PngFile.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "tools/sim/Checksums.h"

namespace tidewell::sim {

namespace {

void PutBigEndian32(std::vector<unsigned char>& out, std::uint32_t value) {
    out.push_back(static_cast<unsigned char>(value >> 24));
    out.push_back(static_cast<unsigned char>(value >> 16));
    out.push_back(static_cast<unsigned char>(value >> 8));
    out.push_back(static_cast<unsigned char>(value));
}

void PutChunk(std::vector<unsigned char>& out, const char type[4],
              const std::vector<unsigned char>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian32(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// Each row: filter type 0, then red, green, blue per pixel.
std::vector<unsigned char> Scanlines(const Picture& picture) {
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<std::size_t>(picture.height) *
                (1 + 3 * static_cast<std::size_t>(picture.width)));
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF c = picture.At(x, y);
            raw.push_back(static_cast<unsigned char>(RedOf(c)));
            raw.push_back(static_cast<unsigned char>(GreenOf(c)));
            raw.push_back(static_cast<unsigned char>(BlueOf(c)));
        }
    }
    return raw;
}

// A zlib stream of stored blocks of at most 65535 bytes each.
std::vector<unsigned char> StoredZlib(const std::vector<unsigned char>& raw) {
    constexpr std::size_t kMaxBlock = 65535;
    std::vector<unsigned char> out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<unsigned char>(length));
        out.push_back(static_cast<unsigned char>(length >> 8));
        out.push_back(static_cast<unsigned char>(~length));
        out.push_back(static_cast<unsigned char>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    PutBigEndian32(out, Adler32(raw.data(), raw.size()));
    return out;
}

}  // namespace

bool WritePng(const std::string& path, const Picture& picture) {
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> file(kSignature, kSignature + 8);

    std::vector<unsigned char> header;
    PutBigEndian32(header, static_cast<std::uint32_t>(picture.width));
    PutBigEndian32(header, static_cast<std::uint32_t>(picture.height));
    header.push_back(8);  // bits per channel
    header.push_back(2);  // truecolour
    header.push_back(0);  // deflate
    header.push_back(0);  // adaptive filtering
    header.push_back(0);  // no interlace
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", StoredZlib(Scanlines(picture)));
    PutChunk(file, "IEND", {});

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace tidewell::sim
