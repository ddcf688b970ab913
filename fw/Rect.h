#pragma once
// Rectangle arithmetic for the framework and its backends. Rectangles are
// half-open: right and bottom lie just outside.
#include <algorithm>

#include "fw/Types.h"

namespace fw {

constexpr RECT MakeRect(LONG left, LONG top, LONG right, LONG bottom) {
    RECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

constexpr bool IsEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

constexpr bool PointInRect(const RECT& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

constexpr RECT OffsetRectBy(const RECT& r, int dx, int dy) {
    return MakeRect(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
}

// The empty rectangle when they do not overlap.
inline RECT IntersectRects(const RECT& a, const RECT& b) {
    const RECT r = MakeRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                            std::min(a.bottom, b.bottom));
    return IsEmptyRect(r) ? RECT() : r;
}

// The smallest rectangle holding both; an empty one adds nothing.
inline RECT UnionRects(const RECT& a, const RECT& b) {
    if (IsEmptyRect(a)) {
        return b;
    }
    if (IsEmptyRect(b)) {
        return a;
    }
    return MakeRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom));
}

}  // namespace fw
