#pragma once
#include "fw/DirtyRegion.h"

namespace fw {
namespace win32 {

// What the device contexts of this process copied to their windows, for
// the benchmarks that hold the copies to what a frame changed.
struct FlushCounts {
    long long flushes = 0;
    long long rects = 0;
    long long pixels = 0;
};
const FlushCounts& Flushed();
void CountFlush(const DirtyRegion& copied);

}  // namespace win32
}  // namespace fw
