#pragma once
#include <cstdio>
#include <string>

#include "picture/Picture.h"

namespace tidewell::sim {

// Binary PPM (P6) with maxval 255: the PPM kind the tool reads and writes.
// A picture of another size than the screen's, or one the rest of the stream
// is too short for, is refused before its pixels are allocated. Returns false
// and says why in error (one short phrase, no file name).
bool ReadPpm(std::FILE* in, const PictureSize& screen, Picture& picture, std::string& error);
bool WritePpm(std::FILE* out, const Picture& picture);

}  // namespace tidewell::sim
