// XScreenSaver's preferences as the Linux program reads them: any text as
// ~/.xscreensaver. (Resource texts go to libX11's own parser, which every X
// toolkit program runs on the same files; its quark table keeps every name
// across runs, so it is not fuzzed here.)
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/x11/DesktopGrabPreference.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = tidewell::InitFileValue(text, "grabDesktopImages");
    const bool grabs = tidewell::GrabsDesktopImages({std::string("*grabDesktopImages: False\n"), {}, text});
    // Only a line for the key can turn the installed "off" on.
    tidewell::fuzz::Check(!grabs || value.has_value(), "on without a line saying so");
    return 0;
}
