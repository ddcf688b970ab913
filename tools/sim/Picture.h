#pragma once
#include <cstddef>
#include <vector>

#include "particles/Color.h"

namespace tidewell::sim {

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

}  // namespace tidewell::sim
