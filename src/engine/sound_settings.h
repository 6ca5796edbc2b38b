#pragma once

// The sound settings of the main window that the live generators read.

#include <atomic>

namespace dittaro {

struct SoundSettings {
    // Read by the sample callbacks on the audio thread while the sliders move them.
    std::atomic<int> pitch{800}; // Hz, 400..1200
    std::atomic<int> volume{4};  // 0..20, shown as 5 x volume %
    // Read only where tables are built, on the user-interface thread.
    int hardnessMs = 5; // keying ramp: 2, 5 or 8 ms
    bool overtones = false;
};

} // namespace dittaro
