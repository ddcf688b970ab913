#pragma once
// The stored settings (SettingTable.h) in section "Config" of the
// application's profile. Nothing is bounded here; the places that use a value
// apply its limits.
#include "fw/App.h"
#include "particles/Color.h"
#include "settings/SettingTable.h"

namespace tidewell {

// A setting of one stored value, or its default when it is not stored.
std::int32_t ReadSetting(fw::CWinApp& app, const Setting& setting);
// Reads ColorBlue, ColorGreen, ColorRed; keeps the low 8 bits of each.
COLORREF ReadColor(fw::CWinApp& app);

// The three stored values of a colour.
void PutColor(StoredSettings& settings, COLORREF colour);
void Put(StoredSettings& settings, const Setting& setting, std::int32_t value);

// Writes the settings given, in the table's order. A failed write is
// ignored: the other values are still written.
void WriteSettings(fw::CWinApp& app, const StoredSettings& settings);

}  // namespace tidewell
