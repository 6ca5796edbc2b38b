#include "common/text_file.h"
#include "material/practice_text_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

class PracticeTextFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("dittaro_text_file_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const char* name) const { return dir_ / name; }
    void put(const fs::path& path, const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path dir_;
};

TEST_F(PracticeTextFile, WritesWindows1252WithCrLfLineEnds) {
    const struct {
        const char* text;
        const char* bytes;
    } cases[] = {
        {"abc", "abc"},
        {"a\nb", "a\r\nb"},
        {"a\r\nb\n", "a\r\nb\r\n"},
        {"a\rb", "a\r\nb"},
        {"\n\nx", "\r\n\r\nx"},
        {"Gr\xFC\xDF"
         "e \x80",
         "Gr\xFC\xDF"
         "e \x80"},
    };
    for (const auto& c : cases) {
        const fs::path path = file("out.txt");
        EXPECT_TRUE(writePracticeTextFile(path, c.text));
        EXPECT_EQ(readFileBytes(path), c.bytes);
    }
}

TEST_F(PracticeTextFile, EmptyTextIsNotWritten) {
    const fs::path path = file("kept.txt");
    put(path, "old");
    EXPECT_FALSE(writePracticeTextFile(path, ""));
    EXPECT_EQ(readFileBytes(path), "old");
}

TEST_F(PracticeTextFile, ReadsTheFirst10000CharactersWithLfLineEnds) {
    const fs::path path = file("in.txt");
    put(path, "line one\r\nline \xE4\r\n");
    EXPECT_EQ(readPracticeTextFile(path), "line one\nline \xE4\n");

    put(path, std::string(9999, 'x') + "\r\n" + std::string(50, 'y'));
    EXPECT_EQ(readPracticeTextFile(path), std::string(9999, 'x') + "\n");
}

TEST_F(PracticeTextFile, FailuresNameTheFile) {
    const fs::path missing = file("missing.txt");
    EXPECT_THROW(readPracticeTextFile(missing), std::runtime_error);
    try {
        writePracticeTextFile(file("no_such_folder") / "x.txt", "abc");
        FAIL() << "a file in a missing folder was written";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("x.txt"), std::string::npos) << error.what();
    }
}

} // namespace
} // namespace dittaro
