// What a device context copies to its window: a few rectangles around what
// changed, not one around all of it.
#include <gtest/gtest.h>

#include <vector>

#include "fw/DirtyRegion.h"

namespace fw {
namespace {

struct Case {
    const char* name;
    std::vector<RECT> added;
    std::vector<RECT> copied;
};

TEST(DirtyRegion, MergesOnlyWhereThatCopiesHardlyMore) {
    const Case cases[] = {
        {"empty and inverted rectangles are nothing", {RECT{0, 0, 0, 5}, RECT{4, 4, 2, 9}}, {}},
        {"an erase and a draw side by side become one",
         {RECT{10, 10, 15, 15}, RECT{11, 12, 16, 17}},
         {RECT{10, 10, 16, 17}}},
        {"particles far apart stay apart",
         {RECT{10, 10, 15, 15}, RECT{900, 500, 905, 505}, RECT{40, 700, 43, 703}},
         {RECT{10, 10, 15, 15}, RECT{900, 500, 905, 505}, RECT{40, 700, 43, 703}}},
        {"what a fill of the client covers adds nothing",
         {RECT{0, 0, 800, 600}, RECT{10, 10, 15, 15}, RECT{700, 20, 705, 25}},
         {RECT{0, 0, 800, 600}}},
        {"a rectangle inside the last one adds nothing",
         {RECT{10, 10, 20, 20}, RECT{12, 12, 14, 14}},
         {RECT{10, 10, 20, 20}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DirtyRegion region;
        for (const RECT& r : c.added) {
            region.Add(r);
        }
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
