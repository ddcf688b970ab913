#pragma once
#include <vector>

#include "fw/wayland/Connection.h"

namespace fw::wayland {

// A Wayland client sees no other client's pixels; grim (when it is on the
// path) asks the compositor for an output's picture on our behalf. Pictures
// are taken only once the program wants them (not under Blank screen).
void WantPictures();
// Takes the output's picture if wanted and not taken yet; whether it has
// one. grim has 2 s to answer.
bool TakePictureIfWanted(Output& output);
// The output's picture into a window's pixels, when it has one of their size.
void LoadDesktopPicture(const Output& output, int width, int height, std::vector<std::uint32_t>& image);

}  // namespace fw::wayland
