// Runs dittaro-mkdata on small sources and checks the databases it writes, and that
// the build never replaces a database the user has changed.

#include "common/cp1252.h"
#include "common/sqlite_database.h"
#include "common/text_file.h"
#include "material/exam_categories.h"
#include "material/exam_scrambling.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <variant>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string linesOf(int count, const std::string& prefix, const std::string& lineEnd) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += prefix + std::to_string(i) + lineEnd;
    }
    return text;
}

class DatabasesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("dittaro_mkdata_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(source() / "schema");
        fs::copy(fs::path(DITTARO_SOURCE_DIR) / "data/schema", source() / "schema");
        writeFile(source() / "texts/texte_01.tsv", "# texte_01\n0\tDeutsch\tEnglish\tFran\xC3\xA7"
                                                   "ais\n1\tDatei\tFile\tFichier\n");
        writeFile(source() / "texts/form4_texte.tsv",
                  "0\tKein Fehler\tNo error\tAucune faute\n1\tZeile\\nzwei\tA\\tB\tC\\\\D\n");
        writeFile(source() / "exam/Rufzeichen_Pruefung.txt",
                  "cq cq\r\n  dl1abc  \r\n" + linesOf(118, "k", "\r\n"));
        writeFile(source() / "exam/Zitate_Pruefung.txt", linesOf(99, "zitat ", "\n"));
        writeFile(source() / "randomtexts/W\xC3\xB6rter 1.txt", "Haus\nhaus\n  HAUS \nBr\xC3\xBC"
                                                                "cke\n\nBaum\n");
        writeFile(source() / "randomtexts/2024.txt", "a\nb\n");
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path source() const { return dir_ / "source"; }
    fs::path out() const { return dir_ / "dist/data"; }
    fs::path dataDb() const { return out() / "Dittaro_Data.sqlite"; }
    fs::path randomDb() const { return out() / "Dittaro_Randomtext.sqlite"; }

    // The exit status of the tool; its output is kept in output_.
    int mkdata(const std::string& extra = "") {
        const fs::path log = dir_ / "mkdata.log";
        const std::string command = std::string("'") + DITTARO_MKDATA + "' --source '" +
                                    source().string() + "' --out '" + out().string() +
                                    "' --stamps '" + (dir_ / "stamps").string() + "' " + extra +
                                    " >'" + log.string() + "' 2>&1";
        const int status = std::system(command.c_str());
        output_ = fs::exists(log) ? readFileBytes(log) : "";
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static std::vector<std::string> column(SqliteDatabase& db, const std::string& sql) {
        std::vector<std::string> values;
        SqliteStatement s = db.prepare(sql);
        while (s.step()) {
            values.push_back(s.columnText(0));
        }
        return values;
    }

    fs::path dir_;
    std::string output_;
};

TEST_F(DatabasesTest, SettingsTablesHaveTheirColumnsInOrder) {
    ASSERT_EQ(mkdata(), 0) << output_;
    SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
    struct Table {
        std::string name;
        std::vector<std::string> columns; // "" = ours to name, never used
    };
    const Table tables[] = {
        {"voreinstellungen",
         {"Volume",
          "Frequency",
          "KeyerID",
          "GeschwindigkeitID",
          "IambicMode",
          "Reverse",
          "Farnsworth",
          "Gruppen",
          "Zeichenvorrat",
          "KochString",
          "KochStufe",
          "FarnsworthBpMID",
          "PunktStrichID",
          "WortabstandID",
          "Umlaute",
          "Akzente",
          "CH",
          "SZ",
          "Zeilen",
          "ZufallstextIndex",
          "Handtaste",
          "KochMethode",
          "TastungID",
          "ZeichenAnzeigen",
          "VerzID",
          "KG",
          "KF",
          "KA",
          "KSP",
          "KFM",
          "Obertoene",
          "ZeichenProGruppe",
          "GruppenWiederholungID",
          "Vorname",
          "Nachname",
          "Rufzeichen",
          "Sprache",
          "WortWiederholungID",
          "KZPG",
          "COM",
          "DecodierSpeed",
          "TabIndex",
          "TastaturMorsen",
          "relGeschw",
          "",
          "TastenModus",
          "FontsizeID",
          "DSR",
          "CTS",
          "RTS"}},
        {"kochtrainer",
         {"punktstrich", "minbpm", "maxbpm", "tiefsterton", "hoechsterton", "tasthaerte",
          "obertoene"}},
    };
    for (const Table& table : tables) {
        SqliteStatement select = db.prepare("SELECT * FROM " + table.name);
        ASSERT_TRUE(select.step()) << table.name;
        ASSERT_EQ(select.columnCount(), static_cast<int>(table.columns.size())) << table.name;
        for (int i = 0; i < select.columnCount(); ++i) {
            if (!table.columns[i].empty()) {
                EXPECT_EQ(select.columnName(i), table.columns[i]) << table.name << " " << i;
                // Saving writes every named column by name.
                SqliteStatement update =
                    db.prepare("UPDATE " + table.name + " SET " + table.columns[i] + " = :wert");
            } else {
                EXPECT_EQ(
                    std::count(table.columns.begin(), table.columns.end(), select.columnName(i)), 0)
                    << "position " << i << " must not carry a name the program uses";
            }
        }
        EXPECT_FALSE(select.step()) << table.name << " holds exactly one row";
    }
}

TEST_F(DatabasesTest, InitialSettingsAreTheDesignValues) {
    ASSERT_EQ(mkdata(), 0) << output_;
    SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
    using Value = std::variant<std::int64_t, std::string>;
    struct Case {
        int position;
        Value value;
    };
    const Case settings[] = {
        {0, 4},
        {1, 800},
        {2, 4},
        {3, 8},
        {4, 0},
        {5, 0},
        {6, 0},
        {7, 5},
        {8, std::string("abcdefghijklmnopqrstuvwxyz0123456789+-=,.:?/()'")},
        {9, std::string("fjsldkahgrueiwoqptzvncmxby6758493021/,=.?")},
        {10, 2},
        {11, 4},
        {12, 0},
        {13, 0},
        {14, 1},
        {15, 1},
        {16, 0},
        {17, 1},
        {18, 1},
        {19, 0},
        {20, 0},
        {21, 0},
        {22, 5},
        {23, 1},
        {24, 2},
        {25, 4},
        {26, 2},
        {27, 0},
        {28, 0},
        {29, 0},
        {30, 0},
        {31, 3},
        {32, 1},
        {33, std::string()},
        {34, std::string()},
        {35, std::string()},
        {36, 1},
        {37, 1},
        {38, 3},
        {39, 1},
        {40, 40},
        {41, 0},
        {42, 0},
        {43, 10},
        {45, 1},
        {46, 2},
        {47, 0},
        {48, 0},
        {49, 0},
    };
    const Case koch[] = {{0, 0}, {1, 70}, {2, 110}, {3, 400}, {4, 1200}, {5, 8}, {6, 0}};
    struct Table {
        std::string name;
        std::span<const Case> cases;
    };
    for (const Table& table : {Table{"voreinstellungen", settings}, Table{"kochtrainer", koch}}) {
        SqliteStatement row = db.prepare("SELECT * FROM " + table.name);
        ASSERT_TRUE(row.step());
        for (const Case& tc : table.cases) {
            if (const auto* number = std::get_if<std::int64_t>(&tc.value)) {
                EXPECT_EQ(row.columnInt(tc.position), *number)
                    << table.name << " " << row.columnName(tc.position);
                EXPECT_FALSE(row.columnIsNull(tc.position));
            } else {
                EXPECT_EQ(row.columnText(tc.position), std::get<std::string>(tc.value))
                    << table.name << " " << row.columnName(tc.position);
            }
        }
    }
}

TEST_F(DatabasesTest, TextTablesHoldOneRowPerLanguage) {
    ASSERT_EQ(mkdata(), 0) << output_;
    SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(column(db, "SELECT spalte_01 FROM texte_01 ORDER BY rowid"),
              (std::vector<std::string>{"Datei", "File", "Fichier"}));
    EXPECT_EQ(column(db, "SELECT spalte_00 FROM texte_01 WHERE rowid = 3"),
              (std::vector<std::string>{"Fran\xC3\xA7"
                                        "ais"}));
    EXPECT_EQ(column(db, "SELECT spalte_01 FROM form4_texte ORDER BY rowid"),
              (std::vector<std::string>{"Zeile\nzwei", "A\tB", "C\\D"}));
    EXPECT_EQ(column(db, "SELECT group_concat(rowid) FROM form4_texte"),
              (std::vector<std::string>{"1,2,3"}));
}

TEST_F(DatabasesTest, ExamTablesAreFilledThroughTheImport) {
    ASSERT_EQ(mkdata(), 0) << output_;
    EXPECT_NE(output_.find("Zitate_Pruefung.txt: 99 lines, fewer than 100"), std::string::npos)
        << output_;
    SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
    std::vector<std::string> names =
        column(db, "SELECT name FROM sqlite_master WHERE name NOT LIKE 'texte%' AND name NOT "
                   "LIKE 'form%' AND name NOT IN ('voreinstellungen', 'kochtrainer')");
    std::vector<std::string> documented;
    for (const char* utf8 :
         {"ÜüöÖÄä", "äöüÄÖÜ", "üÜÄäöÖ", "öÖÄäÜü", "äÄöÖüÜ", "ÄäÖöÜü", "ÄÖÜäöü", "ÖöäÄüÜ"}) {
        documented.push_back(utf8ToCp1252(utf8));
    }
    std::sort(names.begin(), names.end());
    std::sort(documented.begin(), documented.end());
    EXPECT_EQ(names, documented) << "table names are raw Windows-1252 bytes";

    const std::string calls(kExamCategories[0].tableName);
    SqliteStatement rows =
        db.prepare("SELECT textzeile, zeitfaktor, gebraucht FROM " + calls + " ORDER BY rowid");
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(unscrambleExamLine(rows.columnBlob(0)), "cq cq");
    EXPECT_EQ(rows.columnInt(1), 64);
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(unscrambleExamLine(rows.columnBlob(0)), "dl1abc");
    EXPECT_EQ(db.queryInteger("SELECT Count(*) FROM " + calls + " WHERE gebraucht = 0"), 120);
    for (std::size_t i = 1; i < kExamCategories.size(); ++i) {
        EXPECT_EQ(
            db.queryInteger("SELECT Count(*) FROM " + std::string(kExamCategories[i].tableName)), 0)
            << kExamCategories[i].caption;
    }
}

TEST_F(DatabasesTest, RandomTextTablesHoldDistinctLines) {
    ASSERT_EQ(mkdata(), 0) << output_;
    SqliteDatabase db(randomDb(), SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(column(db, "SELECT name FROM zufallstexte ORDER BY name"),
              (std::vector<std::string>{"W\xC3\xB6rter_1", "_2024"}));
    EXPECT_EQ(column(db, "SELECT textzeile FROM \"W\xC3\xB6rter_1\" ORDER BY rowid"),
              (std::vector<std::string>{"haus",
                                        "br\xC3\xBC"
                                        "cke",
                                        "", "baum"}));
    EXPECT_EQ(db.queryInteger("SELECT Sum(gebraucht) FROM _2024"), 0);
}

TEST_F(DatabasesTest, BuildNeverReplacesADatabaseTheUserChanged) {
    ASSERT_EQ(mkdata(), 0) << output_;
    ASSERT_EQ(mkdata(), 0) << output_;
    EXPECT_EQ(output_, "") << "nothing to do the second time";

    // Changed sources rebuild a database that is still as built.
    writeFile(source() / "texts/texte_01.tsv",
              "0\tDeutsch\tEnglish\tFrancais\n1\tNeu\tNew\tNeuf\n");
    writeFile(source() / "randomtexts/2024.txt", "c\n");
    ASSERT_EQ(mkdata(), 0) << output_;
    {
        SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
        EXPECT_EQ(column(db, "SELECT spalte_01 FROM texte_01 WHERE rowid = 1"),
                  std::vector<std::string>{"Neu"});
    }

    // The program saves its settings; the next source change must not undo that.
    {
        SqliteDatabase db(dataDb());
        db.execute("UPDATE voreinstellungen SET Volume = 17");
        SqliteDatabase random(randomDb());
        random.execute("UPDATE _2024 SET gebraucht = 1");
    }
    writeFile(source() / "texts/texte_01.tsv",
              "0\tDeutsch\tEnglish\tFrancais\n1\tAlt\tOld\tVieux\n");
    writeFile(source() / "randomtexts/2024.txt", "d\n");
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(mkdata(), 0) << output_;
        SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
        EXPECT_EQ(db.queryInteger("SELECT Volume FROM voreinstellungen"), 17);
        EXPECT_EQ(column(db, "SELECT spalte_01 FROM texte_01 WHERE rowid = 1"),
                  std::vector<std::string>{"Neu"});
        SqliteDatabase random(randomDb(), SqliteDatabase::Mode::ReadOnly);
        EXPECT_EQ(column(random, "SELECT textzeile FROM _2024"), std::vector<std::string>{"c"});
    }

    // Only on request.
    ASSERT_EQ(mkdata("--fresh"), 0) << output_;
    SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(db.queryInteger("SELECT Volume FROM voreinstellungen"), 4);
    EXPECT_EQ(column(db, "SELECT spalte_01 FROM texte_01 WHERE rowid = 1"),
              std::vector<std::string>{"Alt"});
    SqliteDatabase random(randomDb(), SqliteDatabase::Mode::ReadOnly);
    EXPECT_EQ(column(random, "SELECT textzeile FROM _2024"), std::vector<std::string>{"d"});
}

TEST_F(DatabasesTest, MissingOrEmptyDatabaseIsBuiltAgain) {
    for (const bool leaveEmptyFile : {false, true}) {
        ASSERT_EQ(mkdata(), 0) << output_;
        {
            SqliteDatabase db(dataDb());
            db.execute("UPDATE voreinstellungen SET Volume = 17");
        }
        fs::remove(dataDb());
        if (leaveEmptyFile) {
            std::ofstream{dataDb()};
        }
        ASSERT_EQ(mkdata(), 0) << output_;
        SqliteDatabase db(dataDb(), SqliteDatabase::Mode::ReadOnly);
        EXPECT_EQ(db.queryInteger("SELECT Volume FROM voreinstellungen"), 4)
            << (leaveEmptyFile ? "an empty file" : "no file");
    }
}

TEST_F(DatabasesTest, BrokenSourceFailsTheBuildAndLeavesTheDatabase) {
    struct Case {
        std::string file;
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"texts/texte_02.tsv", "0\tnur\tzwei\n", "texte_02.tsv: line 1: expected a position"},
        {"texts/Texte 7.tsv", "0\ta\tb\tc\n", "a table name of a..z, 0..9 and _ is expected"},
        {"exam/Rufzeichen_Pruefung.txt", linesOf(100, "gr\xC3\xBC\xC3\x9F", "\n"),
         "Rufzeichen_Pruefung.txt:1: character 0xC3 outside the blank .. ~"},
        {"exam/Rufzeichen_Pruefung.txt", linesOf(100, "a\tb", "\n"),
         "Rufzeichen_Pruefung.txt:1: character 0x09 outside the blank .. ~"},
    };
    ASSERT_EQ(mkdata(), 0) << output_;
    const std::string before = readFileBytes(dataDb());
    for (const Case& tc : cases) {
        const fs::path file = source() / tc.file;
        const std::string original = fs::exists(file) ? readFileBytes(file) : "";
        writeFile(file, tc.bytes);
        EXPECT_EQ(mkdata("--fresh"), 1) << tc.file;
        EXPECT_NE(output_.find(tc.message), std::string::npos) << output_;
        EXPECT_EQ(readFileBytes(dataDb()), before) << tc.file;
        EXPECT_FALSE(fs::exists(out() / "Dittaro_Data.sqlite.building"));
        if (original.empty()) {
            fs::remove(file);
        } else {
            writeFile(file, original);
        }
    }
}

} // namespace
} // namespace dittaro
