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
    const char* option;  // tidewell -option, tidewell-sim --option; null: neither
    Kind kind;
    StoredEntry stored[3];
    std::int32_t low;   // kCount
    std::int32_t high;  // kCount
    // The window raises a lower stored value to low when it is created.
    bool raisedToLow;
    const char* label;  // in the dialog (and XScreenSaver's settings page)
    const char* lowLabel;
    const char* highLabel;
    const char* help;  // what it does, lower case, no full stop
    bool inDialog;     // shown and written by the settings dialog
    bool onLinux;      // read from the Linux settings file and offered by tidewell
};

inline constexpr const char* kSettingsSection = "Config";

// In the order OK writes them.
inline constexpr Setting kColourSetting{
    "color", Setting::Kind::kColour, {{"ColorRed", 22}, {"ColorGreen", 93}, {"ColorBlue", 165}}, 0, 255, false,
    "Color...", nullptr, nullptr, "the background colour", true, true};
inline constexpr Setting kNumberSetting{
    "number", Setting::Kind::kCount, {{"Number", 20}}, 1, 100, false, "Number", "Few", "Many", "how many particles",
    true, true};
inline constexpr Setting kSpeedSetting{
    "speed", Setting::Kind::kCount, {{"Speed", 50}}, 15, 100, true, "Speed", "Slow", "Fast", "how fast they rise",
    true, true};
inline constexpr Setting kBlankSetting{
    "blank", Setting::Kind::kSwitch, {{"Blank", 0}}, 0, 1, false, "Blank screen", nullptr, nullptr,
    "a solid colour instead of the desktop", true, true};
// Windows only: the full-screen run covers every monitor (nonzero) or the
// primary one; set by hand, never by the dialog.
inline constexpr Setting kAllMonitorsSetting{
    nullptr, Setting::Kind::kSwitch, {{"AllMonitors", 1}}, 0, 1, false, nullptr, nullptr, nullptr,
    "cover every monitor, not only the main one", false, false};

inline constexpr const Setting* kSettings[] = {&kColourSetting, &kNumberSetting, &kSpeedSetting, &kBlankSetting,
                                               &kAllMonitorsSetting};

// The setting that tidewell or tidewell-sim calls option; null for none.
const Setting* SettingForOption(const std::string& option);

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
