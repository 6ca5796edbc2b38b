#pragma once

// The playback generator of the listening practice and the replay: its tone and ramp tables
// and its generator. The player owns the element array and the stream.

#include "engine/element_generator.h"

#include <vector>

namespace dittaro {

class PlaybackTone {
public:
    PlaybackTone();

    // Called at every playback start, while the generator is idle. Rebuilds both tables and
    // starts the phase at 0 when the hardness or the overtones differ from the last build;
    // otherwise the phase continues from the previous playback.
    void prepare(int hardnessMs, bool overtones);

    ElementGenerator<double, float>& generator() { return generator_; }
    const std::vector<double>& toneTable() const { return tone_; }
    const std::vector<float>& rampTable() const { return ramp_; }

private:
    std::vector<double> tone_;
    std::vector<float> ramp_;
    int builtHardnessMs_ = -1;
    bool builtOvertones_ = false;
    ElementGenerator<double, float> generator_;
};

} // namespace dittaro
