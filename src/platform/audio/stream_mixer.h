#pragma once

// The streams of the audio library and their mix: every playing stream's callback is pulled
// for each block the device needs, and the sum is saturated to 16 bits.

#include "platform/audio/audio_api.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <vector>

namespace dittaro::audio {

class StreamMixer {
public:
    HSTREAM create(STREAMPROC proc, void* user);
    bool play(HSTREAM handle, bool restart);
    bool stop(HSTREAM handle);
    bool pause(HSTREAM handle);
    std::uint32_t activity(HSTREAM handle);
    bool anyPlaying();
    void clear();

    // Called (under the mixer's lock) whenever a stream starts or resumes playing.
    void setPlayListener(std::function<void()> listener);

    // On the device thread: the next `count` samples of the mix.
    void render(std::int16_t* out, std::size_t count);

    // True on the device thread while it mixes (inside the callbacks).
    static bool mixingOnThisThread();

private:
    enum class State { Stopped, Playing, Paused, Ended };
    struct Stream {
        STREAMPROC proc = nullptr;
        void* user = nullptr;
        State state = State::Stopped;
    };

    void pull(HSTREAM handle, Stream& stream, std::size_t count);

    // Recursive: a callback may stop, pause or start streams.
    std::recursive_mutex mutex_;
    std::map<HSTREAM, Stream> streams_;
    std::function<void()> playListener_;
    HSTREAM nextHandle_ = 1;
    std::vector<std::int16_t> block_;
    std::vector<std::int32_t> sum_;
};

} // namespace dittaro::audio
