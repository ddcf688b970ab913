#include "fw/x11/ChangedArea.h"

namespace fw::x11 {

namespace {

long Area(const RECT& r) { return static_cast<long>(r.Width()) * r.Height(); }

// Past this many rectangles, one more request costs more than copying the
// pixels between them.
constexpr std::size_t kMaxRects = 1024;
// Merging may copy at most this many pixels that did not change.
constexpr long kSlack = 32;

}  // namespace

void ChangedArea::Add(const RECT& r) {
    if (IsEmpty(r)) return;
    if (!m_rects.empty()) {
        RECT& last = m_rects.back();
        const RECT merged = Union(last, r);
        if (Area(merged) <= Area(last) + Area(r) + kSlack) {
            last = merged;
            return;
        }
    }
    if (m_rects.size() == kMaxRects) {
        RECT all = r;
        for (const RECT& each : m_rects) all = Union(all, each);
        m_rects.assign(1, all);
        return;
    }
    m_rects.push_back(r);
}

}  // namespace fw::x11
