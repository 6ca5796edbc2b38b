#pragma once

// Band-limited conversion of the 8000 Hz mix to the rate of a device that will not open at
// 8000 Hz: windowed-sinc interpolation from a table of kernel phases.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace dittaro::audio {

class Resampler {
public:
    // Supplies the next `count` input samples.
    using Source = std::function<void(std::int16_t* samples, std::size_t count)>;

    Resampler(int inputRate, int outputRate);

    // Writes `count` output samples, pulling input as needed.
    void process(std::int16_t* out, std::size_t count, const Source& source);

private:
    static constexpr int kHalfTaps = 16;
    static constexpr int kPhases = 256;
    static constexpr std::size_t kPullBlock = 64;

    float tap(int phase, int j) const { return kernel_[phase * 2 * kHalfTaps + j]; }

    int inputRate_;
    int outputRate_;
    std::vector<float> kernel_; // kPhases x 2 kHalfTaps
    std::vector<float> history_;
    std::size_t consumed_ = 0; // index in history_ of the current input sample
    long long position_ = 0;   // fraction of the current input sample, in 1/outputRate
    std::vector<std::int16_t> pulled_;
};

} // namespace dittaro::audio
