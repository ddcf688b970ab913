#pragma once
#include "particles/DrawingSurface.h"
#include "particles/ParticleField.h"

namespace tidewell {

// What a window's first paint does to its field, over a memory surface the
// size of the client: take the size, make the grids, capture the surface
// column by column, then run the clear-and-step half of a frame.
inline void PaintFirstFrame(CParticleField& field, MemorySurface& surface) {
    field.m_nWidth = surface.Width();
    field.m_nHeight = surface.Height();
    field.MakeGrids(field.m_nWidth, field.m_nHeight);
    BackgroundGrid& background = *field.m_pBackground;
    for (int x = 0; x < field.m_nWidth; ++x) {
        for (int y = 0; y < field.m_nHeight; ++y) {
            background.At(x, y) = surface.GetPixel(x, y);
        }
    }
    field.DrawFrame(surface);
}

}  // namespace tidewell
