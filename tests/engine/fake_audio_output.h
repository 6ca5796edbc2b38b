#pragma once

// An audio output whose streams are pulled by the test itself, on the test's thread.

#include "engine/audio_output.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace dittaro::testing {

class FakeAudioOutput : public AudioOutput {
public:
    enum class State { Stopped, Playing, Paused, Ended };
    struct Stream {
        StreamProc proc;
        void* user;
        State state = State::Stopped;
        int plays = 0;
        int restarts = 0;
        int stops = 0;
    };

    bool deviceMissing = false;
    // Runs right after a stream starts playing, as a device that pulls at once would.
    std::function<void(StreamHandle)> afterPlay;
    std::map<StreamHandle, Stream> streams;

    StreamHandle createStream(StreamProc proc, void* user) override {
        if (deviceMissing) {
            return 0;
        }
        const StreamHandle handle = static_cast<StreamHandle>(streams.size() + 1);
        streams[handle] = Stream{proc, user};
        return handle;
    }
    bool play(StreamHandle stream, bool restart) override {
        Stream& s = streams.at(stream);
        if (s.state == State::Ended) {
            return false;
        }
        s.state = State::Playing;
        ++s.plays;
        s.restarts += restart ? 1 : 0;
        if (afterPlay) {
            afterPlay(stream);
        }
        return true;
    }
    bool stop(StreamHandle stream) override {
        ++streams.at(stream).stops;
        if (streams.at(stream).state != State::Ended) {
            streams.at(stream).state = State::Stopped;
        }
        return true;
    }
    bool pause(StreamHandle stream) override {
        streams.at(stream).state = State::Paused;
        return true;
    }
    bool isActive(StreamHandle stream) override {
        return streams.at(stream).state == State::Playing;
    }

    // What the device would take from a playing stream: up to `count` samples, fewer when the
    // stream ends (then it is marked ended).
    std::vector<std::int16_t> pull(StreamHandle stream, std::size_t count) {
        Stream& s = streams.at(stream);
        std::vector<std::int16_t> out;
        while (s.state == State::Playing && out.size() < count) {
            std::vector<std::int16_t> block(count - out.size());
            const std::uint32_t result =
                s.proc(stream, block.data(), static_cast<std::uint32_t>(2 * block.size()), s.user);
            if (result == kStreamEnd) {
                s.state = State::Ended;
                break;
            }
            out.insert(out.end(), block.begin(), block.begin() + result / 2);
        }
        return out;
    }

    // The last stream created.
    StreamHandle last() const { return streams.empty() ? 0 : streams.rbegin()->first; }
};

} // namespace dittaro::testing
