#pragma once
// Every setting described once: how it is stored, its default and range,
// the dialog's label, its command-line name and its help. The store, both
// command lines and their help are made from this table; the dialog table
// (res/dialogs.py), XScreenSaver's description and the manual are checked
// against it (tests/settings/SettingDocsTest.cpp).
#include <cstdint>
#include <map>
#include <string>

namespace tidewell {

// Value name (as the store spells it) -> stored value, all 32 bits.
using StoredSettings = std::map<std::string, std::int32_t>;

struct StoredEntry {
    const char* name;  // null past the last entry
    std::int32_t fallback;
};

struct Setting {
    enum class Kind {
        kCount,   // a whole number; the dialog and tidewell offer low..high
        kColour,  // three stored bytes, red, green, blue; one option
        kSwitch,  // 0 or 1 as written; any nonzero value reads as on
    };
    const char* option = nullptr;  // tidewell -option, tidewell-sim --option; null: neither
    Kind kind = Kind::kCount;
    StoredEntry stored[3] = {};
    std::int32_t low = 0;  // the range offered
    std::int32_t high = 1;
    // The window raises a lower stored value to low when it is created.
    bool raisedToLow = false;
    const char* label = nullptr;  // in the dialog and on XScreenSaver's settings page
    const char* lowLabel = nullptr;
    const char* highLabel = nullptr;
    const char* help = "";  // what it does: lower case, no full stop
    bool inDialog = true;   // shown and written by the settings dialog
    bool onLinux = true;    // in the Linux settings file and on tidewell's command line

    constexpr Setting Labelled(const char* text, const char* lowText = nullptr, const char* highText = nullptr) const {
        Setting s = *this;
        s.label = text;
        s.lowLabel = lowText;
        s.highLabel = highText;
        return s;
    }
    constexpr Setting Helped(const char* text) const {
        Setting s = *this;
        s.help = text;
        return s;
    }
    constexpr Setting RaisedToLow() const {
        Setting s = *this;
        s.raisedToLow = true;
        return s;
    }
    // Stored only: set by hand, offered nowhere.
    constexpr Setting Hidden() const {
        Setting s = *this;
        s.option = nullptr;
        s.inDialog = false;
        s.onLinux = false;
        return s;
    }
};

constexpr Setting Count(const char* option, StoredEntry stored, std::int32_t low, std::int32_t high) {
    Setting s;
    s.option = option;
    s.stored[0] = stored;
    s.low = low;
    s.high = high;
    return s;
}
constexpr Setting Switch(const char* option, StoredEntry stored) {
    Setting s;
    s.option = option;
    s.kind = Setting::Kind::kSwitch;
    s.stored[0] = stored;
    return s;
}
constexpr Setting Colour(const char* option, StoredEntry red, StoredEntry green, StoredEntry blue) {
    Setting s;
    s.option = option;
    s.kind = Setting::Kind::kColour;
    s.stored[0] = red;
    s.stored[1] = green;
    s.stored[2] = blue;
    s.high = 255;
    return s;
}

inline constexpr const char* kSettingsSection = "Config";

inline constexpr Setting kColourSetting = Colour("color", {"ColorRed", 22}, {"ColorGreen", 93}, {"ColorBlue", 165})
                                              .Labelled("Color...")
                                              .Helped("the background colour");
inline constexpr Setting kNumberSetting =
    Count("number", {"Number", 20}, 1, 100).Labelled("Number", "Few", "Many").Helped("how many particles");
inline constexpr Setting kSpeedSetting =
    Count("speed", {"Speed", 50}, 15, 100).Labelled("Speed", "Slow", "Fast").Helped("how fast they rise").RaisedToLow();
inline constexpr Setting kBlankSetting =
    Switch("blank", {"Blank", 0}).Labelled("Blank screen").Helped("a solid colour instead of the desktop");
// Windows only: the full-screen run covers every monitor (nonzero) or the
// primary one.
inline constexpr Setting kAllMonitorsSetting =
    Switch(nullptr, {"AllMonitors", 1}).Helped("cover every monitor, not only the main one").Hidden();

// In the order OK writes them.
inline constexpr const Setting* kSettings[] = {&kColourSetting, &kNumberSetting, &kSpeedSetting, &kBlankSetting,
                                               &kAllMonitorsSetting};

// The stored entries of one setting, as a range.
struct StoredEntries {
    const StoredEntry* first;
    const StoredEntry* last;
    const StoredEntry* begin() const { return first; }
    const StoredEntry* end() const { return last; }
};
StoredEntries EntriesOf(const Setting& setting);

// "Number", or for the colour "ColorRed, ColorGreen, ColorBlue".
std::string StoredNames(const Setting& setting);

}  // namespace tidewell
