// The interface texts: their sources in data/texts, the cells the program reads, and the
// same cells in the built data database.

#include "app/interface_text_columns.h"
#include "common/cp1252.h"
#include "common/sqlite_database.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

constexpr int kLanguages = 3; // rowid 1 Deutsch, 2 English, 3 Français
constexpr std::array<const char*, kLanguages> kLanguageNames{"Deutsch", "English", "Français"};
constexpr std::string_view kNoBreakSpace = "\u00a0";

using Row = std::array<std::string, kLanguages>;

struct TextTableSource {
    std::map<int, Row> cells;          // by column position
    std::vector<std::string> problems; // format faults, each with its line number
};

fs::path textsDir() {
    return fs::path(DITTARO_SOURCE_DIR) / "data" / "texts";
}

// Undoes the three escapes of a cell; anything else after a backslash is a fault.
bool unescapeCell(std::string_view raw, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            out += raw[i];
            continue;
        }
        if (++i == raw.size()) {
            return false;
        }
        switch (raw[i]) {
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return false;
        }
    }
    return true;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// A cell survives the program's Windows-1252 conversion only if it is valid UTF-8 made of
// characters that code page has; anything else would reach the screen as a blank.
bool survivesCp1252(const std::string& utf8) {
    if (cp1252ToUtf8(utf8ToCp1252(utf8)) != utf8) {
        return false;
    }
    return std::none_of(utf8.begin(), utf8.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && c != '\n' && c != '\t';
    });
}

TextTableSource readTextTable(const fs::path& path) {
    TextTableSource table;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        table.problems.push_back("cannot open " + path.string());
        return table;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = path.filename().string() + ":" + std::to_string(lineNumber);
        if (!line.empty() && line.back() == '\r') {
            table.problems.push_back(where + ": CR line end");
            line.pop_back();
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const auto fields = splitTabs(line);
        if (fields.size() != 1 + kLanguages) {
            table.problems.push_back(where + ": " + std::to_string(fields.size()) +
                                     " fields instead of 4");
            continue;
        }
        const std::string positionText(fields[0]);
        if (positionText.empty() ||
            !std::all_of(positionText.begin(), positionText.end(),
                         [](unsigned char c) { return std::isdigit(c) != 0; })) {
            table.problems.push_back(where + ": position \"" + positionText + "\"");
            continue;
        }
        const int position = std::stoi(positionText);
        Row row;
        for (int language = 0; language < kLanguages; ++language) {
            if (!unescapeCell(fields[1 + language], row[language])) {
                table.problems.push_back(where + ": invalid escape in " + kLanguageNames[language]);
            } else if (!survivesCp1252(row[language])) {
                table.problems.push_back(where + ": " + kLanguageNames[language] +
                                         " has a character Windows-1252 lacks");
            }
        }
        if (!table.cells.emplace(position, row).second) {
            table.problems.push_back(where + ": position " + positionText + " given twice");
        }
    }
    return table;
}

// Each table file read once for all tests.
const std::map<std::string, TextTableSource>& sources() {
    static const std::map<std::string, TextTableSource> tables = [] {
        std::map<std::string, TextTableSource> read;
        for (const auto& table : kInterfaceTextTables) {
            read.emplace(std::string(table.name),
                         readTextTable(textsDir() / (std::string(table.name) + ".tsv")));
        }
        return read;
    }();
    return tables;
}

const Row& sourceRow(std::string_view table, int column) {
    static const Row missing;
    const auto& cells = sources().at(std::string(table)).cells;
    const auto found = cells.find(column);
    return found == cells.end() ? missing : found->second;
}

std::string cellName(std::string_view table, int column) {
    return std::string(table) + " column " + std::to_string(column);
}

