#pragma once
// The keys the framework suite presses, by the names X and xkb give their
// keysyms, for the Linux platforms' input tools.
#include <string>

#include "fw/Types.h"

namespace fw::test {

// Letters and digits as themselves (lower case); Alt, Escape and Return;
// any other key is the space bar.
std::string KeySymName(UINT virtualKey);

}  // namespace fw::test
