#include "engine/element_sequence.h"
#include "engine/tmorse.h"
#include "engine/tmorse2.h"
#include "player_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

namespace dittaro {
namespace {

using testing::decodeMorse;
using testing::PlayerRig;

constexpr int kUnit60 = 800; // samples of one dot unit at 60 characters per minute
constexpr int kRamp = 40;    // the default 5 ms keying ramp

// Random-group material at 60 characters per minute.
TMorse2 groupsAt60(const std::vector<std::string>& groups, int gapChoice = 0) {
    TMorse2 morse;
    morse.setSpeed(60);
    morse.groups() = groups;
    morse.convertGroups(gapChoice);
    return morse;
}

// The first sample of each element.
std::vector<std::size_t> elementStarts(const std::vector<int>& samples) {
    std::vector<std::size_t> starts{0};
    for (int s : samples) {
        starts.push_back(starts.back() + static_cast<std::size_t>(std::abs(s)));
    }
    return starts;
}

// Indexes of the silences that end a word (below the word threshold).
std::vector<int> wordEnds(const PlaybackSequence& sequence) {
    std::vector<int> ends;
    for (int i = 1; i < static_cast<int>(sequence.ms.size()); ++i) {
        if (sequence.ms[i] < sequence.word) {
            ends.push_back(i);
        }
    }
    return ends;
}

class ListeningPlayerTest : public ::testing::Test {
protected:
    // Loads groups at 60 characters per minute with the groups as the word list.
    PlaybackSequence load(const std::vector<std::string>& groups, int gapChoice = 0) {
        const TMorse2 morse = groupsAt60(groups, gapChoice);
        EXPECT_TRUE(rig.player->loadGenerated(morse));
        rig.player->setWords(groups);
        return *sequenceFromLists(morse);
    }

    void startAndDrain() {
        rig.player->start();
        rig.queue.drain();
    }

