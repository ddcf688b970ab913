#include "tools/sim/PpmFile.h"

#include <cctype>
#include <vector>

namespace tidewell::sim {

namespace {

// Reads one header field: whitespace and '#' comments first, then decimal
// digits. Fails on anything else, and on values that would not fit.
bool ReadHeaderNumber(std::FILE* in, long& value) {
    int c = std::getc(in);
    while (c != EOF && (std::isspace(c) || c == '#')) {
        if (c == '#') {
            while (c != EOF && c != '\n') {
                c = std::getc(in);
            }
        }
        c = std::getc(in);
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
        c = std::getc(in);
    }
    // Exactly one whitespace character ends the field.
    return c != EOF && std::isspace(c);
}

// The bytes from here to the end, or -1 when the stream cannot tell.
long RemainingBytes(std::FILE* in) {
    const long here = std::ftell(in);
    if (here < 0 || std::fseek(in, 0, SEEK_END) != 0) {
        return -1;
    }
    const long end = std::ftell(in);
    return std::fseek(in, here, SEEK_SET) == 0 && end >= here ? end - here : -1;
}

}  // namespace

bool ReadPpm(std::FILE* in, const PictureSize& screen, Picture& picture, std::string& error) {
    if (std::getc(in) != 'P' || std::getc(in) != '6') {
        error = "is not a binary PPM (P6)";
        return false;
    }
    long width = 0;
    long height = 0;
    long maxval = 0;
    if (!ReadHeaderNumber(in, width) || !ReadHeaderNumber(in, height) || !ReadHeaderNumber(in, maxval)) {
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
    if (!screen.Fits(width, height, error)) {
        return false;
    }
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const long remaining = RemainingBytes(in);
    if (remaining < 0 || static_cast<std::size_t>(remaining) < count * 3) {
        error = "is shorter than its header says";
        return false;
    }
    std::vector<unsigned char> bytes(count * 3);
    if (std::fread(bytes.data(), 1, bytes.size(), in) != bytes.size()) {
        error = "is shorter than its header says";
        return false;
    }
    picture = Picture(static_cast<int>(width), static_cast<int>(height));
    for (std::size_t i = 0; i < count; ++i) {
        picture.pixels[i] = MakeColor(bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]);
    }
    return true;
}

bool WritePpm(std::FILE* out, const Picture& picture) {
    std::vector<unsigned char> bytes;
    bytes.reserve(picture.pixels.size() * 3);
    for (COLORREF c : picture.pixels) {
        bytes.push_back(static_cast<unsigned char>(RedOf(c)));
        bytes.push_back(static_cast<unsigned char>(GreenOf(c)));
        bytes.push_back(static_cast<unsigned char>(BlueOf(c)));
    }
    return std::fprintf(out, "P6\n%d %d\n255\n", picture.width, picture.height) > 0 &&
           std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
}

}  // namespace tidewell::sim
