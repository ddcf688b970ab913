#include <gtest/gtest.h>

#include "particles/Random.h"
#include "SeedSearch.h"

namespace tidewell {
namespace {

TEST(RandomSource, FollowsThePlatformSequenceForSeedOne) {
    RandomSource random(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) {
        EXPECT_EQ(random.Next(), value);
    }
}

TEST(RandomSource, FractionRunsFromZeroToOneInclusive) {
    RandomSource lowest(testing::SeedSearch::ForFirst(0));
    RandomSource highest(testing::SeedSearch::ForFirst(RandomSource::kMax));
    EXPECT_EQ(lowest.Fraction(), 0.0);
    EXPECT_NEAR(highest.Fraction(), 1.0, 1e-15);
}

}  // namespace
}  // namespace tidewell
