#include "engine/morse_code.h"
#include "engine/normalizer.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>

namespace dittaro {
namespace {

// Options as letters: u umlaut expansion, s ß expansion, c ch as one character,
// a accent folding.
ConversionOptions parseOptions(std::string_view letters) {
    ConversionOptions options;
    options.umlautExpansion = letters.find('u') != std::string_view::npos;
    options.szExpansion = letters.find('s') != std::string_view::npos;
    options.chAsOneCharacter = letters.find('c') != std::string_view::npos;
    options.accentFolding = letters.find('a') != std::string_view::npos;
    return options;
}

struct Case {
    const char* name;
    std::string input; // Windows-1252
    const char* options;
    std::string expected;
};

// Control codes and parameters as bytes.
std::string speed(int p) {
    return std::string("\xBB") + static_cast<char>(p);
}
std::string farnsworth(int p) {
    return std::string("\xBA") + static_cast<char>(p);
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class NormalizerCases : public testing::TestWithParam<Case> {};

TEST_P(NormalizerCases, Normalises) {
    const Case& c = GetParam();
    EXPECT_EQ(normalizeText(c.input, parseOptions(c.options)), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Text, NormalizerCases,
    testing::Values(
        Case{"empty", "", "", ""}, Case{"blanks only", "  \t\r\n ", "", ""},
        Case{"whitespace becomes blanks", "a\tb\r\nc", "", "a b  c"},
        Case{"long runs become five blanks", "a       b", "", "a     b"},
        Case{"caret is a blank", "a^b", "", "a b"},
        Case{"groesse, options off",
             "Gr\xF6\xDF"
             "e",
             "", "Gr^{e"},
        Case{"groesse, options on",
             "Gr\xF6\xDF"
             "e",
             "us", "Groesse"},
        Case{"capital umlauts", "\xC4\xD6\xDC", "", "\\^_"},
        Case{"capital umlauts expanded", "\xC4\xD6\xDC", "u", "aeoeue"},
        Case{"real exclamation mark is a full stop", "hi!", "", "hi."},
        Case{"prosign ve", "[VE] [ve] [Sn]", "", "! ! !"},
        Case{"prosigns", "[hh][ka][ct][sk][eb][as][ar][bt][kn]", "", "#$$%&&+=("},
        Case{"mixed-case prosign", "[sK]", "", "%"},
        Case{"unknown prosign loses its brackets", "[xy]", "", "xy"},
        Case{"B and underscore", "AB_", "", "AbB"}, Case{"bach with ch as one", "Bach", "c", "ba|"},
        Case{"ch in any case", "CH Ch cH ch", "c", "| | | |"}, Case{"ch kept", "Bach", "", "bach"},
        Case{"user bytes cleared before the letters take them", "\\{}|`~&#%$", "",
             "/(),'ca.+Nr.ProzentDollar"},
        Case{"currency and signs", "\x80\x89\xA3\xA7\xB0\xBA\xB5\xB1", "",
             "EuroPromillePfundParagrafGradGradMicro+-"},
        Case{"times, bullet, divide",
             "2\xD7"
             "3\x95\xF7",
             "", "2*3*/"},
        Case{"quotes", "\x84hi\x93 \xABx\xBB \x94", "", "\"hi\" \"x\" \""},
        Case{"broken bar and acute",
             "a\xA6"
             "b\xB4",
             "", "a,b'"},
        Case{"number sign before a number", "#5", "", "Nr.5"},
        Case{"accents kept", "\xE9\xC9\xE8\xC8\xE0\xE1\xE5\xC0\xC1\xC5", "", "``}}~~~~~~"},
        Case{"accents folded", "\xE9\xE8\xE0\xC5", "a", "eeaa"},
        Case{"other high bytes are deleted",
             "a\xA0"
             "b\xFF\x81",
             "", "ab"},
        Case{"no command: one character", "<W>", "", "W"},
        Case{"unknown command removed", "a<hello>b", "", "ab"},
        Case{"unterminated command loses only its bracket", "<120 abc", "", "120 abc"},
        Case{"speed", "<120>", "", speed(20)}, Case{"speed rounds up", "<123>", "", speed(21)},
        Case{"speed rounds down", "<122>", "", speed(20)},
        Case{"speed clamped low", "<30>", "", speed(4)},
        Case{"speed clamped high", "<999>", "", speed(176)},
        Case{"speed needs the digits first", "<a120>", "", ""},
        Case{"farnsworth clamped", "<F45>", "", farnsworth(1)},
        Case{"farnsworth lower case", "<f80>", "", farnsworth(3)},
        Case{"farnsworth clamped high", "<F950>", "", farnsworth(85)},
        Case{"farnsworth off", "<F->", "", "\xFF"},
        Case{"ratios", "<S3><S3,5><s4><S4.0><S3.><S4,5>", "", "\xF3\xF4\xF5\xF5\xF3\xF4"},
        Case{"word pauses", "<W0><W249><W250><W1749><W1750><W2499><W2500><W5499><W5500><W7000>", "",
             "\xF6\xF6\xF7\xF9\xFA\xFA\xFB\xFD\xFE\xFE"},
        Case{"combined command", "<F80 S4 W1000>", "", farnsworth(3) + "\xF5\xF8"},
        Case{"every occurrence of a command is replaced", "a<120>b<120>", "",
             "a" + speed(20) + "b" + speed(20)},
        Case{"parameter 32 at the end is not trimmed", "a<180>", "", "a" + speed(32)},
        Case{"parameter 60 kept", "a<320>", "", "a" + speed(60)},
        Case{"parameter 62 kept", "<330>b", "", speed(62) + "b"},
        Case{"parameters 91 and 93 kept", "<475><485>", "", speed(91) + speed(93)},
        Case{"parameter < is no command start", "<320>xy> <[", "", speed(60) + "xy"},
        Case{"a command spans an inner one", "<ab<330>", "", speed(62)},
        Case{"parameter > closes no command", "<" + std::string(15, 'a') + "<330>", "",
             std::string(15, 'a') + speed(62)},
        Case{"nested command start", "<<120>>", "", speed(20)},
        Case{"trailing blanks and controls trimmed", "ab \x01\x02  ", "", "ab"},
        Case{"euro, percent", "5\x80 50%", "", "5Euro 50Prozent"}),
    [](const testing::TestParamInfo<Case>& info) {
        std::string name;
        for (const char c : std::string_view(info.param.name)) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

TEST(Normalizer, ProsignsAndTheirSignsShareTheirCode) {
    const ConversionOptions options;
    const struct {
        const char* prosign;
        const char* sign;
    } pairs[] = {{"[ar]", "+"}, {"[kn]", "("}, {"[bt]", "="}};
    for (const auto& pair : pairs) {
        const std::string a = normalizeText(pair.prosign, options);
        const std::string b = normalizeText(pair.sign, options);
        ASSERT_EQ(a.size(), 1u);
        ASSERT_EQ(b.size(), 1u);
        EXPECT_EQ(textCode(a[0]), textCode(b[0])) << pair.prosign;
    }
}

TEST(Normalizer, RealUnderscoreSendsTheUnderscoreCode) {
    const std::string s = normalizeText("_", ConversionOptions{});
    ASSERT_EQ(s, "B");
    EXPECT_EQ(textCode('B'), plainCode('_'));
}

TEST(Normalizer, TellsParameterBytesFromText) {
    const std::string s = "a" + speed(60) + "<";
    EXPECT_FALSE(isParameterByte(s, 0));
    EXPECT_FALSE(isParameterByte(s, 1));
    EXPECT_TRUE(isParameterByte(s, 2));
    EXPECT_FALSE(isParameterByte(s, 3));
    EXPECT_FALSE(isParameterByte(s, 99));
}

} // namespace
} // namespace dittaro
