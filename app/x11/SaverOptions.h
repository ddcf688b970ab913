#pragma once
// The command line of the Linux program, in the screen-saver host's
// conventions: where to draw, and settings that override the stored ones.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsFile.h"

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
    // a host's window (kRoot, kWindowId) is always X11's.
    enum class Display { kAuto, kX11, kWayland };
    Display display = Display::kAuto;
    std::uint32_t windowId = 0;  // kWindowId

    std::optional<std::int32_t> number;
    std::optional<std::int32_t> speed;
    std::optional<std::uint32_t> rgb;  // 0xRRGGBB
    std::optional<bool> blank;
    bool help = false;
};

// Parses args (without the program name); both "-x" and "--x" spellings. On
// bad input returns false with one line in error naming the option and the
// value. A later option overrides an earlier one; --help stops the parse.
bool ParseSaverOptions(const std::vector<std::string>& args, SaverOptions& options, std::string& error);

// An X window id: "0x" and hex digits, or decimal; nonzero and 32 bits.
bool ParseWindowId(const std::string& text, std::uint32_t& id);

// The options' settings over the stored ones, under the stored names.
void ApplySettingOptions(const SaverOptions& options, StoredSettings& settings);

// The text of --help.
const char* SaverUsage();

}  // namespace tidewell
