#pragma once

// The stored form of exam text lines: three filler bytes of random codes 1..250, then
// the plain line XOR-ed with a fixed 4-byte key. The result may hold zero bytes, so
// it is stored as a blob and read back by length.

#include <string>
#include <string_view>

namespace dittaro {

// Draws the filler with the program-wide generator (common/random.h).
std::string scrambleExamLine(std::string_view plainLine);

// A stored value shorter than the filler gives an empty line.
std::string unscrambleExamLine(std::string_view storedLine);

} // namespace dittaro
