#include "fw/DirtyRegion.h"

#include <algorithm>

namespace fw {

namespace {

long long AreaOf(const RECT& r) { return static_cast<long long>(r.right - r.left) * (r.bottom - r.top); }

RECT Bounds(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// A copy of its own costs about as much as this many more pixels in one
// copy, so neighbours closer than that are taken together.
constexpr long long kPixelsPerCopy = 64;

}  // namespace

bool DirtyRegion::TryMerge(std::size_t index, const RECT& rect) {
    RECT& kept = m_rects[index];
    const RECT both = Bounds(kept, rect);
    if (AreaOf(both) > AreaOf(kept) + AreaOf(rect) + kPixelsPerCopy) {
        return false;
    }
    kept = both;
    if (AreaOf(kept) > AreaOf(m_rects[m_largest])) {
        m_largest = index;
    }
    return true;
}

void DirtyRegion::Add(const RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) {
        return;
    }
    // The last one is the likeliest neighbour; the largest one (a fill of
    // the whole client, say) swallows what lies inside it.
    if (!m_rects.empty() && (TryMerge(m_rects.size() - 1, rect) || TryMerge(m_largest, rect))) {
        return;
    }
    m_rects.push_back(rect);
    if (AreaOf(rect) > AreaOf(m_rects[m_largest])) {
        m_largest = m_rects.size() - 1;
    }
}

long long DirtyRegion::Area() const {
    long long area = 0;
    for (const RECT& r : m_rects) {
        area += AreaOf(r);
    }
    return area;
}

void DirtyRegion::Clear() {
    m_rects.clear();
    m_largest = 0;
}

}  // namespace fw
