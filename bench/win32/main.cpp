// Win32 drawing costs under the real window system (run under Wine on Xvfb
// by tools/wine/run-bench): single-pixel GDI calls against memory, a screen
// blit, particle frames through the window's DC with what they change
// against what they copy to the window, and the first paint's capture
// against one plain screen blit.
#include <memory>

#include <vector>

#include "bench/win32/BenchHost.h"
#include "particles/ParticleField.h"
#include "window/DcSurface.h"
// (after the above)
#include "bench/win32/Stopwatch.h"
#include "fw/win32/WindowMirror.h"

namespace tidewell::bench {
namespace {

using fw::win32::DibSection;

volatile std::uint32_t g_sink;
constexpr int kWarmUpFrames = 300;

void PumpUntilIdle() {
    ::MSG msg;
    for (int i = 0; i < 10000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        ::DispatchMessageA(&msg);
    }
}

// Microseconds per call of op(i), for at most calls calls or about 1 s.
template <typename Op>
double MicrosecondsPerCall(int calls, Op op) {
    const double start = NowMs();
    int done = 0;
    while (done < calls && (done % 256 != 0 || NowMs() - start < 1000.0)) {
        op(done++);
    }
    return (NowMs() - start) * 1000.0 / done;
}

void MeasurePrimitives(::HWND hWnd, int width, int height) {
    ::HDC window = ::GetDC(hWnd);
    ::HDC screen = ::GetDC(nullptr);
    auto read = [&](::HDC dc) {
        return MicrosecondsPerCall(200000, [&](int i) { g_sink = ::GetPixel(dc, i % width, (i / width) % height); });
    };
    auto write = [&](::HDC dc) {
        return MicrosecondsPerCall(200000, [&](int i) {
            ::SetPixelV(dc, i % width, (i / width) % height, fw::RGB(static_cast<unsigned>(i) & 255, 9, 9));
        });
    };
    Figure("GetPixel, window DC", read(window), "us/call");
    Figure("SetPixelV, window DC", write(window), "us/call");
    Figure("GetPixel, screen DC", read(screen), "us/call");
    Figure("SetPixelV, screen DC", write(screen), "us/call");

    DibSection dib(width, height);
    Figure("read of a DIB section pixel",
           MicrosecondsPerCall(20000000, [&](int i) { g_sink = dib.Row((i / width) % height)[i % width]; }),
           "us/access");
    Figure("write of a DIB section pixel",
           MicrosecondsPerCall(
               20000000, [&](int i) { dib.Row((i / width) % height)[i % width] = static_cast<std::uint32_t>(i); }),
           "us/access");
    Figure("BitBlt of the whole screen into a DIB section", MedianMs(7, [&] { dib.CopyFrom(screen, 0, 0); }), "ms");
    ::ReleaseDC(nullptr, screen);
    ::ReleaseDC(hWnd, window);
}

int InView(const CParticleField& field) {
    int n = 0;
    for (int i = 0; i < field.m_nCount; ++i) {
        const CParticle& p = field.m_pParticles[static_cast<std::size_t>(i)];
        n += p.m_py >= 0 && p.m_py < field.m_nHeight && p.m_px >= 0 && p.m_px < field.m_nWidth ? 1 : 0;
    }
    return n;
}

// A field as a full-screen window has it after creation and first paint.
struct Scene {
    Scene(int width, int height, int number) : host(width, height) {
        field.m_random.Seed(1);
        field.Init(&host, number, fw::RGB(22, 93, 165));
        field.SetParticleSpeed(50);
        // The grid size, as the first paint takes it.
        field.m_nWidth = width;
        field.m_nHeight = height;
    }
    BenchHost host;
    CParticleField field;
};

// The client's pixels as the context reaches them.
std::vector<COLORREF> Snapshot(const fw::CDC& dc, int width, int height) {
    std::vector<COLORREF> pixels;
    pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(dc.Pixels().Get(x, y));
        }
    }
    return pixels;
}

// The window's client context, telling what it will copy to the window when
// it ends: the rectangles its drawing changed.
class MeasuredClientDC : public fw::CClientDC {
public:
    explicit MeasuredClientDC(fw::CWnd* pWnd) : fw::CClientDC(pWnd) {}
    long long PixelsToCopy() const { return m_changed.Area(); }
    long long RectsToCopy() const { return static_cast<long long>(m_changed.Rects().size()); }
};

