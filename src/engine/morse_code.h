#pragma once

// The Morse alphabet of Dittaro: 16-bit character codes (a leading 1 bit, then one
// bit per element, 0 a dot and 1 a dash) in two tables, and the control codes that
// in-text commands leave in a normalised string.

#include <array>
#include <cstdint>

namespace dittaro {

using CharacterCode = std::uint16_t;

// "No code": the byte is skipped, producing neither sound nor a gap of its own.
inline constexpr CharacterCode kNoCode = 1;

struct MorseElements {
    int count = 0;
    std::array<bool, 8> isDash{};
};

// Reads a code as the keyer and the decoder agree: shift left until the value
// reaches 256, the shifts left over counting the elements.
MorseElements readCharacterCode(CharacterCode code);

// Bytes 33..126, as used for normalised free text ("B" carries the underscore code).
CharacterCode textCode(unsigned char byte);
// Bytes 33..255, as used for generated material and keyboard Morse.
CharacterCode plainCode(unsigned char byte);

const MorseElements& textElements(unsigned char byte);
const MorseElements& plainElements(unsigned char byte);

namespace control {
inline constexpr unsigned char kSpeed = 187;      // + parameter p: p * 5 + 20 BpM
inline constexpr unsigned char kFarnsworth = 186; // + parameter p: on at p * 10 + 50 BpM
inline constexpr unsigned char kFarnsworthOff = 255;
inline constexpr unsigned char kRatio3 = 243;
inline constexpr unsigned char kRatio35 = 244;
inline constexpr unsigned char kRatio4 = 245;
inline constexpr unsigned char kWordPause0 = 246; // .. 254: the word pauses below
inline constexpr std::array<int, 9> kWordPausesMs = {0,    500,  1000, 1500, 2000,
                                                     3000, 4000, 5000, 6000};

inline constexpr bool takesParameter(unsigned char code) {
    return code == kSpeed || code == kFarnsworth;
}
} // namespace control

} // namespace dittaro
