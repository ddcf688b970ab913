#pragma once
#include "particles/Particle.h"

namespace tidewell::testing {

// A freshly constructed particle with its size class set by hand.
inline CParticle ParticleOfSize(int size) {
    RandomSource construction(1);
    CParticle particle(construction);
    particle.m_nSize = size;
    return particle;
}

}  // namespace tidewell::testing
