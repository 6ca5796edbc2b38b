#pragma once

// What the sound code needs of the audio output layer: pull streams of 8000 16-bit mono
// samples per second, each filled by a sample callback on the audio thread.

#include <cstdint>

namespace dittaro {

using StreamHandle = std::uint32_t;

// Fills up to `length` bytes of `buffer` and returns the number of bytes written, or
// kStreamEnd to end the stream.
using StreamProc = std::uint32_t (*)(StreamHandle handle, void* buffer, std::uint32_t length,
                                     void* user);

constexpr std::uint32_t kStreamEnd = 0x80000000u;
constexpr int kStreamRate = 8000;

// The output layer guarantees: once stop() or pause() has returned, the stream's callback is
// not running and is not called again until play(). Code that resets a generator between
// stop and play therefore needs no lock of its own.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // 0 when no stream could be created (no device).
    virtual StreamHandle createStream(StreamProc proc, void* user) = 0;
    // restart: from the beginning; otherwise resume after a pause.
    virtual bool play(StreamHandle stream, bool restart) = 0;
    virtual bool stop(StreamHandle stream) = 0;
    virtual bool pause(StreamHandle stream) = 0;
    // True while the stream plays (not paused, stopped or ended).
    virtual bool isActive(StreamHandle stream) = 0;
};

} // namespace dittaro
