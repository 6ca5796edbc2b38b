#include "engine/sequence_tone.h"

namespace dittaro {

SequenceTone::SequenceTone(const std::atomic<int>& pitch, Phase phase)
    : pitch_(pitch), phase_(phase) {
    prepare(5, false, 4);
}

SequenceTone::~SequenceTone() {
    if (audio_ != nullptr && stream_ != 0) {
        audio_->stop(stream_);
    }
}

void SequenceTone::prepare(int hardnessMs, bool overtones, int volume) {
    if (hardnessMs != builtHardnessMs_) {
        ramp_ = buildRampTable<double>(rampLength(hardnessMs, kStreamRate));
        builtHardnessMs_ = hardnessMs;
    }
    if (overtones != builtOvertones_ || volume != builtVolume_) {
        const double peak = volume * 1000.0;
        tone_ = buildToneTable<float>(overtones ? peak * 1.1 : peak, peak);
        builtOvertones_ = overtones;
        builtVolume_ = volume;
    }
    generator_.setTables(tone_.data(), ramp_.data(), static_cast<int>(ramp_.size()) - 1);
}

bool SequenceTone::play(AudioOutput& audio, std::vector<int> samples) {
    if (!generator_.ended()) {
        return false;
    }
    // The previous stream may still owe its closing call; once stopped it never calls again,
    // so the generator can be reset safely.
    if (audio_ != nullptr && stream_ != 0) {
        audio_->stop(stream_);
    }
    samples_ = std::move(samples);
    if (phase_ == Phase::ResetAtPlay) {
        generator_.resetPhase();
    }
    generator_.start(samples_);
    audio_ = &audio;
    stream_ = audio.createStream(&SequenceTone::callback, this);
    if (stream_ == 0 || !audio.play(stream_, true)) {
        generator_.start({});
        return false;
    }
    return true;
}

std::uint32_t SequenceTone::callback(StreamHandle, void* buffer, std::uint32_t length, void* user) {
    auto& self = *static_cast<SequenceTone*>(user);
    const std::uint32_t result = fillStreamBuffer(self.generator_, buffer, length,
                                                  self.pitch_.load(std::memory_order_relaxed), 1);
    if (result == kStreamEnd && self.onEnd_) {
        self.onEnd_();
    }
    return result;
}

} // namespace dittaro
