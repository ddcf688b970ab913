// The Linux program: a screen-saver host's hack, a window to try it in, or a
// full-screen saver of its own.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "app/x11/SaverApp.h"
#include "app/x11/SaverOptions.h"
#include "fw/x11/X11Program.h"
#include "settings/Quoted.h"

namespace {

int Fail(int status, const std::string& message) {
    std::fprintf(stderr, "tidewell: %s\n", message.c_str());
    return status;
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
        return Fail(2, "XSCREENSAVER_WINDOW: " + tidewell::Quoted(named) + " is not a window id");
    }
    if (!fw::x11::Connect(nullptr, error)) {
        return Fail(1, error);
    }
    if (options.target == SaverOptions::Target::kRoot && (named == nullptr || *named == '\0')) {
        hostId = static_cast<std::uint32_t>(reinterpret_cast<fw::UINT_PTR>(fw::x11::RootHandle()));
    }

    int status = 0;
    try {
        tidewell::CSaverApp app(options, reinterpret_cast<fw::HWND>(static_cast<fw::UINT_PTR>(hostId)));
        app.m_argc = argc;
        app.m_argv = argv;
        if (!app.InitInstance()) {
            return Fail(1, app.m_strError);
        }
        status = app.Run();
        fw::x11::DestroyAllWindows();
    } catch (const std::bad_alloc&) {
        // A screen's grids and images are the big allocations.
        return Fail(1, "out of memory");
    }
    // Cleaned up; now end by the signal that asked, as a killed program
    // does, so a host sees how its saver ended.
    if (const int signal = fw::x11::EndingSignal()) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
    return status;
}
