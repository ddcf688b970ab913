#pragma once
#include "fw/Types.h"

namespace tidewell {

// The host window's handle from the preview's command-line argument: decimal
// digits only, nonzero, and fitting a pointer. Anything else gives null, so a
// bad argument can never name some unrelated window by accident.
fw::HWND ParseWindowHandle(const char* argument);

}  // namespace tidewell
