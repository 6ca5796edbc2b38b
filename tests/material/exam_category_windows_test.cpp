// The shipped practice and exam texts: the exam generator only finds its candidates
// if every category holds enough lines in the duration windows it counts, and the
// random-text tables must import under their file names without surprises.

#include "common/cp1252.h"
#include "common/text_file.h"
#include "engine/morse_code.h"
#include "material/character_weights.h"
#include "material/exam_categories.h"
#include "material/random_text_import.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = DITTARO_SOURCE_DIR;

// What the import of an exam text file accepts at the least.
constexpr std::size_t kMinimumExamLines = 100;
constexpr std::size_t kMinimumCallSigns = 150;

// Exam lines and random texts are played straight through the plain code table, where
// bytes such as ! # $ % & \ ^ _ { | } ~ stand for prosigns and umlauts and < > [ ] are
// silent ("<" even marks a one-second pause in the played exam sections); learners copy
// lower case.
constexpr std::string_view kSendableAscii = "abcdefghijklmnopqrstuvwxyz0123456789 .,?/=-:'";

// Random texts may also hold the Windows-1252 letters that have a code (umlauts, accents).
bool isSendableRandomTextByte(unsigned char byte) {
    return byte >= 0x80 ? plainCode(byte) != kNoCode
                        : kSendableAscii.find(static_cast<char>(byte)) != std::string_view::npos;
}

const ExamCategory& category(std::string_view importFileName) {
    const auto it =
        std::find_if(kExamCategories.begin(), kExamCategories.end(),
                     [&](const ExamCategory& c) { return c.importFileName == importFileName; });
    if (it == kExamCategories.end()) {
        throw std::invalid_argument("no exam category for " + std::string(importFileName));
    }
    return *it;
}

std::string examFileText(const ExamCategory& c) {
    return readFileBytes(kSourceDir / "data/exam" / c.importFileName);
}

std::vector<std::string> examLines(const ExamCategory& c) {
    return splitLines(examFileText(c));
}

std::vector<int> timeFactors(const ExamCategory& c) {
    std::vector<int> factors;
    for (const std::string& line : examLines(c)) {
        factors.push_back(timeFactor(line));
    }
    return factors;
}

// Both bounds exclusive, as the generator counts its candidates.
int countInWindow(const std::vector<int>& factors, int min, int max) {
    return static_cast<int>(
        std::count_if(factors.begin(), factors.end(), [&](int f) { return f > min && f < max; }));
}

TEST(ExamCategoryTexts, EveryCategoryHasEnoughCleanDistinctLines) {
    for (const ExamCategory& c : kExamCategories) {
        SCOPED_TRACE(std::string(c.importFileName));
        const std::string text = examFileText(c);
        EXPECT_EQ(text.find('\r'), std::string::npos) << "LF line ends expected";
        const std::vector<std::string> lines = splitLines(text);
        EXPECT_GE(lines.size(), c.caption == "Rufzeichen" ? kMinimumCallSigns : kMinimumExamLines);

        std::set<std::string> seen;
        std::string previous;
        for (const std::string& line : lines) {
            // The import would keep it as a row of no duration.
            if (line.empty()) {
                ADD_FAILURE() << "empty line after \"" << previous << "\"";
                continue;
            }
            EXPECT_EQ(line.find_first_not_of(kSendableAscii), std::string::npos)
                << "unexpected character in \"" << line << "\"";
            EXPECT_TRUE(line.front() != ' ' && line.back() != ' ') << "\"" << line << "\"";
            EXPECT_TRUE(seen.insert(line).second) << "duplicate \"" << line << "\"";
            previous = line;
        }
    }
}

TEST(ExamCategoryTexts, CallSignsAreSingleWordsWithADigit) {
    // The generator joins call signs with blanks and counts them as words.
    for (const std::string& line : examLines(category("Rufzeichen_Pruefung.txt"))) {
        EXPECT_EQ(line.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789/"),
                  std::string::npos)
            << line;
        EXPECT_NE(line.find_first_of("0123456789"), std::string::npos) << line;
        EXPECT_TRUE(line.front() != '/' && line.back() != '/') << line;
    }
}

