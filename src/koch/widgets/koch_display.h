#pragma once

// What the main window shows of the Koch order and level. Plain functions on Windows-1252
// text, so they are checked without a window.

#include <string>
#include <string_view>

namespace dittaro {

// The Koch order field in Koch mode: the characters in training, two blanks, the rest.
std::string splitKochOrder(std::string_view order, int level);

// Status field 8 in Koch mode: "Koch " level "/" order length, two blanks and the newest
// character(s) in training: the first two at level 2, else the one at position level.
std::string kochStatusText(std::string_view order, int level);

} // namespace dittaro
