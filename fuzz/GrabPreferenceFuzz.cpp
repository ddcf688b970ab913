// XScreenSaver's preferences as the Linux program reads them: any text as
// ~/.xscreensaver and as a user's resources.
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
    tidewell::GrabsDesktopImages({std::nullopt, {text}, std::nullopt});
    return 0;
}
