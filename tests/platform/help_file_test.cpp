#include "platform/help/help_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

const fs::path kFixtures = HELP_FIXTURE_DIR;
const fs::path kShippedHelp = fs::path(DITTARO_BINARY_DIR) / "dist" / "doc" / "hilfe.chm";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HelpFile openOrFail(const fs::path& path) {
    std::string error;
    std::optional<HelpFile> help = HelpFile::open(path, error);
    if (!help) {
        throw std::runtime_error(error);
    }
    return std::move(*help);
}

// ---- a small help file with a context map that has a hole and a broken line ----

TEST(HelpFileFixture, OpensAtItsDefaultTopicWithContents) {
    const HelpFile help = openOrFail(kFixtures / "mapped.chm");
    EXPECT_EQ(help.title(), "Mapped fixture");
    EXPECT_EQ(help.defaultTopic(), (HelpTopic{"/start.html", ""}));
    const auto start = help.readTopic(help.defaultTopic());
    ASSERT_TRUE(start.has_value());
    EXPECT_NE(start->find("<h1>Start page</h1>"), std::string::npos);
    const std::vector<ContentsEntry> contents = {{"Start", "start.html", 0},
                                                 {"Other", "other.html#part", 0}};
    EXPECT_EQ(help.contents(), contents);
    std::vector<std::string> topics = help.topics();
    std::sort(topics.begin(), topics.end());
    EXPECT_EQ(topics, (std::vector<std::string>{"/other.html", "/start.html"}));
}

TEST(HelpFileFixture, ResolvesContextNumbersAndSaysWhyOneCannotBeShown) {
    const HelpFile help = openOrFail(kFixtures / "mapped.chm");
    struct Case {
        int number;
        std::optional<HelpTopic> topic;
        const char* error; // part of the message when there is no topic
    };
    const std::vector<Case> cases = {
        {1, HelpTopic{"/start.html", ""}, ""},
        {2, HelpTopic{"/other.html", "part"}, ""},
        {3, std::nullopt, "leads to \"missing.html\", which help file \"mapped.chm\" does not"},
        {4, std::nullopt, "context number 4 not found in help file \"mapped.chm\""},
        {0, std::nullopt, "context number 0 not found"},
        {-1, std::nullopt, "context number -1 not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const ContextLookup lookup = help.topicForContext(c.number);
        EXPECT_EQ(lookup.topic, c.topic);
        if (c.topic) {
            EXPECT_TRUE(lookup.error.empty());
            EXPECT_TRUE(help.readTopic(*c.topic).has_value());
        } else {
            EXPECT_NE(lookup.error.find(c.error), std::string::npos) << lookup.error;
        }
    }
    ASSERT_EQ(help.contextMapProblems().size(), 1u);
    EXPECT_NE(help.contextMapProblems()[0].find("line 5"), std::string::npos);
}

TEST(HelpFileFixture, AFileWithoutContextMapStillOpensButResolvesNothing) {
    const HelpFile help = openOrFail(kFixtures / "unmapped.chm");
    EXPECT_TRUE(help.readTopic(help.defaultTopic()).has_value());
    EXPECT_TRUE(help.contents().empty());
    const ContextLookup lookup = help.topicForContext(30);
    EXPECT_FALSE(lookup.topic.has_value());
    EXPECT_NE(lookup.error.find("has no context map"), std::string::npos) << lookup.error;
}

TEST(HelpFileFixture, ReadingAPageTheFileLacksGivesNothing) {
    const HelpFile help = openOrFail(kFixtures / "mapped.chm");
    EXPECT_FALSE(help.readTopic(splitTopic("missing.html")).has_value());
    EXPECT_FALSE(help.hasTopic(splitTopic("missing.html")));
    EXPECT_TRUE(help.hasTopic(splitTopic("other.html#part")));
}

// ---- missing and damaged files are reported, never a crash ----

class DamagedHelpFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() /
            ("dittaro_help_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir_;
};

TEST_F(DamagedHelpFile, AMissingFileOrAFolderIsReportedByName) {
    for (const fs::path& path : {dir_ / "hilfe.chm", dir_}) {
        std::string error;
        EXPECT_FALSE(HelpFile::open(path, error).has_value());
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    }
}

TEST_F(DamagedHelpFile, DamagedContentIsReportedByName) {
    const std::string good = readBytes(kShippedHelp);
    ASSERT_GT(good.size(), 5000u);
    std::mt19937 random(4711);
    std::string noise(good.size(), '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    std::string headerOnly = good.substr(0, 0x60) + noise.substr(0x60);
    std::string zeroedMiddle = good;
    std::fill(zeroedMiddle.begin() + 0x60, zeroedMiddle.end(), '\0');

    struct Case {
        const char* label;
        std::string bytes;
    };
    const std::vector<Case> cases = {
        {"empty file", ""},
        {"a text file", "this is not a help file\n"},
        {"random bytes", noise},
        {"CHM header, then noise", headerOnly},
        {"CHM header, then zeros", zeroedMiddle},
        {"cut after 10 bytes", good.substr(0, 10)},
        {"cut after 100 bytes", good.substr(0, 100)},
        {"cut after 500 bytes", good.substr(0, 500)},
        {"cut after 2000 bytes", good.substr(0, 2000)},
        {"cut in half", good.substr(0, good.size() / 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const fs::path path = write("damaged.chm", c.bytes);
        std::string error;
        EXPECT_FALSE(HelpFile::open(path, error).has_value());
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    }
}

} // namespace
} // namespace dittaro
