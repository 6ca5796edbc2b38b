#include "platform/audio/stream_mixer.h"

#include <algorithm>
#include <cstring>

namespace dittaro::audio {
namespace {

thread_local bool mixing = false;

} // namespace

bool StreamMixer::mixingOnThisThread() {
    return mixing;
}

HSTREAM StreamMixer::create(STREAMPROC proc, void* user) {
    if (proc == nullptr) {
        return 0;
    }
    std::lock_guard lock(mutex_);
    while (nextHandle_ == 0 || streams_.count(nextHandle_) > 0) {
        ++nextHandle_;
    }
    const HSTREAM handle = nextHandle_++;
    streams_[handle] = Stream{proc, user, State::Stopped};
    return handle;
}

bool StreamMixer::play(HSTREAM handle, bool /*restart*/) {
    // Samples are pulled only as the device needs them, so a restart has no buffer to drop.
    std::lock_guard lock(mutex_);
    const auto it = streams_.find(handle);
    if (it == streams_.end() || it->second.state == State::Ended) {
        return false;
    }
    it->second.state = State::Playing;
    if (playListener_) {
        playListener_();
    }
    return true;
}

bool StreamMixer::stop(HSTREAM handle) {
    std::lock_guard lock(mutex_);
    const auto it = streams_.find(handle);
    if (it == streams_.end() || it->second.state == State::Ended) {
        return false;
    }
    it->second.state = State::Stopped;
    return true;
}

bool StreamMixer::pause(HSTREAM handle) {
    std::lock_guard lock(mutex_);
    const auto it = streams_.find(handle);
    if (it == streams_.end() || it->second.state != State::Playing) {
        return false;
    }
    it->second.state = State::Paused;
    return true;
}

std::uint32_t StreamMixer::activity(HSTREAM handle) {
    std::lock_guard lock(mutex_);
    const auto it = streams_.find(handle);
    if (it == streams_.end()) {
        return BASS_ACTIVE_STOPPED;
    }
    switch (it->second.state) {
    case State::Playing:
        return BASS_ACTIVE_PLAYING;
    case State::Paused:
        return BASS_ACTIVE_PAUSED;
    default:
        return BASS_ACTIVE_STOPPED;
    }
}

bool StreamMixer::anyPlaying() {
    std::lock_guard lock(mutex_);
    return std::any_of(streams_.begin(), streams_.end(),
                       [](const auto& entry) { return entry.second.state == State::Playing; });
}

void StreamMixer::setPlayListener(std::function<void()> listener) {
    std::lock_guard lock(mutex_);
    playListener_ = std::move(listener);
}

void StreamMixer::clear() {
    std::lock_guard lock(mutex_);
    streams_.clear();
}

void StreamMixer::render(std::int16_t* out, std::size_t count) {
    std::lock_guard lock(mutex_);
    mixing = true;
    sum_.assign(count, 0);
    block_.resize(count);
    for (auto& [handle, stream] : streams_) {
        if (stream.state == State::Playing) {
            pull(handle, stream, count);
        }
    }
    std::erase_if(streams_, [](const auto& entry) { return entry.second.state == State::Ended; });
    for (std::size_t i = 0; i < count; ++i) {
        out[i] = static_cast<std::int16_t>(std::clamp(sum_[i], -32768, 32767));
    }
    mixing = false;
}

void StreamMixer::pull(HSTREAM handle, Stream& stream, std::size_t count) {
    std::size_t filled = 0;
    while (filled < count && stream.state == State::Playing) {
        const auto wanted = static_cast<std::uint32_t>((count - filled) * 2);
        const std::uint32_t result =
            stream.proc(handle, block_.data() + filled, wanted, stream.user);
        const std::size_t got = std::min(result & ~BASS_STREAMPROC_END, wanted) / 2;
        for (std::size_t i = filled; i < filled + got; ++i) {
            sum_[i] += block_[i];
        }
        filled += got;
        if ((result & BASS_STREAMPROC_END) != 0) {
            stream.state = State::Ended;
        } else if (got == 0) {
            break; // nothing to give now: silence for the rest of the block
        }
    }
}

} // namespace dittaro::audio
