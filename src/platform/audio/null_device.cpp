#include "platform/audio/null_device.h"

#include <algorithm>
#include <cerrno>
#include <ctime>

namespace dittaro::audio {
namespace {

constexpr long kBlockNs = 1'000'000;
// Further behind than this (a suspended machine), the schedule starts afresh instead of
// catching up in one burst.
constexpr long long kMaxLagNs = 200'000'000;
// The capture file's header is brought up to date about ten times a second.
constexpr int kBlocksPerUpdate = 100;

long long toNs(const timespec& t) {
    return t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

timespec fromNs(long long ns) {
    return timespec{static_cast<time_t>(ns / 1'000'000'000), static_cast<long>(ns % 1'000'000'000)};
}

long long nowNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return toNs(now);
}

} // namespace

NullDevice::NullDevice(StreamMixer& mixer, std::unique_ptr<CaptureFile> capture)
    : mixer_(mixer), capture_(std::move(capture)) {
    mixer_.setPlayListener([this] {
        std::lock_guard lock(mutex_);
        played_ = true;
        wake_.notify_one();
    });
    thread_ = std::thread([this] { run(); });
}

NullDevice::~NullDevice() {
    mixer_.setPlayListener(nullptr);
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        wake_.notify_one();
    }
    thread_.join();
    if (capture_) {
        capture_->close();
    }
}

bool NullDevice::waitForPlay() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return played_ || stopping_; });
    return !stopping_;
}

void NullDevice::captureSilence(long long samples) {
    const std::int16_t silence[kBlockSamples] = {};
    for (; samples > 0; samples -= kBlockSamples) {
        capture_->append(silence,
                         static_cast<std::size_t>(std::min<long long>(samples, kBlockSamples)));
    }
    capture_->update();
}

void NullDevice::run() {
    std::int16_t block[kBlockSamples];
    long long deadline = nowNs();
    int blocks = 0;
    while (true) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) {
                break;
            }
            played_ = false;
        }
        if (!mixer_.anyPlaying()) {
            const long long idleFrom = deadline;
            if (!waitForPlay()) {
                break;
            }
            // The schedule starts afresh; the capture keeps the silence in between.
            deadline = nowNs();
            if (capture_) {
                captureSilence((deadline - idleFrom) / (kBlockNs / kBlockSamples));
            }
        }
        mixer_.render(block, kBlockSamples);
        if (capture_) {
            capture_->append(block, kBlockSamples);
            if (++blocks % kBlocksPerUpdate == 0) {
                capture_->update();
            }
        }
        deadline += kBlockNs;
        const long long now = nowNs();
        if (now - deadline > kMaxLagNs) {
            deadline = now;
        }
        const timespec wake = fromNs(deadline);
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &wake, nullptr) == EINTR) {
        }
    }
}

} // namespace dittaro::audio
