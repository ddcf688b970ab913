#pragma once
// The stored settings: six 32-bit values (and AllMonitors, which the dialog
// does not show) in section "Config" of the
// application's profile. Nothing is bounded here; the places that use a value
// apply its limits.
#include "fw/App.h"
#include "particles/Color.h"

namespace tidewell {

struct SettingNames {
    static constexpr const char* kSection = "Config";
    static constexpr const char* kNumber = "Number";
    static constexpr const char* kSpeed = "Speed";
    static constexpr const char* kColorRed = "ColorRed";
    static constexpr const char* kColorGreen = "ColorGreen";
    static constexpr const char* kColorBlue = "ColorBlue";
    static constexpr const char* kBlank = "Blank";
    static constexpr const char* kAllMonitors = "AllMonitors";
};

struct SettingDefaults {
    static constexpr int kNumber = 20;
    static constexpr int kSpeed = 50;
    static constexpr int kColorRed = 22;
    static constexpr int kColorGreen = 93;
    static constexpr int kColorBlue = 165;
    static constexpr int kBlank = 0;
    static constexpr int kAllMonitors = 1;
};

int ReadNumber(fw::CWinApp& app);
int ReadSpeed(fw::CWinApp& app);
int ReadBlank(fw::CWinApp& app);
// Nonzero: the full-screen run covers every monitor; 0: the primary only.
int ReadAllMonitors(fw::CWinApp& app);
// Reads ColorBlue, ColorGreen, ColorRed in that order; keeps the low 8 bits.
COLORREF ReadColor(fw::CWinApp& app);

// Writes ColorRed, ColorGreen, ColorBlue in that order.
void WriteColor(fw::CWinApp& app, COLORREF colour);
void WriteNumber(fw::CWinApp& app, int number);
void WriteSpeed(fw::CWinApp& app, int speed);
void WriteBlank(fw::CWinApp& app, int blank);

}  // namespace tidewell
