// The message loop, clock, screen, cursor, resource, class and profile
// primitives of fw/Backend.h on the headless backend.
#include "fw/Backend.h"
#include "fw/Messages.h"
#include "fw/headless/MessageQueue.h"
#include "fw/headless/World.h"

namespace fw::backend {

int RunMessageLoop() {
    headless::World& world = headless::TheWorld();
    const std::uint64_t limit = world.clock.Now() + static_cast<std::uint64_t>(world.runLimitMs) * 1000u;
    headless::RunUntil(limit, [] { return false; });
    headless::World& after = headless::TheWorld();
    if (!after.quit) {
        return headless::kRunTimeLimitExitCode;
    }
    after.quit = false;
    return after.quitCode;
}

void PostQuitMessage(int nExitCode) {
    headless::World& world = headless::TheWorld();
    world.quit = true;
    world.quitCode = nExitCode;
}

DWORD TickCount() { return headless::TheWorld().clock.TickCount(); }

std::int64_t WallTime() { return headless::TheWorld().clock.WallTime(); }

// No task bar on the simulated screen.
RECT WorkArea() { return PrimaryMonitor(); }

int SystemMetric(int index) {
    switch (index) {
        case SM_CXSCREEN:
            return PrimaryMonitor().Width();
        case SM_CYSCREEN:
            return PrimaryMonitor().Height();
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        default:
            return 0;
    }
}

HCURSOR SetCursor(HCURSOR cursor) {
    headless::World& world = headless::TheWorld();
    const HCURSOR previous = world.cursor;
    world.cursor = cursor;
    return previous;
}

// Every resource id has its own handle, distinct from the arrow's; nothing
// else in this backend needs to know what the ids are.
HICON LoadIconResource(UINT id) { return reinterpret_cast<HICON>(0x7A000000u + std::uintptr_t{id} * 2); }
HCURSOR LoadCursorResource(UINT id) { return reinterpret_cast<HCURSOR>(0x7A000001u + std::uintptr_t{id} * 2); }
HCURSOR ArrowCursor() { return reinterpret_cast<HCURSOR>(std::uintptr_t{0x7A7F00}); }

// The program's own name comes from its argument vector.
std::string ProgramPath() { return std::string(); }

BOOL RegisterWindowClass(const char* name, UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    headless::ClassInfo info;
    info.style = style;
    info.cursor = cursor;
    info.brush = background;
    info.icon = icon;
    headless::RegisterClass(name, info);
    return TRUE;
}

std::optional<std::int32_t> ReadProfileInt(const std::string& keyPath, const std::string& entry) {
    return headless::TheWorld().profile.ReadInt(keyPath, entry);
}

BOOL WriteProfileInt(const std::string& keyPath, const std::string& entry, std::int32_t value) {
    return headless::TheWorld().profile.WriteInt(keyPath, entry, value) ? TRUE : FALSE;
}

}  // namespace fw::backend
