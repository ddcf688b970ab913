#include "tools/sim/SimScene.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "fw/Fw.h"
#include "fw/headless/Headless.h"
#include "settings/Settings.h"
#include "tools/sim/StateFile.h"
#include "window/FullScreenWnd.h"
#include "window/ParticleWnd.h"

namespace tidewell::sim {

namespace {

namespace hl = fw::headless;

constexpr fw::DWORD kConstructionTick = 1000;

fw::RECT ClientRect(const SimOptions& o) {
    fw::RECT rect;
    rect.right = o.ClientWidth();
    rect.bottom = o.ClientHeight();
    return rect;
}

// A window as wide as the screen is the run-mode window; a narrower one is a
// preview, a child of a host window that covers the screen (the host paints
// nothing, so the screen's picture shows through until the first paint).
class SceneWindow {
public:
    explicit SceneWindow(const SimOptions& o) {
        const fw::RECT rect = ClientRect(o);
        if (o.ClientWidth() == o.screenWidth) {
            auto* wnd = new CFullScreenWnd;
            m_pWnd = wnd;
            const bool made = o.ClientHeight() == o.screenHeight
                                  ? wnd->CreateFullScreen() != fw::FALSE
                                  : wnd->CreateParticleWindow(fw::WS_EX_TOPMOST, fw::WS_POPUP | fw::WS_VISIBLE, rect,
                                                              nullptr) != fw::FALSE;
            if (!made) {
                m_pWnd = nullptr;
            }
        } else {
            m_hHost = hl::CreatePlainWindow(fw::WS_POPUP | fw::WS_VISIBLE, 0, 0, o.screenWidth, o.screenHeight);
            auto* wnd = new CParticleWnd(fw::TRUE);
            m_pWnd = wnd;
            if (!wnd->CreateParticleWindow(0, fw::WS_CHILD | fw::WS_VISIBLE, rect, fw::CWnd::FromHandle(m_hHost))) {
                m_pWnd = nullptr;
            }
        }
    }

    // Both windows delete themselves once destroyed.
    ~SceneWindow() {
        if (m_hHost != nullptr) {
            hl::DestroyWindow(m_hHost);
        } else if (m_pWnd != nullptr) {
            m_pWnd->DestroyWindow();
        }
        hl::PumpMessages();
    }

    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;

    CParticleWnd* Get() const { return m_pWnd; }

private:
    fw::HWND m_hHost = nullptr;
    CParticleWnd* m_pWnd = nullptr;
};

void Apply(const SimAction& action, CParticleWnd& wnd, const fw::RECT& client) {
    switch (action.kind) {
        case SimAction::Kind::kNumber:
            wnd.SetParticleNumber(action.value);
            break;
        case SimAction::Kind::kSpeed:
            wnd.SetParticleSpeed(action.value);
            break;
        case SimAction::Kind::kColor:
            wnd.SetBackColor(MakeColor(static_cast<std::uint32_t>(action.red), static_cast<std::uint32_t>(action.green),
                                       static_cast<std::uint32_t>(action.blue)));
            break;
        case SimAction::Kind::kPaint:
            hl::InvalidateRect(wnd.GetSafeHwnd(), client, fw::FALSE);
            break;
    }
}

Picture ClientPicture(const SimOptions& options, const CParticleWnd& wnd) {
    Picture client;
    client.width = options.ClientWidth();
    client.height = options.ClientHeight();
    client.pixels = hl::ClientPixels(wnd.GetSafeHwnd());
    return client;
}

}  // namespace

SceneResult RunScene(const SimOptions& options, Picture desktop, const PictureSink& onPicture) {
    hl::Reset();
    hl::SetScreenSize(options.screenWidth, options.screenHeight);
    if (!desktop.pixels.empty()) {
        hl::SetDesktopPicture(desktop.pixels);
        desktop = Picture();
    }
    // The window seeds its random source from the wall clock.
    hl::SetWallTime(static_cast<std::int64_t>(options.seed));
    hl::SetTickCount(kConstructionTick);

    SceneResult result;
    {
        fw::CWinApp app("tidewell-sim");
        app.SetRegistryKey("Orvalle");
        WriteSettings(app, options.stored);

        SceneWindow scene(options);
        CParticleWnd* wnd = scene.Get();
        if (wnd != nullptr) {
            hl::PumpMessages();  // the first paint
            fw::DWORD tick = kConstructionTick;
            // By frame number, keeping the command-line order within a frame,
            // so the changes cost their count and not frames times count.
            std::vector<SimAction> actions = options.actions;
            std::stable_sort(actions.begin(), actions.end(),
                             [](const SimAction& a, const SimAction& b) { return a.afterFrames < b.afterFrames; });
            auto next = actions.begin();
            for (std::uint32_t frame = 0;; ++frame) {
                for (; next != actions.end() && next->afterFrames == frame; ++next) {
                    Apply(*next, *wnd, ClientRect(options));
                    hl::PumpMessages();
                }
                if (onPicture && frame % options.videoStep == 0) {
                    onPicture(ClientPicture(options, *wnd));
                }
                if (frame == options.frames) {
                    break;
                }
                tick += options.frameMs;  // wraps at 32 bits, as the platform's count
                hl::SetTickCount(tick);
                wnd->SendMessage(fw::WM_TIMER, CParticleWnd::kFrameTimer, 0);
                hl::PumpMessages();
            }
            result.created = true;
            result.client = ClientPicture(options, *wnd);
            std::ostringstream state;
            WriteState(state, wnd->m_field);
            result.state = state.str();
        }
    }
    hl::Reset();
    return result;
}

}  // namespace tidewell::sim
