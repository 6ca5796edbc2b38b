#pragma once

#include <cstdint>

namespace dittaro {

// The program-wide uniform generator: clock-seeded at start, re-seeded by "Mix"
// and on opening the Koch trainer, and seeded with a fixed value by tests.

// 0 .. n - 1; random(0) is 0.
int random(int n);
void randomize();
void seedRandom(std::uint64_t seed);

} // namespace dittaro