// Frames as the window runs them (a client DC each), with what each changed
// on the window against what its context copied there.
void MeasureFrames(fw::CWnd& wnd, int width, int height, int number) {
    Scene scene(width, height, number);
    auto frame = [&] {
        scene.host.NextFrame();
        fw::CClientDC dc(&wnd);
        DcSurface surface(dc);
        scene.field.RunFrame(surface);
    };
    {
        fw::CClientDC dc(&wnd);
        scene.field.CaptureBackground(dc.Pixels());
        DcSurface surface(dc);
        scene.field.DrawFrame(surface);
    }
    // Particles are born below the bottom edge: frames cost what they cost
    // once the field is in view.
    for (int i = 0; i < kWarmUpFrames; ++i) {
        frame();
    }
    std::printf("Number %d: %d particles on %dx%d, %d in view after %d frames\n", number, scene.field.m_nCount, width,
                height, InView(scene.field), kWarmUpFrames);

    constexpr int kCounted = 60;
    long long changed = 0;
    long long copied = 0;
    long long rects = 0;
    for (int i = 0; i < kCounted; ++i) {
        scene.host.NextFrame();
        MeasuredClientDC dc(&wnd);
        const std::vector<COLORREF> old = Snapshot(dc, width, height);
        DcSurface surface(dc);
        scene.field.RunFrame(surface);
        const std::vector<COLORREF> now = Snapshot(dc, width, height);
        for (std::size_t p = 0; p < now.size(); ++p) {
            changed += old[p] != now[p] ? 1 : 0;
        }
        copied += dc.PixelsToCopy();
        rects += dc.RectsToCopy();
    }
    const double copiedPerFrame = static_cast<double>(copied) / kCounted;
    const double changedPerFrame = static_cast<double>(changed) / kCounted;
    Figure("pixels changed per frame", changedPerFrame, "px");
    Figure("pixels copied to the window per frame", copiedPerFrame, "px");
    Figure("rectangles copied per frame", static_cast<double>(rects) / kCounted, "");
    Figure("copied / changed", copiedPerFrame / changedPerFrame, "x");
    Figure("frame through the window's DC (DcSurface over CClientDC)", MedianMs(60, frame), "ms");
}

void MeasureCapture(int width, int height) {
    ::HDC screen = ::GetDC(nullptr);
    DibSection dib(width, height);
    const double blitMs = MedianMs(7, [&] { dib.CopyFrom(screen, 0, 0); });
    ::ReleaseDC(nullptr, screen);

    const ::RECT all{0, 0, width, height};
    const double takeMs = MedianMs(7, [&] { fw::win32::CaptureScreen(all); });
    fw::CWnd cover;
    double createMs = NowMs();
    cover.CreateEx(WS_EX_TOPMOST, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, 0);
    createMs = NowMs() - createMs;
    Scene scene(width, height, 20);
    const double readMs = MedianMs(7, [&] {
        fw::CClientDC dc(&cover);
        scene.field.CaptureBackground(dc.Pixels());
    });
    cover.DestroyWindow();
    PumpUntilIdle();

    Figure("plain BitBlt of the screen", blitMs, "ms");
    Figure("capture: screen taken at creation", takeMs, "ms");
    Figure("capture: reads through the window's DC", readMs, "ms");
    Figure("capture total (taken + reads)", takeMs + readMs, "ms");
    Figure("capture total / plain BitBlt", (takeMs + readMs) / blitMs, "x");
    Figure("(creating the full-screen window, capture included)", createMs, "ms");
}

}  // namespace
}  // namespace tidewell::bench

int main() {
    using namespace tidewell::bench;
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    std::printf("screen %dx%d\n", width, height);
    fw::CWnd wnd;
    if (!wnd.CreateEx(WS_EX_TOPMOST, nullptr, "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, 0)) {
        std::printf("could not create the window\n");
        return 1;
    }
    PumpUntilIdle();
    MeasurePrimitives(fw::win32::ToWin(wnd.m_hWnd), width, height);
    for (int number : {20, 100}) {
        MeasureFrames(wnd, width, height, number);
    }
    MeasureCapture(width, height);
    wnd.DestroyWindow();
    return 0;
}
