#include "tests/support/wayland/PrivateCompositor.h"

#include <pwd.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/ChildProcess.h"

namespace fw::test {

namespace {

namespace fs = std::filesystem;

// sway refuses to run as root; as root it runs as this user, made when
// missing.
constexpr const char* kSwayUser = "tidewell-wl";
constexpr auto kStartLimit = std::chrono::seconds(20);

std::string g_runtime;
pid_t g_sway = 0;
pid_t g_pointer = 0;
pid_t g_keyboard = 0;

// runuser passes a signal on to its child and then waits two seconds: sway,
// that child, is ended first, and runuser follows it at once.
void EndSway() {
    const std::string pid = std::to_string(g_sway);
    pid_t sway = 0;
    if (::geteuid() == 0 && std::ifstream("/proc/" + pid + "/task/" + pid + "/children") >> sway) {
        ::kill(sway, SIGTERM);
        for (int waited = 0; waited < 2000 && g_sway != 0; waited += 5) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            g_sway = ::waitpid(g_sway, nullptr, WNOHANG) == g_sway ? 0 : g_sway;
        }
    }
    EndChild(g_sway);
}

void End() {
    EndChild(g_keyboard);
    EndChild(g_pointer);
    EndSway();
    std::error_code ignored;
    fs::remove_all(g_runtime, ignored);
}

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "private sway in %s: %s\n", g_runtime.c_str(), why.c_str());
    std::abort();
}

std::vector<std::string> AsSwayUser(std::vector<std::string> command) {
    if (::geteuid() != 0) {
        return command;
    }
    // Parallel test processes race to make the user on a fresh machine: one
    // wins, and the others' useradd fails while it holds the lock.
    for (int tries = 0; ::getpwnam(kSwayUser) == nullptr && tries < 100; ++tries) {
        if (!RunChild({"useradd", "-m", "-s", "/bin/sh", kSwayUser})) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    const passwd* user = ::getpwnam(kSwayUser);
    if (user == nullptr || ::chown(g_runtime.c_str(), user->pw_uid, user->pw_gid) != 0) {
        Fail(std::string("cannot run sway as ") + kSwayUser);
    }
    command.insert(command.begin(), {"runuser", "-u", kSwayUser, "--"});
    return command;
}

// The runtime directory's entry whose name starts so and is not a lock.
std::string Socket(const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(g_runtime, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(prefix, 0) == 0 && entry.path().extension() != ".lock") {
            return name;
        }
    }
    return "";
}

}  // namespace

void StartPrivateCompositor() {
    char dir[] = "/tmp/tidewell-sway-XXXXXX";
    if (::mkdtemp(dir) == nullptr) {
        Fail("no runtime directory");
    }
    g_runtime = dir;
    std::atexit(&End);
    const std::string config = g_runtime + "/config";
    std::ofstream(config) << "xwayland disable\nswaybg_command -\ndefault_border none\nfocus_follows_mouse no\n";
    ::chmod(config.c_str(), 0644);
    g_sway = StartChild(AsSwayUser({"env", "XDG_RUNTIME_DIR=" + g_runtime, "WLR_BACKENDS=headless",
                                    "WLR_LIBINPUT_NO_DEVICES=1", "WLR_RENDERER=pixman", "sway", "-c", config}));
    const auto end = std::chrono::steady_clock::now() + kStartLimit;
    while (Socket("wayland-").empty() || Socket("sway-ipc.").empty()) {
        if (g_sway == 0 || ::waitpid(g_sway, nullptr, WNOHANG) != 0 || std::chrono::steady_clock::now() > end) {
            Fail("sway did not start");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::setenv("XDG_RUNTIME_DIR", g_runtime.c_str(), 1);
    ::setenv("WAYLAND_DISPLAY", Socket("wayland-").c_str(), 1);
    ::setenv("SWAYSOCK", (g_runtime + "/" + Socket("sway-ipc.")).c_str(), 1);
    // A pointer that sway's cursor commands move, and a keyboard that stays
    // while wtype's come and go with each key.
    int ready[2];
    if (::pipe(ready) != 0) {
        Fail("no pipe for the virtual pointer");
    }
    g_pointer = StartChild({"python3", TIDEWELL_SOURCE_DIR "/tests/wayland/virtual-pointer"}, ready[1]);
    ::close(ready[1]);
    std::string line;
    if (g_pointer == 0 || !ReadLine(ready[0], line, 20000)) {
        Fail("no virtual pointer");
    }
    ::close(ready[0]);
    g_keyboard = StartChild({"wtype", "-s", "86400000"});
}

bool Sway(std::vector<std::string> command) {
    command.insert(command.begin(), "swaymsg");
    return RunChild(command);
}

}  // namespace fw::test
