#include "fw/win32/FlushCounter.h"

namespace fw {
namespace win32 {

namespace {
FlushCounts g_flushed;
}  // namespace

const FlushCounts& Flushed() { return g_flushed; }

void CountFlush(const DirtyRegion& copied) {
    ++g_flushed.flushes;
    g_flushed.rects += static_cast<long long>(copied.Rects().size());
    g_flushed.pixels += copied.Area();
}

}  // namespace win32
}  // namespace fw
