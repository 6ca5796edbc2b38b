#include "engine/morse_code.h"

#include <string_view>

namespace dittaro {
namespace {

// Builds a code from its dots and dashes, e.g. ".-" -> 0b101.
constexpr CharacterCode code(std::string_view elements) {
    CharacterCode value = 1;
    for (char e : elements) {
        value = static_cast<CharacterCode>((value << 1) | (e == '-' ? 1 : 0));
    }
    return value;
}

struct Row {
    unsigned char byte;
    std::string_view elements;
};

// International Morse code (ITU-R M.1677) for letters and digits.
constexpr Row kLettersAndDigits[] = {
    {'A', ".-"},    {'B', "-..."},  {'C', "-.-."},  {'D', "-.."},   {'E', "."},     {'F', "..-."},
    {'G', "--."},   {'H', "...."},  {'I', ".."},    {'J', ".---"},  {'K', "-.-"},   {'L', ".-.."},
    {'M', "--"},    {'N', "-."},    {'O', "---"},   {'P', ".--."},  {'Q', "--.-"},  {'R', ".-."},
    {'S', "..."},   {'T', "-"},     {'U', "..-"},   {'V', "...-"},  {'W', ".--"},   {'X', "-..-"},
    {'Y', "-.--"},  {'Z', "--.."},  {'0', "-----"}, {'1', ".----"}, {'2', "..---"}, {'3', "...--"},
    {'4', "....-"}, {'5', "....."}, {'6', "-...."}, {'7', "--..."}, {'8', "---.."}, {'9', "----."},
};

// Signs, prosigns and the internal characters, shared by both tables.
constexpr Row kSigns[] = {
    {'!', "...-."},  {'"', ".-..-."},  {'#', "........"}, {'$', "-.-.-"},   {'%', "...-.-"},
    {'&', ".-..."},  {'\'', ".----."}, {'(', "-.--."},    {')', "-.--.-"},  {'*', "-..-"},
    {'+', ".-.-."},  {',', "--..--"},  {'-', "-....-"},   {'.', ".-.-.-"},  {'/', "-..-."},
    {':', "---..."}, {';', "-.-.-."},  {'=', "-...-"},    {'?', "..--.."},  {'@', ".--.-."},
    {'\\', ".-.-"},  {'^', "---."},    {'`', "..-.."},    {'{', "...--.."}, {'|', "----"},
    {'}', ".-..-"},  {'~', ".--.-"},
};

// Windows-1252 letters of the plain table.
constexpr Row kAccentedLetters[] = {
    {0xC0, ".--.-"}, {0xC1, ".--.-"},   {0xC5, ".--.-"}, {0xE0, ".--.-"}, {0xE1, ".--.-"},
    {0xE5, ".--.-"}, {0xC4, ".-.-"},    {0xE4, ".-.-"},  {0xC9, "..-.."}, {0xE9, "..-.."},
    {0xC8, ".-..-"}, {0xE8, ".-..-"},   {0xD6, "---."},  {0xF6, "---."},  {0xDC, "..--"},
    {0xFC, "..--"},  {0xDF, "...--.."},
};

struct Tables {
    std::array<CharacterCode, 256> text{};
    std::array<CharacterCode, 256> plain{};
    std::array<MorseElements, 256> textElements{};
    std::array<MorseElements, 256> plainElements{};

    Tables() {
        text.fill(kNoCode);
        plain.fill(kNoCode);
        for (const Row& row : kLettersAndDigits) {
            const CharacterCode c = code(row.elements);
            const unsigned char lower =
                row.byte >= 'A' && row.byte <= 'Z' ? row.byte + ('a' - 'A') : row.byte;
            text[row.byte] = text[lower] = plain[row.byte] = plain[lower] = c;
        }
        for (const Row& row : kSigns) {
            text[row.byte] = plain[row.byte] = code(row.elements);
        }
        // The normaliser sends every real "B" as "b"; "B" carries the underscore.
        text['B'] = code("..--.-");
        text['_'] = code("..--");
        plain['_'] = code("..--.-");
        for (const Row& row : kAccentedLetters) {
            plain[row.byte] = code(row.elements);
        }
        for (int b = 0; b < 256; ++b) {
            textElements[b] = readCharacterCode(text[b]);
            plainElements[b] = readCharacterCode(plain[b]);
        }
    }
};

const Tables& tables() {
    static const Tables instance;
    return instance;
}

} // namespace

MorseElements readCharacterCode(CharacterCode code) {
    MorseElements result;
    if (code <= kNoCode) {
        return result;
    }
    unsigned value = code;
    int count = 8;
    while (value < 256) {
        value <<= 1;
        --count;
    }
    value -= 256;
    result.count = count;
    for (int i = 0; i < count; ++i) {
        value <<= 1;
        result.isDash[i] = value >= 256;
        if (value >= 256) {
            value -= 256;
        }
    }
    return result;
}

CharacterCode textCode(unsigned char byte) {
    return byte >= 33 && byte <= 126 ? tables().text[byte] : kNoCode;
}

CharacterCode plainCode(unsigned char byte) {
    return byte >= 33 ? tables().plain[byte] : kNoCode;
}

const MorseElements& textElements(unsigned char byte) {
    return tables().textElements[byte >= 33 && byte <= 126 ? byte : 0];
}

const MorseElements& plainElements(unsigned char byte) {
    return tables().plainElements[byte >= 33 ? byte : 0];
}

} // namespace dittaro
