#include "fw/wayland/Connection.h"

#include <sys/signalfd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace fw::wayland {

namespace {

Connection g_connection;
std::string g_lastLog;  // libwayland's last complaint, kept for our one line

// libwayland writes its complaints to standard error; the program's errors
// are one line of its own, which quotes the last of them.
void KeepLog(const char* format, va_list arguments) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    g_lastLog = text;
    while (!g_lastLog.empty() && (g_lastLog.back() == '\n' || g_lastLog.back() == '.')) {
        g_lastLog.pop_back();
    }
    if (g_lastLog.rfind("error: ", 0) == 0) {
        g_lastLog.erase(0, 7);
    }
}

template <typename T>
T* Bind(wl_registry* registry, std::uint32_t name, const wl_interface* interface, std::uint32_t offered,
        std::uint32_t wanted) {
    return static_cast<T*>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
}

// ------------------------------------------------------------- outputs

void OnGeometry(void* data, wl_output*, std::int32_t x, std::int32_t y, std::int32_t, std::int32_t, std::int32_t,
                const char*, const char*, std::int32_t) {
    auto* output = static_cast<Output*>(data);
    if (output->xdgOutput == nullptr) {
        output->logicalX = x;
        output->logicalY = y;
    }
}

void OnMode(void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height, std::int32_t) {
    if ((flags & WL_OUTPUT_MODE_CURRENT) != 0) {
        static_cast<Output*>(data)->modeWidth = width;
        static_cast<Output*>(data)->modeHeight = height;
    }
}

void OnDone(void* data, wl_output*) {
    auto* output = static_cast<Output*>(data);
    if (output->logicalWidth <= 0 && output->scale > 0) {
        output->logicalWidth = output->modeWidth / output->scale;
        output->logicalHeight = output->modeHeight / output->scale;
    }
    output->done = true;
    if (g_connection.started && !output->announced) {
        OutputAdded(*output);
    }
}

void OnScale(void* data, wl_output*, std::int32_t factor) { static_cast<Output*>(data)->scale = std::max(factor, 1); }

void OnName(void* data, wl_output*, const char* name) { static_cast<Output*>(data)->connector = name; }

void OnDescription(void*, wl_output*, const char*) {}

const wl_output_listener kOutputListener = {OnGeometry, OnMode, OnDone, OnScale, OnName, OnDescription};

void OnLogicalPosition(void* data, zxdg_output_v1*, std::int32_t x, std::int32_t y) {
    static_cast<Output*>(data)->logicalX = x;
    static_cast<Output*>(data)->logicalY = y;
}

void OnLogicalSize(void* data, zxdg_output_v1*, std::int32_t width, std::int32_t height) {
    static_cast<Output*>(data)->logicalWidth = width;
    static_cast<Output*>(data)->logicalHeight = height;
}

void OnXdgDone(void*, zxdg_output_v1*) {}  // wl_output.done follows from version 3

void OnXdgName(void* data, zxdg_output_v1*, const char* name) {
    auto* output = static_cast<Output*>(data);
    if (output->connector.empty()) {
        output->connector = name;
    }
}

void OnXdgDescription(void*, zxdg_output_v1*, const char*) {}

const zxdg_output_v1_listener kXdgOutputListener = {OnLogicalPosition, OnLogicalSize, OnXdgDone, OnXdgName,
                                                    OnXdgDescription};

void DescribeLogically(Output& output) {
    if (g_connection.outputManager != nullptr && output.xdgOutput == nullptr) {
        output.xdgOutput = zxdg_output_manager_v1_get_xdg_output(g_connection.outputManager, output.output);
        zxdg_output_v1_add_listener(output.xdgOutput, &kXdgOutputListener, &output);
    }
}

// ------------------------------------------------------------- globals

void OnPing(void*, xdg_wm_base* base, std::uint32_t serial) { xdg_wm_base_pong(base, serial); }
const xdg_wm_base_listener kWmBaseListener = {OnPing};

void OnCapabilities(void*, wl_seat*, std::uint32_t capabilities) { BindSeatDevices(capabilities); }
void OnSeatName(void*, wl_seat*, const char*) {}
const wl_seat_listener kSeatListener = {OnCapabilities, OnSeatName};

