#include "platform/audio/resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dittaro::audio {
namespace {

// Passes the tones (up to 1200 Hz and their overtones) and stops short of the input's
// Nyquist frequency, so the images of an 8000 Hz signal are suppressed.
constexpr double kCutoff = 0.45; // of the input rate

double blackman(double x) { // x in -1..1
    const double a = std::numbers::pi * (x + 1);
    return 0.42 - 0.5 * std::cos(a) + 0.08 * std::cos(2 * a);
}

} // namespace

Resampler::Resampler(int inputRate, int outputRate)
    : inputRate_(inputRate), outputRate_(outputRate),
      kernel_(static_cast<std::size_t>(kPhases) * 2 * kHalfTaps), history_(kHalfTaps - 1, 0.0f) {
    for (int phase = 0; phase < kPhases; ++phase) {
        const double fraction = static_cast<double>(phase) / kPhases;
        double sum = 0;
        for (int j = 0; j < 2 * kHalfTaps; ++j) {
            // Tap j weighs input sample (current - kHalfTaps + 1 + j).
            const double x = (j - kHalfTaps + 1) - fraction;
            const double arg = 2 * kCutoff * x;
            const double sinc =
                x == 0 ? 1.0 : std::sin(std::numbers::pi * arg) / (std::numbers::pi * arg);
            const double value = 2 * kCutoff * sinc * blackman(x / kHalfTaps);
            kernel_[phase * 2 * kHalfTaps + j] = static_cast<float>(value);
            sum += value;
        }
        // Unity gain at every phase: no ripple at the block rate.
        for (int j = 0; j < 2 * kHalfTaps; ++j) {
            kernel_[phase * 2 * kHalfTaps + j] = static_cast<float>(tap(phase, j) / sum);
        }
    }
    consumed_ = kHalfTaps - 1;
}

void Resampler::process(std::int16_t* out, std::size_t count, const Source& source) {
    for (std::size_t k = 0; k < count; ++k) {
        while (consumed_ + kHalfTaps >= history_.size()) {
            pulled_.resize(kPullBlock);
            source(pulled_.data(), kPullBlock);
            history_.insert(history_.end(), pulled_.begin(), pulled_.end());
        }
        const int phase = static_cast<int>(position_ * kPhases / outputRate_);
        const float* x = history_.data() + consumed_ - (kHalfTaps - 1);
        float sum = 0;
        for (int j = 0; j < 2 * kHalfTaps; ++j) {
            sum += x[j] * tap(phase, j);
        }
        out[k] = static_cast<std::int16_t>(std::clamp(std::lround(sum), -32768L, 32767L));
        position_ += inputRate_;
        while (position_ >= outputRate_) {
            position_ -= outputRate_;
            ++consumed_;
        }
    }
    // Keep only what the next kernels still reach back to.
    if (consumed_ > 4096) {
        const std::size_t drop = consumed_ - (kHalfTaps - 1);
        history_.erase(history_.begin(), history_.begin() + static_cast<std::ptrdiff_t>(drop));
        consumed_ -= drop;
    }
}

} // namespace dittaro::audio