TEST(ExamCategoryWindows, EachWindowHoldsItsShareOfLines) {
    struct Case {
        std::string_view file;
        int min;
        int max;
        int minimumLines;   // absolute
        int minimumPercent; // of all lines of the category
    };
    const Case cases[] = {
        // Classes 60 and 80 (short) and 100 and 120 (long); no window, but the sizes
        // the budgets are laid out for.
        {"QSO_Kurz_Pruefung.txt", 250, 600, 0, 80},
        {"QSO_Lang_Pruefung.txt", 600, 1500, 0, 80},
        // Class 120 and the fallback window below it.
        {"Technische_Texte_Pruefung.txt", 800, 1250, 0, 60},
        {"Technische_Texte_Pruefung.txt", 700, 800, 10, 0},
        {"Englische_Techniktexte_Pruefung.txt", 800, 1250, 0, 60},
        {"Englische_Techniktexte_Pruefung.txt", 700, 800, 10, 0},
        // Classes 80 and 100 and their fallback windows.
        {"Englische_Kurztexte_Pruefung.txt", 300, 600, 40, 0},
        {"Englische_Kurztexte_Pruefung.txt", 450, 750, 40, 0},
        {"Englische_Kurztexte_Pruefung.txt", 200, 300, 3, 0},
        {"Englische_Kurztexte_Pruefung.txt", 350, 450, 3, 0},
    };
    for (const Case& tc : cases) {
        const std::vector<int> factors = timeFactors(category(tc.file));
        const int inWindow = countInWindow(factors, tc.min, tc.max);
        const std::string where =
            std::string(tc.file) + " " + std::to_string(tc.min) + ".." + std::to_string(tc.max);
        EXPECT_GE(inWindow, tc.minimumLines) << where;
        EXPECT_GE(inWindow * 100, tc.minimumPercent * static_cast<int>(factors.size()))
            << where << ": " << inWindow << " of " << factors.size();
    }
}

TEST(ExamCategoryWindows, QuotationsFillEveryRemainingBudget) {
    // The quotation window is 80 % .. 100 % of the time left after the other sections,
    // which lies between these bounds for the four speed classes.
    constexpr int kLowestRemaining = 700;
    constexpr int kHighestRemaining = 2000;
    constexpr int kMinimumCandidates = 5;
    for (std::string_view file : {"Zitate_Pruefung.txt", "Daily_Quotes_Pruefung.txt"}) {
        const std::vector<int> factors = timeFactors(category(file));
        std::vector<int> shortBudgets;
        for (int remaining = kLowestRemaining; remaining <= kHighestRemaining; ++remaining) {
            if (countInWindow(factors, remaining * 8 / 10, remaining) < kMinimumCandidates) {
                shortBudgets.push_back(remaining);
            }
        }
        EXPECT_TRUE(shortBudgets.empty())
            << file << ": fewer than " << kMinimumCandidates << " candidates for "
            << shortBudgets.size() << " remaining budgets from " << shortBudgets.front() << " to "
            << shortBudgets.back();
    }
}

// The "Anzahl:" field draws up to this many lines; a table of no more lines repeats them.
constexpr std::size_t kMostLinesPerDraw = 40;
constexpr std::size_t kMinimumRandomTextTables = 4;

std::vector<fs::path> randomTextFiles() {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(kSourceDir / "data/randomtexts")) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(RandomTextSources, EachFileImportsUnderItsOwnName) {
    const std::vector<fs::path> files = randomTextFiles();
    EXPECT_GE(files.size(), kMinimumRandomTextTables);
    for (const fs::path& file : files) {
        const std::string fileName = file.filename().string();
        const std::string stem = file.stem().string();
        // The name goes unquoted into some SQL statements.
        EXPECT_EQ(stem.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                         "0123456789_"),
                  std::string::npos)
            << fileName;
        EXPECT_EQ(randomTextTableName(proposedRandomTextTableName(fileName)), stem) << fileName;
    }
}

TEST(RandomTextSources, EntriesAreDistinctSendableLines) {
    for (const fs::path& file : randomTextFiles()) {
        SCOPED_TRACE(file.filename().string());
        const std::string utf8 = readFileBytes(file);
        EXPECT_EQ(utf8.find('\r'), std::string::npos) << "LF line ends expected";
        const std::string text = utf8ToCp1252(utf8);
        // Every character has a Windows-1252 form (the import turns the rest into blanks).
        EXPECT_EQ(cp1252ToUtf8(text), utf8);

        const std::vector<std::string> lines = splitLines(text);
        EXPECT_GT(lines.size(), kMostLinesPerDraw);
        std::set<std::string> seen;
        std::string previous;
        for (const std::string& line : lines) {
            const std::string shown = cp1252ToUtf8(line);
            if (line.empty()) {
                ADD_FAILURE() << "empty line after \"" << previous << "\"";
                continue;
            }
            EXPECT_TRUE(line.front() != ' ' && line.back() != ' ') << "\"" << shown << "\"";
            // The import lower-cases A-Z before it keeps distinct lines.
            EXPECT_FALSE(std::any_of(line.begin(), line.end(), [](char c) {
                return c >= 'A' && c <= 'Z';
            })) << shown;
            EXPECT_TRUE(seen.insert(line).second) << "duplicate \"" << shown << "\"";
            EXPECT_TRUE(std::all_of(
                line.begin(), line.end(),
                [](char c) { return isSendableRandomTextByte(static_cast<unsigned char>(c)); }))
                << "unexpected character in \"" << shown << "\"";
            previous = shown;
        }
    }
}

} // namespace
} // namespace dittaro