void OnGlobal(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version) {
    Connection& c = g_connection;
    const std::string kind = interface;
    if (kind == wl_compositor_interface.name) {
        c.compositor = Bind<wl_compositor>(registry, name, &wl_compositor_interface, version, 4);
    } else if (kind == wl_shm_interface.name) {
        c.shm = Bind<wl_shm>(registry, name, &wl_shm_interface, version, 1);
    } else if (kind == xdg_wm_base_interface.name) {
        c.wmBase = Bind<xdg_wm_base>(registry, name, &xdg_wm_base_interface, version, 2);
        xdg_wm_base_add_listener(c.wmBase, &kWmBaseListener, nullptr);
    } else if (kind == wl_seat_interface.name && c.seat == nullptr) {
        c.seat = Bind<wl_seat>(registry, name, &wl_seat_interface, version, 5);
        wl_seat_add_listener(c.seat, &kSeatListener, nullptr);
    } else if (kind == wp_viewporter_interface.name) {
        c.viewporter = Bind<wp_viewporter>(registry, name, &wp_viewporter_interface, version, 1);
    } else if (kind == wp_fractional_scale_manager_v1_interface.name) {
        c.fractionalScale =
            Bind<wp_fractional_scale_manager_v1>(registry, name, &wp_fractional_scale_manager_v1_interface, version, 1);
    } else if (kind == zxdg_output_manager_v1_interface.name) {
        c.outputManager = Bind<zxdg_output_manager_v1>(registry, name, &zxdg_output_manager_v1_interface, version, 3);
        for (auto& output : c.outputs) {
            DescribeLogically(*output);
        }
    } else if (kind == wl_output_interface.name && version >= 2) {
        auto output = std::make_unique<Output>();
        output->name = name;
        output->output = Bind<wl_output>(registry, name, &wl_output_interface, version, 4);
        wl_output_add_listener(output->output, &kOutputListener, output.get());
        DescribeLogically(*output);
        c.outputs.push_back(std::move(output));
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t name) {
    auto& outputs = g_connection.outputs;
    const auto found = std::find_if(outputs.begin(), outputs.end(), [&](const auto& o) { return o->name == name; });
    if (found == outputs.end()) {
        return;
    }
    OutputRemoved(name);
    if ((*found)->xdgOutput != nullptr) {
        zxdg_output_v1_destroy((*found)->xdgOutput);
    }
    wl_output_destroy((*found)->output);
    outputs.erase(found);
}

const wl_registry_listener kRegistryListener = {OnGlobal, OnGlobalRemove};

// Signals arrive as readable data, handled by the loop like any event.
int MakeSignalFd() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&signals, signal);
    }
    ::sigprocmask(SIG_BLOCK, &signals, nullptr);
    return ::signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
}

}  // namespace

bool OpenConnection(std::string& error) {
    Connection& c = g_connection;
    wl_log_set_handler_client(&KeepLog);
    c.display = wl_display_connect(nullptr);
    if (c.display == nullptr) {
        const char* name = std::getenv("WAYLAND_DISPLAY");
        error = std::string("cannot connect to the Wayland compositor \"") + (name != nullptr ? name : "wayland-0") +
                "\"" + (g_lastLog.empty() ? "" : ": " + g_lastLog);
        return false;
    }
    c.registry = wl_display_get_registry(c.display);
    wl_registry_add_listener(c.registry, &kRegistryListener, nullptr);
    // The globals, then what the outputs and the seat say of themselves.
    if (wl_display_roundtrip(c.display) < 0 || wl_display_roundtrip(c.display) < 0) {
        error = "the Wayland compositor did not answer";
        return false;
    }
    if (c.compositor == nullptr || c.shm == nullptr || c.wmBase == nullptr) {
        error = "the Wayland compositor offers no xdg-shell windows";
        return false;
    }
    c.started = true;
    for (auto& output : c.outputs) {
        output->announced = output->done;
    }
    c.signalFd = MakeSignalFd();
    if (c.signalFd < 0) {
        error = "cannot watch for signals";
        return false;
    }
    return true;
}

Connection& W() { return g_connection; }
bool Connected() { return g_connection.display != nullptr && g_connection.lost.empty(); }

void MarkLost(const std::string& why) {
    if (g_connection.lost.empty()) {
        g_connection.lost = why + (g_lastLog.empty() ? "" : ": " + g_lastLog);
    }
}

Output* OutputByName(std::uint32_t name) {
    for (auto& output : g_connection.outputs) {
        if (output->name == name) {
            return output.get();
        }
    }
    return nullptr;
}

Output* OutputOf(const wl_output* wlOutput) {
    for (auto& output : g_connection.outputs) {
        if (output->output == wlOutput) {
            return output.get();
        }
    }
    return nullptr;
}

std::vector<Output*> ReadyOutputs() {
    std::vector<Output*> ready;
    for (auto& output : g_connection.outputs) {
        if (output->done && output->DeviceWidth() > 0 && output->DeviceHeight() > 0) {
            ready.push_back(output.get());
        }
    }
    return ready;
}

RECT LayoutRect(const Output& output) {
    double largest = 1;
    for (const Output* other : ReadyOutputs()) {
        largest = std::max(largest, other->Scale());
    }
    const auto left = static_cast<LONG>(std::lround(output.logicalX * largest));
    const auto top = static_cast<LONG>(std::lround(output.logicalY * largest));
    return MakeRect(left, top, left + output.DeviceWidth(), top + output.DeviceHeight());
}

}  // namespace fw::wayland
