// tidewell-sim: one particle window's life on a virtual screen, written out
// as a picture and as the particles' state.
#include <cctype>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Version.h"
#include "tools/sim/OutputFile.h"
#include "tools/sim/PictureFile.h"
#include "picture/PngFile.h"
#include "tools/sim/PpmFile.h"
#include "settings/Quoted.h"
#include "tools/sim/SimOptions.h"
#include "tools/sim/SimScene.h"
#include "tools/sim/WebpAnimation.h"

namespace {

using namespace tidewell::sim;
using tidewell::Picture;
using tidewell::PictureSize;
using tidewell::Quoted;

constexpr int kExitBadInput = 2;
constexpr int kExitCannotWrite = 1;

int Refuse(int status, const std::string& message) {
    std::fprintf(stderr, "tidewell-sim: %s\n", message.c_str());
    return status;
}

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) {
        return false;
    }
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return tail == ".png";
}

struct NamedFile {
    const char* option;
    std::string path;
};

// Two options naming one file would have one result overwrite the other, or
// the picture being read.
bool NamesOverlap(const SimOptions& o, std::string& error) {
    const NamedFile named[] = {
        {"--picture", o.picturePath}, {"--out", o.outPath}, {"--state", o.statePath}, {"--video", o.videoPath}};
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t k = i + 1; k < 4; ++k) {
            if (named[i].path.empty() || named[k].path.empty() || !SameFile(named[i].path, named[k].path)) {
                continue;
            }
            error = std::string(named[i].option) + " " + Quoted(named[i].path) + " and " + named[k].option + " " +
                    Quoted(named[k].path) + " name the same file";
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(args, options, error)) {
        return Refuse(kExitBadInput, error);
    }
    if (options.help) {
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("tidewell-sim " TIDEWELL_VERSION);
        return 0;
    }
    std::unique_ptr<OutputFile> out;
    std::unique_ptr<OutputFile> state;
    std::unique_ptr<OutputFile> video;
    if (!options.outPath.empty()) {
        out = std::make_unique<OutputFile>("--out", options.outPath);
    }
    if (!options.statePath.empty()) {
        state = std::make_unique<OutputFile>("--state", options.statePath);
    }
    if (!options.videoPath.empty()) {
        video = std::make_unique<OutputFile>("--video", options.videoPath);
    }
    for (const OutputFile* file : {out.get(), state.get(), video.get()}) {
        if (file != nullptr && !file->CheckKind(error)) {
            return Refuse(kExitBadInput, error);
        }
    }
    if (NamesOverlap(options, error)) {
        return Refuse(kExitBadInput, error);
    }
    Picture desktop;
    const PictureSize screen{options.screenWidth, options.screenHeight};
    if (!options.picturePath.empty() && !ReadPictureFile(options.picturePath, screen, desktop, error)) {
        return Refuse(kExitBadInput, "--picture: " + Quoted(options.picturePath) + " " + error);
    }
    // Made before the run, so an output that cannot be written costs no run.
    for (OutputFile* file : {out.get(), state.get(), video.get()}) {
        if (file != nullptr && !file->Open(error)) {
            return Refuse(kExitCannotWrite, error);
        }
    }

    std::unique_ptr<WebpAnimation> animation;
    PictureSink onPicture;
    if (video != nullptr) {
        animation = std::make_unique<WebpAnimation>(options.ClientWidth(), options.ClientHeight(),
                                                    options.videoStep * options.frameMs);
        onPicture = [&animation](const Picture& client) { animation->Add(client); };
    }
    const SceneResult scene = RunScene(options, std::move(desktop), onPicture);
    if (!scene.created) {
        return Refuse(kExitCannotWrite, "the window could not be created");
    }
    if (out != nullptr) {
        const bool written = EndsWithPng(options.outPath) ? WritePng(out->Stream(), scene.client)
                                                          : WritePpm(out->Stream(), scene.client);
        if (!written || !out->Finish(error)) {
            return Refuse(kExitCannotWrite,
                          written ? error : "--out: " + Quoted(options.outPath) + " cannot be written");
        }
    }
    if (state != nullptr) {
        std::fwrite(scene.state.data(), 1, scene.state.size(), state->Stream());
        if (!state->Finish(error)) {
            return Refuse(kExitCannotWrite, error);
        }
    }
    if (video != nullptr && (!animation->Write(video->Stream()) || !video->Finish(error))) {
        return Refuse(kExitCannotWrite,
                      error.empty() ? "--video: " + Quoted(options.videoPath) + " cannot be written" : error);
    }
    // Only now is anything that existed replaced.
    for (OutputFile* file : {out.get(), state.get(), video.get()}) {
        if (file != nullptr && !file->Commit(error)) {
            return Refuse(kExitCannotWrite, error);
        }
    }
    return 0;
}
