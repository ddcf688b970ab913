#include "tools/sim/StateFile.h"

#include <cstdio>

namespace tidewell::sim {

namespace {

std::string Exact(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace

void WriteState(std::ostream& out, const CParticleField& field) {
    out << "count " << field.m_nCount << " capacity " << field.m_pParticles.size() << " width " << field.m_nWidth
        << " height " << field.m_nHeight << '\n';
    for (std::int32_t i = 0; i < field.m_nCount; ++i) {
        const CParticle& p = field.m_pParticles[static_cast<std::size_t>(i)];
        out << i << ' ' << p.m_nSize << ' ' << Exact(p.m_x) << ' ' << Exact(p.m_y) << ' ' << Exact(p.m_vx) << ' '
            << Exact(p.m_vy) << ' ' << p.m_px << ' ' << p.m_py << ' ' << p.m_drawnX << ' ' << p.m_drawnY << ' '
            << (p.m_bRespawn ? 1 : 0) << '\n';
    }
}

}  // namespace tidewell::sim
