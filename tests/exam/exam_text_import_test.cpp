#include "common/cp1252.h"
#include "common/sqlite_database.h"
#include "common/text_file.h"
#include "exam/exam_text_import.h"
#include "material/exam_categories.h"
#include "material/exam_scrambling.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

// The call sign table, spelled as it is documented.
const std::string kCallSigns = utf8ToCp1252("ÜüöÖÄä");

std::vector<std::string> numberedLines(int count, const std::string& prefix) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back(prefix + std::to_string(i));
    }
    return lines;
}

struct Row {
    std::string plain;
    std::int64_t zeitfaktor;
    std::int64_t gebraucht;
    bool operator==(const Row&) const = default;
};

class ExamTextImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("dittaro_examimport_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        db_.emplace(dir_ / "data.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
    }
    void TearDown() override {
        db_.reset();
        fs::remove_all(dir_);
    }

    std::vector<Row> rows(const std::string& table) {
        std::vector<Row> out;
        SqliteStatement s = db_->prepare("SELECT textzeile, zeitfaktor, gebraucht FROM " + table +
                                         " ORDER BY rowid");
        while (s.step()) {
            out.push_back({unscrambleExamLine(s.columnBlob(0)), s.columnInt(1), s.columnInt(2)});
        }
        return out;
    }

    fs::path dir_;
    std::optional<SqliteDatabase> db_;
};

TEST_F(ExamTextImportTest, PrepareCreatesTheUmlautTablesAndCountsTheirRows) {
    const std::vector<std::string> documented = {"ÜüöÖÄä", "äöüÄÖÜ", "üÜÄäöÖ", "öÖÄäÜü",
                                                 "äÄöÖüÜ", "ÄäÖöÜü", "ÄÖÜäöü", "ÖöäÄüÜ"};
    EXPECT_EQ(prepareExamTables(*db_), (std::array<std::int64_t, 8>{}));
    SqliteStatement names = db_->prepare("SELECT name FROM sqlite_master WHERE type = 'table' "
                                         "ORDER BY rowid");
    for (const std::string& utf8 : documented) {
        ASSERT_TRUE(names.step());
        // Raw single bytes in the database, not the UTF-8 spelling.
        EXPECT_EQ(names.columnText(0), utf8ToCp1252(utf8));
        EXPECT_EQ(names.columnText(0).size(), 6u);
    }
    EXPECT_FALSE(names.step());

    ASSERT_TRUE(importExamText(*db_, kExamCategories[4].tableName, numberedLines(120, "z")));
    const auto counts = prepareExamTables(*db_);
    EXPECT_EQ(counts[4], 120);
    EXPECT_EQ(counts[0], 0);
}

TEST_F(ExamTextImportTest, LinesAreStoredTrimmedWithTheirTimeFactor) {
    std::vector<std::string> lines = numberedLines(100, "dl");
    lines[0] = "cq cq";
    lines[1] = "  paris  \t";
    lines[2] = "";
    lines[3] = "*q*q"; // scrambles to zero bytes
    lines[4] = "<ar> tu_";
    ASSERT_TRUE(importExamText(*db_, kCallSigns, lines));
    const std::vector<Row> stored = rows(kCallSigns);
    ASSERT_EQ(stored.size(), 100u);
    EXPECT_EQ(stored[0], (Row{"cq cq", 14 + 16 + 4 + 14 + 16, 0}));
    EXPECT_EQ(stored[1], (Row{"paris", 46, 0}));
    EXPECT_EQ(stored[2], (Row{"", 0, 0}));
    EXPECT_EQ(stored[3], (Row{"*q*q", 14 + 16 + 14 + 16, 0}));
    EXPECT_EQ(stored[4], (Row{"<ar> tu_", 8 + 10 + 4 + 6 + 10 + 14, 0}));
    EXPECT_EQ(stored[99], (Row{"dl99", 10 + 12 + 20 + 20, 0}));

    SqliteStatement raw = db_->prepare("SELECT textzeile FROM " + kCallSigns + " WHERE rowid = 4");
    ASSERT_TRUE(raw.step());
    const std::string bytes = raw.columnBlob(0);
    EXPECT_EQ(bytes.size(), 7u);
    EXPECT_NE(bytes.substr(3).find('\0'), std::string::npos);
    EXPECT_NE(bytes.substr(3), "*q*q") << "stored in plain";
}

TEST_F(ExamTextImportTest, TooShortFileChangesNothing) {
    struct Case {
        int lines;
        bool imported;
    };
    const Case cases[] = {{0, false}, {99, false}, {100, true}, {101, true}};
    for (const Case& tc : cases) {
        ASSERT_TRUE(importExamText(*db_, kCallSigns, numberedLines(150, "old")));
        EXPECT_EQ(importExamText(*db_, kCallSigns, numberedLines(tc.lines, "new")), tc.imported);
        const std::vector<Row> stored = rows(kCallSigns);
        EXPECT_EQ(stored.size(), tc.imported ? static_cast<std::size_t>(tc.lines) : 150u);
        EXPECT_EQ(stored.front().plain.substr(0, 3), tc.imported ? "new" : "old");
    }
}

TEST_F(ExamTextImportTest, ReimportReplacesTheTableAndClearsTheUsedFlags) {
    ASSERT_TRUE(importExamText(*db_, kCallSigns, numberedLines(130, "a")));
    db_->execute("UPDATE " + kCallSigns + " SET gebraucht = 1 WHERE rowid < 50");
    ASSERT_TRUE(importExamText(*db_, kCallSigns, numberedLines(110, "b")));
    const std::vector<Row> stored = rows(kCallSigns);
    ASSERT_EQ(stored.size(), 110u);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(stored[i].plain, "b" + std::to_string(i));
        EXPECT_EQ(stored[i].gebraucht, 0);
    }
    // The helper database is gone again.
    EXPECT_THROW(db_->execute("SELECT * FROM tempDB.tempTbl"), SqliteError);
}

TEST_F(ExamTextImportTest, CrLfAndLfFilesImportAlike) {
    std::string lf;
    std::string crlf;
    for (int i = 0; i < 100; ++i) {
        lf += "line " + std::to_string(i) + "\n";
        crlf += "line " + std::to_string(i) + "\r\n";
    }
    ASSERT_TRUE(importExamText(*db_, kCallSigns, splitLines(lf)));
    ASSERT_TRUE(importExamText(*db_, std::string(kExamCategories[1].tableName), splitLines(crlf)));
    EXPECT_EQ(rows(kCallSigns), rows(std::string(kExamCategories[1].tableName)));
    EXPECT_EQ(rows(kCallSigns).back().plain, "line 99");
    // 99 lines and a final line break are not 100 lines.
    EXPECT_FALSE(importExamText(*db_, kCallSigns, splitLines(lf.substr(lf.find('\n') + 1))));
}

} // namespace
} // namespace dittaro
