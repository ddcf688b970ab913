#include "fw/linux/Session.h"

#if TIDEWELL_HAS_X11
#include "fw/x11/X11Program.h"
#endif
#if TIDEWELL_HAS_WAYLAND
#include "fw/wayland/WaylandProgram.h"
#endif

namespace fw::session {

namespace {

// What the program asks of the chosen platform beyond the framework.
struct Program {
    HWND (*rootHandle)();
    bool (*hasScreenshot)(HWND host);
    void (*allowHostScreenshot)(bool allowed);
    ServerResources (*serverResourceStrings)();
    bool (*parseColor)(const std::string& text, COLORREF& colour);
    bool (*desktopUnderWindows)(bool fullScreen);
    void (*destroyAllWindows)();
    void (*setBlankCursorResource)(UINT id);
    std::string (*lostConnection)();
    void (*setRestartHandler)(std::function<void()> restart);
    int (*endingSignal)();
};

#if TIDEWELL_HAS_X11
const Program kX11 = {
    &x11::RootHandle,
    [](HWND host) { return x11::HasScreenshot(host); },
    &x11::AllowHostScreenshot,
    [] {
        x11::ServerResources strings = x11::ServerResourceStrings();
        return ServerResources{std::move(strings.resourceManager), std::move(strings.screenResources)};
    },
    &x11::ParseColor,
    [](bool) { return true; },  // the screen's pixels under each new window
    &x11::DestroyAllWindows,
    &x11::SetBlankCursorResource,
    [] { return std::string(); },  // the X11 backend ends the program itself
    &x11::SetRestartHandler,
    &x11::EndingSignal,
};
#endif
#if TIDEWELL_HAS_WAYLAND
const Program kWayland = {
    [] { return HWND(); },
    [](HWND) { return false; },
    [](bool) {},
    [] { return ServerResources(); },
    &wayland::ParseColor,
    // A client never sees what is under a window it sizes; grim shows an
    // output's whole picture, which only a full-screen window covers.
    [](bool fullScreen) { return fullScreen && wayland::TakeDesktopPictures(); },
    &wayland::DestroyAllWindows,
    &wayland::SetBlankCursorResource,
    &wayland::LostConnection,
    [](std::function<void()>) {},  // no host asks to start over
    &wayland::EndingSignal,
};
#endif

const Program* g_program = nullptr;

}  // namespace

bool Carries(Platform platform) {
#if TIDEWELL_HAS_X11
    if (platform == Platform::kX11) {
        return true;
    }
#endif
#if TIDEWELL_HAS_WAYLAND
    if (platform == Platform::kWayland) {
        return true;
    }
#endif
    (void)platform;
    return false;
}

bool Connect(Platform platform, const char* x11Display, std::string& error) {
#if TIDEWELL_HAS_X11
    if (platform == Platform::kX11) {
        g_program = &kX11;
        return x11::Connect(x11Display, error);
    }
#endif
#if TIDEWELL_HAS_WAYLAND
    if (platform == Platform::kWayland) {
        g_program = &kWayland;
        return wayland::Connect(error);
    }
#endif
    (void)x11Display;
    error =
        platform == Platform::kX11 ? "this tidewell was built without X11" : "this tidewell was built without Wayland";
    return false;
}

HWND RootHandle() { return g_program != nullptr ? g_program->rootHandle() : nullptr; }
bool HasScreenshot(HWND host) { return g_program != nullptr && g_program->hasScreenshot(host); }
bool DesktopUnderWindows(bool fullScreen) { return g_program != nullptr && g_program->desktopUnderWindows(fullScreen); }
void DestroyAllWindows() {
    if (g_program != nullptr) {
        g_program->destroyAllWindows();
    }
}
void SetBlankCursorResource(UINT id) {
    if (g_program != nullptr) {
        g_program->setBlankCursorResource(id);
    }
}
std::string LostConnection() { return g_program != nullptr ? g_program->lostConnection() : std::string(); }
void AllowHostScreenshot(bool allowed) {
    if (g_program != nullptr) {
        g_program->allowHostScreenshot(allowed);
    }
}
ServerResources ServerResourceStrings() {
    return g_program != nullptr ? g_program->serverResourceStrings() : ServerResources();
}
bool ParseColor(const std::string& text, COLORREF& colour) {
    return g_program != nullptr && g_program->parseColor(text, colour);
}
void SetRestartHandler(std::function<void()> restart) {
    if (g_program != nullptr) {
        g_program->setRestartHandler(std::move(restart));
    }
}
int EndingSignal() { return g_program != nullptr ? g_program->endingSignal() : 0; }

}  // namespace fw::session
