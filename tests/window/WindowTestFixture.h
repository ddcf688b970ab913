#pragma once
// Shared set-up of the window tests: a fresh headless platform, an
// application object with the program's profile, and helpers that make the
// windows the way the program makes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "fw/Backend.h"
#include "fw/Fw.h"
#include "fw/Rect.h"
#include "tests/support/headless/HeadlessControl.h"
#include "settings/Settings.h"
#include "tests/support/DefaultsSeen.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"

namespace tidewell::test {

namespace hl = fw::headless;

// Counts its own deletion, so a test can tell whether (and how often) a
// self-deleting window went, and the default processing it asked for.
class TrackedParticleWnd : public fw::test::DefaultsSeen<CParticleWnd> {
public:
    TrackedParticleWnd(fw::BOOL bAutoDelete, int* deletions)
        : fw::test::DefaultsSeen<CParticleWnd>(bAutoDelete), m_pDeletions(deletions) {}
    ~TrackedParticleWnd() override { ++*m_pDeletions; }

private:
    int* m_pDeletions;
};

// Counts its timer messages, too.
class TrackedFullScreenWnd : public fw::test::DefaultsSeen<CFullScreenWnd> {
public:
    explicit TrackedFullScreenWnd(int* deletions) : m_pDeletions(deletions) {}
    ~TrackedFullScreenWnd() override { ++*m_pDeletions; }
    void OnTimer(fw::UINT_PTR nIDEvent) override {
        ++m_timers;
        fw::test::DefaultsSeen<CFullScreenWnd>::OnTimer(nIDEvent);
    }
    int m_timers = 0;

private:
    int* m_pDeletions;
};

inline std::size_t CountOf(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return static_cast<std::size_t>(std::count(pixels.begin(), pixels.end(), colour));
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        hl::Reset();
        m_app = std::make_unique<fw::CWinApp>("Tidewell");
        m_app->SetRegistryKey("Orvalle");
    }

    void TearDown() override {
        std::vector<fw::HWND> live = hl::LiveWindows();
        for (auto it = live.rbegin(); it != live.rend(); ++it) {
            if (hl::FindWindow(*it) != nullptr) {
                hl::DestroyWindow(*it);
            }
        }
        hl::PumpMessages();
        m_app.reset();
        hl::Reset();
    }

    void Store(const char* entry, int value) { m_app->WriteProfileInt(kSettingsSection, entry, value); }

    static fw::RECT Rect(int left, int top, int right, int bottom) { return fw::MakeRect(left, top, right, bottom); }

    // A desktop with no white pixel: every pixel differs from its neighbours.
    static void UsePatternDesktop() {
        const int width = hl::ScreenWidth();
        std::vector<COLORREF> pixels(static_cast<std::size_t>(width * hl::ScreenHeight()));
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const auto x = static_cast<std::uint32_t>(static_cast<int>(i) % width);
            const auto y = static_cast<std::uint32_t>(static_cast<int>(i) / width);
            pixels[i] = MakeColor(x * 7, y * 3, (x + y) % 200);
        }
        hl::SetDesktopPicture(pixels);
    }
    // Sets one desktop pixel; call before the windows are made.
    static void SetDesktopPixel(int x, int y, COLORREF colour) {
        std::vector<COLORREF> pixels = hl::DesktopPicture();
        pixels[static_cast<std::size_t>(x + y * hl::ScreenWidth())] = colour;
        hl::SetDesktopPicture(pixels);
    }

    // The run-mode window, created; the caller pumps for its first paint.
    TrackedFullScreenWnd* MakeFullScreen() {
        auto* wnd = new TrackedFullScreenWnd(&m_deletions);
        EXPECT_TRUE(wnd->CreateFullScreen());
        return wnd;
    }
    // A full-width top-level window of another height.
    CFullScreenWnd* MakeFullWidth(int height) {
        auto* wnd = new CFullScreenWnd;
        EXPECT_TRUE(wnd->CreateParticleWindow(fw::WS_EX_TOPMOST, fw::WS_POPUP | fw::WS_VISIBLE,
                                              Rect(0, 0, hl::ScreenWidth(), height), nullptr));
        return wnd;
    }
    // A host window covering the screen, as the screen-saver host's.
    fw::HWND MakeHost() {
        return hl::CreatePlainWindow(fw::WS_POPUP | fw::WS_VISIBLE, 0, 0, hl::ScreenWidth(), hl::ScreenHeight());
    }
    // The host preview: an auto-delete child over the host's top-left corner.
    CParticleWnd* MakePreview(int width, int height) {
        auto* wnd = new CParticleWnd(fw::TRUE);
        EXPECT_TRUE(wnd->CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, Rect(0, 0, width, height),
                                              fw::CWnd::FromHandle(MakeHost())));
        return wnd;
    }

    // Puts every active particle inside the field, already born, so the next
    // step draws it.
    static void PlaceParticlesInView(CParticleWnd& wnd) {
        for (std::int32_t i = 0; i < wnd.m_field.m_nCount; ++i) {
            CParticle& p = wnd.m_field.m_pParticles[static_cast<std::size_t>(i)];
            p.m_bRespawn = false;
            p.m_x = -0.4 + 0.8 * (i % 17) / 16.0;
            p.m_y = -0.8 + 1.6 * (i % 13) / 12.0;
        }
    }

    static std::vector<COLORREF> BackgroundCells(const CParticleWnd& wnd) {
        if (!wnd.m_field.HasGrids()) {
            ADD_FAILURE() << "the window has no grids: not painted";
            return {};
        }
        const BackgroundGrid& grid = *wnd.m_field.m_pBackground;
        std::vector<COLORREF> cells;
        for (std::size_t i = 0; i < grid.Size(); ++i) {
            cells.push_back(grid.CellAt(i));
        }
        return cells;
    }

    std::unique_ptr<fw::CWinApp> m_app;
    int m_deletions = 0;
};

}  // namespace tidewell::test
