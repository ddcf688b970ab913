#pragma once
#include <vector>

#include "fw/x11/XlibApi.h"

namespace fw::x11 {

// What a device context changed, as a few rectangles: a change next to the
// last one grows it (a particle's erase and draw lie side by side), one far
// from it starts another, so a frame copies about the pixels it changed, not
// the box around all of them.
class ChangedArea {
public:
    void Add(const RECT& r);
    const std::vector<RECT>& Rects() const { return m_rects; }
    void Clear() { m_rects.clear(); }

private:
    std::vector<RECT> m_rects;
};

}  // namespace fw::x11
