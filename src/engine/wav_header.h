#pragma once

// The 44-byte header of a 16-bit mono PCM WAV file, all numbers little-endian.

#include <array>
#include <cstdint>
#include <optional>

namespace dittaro {

constexpr std::size_t kWavHeaderSize = 44;
// Offsets of the two size fields, written after the samples.
constexpr std::size_t kWavRiffSizeOffset = 4;
constexpr std::size_t kWavDataSizeOffset = 40;

inline void putLittleEndian(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// Without dataBytes both size fields are 0, to be filled in after the samples.
inline std::array<std::uint8_t, kWavHeaderSize>
wavHeader(std::uint32_t sampleRate, std::optional<std::uint32_t> dataBytes = std::nullopt) {
    std::array<std::uint8_t, kWavHeaderSize> h{};
    auto text = [&h](std::size_t at, const char(&s)[5]) {
        for (int i = 0; i < 4; ++i) {
            h[at + i] = static_cast<std::uint8_t>(s[i]);
        }
    };
    text(0, "RIFF");
    putLittleEndian(&h[4], dataBytes ? *dataBytes + 36 : 0, 4);
    text(8, "WAVE");
    text(12, "fmt ");
    putLittleEndian(&h[16], 16, 4);             // format chunk size
    putLittleEndian(&h[20], 1, 2);              // PCM
    putLittleEndian(&h[22], 1, 2);              // channels
    putLittleEndian(&h[24], sampleRate, 4);     // samples per second
    putLittleEndian(&h[28], sampleRate * 2, 4); // bytes per second
    putLittleEndian(&h[32], 2, 2);              // bytes per frame
    putLittleEndian(&h[34], 16, 2);             // bits per sample
    text(36, "data");
    putLittleEndian(&h[40], dataBytes.value_or(0), 4);
    return h;
}

} // namespace dittaro
