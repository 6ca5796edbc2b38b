#include "engine/element_generator.h"
#include "engine/playback_tone.h"
#include "engine/sequence_tone.h"
#include "engine/tone_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace dittaro {
namespace {

// Everything a generator writes for a sequence, pulled in blocks like a stream.
template <typename Generator>
std::vector<std::int16_t> playOut(Generator& generator, const std::vector<int>& samples, int pitch,
                                  int volume, std::size_t block = 64) {
    generator.start(samples);
    std::vector<std::int16_t> out;
    std::vector<std::int16_t> buffer(block);
    while (true) {
        const std::uint32_t result = fillStreamBuffer(
            generator, buffer.data(), static_cast<std::uint32_t>(2 * block), pitch, volume);
        if (result == kStreamEnd) {
            return out;
        }
        out.insert(out.end(), buffer.begin(), buffer.begin() + result / 2);
    }
}

int peak(const std::vector<std::int16_t>& samples, std::size_t from = 0,
         std::size_t to = SIZE_MAX) {
    int result = 0;
    for (std::size_t i = from; i < std::min(to, samples.size()); ++i) {
        result = std::max(result, std::abs(static_cast<int>(samples[i])));
    }
    return result;
}

TEST(ToneTables, ToneTableHoldsOnePeriodAndClipsTheCrests) {
    const struct {
        double gain, limit;
        bool flat;
    } cases[] = {
        {1000, 1000, false}, {1100, 1000, true}, {20000, 20000, false}, {4000 * 1.1, 4000, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.gain);
        const auto table = buildToneTable<double>(c.gain, c.limit);
        ASSERT_EQ(table.size(), 8001u);
        EXPECT_EQ(table[0], 0);
        EXPECT_NEAR(table[4000], 0, 1e-9);
        EXPECT_NEAR(table[8000], 0, 1e-9);
        const double highest = *std::max_element(table.begin(), table.end());
        const double lowest = *std::min_element(table.begin(), table.end());
        EXPECT_LE(highest, c.limit);
        EXPECT_GE(lowest, -c.limit);
        EXPECT_NEAR(highest, c.limit, 1e-6) << "the crest reaches the limit";
        // The flat top spans exactly the part of the period where gain x sin exceeds the limit.
        const long flatTop = std::count(table.begin(), table.end(), c.limit);
        const double span = c.gain > c.limit
                                ? (std::numbers::pi - 2 * std::asin(c.limit / c.gain)) /
                                      (2 * std::numbers::pi) * 8000
                                : 0;
        EXPECT_NEAR(flatTop, span, 1.5);
        EXPECT_EQ(flatTop > 10, c.flat);
    }
}

TEST(ToneTables, RampLengthsFollowTheHardness) {
    const struct {
        int hardnessMs, rate, length;
    } cases[] = {{2, 8000, 16},   {5, 8000, 40}, {8, 8000, 64}, {2, 44100, 88}, {5, 44100, 220},
                 {8, 44100, 352}, {0, 8000, 1},  {-3, 8000, 1}, {3, 8000, 24}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hardnessMs << " ms at " << c.rate);
        const int n = rampLength(c.hardnessMs, c.rate);
        EXPECT_EQ(n, c.length);
        const auto ramp = buildRampTable<double>(n);
        ASSERT_EQ(ramp.size(), static_cast<std::size_t>(n + 1));
        EXPECT_EQ(ramp.front(), 0);
        EXPECT_EQ(ramp.back(), 1);
        EXPECT_TRUE(std::is_sorted(ramp.begin(), ramp.end()));
        EXPECT_FALSE(std::any_of(ramp.begin(), ramp.end(), [](double v) { return std::isnan(v); }));
    }
}

class PlaybackGenerator : public ::testing::Test {
protected:
    PlaybackTone tone;
    ElementGenerator<double, float>& generator = tone.generator();
};

TEST_F(PlaybackGenerator, PhaseStepsByThePitchAndOnePeriodIsTenSamplesAt800Hz) {
    tone.prepare(2, false);
    const std::vector<int> sequence{400};
    generator.start(sequence);
    std::vector<int> phases;
    std::vector<std::int16_t> samples(200);
    for (std::int16_t& sample : samples) {
        phases.push_back(generator.phase());
        generator.fill(&sample, 1, 800, 10);
    }
    EXPECT_EQ(
        std::vector<int>(phases.begin(), phases.begin() + 12),
        (std::vector<int>{0, 800, 1600, 2400, 3200, 4000, 4800, 5600, 6400, 7200, 8000, 800}));
    for (std::size_t i = 16; i + 10 < samples.size(); ++i) {
        EXPECT_EQ(samples[i], samples[i + 10]) << i;
    }
}

