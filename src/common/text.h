#pragma once

// Small byte-string helpers with the single-byte semantics Dittaro's texts need.

#include <string>
#include <string_view>

namespace dittaro {

// Trims blanks and control characters (bytes 0..32), as the original trimming did.
std::string_view trimmed(std::string_view s);
std::string_view trimmedRight(std::string_view s);

// Upper-cases a..z only; bytes from 128 up stay as they are.
std::string toUpperAscii(std::string_view s);

} // namespace dittaro
