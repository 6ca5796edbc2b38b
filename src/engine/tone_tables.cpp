#include "engine/tone_tables.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dittaro {

template <typename T> std::vector<T> buildToneTable(double gain, double limit) {
    std::vector<T> table(kToneTableSize);
    for (int i = 0; i < kToneTableSize; ++i) {
        const double value = std::sin(i * (2 * std::numbers::pi) / kToneTablePeriod) * gain;
        table[i] = static_cast<T>(std::clamp(value, -limit, limit));
    }
    return table;
}

int rampLength(int hardnessMs, int sampleRate) {
    // Beyond a second the ramp would swallow every element anyway.
    const int ms = std::clamp(hardnessMs, 0, 1000);
    return std::max(1, ms * sampleRate / 1000);
}

template <typename T> std::vector<T> buildRampTable(int length) {
    std::vector<T> ramp(length + 1);
    for (int i = 0; i <= length; ++i) {
        ramp[i] = static_cast<T>(std::sin(i * std::numbers::pi / (2 * length)));
    }
    return ramp;
}

template std::vector<float> buildToneTable<float>(double, double);
template std::vector<double> buildToneTable<double>(double, double);
template std::vector<float> buildRampTable<float>(int);
template std::vector<double> buildRampTable<double>(int);

} // namespace dittaro
