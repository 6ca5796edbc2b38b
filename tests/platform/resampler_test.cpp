#include "platform/audio/resampler.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace dittaro::audio {
namespace {

// An 8000 Hz sine source of the given frequency and amplitude.
struct Sine {
    double frequency;
    double amplitude;
    long n = 0;
    void operator()(std::int16_t* out, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i, ++n) {
            out[i] = static_cast<std::int16_t>(
                std::lround(amplitude * std::sin(2 * std::numbers::pi * frequency * n / 8000)));
        }
    }
};

// The amplitude of `frequency` in `signal` (sampled at `rate`), by correlation.
double amplitudeAt(const std::vector<std::int16_t>& signal, double frequency, int rate) {
    double re = 0;
    double im = 0;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        const double angle = 2 * std::numbers::pi * frequency * static_cast<double>(i) / rate;
        re += signal[i] * std::cos(angle);
        im += signal[i] * std::sin(angle);
    }
    return 2 * std::hypot(re, im) / static_cast<double>(signal.size());
}

TEST(Resampler, KeepsPitchAndLevelAndSuppressesTheImages) {
    const struct {
        int rate;
        double frequency;
    } cases[] = {{48000, 800}, {44100, 800}, {44100, 1200}, {16000, 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.frequency << " Hz to " << c.rate);
        Resampler resampler(8000, c.rate);
        Sine sine{c.frequency, 10000};
        std::vector<std::int16_t> out(static_cast<std::size_t>(c.rate)); // one second
        // Pulled in uneven blocks, as a device asks.
        for (std::size_t done = 0; done < out.size();) {
            const std::size_t block = std::min<std::size_t>(out.size() - done, 441 + done % 97);
            resampler.process(out.data() + done, block, std::ref(sine));
            done += block;
        }
        // One second of output consumed one second of input, give or take the kernel.
        EXPECT_NEAR(sine.n, 8000, 96);
        const std::vector<std::int16_t> steady(out.begin() + c.rate / 10, out.end());
        EXPECT_NEAR(amplitudeAt(steady, c.frequency, c.rate), 10000, 100);
        // The first image of an 8000 Hz signal lies at 8000 - f.
        if (c.rate > 2 * 8000) {
            EXPECT_LT(amplitudeAt(steady, 8000 - c.frequency, c.rate), 30);
        }
    }
}

TEST(Resampler, SilenceStaysSilent) {
    Resampler resampler(8000, 44100);
    std::vector<std::int16_t> out(4410, 1);
    resampler.process(out.data(), out.size(),
                      [](std::int16_t* in, std::size_t count) { std::fill_n(in, count, 0); });
    EXPECT_EQ(out, std::vector<std::int16_t>(4410, 0));
}

} // namespace
} // namespace dittaro::audio
