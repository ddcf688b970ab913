#pragma once
#include <string>

#include "tools/sim/Picture.h"

namespace tidewell::sim {

// Larger pictures are refused before anything is allocated.
constexpr int kMaxPpmSide = 8192;

// Binary PPM (P6) with maxval 255: the only kind the tool reads and writes.
// Returns false and says why in error (one short phrase, no file name).
bool ReadPpm(const std::string& path, Picture& picture, std::string& error);
bool WritePpm(const std::string& path, const Picture& picture);

}  // namespace tidewell::sim
