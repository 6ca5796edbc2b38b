// The plain rules behind the shell's controls: typed speeds, the Koch display, the start-up
// checks, the file filters of the dialogs.

#include "app/startup_checks.h"
#include "engine/widgets/speed_entry.h"
#include "koch/widgets/koch_display.h"
#include "platform/dialogs/qt_dialogs.h"

#include <gtest/gtest.h>

namespace dittaro {
namespace {

TEST(SpeedEntry, TypedSpeedsAreRoundedToTheirStepAndLimited) {
    const struct {
        const char* typed;
        const SpeedField& field;
        int expected;
    } cases[] = {
        {"62", kPlaybackSpeedField, 60},     {"63", kPlaybackSpeedField, 65},
        {"64", kPlaybackSpeedField, 65},     {"40", kPlaybackSpeedField, 40},
        {"37", kPlaybackSpeedField, 40},     {"0", kPlaybackSpeedField, 40},
        {"902", kPlaybackSpeedField, 900},   {"903", kPlaybackSpeedField, 900},
        {"", kPlaybackSpeedField, 40},       {"0000125", kPlaybackSpeedField, 125},
        {"12a", kPlaybackSpeedField, 40},    {"99999999999999999999", kPlaybackSpeedField, 900},
        {"104", kFarnsworthSpeedField, 100}, {"105", kFarnsworthSpeedField, 110},
        {"55", kFarnsworthSpeedField, 60},   {"", kFarnsworthSpeedField, 60},
        {"905", kFarnsworthSpeedField, 900},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(confirmedSpeed(c.typed, c.field), c.expected) << '"' << c.typed << '"';
    }
}

TEST(SpeedEntry, AFarnsworthSpeedBelowThePlaybackSpeedIsRaisedToIt) {
    EXPECT_EQ(confirmedFarnsworthSpeed("100", 150), 150);
    EXPECT_EQ(confirmedFarnsworthSpeed("200", 150), 200);
    EXPECT_EQ(confirmedFarnsworthSpeed("", 75), 75);
}

TEST(SpeedEntry, StoredIdsAndSpeedsConvertBothWays) {
    for (int id = 4; id <= 176; ++id) {
        EXPECT_EQ(playbackSpeedId(playbackSpeedFromId(id)), id);
    }
    for (int id = 0; id <= 84; ++id) {
        EXPECT_EQ(farnsworthSpeedId(farnsworthSpeedFromId(id)), id);
    }
    // A Farnsworth speed raised to an odd playback speed is stored as the step below.
    EXPECT_EQ(farnsworthSpeedId(75), 1);
}

TEST(KochDisplay, TheOrderFieldSplitsAtTheLevel) {
    const struct {
        const char* order;
        int level;
        const char* split;
        const char* status;
    } cases[] = {
        {"fjsldkah", 2, "fj  sldkah", "Koch 2/8  fj"},
        {"fjsldkah", 5, "fjsld  kah", "Koch 5/8  d"},
        {"fjsldkah", 8, "fjsldkah  ", "Koch 8/8  h"},
        {"fjsldkahgrueiwoqptzvncmxby6758493021/,=.?", 2,
         "fj  sldkahgrueiwoqptzvncmxby6758493021/,=.?", "Koch 2/41  fj"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitKochOrder(c.order, c.level), c.split);
        EXPECT_EQ(kochStatusText(c.order, c.level), c.status);
    }
}

TEST(StartupChecks, OnlyInterfaceVersionTwoFourPasses) {
    const struct {
        std::uint32_t version;
        bool passes;
    } cases[] = {{0x02040000, true},  {0x0204FFFF, true},  {0x02040A01, true}, {0x02030000, false},
                 {0x02050000, false}, {0x00000204, false}, {0, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(audioVersionMatches(c.version), c.passes) << std::hex << c.version;
    }
}

TEST(FileDialogFilters, TheProgramsFiltersBecomeQtNameFilters) {
    const struct {
        const char* filter;
        QStringList expected;
    } cases[] = {
        {"Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*",
         {"Textdatei (*.txt)", "Alle Dateien (*.*)"}},
        {"PDF-Dokument|*.pdf", {"PDF-Dokument (*.pdf)"}},
        {"Pruefungsdatei (*_Pruefung.txt)|*_Pruefung.txt", {"Pruefungsdatei (*_Pruefung.txt)"}},
        {"Audio|*.wav;*.mp3", {"Audio (*.wav *.mp3)"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(qtNameFilters(QString::fromLatin1(c.filter)), c.expected) << c.filter;
    }
}

} // namespace
} // namespace dittaro
