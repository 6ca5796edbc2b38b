#pragma once

// Offline rendering of a timing text to 16-bit mono samples at 44100 per second: the same
// keying ramp and overtone method as the live tone, at a fixed peak of 10000.

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace dittaro {

constexpr int kRenderRate = 44100;
constexpr double kRenderPeak = 10000;

struct RenderSettings {
    int pitch = 800;        // Hz
    double amplitude = 1.0; // 1.1 with overtones: the crests are clipped flat at the peak
    int rampMs = 5;         // keying hardness
};

// Rebuilt for every export.
struct RenderTables {
    // One period over 44100 entries and a closing 0, built from its first quarter.
    std::vector<double> tone;
    std::vector<double> ramp; // rampLength + 1 entries
    int rampLength = 0;
};
RenderTables buildRenderTables(double amplitude, int rampMs);

// The signed sample count at 44100 per second of every token of a timing text.
std::vector<long long> renderSampleCounts(std::string_view timingText);

// Turns elements into samples, handing them to the sink in blocks.
class SampleRenderer {
public:
    using Sink = std::function<void(std::span<const std::int16_t>)>;

    SampleRenderer(const RenderTables& tables, int pitch, Sink sink);

    // A tone for count >= 0, a silence of -count samples otherwise.
    void element(long long count);
    // Hands over what is still buffered.
    void flush();

private:
    void put(std::int16_t sample) {
        buffer_.push_back(sample);
        if (buffer_.size() == buffer_.capacity()) {
            flush();
        }
    }
    void tone(long long count);
    void silence(long long count);
    std::int16_t rampedSample();

    const RenderTables& tables_;
    // The fully open tone, rounded once per export instead of once per sample.
    std::vector<std::int16_t> open_;
    int pitch_;
    Sink sink_;
    std::vector<std::int16_t> buffer_;
    int phase_ = 0;
    int envelope_ = 0;
};

} // namespace dittaro
