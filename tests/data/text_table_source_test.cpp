#include "text_table_source.h"

#include <gtest/gtest.h>
#include <string>

namespace dittaro::mkdata {
namespace {

TEST(TextTableSource, ReadsColumnsInPositionOrder) {
    const std::string source = "# texte_99: a comment\n"
                               "\n"
                               "1\t&Neu\t&New\t&Nouveau\r\n"
                               "   \n"
                               "0\tDeutsch\tEnglish\tFran\xC3\xA7"
                               "ais\n"
                               "# 2: kept as written, blanks included\n"
                               "2\t Zeile 1\\nZeile 2 \tTab\\there\ta\\\\b\\d\n"
                               "3\t\t\t";
    const TextTableColumns columns = parseTextTableSource(source);
    ASSERT_EQ(columns.size(), 4u);
    EXPECT_EQ(columns[0][2], "Fran\xC3\xA7"
                             "ais");
    EXPECT_EQ(columns[1][0], "&Neu");
    EXPECT_EQ(columns[1][2], "&Nouveau") << "CR of a CR LF line end removed";
    EXPECT_EQ(columns[2][0], " Zeile 1\nZeile 2 ");
    EXPECT_EQ(columns[2][1], "Tab\there");
    EXPECT_EQ(columns[2][2], "a\\b\\d") << "only \\n, \\t and \\\\ are escapes";
    EXPECT_EQ(columns[3][0], "");
}

TEST(TextTableSource, RejectsMalformedSources) {
    struct Case {
        std::string source;
        std::string message;
    };
    const Case cases[] = {
        {"0\ta\tb\n", "line 1: expected a position and three texts separated by tabs, found 3 "
                      "fields"},
        {"# x\n0\ta\tb\tc\td\n", "line 2: expected a position and three texts separated by "
                                 "tabs, found 5 fields"},
        {"x\ta\tb\tc\n", "line 1: the position \"x\" is not a number"},
        {" 0\ta\tb\tc\n", "line 1: the position \" 0\" is not a number"},
        {"0\ta\tb\tc\n0\td\te\tf\n", "line 2: position 0 is given twice"},
        {"0\ta\tb\tc\n2\td\te\tf\n", "position 1 is missing"},
        {"1\ta\tb\tc\n", "position 0 is missing"},
    };
    for (const Case& tc : cases) {
        try {
            parseTextTableSource(tc.source);
            ADD_FAILURE() << "accepted: " << tc.source;
        } catch (const SourceError& e) {
            EXPECT_EQ(std::string(e.what()), tc.message);
        }
    }
}

TEST(TextTableSource, ColumnNames) {
    EXPECT_EQ(textColumnName(0), "spalte_00");
    EXPECT_EQ(textColumnName(7), "spalte_07");
    EXPECT_EQ(textColumnName(29), "spalte_29");
    EXPECT_EQ(textColumnName(100), "spalte_100");
}

} // namespace
} // namespace dittaro::mkdata
