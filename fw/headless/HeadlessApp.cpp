// CWinApp's platform side and the platform functions, on the headless
// backend.
#include "fw/App.h"
#include "fw/Messages.h"
#include "fw/Platform.h"
#include "fw/headless/MessageLoop.h"
#include "fw/headless/World.h"

namespace fw {

namespace {
// Fixed handles for the program's resources; distinct and never null.
HICON ResourceHandle(std::uintptr_t value) { return reinterpret_cast<HICON>(value); }
constexpr std::uintptr_t kIconHandle = 0x7A0080;
constexpr std::uintptr_t kCursorHandle = 0x7A0081;
constexpr std::uintptr_t kArrowHandle = 0x7A7F00;

std::string SectionKey(const CWinApp& app, const char* section) {
    return app.ProfileKeyPath() + "\\" + (section != nullptr ? section : "");
}
}  // namespace

int CWinApp::Run() {
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

int CWinApp::GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault) {
    headless::MemoryProfile& profile = headless::TheWorld().profile;
    const std::string entry = pszEntry != nullptr ? pszEntry : "";
    if (m_strRegistryKey.empty()) {
        profile.LogRead(entry);
        return nDefault;  // no profile without a key
    }
    return profile.ReadInt(SectionKey(*this, pszSection), entry, nDefault);
}

BOOL CWinApp::WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue) {
    headless::MemoryProfile& profile = headless::TheWorld().profile;
    const std::string entry = pszEntry != nullptr ? pszEntry : "";
    if (m_strRegistryKey.empty()) {
        profile.LogFailedWrite(entry, nValue);
        return FALSE;
    }
    return profile.WriteInt(SectionKey(*this, pszSection), entry, nValue) ? TRUE : FALSE;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return nIDResource == headless::kIconId ? ResourceHandle(kIconHandle) : nullptr;
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
    return nIDResource == headless::kCursorId ? ResourceHandle(kCursorHandle) : nullptr;
}

int GetSystemMetrics(int nIndex) {
    RECT primary;
    for (const MonitorArea& monitor : EnumMonitors()) {
        if (monitor.primary) {
            primary = monitor.rect;
        }
    }
    switch (nIndex) {
        case SM_CXSCREEN: return primary.Width();
        case SM_CYSCREEN: return primary.Height();
        case SM_CXICON:
        case SM_CYICON: return 32;
        default: return 0;
    }
}

DWORD GetTickCount() { return headless::TheWorld().clock.TickCount(); }

std::int64_t GetCurrentTime() { return headless::TheWorld().clock.WallTime(); }

void PostQuitMessage(int nExitCode) {
    headless::World& world = headless::TheWorld();
    world.quit = true;
    world.quitCode = nExitCode;
}

HCURSOR SetCursor(HCURSOR cursor) {
    headless::World& world = headless::TheWorld();
    const HCURSOR previous = world.cursor;
    world.cursor = cursor;
    ++world.setCursorCalls;
    return previous;
}

const char* AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    headless::ClassInfo info;
    info.style = nClassStyle;
    info.cursor = hCursor;
    info.brush = hbrBackground;
    info.icon = hIcon;
    return headless::RegisterClass(info);
}

namespace headless {
HCURSOR ArrowCursor() { return ResourceHandle(kArrowHandle); }
}  // namespace headless

}  // namespace fw
