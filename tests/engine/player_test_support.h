#pragma once

// A listening player driven by the test: its stream pulled a millisecond (8 samples) at a
// time from a fake output, its timers on the manual clock moved on by the same millisecond,
// and what it posts to the window delivered after each step.

#include "engine/listening_player.h"
#include "engine/morse_code.h"
#include "fake_audio_output.h"
#include "platform/timers/manual_timer_service.h"

#include <cstdlib>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace dittaro::testing {

// What the window would see, with the clock reading at which each post was delivered.
struct RecordedEvents : PlayerEvents {
    const ManualTimerService* clock = nullptr;
    std::vector<std::string> log;
    std::string display;
    std::vector<std::pair<long long, std::string>> shown; // ms, text
    std::vector<std::pair<int, int>> progress;
    ListeningButtons buttons;
    bool locked = false;
    bool hardnessMenu = false;
    int ended = 0;

    void onControlsLocked(bool on) override {
        locked = on;
        log.push_back(on ? "locked" : "unlocked");
    }
    void onButtons(const ListeningButtons& b) override {
        buttons = b;
        log.push_back(std::string("buttons ") + (b.start ? 'S' : '-') + (b.pause ? 'P' : '-') +
                      (b.stop ? 'T' : '-') + (b.steps ? 'W' : '-'));
    }
    void onHardnessMenuEnabled(bool on) override { hardnessMenu = on; }
    void onWordDisplayCleared() override {
        display.clear();
        log.push_back("cleared");
    }
    void onWordsShown(const std::string& text) override {
        display += text;
        shown.emplace_back(clock != nullptr ? clock->nowMs() : 0, text);
        log.push_back("shown " + text);
    }
    void onProgress(int value, int maximum) override {
        progress.emplace_back(value, maximum);
        if (value == 0) {
            log.push_back("progress 0/" + std::to_string(maximum));
        }
    }
    void onEnded() override {
        ++ended;
        log.push_back("ended");
    }
};

class PostQueue {
public:
    PostToGui poster() {
        return [this](std::function<void()> f) {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(f));
        };
    }
    void drain() {
        while (true) {
            std::function<void()> f;
            {
                std::lock_guard lock(mutex_);
                if (queue_.empty()) {
                    return;
                }
                f = std::move(queue_.front());
                queue_.pop_front();
            }
            f();
        }
    }

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> queue_;
};

// The fake output, with a hook that runs while a stream is being played: what another
// thread might do in the meantime.
struct RigAudio : FakeAudioOutput {
    std::function<void()> duringPlay; // runs once

    bool play(StreamHandle stream, bool restart) override {
        const bool played = FakeAudioOutput::play(stream, restart);
        if (duringPlay) {
            std::exchange(duringPlay, nullptr)();
        }
        return played;
    }
};

struct PlayerRig {
    static constexpr int kSamplesPerMs = 8;

    RigAudio audio;
    ManualTimerService timers;
    SoundSettings sound;
    RecordedEvents events;
    PostQueue queue;
    std::unique_ptr<ListeningPlayer> player;
    std::vector<std::int16_t> out; // everything the player's streams gave, in order

    PlayerRig() {
        events.clock = &timers;
        player = std::make_unique<ListeningPlayer>(audio, timers, sound, events, queue.poster());
    }

    bool streamPlaying() const {
        return !audio.streams.empty() &&
               audio.streams.rbegin()->second.state == FakeAudioOutput::State::Playing;
    }

    // One millisecond: the sound first, then the timers, then the window.
    void tick() {
        if (streamPlaying()) {
            const auto block = audio.pull(audio.last(), kSamplesPerMs);
            out.insert(out.end(), block.begin(), block.end());
        }
        timers.advance(1);
        queue.drain();
    }
    void run(int ms) {
        for (int i = 0; i < ms; ++i) {
            tick();
        }
    }
    // Until `done` or `limitMs` passed; false on the limit.
    bool runUntil(const std::function<bool()>& done, int limitMs = 600'000) {
        for (int i = 0; i < limitMs && !done(); ++i) {
            tick();
        }
        return done();
    }
    bool runToEnd(int limitMs = 600'000) {
        const int before = events.ended;
        return runUntil([&] { return events.ended > before; }, limitMs);
    }
    void runToSample(std::size_t sample) {
        while (out.size() < sample && streamPlaying()) {
            tick();
        }
    }
};

// Reads Morse back from 8000 Hz samples: a tone is a run of non-zero samples (the zero
// crossings inside it are bridged), a dash is a tone longer than two dots, a character ends
// at a silence longer than two units, a word at a silence longer than five.
inline std::string decodeMorse(const std::vector<std::int16_t>& samples, std::size_t from,
                               int unitSamples) {
    static const std::map<std::string, char> letters = [] {
        std::map<std::string, char> map;
        for (unsigned char c = 'a'; c <= 'z'; ++c) {
            const MorseElements& e = plainElements(c);
            std::string pattern;
            for (int i = 0; i < e.count; ++i) {
                pattern += e.isDash[i] ? '-' : '.';
            }
            map[pattern] = static_cast<char>(c);
        }
        return map;
    }();
    constexpr std::size_t kBridge = 20;
    std::string text, pattern;
    auto closeCharacter = [&] {
        if (!pattern.empty()) {
            const auto it = letters.find(pattern);
            text += it == letters.end() ? '?' : it->second;
            pattern.clear();
        }
    };
    std::size_t i = from;
    while (i < samples.size()) {
        std::size_t silence = 0;
        while (i < samples.size() && samples[i] == 0) {
            ++silence;
            ++i;
        }
        if (i == samples.size()) {
            break;
        }
        if (silence > static_cast<std::size_t>(5 * unitSamples)) {
            closeCharacter();
            if (!text.empty()) {
                text += ' ';
            }
        } else if (silence > static_cast<std::size_t>(2 * unitSamples)) {
            closeCharacter();
        }
        std::size_t tone = 0;
        std::size_t zeros = 0;
        while (i < samples.size() && zeros <= kBridge) {
            zeros = samples[i] == 0 ? zeros + 1 : 0;
            ++tone;
            ++i;
        }
        i -= zeros;
        tone -= zeros;
        pattern += tone > static_cast<std::size_t>(2 * unitSamples) ? '-' : '.';
    }
    closeCharacter();
    return text;
}

} // namespace dittaro::testing