// The letters marked by "&" ("&&" stands for a literal ampersand).
std::string acceleratorLetters(const std::string& text, bool* malformed = nullptr) {
    std::string letters;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '&') {
            ++i;
            continue;
        }
        // A marker must sit before a letter (an ASCII letter, or the lead byte of an accented one).
        const bool letterFollows =
            i + 1 < text.size() && (std::isalpha(static_cast<unsigned char>(text[i + 1])) != 0 ||
                                    static_cast<unsigned char>(text[i + 1]) >= 0xC3);
        if (!letterFollows && malformed != nullptr) {
            *malformed = true;
        }
        if (letterFollows) {
            letters += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        }
    }
    return letters;
}

bool endsWith(const std::string& text, std::string_view tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail.data(), tail.size()) == 0;
}

// --- The sources ---------------------------------------------------------------------------

TEST(InterfaceTextSources, TheTextFolderHoldsExactlyTheTenTables) {
    std::set<std::string> expected;
    for (const auto& table : kInterfaceTextTables) {
        expected.insert(std::string(table.name) + ".tsv");
    }
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(textsDir())) {
        present.insert(entry.path().filename().string());
    }
    EXPECT_EQ(present, expected);
}

TEST(InterfaceTextSources, EveryFileIsWellFormedWithEachPositionOnce) {
    for (const auto& table : kInterfaceTextTables) {
        SCOPED_TRACE(std::string(table.name));
        const auto& source = sources().at(std::string(table.name));
        for (const auto& problem : source.problems) {
            ADD_FAILURE() << problem;
        }
        std::set<int> positions;
        for (const auto& [position, row] : source.cells) {
            positions.insert(position);
        }
        std::set<int> expected;
        for (int position = 0; position < table.columns; ++position) {
            expected.insert(position);
        }
        EXPECT_EQ(positions, expected);
    }
}

TEST(InterfaceTextSources, TheParserRejectsWhatTheFormatForbids) {
    struct Case {
        const char* content;
        std::size_t problems;
    };
    const std::array cases{
        Case{"# comment\n\n0\ta\tb\tc\n", 0},
        Case{"0\ta\\nb\tc\\td\te\\\\f\n", 0},
        Case{"0\ta\tb\n", 1},                // a language missing
        Case{"0\ta\tb\tc\td\n", 1},          // one field too many
        Case{"x\ta\tb\tc\n", 1},             // no position
        Case{"0\ta\\x\tb\tc\n", 1},          // unknown escape
        Case{"0\ta\tb\tc\\\n", 1},           // backslash at the end
        Case{"0\ta\tb\tc\n0\td\te\tf\n", 1}, // position twice
        Case{"0\ta\tb\tc\r\n", 1},           // CR line end
        Case{"0\t\xe2\x82\xac\tb\tc\n", 0},  // the euro sign exists in Windows-1252
        Case{"0\t\xe2\x86\x92\tb\tc\n", 1},  // an arrow does not
        Case{"0\t\xc3\tb\tc\n", 1},          // broken UTF-8
    };
    const fs::path path = fs::temp_directory_path() / "dittaro_interface_texts_parser.tsv";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        {
            std::ofstream out(path, std::ios::binary);
            out << c.content;
        }
        EXPECT_EQ(readTextTable(path).problems.size(), c.problems);
    }
    fs::remove(path);
}

// --- The list in code ----------------------------------------------------------------------

TEST(InterfaceTextColumns, NameOnlyExistingCellsEachOnce) {
    std::set<std::pair<std::string_view, int>> seen;
    for (const auto& cell : kInterfaceTextColumns) {
        SCOPED_TRACE(cellName(cell.table, cell.column));
        const auto table = std::find_if(kInterfaceTextTables.begin(), kInterfaceTextTables.end(),
                                        [&](const auto& t) { return t.name == cell.table; });
        ASSERT_NE(table, kInterfaceTextTables.end());
        EXPECT_GE(cell.column, 0);
        EXPECT_LT(cell.column, table->columns);
        EXPECT_FALSE(cell.use.empty());
        EXPECT_TRUE(seen.emplace(cell.table, cell.column).second) << "listed twice";
    }
}

