#pragma once

// The files and the library version the program cannot start without. A failing check
// ends the program after a message box with the caption "Achtung" and a German and an
// English line.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace dittaro {

inline constexpr const char* kStartupMessageCaption = "Achtung";

// The message for the first missing file, in the order of the checks; nothing when every
// file is there.
std::optional<std::string> missingFileMessage(const std::filesystem::path& programDirectory);

// The audio library must implement interface version 2.4 (high word 0x0204).
bool audioVersionMatches(std::uint32_t version);
std::string wrongAudioVersionMessage();

} // namespace dittaro
