#include "fw/wayland/DesktopPicture.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <memory>

#include "picture/PngFile.h"

extern char** environ;

namespace fw::wayland {

namespace {

constexpr int kGrimTimeoutMs = 2000;
constexpr std::size_t kMostPngBytes = std::size_t{1} << 30;

bool g_wanted = false;

// grim's PNG of the output, read from its standard output; empty when it
// failed, is missing, or took too long.
std::vector<unsigned char> RunGrim(const std::string& connector) {
    std::vector<unsigned char> png;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        return png;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // The signals this program reads from a descriptor stay blocked in it,
    // not in grim.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    std::string output = connector;
    char grim[] = "grim";
    char flag[] = "-o";
    char toStdout[] = "-";
    char* argv[] = {grim, flag, output.data(), toStdout, nullptr};
    pid_t pid = 0;
    const bool started = posix_spawnp(&pid, "grim", &actions, &attributes, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipeFds[1]);
    if (!started) {
        ::close(pipeFds[0]);
        return png;
    }
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kGrimTimeoutMs);
    bool complete = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd fd = {pipeFds[0], POLLIN, 0};
        if (left <= 0 || ::poll(&fd, 1, static_cast<int>(left)) <= 0) {
            break;
        }
        unsigned char chunk[65536];
        const ssize_t got = ::read(pipeFds[0], chunk, sizeof chunk);
        if (got <= 0) {
            complete = got == 0;
            break;
        }
        if (png.size() + static_cast<std::size_t>(got) > kMostPngBytes) {
            break;
        }
        png.insert(png.end(), chunk, chunk + got);
    }
    ::close(pipeFds[0]);
    if (!complete) {
        ::kill(pid, SIGKILL);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!complete || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        png.clear();
    }
    return png;
}

}  // namespace

void WantPictures() { g_wanted = true; }

bool TakePictureIfWanted(Output& output) {
    if (!g_wanted || !output.picture.empty()) {
        return !output.picture.empty();
    }
    std::vector<unsigned char> png = RunGrim(output.connector);
    if (png.empty()) {
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(::fmemopen(png.data(), png.size(), "rb"), &std::fclose);
    tidewell::Picture picture;
    std::string error;
    if (!in || !tidewell::ReadPng(in.get(), tidewell::PictureSize{output.DeviceWidth(), output.DeviceHeight()}, picture,
                                  error)) {
        return false;
    }
    // COLORREF (0x00BBGGRR) to the buffer's words (0x00RRGGBB).
    output.picture.resize(picture.pixels.size());
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t c = picture.pixels[i];
        output.picture[i] = ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    return true;
}

void LoadDesktopPicture(const Output& output, int width, int height, std::vector<std::uint32_t>& image) {
    if (width == output.DeviceWidth() && height == output.DeviceHeight() && output.picture.size() == image.size()) {
        image = output.picture;
    }
}

}  // namespace fw::wayland
