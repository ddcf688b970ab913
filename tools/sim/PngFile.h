#pragma once
#include <string>

#include "tools/sim/Picture.h"

namespace tidewell::sim {

// Writes an 8-bit RGB PNG. The image data is a zlib stream of stored
// (uncompressed) deflate blocks, so no compression library is needed.
bool WritePng(const std::string& path, const Picture& picture);

}  // namespace tidewell::sim
