#include "tools/sim/PpmFile.h"

#include <cctype>
#include <cstdint>
#include <fstream>
#include <vector>

namespace tidewell::sim {

namespace {

// Reads one header field: whitespace and '#' comments first, then decimal
// digits. Fails on anything else, and on values that would not fit.
bool ReadHeaderNumber(std::istream& in, long& value) {
    int c = in.get();
    while (c != EOF && (std::isspace(c) || c == '#')) {
        if (c == '#') {
            while (c != EOF && c != '\n') {
                c = in.get();
            }
        }
        c = in.get();
    }
    if (c == EOF || !std::isdigit(c)) {
        return false;
    }
    value = 0;
    while (c != EOF && std::isdigit(c)) {
        value = value * 10 + (c - '0');
        if (value > 1000000) {
            return false;
        }
        c = in.get();
    }
    // Exactly one whitespace character ends the field.
    return c != EOF && std::isspace(c);
}

}  // namespace

bool ReadPpm(const std::string& path, Picture& picture, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be read";
        return false;
    }
    char magic[2] = {0, 0};
    in.read(magic, 2);
    if (!in || magic[0] != 'P' || magic[1] != '6') {
        error = "is not a binary PPM (P6)";
        return false;
    }
    long width = 0;
    long height = 0;
    long maxval = 0;
    if (!ReadHeaderNumber(in, width) || !ReadHeaderNumber(in, height) ||
        !ReadHeaderNumber(in, maxval)) {
        error = "has a malformed PPM header";
        return false;
    }
    if (maxval != 255) {
        error = "has maxval " + std::to_string(maxval) + ", not 255";
        return false;
    }
    if (width <= 0 || height <= 0) {
        error = "has no pixels";
        return false;
    }
    if (width > kMaxPpmSide || height > kMaxPpmSide) {
        error = "is larger than " + std::to_string(kMaxPpmSide) + " pixels on a side";
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<unsigned char> bytes(count * 3);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size()) {
        error = "is shorter than its header says";
        return false;
    }
    picture = Picture(static_cast<int>(width), static_cast<int>(height));
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels[i] = MakeColor(bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]);
    }
    return true;
}

bool WritePpm(const std::string& path, const Picture& picture) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out << "P6\n" << picture.width << ' ' << picture.height << "\n255\n";
    std::vector<unsigned char> bytes;
    bytes.reserve(picture.pixels.size() * 3);
    for (COLORREF c : picture.pixels) {
        bytes.push_back(static_cast<unsigned char>(RedOf(c)));
        bytes.push_back(static_cast<unsigned char>(GreenOf(c)));
        bytes.push_back(static_cast<unsigned char>(BlueOf(c)));
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

}  // namespace tidewell::sim
