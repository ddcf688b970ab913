#include "fuzz/PictureFuzzInput.h"
#include "picture/PngFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tidewell::fuzz::ReadPictureInput(tidewell::ReadPng, data, size);
}
