#include "fuzz/PictureFuzzInput.h"
#include "tools/sim/PpmFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tidewell::fuzz::ReadPictureInput(tidewell::sim::ReadPpm, data, size);
}
