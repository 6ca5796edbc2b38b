#include "engine/playback_sequence.h"
#include "engine/tmorse2.h"

#include <gtest/gtest.h>

namespace dittaro {
namespace {

TEST(GeneratedSequence, ThresholdsFollowTheSpeedWithDivisionTowardZero) {
    const struct {
        int speed, hold, word;
    } cases[] = {
        {60, 200, -683}, {40, 300, -1025}, {100, 120, -410}, {125, 96, -328}, {900, 13, -45},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        TMorse2 morse;
        morse.setSpeed(c.speed);
        morse.groups() = {"ab", "c"};
        ASSERT_TRUE(morse.convertGroups(0));
        const std::optional<PlaybackSequence> sequence = sequenceFromLists(morse);
        ASSERT_TRUE(sequence);
        EXPECT_EQ(sequence->hold, c.hold);
        EXPECT_EQ(sequence->word, c.word);
        EXPECT_EQ(sequence->samples, morse.sampleList());
        EXPECT_EQ(sequence->ms.size(), morse.timingList().size());
        EXPECT_EQ(sequence->progressMaximum, static_cast<int>(morse.timingList().size()));
        // Word gaps end words, character gaps do not.
        for (std::size_t i = 0; i < sequence->ms.size(); ++i) {
            const bool wordGap =
                sequence->ms[i] == morse.standardTable()[c.speed / 5].wordGap[0].ms * -1;
            EXPECT_EQ(sequence->ms[i] < sequence->word, wordGap || i == 0) << i;
        }
    }
}

TEST(GeneratedSequence, TwoEntriesOrFewerLoadNothing) {
    const struct {
        std::vector<std::string> timing;
        std::vector<int> samples;
        bool loads;
    } cases[] = {
        {{}, {}, false},
        {{"-1500"}, {-12000}, false},
        {{"-1500", "+100"}, {-12000, 800}, false},
        {{"-1500", "+100", "-700"}, {-12000, 800, -5600}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.timing.size());
        const auto sequence = sequenceFromLists(c.timing, c.samples, 60);
        EXPECT_EQ(sequence.has_value(), c.loads);
        if (sequence) {
            EXPECT_EQ(sequence->ms, (std::vector<int>{-1500, 100, -700}));
        }
    }
}

TEST(TimingTextSequence, TheClosingSilenceIsStretchedToTwoOfTheShortestLongGaps) {
    const struct {
        const char* label;
        const char* text;
        std::vector<int> ms;
        int hold, word;
    } cases[] = {
        {"free text at 60: -500 becomes twice the character gap",
         "-1000+100-100+300-300+100-700+300-500",
         {-1000, 100, -100, 300, -300, 100, -700, 300, -600},
         200,
         -360},
        {"the element gap is not longer than two dots",
         "-1000+100-100+100-500",
         {-1000, 100, -100, 100, -500},
         200,
         -7200},
        {"a closing tone stays", "-1000+100-300+100", {-1000, 100, -300, 100}, 200, -360},
        {"long tones: the shortest counts as at most 300",
         "-1000+500-700+500-2000+500-500",
         {-1000, 500, -700, 500, -2000, 500, -1400},
         600,
         -840},
        {"gaps of 6 s or more are no gaps",
         "-1000+100-6000+100-500",
         {-1000, 100, -6000, 100, -500},
         200,
         -7200},
        {"just below 6 s", "-1000+100-5999+100-500", {-1000, 100, -5999, 100, -11998}, 200, -7198},
        {"a single token", "-1000", {-1000}, 600, -7200},
        {"nothing", "", {}, 600, -7200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const PlaybackSequence sequence = sequenceFromTimingText(c.text);
        EXPECT_EQ(sequence.ms, c.ms);
        ASSERT_EQ(sequence.samples.size(), c.ms.size());
        for (std::size_t i = 0; i < c.ms.size(); ++i) {
            EXPECT_EQ(sequence.samples[i], c.ms[i] * 8);
        }
        EXPECT_EQ(sequence.hold, c.hold);
        EXPECT_EQ(sequence.word, c.word);
    }
}

} // namespace
} // namespace dittaro
