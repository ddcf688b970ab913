// What a device context copies to its window: a few rectangles around what
// changed, not one around all of it.
#include <gtest/gtest.h>

#include <vector>

#include "fw/DirtyRegion.h"

namespace fw {
namespace {

RECT R(LONG left, LONG top, LONG right, LONG bottom) {
    RECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

struct Case {
    const char* name;
    std::vector<RECT> added;
    std::vector<RECT> copied;
};

TEST(DirtyRegion, MergesOnlyWhereThatCopiesHardlyMore) {
    const Case cases[] = {
        {"empty and inverted rectangles are nothing", {R(0, 0, 0, 5), R(4, 4, 2, 9)}, {}},
        {"an erase and a draw side by side become one", {R(10, 10, 15, 15), R(11, 12, 16, 17)}, {R(10, 10, 16, 17)}},
        {"particles far apart stay apart",
         {R(10, 10, 15, 15), R(900, 500, 905, 505), R(40, 700, 43, 703)},
         {R(10, 10, 15, 15), R(900, 500, 905, 505), R(40, 700, 43, 703)}},
        {"what a fill of the client covers adds nothing",
         {R(0, 0, 800, 600), R(10, 10, 15, 15), R(700, 20, 705, 25)},
         {R(0, 0, 800, 600)}},
        {"a rectangle inside the last one adds nothing", {R(10, 10, 20, 20), R(12, 12, 14, 14)}, {R(10, 10, 20, 20)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirtyRegion region;
        for (const RECT& r : c.added) region.Add(r);
        ASSERT_EQ(region.Rects().size(), c.copied.size());
        long long area = 0;
        for (std::size_t i = 0; i < c.copied.size(); ++i) {
            const RECT& got = region.Rects()[i];
            const RECT& want = c.copied[i];
            EXPECT_TRUE(got.left == want.left && got.top == want.top && got.right == want.right &&
                        got.bottom == want.bottom)
                << i << ": " << got.left << "," << got.top << "," << got.right << "," << got.bottom;
            area += static_cast<long long>(want.Width()) * want.Height();
        }
        EXPECT_EQ(region.Area(), area);
        region.Clear();
        EXPECT_TRUE(region.Rects().empty());
    }
}

}  // namespace
}  // namespace fw
