#include "engine/morse_code.h"
#include "material/character_weights.h"

#include <gtest/gtest.h>
#include <string_view>

namespace dittaro {
namespace {

// Dot units of a character from its Morse elements: dot 1, dash 3, one unit
// between elements, three after the character.
int durationFromElements(const MorseElements& e) {
    int units = e.count - 1 + 3;
    for (int i = 0; i < e.count; ++i) {
        units += e.isDash[i] ? 3 : 1;
    }
    return units;
}

TEST(CharacterWeight, MatchesTheMorseCodeOfEveryPrintableCharacter) {
    for (int c = 33; c <= 126; ++c) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '_' || plainCode(byte) == kNoCode) {
            continue;
        }
        EXPECT_EQ(characterWeight(byte), durationFromElements(plainElements(byte)))
            << "character '" << static_cast<char>(byte) << "'";
    }
}

TEST(CharacterWeight, SpecialCases) {
    struct Case {
        unsigned char c;
        int weight;
    };
    const Case cases[] = {
        {' ', 4},  {'_', 14}, {'<', 0},  {'>', 0},   {'[', 0},  {']', 0},
        {'e', 4},  {'E', 4},  {'0', 22}, {'\'', 22}, {'{', 20}, {'|', 18},
        {'\0', 0}, {'\t', 0}, {0x7F, 0}, {0xC4, 0},  {0xFC, 0}, {0xFF, 0},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(characterWeight(tc.c), tc.weight) << "byte " << int(tc.c);
    }
}

TEST(TimeFactor, SumsTheWeightsOfTheTrimmedLine) {
    struct Case {
        std::string_view line;
        int units;
    };
    const Case cases[] = {
        {"", 0},           {"   ", 0},
        {"paris", 46}, // plus the blank after it: the 50-unit standard word
        {"PARIS", 46},     {"  paris \r\n", 46},
        {"\tparis\r", 46}, {"cq de", 48},
        {"a  b", 28},      {"<ar>", 18},
        {"ab_c", 48},      {"tu 73 es gl", 6 + 10 + 4 + 16 + 16 + 4 + 4 + 8 + 4 + 12 + 12},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(timeFactor(tc.line), tc.units) << "line \"" << tc.line << "\"";
    }
}

} // namespace
} // namespace dittaro
