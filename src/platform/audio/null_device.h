#pragma once

// A silent device: a thread of its own pulls the mix at the real-time pace, so streams end
// and their events fire as with a sound card. Optionally it keeps what it pulled in a
// capture file.

#include "platform/audio/capture_file.h"
#include "platform/audio/output_device.h"
#include "platform/audio/stream_mixer.h"

#include <atomic>
#include <memory>
#include <thread>

namespace dittaro::audio {

class NullDevice : public OutputDevice {
public:
    // One block every millisecond.
    static constexpr int kBlockSamples = 8;

    NullDevice(StreamMixer& mixer, std::unique_ptr<CaptureFile> capture);
    ~NullDevice() override;

private:
    void run();

    StreamMixer& mixer_;
    std::unique_ptr<CaptureFile> capture_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace dittaro::audio
