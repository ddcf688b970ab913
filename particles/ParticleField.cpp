#include "particles/ParticleField.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "particles/StepPrefetch.h"

namespace tidewell {

namespace {

// How many particles ahead of the step their memory is asked for.
constexpr int kPrefetchDistance = 6;

// trunc((width + height) * 0.003 * number + 10), clamped to [low, high] as a
// double first so no number, however large or negative, overflows the
// conversion.
int CountFormula(int width, int height, double number, double low, double high) {
    const double sum = static_cast<double>(std::int64_t{width} + std::int64_t{height});
    const double count = sum * 0.003 * number + 10;
    return static_cast<int>(std::clamp(count, low, high));
}

}  // namespace

int CParticleField::CapacityFor(int screenWidth, int screenHeight) {
    return CountFormula(screenWidth, screenHeight, 100, 0.0, static_cast<double>(std::numeric_limits<int>::max()));
}

int CParticleField::CountFor(int width, int height, int number, int capacity) {
    return CountFormula(width, height, number, 0.0, static_cast<double>(std::max(capacity, 0)));
}

void CParticleField::Init(CFieldHost* host, int number, COLORREF colour) {
    m_pHost = host;
    m_nNumber = number;
    m_crBack = colour;

    int screenWidth = 0;
    int screenHeight = 0;
    if (m_pHost != nullptr) {
        m_pHost->GetScreenSize(screenWidth, screenHeight);
    }
    m_nCapacity = CapacityFor(screenWidth, screenHeight);
    m_pParticles.clear();
    m_pParticles.reserve(static_cast<std::size_t>(m_nCapacity));
    for (int i = 0; i < m_nCapacity; ++i) {
        m_pParticles.emplace_back(m_random);
    }
    m_bClear = false;
    m_nCount = CountFor(screenWidth, screenHeight, number, m_nCapacity);
    m_nLatestSpeed = 0;
    m_nSpeededCount = 0;
}

int CParticleField::ActiveCount() const { return std::clamp(m_nCount, 0, static_cast<int>(m_pParticles.size())); }

void CParticleField::SetParticleSpeed(int speed) {
    if (m_pHost != nullptr) {
        m_pHost->RestartFrameTimer();
    }
    const int count = ActiveCount();
    for (int i = 0; i < count; ++i) {
        m_pParticles[static_cast<std::size_t>(i)].SetSpeed(speed, m_random);
    }
    m_nLatestSpeed = speed;
    m_nSpeededCount = std::max(m_nSpeededCount, count);
}

void CParticleField::SetParticleNumber(int number) {
    int clientWidth = 0;
    int clientHeight = 0;
    if (m_pHost != nullptr) {
        m_pHost->GetClientSize(clientWidth, clientHeight);
    }
    const int count = CountFor(clientWidth, clientHeight, number, m_nCapacity);
    if (count < m_nCount) {
        m_bClear = true;
    }
    // Particles no speed has reached yet take the latest one; their velocity
    // comes with their first birth.
    for (int i = std::max(m_nSpeededCount, 0); i < count; ++i) {
        m_pParticles[static_cast<std::size_t>(i)].m_nSpeed = m_nLatestSpeed;
    }
    m_nSpeededCount = std::max(m_nSpeededCount, count);
    m_nCount = count;
}

void CParticleField::SetBackColor(COLORREF colour) {
    m_crBack = colour;
    m_bClear = true;
}

void CParticleField::MakeGrids(int width, int height) {
    m_pOccupancy = std::make_unique<OccupancyGrid>();
    m_pBackground = std::make_unique<BackgroundGrid>();
    MakeInterleavedGrids(width, height, *m_pOccupancy, *m_pBackground);
}

void CParticleField::CaptureBackground(const PixelView& pixels) {
    MakeGrids(m_nWidth, m_nHeight);
    BackgroundGrid& background = *m_pBackground;
    for (int y = 0; y < m_nHeight; ++y) {
        for (int x = 0; x < m_nWidth; ++x) {
            background.At(x, y) = pixels.Get(x, y);
        }
    }
}

void CParticleField::Clear(CDrawingSurface& surface) {
    int clientWidth = 0;
    int clientHeight = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    if (m_pHost != nullptr) {
        m_pHost->GetClientSize(clientWidth, clientHeight);
        m_pHost->GetScreenSize(screenWidth, screenHeight);
    }
    surface.FillRect(SurfaceRect{0, 0, clientWidth, clientHeight}, m_crBack);
    // A window as wide as the screen keeps its captured picture.
    if (clientWidth < screenWidth) {
        m_pBackground->Fill(m_crBack);
    }
    m_bClear = false;
}

void CParticleField::DrawFrame(CDrawingSurface& surface) {
    if (!HasGrids()) {
        return;
    }
    if (m_bClear) {
        Clear(surface);
    }
    const StepPrefetch prefetch(*m_pOccupancy, surface.View());
    const int count = ActiveCount();
    for (int i = 0; i < count; ++i) {
        if (i + kPrefetchDistance < count) {
            prefetch.Ahead(m_pParticles[static_cast<std::size_t>(i + kPrefetchDistance)], m_nWidth, m_nHeight);
        }
        m_pParticles[static_cast<std::size_t>(i)].Step(surface, m_nWidth, m_nHeight, *m_pOccupancy, *m_pBackground,
                                                       m_random);
    }
}

void CParticleField::RunFrame(CDrawingSurface& surface) {
    if (!HasGrids() || m_pHost == nullptr) {
        return;
    }
    CTickSource& ticks = m_pHost->GetTickSource();
    const int count = ActiveCount();
    for (int i = 0; i < count; ++i) {
        m_pParticles[static_cast<std::size_t>(i)].Move(ticks, m_random);
    }
    DrawFrame(surface);
}

}  // namespace tidewell
