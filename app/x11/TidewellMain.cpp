// The Linux program: a screen-saver host's hack, a window to try it in, or a
// full-screen saver of its own, on X11 or on Wayland.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "Version.h"
#include "app/x11/SaverApp.h"
#include "app/x11/SaverOptions.h"
#include "fw/linux/Session.h"
#include "settings/Quoted.h"
#include "settings/Settings.h"

namespace {

using tidewell::Quoted;
using tidewell::SaverOptions;

void Say(const std::string& message) { std::fprintf(stderr, "tidewell: %s\n", message.c_str()); }

int Fail(int status, const std::string& message) {
    Say(message);
    return status;
}

// The option's colour into the settings, read as the display reads
// colours. A colour it does not know ends a start from a terminal; a host's
// start goes on with the stored colour, since a saver never fails its host.
bool TakeColor(SaverOptions& options, bool hosted) {
    fw::COLORREF colour = 0;
    if (!options.color || fw::session::ParseColor(*options.color, colour)) {
        if (options.color) {
            tidewell::PutColor(options.settings, colour);
        }
        return true;
    }
    const std::string problem = options.colorOption + ": " + Quoted(*options.color) + " is not a colour";
    Say(hosted ? problem + "; the stored colour is used" : problem);
    return hosted;
}

// Wayland when the session is one (or asked for), X11 otherwise; a host's
// window and an X display named on the command line are X11's by nature.
fw::session::Platform ChoosePlatform(const SaverOptions& options) {
    using fw::session::Platform;
    if (options.target == SaverOptions::Target::kRoot || options.target == SaverOptions::Target::kWindowId ||
        options.display || options.platform == SaverOptions::Platform::kX11) {
        return Platform::kX11;
    }
    if (options.platform == SaverOptions::Platform::kWayland) {
        return Platform::kWayland;
    }
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool session = wayland != nullptr && *wayland != '\0';
    if (session && fw::session::Carries(Platform::kWayland)) {
        return Platform::kWayland;
    }
    return fw::session::Carries(Platform::kX11) ? Platform::kX11 : Platform::kWayland;
}

}  // namespace

int main(int argc, char** argv) {
    SaverOptions options;
    std::string error;
    if (!tidewell::ParseSaverOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        return Fail(2, error);
    }
    if (options.help) {
        std::fputs(tidewell::SaverUsage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts("tidewell " TIDEWELL_VERSION);
        return 0;
    }
    // XScreenSaver names its window here for its hacks, and for their
    // preview; -root means that window when there is one.
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    const bool byXScreenSaver = named != nullptr && *named != '\0';
    std::uint32_t hostId = options.windowId;
    if (options.target == SaverOptions::Target::kRoot && byXScreenSaver && !tidewell::ParseWindowId(named, hostId)) {
        return Fail(2, "XSCREENSAVER_WINDOW: " + Quoted(named) + " is not a window id");
    }
    const fw::session::Platform platform = ChoosePlatform(options);
    std::string display;
    if (platform == fw::session::Platform::kX11) {
        const char* environmentDisplay = std::getenv("DISPLAY");
        display =
            options.display ? *options.display : std::string(environmentDisplay != nullptr ? environmentDisplay : "");
        if (display.empty()) {
            return Fail(1, "cannot open display: DISPLAY is not set");
        }
        if (!tidewell::IsDisplayName(display)) {
            return Fail(1, "DISPLAY: " + Quoted(display) + " is not a display name");
        }
    }
    if (!fw::session::Connect(platform, display.c_str(), error)) {
        return Fail(1, error);
    }
    const bool hosted = options.target == SaverOptions::Target::kRoot ||
                        options.target == SaverOptions::Target::kWindowId || byXScreenSaver;
    if (!TakeColor(options, hosted)) {
        return 2;
    }
    if (options.target == SaverOptions::Target::kRoot && !byXScreenSaver) {
        hostId = static_cast<std::uint32_t>(reinterpret_cast<fw::UINT_PTR>(fw::session::RootHandle()));
    }

    int status = 0;
    try {
        tidewell::CSaverApp app(options, reinterpret_cast<fw::HWND>(static_cast<fw::UINT_PTR>(hostId)), byXScreenSaver);
        app.m_argc = argc;
        app.m_argv = argv;
        if (!app.InitInstance()) {
            return Fail(1, app.m_strError);
        }
        status = app.Run();
        fw::session::DestroyAllWindows();
    } catch (const std::bad_alloc&) {
        // A screen's grids and images are the big allocations.
        return Fail(1, "out of memory");
    }
    // Cleaned up; now end by the signal that asked, as a killed program
    // does, so a host sees how its saver ended.
    if (const int signal = fw::session::EndingSignal()) {
        // A backend may read its signals from a descriptor, with them blocked.
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        std::signal(signal, SIG_DFL);
        sigprocmask(SIG_UNBLOCK, &only, nullptr);
        std::raise(signal);
    }
    // The display went away under the program: one line says so.
    if (const std::string lost = fw::session::LostConnection(); !lost.empty()) {
        return Fail(1, lost);
    }
    return status;
}
