// One timer frame of a full-screen field over a captured desktop, per screen
// size and Number, reported as time per particle-step (Move + Step).
#include <benchmark/benchmark.h>

#include "particles/DrawingSurface.h"
#include "particles/ParticleField.h"
#include "particles/testing/FixedFieldHost.h"

namespace tidewell {
namespace {

constexpr COLORREF kDesktop = 0x00402818u;
constexpr std::uint32_t kFrameMs = 16;
constexpr int kSettleFrames = 300;

// A dark desktop with white windows scattered over it, so bounces happen.
void PaintDesktop(MemorySurface& surface) {
    const int w = surface.Width();
    const int h = surface.Height();
    surface.FillRect(SurfaceRect{0, 0, w, h}, kDesktop);
    for (int i = 0; i < 8; ++i) {
        const int left = w * (1 + 2 * (i % 4)) / 9;
        const int top = h * (1 + 2 * (i / 4)) / 5;
        surface.FillRect(SurfaceRect{left, top, left + w / 10, top + h / 6}, kWhite);
    }
}

void BM_RunFrame(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    const int number = static_cast<int>(state.range(2));

    FixedFieldHost host(w, h, w, h);
    host.m_clock.Set(1000000);
    MemorySurface surface(w, h);
    PaintDesktop(surface);
    CParticleField field;
    field.m_random.Seed(20240601);
    field.Init(&host, number, 0x00A55D16u);
    field.SetParticleSpeed(50);
    // As the window's first paint does.
    field.m_nWidth = surface.Width();
    field.m_nHeight = surface.Height();
    field.CaptureBackground(surface.View());
    field.DrawFrame(surface);
    // Let the particles spread over the field first.
    for (int i = 0; i < kSettleFrames; ++i) {
        host.m_clock.Advance(kFrameMs);
        field.RunFrame(surface);
    }

    for (auto _ : state) {
        host.m_clock.Advance(kFrameMs);
        field.RunFrame(surface);
        benchmark::ClobberMemory();
    }
    const double steps = static_cast<double>(state.iterations()) * field.m_nCount;
    state.counters["particles"] = field.m_nCount;
    // CPU time per Move + Step, shown with its unit (for example "52.1ns").
    state.counters["per_particle_step"] =
        benchmark::Counter(steps, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_RunFrame)
    ->ArgNames({"w", "h", "number"})
    ->Args({1024, 768, 20})
    ->Args({1920, 1080, 100})
    ->Args({3840, 2160, 100})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tidewell

BENCHMARK_MAIN();
