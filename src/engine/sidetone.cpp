#include "engine/sidetone.h"

#include "common/numeric.h"
#include "engine/tone_tables.h"

#include <algorithm>
#include <cstdint>

namespace dittaro {

Sidetone::Sidetone(AudioOutput& audio, const SoundSettings& settings)
    : audio_(audio), settings_(settings) {}

Sidetone::~Sidetone() {
    if (stream_ != 0) {
        audio_.stop(stream_);
    }
}

bool Sidetone::prepare() {
    // A sounding sidetone must not read the table while it is rebuilt.
    if (stream_ != 0) {
        audio_.stop(stream_);
    }
    table_ = buildToneTable<double>(settings_.overtones ? 1100 : 1000, 1000);
    if (stream_ == 0) {
        stream_ = audio_.createStream(&Sidetone::callback, this);
        if (stream_ == 0) {
            return false;
        }
    }
    silent_ = true;
    audio_.play(stream_, true);
    audio_.stop(stream_);
    silent_ = false;
    return true;
}

void Sidetone::start() {
    if (stream_ == 0) {
        return;
    }
    // Stopping first keeps the callback away from the phase while it is reset.
    audio_.stop(stream_);
    phase_ = 0;
    audio_.play(stream_, true);
}

void Sidetone::stop() {
    if (stream_ != 0) {
        audio_.stop(stream_);
    }
}

bool Sidetone::running() {
    return stream_ != 0 && audio_.isActive(stream_);
}

std::uint32_t Sidetone::callback(StreamHandle, void* buffer, std::uint32_t length, void* user) {
    auto& self = *static_cast<Sidetone*>(user);
    const int pitch =
        std::clamp(self.settings_.pitch.load(std::memory_order_relaxed), 0, kToneTablePeriod - 1);
    const int volume = self.settings_.volume.load(std::memory_order_relaxed);
    auto* out = static_cast<std::int16_t*>(buffer);
    const std::uint32_t count = length / 2;
    if (self.silent_.load()) {
        std::fill_n(out, count, std::int16_t{0});
        return count * 2;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        if (self.phase_ > kToneTablePeriod - 1) {
            self.phase_ %= kToneTablePeriod;
        }
        out[i] = static_cast<std::int16_t>(
            std::clamp<long long>(nearest(volume * self.table_[self.phase_]), -32768, 32767));
        self.phase_ += pitch;
    }
    return count * 2;
}

void SoundTest::setTicked(bool ticked) {
    if (ticked == ticked_) {
        return;
    }
    ticked_ = ticked;
    if (ticked) {
        sidetone_.start();
    } else {
        sidetone_.stop();
    }
}

} // namespace dittaro
