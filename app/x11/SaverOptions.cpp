#include "app/x11/SaverOptions.h"

#include <functional>
#include <map>

#include "settings/OptionHelp.h"
#include "settings/Quoted.h"
#include "settings/StoredValue.h"

namespace tidewell {

namespace {

constexpr std::size_t kHelpColumn = 23;

// "-name", "--name", "-name=value" and "--name=value": the name, and the
// value when one follows "=". Empty for anything else.
struct Spelling {
    std::string name;
    std::optional<std::string> value;
};

Spelling SpellingOf(const std::string& arg) {
    const std::size_t dashes = arg.compare(0, 2, "--") == 0 ? 2 : arg.compare(0, 1, "-") == 0 ? 1 : 0;
    if (dashes == 0 || arg.size() == dashes || arg[dashes] == '-' || arg[dashes] == '=') {
        return {};
    }
    const std::size_t equals = arg.find('=');
    if (equals == std::string::npos) {
        return {arg.substr(dashes), std::nullopt};
    }
    return {arg.substr(dashes, equals - dashes), arg.substr(equals + 1)};
}

bool InRange(const std::string& option, const std::string& text, const Setting& setting, StoredSettings& settings,
             std::string& error) {
    std::int64_t value = 0;
    if (!ParseDecimal(text, value)) {
        error = option + ": " + Quoted(text) + " is not a whole number";
        return false;
    }
    if (value < setting.low || value > setting.high) {
        error =
            option + ": " + text + " is outside " + std::to_string(setting.low) + ".." + std::to_string(setting.high);
        return false;
    }
    settings[setting.stored[0].name] = static_cast<std::int32_t>(value);
    return true;
}

}  // namespace

bool IsDisplayName(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            return false;
        }
    }
    return !text.empty();
}

bool ParseWindowId(const std::string& text, std::uint32_t& id) {
    std::int64_t value = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const std::string digits = text.substr(2);
        if (digits.size() > 8 || digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
            return false;
        }
        value = static_cast<std::int64_t>(std::stoull(digits, nullptr, 16));
    } else if (!ParseDecimal(text, value) || value < 0) {
        return false;
    }
    if (value == 0 || value > static_cast<std::int64_t>(UINT32_MAX)) {
        return false;
    }
    id = static_cast<std::uint32_t>(value);
    return true;
}

bool ParseSaverOptions(const std::vector<std::string>& args, SaverOptions& options, std::string& error) {
    using Target = SaverOptions::Target;
    using Flag = std::function<void()>;
    using Valued = std::function<bool(const std::string& option, const std::string& value)>;
    std::map<std::string, Flag> flags = {
        {"root", [&] { options.target = Target::kRoot; }},
        {"window", [&] { options.target = Target::kWindow; }},
        {"fullscreen", [&] { options.target = Target::kFullScreen; }},
        {"x11", [&] { options.platform = SaverOptions::Platform::kX11; }},
        {"wayland", [&] { options.platform = SaverOptions::Platform::kWayland; }},
        {"help", [&] { options.help = true; }},
        {"h", [&] { options.help = true; }},
        {"version", [&] { options.version = true; }},
    };
    std::map<std::string, Valued> valued = {
        {"window-id",
         [&](const std::string& option, const std::string& value) {
             if (!ParseWindowId(value, options.windowId)) {
                 error = option + ": " + Quoted(value) + " is not a window id (0x... or decimal)";
                 return false;
             }
             options.target = Target::kWindowId;
             return true;
         }},
        {"display",
         [&](const std::string& option, const std::string& value) {
             if (!IsDisplayName(value)) {
                 error = option + ": " + Quoted(value) + " is not a display name";
                 return false;
             }
             options.display = value;
             return true;
         }},
    };
    for (const Setting* setting : kSettings) {
        if (!setting->onLinux) {
            continue;
        }
        const std::string name = setting->option;
        const char* stored = setting->stored[0].name;
        switch (setting->kind) {
            case Setting::Kind::kSwitch:
                flags[name] = [&options, stored] { options.settings[stored] = 1; };
                flags["no-" + name] = [&options, stored] { options.settings[stored] = 0; };
                break;
            case Setting::Kind::kCount:
                valued[name] = [&options, &error, setting](const std::string& option, const std::string& value) {
                    return InRange(option, value, *setting, options.settings, error);
                };
                break;
            case Setting::Kind::kColour:
                // Read on the display, where X knows the colour names.
                valued[name] = [&options](const std::string& option, const std::string& value) {
                    options.color = value;
                    options.colorOption = option;
                    return true;
                };
                break;
        }
    }

    for (std::size_t i = 0; i < args.size(); ++i) {
        const Spelling spelling = SpellingOf(args[i]);
        const std::string option = args[i].substr(0, args[i].find('='));
        if (const auto flag = flags.find(spelling.name); flag != flags.end()) {
            if (spelling.value) {
                error = option + ": takes no value";
                return false;
            }
            flag->second();
            if (options.help || options.version) {
                return true;
            }
            continue;
        }
        const auto handler = valued.find(spelling.name);
        if (handler == valued.end()) {
            error = "unknown option " + Quoted(args[i]) + " (see --help)";
            return false;
        }
        if (!spelling.value && i + 1 == args.size()) {
            error = option + ": a value is missing";
            return false;
        }
        if (!handler->second(option, spelling.value ? *spelling.value : args[++i])) {
            return false;
        }
    }
    return true;
}

namespace {

std::string SettingUsage(const Setting& setting) {
    const std::string option = "-" + std::string(setting.option);
    switch (setting.kind) {
        case Setting::Kind::kCount:
            return option + " N";
        case Setting::Kind::kColour:
            return option + " COLOUR";
        case Setting::Kind::kSwitch:
            break;
    }
    return option + " / -no-" + setting.option;
}

std::string SettingHelp(const Setting& setting) {
    switch (setting.kind) {
        case Setting::Kind::kCount:
            return setting.help + (", " + std::to_string(setting.low) + ".." + std::to_string(setting.high));
        case Setting::Kind::kColour:
            return setting.help + std::string(", as X writes colours: a name or #RRGGBB (#RGB, rgb:R/G/B, ...)");
        case Setting::Kind::kSwitch:
            break;
    }
    return setting.help + std::string(", or not");
}

}  // namespace

std::string SaverUsage() {
    std::string names;
    std::string settings;
    for (const Setting* setting : kSettings) {
        if (setting->onLinux) {
            names += " " + StoredNames(*setting) + ",";
            settings += OptionHelpLine(SettingUsage(*setting), SettingHelp(*setting), kHelpColumn);
        }
    }
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
           "  -display NAME        the X display (default $DISPLAY)\n"
           "\n" +
           Wrapped("",
                   "Settings, over the settings file $XDG_CONFIG_HOME/tidewell/config (or "
                   "~/.config/tidewell/config; one Name=value a line of" +
                       names + " which is not read when XScreenSaver runs tidewell, with $XSCREENSAVER_WINDOW set):",
                   0) +
           settings +
           "\n"
           "Display (default: Wayland when $WAYLAND_DISPLAY is set, else X11; -root,\n"
           "-window-id and -display are X11's):\n"
           "  --x11 / --wayland    use this one\n"
           "\n"
           "  -h, --help           this text\n"
           "  --version            the name and version\n"
           "\n"
           "Every option may also be written with two dashes, and its value after \"=\".\n";
}

}  // namespace tidewell
