#include "common/regex.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace dittaro {
namespace {

TEST(Regex, LazyAndGreedyQuantifiersChooseDifferentMatches) {
    const std::string subject = "x <ab> <cd> y";
    const Regex lazy("<.{2,16}>", Quantifiers::Lazy);
    const Regex greedy("<.{2,16}>", Quantifiers::Greedy);
    ASSERT_TRUE(lazy.search(subject));
    EXPECT_EQ(lazy.search(subject)->groups[0], "<ab>");
    EXPECT_EQ(greedy.search(subject)->groups[0], "<ab> <cd>");
    EXPECT_EQ(lazy.search(subject)->offset, 2u);
}

TEST(Regex, ReplacementIsLiteral) {
    const Regex digits(R"((\d+))");
    EXPECT_EQ(digits.replaceAll("a1b22", "$1\\"), "a$1\\b$1\\");
    EXPECT_EQ(Regex("x").replaceAll("", "y"), "");
    EXPECT_EQ(Regex("x").replaceAll("abc", "y"), "abc");
}

TEST(Regex, ReplacementMayGrowTheSubjectManyTimes) {
    const std::string subject(1000, 'a');
    const std::string replacement(50, 'b');
    const std::string out = Regex("a").replaceAll(subject, replacement);
    EXPECT_EQ(out, std::string(50000, 'b'));
}

TEST(Regex, WorksOnSingleBytesNotUtf8) {
    // "." takes one byte of a two-byte UTF-8 sequence; classes take high bytes.
    EXPECT_EQ(Regex("^.$").contains("\xC3\xA4"), false);
    EXPECT_EQ(Regex("[\x80-\xFF]").replaceAll("a\xE4\x80z", ""), "az");
    EXPECT_EQ(Regex("\xDF").replaceAll("Gr\xF6\xDF"
                                       "e",
                                       "ss"),
              "Gr\xF6sse");
}

TEST(Regex, IsCaseSensitive) {
    EXPECT_FALSE(Regex("ch").contains("CH"));
}

TEST(Regex, FindAllReportsEveryMatchWithItsGroups) {
    const auto matches = Regex(R"([\+\-](\d+))").findAll("-1000+100x-5");
    ASSERT_EQ(matches.size(), 3u);
    EXPECT_EQ(matches[0].groups[0], "-1000");
    EXPECT_EQ(matches[1].groups[1], "100");
    EXPECT_EQ(matches[2].offset, 10u);
}

TEST(Regex, FindAllTerminatesOnEmptyMatches) {
    EXPECT_EQ(Regex("x*").findAll("ab").size(), 3u);
}

TEST(Regex, UnsetGroupIsEmpty) {
    const auto match = Regex("S[34]([.,][05]?)?").search("S3");
    ASSERT_TRUE(match);
    ASSERT_EQ(match->groups.size(), 2u);
    EXPECT_EQ(match->groups[1], "");
}

TEST(Regex, MalformedPatternIsRejected) {
    EXPECT_THROW(Regex("(unclosed"), std::invalid_argument);
}

TEST(Regex, SearchPastTheEndFindsNothing) {
    EXPECT_FALSE(Regex("a").search("a", 5));
}

} // namespace
} // namespace dittaro
