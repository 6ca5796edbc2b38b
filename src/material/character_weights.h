#pragma once

// The duration of exam text lines in Morse dot units, as stored in the category
// tables' `zeitfaktor` column and budgeted by the exam text generator.

#include <string_view>

namespace dittaro {

// Dot units of one character including the gap after it; a blank weighs 4 (it turns
// the character gap into a word gap). Characters without Morse code, and every byte
// outside the blank .. "~", weigh 0.
int characterWeight(unsigned char c);

// The sum of the character weights over the line with leading and trailing blanks
// and control characters removed.
int timeFactor(std::string_view plainLine);

} // namespace dittaro
