#include "app/x11/SaverOptions.h"

#include <cctype>
#include <functional>
#include <map>

#include "settings/Quoted.h"
#include "settings/Settings.h"
#include "settings/StoredValue.h"

namespace tidewell {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Exactly digits hex digits, as one number.
bool ParseHex(const std::string& text, std::size_t digits, std::uint64_t& value) {
    if (text.empty() || text.size() > digits) {
        return false;
    }
    value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return false;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
    }
    return true;
}

// "-name" and "--name" are the same option; anything else is not one.
std::string OptionName(const std::string& arg) {
    if (arg.size() > 2 && arg[0] == '-' && arg[1] == '-') {
        return arg.substr(2);
    }
    if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-') {
        return arg.substr(1);
    }
    return std::string();
}

bool InRange(const std::string& option, const std::string& text, std::int32_t low, std::int32_t high,
             std::optional<std::int32_t>& result, std::string& error) {
    std::int64_t value = 0;
    if (!ParseDecimal(text, value)) {
        error = option + ": " + Quoted(text) + " is not a whole number";
        return false;
    }
    if (value < low || value > high) {
        error = option + ": " + text + " is outside " + std::to_string(low) + ".." + std::to_string(high);
        return false;
    }
    result = static_cast<std::int32_t>(value);
    return true;
}

}  // namespace

bool ParseWindowId(const std::string& text, std::uint32_t& id) {
    std::uint64_t value = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (!ParseHex(text.substr(2), 8, value)) {
            return false;
        }
    } else {
        std::int64_t decimal = 0;
        if (!ParseDecimal(text, decimal) || decimal < 0) {
            return false;
        }
        value = static_cast<std::uint64_t>(decimal);
    }
    if (value == 0 || value > UINT32_MAX) {
        return false;
    }
    id = static_cast<std::uint32_t>(value);
    return true;
}

bool ParseSaverOptions(const std::vector<std::string>& args, SaverOptions& options, std::string& error) {
    using Target = SaverOptions::Target;
    using Flag = std::function<void()>;
    using Valued = std::function<bool(const std::string& option, const std::string& value)>;
    const std::map<std::string, Flag> flags = {
        {"root", [&] { options.target = Target::kRoot; }},
        {"window", [&] { options.target = Target::kWindow; }},
        {"fullscreen", [&] { options.target = Target::kFullScreen; }},
        {"blank", [&] { options.blank = true; }},
        {"no-blank", [&] { options.blank = false; }},
        {"x11", [&] { options.display = SaverOptions::Display::kX11; }},
        {"wayland", [&] { options.display = SaverOptions::Display::kWayland; }},
        {"help", [&] { options.help = true; }},
    };
    const std::map<std::string, Valued> valued = {
        {"window-id",
         [&](const std::string& option, const std::string& value) {
             if (!ParseWindowId(value, options.windowId)) {
                 error = option + ": " + Quoted(value) + " is not a window id (0x... or decimal)";
                 return false;
             }
             options.target = Target::kWindowId;
             return true;
         }},
        {"number", [&](const std::string& option,
                       const std::string& value) { return InRange(option, value, 1, 100, options.number, error); }},
        {"speed", [&](const std::string& option,
                      const std::string& value) { return InRange(option, value, 15, 100, options.speed, error); }},
        {"color",
         [&](const std::string& option, const std::string& value) {
             std::uint64_t rgb = 0;
             if (value.size() != 7 || value[0] != '#' || !ParseHex(value.substr(1), 6, rgb)) {
                 error = option + ": " + Quoted(value) + " is not a colour (#RRGGBB)";
                 return false;
             }
             options.rgb = static_cast<std::uint32_t>(rgb);
             return true;
         }},
    };

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string name = OptionName(args[i]);
        if (const auto flag = flags.find(name); flag != flags.end()) {
            flag->second();
            if (options.help) {
                return true;
            }
            continue;
        }
        const auto option = valued.find(name);
        if (option == valued.end()) {
            error = "unknown option " + Quoted(args[i]) + " (see --help)";
            return false;
        }
        if (i + 1 == args.size()) {
            error = args[i] + ": a value is missing";
            return false;
        }
        if (!option->second(args[i], args[i + 1])) {
            return false;
        }
        ++i;
    }
    return true;
}

void ApplySettingOptions(const SaverOptions& options, StoredSettings& settings) {
    if (options.number) {
        settings[SettingNames::kNumber] = *options.number;
    }
    if (options.speed) {
        settings[SettingNames::kSpeed] = *options.speed;
    }
    if (options.rgb) {
        settings[SettingNames::kColorRed] = static_cast<std::int32_t>((*options.rgb >> 16) & 0xFF);
        settings[SettingNames::kColorGreen] = static_cast<std::int32_t>((*options.rgb >> 8) & 0xFF);
        settings[SettingNames::kColorBlue] = static_cast<std::int32_t>(*options.rgb & 0xFF);
    }
    if (options.blank) {
        settings[SettingNames::kBlank] = *options.blank ? 1 : 0;
    }
}

const char* SaverUsage() {
    return "Usage: tidewell [where] [display] [settings]\n"
           "White particles rise over the desktop or a solid colour.\n"
           "\n"
           "Where (default -window):\n"
           "  -window              a window of its own\n"
           "  -root                the window $XSCREENSAVER_WINDOW names (hex or decimal),\n"
           "                       else the root window: how screen-saver hosts run it\n"
           "  -window-id ID        the window ID (0x... or decimal)\n"
           "  --fullscreen         cover every monitor over the desktop; any key, button,\n"
           "                       mouse move or loss of focus ends it\n"
           "\n"
           "Display (default: Wayland when $WAYLAND_DISPLAY is set, else X11; -root and\n"
           "-window-id are X11's):\n"
           "  --x11 / --wayland    use this one\n"
           "\n"
           "Settings (over those in $XDG_CONFIG_HOME/tidewell/config, or\n"
           "~/.config/tidewell/config; Number, Speed, ColorRed, ColorGreen, ColorBlue\n"
           "and Blank, one Name=value a line):\n"
           "  -number N            how many particles, 1..100\n"
           "  -speed N             how fast they rise, 15..100\n"
           "  -color #RRGGBB       the background colour\n"
           "  -blank / -no-blank   a solid colour instead of the desktop, or not\n"
           "  --help               this text\n"
           "\n"
           "Every option may also be written with two dashes.\n";
}

}  // namespace tidewell
