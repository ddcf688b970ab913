#pragma once
#include <ostream>
#include <string>

#include "particles/ParticleField.h"

namespace tidewell::sim {

// The field as text: "count C capacity K width W height H", then one line per
// active particle "i size x y vx vy px py drawnX drawnY respawn", doubles as
// %.17g so they read back bit for bit.
void WriteState(std::ostream& out, const CParticleField& field);

}  // namespace tidewell::sim
