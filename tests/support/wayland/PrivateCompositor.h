#pragma once
// The compositor the Wayland framework tests run on: a private headless sway
// that the test process starts at first use and that ends with it, with a
// pointer and a keyboard on its seat, which headless sway has none of.
#include <string>
#include <vector>

namespace fw::test {

// Starts sway in a private runtime directory and points $WAYLAND_DISPLAY
// and $SWAYSOCK at it; the process aborts with a message when it fails.
void StartPrivateCompositor();

// A sway command (swaymsg's arguments), as a user's binding would give it;
// true when sway did it.
bool Sway(std::vector<std::string> command);

}  // namespace fw::test
