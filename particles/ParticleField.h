#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "particles/DrawingSurface.h"
#include "particles/PixelView.h"
#include "particles/FieldHost.h"
#include "particles/Grid.h"
#include "particles/Particle.h"
#include "particles/Random.h"

namespace tidewell {

// The particles one window runs, with the grids and the background colour.
// Members are public: the window's paint handler sizes and fills the grids.
class CParticleField {
public:
    CParticleField() = default;
    CParticleField(const CParticleField&) = delete;
    CParticleField& operator=(const CParticleField&) = delete;

    // Allocates the array at full capacity and sets the active count.
    void Init(CFieldHost* host, int number, COLORREF colour);
    void SetParticleSpeed(int speed);
    void SetParticleNumber(int number);
    void SetBackColor(COLORREF colour);
    // Honours a pending clear, then steps every active particle.
    void DrawFrame(CDrawingSurface& surface);
    // Moves every active particle, then DrawFrame.
    void RunFrame(CDrawingSurface& surface);

    // Makes both grids at the given size (occupancy all 0, background 0).
    void MakeGrids(int width, int height);
    bool HasGrids() const { return m_pOccupancy != nullptr; }
    // The first paint's capture: makes both grids at the grid size
    // (m_nWidth x m_nHeight) and copies the pixels into the background grid,
    // row by row; what they do not reach is CLR_INVALID.
    void CaptureBackground(const PixelView& pixels);

    // Capacity for a screen: trunc((width + height) * 0.003 * 100 + 10).
    static int CapacityFor(int screenWidth, int screenHeight);
    // trunc of the count formula, clamped to [0, capacity] first.
    static int CountFor(int width, int height, int number, int capacity);

    // m_nCount limited to the particles that exist.
    int ActiveCount() const;

    CFieldHost* m_pHost = nullptr;
    RandomSource m_random;
    // Constructed once, in index order, at full capacity; never resized.
    std::vector<CParticle> m_pParticles;
    int m_nCapacity = 0;
    std::int32_t m_nCount = 0;
    std::int32_t m_nNumber = 0;
    COLORREF m_crBack = 0;
    bool m_bClear = false;
    std::int32_t m_nWidth = 0;
    std::int32_t m_nHeight = 0;
    std::unique_ptr<OccupancyGrid> m_pOccupancy;
    std::unique_ptr<BackgroundGrid> m_pBackground;
    // Latest speed given and how many particles from index 0 any speed covered.
    std::int32_t m_nLatestSpeed = 0;
    std::int32_t m_nSpeededCount = 0;

private:
    // Fills the client with the background colour and, in a window narrower
    // than the screen, the background grid too.
    void Clear(CDrawingSurface& surface);
};

}  // namespace tidewell
