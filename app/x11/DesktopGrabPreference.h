#pragma once
// Whether the user lets screen-saver hacks show the desktop under
// XScreenSaver: its grabDesktopImages preference, read as XScreenSaver's own
// image grabber reads it (X resources of class XScreenSaver, then the
// user's ~/.xscreensaver over them).
#include <optional>
#include <string>
#include <vector>

namespace tidewell {

struct GrabPreferenceSources {
    // The installed app-defaults file of class XScreenSaver; none: the
    // grabber's built-in default (on) applies.
    std::optional<std::string> appDefaults;
    // The user's resource texts, each merged over the ones before it.
    std::vector<std::string> userResources;
    // The text of ~/.xscreensaver; none when there is no such file.
    std::optional<std::string> initFile;
};

// The preference with X resource precedence, the init file's line over the
// resources; a value that is not a boolean is off.
bool GrabsDesktopImages(const GrabPreferenceSources& sources);

// The last value given for key in an init file's text (keys in any case),
// with its backslash continuations and escapes undone.
std::optional<std::string> InitFileValue(const std::string& text, const std::string& key);

// The current user's sources. resourceManager and screenResources are the
// server's resource strings, none when it has none. None when a file that
// would decide is there but cannot be read: the preference is then unknown.
std::optional<GrabPreferenceSources> LoadGrabPreferenceSources(const std::optional<std::string>& resourceManager,
                                                               const std::optional<std::string>& screenResources);

}  // namespace tidewell
