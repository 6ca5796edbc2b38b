#pragma once

// Finding the external encoders: in the program directory first, then on PATH.

#include "engine/audio_export.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace dittaro {

// The first of `names` that is an executable file, looked for in `programDirectory` and then
// in each folder of `searchPath` (a PATH value).
std::optional<std::filesystem::path> findProgram(std::span<const std::string_view> names,
                                                 const std::filesystem::path& programDirectory,
                                                 std::string_view searchPath);

// lame for MP3; oggenc2 or oggenc for Ogg. Uses the PATH of the environment.
EncoderPrograms locateEncoders(const std::filesystem::path& programDirectory);

} // namespace dittaro
