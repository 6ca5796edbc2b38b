// The player with its real threads: the audio library's paced null device pulls the
// stream, the timer thread runs the display delays and the wait for a draining stream, and
// this thread plays the window. Only outcomes are checked, no timing.

#include "../platform/audio_test_support.h"
#include "engine/tmorse2.h"
#include "platform/audio/audio_library.h"
#include "platform/timers/steady_timer_service.h"
#include "player_test_support.h"

#include <gtest/gtest.h>

namespace dittaro {
namespace {

using testing::PostQueue;
using testing::RecordedEvents;

class ListeningPlayerThreadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library.load(std::filesystem::path(DITTARO_BINARY_DIR) / "dist"))
            << library.error();
        ASSERT_TRUE(library.init());
        morse.setSpeed(300);
        morse.groups() = words;
        morse.convertGroups(0);
        player = std::make_unique<ListeningPlayer>(library, timers, sound, events, queue.poster());
        ASSERT_TRUE(player->loadGenerated(morse));
        player->setWords(words);
        player->setDisplayDelay(300);
    }
    void TearDown() override { player.reset(); }

    // Runs the window's side until `done`.
    bool serveUntil(const std::function<bool()>& done) {
        return testing::waitUntil([&] {
            queue.drain();
            return done();
        });
    }

    const std::vector<std::string> words = {"abc", "def", "ghi", "jkl"};
    AudioLibrary library;
    SteadyTimerService timers;
    SoundSettings sound;
    RecordedEvents events;
    PostQueue queue;
    TMorse2 morse;
    std::unique_ptr<ListeningPlayer> player;
};

TEST_F(ListeningPlayerThreadTest, PlaysToTheEndAndShowsEveryWord) {
    player->start();
    ASSERT_TRUE(serveUntil([&] { return events.ended == 1; }));
    ASSERT_TRUE(serveUntil([&] { return events.display == "abc def ghi jkl "; })) << events.display;
    EXPECT_FALSE(events.locked);
}

TEST_F(ListeningPlayerThreadTest, PauseStepStopAndARestartWhileTheStreamDrains) {
    player->start();
    ASSERT_TRUE(serveUntil([&] { return !events.shown.empty(); }));
    player->togglePause();
    ASSERT_TRUE(serveUntil([&] { return events.buttons.steps; }));
    player->stepBack();
    player->stepForward();
    player->togglePause();
    player->stop();
    player->start();
    ASSERT_TRUE(serveUntil([&] { return events.ended == 1; }));
    ASSERT_TRUE(serveUntil([&] { return events.display == "abc def ghi jkl "; })) << events.display;
    sound.pitch = 600;
    player->start();
    player->stop();
    ASSERT_TRUE(serveUntil([&] { return events.ended == 2; }));
}

} // namespace
} // namespace dittaro
