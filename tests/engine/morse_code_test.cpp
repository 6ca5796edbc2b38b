#include "engine/morse_code.h"

#include <gtest/gtest.h>
#include <string>

namespace dittaro {
namespace {

std::string pattern(const MorseElements& elements) {
    std::string out;
    for (int i = 0; i < elements.count; ++i) {
        out += elements.isDash[i] ? '-' : '.';
    }
    return out;
}

TEST(CharacterCode, ReadsLeadingOneThenElements) {
    const struct {
        CharacterCode code;
        const char* elements;
    } cases[] = {
        {5, ".-"},         {24, "-..."},      {2, "."}, {3, "-"},
        {256, "........"}, {511, "--------"}, {1, ""},  {0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pattern(readCharacterCode(c.code)), c.elements) << c.code;
    }
}

struct TableCase {
    unsigned char byte;
    const char* text;  // elements in the text code table
    const char* plain; // elements in the plain code table
};

TEST(CodeTables, SendTheAlphabetOfDittaro) {
    const TableCase cases[] = {
        {'A', ".-", ".-"},
        {'a', ".-", ".-"},
        {'b', "-...", "-..."},
        {'B', "..--.-", "-..."}, // text B carries the underscore
        {'_', "..--", "..--.-"},
        {'0', "-----", "-----"},
        {'9', "----.", "----."},
        {'!', "...-.", "...-."},
        {'#', "........", "........"},
        {'$', "-.-.-", "-.-.-"},
        {'%', "...-.-", "...-.-"},
        {'&', ".-...", ".-..."},
        {'(', "-.--.", "-.--."},
        {'+', ".-.-.", ".-.-."},
        {'=', "-...-", "-...-"},
        {'@', ".--.-.", ".--.-."},
        {'"', ".-..-.", ".-..-."},
        {'\\', ".-.-", ".-.-"},
        {'^', "---.", "---."},
        {'`', "..-..", "..-.."},
        {'{', "...--..", "...--.."},
        {'|', "----", "----"},
        {'}', ".-..-", ".-..-"},
        {'~', ".--.-", ".--.-"},
        {'<', "", ""},
        {'>', "", ""},
        {'[', "", ""},
        {']', "", ""},
        {' ', "", ""},
        {0xC4, "", ".-.-"}, // Ä only in the plain table
        {0xE5, "", ".--.-"},
        {0xC9, "", "..-.."},
        {0xE8, "", ".-..-"},
        {0xF6, "", "---."},
        {0xFC, "", "..--"},
        {0xDF, "", "...--.."},
        {0x80, "", ""},
        {0xBB, "", ""},
        {0x7F, "", ""},
    };
    for (const TableCase& c : cases) {
        EXPECT_EQ(pattern(textElements(c.byte)), c.text) << "text table, byte " << int(c.byte);
        EXPECT_EQ(pattern(plainElements(c.byte)), c.plain) << "plain table, byte " << int(c.byte);
        EXPECT_EQ(pattern(readCharacterCode(textCode(c.byte))), c.text) << int(c.byte);
        EXPECT_EQ(pattern(readCharacterCode(plainCode(c.byte))), c.plain) << int(c.byte);
    }
}

TEST(CodeTables, EveryPrintableByteButTheBracketsHasACode) {
    for (int b = 33; b <= 126; ++b) {
        const bool bracket = b == '<' || b == '>' || b == '[' || b == ']';
        EXPECT_EQ(textCode(static_cast<unsigned char>(b)) == kNoCode, bracket) << b;
        EXPECT_EQ(plainCode(static_cast<unsigned char>(b)) == kNoCode, bracket) << b;
    }
}

TEST(CodeTables, LowerAndUpperCaseLettersShareTheirCode) {
    for (char c = 'a'; c <= 'z'; ++c) {
        const auto upper = static_cast<unsigned char>(c - 'a' + 'A');
        EXPECT_EQ(plainCode(upper), plainCode(static_cast<unsigned char>(c))) << c;
        if (upper != 'B') {
            EXPECT_EQ(textCode(upper), textCode(static_cast<unsigned char>(c))) << c;
        }
    }
}

} // namespace
} // namespace dittaro
