#include "support/command_run.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using CliRun = dittaro::test::CommandRun;
using dittaro::test::runCli;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> result;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        result.push_back(word);
    }
    return result;
}

TEST(CliGroups, PrintsOnePracticeTextPerExercise) {
    const struct {
        const char* args;
        std::size_t lines, groups, length;
        const char* allowed;
    } cases[] = {
        {"groups --set abcdefghij --seed 7", 1, 5, 5, "abcdefghij"},
        {"groups --set abcdefghij --count 2 --exercises 3 --seed 7", 3, 2, 5, "abcdefghij"},
        {"groups --set 0123456789 --count 4 --length 3 --repeat 2 --seed 1", 1, 8, 3, "0123456789"},
        {"groups --set '' --length 2 --seed 1", 1, 5, 2, "abcdefghijklmnopqrstuvwxyz0123456789"},
        {"groups --set xyz --koch-order fjsldk --koch-level 2 --count 3 --repeat 3 --seed 3", 1, 10,
         5, "fj"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        const auto printed = lines(run.out);
        ASSERT_EQ(printed.size(), c.lines) << c.args;
        for (const std::string& line : printed) {
            // Each group followed by one blank, as the practice text holds it.
            EXPECT_EQ(line.back(), ' ') << c.args;
            const auto groups = words(line);
            EXPECT_EQ(groups.size(), c.groups) << c.args;
            for (const std::string& group : groups) {
                EXPECT_EQ(group.size(), c.length) << c.args;
                EXPECT_EQ(group.find_first_not_of(c.allowed), std::string::npos) << c.args;
            }
        }
    }
}

TEST(CliGroups, SeedRepeatsTheDrawAndThePoolSpansTheExercises) {
    const std::string args = "groups --set abcdefghij --count 2 --exercises 2 --seed 42";
    const CliRun first = runCli(args);
    EXPECT_EQ(runCli(args).out, first.out);
    EXPECT_NE(runCli("groups --set abcdefghij --count 2 --exercises 2 --seed 43").out, first.out);

    // Two exercises of ten letters draw 20 of the 30 put into the pool: no letter can come
    // more than three times (independent exercises could give it four).
    const CliRun many = runCli("groups --set abcdefghij --count 2 --exercises 2 --seed 5");
    for (char letter = 'a'; letter <= 'j'; ++letter) {
        EXPECT_LE(std::count(many.out.begin(), many.out.end(), letter), 3) << letter;
    }
}

TEST(CliGroups, KochIntroGroupAndUtf8) {
    const CliRun koch = runCli("groups --set x --koch-order 'äb' --koch-level 2 --count 2 "
                               "--length 3 --seed 1");
    ASSERT_EQ(koch.status, 0);
    const auto groups = words(koch.out);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0], "bbb");

    const CliRun umlauts = runCli("groups --set 'äöü' --count 2 --length 2 --seed 1");
    ASSERT_EQ(umlauts.status, 0);
    for (const std::string& group : words(umlauts.out)) {
        EXPECT_EQ(group.size(), 4u) << group; // two 2-byte UTF-8 characters
    }
}

TEST(CliGroups, ExitStatusTellsNothingDrawnFromUsageErrors) {
    const struct {
        const char* args;
        int status;
    } cases[] = {
        {"groups --help", 0},
        {"groups --set ab --koch-order '' --koch-level 2", 1},
        {"groups", 2},
        {"groups --set ab --count 1", 2},
        {"groups --set ab --count 100", 2},
        {"groups --set ab --length 6", 2},
        {"groups --set ab --repeat 0", 2},
        {"groups --set ab --exercises 0", 2},
        {"groups --set ab --seed -1", 2},
        {"groups --set ab --koch-order fj", 2},
        {"groups --set ab --koch-level 3", 2},
        {"groups --set ab extra", 2},
        {"groups --set ab --bogus", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runCli(c.args).status, c.status) << c.args;
    }
}

TEST(CliMark, PrintsTheResultLineAndTheWrongPairs) {
    const struct {
        const char* args;
        int status;
        const char* out;
    } cases[] = {
        {"mark 'ab cd ef' 'ab cx ef'", 0, "1 / 6 = 16.7 %\ncd\tcx\n"},
        {"mark 'Hallo Welt' 'hallo welt'", 0, "0 / 9 = 0.0 %\nno errors\n"},
        {"mark 'ab cd' 'abcd'", 1, "word count differs\n"},
        {"mark 'cq [ar]' 'cq +'", 0, "0 / 3 = 0.0 %\nno errors\n"},
        {"mark 'Straße' 'strasse'", 0, "0 / 7 = 0.0 %\nno errors\n"},
        {"mark --sz off 'Straße' 'strasse'", 0, "2 / 6 = 33.3 %\nstraße\tstrasse\n"},
        {"mark --groups 'Straße' 'strasse'", 0, "2 / 6 = 33.3 %\nstraße\tstrasse\n"},
        {"mark --umlaute off 'Äpfel' 'aepfel'", 0, "2 / 5 = 40.0 %\näpfel\taepfel\n"},
        {"mark --koch 'kkkkk abc def' 'kkk abc deg'", 0, "1 / 11 = 9.1 %\ndef\tdeg\n"},
        {"mark --koch 'kkkkk mkkk ab' 'mkkk ab'", 0, "0 / 11 = 0.0 %\nno errors\n"},
        {"mark '<tag>' ''", 0, "0 / 0 = 0.0 %\nno errors\n"},
        {"mark '' 'abc'", 1, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

TEST(CliMark, PercentageUsesTheLocaleDecimalSeparator) {
    // A German locale compiled for this test alone, so no installed locale is needed.
    const std::string dir = ::testing::TempDir() + "dittaro_locale_" + std::to_string(::getpid());
    const std::string build = "mkdir -p '" + dir + "' && localedef -i de_DE -f UTF-8 '" + dir +
                              "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) {
        std::system(("rm -rf '" + dir + "'").c_str());
        GTEST_SKIP() << "localedef cannot build de_DE.UTF-8 here";
    }
    const CliRun run =
        runCli("mark 'ab cd ef' 'ab cx ef'", "LOCPATH='" + dir + "' LC_ALL=de_DE.UTF-8");
    std::system(("rm -rf '" + dir + "'").c_str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1 / 6 = 16,7 %\ncd\tcx\n");
}

TEST(CliMark, UsageErrors) {
    const struct {
        const char* args;
        int status;
    } cases[] = {
        {"mark --help", 0},         {"mark", 2},
        {"mark onlyone", 2},        {"mark a b c", 2},
        {"mark --sz maybe a a", 2}, {"mark --bogus a a", 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runCli(c.args).status, c.status) << c.args;
    }
}

} // namespace
