#pragma once
#include <cstdio>
#include <string>

#include "picture/Picture.h"

namespace tidewell {

// Reads a PNG of any kind libpng reads: grey, palette and 16-bit pictures
// become 8-bit RGB, interlacing is undone, and alpha is dropped (the colour
// values are kept as they are). A picture of another size than the screen's
// is refused from its header. Returns false and says why in error (one short
// phrase, no file name).
bool ReadPng(std::FILE* in, const PictureSize& screen, Picture& picture, std::string& error);

// Writes an 8-bit RGB PNG, compressed.
bool WritePng(std::FILE* out, const Picture& picture);

}  // namespace tidewell
