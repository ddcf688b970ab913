// The program's one application object; the framework's entry point finds it
// through fw::AfxGetApp() and runs it.
#include "app/ParticleApp.h"

namespace {
tidewell::CParticleApp theApp;
}
