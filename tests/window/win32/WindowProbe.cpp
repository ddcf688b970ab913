// The particle windows on the real Win32 platform, driven from a script that
// runs this program under Wine on an X server (run-window-tests.sh). Each
// mode prints one "PASS ..." or "FAIL ..." line per check and exits with the
// number of failed checks (or 100 + n for a set-up problem).
//
//   window-probe capture DESKTOP.ppm MIRROR.ppm READY
//       A full-screen window over a desktop that shows DESKTOP.ppm: its
//       first paint captures the desktop, it animates, and what its mirror
//       holds is what the screen shows. Then the frames stop, the client
//       pixels go to MIRROR.ppm, READY is created, and the window waits for
//       a real key (sent by the script), which must close it.
//   window-probe run READY
//       A full-screen window that must keep running until real input closes
//       it; prints how long it ran and which inputs it saw.
//   window-probe resize
//       A child window resized after its first paint keeps its grids.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// The program's headers before the system's, whose macros would clash.
#include "settings/Settings.h"
#include "tools/sim/PpmFile.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"
#include "fw/win32/WindowsApi.h"

namespace {

using tidewell::CFullScreenWnd;
using tidewell::CParticleWnd;
using tidewell::sim::Picture;

// Remembers which of the closing inputs arrived, so the script can tell a
// close by its key or mouse move from a close by anything else.
class WatchedFullScreenWnd : public CFullScreenWnd {
public:
    std::string m_inputs;

protected:
    void OnKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) override {
        m_inputs += " key";
        CFullScreenWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
    void OnSysKeyDown(fw::UINT nChar, fw::UINT nRepCnt, fw::UINT nFlags) override {
        m_inputs += " syskey";
        CFullScreenWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
    }
    void OnMouseMove(fw::UINT nFlags, fw::POINT point) override {
        m_inputs += " move(" + std::to_string(point.x) + "," + std::to_string(point.y) + ")";
        CFullScreenWnd::OnMouseMove(nFlags, point);
    }
    void OnActivate(fw::UINT nState, fw::CWnd* pWndOther, fw::BOOL bMinimized) override {
        if (nState == 0) m_inputs += " deactivate";
        CFullScreenWnd::OnActivate(nState, pWndOther, bMinimized);
    }
    void OnActivateApp(fw::BOOL bActive, fw::DWORD dwThreadID) override {
        if (!bActive) m_inputs += " deactivate-app";
        CFullScreenWnd::OnActivateApp(bActive, dwThreadID);
    }
    void OnDestroy() override {
        std::printf("inputs before close:%s\n", m_inputs.c_str());
        std::fflush(stdout);
        CFullScreenWnd::OnDestroy();
    }
};

int g_failures = 0;
bool g_quit = false;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++g_failures;
}

// Dispatches messages until done() holds, the quit message comes, or
// timeoutMs pass. Returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    ::MSG msg;
    while (!done()) {
        if (::GetTickCount() - start > timeoutMs) return false;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                g_quit = true;
                return done();
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(1);
    }
    return true;
}
void PumpFor(DWORD ms) {
    PumpUntil([] { return g_quit; }, ms);
}

// The screen as the system shows it, through the screen DC.
Picture ScreenPicture() {
    const int w = ::GetSystemMetrics(SM_CXSCREEN);
    const int h = ::GetSystemMetrics(SM_CYSCREEN);
    Picture picture(w, h);
    ::HDC screen = ::GetDC(nullptr);
    ::HDC memory = ::CreateCompatibleDC(screen);
    ::BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    ::HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ::HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
    ::GdiFlush();
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        picture.pixels[i] = tidewell::MakeColor(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
    }
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return picture;
}

// What the window's drawing surface reads: its mirror.
Picture ClientPicture(fw::CWnd& wnd) {
    fw::RECT client;
    wnd.GetClientRect(&client);
    Picture picture(client.right, client.bottom);
    fw::CClientDC dc(&wnd);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) picture.At(x, y) = dc.GetPixel(x, y);
    return picture;
}

std::size_t Differences(const Picture& a, const Picture& b, int width, int height) {
    std::size_t differ = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) differ += a.At(x, y) != b.At(x, y);
    return differ;
}

std::size_t CountWhite(const Picture& p) {
    std::size_t n = 0;
    for (COLORREF c : p.pixels) n += c == tidewell::kWhite;
    return n;
}

void Touch(const std::string& path) {
    if (FILE* f = std::fopen(path.c_str(), "w")) std::fclose(f);
}

void StoreLivelySettings(fw::CWinApp& app) {
    // Many fast particles, so a second of frames shows plenty of them.
    app.WriteProfileInt(tidewell::SettingNames::kSection, tidewell::SettingNames::kNumber, 100);
    app.WriteProfileInt(tidewell::SettingNames::kSection, tidewell::SettingNames::kSpeed, 100);
    app.WriteProfileInt(tidewell::SettingNames::kSection, tidewell::SettingNames::kBlank, 0);
}

