#include "engine/element_sequence.h"

#include <climits>
#include <gtest/gtest.h>

namespace dittaro {
namespace {

TEST(TimingText, ParsesSignedTokens) {
    EXPECT_EQ(parseTimingText("-1000+100-100+300-500"),
              (std::vector<int>{-1000, 100, -100, 300, -500}));
    EXPECT_EQ(parseTimingText("-1500 +100 -700"), (std::vector<int>{-1500, 100, -700}));
    EXPECT_EQ(parseTimingText("x+1y-2 3 +"), (std::vector<int>{1, -2}));
    EXPECT_TRUE(parseTimingText("").empty());
}

TEST(TimingText, HugeTokensSaturate) {
    EXPECT_EQ(parseTimingText("+99999999999-99999999999"), (std::vector<int>{INT_MAX, -INT_MAX}));
}

TEST(TimingText, TotalIsTheSumOfMagnitudes) {
    EXPECT_EQ(timingTextTotalMs("-1000+100-100+300-500"), 2000);
    EXPECT_EQ(joinTimingList({"-1500", "+100"}), "-1500 +100");
    EXPECT_EQ(joinTimingList({}), "");
}

TEST(DurationText, RoundsToWholeSeconds) {
    const struct {
        long long ms;
        const char* text;
    } cases[] = {
        {125400, "2 Min 5 Sek"},
        {400, ""},
        {500, ""},
        {1500, "0 Min 2 Sek"},
        {2500, "0 Min 2 Sek"},
        {59999, "1 Min 0 Sek"},
        {0, ""},
        {3600000, "60 Min 0 Sek"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(durationText(c.ms), c.text) << c.ms;
    }
}

TEST(ScaledDurationText, DividesBySpeedFactorAndRoundsUpFromHalfASecond) {
    const struct {
        long long ms;
        int factor;
        const char* text;
    } cases[] = {
        {65000, 10, "1 Min 5 Sek"},    {65000, 5, "2 Min 10 Sek"}, {65000, 15, "0 Min 43 Sek"},
        {400, 10, "0 Min 0 Sek"},      {499, 10, "0 Min 0 Sek"},   {500, 10, "0 Min 1 Sek"},
        {3600000, 10, "60 Min 0 Sek"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(scaledDurationText(c.ms, c.factor), c.text) << c.ms << " at " << c.factor;
    }
}

} // namespace
} // namespace dittaro
