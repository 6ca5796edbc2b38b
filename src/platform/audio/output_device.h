#pragma once

// A place the mix goes to: a sound card, or a paced silent device.

namespace dittaro::audio {

class OutputDevice {
public:
    virtual ~OutputDevice() = default;
    // The output buffer length in ms (BASS_CONFIG_BUFFER).
    virtual void setBufferMs(int /*ms*/) {}
    // The output latency the device reports, in seconds.
    virtual double latencySeconds() const { return 0; }
};

} // namespace dittaro::audio
