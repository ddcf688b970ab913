#pragma once
// The X server the X11 framework tests run on: a private Xvfb that the test
// process starts at first use and that ends with it.
#include <X11/Xlib.h>

namespace fw::test {

// Starts Xvfb on the first free display of $TIDEWELL_TEST_DISPLAYS (by
// default :61 to :70) and returns its name; the process aborts with a
// message when none starts.
const char* PrivateDisplay();

// A second connection to it, as another program: it fakes input and owns
// windows that are not the program's.
::Display* OtherClient();

}  // namespace fw::test
