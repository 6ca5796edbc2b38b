#include "platform/audio/null_device.h"

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
    : mixer_(mixer), capture_(std::move(capture)), thread_([this] { run(); }) {}

NullDevice::~NullDevice() {
    stopping_ = true;
    thread_.join();
    if (capture_) {
        capture_->close();
    }
}

void NullDevice::run() {
    std::int16_t block[kBlockSamples];
    long long deadline = nowNs();
    int blocks = 0;
    while (!stopping_) {
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
