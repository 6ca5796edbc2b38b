#pragma once

// The one-period tone tables and the keying ramps of the live generators (8000 samples per
// second). A table of 8000 entries per period makes the phase step equal the pitch in Hz.

#include <vector>

namespace dittaro {

constexpr int kToneTablePeriod = 8000;
constexpr int kToneTableSize = kToneTablePeriod + 1;

// t[i] = sin(i x 2 pi / 8000) x gain, clipped to -limit..limit. A gain above the limit
// flattens the crests, which adds the odd overtones.
template <typename T> std::vector<T> buildToneTable(double gain, double limit);

// The ramp length in samples for a keying hardness in ms at the given rate. A hardness of
// 0 ms still gets one step, so a tone keys hard instead of never opening.
int rampLength(int hardnessMs, int sampleRate);

// n + 1 entries rising as a quarter sine: ramp[i] = sin(i x pi / (2n)).
template <typename T> std::vector<T> buildRampTable(int length);

extern template std::vector<float> buildToneTable<float>(double, double);
extern template std::vector<double> buildToneTable<double>(double, double);
extern template std::vector<float> buildRampTable<float>(int);
extern template std::vector<double> buildRampTable<double>(int);

} // namespace dittaro
