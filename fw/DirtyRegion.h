#pragma once
#include <vector>

#include "fw/Types.h"

namespace fw {

// What a device context changed, as a few rectangles, so that only those
// reach the window when it ends. A frame changes a few pixels around each
// particle, spread over the whole client: one rectangle around all of them
// would copy most of the screen.
class DirtyRegion {
public:
    // Empty rectangles are ignored. A rectangle is merged into another when
    // that copies hardly more than the two apart would.
    void Add(const RECT& rect);
    const std::vector<RECT>& Rects() const { return m_rects; }
    long long Area() const;
    void Clear();

private:
    bool TryMerge(std::size_t index, const RECT& rect);

    std::vector<RECT> m_rects;
    std::size_t m_largest = 0;  // index of the largest rectangle, when any
};

}  // namespace fw
