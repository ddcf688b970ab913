#pragma once
#include <cstdint>

#include "fw/Types.h"

namespace fw::shared {

// The platform's virtual-key code for a key's unshifted symbol (an X keysym,
// as X and xkbcommon number them alike); 0xFF, the platform's "no key
// code", for the rest.
UINT VirtualKey(std::uint32_t keysym);

}  // namespace fw::shared
