#include "support/command_run.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using CliRun = dittaro::test::CommandRun;
using dittaro::test::runCli;

TEST(CliTiming, PrintsTheTimingTextOfAFreeText) {
    const struct {
        const char* args;
        const char* out;
    } cases[] = {
        {"timing e", "-1000+100-500\n"},
        {"timing --bpm 60 --ratio 4 a", "-1000+80-100+320-500\n"},
        {"timing --ratio 3,5 a", "-1000+89-100+311-500\n"},
        {"timing --bpm 60 --farnsworth 100 'e e'", "-1000+60-1155+60-500\n"},
        {"timing --word-pause 1000 'e e'", "-1000+100-1000+100-500\n"},
        // UTF-8 in: umlauts expanded by default, or sent as themselves.
        {"timing 'ä'", "-1000+100-100+300-300+100-500\n"},
        {"timing --umlaute off 'ä'", "-1000+100-100+300-100+100-100+300-500\n"},
        {"timing --ch on ch", "-1000+300-100+300-100+300-100+300-500\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

TEST(CliTiming, PrintsListsSamplesAndTotalOfGeneratedMaterial) {
    const struct {
        const char* args;
        const char* out;
    } cases[] = {
        {"timing --source groups 'e|t'", "-1500 +100 -700 +300 -700\n"
                                         "-12000 800 -5600 2400 -5600\n3300\n"},
        {"timing --source groups --gap 3 e", "-1500 +100 -1500\n-12000 800 -12000\n3100\n"},
        {"timing --source randomtexts 'e e'", "-1500 +100 -700 +100 -1000\n"
                                              "-12000 800 -5600 800 -8000\n3400\n"},
        {"timing --source exam 'e<t'", "-1500 +100 -1000 +300 -2000\n"
                                       "-12000 800 -8000 2400 -16000\n1400\n"},
        {"timing --source keyboard 'ee'", "\n800 -2400 800 -2400\n800\n"},
        {"timing --source koch --bpm 100 e", "\n-560 480 -1600\n330\n"},
    };
    for (const auto& c : cases) {
        const CliRun run = runCli(c.args);
        EXPECT_EQ(run.status, 0) << c.args;
        EXPECT_EQ(run.out, c.out) << c.args;
    }
}

TEST(CliTiming, ExitStatusTellsNothingProducedFromUsageErrors) {
    const struct {
        const char* args;
        int status;
    } cases[] = {
        {"timing '   '", 1},
        {"timing --source groups ''", 1},
        {"timing --source keyboard ''", 1},
        {"timing", 2},
        {"timing a b", 2},
        {"timing --bogus a", 2},
        {"timing --bpm", 2},
        {"timing --bpm fast a", 2},
        {"timing --ratio 5 a", 2},
        {"timing --umlaute maybe a", 2},
        {"timing --gap 13 --source groups a", 2},
        {"timing --source nothing a", 2},
        {"timing --farnsworth 80 --no-farnsworth a", 2},
        {"nonsense", 2},
        {"timing --help", 0},
        {"--help", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runCli(c.args).status, c.status) << c.args;
    }
}

} // namespace
