// A build without X11: no XScreenSaver runs the program, so its preference
// is never known, and unknown means the colour.
#include "app/x11/DesktopGrabPreference.h"

namespace tidewell {

bool GrabsDesktopImages(const GrabPreferenceSources& /*sources*/) { return false; }

std::optional<std::string> InitFileValue(const std::string& /*text*/, const std::string& /*key*/) {
    return std::nullopt;
}

std::optional<GrabPreferenceSources> LoadGrabPreferenceSources(const std::optional<std::string>& /*resourceManager*/,
                                                               const std::optional<std::string>& /*screenResources*/) {
    return std::nullopt;
}

}  // namespace tidewell
