#include "engine/wav_render.h"

#include "common/numeric.h"
#include "engine/element_sequence.h"
#include "engine/tone_tables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dittaro {

RenderTables buildRenderTables(double amplitude, int rampMs) {
    RenderTables tables;
    tables.rampLength = rampLength(rampMs, kRenderRate);
    tables.ramp.resize(tables.rampLength + 1);
    for (int i = 0; i <= tables.rampLength; ++i) {
        tables.ramp[i] = std::sin(i * std::numbers::pi / (2 * tables.rampLength));
    }

    constexpr int half = kRenderRate / 2;
    constexpr int quarter = kRenderRate / 4;
    std::vector<double>& t = tables.tone;
    t.assign(kRenderRate + 1, 0.0);
    for (int i = 1; i <= quarter; ++i) {
        const double value =
            std::sin(i * (2 * std::numbers::pi) / kRenderRate) * kRenderPeak * amplitude;
        t[i] = std::clamp(value, -kRenderPeak, kRenderPeak);
        t[half - i] = t[i];
        t[half + i] = -t[i];
        t[kRenderRate - i] = -t[i];
    }
    return tables;
}

std::vector<long long> renderSampleCounts(std::string_view timingText) {
    std::vector<long long> counts;
    for (int ms : parseTimingText(timingText)) {
        counts.push_back(nearest(ms / 1000.0 * kRenderRate));
    }
    return counts;
}

SampleRenderer::SampleRenderer(const RenderTables& tables, int pitch, Sink sink)
    : tables_(tables), pitch_(std::clamp(pitch, 0, kRenderRate)), sink_(std::move(sink)) {
    const double full = tables.ramp[tables.rampLength];
    open_.resize(tables.tone.size());
    for (std::size_t i = 0; i < open_.size(); ++i) {
        open_[i] = static_cast<std::int16_t>(nearest(full * tables.tone[i]));
    }
    buffer_.reserve(1 << 16);
}

void SampleRenderer::element(long long count) {
    if (count >= 0) {
        tone(count);
    } else {
        silence(-count);
    }
}

void SampleRenderer::flush() {
    if (!buffer_.empty()) {
        sink_(buffer_);
        buffer_.clear();
    }
}

std::int16_t SampleRenderer::rampedSample() {
    // With a pitch of at most 44100 one subtraction equals the modulo.
    if (phase_ > kRenderRate) {
        phase_ -= kRenderRate;
    }
    const auto sample =
        static_cast<std::int16_t>(nearest(tables_.ramp[envelope_] * tables_.tone[phase_]));
    phase_ += pitch_;
    return sample;
}

void SampleRenderer::tone(long long count) {
    const int n = tables_.rampLength;
    for (; count > 0 && envelope_ < n; --count) {
        put(rampedSample());
        ++envelope_;
    }
    while (count > 0) {
        const long long room = static_cast<long long>(buffer_.capacity() - buffer_.size());
        const long long run = std::min(count, room);
        const std::size_t start = buffer_.size();
        buffer_.resize(start + static_cast<std::size_t>(run));
        std::int16_t* out = buffer_.data() + start;
        const std::int16_t* open = open_.data();
        int phase = phase_;
        for (long long k = 0; k < run; ++k) {
            if (phase > kRenderRate) {
                phase -= kRenderRate;
            }
            out[k] = open[phase];
            phase += pitch_;
        }
        phase_ = phase;
        count -= run;
        if (buffer_.size() == buffer_.capacity()) {
            flush();
        }
    }
}

void SampleRenderer::silence(long long count) {
    for (; count > 0 && envelope_ > 0; --count) {
        put(rampedSample());
        --envelope_;
    }
    if (count > 0) {
        // Once the fall has ended the next tone starts again at the zero crossing.
        phase_ = 0;
    }
    while (count > 0) {
        const long long room = static_cast<long long>(buffer_.capacity() - buffer_.size());
        const long long run = std::min(count, room);
        buffer_.insert(buffer_.end(), static_cast<std::size_t>(run), 0);
        count -= run;
        if (buffer_.size() == buffer_.capacity()) {
            flush();
        }
    }
}

} // namespace dittaro
