#pragma once

// The sidetone: a continuous tone that the keyer and "Soundtest" switch on and off. It has
// no ramp (it starts and stops hard with its stream) and starts at phase 0 every time.

#include "engine/audio_output.h"
#include "engine/sound_settings.h"

#include <atomic>
#include <vector>

namespace dittaro {

class Sidetone {
public:
    Sidetone(AudioOutput& audio, const SoundSettings& settings);
    ~Sidetone();
    Sidetone(const Sidetone&) = delete;
    Sidetone& operator=(const Sidetone&) = delete;

    // After the audio output started and after every change of the hardness or the
    // overtones: rebuilds the table, creates the stream if there is none yet, then plays and
    // at once stops it so that it is ready. False when no stream can be created.
    bool prepare();
    void start();
    void stop();
    bool running();

    const std::vector<double>& toneTable() const { return table_; }

private:
    static std::uint32_t callback(StreamHandle, void* buffer, std::uint32_t length, void* user);

    AudioOutput& audio_;
    const SoundSettings& settings_;
    std::vector<double> table_;
    StreamHandle stream_ = 0;
    // Touched by the callback while playing and by start() only after the stream stopped.
    int phase_ = 0;
    // Set while prepare() plays and stops the stream: a device that pulls in that moment
    // gets silence, not a burst of tone without a ramp.
    std::atomic<bool> silent_{false};
};

// "Soundtest": while ticked the sidetone sounds continuously and the hardness menu and the
// overtone box are locked.
class SoundTest {
public:
    explicit SoundTest(Sidetone& sidetone) : sidetone_(sidetone) {}

    void setTicked(bool ticked);
    bool ticked() const { return ticked_; }
    bool toneControlsEnabled() const { return !ticked_; }

private:
    Sidetone& sidetone_;
    bool ticked_ = false;
};

} // namespace dittaro
