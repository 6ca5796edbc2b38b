#include "material/answer_marking.h"

#include <gtest/gtest.h>

namespace dittaro {
namespace {

MarkingOptions textOptions() {
    return {};
}

MarkingOptions groupOptions() {
    MarkingOptions options;
    options.groups = true;
    return options;
}

MarkingOptions kochOptions() {
    MarkingOptions options = groupOptions();
    options.kochIntro = true;
    return options;
}

TEST(MarkingNormalization, ReplacementRulesInTheirOrder) {
    const struct {
        const char* text;
        const char* normalized;
    } cases[] = {
        {"Hallo WELT", "hallo welt"},
        // Prosigns typed as signs before bracketed remarks go.
        {"cq [ar] [bt] [kn]", "cq + = ("},
        {"a [remark] b [x]", "a  b "},
        // Shortest match: text between two tags stays.
        {"<F80> abc <W1000>", " abc "},
        {"[x] keep [y]", " keep "},
        {"one\r\ntwo\nthree\tfour\ffive", "one two three four five"},
        {"a_b^c", "a b c"},
        {"stop!", "stop."},
        {"$5 \x80 \x89 \xA3 \xA7", "dollar5 euro promille pfund paragraf"},
        {"20\xB0 3\xBA", "20grad 3grad"},
        {"2\xD7"
         "3 \x95 6\xF7"
         "2",
         "2*3 * 6:2"},
        {"5\xB5 \xB1", "5micro +-"},
        {"\x84q\x93 \x94r\xAB \xBB", "\"q\" \"r\" \""},
        {"#1 50% ~3 a&b", "nr.1 50prozent ca.3 a+b"},
        {"a\\b {c} d|e\xA6"
         "f",
         "a/b (c) d,e,f"},
        {"it`s it\xB4s", "it's it's"},
        {"end  . next , x  : y", "end. next, x: y"},
        // Capital umlauts and accents lower-cased, then expanded or folded.
        {"\xC4rger \xD6l \xDC"
         "ber",
         "aerger oel ueber"},
        {"\xC9t\xE9 \xC8ve \xC0 \xC1 \xC5 \xE0 \xE1 \xE5", "ete eve a a a a a a"},
        {"Stra\xDF"
         "e",
         "strasse"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(normalizeForMarking(c.text, textOptions()), c.normalized) << c.text;
    }
}

TEST(MarkingNormalization, ReplaceOptionsApplyOnlyWhenOnAndNeverToGroups) {
    MarkingOptions umlautsOnly;
    umlautsOnly.accentFolding = false;
    umlautsOnly.szExpansion = false;
    MarkingOptions allOff = umlautsOnly;
    allOff.umlautExpansion = false;
    MarkingOptions groupsWithOptions = groupOptions(); // the toggles are on but skipped

    const std::string text = "\xC4 \xE9 \xC0 \xDF";
    EXPECT_EQ(normalizeForMarking(text, textOptions()), "ae e a ss");
    EXPECT_EQ(normalizeForMarking(text, umlautsOnly), "ae \xE9 \xE5 \xDF");
    EXPECT_EQ(normalizeForMarking(text, allOff), "\xE4 \xE9 \xE5 \xDF");
    EXPECT_EQ(normalizeForMarking(text, groupsWithOptions), "\xE4 \xE9 \xE5 \xDF");
}

TEST(Levenshtein, CountsInsertionsDeletionsAndSubstitutions) {
    const struct {
        const char* a;
        const char* b;
        int distance;
    } cases[] = {
        {"", "", 0},
        {"", "abc", 3},
        {"abc", "", 3},
        {"abc", "abc", 0},
        {"kitten", "sitting", 3},
        {"ab", "ba", 2},
        {"stra\xDF"
         "e",
         "strasse", 2},
        {"ABC", "abc", 0},
        {"\xC4"
         "B",
         "\xE4"
         "b",
         0}, // case alone costs nothing
    };
    for (const auto& c : cases) {
        EXPECT_EQ(levenshtein(c.a, c.b), c.distance) << c.a << " / " << c.b;
        EXPECT_EQ(levenshtein(c.b, c.a), c.distance) << c.b << " / " << c.a;
    }
}

TEST(ResultLine, PercentToOneDecimalWithTheGivenSeparator) {
    const struct {
        int errors, characters;
        const char* separator;
        const char* line;
    } cases[] = {
        {1, 6, ".", "1 / 6 = 16.7 %"},    {1, 6, ",", "1 / 6 = 16,7 %"},
        {3, 120, ",", "3 / 120 = 2,5 %"}, {2, 3, ".", "2 / 3 = 66.7 %"},
        {1, 16, ".", "1 / 16 = 6.2 %"}, // as "%.1f" rounds 6.25
        {12, 5, ".", "12 / 5 = 240.0 %"}, {0, 7, ",", "0 / 7 = 0,0 %"},
        {0, 0, ",", "0 / 0 = 0,0 %"}, // nothing to mark, no division by zero
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resultLine(c.errors, c.characters, c.separator), c.line);
    }
}

struct MarkingCase {
    const char* name;
    const char* reference;
    const char* answer;
    MarkingOptions options;
    bool wordCountDiffers;
    int errors, characters;
    std::vector<WordPair> wrongWords;
};

TEST(MarkAnswer, MarksWordByWord) {
    const MarkingCase cases[] = {
        {"case only", "Hallo Welt", "hALLO welt", textOptions(), false, 0, 9, {}},
        {"one letter of six", "ab cd ef", "ab cx ef", textOptions(), false, 1, 6, {{"cd", "cx"}}},
        {"words run together", "ab cd", "abcd", textOptions(), true, 0, 4, {}},
        {"extra blanks between words", "ab   cd", " ab cd  ", textOptions(), false, 0, 4, {}},
        {"prosign typed as sign", "cq [ar]", "cq +", textOptions(), false, 0, 3, {}},
        {"sz rule on",
         "stra\xDF"
         "e",
         "strasse",
         textOptions(),
         false,
         0,
         7,
         {}},
        {"sz rule in groups",
         "stra\xDF"
         "e",
         "strasse",
         groupOptions(),
         false,
         2,
         6,
         {{"stra\xDF"
           "e",
           "strasse"}}},
        {"every wrong pair in order",
         "abc def ghi",
         "abx def gh",
         textOptions(),
         false,
         2,
         9,
         {{"abc", "abx"}, {"ghi", "gh"}}},
        {"line breaks", "abc\r\ndef\n", "abc def", textOptions(), false, 0, 6, {}},
        {"koch intro copied short",
         "kkkkk abc def",
         "kkk abc def",
         kochOptions(),
         false,
         0,
         11,
         {}},
        {"koch intro copied long", "kkkkk abc", "kkkkkkk abc", kochOptions(), false, 0, 8, {}},
        {"koch intro missed", "kkkkk mkkk ab", "mkkk ab", kochOptions(), false, 0, 11, {}},
        {"koch intro missed, then wrong",
         "kkkkk mkkk ab",
         "mkkk ax",
         kochOptions(),
         false,
         1,
         11,
         {{"ab", "ax"}}},
        {"koch rule off", "kkkkk mkkk ab", "mkkk ab", groupOptions(), true, 0, 11, {}},
        {"nothing to mark", "<tag>", "", textOptions(), false, 0, 0, {}},
        {"nothing sent, something typed", "[remark]", "abc", textOptions(), true, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const MarkingResult result = markAnswer(c.reference, c.answer, c.options);
        EXPECT_EQ(result.wordCountDiffers, c.wordCountDiffers) << c.name;
        EXPECT_EQ(result.errors, c.errors) << c.name;
        EXPECT_EQ(result.characters, c.characters) << c.name;
        ASSERT_EQ(result.wrongWords.size(), c.wrongWords.size()) << c.name;
        for (std::size_t i = 0; i < c.wrongWords.size(); ++i) {
            EXPECT_EQ(result.wrongWords[i].sent, c.wrongWords[i].sent) << c.name;
            EXPECT_EQ(result.wrongWords[i].typed, c.wrongWords[i].typed) << c.name;
        }
    }
}

TEST(MarkAnswer, FieldsReceiveTheNormalisedTextsWithATrailingBlank) {
    const MarkingResult result = markAnswer("Gr\xFC\xDF"
                                            "e [ar]",
                                            "GRUESSE +", textOptions());
    EXPECT_EQ(result.reference, "gruesse + ");
    EXPECT_EQ(result.answer, "gruesse + ");
    EXPECT_TRUE(result.wrongWords.empty());
}

} // namespace
} // namespace dittaro
