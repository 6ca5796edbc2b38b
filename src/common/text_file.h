#pragma once

// Whole-file reading and line splitting for the text files Dittaro imports.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

// The file's bytes; throws std::runtime_error naming the file when it cannot be read.
std::string readFileBytes(const std::filesystem::path& path);

// Lines ended by CR LF, LF or a lone CR; a final line break does not start another
// line, so "a\nb\n" and "a\r\nb" are both two lines.
std::vector<std::string> splitLines(std::string_view text);

} // namespace dittaro
