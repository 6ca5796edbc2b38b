#pragma once

// Dittaro works on Windows-1252 bytes internally; these convert at the edges
// (widgets, SQLite, UTF-8 files, the command line).

#include <string>
#include <string_view>

namespace dittaro {

// The Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the code point of the same number.
char32_t cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a code point; a code point without one becomes a blank.
char codePointToCp1252(char32_t codePoint);

std::string cp1252ToUtf8(std::string_view cp1252);

// Bytes that do not form valid UTF-8 are taken as Windows-1252 bytes, so text
// saved in the old code page still reads correctly.
std::string utf8ToCp1252(std::string_view utf8);

std::u32string cp1252ToUtf32(std::string_view cp1252);
std::string utf32ToCp1252(std::u32string_view text);

} // namespace dittaro
