#include "common/cp1252.h"
#include "common/sqlite_database.h"
#include "common/text_file.h"
#include "material/random_text_import.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

TEST(RandomTextTableName, ProposedFromTheFileName) {
    struct Case {
        std::string fileName; // Windows-1252
        std::string proposed;
        std::string stored;
    };
    const Case cases[] = {
        {"Sprich-w\xF6rter 1.txt", "Sprich_w\xF6rter_1", "Sprich_w\xF6rter_1"},
        {"2024.txt", "2024", "_2024"},
        {"a b?c*d,e-f+g.h.txt", "a_b_c_d_e_f_g_h", "a_b_c_d_e_f_g_h"},
        {"q_groups.txt", "q_groups", "q_groups"},
        {".txt", "", ""},
        {"abc", "", ""},
    };
    for (const Case& tc : cases) {
        const std::string proposed = proposedRandomTextTableName(tc.fileName);
        EXPECT_EQ(proposed, tc.proposed) << tc.fileName;
        EXPECT_EQ(randomTextTableName(proposed), tc.stored) << tc.fileName;
    }
}

TEST(RandomTextTableName, EditedNameIsSanitisedAgain) {
    struct Case {
        std::string edited;
        std::string stored;
    };
    const Case cases[] = {
        {"my words", "my_words"}, {"9er", "_9er"}, {"_9", "_9"},
        {"a.b", "a_b"},           {"", ""},        {"x(y)", "x(y)"},
    };
    for (const Case& tc : cases) {
        EXPECT_EQ(randomTextTableName(tc.edited), tc.stored) << tc.edited;
    }
}

class RandomTextImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = fs::temp_directory_path() /
                ("dittaro_randomtext_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".sqlite");
        fs::remove(path_);
        SqliteDatabase db(path_, SqliteDatabase::Mode::ReadWriteCreate);
        db.execute(readFileBytes(fs::path(DITTARO_SOURCE_DIR) / "data/schema/randomtext.sql"));
    }
    void TearDown() override { fs::remove(path_); }

    std::vector<std::string> rows(SqliteDatabase& db, const std::string& sql) {
        std::vector<std::string> out;
        SqliteStatement s = db.prepare(sql);
        while (s.step()) {
            out.push_back(s.columnText(0));
        }
        return out;
    }

    fs::path path_;
};

TEST_F(RandomTextImportTest, StoresEachTrimmedLowerCasedLineOnce) {
    SqliteDatabase db(path_);
    importRandomTextTable(db, "words",
                          {"Hello World", "hello world", "  HELLO WORLD \t", "", "",
                           "Gr\xDC\xDF"
                           "e",
                           "gr\xFC\xDF"
                           "e"});
    // Only A..Z are lower-cased; the umlauts stay and are stored as UTF-8.
    EXPECT_EQ(rows(db, "SELECT textzeile FROM words ORDER BY rowid"),
              (std::vector<std::string>{"hello world", "",
                                        "gr\xC3\x9C\xC3\x9F"
                                        "e",
                                        "gr\xC3\xBC\xC3\x9F"
                                        "e"}));
    EXPECT_EQ(db.queryInteger("SELECT Count(*) FROM words WHERE gebraucht = 0"), 4);
    EXPECT_EQ(rows(db, "SELECT name FROM zufallstexte"), (std::vector<std::string>{"words"}));
}

TEST_F(RandomTextImportTest, SameNameReplacesTheTableAndKeepsOneIndexRow) {
    SqliteDatabase db(path_);
    importRandomTextTable(db, "calls", {"dl1abc", "g4xyz"});
    importRandomTextTable(db, "other", {"x"});
    db.execute("UPDATE calls SET gebraucht = 1");
    importRandomTextTable(db, "calls", {"k1abc", "K1ABC", "ve3xyz"});
    EXPECT_EQ(rows(db, "SELECT textzeile || gebraucht FROM calls ORDER BY rowid"),
              (std::vector<std::string>{"k1abc0", "ve3xyz0"}));
    EXPECT_EQ(rows(db, "SELECT name FROM zufallstexte ORDER BY name"),
              (std::vector<std::string>{"calls", "other"}));
}

TEST_F(RandomTextImportTest, UmlautNameIsStoredAsUtf8) {
    SqliteDatabase db(path_);
    const std::string name = randomTextTableName(proposedRandomTextTableName("W\xF6rter.txt"));
    importRandomTextTable(db, name, {"eins", "zwei"});
    EXPECT_EQ(rows(db, "SELECT name FROM zufallstexte"),
              (std::vector<std::string>{"W\xC3\xB6rter"}));
    EXPECT_EQ(db.queryInteger("SELECT Count(*) FROM \"W\xC3\xB6rter\""), 2);
    EXPECT_EQ(utf8ToCp1252(rows(db, "SELECT name FROM zufallstexte").front()), name);
}

TEST_F(RandomTextImportTest, RefusedNameLeavesTheLibraryAsItWas) {
    SqliteDatabase db(path_);
    importRandomTextTable(db, "calls", {"dl1abc"});
    EXPECT_THROW(importRandomTextTable(db, "bad(name", {"a"}), SqliteError);
    EXPECT_THROW(importRandomTextTable(db, "", {"a"}), SqliteError);
    EXPECT_EQ(rows(db, "SELECT name FROM zufallstexte"), (std::vector<std::string>{"calls"}));
    EXPECT_EQ(rows(db, "SELECT textzeile FROM calls"), (std::vector<std::string>{"dl1abc"}));
    // The in-memory helper database was detached: the next import works.
    importRandomTextTable(db, "more", {"b"});
    EXPECT_EQ(db.queryInteger("SELECT Count(*) FROM zufallstexte"), 2);
}

} // namespace
} // namespace dittaro
