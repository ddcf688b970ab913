// The Linux program: a screen-saver host's hack, a window to try it in, or a
// full-screen saver of its own, on X11 or on Wayland.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/x11/SaverApp.h"
#include "app/x11/SaverOptions.h"
#include "fw/linux/Session.h"

namespace {

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "tidewell: %s\n", message.c_str());
    return status;
}

// Wayland when the session is one (or asked for), X11 otherwise; a host's
// window is X11's by nature.
fw::session::Platform ChoosePlatform(const tidewell::SaverOptions& options) {
    using fw::session::Platform;
    using tidewell::SaverOptions;
    if (options.target == SaverOptions::Target::kRoot || options.target == SaverOptions::Target::kWindowId ||
        options.display == SaverOptions::Display::kX11) {
        return Platform::kX11;
    }
    if (options.display == SaverOptions::Display::kWayland) {
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
    using tidewell::SaverOptions;
    tidewell::SaverOptions options;
    std::string error;
    if (!tidewell::ParseSaverOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        return Fail(2, error);
    }
    if (options.help) {
        std::fputs(tidewell::SaverUsage(), stdout);
        return 0;
    }
    // -root means the window the host names, when it names one.
    std::uint32_t hostId = options.windowId;
    const char* named = std::getenv("XSCREENSAVER_WINDOW");
    if (options.target == SaverOptions::Target::kRoot && named != nullptr && *named != '\0' &&
        !tidewell::ParseWindowId(named, hostId)) {
        return Fail(2, std::string("XSCREENSAVER_WINDOW: \"") + named + "\" is not a window id");
    }
    if (!fw::session::Connect(ChoosePlatform(options), error)) {
        return Fail(1, error);
    }
    if (options.target == SaverOptions::Target::kRoot && (named == nullptr || *named == '\0')) {
        hostId = static_cast<std::uint32_t>(reinterpret_cast<fw::UINT_PTR>(fw::session::RootHandle()));
    }

    tidewell::CSaverApp app(options, reinterpret_cast<fw::HWND>(static_cast<fw::UINT_PTR>(hostId)));
    app.m_argc = argc;
    app.m_argv = argv;
    if (!app.InitInstance()) {
        return Fail(1, app.m_strError);
    }
    const int status = app.Run();
    fw::session::DestroyAllWindows();
    // The display went away under the program: one line says so.
    if (const std::string lost = fw::session::LostConnection(); !lost.empty()) {
        return Fail(1, lost);
    }
    return status;
}
