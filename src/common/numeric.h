#pragma once

namespace dittaro {

// Rounds to the nearest integer, halves to the even neighbour (used for every
// rounded duration and sample value).
long long nearest(double x);

} // namespace dittaro
