#include "engine/playback_tone.h"

namespace dittaro {

PlaybackTone::PlaybackTone() {
    prepare(5, false);
}

void PlaybackTone::prepare(int hardnessMs, bool overtones) {
    if (hardnessMs == builtHardnessMs_ && overtones == builtOvertones_) {
        return;
    }
    tone_ = buildToneTable<double>(overtones ? 1100 : 1000, 1000);
    const int length = rampLength(hardnessMs, kStreamRate);
    ramp_ = buildRampTable<float>(length);
    generator_.setTables(tone_.data(), ramp_.data(), length);
    generator_.resetPhase();
    builtHardnessMs_ = hardnessMs;
    builtOvertones_ = overtones;
}

} // namespace dittaro
