#include "engine/timing_rules.h"

namespace dittaro {

int ratioDivisorFromNumber(double ratio) {
    if (ratio >= 3.25 && ratio < 3.75) {
        return kRatioDivisor35;
    }
    if (ratio >= 3.75 && ratio < 4.25) {
        return kRatioDivisor4;
    }
    return kRatioDivisor3;
}

int normalizedRatioDivisor(int divisor) {
    return divisor == kRatioDivisor35 || divisor == kRatioDivisor4 ? divisor : kRatioDivisor3;
}

DotAndDash dotAndDash(int unitMs, int ratioDivisor) {
    const int shift = ratioDivisor == 0 ? 0 : unitMs / ratioDivisor;
    return {unitMs - shift, 3 * unitMs + shift};
}

} // namespace dittaro
