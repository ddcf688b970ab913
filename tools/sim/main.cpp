// tidewell-sim: one particle window's life on a virtual screen, written out
// as a picture and as the particles' state.
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/sim/PngFile.h"
#include "tools/sim/PpmFile.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimScene.h"

namespace {

using namespace tidewell::sim;

constexpr int kExitBadInput = 2;
constexpr int kExitCannotWrite = 1;

int BadInput(const std::string& message) {
    std::fprintf(stderr, "tidewell-sim: %s\n", message.c_str());
    return kExitBadInput;
}

bool LoadDesktop(const SimOptions& o, Picture& desktop, std::string& error) {
    const std::string named = "--picture: \"" + o.picturePath + "\" ";
    std::error_code ignored;
    if (!std::filesystem::exists(o.picturePath, ignored)) {
        error = named + "does not exist";
        return false;
    }
    if (!std::filesystem::is_regular_file(o.picturePath, ignored)) {
        error = named + "cannot be read: not a file";
        return false;
    }
    std::string why;
    if (!ReadPpm(o.picturePath, desktop, why)) {
        error = named + why;
        return false;
    }
    if (desktop.width != o.screenWidth || desktop.height != o.screenHeight) {
        error = named + "is " + std::to_string(desktop.width) + "x" + std::to_string(desktop.height) +
                ", not the screen size " + std::to_string(o.screenWidth) + "x" +
                std::to_string(o.screenHeight);
        return false;
    }
    return true;
}

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".png";
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(args, options, error)) {
        return BadInput(error);
    }
    if (options.help) {
        std::fputs(SimUsage(), stdout);
        return 0;
    }
    Picture desktop;
    if (!options.picturePath.empty() && !LoadDesktop(options, desktop, error)) {
        return BadInput(error);
    }

    const SceneResult scene = RunScene(options, options.picturePath.empty() ? nullptr : &desktop);
    if (!scene.created) {
        std::fprintf(stderr, "tidewell-sim: the window could not be created\n");
        return kExitCannotWrite;
    }

    bool written = true;
    if (!options.outPath.empty()) {
        written = EndsWithPng(options.outPath) ? WritePng(options.outPath, scene.client)
                                               : WritePpm(options.outPath, scene.client);
        if (!written) std::fprintf(stderr, "tidewell-sim: --out: \"%s\" cannot be written\n", options.outPath.c_str());
    }
    if (written && !options.statePath.empty()) {
        written = WriteText(options.statePath, scene.state);
        if (!written) std::fprintf(stderr, "tidewell-sim: --state: \"%s\" cannot be written\n", options.statePath.c_str());
    }
    if (!written) {
        // Half a result is worse than none.
        std::error_code ignored;
        if (!options.outPath.empty()) std::filesystem::remove(options.outPath, ignored);
        if (!options.statePath.empty()) std::filesystem::remove(options.statePath, ignored);
        return kExitCannotWrite;
    }
    return 0;
}
