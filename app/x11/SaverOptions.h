#pragma once
// The command line of the Linux program, in X programs' conventions: where
// to draw, which display, and settings over the stored ones.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingTable.h"

namespace tidewell {

struct SaverOptions {
    enum class Target {
        kWindow,      // a window of its own, for trying it out (the default)
        kRoot,        // the window $XSCREENSAVER_WINDOW names, else the root
        kWindowId,    // a given window
        kFullScreen,  // one window per monitor, closed by the user
    };
    Target target = Target::kWindow;
    // The display: by default Wayland when $WAYLAND_DISPLAY is set, else X11;
    // a host's window (kRoot, kWindowId) and -display are X11's.
    enum class Platform { kAuto, kX11, kWayland };
    Platform platform = Platform::kAuto;
    std::uint32_t windowId = 0;          // kWindowId
    std::optional<std::string> display;  // -display NAME

    // The settings the options give, under their stored names; the colour
    // is not among them until it is read on the display.
    StoredSettings settings;
    std::optional<std::string> color;  // as written
    std::string colorOption;           // as the option was written, for messages

    bool help = false;
    bool version = false;
};

// Parses args (without the program name): "-name value", "--name value",
// "-name=value" and "--name=value" alike. On bad input returns false with
// one line in error naming the option and the value. A later option
// overrides an earlier one; --help (-h) and --version stop the parse.
bool ParseSaverOptions(const std::vector<std::string>& args, SaverOptions& options, std::string& error);

// An X window id: "0x" and hex digits, or decimal; nonzero and 32 bits.
bool ParseWindowId(const std::string& text, std::uint32_t& id);

// A display name fit to be named in a message: printable, not empty.
bool IsDisplayName(const std::string& text);

// The text of --help.
std::string SaverUsage();

}  // namespace tidewell
