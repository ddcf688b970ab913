#pragma once
#include <memory>
#include <string>
#include <vector>

#include "fw/wayland/WaylandApi.h"

namespace fw::wayland {

// One output of the compositor, as it described itself.
struct Output {
    std::uint32_t name = 0;  // the registry's
    wl_output* output = nullptr;
    zxdg_output_v1* xdgOutput = nullptr;
    std::string connector;  // "HEADLESS-1", for grim
    int scale = 1;          // wl_output's integer scale
    int modeWidth = 0;      // device pixels
    int modeHeight = 0;
    int logicalX = 0;
    int logicalY = 0;
    int logicalWidth = 0;
    int logicalHeight = 0;
    bool done = false;                   // described whole at least once
    bool announced = false;              // the program was told of it
    std::vector<std::uint32_t> picture;  // what it showed at start, device pixels; empty: none

    int DeviceWidth() const { return modeWidth > 0 ? modeWidth : logicalWidth * scale; }
    int DeviceHeight() const { return modeHeight > 0 ? modeHeight : logicalHeight * scale; }
    // Device pixels per logical pixel.
    double Scale() const {
        return logicalWidth > 0 ? static_cast<double>(DeviceWidth()) / logicalWidth : static_cast<double>(scale);
    }
};

// The program's one connection to the compositor and its globals.
struct Connection {
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    xdg_wm_base* wmBase = nullptr;
    wl_seat* seat = nullptr;
    wl_pointer* pointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    wp_viewporter* viewporter = nullptr;
    wp_fractional_scale_manager_v1* fractionalScale = nullptr;
    zxdg_output_manager_v1* outputManager = nullptr;
    std::vector<std::unique_ptr<Output>> outputs;
    bool started = false;  // the first description of the outputs is in
    int signalFd = -1;     // readable once SIGTERM, SIGINT or SIGHUP arrived
    std::string lost;      // why the connection ended; empty while it holds
};

// Connects to $WAYLAND_DISPLAY and learns the globals and outputs; false
// with a one-line reason.
bool OpenConnection(std::string& error);
Connection& W();
bool Connected();
// Records the first reason the compositor was lost.
void MarkLost(const std::string& why);

Output* OutputByName(std::uint32_t name);
Output* OutputOf(const wl_output* output);
// The outputs described so far, in the compositor's order.
std::vector<Output*> ReadyOutputs();
// An output's rectangle in the layout windows are placed in: device pixels,
// at its logical position times the largest scale, so no two overlap.
RECT LayoutRect(const Output& output);

// Input from the seat (EventLoop.cpp).
void BindSeatDevices(std::uint32_t capabilities);
// An output appeared or went while running (EventLoop.cpp).
void OutputAdded(Output& output);
void OutputRemoved(std::uint32_t name);

}  // namespace fw::wayland
