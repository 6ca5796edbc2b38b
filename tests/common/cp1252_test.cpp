#include "common/cp1252.h"

#include <gtest/gtest.h>

namespace dittaro {
namespace {

struct ByteCase {
    unsigned char byte;
    char32_t codePoint;
};

TEST(Cp1252, MapsBytesToCodePoints) {
    const ByteCase cases[] = {
        {0x41, U'A'},   {0x80, 0x20AC}, {0x81, 0x81},   {0x8D, 0x8D},   {0x8F, 0x8F},
        {0x90, 0x90},   {0x9D, 0x9D},   {0x84, 0x201E}, {0x93, 0x201C}, {0x95, 0x2022},
        {0x9F, 0x0178}, {0xA0, 0xA0},   {0xC4, U'Ä'},   {0xDF, U'ß'},   {0xFF, U'ÿ'},
    };
    for (const ByteCase& c : cases) {
        EXPECT_EQ(cp1252ToCodePoint(c.byte), c.codePoint) << int(c.byte);
        EXPECT_EQ(static_cast<unsigned char>(codePointToCp1252(c.codePoint)), c.byte)
            << int(c.byte);
    }
}

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    EXPECT_EQ(utf32ToCp1252(cp1252ToUtf32(all)), all);
}

TEST(Cp1252, CharactersWithoutAWindows1252FormBecomeBlanks) {
    EXPECT_EQ(utf8ToCp1252("a\u03A9b"), "a b");            // Greek capital omega
    EXPECT_EQ(utf8ToCp1252("x\U0001F600y"), "x y");        // outside the BMP
    EXPECT_EQ(utf8ToCp1252("\u20AC \u201E"), "\x80 \x84"); // euro and low quote do exist
    EXPECT_EQ(utf32ToCp1252(U"\u0100"), " ");
}

TEST(Cp1252, MalformedUtf8IsReadByteByByteWithoutLoss) {
    EXPECT_EQ(utf8ToCp1252("Gr\xF6\xDF"
                           "e"),
              "Gr\xF6\xDF"
              "e");                                          // Latin-1 text passed as if UTF-8
    EXPECT_EQ(utf8ToCp1252("\xC3"), "\xC3");                 // truncated sequence at the end
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "\xC0\xAF");         // overlong form is not decoded
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "\xED\xA0\x80"); // a surrogate is not a character
}

} // namespace
} // namespace dittaro
