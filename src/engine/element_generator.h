#pragma once

// Element stepping, keying envelope and table oscillator of the live generators: turns an
// array of signed sample counts (tone positive, silence negative) into 16-bit samples at
// 8000 per second. One implementation serves the playback, keyboard Morse and Koch tones;
// they differ in their table types and in where the volume is applied.

#include "common/numeric.h"
#include "engine/audio_output.h"
#include "engine/tone_tables.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace dittaro {

// What a player may do in a silence sample whose envelope was already closed.
enum class SilenceAction {
    Run,  // go on
    Hold, // undo this sample's step: the silence stays where it is
    End,  // end the sequence here
};

// A player's hooks into the stepping, called on the audio thread. The defaults do nothing.
struct NoElementEvents {
    // Before the position moves to the next element; a player may set it elsewhere.
    void advancing(std::size_t& /*position*/) {}
    void advanced(std::size_t /*position*/) {}
    void toneSample() {}
    SilenceAction closedSilence(std::size_t /*position*/, int /*remaining*/) {
        return SilenceAction::Run;
    }
};

template <typename ToneValue, typename RampValue> class ElementGenerator {
public:
    // The tables stay owned by the caller and must not change while the generator plays.
    void setTables(const ToneValue* tone, const RampValue* ramp, int rampLength) {
        tone_ = tone;
        ramp_ = ramp;
        rampLength_ = rampLength;
        envelope_ = std::min(envelope_, rampLength);
    }

    void resetPhase() { phase_ = 0; }

    // Position 0, envelope closed, the remaining length of element 0. The array must stay
    // valid until the generator has ended or is no longer pulled.
    void start(std::span<const int> samples) {
        samples_ = samples;
        position_ = 0;
        remaining_ = samples.empty() ? 0 : samples[0];
        envelope_ = 0;
        ended_.store(samples.empty(), std::memory_order_release);
    }

    // Set on the audio thread, read by the user-interface thread.
    bool ended() const { return ended_.load(std::memory_order_acquire); }

    // Writes up to `count` samples at `pitch` Hz, each multiplied by `volume`. When the
    // sequence ends, the sample in which it ended is written silent and counted.
    template <typename Events = NoElementEvents>
    std::size_t fill(std::int16_t* out, std::size_t count, int pitch, int volume, Events& events) {
        pitch = std::clamp(pitch, 0, kToneTablePeriod - 1);
        for (std::size_t i = 0; i < count; ++i) {
            if (ended() || !step(events)) {
                ended_.store(true, std::memory_order_release);
                out[i] = 0;
                return i + 1;
            }
            out[i] = sample(pitch, volume);
        }
        return count;
    }

    std::size_t fill(std::int16_t* out, std::size_t count, int pitch, int volume) {
        NoElementEvents none;
        return fill(out, count, pitch, volume, none);
    }

    std::size_t position() const { return position_; }
    int remaining() const { return remaining_; }
    int envelope() const { return envelope_; }
    int phase() const { return phase_; }

private:
    // One step of the element sequence; false once it has ended.
    template <typename Events> bool step(Events& events) {
        // An element of length 0 lasts no sample at all.
        while (remaining_ == 0) {
            if (position_ + 1 >= samples_.size()) {
                return false;
            }
            events.advancing(position_);
            ++position_;
            events.advanced(position_);
            remaining_ = samples_[position_];
        }
        if (remaining_ > 0) {
            --remaining_;
            if (envelope_ < rampLength_) {
                ++envelope_;
            }
            events.toneSample();
            return true;
        }
        const bool closed = envelope_ == 0;
        ++remaining_;
        if (envelope_ > 0) {
            --envelope_;
        }
        if (closed) {
            switch (events.closedSilence(position_, remaining_)) {
            case SilenceAction::Run:
                break;
            case SilenceAction::Hold:
                --remaining_;
                break;
            case SilenceAction::End:
                return false;
            }
        }
        return true;
    }

    std::int16_t sample(int pitch, int volume) {
        if (phase_ > kToneTablePeriod - 1) {
            phase_ -= kToneTablePeriod;
        }
        if (envelope_ == 0) {
            return 0; // the phase stands still across the silence
        }
        const double value = envelope_ == rampLength_
                                 ? static_cast<double>(tone_[phase_]) * volume
                                 : static_cast<double>(tone_[phase_]) *
                                       static_cast<double>(ramp_[envelope_]) * volume;
        phase_ += pitch;
        return static_cast<std::int16_t>(std::clamp<long long>(nearest(value), -32768, 32767));
    }

    const ToneValue* tone_ = nullptr;
    const RampValue* ramp_ = nullptr;
    int rampLength_ = 1;

    std::span<const int> samples_;
    std::size_t position_ = 0;
    int remaining_ = 0;
    int envelope_ = 0;
    int phase_ = 0;
    std::atomic<bool> ended_{true};
};

// The body of a stream callback over a generator: the bytes written, or the end flag when
// the sequence had already ended before this call.
template <typename Generator, typename Events = NoElementEvents>
std::uint32_t fillStreamBuffer(Generator& generator, void* buffer, std::uint32_t length, int pitch,
                               int volume, Events&& events = {}) {
    if (generator.ended()) {
        return kStreamEnd;
    }
    const std::size_t written =
        generator.fill(static_cast<std::int16_t*>(buffer), length / 2, pitch, volume, events);
    return static_cast<std::uint32_t>(written * 2);
}

} // namespace dittaro
