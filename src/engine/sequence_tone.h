#pragma once

// A tone that plays one sample list per stream, with the volume built into its tone table:
// keyboard Morse (at the main window's pitch, the phase running on from chunk to chunk) and
// the Koch trainer (at its own changing pitch, the phase starting at 0 for every character).

#include "engine/audio_output.h"
#include "engine/element_generator.h"

#include <atomic>
#include <functional>
#include <vector>

namespace dittaro {

class SequenceTone {
public:
    enum class Phase { Continue, ResetAtPlay };

    SequenceTone(const std::atomic<int>& pitch, Phase phase);
    ~SequenceTone();
    SequenceTone(const SequenceTone&) = delete;
    SequenceTone& operator=(const SequenceTone&) = delete;

    // Before each list, while nothing plays: rebuilds the ramp when the hardness changed and
    // the tone table when the overtones or the volume (0..20) changed, each against its last
    // build.
    void prepare(int hardnessMs, bool overtones, int volume);

    // Starts `samples` in a new stream. Refused (false) while the previous list still plays,
    // and when no stream can be created.
    bool play(AudioOutput& audio, std::vector<int> samples);
    // True once the last list has played out (or none was started).
    bool ended() const { return generator_.ended(); }
    // Called on the audio thread when the stream reports its end.
    void setEndHandler(std::function<void()> handler) { onEnd_ = std::move(handler); }

    const std::vector<float>& toneTable() const { return tone_; }
    const std::vector<double>& rampTable() const { return ramp_; }

private:
    static std::uint32_t callback(StreamHandle, void* buffer, std::uint32_t length, void* user);

    const std::atomic<int>& pitch_;
    Phase phase_;
    std::vector<float> tone_;
    std::vector<double> ramp_;
    int builtHardnessMs_ = -1;
    bool builtOvertones_ = false;
    int builtVolume_ = -1;

    std::vector<int> samples_;
    ElementGenerator<float, double> generator_;
    std::function<void()> onEnd_;
    AudioOutput* audio_ = nullptr;
    StreamHandle stream_ = 0;
};

} // namespace dittaro