TEST(InterfaceTextColumns, EveryCellTheProgramReadsIsFilledInEveryLanguage) {
    for (const auto& cell : kInterfaceTextColumns) {
        const Row& row = sourceRow(cell.table, cell.column);
        for (int language = 0; language < kLanguages; ++language) {
            EXPECT_FALSE(row[language].empty())
                << cellName(cell.table, cell.column) << " (" << cell.use << ") is empty in "
                << kLanguageNames[language];
        }
    }
}

// --- Text quality rules --------------------------------------------------------------------

TEST(InterfaceTextQuality, AcceleratorsSurviveTranslation) {
    for (const auto& table : kInterfaceTextTables) {
        for (const auto& [column, row] : sources().at(std::string(table.name)).cells) {
            SCOPED_TRACE(cellName(table.name, column));
            bool malformed = false;
            const std::size_t german = acceleratorLetters(row[0], &malformed).size();
            EXPECT_LE(german, 1u);
            for (int language = 1; language < kLanguages; ++language) {
                EXPECT_EQ(acceleratorLetters(row[language], &malformed).size(), german)
                    << kLanguageNames[language];
            }
            EXPECT_FALSE(malformed) << "an \"&\" that marks no letter";
        }
    }
}

TEST(InterfaceTextQuality, AcceleratorsWithinOneMenuOrTabRowDiffer) {
    struct Member {
        std::string_view table;
        int column;
        std::string_view fixed; // a caption that is not in the tables
    };
    struct Group {
        const char* name;
        std::vector<Member> members;
    };
    const std::vector<Group> groups{
        {"keying hardness", {{"texte_02", 3, {}}, {"texte_02", 4, {}}, {"texte_02", 5, {}}}},
        {"display delay", {{"texte_02", 7, {}}, {"texte_02", 8, {}}, {"texte_02", 9, {}}}},
        {"tabs",
         {{"texte_03", 1, {}}, {{}, 0, "Sta&rt"}, {"texte_05", 1, {}}, {"texte_06", 1, {}}}},
    };
    for (const auto& group : groups) {
        for (int language = 0; language < kLanguages; ++language) {
            SCOPED_TRACE(std::string(group.name) + ", " + kLanguageNames[language]);
            std::string letters;
            for (const auto& member : group.members) {
                letters += acceleratorLetters(member.fixed.empty()
                                                  ? sourceRow(member.table, member.column)[language]
                                                  : std::string(member.fixed));
            }
            EXPECT_EQ(letters.size(), group.members.size()) << "every item has one";
            std::set<char> distinct(letters.begin(), letters.end());
            EXPECT_EQ(distinct.size(), letters.size()) << "letters \"" << letters << "\"";
        }
    }
}

// Group captions carry a blank on either side, report labels a trailing one before their value;
// a translation must keep them or the layout shifts.
TEST(InterfaceTextQuality, SurroundingBlanksMatchTheGermanText) {
    for (const auto& table : kInterfaceTextTables) {
        for (const auto& [column, row] : sources().at(std::string(table.name)).cells) {
            SCOPED_TRACE(cellName(table.name, column));
            const bool leads = !row[0].empty() && row[0].front() == ' ';
            const bool trails = !row[0].empty() && row[0].back() == ' ';
            for (int language = 1; language < kLanguages; ++language) {
                const std::string& text = row[language];
                EXPECT_EQ(!text.empty() && text.front() == ' ', leads) << kLanguageNames[language];
                EXPECT_EQ(!text.empty() && text.back() == ' ', trails) << kLanguageNames[language];
            }
        }
    }
}

