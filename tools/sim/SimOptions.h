#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "settings/SettingTable.h"

namespace tidewell::sim {

// One change applied to the window between timer frames (--at K:OP).
struct SimAction {
    enum class Kind { kNumber, kSpeed, kColor, kPaint };

    std::uint32_t afterFrames = 0;  // K
    Kind kind = Kind::kPaint;
    std::int32_t value = 0;  // number= and speed=
    std::int32_t red = 0;    // color=
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

// Limits of the command line.
struct SimLimits {
    static constexpr int kMaxSide = 8192;
    static constexpr std::uint32_t kMaxFrames = 1000000;
    static constexpr std::uint32_t kMaxFrameMs = 1000000;
    static constexpr std::uint32_t kMaxVideoPictures = 10000;
};

// Everything the command line says. Stored settings are kept as the 32-bit
// values the profile will hold; the window applies its own limits to them,
// and a setting not given reads as its default.
struct SimOptions {
    int screenWidth = 1024;
    int screenHeight = 768;
    int clientWidth = 0;  // 0: the whole screen
    int clientHeight = 0;
    std::uint32_t seed = 1;
    StoredSettings stored;
    std::string picturePath;  // empty: a black screen
    std::uint32_t frames = 0;
    std::uint32_t frameMs = 16;
    std::vector<SimAction> actions;  // in command-line order
    std::string outPath;
    std::string statePath;
    std::string videoPath;        // an animated WebP of the client area
    std::uint32_t videoStep = 1;  // frames between its pictures
    bool help = false;
    bool version = false;

    int ClientWidth() const { return clientWidth > 0 ? clientWidth : screenWidth; }
    int ClientHeight() const { return clientHeight > 0 ? clientHeight : screenHeight; }
};

// Parses args (without the program name). On bad input returns false with one
// line in error naming the option and the value. --help and --version stop
// the parse.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);

// The usage text of --help.
std::string SimUsage();

}  // namespace tidewell::sim
