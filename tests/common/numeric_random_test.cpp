#include "common/numeric.h"
#include "common/random.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace dittaro {
namespace {

TEST(Nearest, RoundsHalvesToTheEvenNeighbour) {
    const struct {
        double x;
        long long expected;
    } cases[] = {
        {0.5, 0},    {1.5, 2},    {2.5, 2},    {3.5, 4},       {-0.5, 0}, {-1.5, -2},
        {-2.5, -2},  {2.4999, 2}, {2.5001, 3}, {165.263, 165}, {-0.4, 0}, {1e9 + 0.5, 1000000000},
        {88.88, 89}, {0.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nearest(c.x), c.expected) << c.x;
    }
}

TEST(Random, StaysInRangeAndZeroForEmptyRanges) {
    seedRandom(42);
    EXPECT_EQ(random(0), 0);
    EXPECT_EQ(random(-3), 0);
    EXPECT_EQ(random(1), 0);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = random(10);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 10);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 10u);
}

TEST(Random, AFixedSeedRepeatsTheSequence) {
    auto draw = [] {
        std::vector<int> values;
        for (int i = 0; i < 20; ++i) {
            values.push_back(random(1000));
        }
        return values;
    };
    seedRandom(7);
    const auto first = draw();
    seedRandom(7);
    EXPECT_EQ(draw(), first);
    randomize();
    EXPECT_NE(draw(), first); // one chance in 10^60 of a false alarm
}

} // namespace
} // namespace dittaro
