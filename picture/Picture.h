#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "particles/Color.h"

namespace tidewell {

// A picture of colour values, row after row from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    Picture() = default;
    Picture(int w, int h, COLORREF fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    COLORREF& At(int x, int y) { return pixels[Index(x, y)]; }
    COLORREF At(int x, int y) const { return pixels[Index(x, y)]; }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    }
};

// The size a picture read from a file must have: the screen's. Readers check
// it from the header, before they allocate anything for the pixels.
struct PictureSize {
    long width = 0;
    long height = 0;

    bool Fits(long w, long h, std::string& error) const {
        if (w == width && h == height) {
            return true;
        }
        error = "is " + std::to_string(w) + "x" + std::to_string(h) + ", not the screen size " + std::to_string(width) +
                "x" + std::to_string(height);
        return false;
    }
};

}  // namespace tidewell
