#pragma once
// The picture readers' input: two bytes give the screen size (1..32 each),
// the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "picture/Picture.h"

namespace tidewell::fuzz {

using Reader = bool (*)(std::FILE*, const PictureSize&, Picture&, std::string&);

inline int ReadPictureInput(Reader read, const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const PictureSize screen{1 + data[0] % 32, 1 + data[1] % 32};
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data + 2), size - 2, "rb");
    if (in == nullptr) {
        return 0;
    }
    Picture picture;
    std::string error;
    if (read(in, screen, picture, error)) {
        Check(picture.width == screen.width && picture.height == screen.height, "the screen's size");
        Check(picture.pixels.size() == static_cast<std::size_t>(screen.width * screen.height), "every pixel");
    } else {
        CheckOneLine(error);
    }
    std::fclose(in);
    return 0;
}

}  // namespace tidewell::fuzz
