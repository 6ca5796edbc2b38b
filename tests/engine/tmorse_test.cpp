#include "engine/tmorse.h"

#include <gtest/gtest.h>
#include <string>

namespace dittaro {
namespace {

// A TMorse at 60 BpM, ratio 3, Farnsworth off, no minimum word pause, options off.
class TMorseAt60 : public testing::Test {
protected:
    TMorseAt60() {
        morse.setSpeedFromBpm(60);
        morse.setFarnsworth(false);
        morse.setRatio(3);
    }
    std::string convert(const std::string& text) {
        morse.setText(text);
        EXPECT_TRUE(morse.convert()) << text;
        return morse.timingText();
    }
    TMorse morse;
};

TEST_F(TMorseAt60, OneLetterHasNoCharacterGap) {
    EXPECT_EQ(convert("e"), "-1000+100-500");
    EXPECT_EQ(convert("a"), "-1000+100-100+300-500");
}

TEST_F(TMorseAt60, StandardTiming) {
    // dot 100, dash 300, element gap 100, character gap 300, word pause 700.
    EXPECT_EQ(convert("ab c"), "-1000+100-100+300-300+300-100+100-100+100-100+100-700"
                               "+300-100+100-100+300-100+100-500");
    EXPECT_EQ(convert("e  e"), "-1000+100-1400+100-500");
}

TEST_F(TMorseAt60, DashDotRatios) {
    const struct {
        double ratio;
        const char* expected;
    } cases[] = {
        {3, "-1000+100-100+300-500"},
        {3.5, "-1000+89-100+311-500"},
        {4, "-1000+80-100+320-500"},
    };
    for (const auto& c : cases) {
        morse.setRatio(c.ratio);
        EXPECT_EQ(convert("a"), c.expected) << c.ratio;
    }
    morse.setRatioDivisor(7); // not a known divisor: 3:1
    EXPECT_EQ(convert("a"), "-1000+100-100+300-500");
}

TEST_F(TMorseAt60, Farnsworth) {
    morse.setFarnsworthSpeedFromBpm(100);
    ASSERT_TRUE(morse.farnsworth());
    // Elements at 100 BpM (unit 60), gaps stretched to 60 BpM: d = 165.
    EXPECT_EQ(convert("ab c"), "-1000+60-60+180-495+180-60+60-60+60-60+60-1155"
                               "+180-60+60-60+180-60+60-500");
}

TEST_F(TMorseAt60, FarnsworthBelowTheSpeedChangesNothing) {
    morse.setSpeedFromBpm(150);
    const std::string standard = convert("ab c");
    morse.setFarnsworthSpeedFromBpm(100);
    EXPECT_EQ(convert("ab c"), standard);
}

TEST_F(TMorseAt60, BlankRunFormedByBracketRemovalGivesOnePauseTimesFive) {
    EXPECT_EQ(convert("e   [   e"), "-1000+100-3500+100-500");
}

TEST_F(TMorseAt60, FiveBlanksAtMost) {
    EXPECT_EQ(convert("e          e"), "-1000+100-3500+100-500");
}

TEST_F(TMorseAt60, CommandsChangeTimingOnlyWhileConverting) {
    morse.setSpeedFromBpm(100); // unit 60, word pause 420
    // The command stands between two characters: they still get their character gap.
    EXPECT_EQ(convert("e e<W3000>e e  e"), "-1000+60-420+60-180+60-3000+60-6000+60-500");
    EXPECT_EQ(morse.minimumWordPause(), 0);
    EXPECT_EQ(convert("e e"), "-1000+60-420+60-500");
}

TEST_F(TMorseAt60, CharacterGapAfterACommandUsesTheNewSpeed) {
    // "e" at 60 BpM, then at 120 BpM (unit 50): the gap between them is 150.
    EXPECT_EQ(convert("e<120>e"), "-1000+100-150+50-500");
    EXPECT_EQ(morse.speedBpm(), 60);
}

TEST_F(TMorseAt60, InTextFarnsworthRatioAndSpeedAreRestored) {
    morse.setText("e<F150 S4 W1000>ea<200><F->a");
    ASSERT_TRUE(morse.convert());
    EXPECT_EQ(morse.speedBpm(), 60);
    EXPECT_FALSE(morse.farnsworth());
    EXPECT_EQ(morse.ratioDivisor(), 0);
    EXPECT_EQ(morse.minimumWordPause(), 0);
    EXPECT_EQ(convert("a"), "-1000+100-100+300-500");
}

TEST_F(TMorseAt60, SpeedCommandAtTheVeryEndStillApplies) {
    // Parameter byte 32 must survive trimming; it changes nothing audible here.
    EXPECT_EQ(convert("e <180>"), "-1000+100-700-500");
}

TEST_F(TMorseAt60, NothingToSend) {
    morse.setText("");
    EXPECT_FALSE(morse.convert());
    EXPECT_EQ(morse.timingText(), "-1000");
    morse.setText("  <hello> ");
    EXPECT_FALSE(morse.convert());
}

TEST_F(TMorseAt60, ConvertKeepsTheNormalisedText) {
    morse.setText("Gr\xF6\xDF"
                  "e");
    morse.options().umlautExpansion = true;
    morse.options().szExpansion = true;
    ASSERT_TRUE(morse.convert());
    EXPECT_EQ(morse.text(), "Groesse");
}

TEST(TMorseSettings, ClampAndRound) {
    TMorse morse;
    EXPECT_EQ(morse.speedBpm(), 80);
    EXPECT_TRUE(morse.farnsworth());
    EXPECT_EQ(morse.farnsworthSpeedBpm(), 80);

    const struct {
        int bpm;
        int expected;
    } speeds[] = {{10, 20}, {19, 20}, {22, 20}, {23, 25}, {60, 60}, {900, 900}, {2000, 900}};
    for (const auto& c : speeds) {
        morse.setSpeedFromBpm(c.bpm);
        EXPECT_EQ(morse.speedBpm(), c.expected) << c.bpm;
    }
    morse.setSpeedIndex(500);
    EXPECT_EQ(morse.speedIndex(), 176);

    const struct {
        int bpm;
        int expected;
    } farnsworth[] = {{0, 60}, {84, 80}, {85, 90}, {100, 100}, {1000, 900}};
    for (const auto& c : farnsworth) {
        morse.setFarnsworth(false);
        morse.setFarnsworthSpeedFromBpm(c.bpm);
        EXPECT_EQ(morse.farnsworthSpeedBpm(), c.expected) << c.bpm;
        EXPECT_TRUE(morse.farnsworth());
    }

    const struct {
        int ms;
        int expected;
    } pauses[] = {{0, 0},       {249, 0},     {250, 500},   {1249, 1000}, {1250, 1500},
                  {2000, 2000}, {2100, 2000}, {2500, 3000}, {5600, 6000}, {9000, 6000}};
    for (const auto& c : pauses) {
        morse.setMinimumWordPause(c.ms);
        EXPECT_EQ(morse.minimumWordPause(), c.expected) << c.ms;
    }
}

TEST(TMorseSettings, MinimumWordPauseStretchesShortWordPauses) {
    TMorse morse;
    morse.setFarnsworth(false);
    morse.setSpeedFromBpm(60);
    morse.setMinimumWordPause(1000);
    morse.setText("e  e e");
    ASSERT_TRUE(morse.convert());
    EXPECT_EQ(morse.timingText(), "-1000+100-2000+100-1000+100-500");
}

} // namespace
} // namespace dittaro