TEST_F(PlaybackGenerator, VolumeScalesEverySampleWithTimingUnchanged) {
    const std::vector<int> sequence{-80, 800, -800, 2400, -400};
    const struct { int volume, peak; } cases[] = {{0, 0}, {1, 1000}, {4, 4000}, {20, 20000}};
    std::size_t length = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volume);
        tone.prepare(5, false);
        // At 500 Hz the phase meets the crest of the table.
        const auto out = playOut(generator, sequence, 500, c.volume);
        if (length == 0) {
            length = out.size();
        }
        EXPECT_EQ(out.size(), length);
        // 4480 samples and the silent sample in which the sequence ended.
        EXPECT_EQ(out.size(), 4481u);
        EXPECT_EQ(peak(out), c.peak);
    }
}

TEST_F(PlaybackGenerator, EveryToneRisesOverTheRampAndFallsIntoTheFollowingSilence) {
    const struct { int hardnessMs, n; } cases[] = {{2, 16}, {5, 40}, {8, 64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hardnessMs);
        tone.prepare(c.hardnessMs, false);
        const auto out = playOut(generator, {-10, 200, -300}, 500, 20, 37);
        EXPECT_EQ(peak(out, 0, 10), 0);
        EXPECT_NE(out[11], 0);
        const int full = peak(out, 10 + c.n, 210);
        EXPECT_LT(peak(out, 10, 10 + c.n / 2), full);
        // The tone and its fall together last the element plus n samples.
        EXPECT_NE(peak(out, 210, 210 + c.n - 1), 0);
        EXPECT_EQ(peak(out, 210 + c.n - 1), 0);
    }
}

TEST_F(PlaybackGenerator, ShortSilenceBetweenTwoDotsLeavesTheEnvelopeOpen) {
    tone.prepare(5, false); // n = 40
    const std::vector<int> sequence{100, -24, 100, -100};
    generator.start(sequence);
    std::vector<int> envelope;
    std::int16_t sample;
    while (generator.fill(&sample, 1, 800, 4) == 1 && !generator.ended()) {
        envelope.push_back(generator.envelope());
    }
    ASSERT_GE(envelope.size(), 224u);
    EXPECT_EQ(envelope[99], 40);
    EXPECT_EQ(envelope[123], 16) << "24 samples of silence close 24 of 40 steps";
    EXPECT_EQ(envelope[124], 17) << "the second dot rises from there";
    EXPECT_EQ(*std::min_element(envelope.begin() + 100, envelope.begin() + 224), 16);
}

TEST_F(PlaybackGenerator, PhaseRestsDuringSilenceAndContinuesAfterIt) {
    tone.prepare(2, false);
    const std::vector<int> sequence{50, -100, 50};
    generator.start(sequence);
    std::int16_t buffer[200];
    generator.fill(buffer, 66, 700, 4); // the tone and its fall
    const int phaseAfterFall = generator.phase();
    generator.fill(buffer, 84, 700, 4);
    EXPECT_EQ(generator.phase(), phaseAfterFall);
    generator.fill(buffer, 1, 700, 4);
    EXPECT_EQ(generator.phase(), (phaseAfterFall % 8000) + 700);
}

TEST_F(PlaybackGenerator, EndsWithOneSilentSampleAndReportsTheEndOnTheNextCall) {
    tone.prepare(5, false);
    const std::vector<int> sequence{30, -10};
    generator.start(sequence);
    std::int16_t buffer[100];
    std::fill(std::begin(buffer), std::end(buffer), 0x5555);
    EXPECT_EQ(fillStreamBuffer(generator, buffer, sizeof buffer, 800, 4), 2u * 41);
    EXPECT_EQ(buffer[40], 0);
    EXPECT_EQ(buffer[41], 0x5555) << "nothing written past the end";
    EXPECT_TRUE(generator.ended());
    EXPECT_EQ(fillStreamBuffer(generator, buffer, sizeof buffer, 800, 4), kStreamEnd);
}

