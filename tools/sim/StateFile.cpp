#include "tools/sim/StateFile.h"

#include <cstdio>
#include <fstream>

namespace tidewell::sim {

namespace {

std::string Exact(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace

void WriteState(std::ostream& out, const CParticleField& field) {
    out << "count " << field.m_nCount << " capacity " << field.m_pParticles.size() << " width "
        << field.m_nWidth << " height " << field.m_nHeight << '\n';
    for (std::int32_t i = 0; i < field.m_nCount; ++i) {
        const CParticle& p = field.m_pParticles[static_cast<std::size_t>(i)];
        out << i << ' ' << p.m_nSize << ' ' << Exact(p.m_x) << ' ' << Exact(p.m_y) << ' '
            << Exact(p.m_vx) << ' ' << Exact(p.m_vy) << ' ' << p.m_px << ' ' << p.m_py << ' '
            << p.m_drawnX << ' ' << p.m_drawnY << ' ' << (p.m_bRespawn ? 1 : 0) << '\n';
    }
}

bool WriteStateFile(const std::string& path, const CParticleField& field) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) {
        return false;
    }
    WriteState(out, field);
    out.close();
    return static_cast<bool>(out);
}

}  // namespace tidewell::sim
