#include "engine/element_sequence.h"
#include "engine/tmorse2.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <numeric>
#include <string>

namespace dittaro {
namespace {

std::string samplesText(const std::vector<int>& samples) {
    std::string out;
    for (int s : samples) {
        out += (out.empty() ? "" : " ") + std::to_string(s);
    }
    return out;
}

long long sumOfMagnitudes(const std::vector<std::string>& timingList) {
    return timingTextTotalMs(joinTimingList(timingList));
}

TEST(TMorse2Table, StandardEntryAt60Bpm) {
    TMorse2 morse;
    const TMorseSpeed2& e = morse.standardTable()[12];
    EXPECT_EQ(e.dot.ms, 100);
    EXPECT_EQ(e.dash.ms, 300);
    EXPECT_EQ(e.elementGap.ms, 100);
    EXPECT_EQ(e.characterGap.ms, 300);
    EXPECT_EQ(e.wordGap[0].ms, 700);
    EXPECT_EQ(e.wordGap[4].ms, 3500);
    EXPECT_EQ(samplesText({e.dot.samples, e.dash.samples, e.elementGap.samples,
                           e.characterGap.samples, e.wordGap[0].samples}),
              "800 2400 -800 -2400 -5600");
    EXPECT_EQ(e.dot.token, "+100");
    EXPECT_EQ(e.characterGap.token, "-300");
}

TEST(TMorse2Table, RatiosShiftDotAndDash) {
    const struct {
        double ratio;
        int dot, dash;
    } cases[] = {{3, 100, 300}, {3.5, 89, 311}, {4, 80, 320}, {3.2, 100, 300}, {4.2, 80, 320}};
    TMorse2 morse;
    for (const auto& c : cases) {
        morse.setRatio(c.ratio);
        const TMorseSpeed2& e = morse.standardTable()[12];
        EXPECT_EQ(e.dot.ms, c.dot) << c.ratio;
        EXPECT_EQ(e.dash.ms, c.dash) << c.ratio;
        EXPECT_EQ(e.elementGap.ms, 100) << c.ratio;
    }
}

TEST(TMorse2Table, FarnsworthStretchesOnlyTheGaps) {
    TMorse2 morse;
    morse.setFarnsworthSpeed(100);
    const TMorseSpeed2& e = morse.farnsworthTable()[12];
    EXPECT_EQ(e.dot.ms, 60);
    EXPECT_EQ(e.dash.ms, 180);
    EXPECT_EQ(e.elementGap.ms, 60);
    EXPECT_EQ(e.characterGap.ms, 495);
    EXPECT_EQ(e.wordGap[0].ms, 1155);
    EXPECT_EQ(e.wordGap[1].ms, 2310);
    // At the character speed itself and above it, Farnsworth is the standard timing.
    EXPECT_EQ(morse.farnsworthTable()[20].characterGap.ms, 180);
    EXPECT_EQ(morse.farnsworthTable()[30].dot.ms, morse.standardTable()[30].dot.ms);
}

TEST(TMorse2Table, SampleRateScalesTheSampleCounts) {
    TMorse2 morse(44100);
    const TMorseSpeed2& e = morse.standardTable()[12];
    EXPECT_EQ(e.dot.samples, 4410);
    EXPECT_EQ(e.wordGap[0].samples, -30870);
    EXPECT_EQ(TMorse2(100).sampleRate(), 8000);
}

TEST(TMorse2Settings, ClampAndRound) {
    TMorse2 morse;
    EXPECT_EQ(morse.speed(), 40);
    EXPECT_EQ(morse.characterSpeed(), 80);
    EXPECT_EQ(morse.farnsworthSpeed(), 60);
    const struct {
        int bpm, expected;
    } speeds[] = {{10, 40}, {42, 40}, {43, 45}, {60, 60}, {899, 900}, {5000, 900}};
    for (const auto& c : speeds) {
        morse.setSpeed(c.bpm);
        EXPECT_EQ(morse.speed(), c.expected) << c.bpm;
    }
    morse.setCharacterSpeed(1234);
    EXPECT_EQ(morse.characterSpeed(), 1230);
    morse.setFarnsworthSpeed(10);
    EXPECT_EQ(morse.farnsworthSpeed(), 60);
    morse.setFarnsworthSpeed(1000);
    EXPECT_EQ(morse.farnsworthSpeed(), 900);
}

class TMorse2Conversions : public testing::Test {
protected:
    TMorse2Conversions() { morse.setSpeed(60); }
    TMorse2 morse;
};

TEST_F(TMorse2Conversions, GroupsWithTheNormalGap) {
    morse.groups() = {"ab", "e"};
    ASSERT_TRUE(morse.convertGroups(0));
    EXPECT_EQ(joinTimingList(morse.timingList()),
              "-1500 +100 -100 +300 -300 +300 -100 +100 -100 +100 -100 +100 -700 +100 -700");
    EXPECT_EQ(morse.sampleList().front(), -12000);
    EXPECT_EQ(morse.sampleList().size(), morse.timingList().size());
    EXPECT_EQ(morse.totalMs(), sumOfMagnitudes(morse.timingList()));
}

TEST_F(TMorse2Conversions, GroupGapNeverShorterThanAWordGap) {
    morse.setSpeed(40); // word gap 1050 ms
    morse.groups() = {"e"};
    const struct {
        int choice;
        const char* gap;
    } cases[] = {{0, "-1050"}, {1, "-1050"},   {2, "-1050"}, {3, "-1500"},
                 {4, "-2000"}, {12, "-10000"}, {13, "-1050"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(morse.convertGroups(c.choice));
        EXPECT_EQ(morse.timingList().back(), c.gap) << c.choice;
    }
    EXPECT_EQ(morse.sampleList().back(), -8400);
}

TEST_F(TMorse2Conversions, GroupsSkipCharactersWithoutCode) {
    morse.groups() = {"e<"};
    ASSERT_TRUE(morse.convertGroups(0));
    EXPECT_EQ(joinTimingList(morse.timingList()), "-1500 +100 -700");
}

TEST_F(TMorse2Conversions, GroupsUseTheFarnsworthTableWhenOn) {
    morse.setFarnsworthSpeed(100);
    morse.setFarnsworth(true);
    morse.groups() = {"ee"};
    ASSERT_TRUE(morse.convertGroups(0));
    EXPECT_EQ(joinTimingList(morse.timingList()), "-1500 +60 -495 +60 -1155");
}

TEST_F(TMorse2Conversions, EmptyGroupListChangesNothing) {
    morse.groups() = {"e"};
    ASSERT_TRUE(morse.convertGroups(0));
    const auto before = morse.timingList();
    morse.groups().clear();
    EXPECT_FALSE(morse.convertGroups(0));
    EXPECT_FALSE(morse.convertRandomTexts(0));
    EXPECT_FALSE(morse.convertExamText());
    EXPECT_EQ(morse.timingList(), before);
}

TEST_F(TMorse2Conversions, RandomTextLineEndPauses) {
    // Lines of 9 and 10 characters, then the last (long) line.
    morse.groups() = {"eeeee eee", "eeeee eeee", "eeeee eeeeeeee"};
    const struct {
        int choice;
        const char* blank;
        const char* shortEnd;
        const char* longEnd;
        const char* lastEnd;
    } cases[] = {
        {0, "-700", "-1000", "-3000", "-1000"},   // no chosen word gap
        {10, "-700", "-1000", "-3000", "-1000"},  // 0.5 s is shorter than a word gap
        {11, "-1000", "-1000", "-3000", "-1000"}, // 1 s
        {1, "-2000", "-2000", "-3000", "-2000"},  // 2 s
        {4, "-5000", "-5000", "-5000", "-5000"},  // 5 s
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(morse.convertRandomTexts(c.choice));
        const auto& list = morse.timingList();
        // Line ends: find the pauses that follow the last element of each line.
        std::vector<std::string> pauses;
        for (std::size_t i = 1; i < list.size(); ++i) {
            if (list[i][0] == '-' && list[i] != "-100" && list[i] != "-300") {
                pauses.push_back(list[i]);
            }
        }
        ASSERT_EQ(pauses.size(), 6u) << c.choice;
        EXPECT_EQ(pauses[0], c.blank) << c.choice;
        EXPECT_EQ(pauses[1], c.shortEnd) << c.choice;
        EXPECT_EQ(pauses[3], c.longEnd) << c.choice;
        EXPECT_EQ(pauses[5], c.lastEnd) << c.choice;
        EXPECT_EQ(morse.totalMs(), sumOfMagnitudes(list)) << c.choice;
        EXPECT_EQ(morse.sampleList().size(), list.size());
    }
}

TEST_F(TMorse2Conversions, RandomTextLinesAreTrimmed) {
    morse.groups() = {"  ee  "};
    ASSERT_TRUE(morse.convertRandomTexts(0));
    EXPECT_EQ(joinTimingList(morse.timingList()), "-1500 +100 -300 +100 -1000");
}

TEST_F(TMorse2Conversions, ExamTextPauseAndTotal) {
    morse.setFarnsworth(true); // the exam always uses the standard table
    morse.setFarnsworthSpeed(200);
    morse.groups() = {"e<t e", "t"};
    ASSERT_TRUE(morse.convertExamText());
    EXPECT_EQ(joinTimingList(morse.timingList()),
              "-1500 +100 -1000 +300 -700 +100 -2000 +300 -2000");
    // Neither the leading 1500 ms nor the pause after the last line count.
    EXPECT_EQ(morse.totalMs(), 100 + 1000 + 300 + 700 + 100 + 2000 + 300);
}

TEST_F(TMorse2Conversions, KeyboardStringBuildsSamplesOnly) {
    morse.groups() = {"x"};
    ASSERT_TRUE(morse.convertGroups(0));
    const auto timing = morse.timingList();
    EXPECT_EQ(morse.convertString("ee  e"), 100 + 300 + 100 + 700 + 100 + 300);
    EXPECT_EQ(samplesText(morse.sampleList()), "800 -2400 800 -5600 800 -2400");
    EXPECT_EQ(morse.timingList(), timing);
    EXPECT_EQ(morse.convertString("e "), 100 + 700);
    EXPECT_EQ(samplesText(morse.sampleList()), "800 -5600");
    EXPECT_EQ(morse.convertString(""), 0);
    EXPECT_EQ(samplesText(morse.sampleList()), "800 -5600");
}

TEST(TMorse2CharacterSequence, SingleCharacterAndSequences) {
    TMorse2 morse;
    morse.setCharacterSpeed(100); // 20 WpM, unit 60 ms
    morse.setSpeed(40);           // the speed does not matter here
    EXPECT_EQ(samplesText(morse.buildCharacterSequence("k")), "-560 1440 -480 480 -480 1440 -1600");
    // Word gap x 1 after every character but the last, x 2 for a blank.
    EXPECT_EQ(samplesText(morse.buildCharacterSequence("e t")), "-560 480 -3360 -6720 1440 -1600");
    EXPECT_EQ(samplesText(morse.buildCharacterSequence("<")), "-560 -1600");
}

TEST(TMorse2CharacterSequence, OutOfTableCharacterSpeedIsHeldInside) {
    TMorse2 morse;
    for (int bpm : {0, 3, 2000}) {
        morse.setCharacterSpeed(bpm);
        const auto samples = morse.buildCharacterSequence("e");
        ASSERT_EQ(samples.size(), 3u) << bpm;
        EXPECT_GT(samples[1], 0) << bpm;
    }
}

TEST(TMorse2PlainCode, IsThePlainTable) {
    EXPECT_EQ(TMorse2::plainCodeOf(0xC4), plainCode(0xC4));
    EXPECT_EQ(TMorse2::plainCodeOf('_'), plainCode('_'));
}

} // namespace
} // namespace dittaro
