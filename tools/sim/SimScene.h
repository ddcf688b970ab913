#pragma once
#include <functional>
#include <string>

#include "picture/Picture.h"
#include "tools/sim/SimOptions.h"

namespace tidewell::sim {

// What a scene leaves behind: the client area after the last step and the
// field's state as text.
struct SceneResult {
    bool created = false;  // the window was made
    Picture client;
    std::string state;
};

// Runs one window's life on the headless backend, as the options say: the
// stored settings go into the profile, then the window is constructed,
// created and first painted, then the timer frames run with the --at
// changes between them. desktop is what the screen shows (no pixels: black);
// it is handed over, so only the screen keeps a copy while the window runs.
// The options must have been validated. onPicture, when given, sees the
// client area after the first paint and after every options.videoStep frames.
using PictureSink = std::function<void(const Picture& client)>;
SceneResult RunScene(const SimOptions& options, Picture desktop, const PictureSink& onPicture = {});

}  // namespace tidewell::sim
