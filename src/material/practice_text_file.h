#pragma once

// Text files of the text field and the keying template: Windows-1252 bytes (the internal
// text itself) with CR LF line ends on disk.

#include <filesystem>
#include <string>
#include <string_view>

namespace dittaro {

inline constexpr std::size_t kTextFileCharacters = 10000;

// Every line end (CR LF, LF or a lone CR) as CR LF.
std::string withCrLf(std::string_view text);

// The first 10000 characters of the file, line ends as LF for the text field; throws
// std::runtime_error naming the file when it cannot be read.
std::string readPracticeTextFile(const std::filesystem::path& path);

// Writes the text with CR LF line ends. An empty text is not written (false); throws
// std::runtime_error naming the file when it cannot be written.
bool writePracticeTextFile(const std::filesystem::path& path, std::string_view text);

} // namespace dittaro
