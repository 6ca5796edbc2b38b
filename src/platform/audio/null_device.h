#pragma once

// A silent device: a thread of its own pulls the mix at the real-time pace, so streams end
// and their events fire as with a sound card. Optionally it keeps what it pulled in a
// capture file. While no stream plays it sleeps instead of mixing silence.

#include "platform/audio/capture_file.h"
#include "platform/audio/output_device.h"
#include "platform/audio/stream_mixer.h"

#include <condition_variable>
#include <memory>
#include <mutex>
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
    // Until a stream plays or the device stops; false when stopping.
    bool waitForPlay();
    void captureSilence(long long samples);

    StreamMixer& mixer_;
    std::unique_ptr<CaptureFile> capture_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool played_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace dittaro::audio