TEST_F(PlaybackGenerator, ElementOfLengthZeroLastsNoSample) {
    tone.prepare(2, false);
    const auto with = playOut(generator, {100, 0, -50, 0, 0, 100, -20, 0}, 800, 4);
    tone.prepare(5, false);
    tone.prepare(2, false);
    const auto without = playOut(generator, {100, -50, 100, -20}, 800, 4);
    EXPECT_EQ(with, without);
}

TEST_F(PlaybackGenerator, TablesAreRebuiltAndThePhaseResetOnlyWhenASettingChanged) {
    tone.prepare(5, false);
    const std::vector<int> sequence{33};
    generator.start(sequence);
    std::int16_t buffer[40];
    generator.fill(buffer, 33, 900, 4);
    const int phase = generator.phase();
    ASSERT_NE(phase, 0);
    const double* table = tone.toneTable().data();

    tone.prepare(5, false);
    EXPECT_EQ(generator.phase(), phase) << "unchanged settings: the phase continues";
    EXPECT_EQ(tone.toneTable().data(), table);

    const struct {
        int hardnessMs;
        bool overtones;
    } changes[] = {{8, false}, {8, true}, {2, true}};
    for (const auto& change : changes) {
        generator.start(sequence);
        generator.fill(buffer, 33, 900, 4);
        ASSERT_NE(generator.phase(), 0);
        tone.prepare(change.hardnessMs, change.overtones);
        EXPECT_EQ(generator.phase(), 0);
        EXPECT_EQ(tone.rampTable().size(),
                  static_cast<std::size_t>(rampLength(change.hardnessMs, 8000) + 1));
        EXPECT_EQ(*std::max_element(tone.toneTable().begin(), tone.toneTable().end()), 1000);
    }
}

// A player that holds the first closed silence for a while, then ends at the next one.
struct HoldingPlayer {
    int holds = 3;
    int closedSilences = 0;
    int tones = 0;
    std::vector<std::size_t> advancedTo;
    void advancing(std::size_t&) {}
    void advanced(std::size_t position) { advancedTo.push_back(position); }
    void toneSample() { ++tones; }
    SilenceAction closedSilence(std::size_t position, int) {
        ++closedSilences;
        if (position == 1 && holds > 0) {
            --holds;
            return SilenceAction::Hold;
        }
        return position == 3 ? SilenceAction::End : SilenceAction::Run;
    }
};

TEST_F(PlaybackGenerator, PlayerHooksSeeTonesAdvancesAndClosedSilencesOnly) {
    tone.prepare(2, false); // n = 16
    const std::vector<int> sequence{20, -30, 20, -30, 20};
    generator.start(sequence);
    HoldingPlayer player;
    std::vector<std::int16_t> out(200);
    const std::size_t written = generator.fill(out.data(), out.size(), 800, 4, player);
    EXPECT_TRUE(generator.ended());
    EXPECT_EQ(player.tones, 40);
    EXPECT_EQ(player.advancedTo, (std::vector<std::size_t>{1, 2, 3}));
    // Silence 1: 16 fading samples, then 14 closed ones and 3 held repeats of one of them.
    // Silence 3 ends at its first closed sample.
    EXPECT_EQ(player.closedSilences, 14 + 3 + 1);
    EXPECT_EQ(written, 20u + 30 + 3 + 20 + 16 + 1);
}

TEST(SequenceToneTables, VolumeIsBuiltIntoTheToneTable) {
    std::atomic<int> pitch{800};
    SequenceTone tone(pitch, SequenceTone::Phase::Continue);
    const struct {
        int volume;
        bool overtones;
        float highest;
    } cases[] = {{0, false, 0}, {4, false, 4000}, {20, true, 20000}, {7, true, 7000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.volume);
        tone.prepare(5, c.overtones, c.volume);
        const auto& table = tone.toneTable();
        EXPECT_EQ(*std::max_element(table.begin(), table.end()), c.highest);
        if (c.volume > 0) {
            EXPECT_EQ(std::count(table.begin(), table.end(), c.highest) > 10, c.overtones);
        }
    }
    const double* ramp = tone.rampTable().data();
    tone.prepare(5, false, 9);
    EXPECT_EQ(tone.rampTable().data(), ramp) << "the ramp stays while the hardness does";
    tone.prepare(8, false, 9);
    EXPECT_EQ(tone.rampTable().size(), 65u);
}

} // namespace
} // namespace dittaro
