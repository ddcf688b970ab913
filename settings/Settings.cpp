#include "settings/Settings.h"

namespace tidewell {

namespace {
int Read(fw::CWinApp& app, const char* entry, int fallback) {
    return app.GetProfileInt(SettingNames::kSection, entry, fallback);
}
void Write(fw::CWinApp& app, const char* entry, int value) {
    // A failed write is ignored: the other values stay as they are.
    app.WriteProfileInt(SettingNames::kSection, entry, value);
}
}  // namespace

int ReadNumber(fw::CWinApp& app) { return Read(app, SettingNames::kNumber, SettingDefaults::kNumber); }
int ReadSpeed(fw::CWinApp& app) { return Read(app, SettingNames::kSpeed, SettingDefaults::kSpeed); }
int ReadBlank(fw::CWinApp& app) { return Read(app, SettingNames::kBlank, SettingDefaults::kBlank); }
int ReadAllMonitors(fw::CWinApp& app) { return Read(app, SettingNames::kAllMonitors, SettingDefaults::kAllMonitors); }

COLORREF ReadColor(fw::CWinApp& app) {
    const int blue = Read(app, SettingNames::kColorBlue, SettingDefaults::kColorBlue);
    const int green = Read(app, SettingNames::kColorGreen, SettingDefaults::kColorGreen);
    const int red = Read(app, SettingNames::kColorRed, SettingDefaults::kColorRed);
    return MakeColor(static_cast<std::uint32_t>(red), static_cast<std::uint32_t>(green),
                     static_cast<std::uint32_t>(blue));
}

void WriteColor(fw::CWinApp& app, COLORREF colour) {
    Write(app, SettingNames::kColorRed, static_cast<int>(RedOf(colour)));
    Write(app, SettingNames::kColorGreen, static_cast<int>(GreenOf(colour)));
    Write(app, SettingNames::kColorBlue, static_cast<int>(BlueOf(colour)));
}
void WriteNumber(fw::CWinApp& app, int number) { Write(app, SettingNames::kNumber, number); }
void WriteSpeed(fw::CWinApp& app, int speed) { Write(app, SettingNames::kSpeed, speed); }
void WriteBlank(fw::CWinApp& app, int blank) { Write(app, SettingNames::kBlank, blank); }

}  // namespace tidewell
