#include "common/numeric.h"

#include <cmath>

namespace dittaro {

long long nearest(double x) {
    const double floor = std::floor(x);
    const double fraction = x - floor;
    double result = floor;
    if (fraction > 0.5) {
        result = floor + 1;
    } else if (fraction == 0.5) {
        result = std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
    }
    return static_cast<long long>(result);
}

} // namespace dittaro
