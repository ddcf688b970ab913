#pragma once
// What the Linux program asks of the X11 backend beyond the framework: the
// connection, the monitors, the host's desktop picture and the profile's
// values. The program's windows themselves go through the framework.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "fw/Types.h"

namespace fw::x11 {

// Opens the display named by $DISPLAY; false with a one-line reason.
bool Connect(const char* displayName, std::string& error);

// The root window, as a framework handle.
HWND RootHandle();

// The monitors in root coordinates, the primary first.
std::vector<RECT> Monitors();

// The size GetSystemMetrics gives for SM_CXSCREEN and SM_CYSCREEN.
void SetScreenSize(int width, int height);

// Whether the host's window carries the screenshot its host saved before
// it covered the screen.
bool HasScreenshot(HWND host);

// Destroys every window of ours still there, as closing them would.
void DestroyAllWindows();

// The values of one profile section, as the settings store will read them.
void SetProfileSection(const std::string& section, const std::map<std::string, std::int32_t>& values);

}  // namespace fw::x11
