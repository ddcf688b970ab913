#pragma once
#include <cstdio>
#include <string>

#include "picture/Picture.h"

namespace tidewell::sim {

// Reads a screen picture, PNG or binary PPM, told apart by the first bytes
// and not by the name. Returns false and says why in error (one short
// phrase, no file name).
bool ReadPicture(std::FILE* in, const PictureSize& screen, Picture& picture, std::string& error);

// The same from a file, which must be a regular file.
bool ReadPictureFile(const std::string& path, const PictureSize& screen, Picture& picture, std::string& error);

}  // namespace tidewell::sim