// The program appends a sign to these texts: the text must not bring its own, and French sets
// a no-break space before "!", "?" and ":".
TEST(InterfaceTextQuality, TextsFollowedByASignReadRightOnceAssembled) {
    struct Case {
        std::string_view table;
        int column;
        const char* appended;
    };
    const std::array cases{
        Case{"texte_06", 13, "!"},    Case{"texte_06", 14, "!"},     Case{"texte_06", 16, ": "},
        Case{"texte_06", 19, "?"},    Case{"texte_02", 17, ": "},    Case{"form6_texte", 3, ": "},
        Case{"form6_texte", 9, ": "}, Case{"form6_texte", 10, ": "}, Case{"form6_texte", 11, ": "},
    };
    for (const auto& c : cases) {
        const Row& row = sourceRow(c.table, c.column);
        for (int language = 0; language < kLanguages; ++language) {
            SCOPED_TRACE(cellName(c.table, c.column) + ", " + kLanguageNames[language]);
            const std::string& text = row[language];
            ASSERT_FALSE(text.empty());
            EXPECT_EQ(std::string(".!?:; ").find(text.back()), std::string::npos)
                << "\"" << text << c.appended << "\"";
            EXPECT_EQ(endsWith(text, kNoBreakSpace), language == 2)
                << "\"" << text << c.appended << "\"";
        }
    }
}

TEST(InterfaceTextQuality, FileDialogCaptionsKeepTheirPattern) {
    struct Case {
        std::string_view table;
        int column;
        const char* pattern;
    };
    const std::array cases{
        Case{"texte_01", 11, "(*.cw1)"}, // the caption itself is the timing-file filter name
        Case{"texte_01", 12, "(*.txt)"},
        Case{"texte_01", 13, "(*.txt)"},
    };
    for (const auto& c : cases) {
        const Row& row = sourceRow(c.table, c.column);
        for (int language = 0; language < kLanguages; ++language) {
            EXPECT_TRUE(endsWith(row[language], c.pattern))
                << cellName(c.table, c.column) << " " << kLanguageNames[language] << ": \""
                << row[language] << "\"";
        }
    }
}

TEST(InterfaceTextQuality, SpeedTextsUseTheLanguagesUnitWord) {
    const Row& unit = sourceRow("texte_05", 10);
    const std::array<std::pair<std::string_view, int>, 4> cells{{
        {"texte_01", 10},   // decoder speed
        {"texte_03", 12},   // Farnsworth speed
        {"texte_04", 16},   // playback speed
        {"form8_texte", 8}, // Koch trainer speed range
    }};
    for (const auto& [table, column] : cells) {
        const Row& row = sourceRow(table, column);
        for (int language = 0; language < kLanguages; ++language) {
            EXPECT_NE(row[language].find(unit[language]), std::string::npos)
                << cellName(table, column) << " " << kLanguageNames[language] << ": \""
                << row[language] << "\" lacks \"" << unit[language] << "\"";
        }
    }
}

TEST(InterfaceTextQuality, AboutBoxNamesTheProgramAndCreditsEveryLibrary) {
    const std::array names{"ZKT Dittaro", "4.0.09",  "Qt 6",      "SQLite", "PCRE2", "PortAudio",
                           "zlib",        "OpenSSL", "libcrypto", "CHMLib", "LAME",  "Vorbis"};
    for (int language = 0; language < kLanguages; ++language) {
        std::string all;
        for (const auto& [column, row] : sources().at("form2_texte").cells) {
            all += row[language] + "\n";
        }
        for (const char* name : names) {
            EXPECT_NE(all.find(name), std::string::npos)
                << kLanguageNames[language] << " lacks " << name;
        }
    }
}

TEST(InterfaceTextQuality, GermanTextsAreTheWindowsOwnCaptions) {
    struct Case {
        std::string_view table;
        int column;
        const char* german;
    };
    const std::array cases{
        Case{"texte_01", 2, "Neu"},
        Case{"texte_01", 11, "Timingdatei (*.cw1)"},
        Case{"texte_01", 15, "Audiodatei"},
        Case{"texte_04", 9, " Zufallstexte "},
        Case{"texte_04", 19, "Prüfung Start"},
        Case{"texte_05", 4, " VKX-Morseprüfung "},
        Case{"texte_05", 10, "BpM"},
        Case{"texte_05", 16, " Timing "},
        Case{"texte_03", 15, " Strich / Punkt "},
        Case{"texte_02", 3, "&hart"},
        Case{"texte_02", 8, "&mittel"},
        Case{"texte_02", 22, "Bildschirm Tasten: Modus"},
        // The four items of "Punkt/Strich-Speicher" take the columns 3, 5, 4, 6.
        Case{"texte_06", 3, "kein"},
        Case{"texte_06", 4, "Strich"},
        Case{"texte_06", 5, "Punkt"},
        Case{"texte_06", 6, "beides"},
        Case{"texte_06", 15, "Textdatei"},
        Case{"texte_06", 21, "Vorname"},
        Case{"texte_06", 23, "Rufzeichen"},
        Case{"form6_texte", 0, "PDF-Dokument öffnen"},
        Case{"form6_texte", 24, "&Fehler anzeigen"},
        Case{"form8_texte", 0,
             "Die Leertaste spielt die letzten drei Zeichen und das aktuelle Zeichen ab."},
        Case{"form8_texte", 3, " Dauer von Punkt : Strich "},
        Case{"form8_texte", 8, " Geschwindigkeitsbereich in BpM "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sourceRow(c.table, c.column)[0], c.german) << cellName(c.table, c.column);
    }
}

