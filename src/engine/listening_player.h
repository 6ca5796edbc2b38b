#pragma once

// The listening player of the "Abspielen" tab: plays the loaded element arrays through the
// playback generator, shows each word a short delay after it was heard, pauses and stops in
// the silences and steps over words while paused. Its effects on the window travel as
// PlayerEvents through the window's post function.
//
// Threads: the public functions are called on the user-interface thread; the stream
// callback runs on the audio thread and the display delay and the start of a new stream on
// the timer thread. All of them share the state below under one lock. The lock is never
// held while cancelling a timer or stopping a stream (both wait for a callback that takes
// it), nor while creating or playing a stream (the output runs the callbacks under a lock of
// its own). Streams are begun on the user-interface thread or on the timer thread, never
// on both at once.

#include "engine/audio_output.h"
#include "engine/playback_sequence.h"
#include "engine/playback_tone.h"
#include "engine/player_events.h"
#include "engine/sound_settings.h"
#include "engine/word_display.h"
#include "platform/timers/timer_service.h"

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

class TMorse2;

// The delays of "Verzögerung (Wörter/Gruppen anzeigen)", stored as 1, 2, 3.
int displayDelayMs(int storedChoice);

class ListeningPlayer {
public:
    ListeningPlayer(AudioOutput& audio, TimerService& timers, const SoundSettings& sound,
                    PlayerEvents& events, PostToGui post);
    // Stops the stream and the timers; a word still waiting for its delay is dropped.
    ~ListeningPlayer();
    ListeningPlayer(const ListeningPlayer&) = delete;
    ListeningPlayer& operator=(const ListeningPlayer&) = delete;

    // Loading. A playback still running ends where it is.
    // Generated material; false (and nothing changes) for 2 entries or fewer.
    bool loadGenerated(const TMorse2& generator);
    void loadTimingText(std::string_view timingText);
    void load(PlaybackSequence sequence);

    void setWords(std::vector<std::string> words);
    void setWordDisplayBlocked(bool blocked);
    void setDisplayDelay(int ms);

    // The buttons.
    void start();
    void togglePause();
    void stop();
    void stepBack();
    void stepForward();

    ListeningButtons buttons() const;

private:
    struct Stepping;

    static std::uint32_t streamCallback(StreamHandle, void* buffer, std::uint32_t length,
                                        void* user);
    std::uint32_t fill(void* buffer, std::uint32_t length);
    void pollPreviousStream();
    void beginPlayback();
    void finish();
    void startDisplayDelay(int position);
    void displayDelayEnded(std::uint64_t generation);
    void moveBack();
    void postButtons();
    template <typename Function> void post(Function function);

    AudioOutput& audio_;
    TimerService& timers_;
    const SoundSettings& sound_;
    PlayerEvents& events_;
    PostToGui post_;

    mutable std::mutex mutex_;
    PlaybackSequence sequence_;
    bool restartable_ = false;
    PlaybackTone tone_;
    int hardnessMs_ = 5;
    bool overtones_ = false;
    WordDisplay words_;
    bool blocked_ = false;
    int delayMs_ = 600;
    ListeningButtons buttons_;

    bool playing_ = false;        // from start to the end
    bool pending_ = false;        // started, waiting for the previous stream to finish
    bool previousEnding_ = false; // the stream playing now belongs to a finished start
    bool starting_ = false;       // a stream is being created and played, outside the lock
    bool closing_ = false;
    StreamHandle stream_ = 0;
    TimerId poll_ = 0;

    bool pauseRequest_ = false;
    bool stopRequest_ = false;
    bool held_ = false;
    bool jump_ = false;
    int jumpPosition_ = 0;
    bool wordHeard_ = false;

    TimerId displayTimer_ = 0;
    std::uint64_t displayGeneration_ = 0;
    int displayStartedAt_ = 0;
};

} // namespace dittaro
