#pragma once

// Rules shared by both timing classes: the dash:dot ratio and the element lengths.

namespace dittaro {

// The ratio is kept as a divisor e: 0 for 3:1, 9 for 3.5:1, 5 for 4:1.
inline constexpr int kRatioDivisor3 = 0;
inline constexpr int kRatioDivisor35 = 9;
inline constexpr int kRatioDivisor4 = 5;

// 2.75..3.25 -> 3:1, 3.25..3.75 -> 3.5:1, 3.75..4.25 -> 4:1; anything else 3:1.
int ratioDivisorFromNumber(double ratio);
// 5 and 9 are the only other divisors; any other value means 3:1.
int normalizedRatioDivisor(int divisor);

struct DotAndDash {
    int dot = 0;
    int dash = 0;
};

// The dot is shortened and the dash lengthened by u div e, so a character keeps its length.
DotAndDash dotAndDash(int unitMs, int ratioDivisor);

} // namespace dittaro
