#pragma once

// Writing the audio export's WAV file: the whole file appears under its name only once it
// is complete, so a failed export never leaves a half-written file behind, and an encoder
// still reading the previous file keeps reading that one.

#include "engine/wav_render.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace dittaro {

enum class RenderStatus {
    Written,
    NoTokens,    // the timing text holds no element
    TooLong,     // more samples than a WAV file can count
    WriteFailed, // the target cannot be written; the reason says why
};

struct RenderOutcome {
    RenderStatus status = RenderStatus::NoTokens;
    std::string reason; // system reason, UTF-8
    long long samples = 0;
};

// position 0 .. maximum = number of elements - 1: once at the start, then after every
// fifth part of the elements (after every element when there are fewer than five).
using RenderProgress = std::function<void(int position, int maximum)>;

RenderOutcome renderWavFile(const std::filesystem::path& target, std::string_view timingText,
                            const RenderSettings& settings, const RenderProgress& progress = {});

} // namespace dittaro
