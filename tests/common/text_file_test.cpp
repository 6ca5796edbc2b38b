#include "common/text_file.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace dittaro {
namespace {

TEST(SplitLines, AcceptsEveryLineEnd) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\n", {"a"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"\n", {""}},
        {"\n\n", {"", ""}},
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\r\rb", {"a", "", "b"}},
        {" x \t\n", {" x \t"}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(splitLines(tc.text), tc.lines) << "text \"" << tc.text << "\"";
    }
}

TEST(ReadFileBytes, MissingFileThrows) {
    EXPECT_THROW(readFileBytes("/nonexistent/dittaro/file.txt"), std::runtime_error);
}

} // namespace
} // namespace dittaro
