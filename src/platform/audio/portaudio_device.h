#pragma once

// The default output device through PortAudio (ALSA, PulseAudio, PipeWire).

#include "platform/audio/output_device.h"
#include "platform/audio/resampler.h"
#include "platform/audio/stream_mixer.h"

#include <cstdint>
#include <memory>

namespace dittaro::audio {

class PortAudioDevice : public OutputDevice {
public:
    // nullptr when no output device opens. The device runs at 8000 Hz, or at preferredRate
    // (the library resampling) when it will not take 8000 Hz or when low latency is asked.
    static std::unique_ptr<PortAudioDevice> open(StreamMixer& mixer, int bufferMs,
                                                 int preferredRate);
    ~PortAudioDevice() override;

    void setBufferMs(int ms) override;
    double latencySeconds() const override;
    int rate() const { return rate_; }

    // On PortAudio's thread: the next frames at the device rate.
    void fill(std::int16_t* out, unsigned long frames);

private:
    PortAudioDevice(StreamMixer& mixer, int preferredRate);
    bool start(int bufferMs);
    void close();

    StreamMixer& mixer_;
    int preferredRate_;
    void* stream_ = nullptr;
    bool lowLatency_ = false;
    int rate_ = 0;
    std::unique_ptr<Resampler> resampler_;
};

} // namespace dittaro::audio