int Capture(fw::CWinApp& app, const std::string& desktopPath, const std::string& mirrorPath,
            const std::string& readyPath) {
    Picture desktop;
    std::string error;
    const tidewell::sim::PictureSize screenSize{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    std::FILE* in = std::fopen(desktopPath.c_str(), "rb");
    const bool read = in != nullptr && tidewell::sim::ReadPpm(in, screenSize, desktop, error);
    if (in != nullptr) std::fclose(in);
    if (!read) {
        std::printf("FAIL desktop picture %s\n", error.c_str());
        return 101;
    }
    const Picture before = ScreenPicture();
    if (before.width != desktop.width || before.height != desktop.height) {
        std::printf("FAIL screen is %dx%d, picture %dx%d\n", before.width, before.height, desktop.width,
                    desktop.height);
        return 102;
    }
    Check(Differences(before, desktop, desktop.width, desktop.height) == 0,
          "the screen shows the desktop picture before the window appears");

    StoreLivelySettings(app);
    auto* wnd = new WatchedFullScreenWnd;
    if (!wnd->CreateFullScreen()) {
        std::printf("FAIL the full-screen window was not created\n");
        return 103;
    }
    app.m_pMainWnd = wnd;
    Check(PumpUntil([wnd] { return wnd->m_bCaptured != FALSE; }, 10000), "the first paint came");
    const tidewell::BackgroundGrid& grid = *wnd->m_field.m_pBackground;
    Check(grid.Width() == desktop.width && grid.Height() == desktop.height, "the grids have the screen's size");
    std::size_t captureDiffers = 0;
    for (int y = 0; y < grid.Height(); ++y)
        for (int x = 0; x < grid.Width(); ++x) captureDiffers += grid.At(x, y) != desktop.At(x, y);
    Check(captureDiffers == 0, "the capture holds the desktop picture (" + std::to_string(captureDiffers) +
                                   " pixels differ)");

    const double firstY = wnd->m_field.m_pParticles[0].m_y;
    PumpFor(2500);
    const Picture shown = ClientPicture(*wnd);
    Check(wnd->m_field.m_pParticles[0].m_dwLastTick != 0xFFFFFFFFu && wnd->m_field.m_pParticles[0].m_y != firstY,
          "the particles move on timer frames");
    const std::size_t white = CountWhite(shown) - CountWhite(desktop);
    Check(CountWhite(shown) > CountWhite(desktop) + 100,
          "particles are shown (" + std::to_string(white) + " more white pixels than the desktop)");

    // Stop the frames, let the window system catch up, then compare.
    wnd->KillTimer(CParticleWnd::kFrameTimer);
    PumpFor(500);
    const Picture mirror = ClientPicture(*wnd);
    const Picture screen = ScreenPicture();
    const std::size_t mirrorDiffers = Differences(mirror, screen, mirror.width, mirror.height);
    Check(mirrorDiffers == 0, "the mirror agrees pixel for pixel with the screen (" +
                                  std::to_string(mirrorDiffers) + " differ)");
    if (std::FILE* out = std::fopen(mirrorPath.c_str(), "wb")) {
        tidewell::sim::WritePpm(out, mirror);
        std::fclose(out);
    }
    Touch(readyPath);

    // The script now takes its own screenshot and then presses a key.
    const bool closed = PumpUntil([] { return g_quit; }, 30000);
    Check(closed, "a real key closed the window and ended the loop");
    return g_failures;
}

int Run(fw::CWinApp& app, const std::string& readyPath) {
    auto* wnd = new WatchedFullScreenWnd;
    if (!wnd->CreateFullScreen()) return 103;
    app.m_pMainWnd = wnd;
    PumpUntil([wnd] { return wnd->m_bCaptured != FALSE; }, 10000);
    Touch(readyPath);
    const DWORD start = ::GetTickCount();
    const bool closed = PumpUntil([] { return g_quit; }, 60000);
    std::printf("ran %lu ms before closing\n", static_cast<unsigned long>(::GetTickCount() - start));
    Check(closed, "real input closed the window and ended the loop");
    return g_failures;
}

int Resize() {
    fw::CWnd host;
    if (!host.CreateEx(0, nullptr, "host", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, 0)) return 104;
    CParticleWnd wnd(FALSE);
    fw::RECT rect;
    rect.right = 300;
    rect.bottom = 200;
    if (!wnd.CreateParticleWindow(0, WS_CHILD | WS_VISIBLE, rect, &host)) return 105;
    Check(PumpUntil([&wnd] { return wnd.m_bCaptured != FALSE; }, 10000), "the child's first paint came");
    PumpFor(300);
    ::HWND child = fw::win32::ToWin(wnd.GetSafeHwnd());
    for (const auto& size : {std::pair<int, int>{500, 400}, std::pair<int, int>{100, 50}}) {
        ::MoveWindow(child, 0, 0, size.first, size.second, TRUE);
        wnd.SetBackColor(0x00203040);
        PumpFor(500);
        Check(wnd.m_field.m_nWidth == 300 && wnd.m_field.m_nHeight == 200 &&
                  wnd.m_field.m_pBackground->Width() == 300 && wnd.m_field.m_pBackground->Height() == 200,
              "after a resize to " + std::to_string(size.first) + "x" + std::to_string(size.second) +
                  " the grids keep the first size");
    }
    wnd.DestroyWindow();
    host.DestroyWindow();
    return g_failures;
}

}  // namespace

int main(int argc, char** argv) {
    fw::CWinApp app("TidewellWindowProbe");
    app.m_argc = argc;
    app.m_argv = argv;
    app.SetRegistryKey("Orvalle");
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "capture" && argc == 5) return Capture(app, argv[2], argv[3], argv[4]);
    if (mode == "run" && argc == 3) return Run(app, argv[2]);
    if (mode == "resize") return Resize();
    std::printf("usage: window-probe capture DESKTOP.ppm MIRROR.ppm READY | run READY | resize\n");
    return 100;
}