// --- The built database --------------------------------------------------------------------

class InterfaceTextDatabase : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path path =
            fs::path(DITTARO_BINARY_DIR) / "dist" / "data" / "Dittaro_Data.sqlite";
        if (!fs::exists(path)) {
            GTEST_SKIP() << "no built data database at " << path;
        }
        db_.emplace(path, SqliteDatabase::Mode::ReadOnly);
    }

    // The row of one language, by column position; empty when the row is missing.
    std::vector<std::string> row(std::string_view table, int rowid, int* columnCount = nullptr,
                                 std::vector<std::string>* names = nullptr) {
        auto statement =
            db_->prepare("SELECT * FROM " + std::string(table) + " WHERE rowid = :wert");
        statement.bind(":wert", rowid);
        std::vector<std::string> cells;
        if (!statement.step()) {
            return cells;
        }
        if (columnCount != nullptr) {
            *columnCount = statement.columnCount();
        }
        for (int column = 0; column < statement.columnCount(); ++column) {
            cells.push_back(statement.columnIsNull(column) ? std::string()
                                                           : statement.columnText(column));
            if (names != nullptr) {
                names->push_back(statement.columnName(column));
            }
        }
        return cells;
    }

    std::optional<SqliteDatabase> db_;
};

TEST_F(InterfaceTextDatabase, EachTableHoldsItsSourceTextsInThreeRows) {
    for (const auto& table : kInterfaceTextTables) {
        for (int language = 0; language < kLanguages; ++language) {
            SCOPED_TRACE(std::string(table.name) + ", " + kLanguageNames[language]);
            int columnCount = 0;
            std::vector<std::string> names;
            const auto cells = row(table.name, language + 1, &columnCount, &names);
            ASSERT_FALSE(cells.empty()) << "row missing";
            ASSERT_EQ(columnCount, table.columns);
            for (int column = 0; column < table.columns; ++column) {
                char expectedName[16];
                std::snprintf(expectedName, sizeof expectedName, "spalte_%02d", column);
                EXPECT_EQ(names[column], expectedName);
                EXPECT_EQ(cells[column], sourceRow(table.name, column)[language])
                    << "column " << column;
            }
        }
        EXPECT_TRUE(row(table.name, kLanguages + 1).empty()) << table.name << ": a fourth row";
    }
}

TEST_F(InterfaceTextDatabase, EveryCellTheProgramReadsIsFilledInRowsOneToThree) {
    for (const auto& table : kInterfaceTextTables) {
        for (int rowid = 1; rowid <= kLanguages; ++rowid) {
            const auto cells = row(table.name, rowid);
            for (const auto& cell : kInterfaceTextColumns) {
                if (cell.table != table.name) {
                    continue;
                }
                ASSERT_LT(cell.column, static_cast<int>(cells.size()))
                    << cellName(cell.table, cell.column) << " missing in row " << rowid;
                EXPECT_FALSE(cells[cell.column].empty())
                    << cellName(cell.table, cell.column) << " (" << cell.use << ") is empty in row "
                    << rowid;
            }
        }
    }
}

} // namespace
} // namespace dittaro
