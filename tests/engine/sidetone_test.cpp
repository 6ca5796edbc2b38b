#include "engine/sequence_tone.h"
#include "engine/sidetone.h"
#include "fake_audio_output.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace dittaro {
namespace {

using testing::FakeAudioOutput;

class SidetoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.pitch = 2000; // a quarter period per sample: 0, crest, 0, trough
        settings.volume = 3;
        ASSERT_TRUE(sidetone.prepare());
    }
    FakeAudioOutput::Stream& stream() { return audio.streams.at(audio.last()); }

    FakeAudioOutput audio;
    SoundSettings settings;
    Sidetone sidetone{audio, settings};
};

TEST_F(SidetoneTest, PrepareLeavesOneStreamPlayedOnceAndStopped) {
    EXPECT_EQ(audio.streams.size(), 1u);
    EXPECT_EQ(stream().plays, 1);
    EXPECT_EQ(stream().state, FakeAudioOutput::State::Stopped);
    settings.overtones = true;
    ASSERT_TRUE(sidetone.prepare());
    EXPECT_EQ(audio.streams.size(), 1u) << "the stream lives until shut-down";
    EXPECT_EQ(stream().state, FakeAudioOutput::State::Stopped);
}

TEST_F(SidetoneTest, PrepareIsSilentEvenWhenTheDevicePullsAtOnce) {
    std::vector<std::int16_t> heard;
    audio.afterPlay = [&](StreamHandle stream) {
        const auto block = audio.pull(stream, 8);
        heard.insert(heard.end(), block.begin(), block.end());
    };
    ASSERT_TRUE(sidetone.prepare());
    ASSERT_EQ(heard.size(), 8u);
    EXPECT_EQ(heard, std::vector<std::int16_t>(8, 0));
    sidetone.start();
    EXPECT_EQ(heard.size(), 16u);
    EXPECT_EQ(heard[9], 3000) << "a real start sounds from phase 0";
}

TEST_F(SidetoneTest, StartsHardAtPhaseZeroEveryTime) {
    const std::vector<std::int16_t> expected{0, 3000, 0, -3000, 0, 3000, 0};
    sidetone.start();
    EXPECT_EQ(audio.pull(audio.last(), 7), expected);
    sidetone.start();
    EXPECT_EQ(audio.pull(audio.last(), 7), expected) << "a restart begins at phase 0 again";
    EXPECT_TRUE(sidetone.running());
    sidetone.stop();
    EXPECT_FALSE(sidetone.running());
    EXPECT_TRUE(audio.pull(audio.last(), 7).empty());
}

TEST_F(SidetoneTest, PitchAndVolumeChangesAreHeardAtOnce) {
    sidetone.start();
    audio.pull(audio.last(), 2);
    settings.volume = 20;
    EXPECT_EQ(audio.pull(audio.last(), 2), (std::vector<std::int16_t>{0, -20000}));
    settings.pitch = 4000; // half a period per sample, from phase 8000 = 0
    EXPECT_EQ(audio.pull(audio.last(), 3), (std::vector<std::int16_t>{0, 0, 0}));
}

TEST_F(SidetoneTest, NeverEndsAndFillsWholeSamplesOnly) {
    sidetone.start();
    std::int16_t buffer[4];
    EXPECT_EQ(stream().proc(audio.last(), buffer, 7, stream().user), 6u);
    EXPECT_EQ(stream().proc(audio.last(), buffer, 8, stream().user), 8u);
}

TEST_F(SidetoneTest, OvertonesFlattenTheCrestAfterPrepare) {
    settings.overtones = true;
    sidetone.prepare();
    const auto& table = sidetone.toneTable();
    EXPECT_GT(std::count(table.begin(), table.end(), 1000.0), 100);
    EXPECT_EQ(*std::max_element(table.begin(), table.end()), 1000);
}

TEST(SidetoneWithoutDevice, PrepareFailsAndTheOtherCallsDoNothing) {
    FakeAudioOutput audio;
    audio.deviceMissing = true;
    SoundSettings settings;
    Sidetone sidetone(audio, settings);
    EXPECT_FALSE(sidetone.prepare());
    sidetone.start();
    sidetone.stop();
    EXPECT_FALSE(sidetone.running());
    SoundTest test(sidetone);
    test.setTicked(true);
    EXPECT_FALSE(test.toneControlsEnabled());
}

TEST_F(SidetoneTest, SoundTestRunsTheSidetoneAndLocksTheToneControls) {
    SoundTest test(sidetone);
    EXPECT_TRUE(test.toneControlsEnabled());
    test.setTicked(true);
    EXPECT_TRUE(sidetone.running());
    EXPECT_FALSE(test.toneControlsEnabled());
    EXPECT_EQ(audio.pull(audio.last(), 4000).size(), 4000u) << "continuously";
    test.setTicked(false);
    EXPECT_FALSE(sidetone.running());
    EXPECT_TRUE(test.toneControlsEnabled());
}

class SequenceToneTest : public ::testing::Test {
protected:
    std::vector<std::int16_t> playToEnd(SequenceTone& tone, const std::vector<int>& samples) {
        EXPECT_TRUE(tone.play(audio, samples));
        return audio.pull(audio.last(), 100000);
    }

    FakeAudioOutput audio;
    std::atomic<int> pitch{700};
};

TEST_F(SequenceToneTest, KochToneStartsEveryCharacterAtPhaseZeroKeyboardToneRunsOn) {
    const std::vector<int> dit{-70, 500, -200};
    const struct {
        SequenceTone::Phase phase;
        bool same;
    } cases[] = {{SequenceTone::Phase::ResetAtPlay, true}, {SequenceTone::Phase::Continue, false}};
    for (const auto& c : cases) {
        SequenceTone tone(pitch, c.phase);
        tone.prepare(5, false, 10);
        const auto first = playToEnd(tone, dit);
        const auto second = playToEnd(tone, dit);
        EXPECT_EQ(first.size(), 771u);
        EXPECT_EQ(first == second, c.same);
    }
}

TEST_F(SequenceToneTest, RefusesANewListWhileOnePlaysAndStopsTheOldStream) {
    SequenceTone tone(pitch, SequenceTone::Phase::Continue);
    int ends = 0;
    tone.setEndHandler([&ends] { ++ends; });
    ASSERT_TRUE(tone.play(audio, {100, -100}));
    const StreamHandle first = audio.last();
    EXPECT_FALSE(tone.ended());
    EXPECT_FALSE(tone.play(audio, {100}));
    EXPECT_EQ(audio.pull(first, 150).size(), 150u);
    EXPECT_EQ(audio.pull(first, 150).size(), 51u);
    EXPECT_TRUE(tone.ended());
    EXPECT_EQ(ends, 1);
    ASSERT_TRUE(tone.play(audio, {100}));
    EXPECT_NE(audio.last(), first);
    EXPECT_GE(audio.streams.at(first).stops, 1);
}

TEST_F(SequenceToneTest, WithoutDeviceThePlayFailsAndCountsAsEnded) {
    audio.deviceMissing = true;
    SequenceTone tone(pitch, SequenceTone::Phase::Continue);
    EXPECT_FALSE(tone.play(audio, {100, -100}));
    EXPECT_TRUE(tone.ended());
}

} // namespace
} // namespace dittaro