    PlayerRig rig;
};

TEST_F(ListeningPlayerTest, PlaysTheWholeSequenceAndReportsTheEndInOrder) {
    const PlaybackSequence sequence = load({"ab", "cd", "ef"});
    startAndDrain();
    EXPECT_TRUE(rig.events.locked);
    EXPECT_EQ(rig.events.buttons, (ListeningButtons{false, true, true, false}));
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(decodeMorse(rig.out, 0, kUnit60), "ab cd ef");
    // Every element once, and the sample in which the sequence ended.
    EXPECT_EQ(rig.out.size(), elementStarts(sequence.samples).back() + 1);

    const std::vector<std::string> tail(rig.events.log.end() - 4, rig.events.log.end());
    const std::vector<std::string> expected = {"progress 0/" + std::to_string(sequence.last()),
                                               "buttons S---", "unlocked", "ended"};
    EXPECT_EQ(tail, expected);
    EXPECT_FALSE(rig.events.locked);
}

TEST_F(ListeningPlayerTest, ProgressShowsEveryFifthElementAgainstTheLastIndex) {
    const PlaybackSequence sequence = load({"abc", "def", "ghi"});
    startAndDrain();
    ASSERT_TRUE(rig.runToEnd());
    const auto& progress = rig.events.progress;
    const int last = sequence.last();
    // The load shows the element count, start and end 0 of the last index.
    ASSERT_GE(progress.size(), 4u);
    EXPECT_EQ(progress.front(), std::make_pair(0, last + 1));
    EXPECT_EQ(progress[1], std::make_pair(0, last));
    EXPECT_EQ(progress.back(), std::make_pair(0, last));
    std::vector<int> shown;
    for (std::size_t i = 2; i + 1 < progress.size(); ++i) {
        EXPECT_EQ(progress[i].second, last);
        shown.push_back(progress[i].first);
    }
    std::vector<int> expected;
    for (int p = 5; p <= last; p += 5) {
        expected.push_back(p);
    }
    EXPECT_EQ(shown, expected);
}

TEST_F(ListeningPlayerTest, EachWordIsShownTheDisplayDelayAfterItsSoundEnds) {
    // e, t, i, m: at "&lang" the t ends before the delay of the e has run out.
    const std::vector<std::string> words = {"e", "t", "i", "m"};
    const struct {
        int delayMs;
        std::vector<std::vector<int>> posts; // the words of each post, by index
    } cases[] = {
        {300, {{0}, {1}, {2}, {3}}},
        {600, {{0}, {1}, {2}, {3}}},
        {1200, {{0, 1}, {2}, {3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.delayMs);
        PlayerRig rig;
        const TMorse2 morse = groupsAt60(words);
        rig.player->loadGenerated(morse);
        rig.player->setWords(words);
        rig.player->setDisplayDelay(c.delayMs);
        rig.player->start();
        ASSERT_TRUE(rig.runToEnd());
        rig.run(2000);

        const PlaybackSequence sequence = *sequenceFromLists(morse);
        const auto starts = elementStarts(sequence.samples);
        const std::vector<int> ends = wordEnds(sequence);
        ASSERT_EQ(ends.size(), words.size());
        ASSERT_EQ(rig.events.shown.size(), c.posts.size());
        std::string display;
        for (std::size_t p = 0; p < c.posts.size(); ++p) {
            std::string text;
            for (int w : c.posts[p]) {
                text += words[w] + ' ';
            }
            EXPECT_EQ(rig.events.shown[p].second, text);
            // The sound of the post's first word has ended when its fall is over.
            const double soundEndMs =
                static_cast<double>(starts[ends[c.posts[p].front()]] + kRamp) / 8;
            const double late = rig.events.shown[p].first - soundEndMs - c.delayMs;
            EXPECT_GE(late, 0) << "post " << p;
            EXPECT_LT(late, 1) << "post " << p;
            display += text;
        }
        EXPECT_EQ(rig.events.display, display);
    }
}

TEST_F(ListeningPlayerTest, AWordEndingAsADelayRunsOutIsStillShownInItsTurn) {
    // Word 2's sound ends 500 ms in; the delay of word 1 runs out within its 5 ms fall,
    // before the player has seen that word 2 ended.
    PlaybackSequence sequence;
    sequence.ms = {-100, 100, -100, 200, -100, 100, -400};
    for (int ms : sequence.ms) {
        sequence.samples.push_back(ms * 8);
    }
    sequence.hold = 200;
    sequence.word = -50;
    rig.player->load(sequence);
    rig.player->setWords({"a", "b", "c"});
    rig.player->setDisplayDelay(300);
    startAndDrain();
    ASSERT_TRUE(rig.runToEnd());
    rig.run(1000);
    EXPECT_EQ(rig.events.display, "a b c ");
}

TEST_F(ListeningPlayerTest, ABlockedWordDisplayShowsNothing) {
    load({"ab", "cd"});
    rig.player->setWordDisplayBlocked(true);
    startAndDrain();
    ASSERT_TRUE(rig.runToEnd());
    rig.run(2000);
    EXPECT_TRUE(rig.events.shown.empty());
    EXPECT_EQ(decodeMorse(rig.out, 0, kUnit60), "ab cd");
}

TEST_F(ListeningPlayerTest, TheStretchedClosingSilenceOfAFreeTextEndsItsLastWord) {
    // At 40 characters per minute the character gap is 450 ms and a word ends below
    // -540 ms: the closing -500 alone would not end the last word.
    TMorse morse;
    morse.setFarnsworth(false);
    morse.setSpeedFromBpm(40);
    morse.setText("ab cd");
    ASSERT_TRUE(morse.convert());
    const std::vector<int> written = parseTimingText(morse.timingText());
    ASSERT_EQ(written.back(), -500);

    rig.player->loadTimingText(morse.timingText());
    rig.player->setWords({"ab", "cd"});
    rig.player->setDisplayDelay(300);
    startAndDrain();
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(rig.events.display, "ab cd ");
    // Shown while the closing silence still plays, like every other word.
    const auto ended = std::find(rig.events.log.begin(), rig.events.log.end(), "ended");
    EXPECT_LT(std::find(rig.events.log.begin(), rig.events.log.end(), "shown cd "), ended);
    // The closing silence lasts two character gaps (less the tone's fall, plus the ending
    // sample).
    const auto trailingZeros =
        std::find_if(rig.out.rbegin(), rig.out.rend(), [](std::int16_t s) { return s != 0; }) -
        rig.out.rbegin();
    EXPECT_NEAR(static_cast<double>(trailingZeros), 900 * 8 - kRamp + 1, 16);
}

TEST_F(ListeningPlayerTest, PauseDuringADashHoldsInTheFollowingSilence) {
    const PlaybackSequence sequence = load({"tt", "tt"});
    const auto starts = elementStarts(sequence.samples);
    startAndDrain();
    // 10 ms into the first dash.
    rig.runToSample(starts[1] + 80);
    rig.player->togglePause();
    rig.queue.drain();
    EXPECT_EQ(rig.events.buttons, (ListeningButtons{false, true, false, false}));
    EXPECT_TRUE(rig.events.hardnessMenu);

    // Steps do nothing until the sound holds.
    rig.player->stepBack();
    rig.player->stepForward();
    ASSERT_TRUE(rig.runUntil([&] { return rig.events.buttons.steps; }, 5000));
    const std::size_t heldAt = rig.out.size();
    // The dash played out and faded: the steps came only then.
    EXPECT_GE(heldAt, starts[2] + kRamp);
    EXPECT_LT(heldAt, starts[2] + kRamp + 2 * 8);
    EXPECT_TRUE(std::any_of(rig.out.begin() + starts[2] - 20, rig.out.begin() + starts[2],
                            [](std::int16_t s) { return s != 0; }));

    // Held: a long silence, the stream still running.
    rig.run(3000);
    EXPECT_TRUE(std::all_of(rig.out.begin() + heldAt, rig.out.end(),
                            [](std::int16_t s) { return s == 0; }));
    EXPECT_TRUE(rig.streamPlaying());

    rig.player->togglePause();
    rig.queue.drain();
    const std::size_t resumedAt = rig.out.size();
    EXPECT_EQ(rig.events.buttons, (ListeningButtons{false, true, true, false}));
    EXPECT_FALSE(rig.events.hardnessMenu);
    ASSERT_TRUE(rig.runToEnd());
    // Without the held stretch the sound is the plain sequence: nothing skipped, nothing
    // repeated, the early steps were ignored.
    std::vector<std::int16_t> unheld(rig.out.begin(), rig.out.begin() + heldAt);
    unheld.insert(unheld.end(), rig.out.begin() + resumedAt, rig.out.end());
    // (The hold is seen a block late, so up to one block of it stays in.)
    EXPECT_GE(unheld.size(), starts.back() + 1);
    EXPECT_LE(unheld.size(), starts.back() + 1 + PlayerRig::kSamplesPerMs);
    EXPECT_EQ(decodeMorse(unheld, 0, kUnit60), "tt tt");
}

TEST_F(ListeningPlayerTest, StopEndsInTheLast249SamplesOfASilence) {
    // e, a 10 s group gap, e, and its 10 s gap.
    const PlaybackSequence sequence = load({"e", "e"}, 12);
    ASSERT_EQ(sequence.ms[2], -10000);
    const auto starts = elementStarts(sequence.samples);
    const struct {
        const char* label;
        std::size_t pressedAt;
        std::size_t endsAt; // samples played, the silent ending one included
    } cases[] = {
        {"in the leading silence", 800, starts[1] - 249},
        {"during the dot", starts[1] + 100, starts[3] - 249},
        {"a second into the long gap", starts[2] + 8000, starts[3] - 249},
        {"with 100 samples of the gap left", starts[3] - 100, starts[3] - 100 + 8 + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PlayerRig rig;
        const TMorse2 morse = groupsAt60({"e", "e"}, 12);
        rig.player->loadGenerated(morse);
        rig.player->start();
        rig.runToSample(c.pressedAt);
        rig.player->stop();
        rig.queue.drain();
        EXPECT_EQ(rig.events.buttons, (ListeningButtons{false, false, false, false}));
        ASSERT_TRUE(rig.runToEnd());
        // At most one block of the press's own late.
        EXPECT_LE(rig.out.size(), c.endsAt);
        EXPECT_GE(rig.out.size() + 8, c.endsAt);
        EXPECT_EQ(rig.events.buttons, (ListeningButtons{true, false, false, false}));
        EXPECT_FALSE(rig.events.locked);
    }
}

TEST_F(ListeningPlayerTest, StopWhilePausedEndsThePlayback) {
    const PlaybackSequence sequence = load({"e", "e"}, 12);
    const auto starts = elementStarts(sequence.samples);
    startAndDrain();
    rig.runToSample(starts[2] + 800);
    rig.player->togglePause();
    rig.run(100);
    rig.player->stop();
    ASSERT_TRUE(rig.runToEnd(20'000));
    EXPECT_EQ(decodeMorse(rig.out, 0, kUnit60), "e") << "the second group never sounds";
}

TEST_F(ListeningPlayerTest, WordStepsWhilePausedChooseWhereThePlaybackResumes) {
    const std::vector<std::string> words = {"ab", "cd", "ef", "gh"};
    const struct {
        const char* label;
        int pausedInWord;
        std::string presses; // b back, f forward
        std::string resumes; // what is heard after the resume
    } cases[] = {
        {"no step: the rest of the word", 2, "", "f gh"},
        {"back: the word before the interrupted one", 2, "b", "cd ef gh"},
        {"back twice", 2, "bb", "ab cd ef gh"},
        {"at the beginning nothing more happens", 2, "bbbbb", "ab cd ef gh"},
        {"back in the first word", 0, "b", "ab cd ef gh"},
        {"forward: the next word", 2, "f", "gh"},
        {"forward onto the last word end moves back", 2, "ff", "gh"},
        {"forward in the last word", 3, "f", "gh"},
        {"forward again at the end", 3, "fff", "gh"},
        {"back, then forward one word", 2, "bf", "ef gh"},
        {"forward, then back one word", 1, "fb", "cd ef gh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        PlayerRig rig;
        const TMorse2 morse = groupsAt60(words);
        rig.player->loadGenerated(morse);
        rig.player->setWords(words);
        const PlaybackSequence sequence = *sequenceFromLists(morse);
        const auto starts = elementStarts(sequence.samples);
        const std::vector<int> ends = wordEnds(sequence);
        // 10 ms into the word's first tone.
        const int firstTone = c.pausedInWord == 0 ? 1 : ends[c.pausedInWord - 1] + 1;
        rig.player->start();
        rig.runToSample(starts[firstTone] + 80);
        rig.player->togglePause();
        ASSERT_TRUE(rig.runUntil([&] { return rig.events.buttons.steps; }, 5000));
        for (char press : c.presses) {
            if (press == 'b') {
                rig.player->stepBack();
            } else {
                rig.player->stepForward();
            }
        }
        rig.player->togglePause();
        const std::size_t resumedAt = rig.out.size();
        ASSERT_TRUE(rig.runToEnd());
        EXPECT_EQ(decodeMorse(rig.out, resumedAt, kUnit60), c.resumes);
    }
}

TEST_F(ListeningPlayerTest, StepForwardShowsTheWordItPassesOnce) {
    load({"ab", "cd", "ef", "gh"});
    rig.player->setDisplayDelay(1200);
    startAndDrain();
    // Paused in the first word, before any delay ran out.
    rig.run(1600);
    rig.player->togglePause();
    ASSERT_TRUE(rig.runUntil([&] { return rig.events.buttons.steps; }, 5000));
    rig.player->stepForward();
    rig.queue.drain();
    EXPECT_EQ(rig.events.display, "ab ");
    rig.player->stepBack();
    rig.player->stepForward();
    rig.queue.drain();
    EXPECT_EQ(rig.events.display, "ab ") << "a word end already handled shows nothing";
    rig.player->togglePause();
    ASSERT_TRUE(rig.runToEnd());
    rig.run(3000);
    EXPECT_EQ(rig.events.display, "ab cd ef gh ");
}

TEST_F(ListeningPlayerTest, ANewStartWaitsForTheDrainingStreamAndTakesNoEventOfIt) {
    const PlaybackSequence sequence = load({"e", "e"}, 12);
    const auto starts = elementStarts(sequence.samples);
    startAndDrain();
    rig.runToSample(starts[2] + 800);
    rig.player->stop();
    rig.player->start();
    rig.queue.drain();
    EXPECT_EQ(rig.audio.streams.size(), 1u) << "the previous stream still drains";
    const StreamHandle first = rig.audio.last();

    ASSERT_TRUE(rig.runUntil([&] { return rig.audio.streams.size() == 2; }, 20'000));
    EXPECT_EQ(rig.audio.streams.at(first).state, testing::FakeAudioOutput::State::Ended);
    // The old stream was cut short at its stop point, and the new one followed at once.
    EXPECT_LE(rig.out.size(), starts[3] - 249 + 1);
    EXPECT_EQ(rig.events.ended, 0);
    EXPECT_TRUE(rig.events.locked);
    EXPECT_EQ(rig.events.buttons, (ListeningButtons{false, true, true, false}));

    const std::size_t secondFrom = rig.out.size();
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(decodeMorse(rig.out, secondFrom, kUnit60), "e e");
    EXPECT_EQ(rig.events.ended, 1);
    EXPECT_EQ(std::count(rig.events.log.begin(), rig.events.log.end(), "unlocked"), 1);
}

TEST_F(ListeningPlayerTest, AStartWhileAStreamIsBeingBegunWaitsForThatStream) {
    const PlaybackSequence sequence = load({"e", "e"}, 12);
    // A second start comes in while the first one's stream is being played.
    rig.audio.duringPlay = [&] { rig.player->start(); };
    startAndDrain();
    ASSERT_EQ(rig.audio.streams.size(), 1u);
    const StreamHandle first = rig.audio.last();

    const auto playing = [&] {
        return std::count_if(rig.audio.streams.begin(), rig.audio.streams.end(), [](auto& s) {
            return s.second.state == testing::FakeAudioOutput::State::Playing;
        });
    };
    ASSERT_TRUE(rig.runUntil(
        [&] {
            EXPECT_LE(playing(), 1) << "two streams on one generator";
            return rig.audio.streams.size() == 2;
        },
        20'000));
    EXPECT_EQ(rig.audio.streams.at(first).state, testing::FakeAudioOutput::State::Ended);
    // The first stream gave way in its leading silence, without an end of its own.
    EXPECT_LT(rig.out.size(), static_cast<std::size_t>(-sequence.samples[0]));
    EXPECT_EQ(rig.events.ended, 0);

    const std::size_t secondFrom = rig.out.size();
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(decodeMorse(rig.out, secondFrom, kUnit60), "e e");
    EXPECT_EQ(rig.events.ended, 1);
}

TEST_F(ListeningPlayerTest, WithoutASoundDeviceTheStartEndsAtOnce) {
    const PlaybackSequence sequence = load({"ab"});
    rig.audio.deviceMissing = true;
    startAndDrain();
    const std::string count = std::to_string(sequence.last() + 1);
    const std::string last = std::to_string(sequence.last());
    const std::vector<std::string> expected = {
        "progress 0/" + count, "locked",       "cleared",  "buttons -PT-", "progress 0/" + last,
        "progress 0/" + last,  "buttons S---", "unlocked", "ended"};
    EXPECT_EQ(rig.events.log, expected);
}

TEST_F(ListeningPlayerTest, ALoadEndsAPlaybackStillRunning) {
    load({"ab", "cd"});
    startAndDrain();
    rig.run(2000);
    load({"ef"});
    ASSERT_TRUE(rig.runToEnd(10));
    EXPECT_FALSE(rig.events.locked);
    // The new material plays from its beginning on the next start.
    rig.player->start();
    const std::size_t from = rig.out.size();
    ASSERT_TRUE(rig.runToEnd());
    EXPECT_EQ(decodeMorse(rig.out, from, kUnit60), "ef");
}

} // namespace
} // namespace dittaro
