#include "settings/Settings.h"

namespace tidewell {

namespace {
std::int32_t Read(fw::CWinApp& app, const StoredEntry& entry) {
    return app.GetProfileInt(kSettingsSection, entry.name, entry.fallback);
}
}  // namespace

std::int32_t ReadSetting(fw::CWinApp& app, const Setting& setting) { return Read(app, setting.stored[0]); }

COLORREF ReadColor(fw::CWinApp& app) {
    const StoredEntry* rgb = kColourSetting.stored;
    const auto blue = static_cast<std::uint32_t>(Read(app, rgb[2]));
    const auto green = static_cast<std::uint32_t>(Read(app, rgb[1]));
    const auto red = static_cast<std::uint32_t>(Read(app, rgb[0]));
    return MakeColor(red, green, blue);
}

void PutColor(StoredSettings& settings, COLORREF colour) {
    const StoredEntry* rgb = kColourSetting.stored;
    settings[rgb[0].name] = static_cast<std::int32_t>(RedOf(colour));
    settings[rgb[1].name] = static_cast<std::int32_t>(GreenOf(colour));
    settings[rgb[2].name] = static_cast<std::int32_t>(BlueOf(colour));
}

void Put(StoredSettings& settings, const Setting& setting, std::int32_t value) {
    settings[setting.stored[0].name] = value;
}

void WriteSettings(fw::CWinApp& app, const StoredSettings& settings) {
    for (const Setting* setting : kSettings) {
        for (const StoredEntry& entry : EntriesOf(*setting)) {
            if (const auto value = settings.find(entry.name); value != settings.end()) {
                app.WriteProfileInt(kSettingsSection, entry.name, value->second);
            }
        }
    }
}

}  // namespace tidewell
