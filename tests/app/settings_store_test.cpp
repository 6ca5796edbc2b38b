#include "app/settings_store.h"
#include "common/sqlite_database.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

// A settings database made from the shipped schema and initial rows.
class SettingsDatabase : public testing::Test {
protected:
    void SetUp() override {
        path_ = fs::temp_directory_path() /
                ("dittaro-settings-" + std::to_string(getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name() + ".sqlite");
        fs::remove(path_);
        std::ifstream schema(fs::path(DITTARO_SOURCE_DIR) / "data/schema/settings.sql");
        ASSERT_TRUE(schema) << "settings schema not found";
        std::stringstream sql;
        sql << schema.rdbuf();
        SqliteDatabase db(path_, SqliteDatabase::Mode::ReadWriteCreate);
        db.execute(sql.str());
    }
    void TearDown() override { fs::remove(path_); }

    void execute(const std::string& sql) {
        SqliteDatabase db(path_);
        db.execute(sql);
    }
    std::int64_t integer(const std::string& sql) {
        SqliteDatabase db(path_);
        return db.queryInteger(sql).value_or(-999);
    }
    std::string text(const std::string& sql) {
        SqliteDatabase db(path_);
        SqliteStatement statement = db.prepare(sql);
        return statement.step() ? statement.columnText(0) : "";
    }
    Settings load(int randomTextTables = 5) {
        Settings settings;
        loadSettings(path_, randomTextTables, settings);
        return settings;
    }
    // Every value of both rows, to compare whole tables.
    std::string dump() {
        SqliteDatabase db(path_);
        std::string out;
        for (const char* table : {"kochtrainer", "voreinstellungen"}) {
            SqliteStatement statement = db.prepare(std::string("SELECT * FROM ") + table);
            while (statement.step()) {
                for (int c = 0; c < statement.columnCount(); ++c) {
                    out += statement.columnName(c) + "=" + statement.columnText(c) + ";";
                }
            }
        }
        return out;
    }

    fs::path path_;
};

using Getter = std::function<int(const Settings&)>;

struct LoadCase {
    std::string assignments; // "column = value, ..." for the UPDATE
    std::string table;
    Getter get;
    int expected;
};

#define K(field) [](const Settings& s) { return static_cast<int>(s.kochtrainer.field); }
#define V(field) [](const Settings& s) { return static_cast<int>(s.voreinstellungen.field); }

TEST_F(SettingsDatabase, EveryColumnKeepsItsRange) {
    const LoadCase cases[] = {
        {"punktstrich = 2", "kochtrainer", K(punktstrich), 2},
        {"punktstrich = 3", "kochtrainer", K(punktstrich), 0},
        {"minbpm = 59", "kochtrainer", K(minbpm), 60},
        {"minbpm = 169, maxbpm = 169", "kochtrainer", K(minbpm), 169},
        {"minbpm = 170", "kochtrainer", K(minbpm), 60},
        {"maxbpm = 170", "kochtrainer", K(maxbpm), 160},
        {"maxbpm = -100", "kochtrainer", K(maxbpm), 160},
        {"minbpm = 150, maxbpm = 70", "kochtrainer", K(minbpm), 70},
        {"minbpm = 150, maxbpm = 70", "kochtrainer", K(maxbpm), 150},
        {"tiefsterton = 399", "kochtrainer", K(tiefsterton), 500},
        {"tiefsterton = 1299, hoechsterton = 1299", "kochtrainer", K(tiefsterton), 1299},
        {"tiefsterton = 1200, hoechsterton = 1300", "kochtrainer", K(tiefsterton), 500},
        {"tiefsterton = 1200, hoechsterton = 1300", "kochtrainer", K(hoechsterton), 1200},
        {"tasthaerte = 2", "kochtrainer", K(tasthaerte), 2},
        {"tasthaerte = 3", "kochtrainer", K(tasthaerte), 5},
        {"obertoene = -1", "kochtrainer", K(obertoene), 1},
        {"obertoene = 7", "kochtrainer", K(obertoene), 1},
        {"obertoene = 0", "kochtrainer", K(obertoene), 0},

        {"Volume = 20", "voreinstellungen", V(Volume), 20},
        {"Volume = 21", "voreinstellungen", V(Volume), 4},
        {"Volume = -1", "voreinstellungen", V(Volume), 4},
        {"Frequency = 399", "voreinstellungen", V(Frequency), 800},
        {"Frequency = 1200", "voreinstellungen", V(Frequency), 1200},
        {"KeyerID = 37", "voreinstellungen", V(KeyerID), 4},
        {"KeyerID = 36", "voreinstellungen", V(KeyerID), 36},
        {"GeschwindigkeitID = 3", "voreinstellungen", V(GeschwindigkeitID), 8},
        {"GeschwindigkeitID = 176", "voreinstellungen", V(GeschwindigkeitID), 176},
        {"KG = 177", "voreinstellungen", V(KG), 4},
        {"IambicMode = 4", "voreinstellungen", V(IambicMode), 0},
        {"IambicMode = 3", "voreinstellungen", V(IambicMode), 3},
        {"Reverse = 2", "voreinstellungen", V(Reverse), 0},
        {"Reverse = 1", "voreinstellungen", V(Reverse), 1},
        {"Farnsworth = 1", "voreinstellungen", V(Farnsworth), 1},
        {"Farnsworth = 5", "voreinstellungen", V(Farnsworth), 0},
        {"KFM = 1", "voreinstellungen", V(KFM), 1},
        {"Gruppen = 1", "voreinstellungen", V(Gruppen), 5},
        {"Gruppen = 99", "voreinstellungen", V(Gruppen), 99},
        {"KochString = 'abcd', KochStufe = 4", "voreinstellungen", V(KochStufe), 4},
        {"KochString = 'abcd', KochStufe = 5", "voreinstellungen", V(KochStufe), 2},
        {"KochStufe = 1", "voreinstellungen", V(KochStufe), 2},
        {"FarnsworthBpMID = 85", "voreinstellungen", V(FarnsworthBpMID), 4},
        {"FarnsworthBpMID = 84", "voreinstellungen", V(FarnsworthBpMID), 84},
        {"KF = -1", "voreinstellungen", V(KF), 2},
        {"PunktStrichID = 3", "voreinstellungen", V(PunktStrichID), 0},
        {"KSP = 2", "voreinstellungen", V(KSP), 2},
        {"WortabstandID = 13", "voreinstellungen", V(WortabstandID), 0},
        {"WortabstandID = 12", "voreinstellungen", V(WortabstandID), 12},
        {"KA = 0", "voreinstellungen", V(KA), 0},
        {"KA = 1", "voreinstellungen", V(KA), 1},
        {"Umlaute = 1, Akzente = 2", "voreinstellungen", V(Umlaute), 1},
        {"Umlaute = 1, Akzente = 2", "voreinstellungen", V(Akzente), 0},
        {"CH = 1", "voreinstellungen", V(CH), 1},
        {"SZ = -1", "voreinstellungen", V(SZ), 0},
        {"Zeilen = 21", "voreinstellungen", V(Zeilen), 1},
        {"Zeilen = 20", "voreinstellungen", V(Zeilen), 20},
        {"ZufallstextIndex = 4", "voreinstellungen", V(ZufallstextIndex), 4},
        {"ZufallstextIndex = 5", "voreinstellungen", V(ZufallstextIndex), 0},
        {"Handtaste = 1", "voreinstellungen", V(Handtaste), 1},
        {"Handtaste = 2", "voreinstellungen", V(Handtaste), 0},
        {"KochMethode = 1", "voreinstellungen", V(KochMethode), 1},
        {"TastungID = 3", "voreinstellungen", V(TastungID), 5},
        {"TastungID = 8", "voreinstellungen", V(TastungID), 8},
        {"ZeichenAnzeigen = 1", "voreinstellungen", V(ZeichenAnzeigen), 1},
        {"VerzID = 3", "voreinstellungen", V(VerzID), 3},
        {"VerzID = 0", "voreinstellungen", V(VerzID), 2},
        {"Obertoene = 1", "voreinstellungen", V(Obertoene), 1},
        {"ZeichenProGruppe = 4", "voreinstellungen", V(ZeichenProGruppe), 3},
        {"KZPG = 0", "voreinstellungen", V(KZPG), 0},
        {"GruppenWiederholungID = 0", "voreinstellungen", V(GruppenWiederholungID), 1},
        {"WortWiederholungID = 3", "voreinstellungen", V(WortWiederholungID), 3},
        {"Sprache = 0", "voreinstellungen", V(Sprache), 1},
        {"Sprache = 4", "voreinstellungen", V(Sprache), 1},
        {"Sprache = -1", "voreinstellungen", V(Sprache), 1},
        {"Sprache = 3", "voreinstellungen", V(Sprache), 3},
        {"COM = 11", "voreinstellungen", V(COM), 1},
        {"COM = 10", "voreinstellungen", V(COM), 10},
        {"DecodierSpeed = 123", "voreinstellungen", V(DecodierSpeed), 120},
        {"DecodierSpeed = 39", "voreinstellungen", V(DecodierSpeed), 40},
        {"DecodierSpeed = 305", "voreinstellungen", V(DecodierSpeed), 40},
        {"DecodierSpeed = 304", "voreinstellungen", V(DecodierSpeed), 300},
        {"TabIndex = 4", "voreinstellungen", V(TabIndex), 0},
        {"TabIndex = 3", "voreinstellungen", V(TabIndex), 3},
        {"TastaturMorsen = 5", "voreinstellungen", V(TastaturMorsen), 1},
        {"relGeschw = 16", "voreinstellungen", V(relGeschw), 10},
        {"relGeschw = 0", "voreinstellungen", V(relGeschw), 0},
        {"TastenModus = 3", "voreinstellungen", V(TastenModus), 3},
        {"TastenModus = 4", "voreinstellungen", V(TastenModus), 1},
        {"FontsizeID = 0", "voreinstellungen", V(FontsizeID), 2},
        {"FontsizeID = 8", "voreinstellungen", V(FontsizeID), 8},
        {"DSR = 2, CTS = 0, RTS = -1", "voreinstellungen", V(DSR), 1},
        {"DSR = 2, CTS = 0, RTS = -1", "voreinstellungen", V(CTS), 0},
        {"DSR = 2, CTS = 0, RTS = -1", "voreinstellungen", V(RTS), 1},
        {"Volume = 4294967316", "voreinstellungen", V(Volume), 4}, // 2^32 + 20
    };
    for (const LoadCase& c : cases) {
        SetUp();
        execute("UPDATE " + c.table + " SET " + c.assignments);
        EXPECT_EQ(c.get(load()), c.expected) << c.assignments;
    }
}

TEST_F(SettingsDatabase, TextColumnsFallBackWhenTooShort) {
    execute("UPDATE voreinstellungen SET Zeichenvorrat = '', KochString = 'abc', "
            "Vorname = 'J\xC3\xBCrgen', Rufzeichen = '\xCE\xA9X1'");
    const Voreinstellungen v = load().voreinstellungen;
    EXPECT_EQ(v.Zeichenvorrat, kDefaultZeichenvorrat);
    EXPECT_EQ(v.KochString, kDefaultKochString);
    EXPECT_EQ(v.Vorname, "J\xFCrgen"); // converted to Windows-1252
    EXPECT_EQ(v.Rufzeichen, " X1");    // no Windows-1252 form: a blank
}

TEST(StartTab, KeyboardMorseTabNeedsKeyboardMorse) {
    const struct {
        int tab;
        bool keyboardMorse;
        int expected;
    } cases[] = {{2, false, 1}, {2, true, 2}, {3, false, 3}, {0, true, 0}};
    for (const auto& c : cases) {
        Voreinstellungen v;
        v.TabIndex = c.tab;
        v.TastaturMorsen = c.keyboardMorse;
        EXPECT_EQ(startTab(v), c.expected) << c.tab << c.keyboardMorse;
    }
}

TEST_F(SettingsDatabase, LoadSaveLoadChangesNothing) {
    execute("UPDATE voreinstellungen SET Vorname = 'J\xC3\xBCrgen', KochMethode = 1, "
            "TastaturMorsen = 1, Handtaste = 1, DSR = 1");
    execute("UPDATE kochtrainer SET obertoene = -1");
    const std::string before = dump();
    saveSettings(path_, load());
    EXPECT_EQ(dump(), before);
}

TEST_F(SettingsDatabase, SaveWritesEveryColumnButTheUnusedOne) {
    execute("UPDATE voreinstellungen SET unbenutzt = 777");
    Settings s;
    Voreinstellungen& v = s.voreinstellungen;
    v.Volume = 17;
    v.relGeschw = 13;
    v.Zeichenvorrat = "abc\xE4";
    v.Handtaste = true;
    v.Reverse = true;
    v.Farnsworth = true;
    v.RTS = true;
    v.Sprache = 3;
    s.kochtrainer.obertoene = true;
    s.kochtrainer.minbpm = 90;
    saveSettings(path_, s);

    EXPECT_EQ(integer("SELECT Volume FROM voreinstellungen"), 17);
    EXPECT_EQ(integer("SELECT relGeschw FROM voreinstellungen"), 13);
    EXPECT_EQ(text("SELECT Zeichenvorrat FROM voreinstellungen"), "abc\xC3\xA4");
    EXPECT_EQ(integer("SELECT Handtaste FROM voreinstellungen"), 1);
    EXPECT_EQ(integer("SELECT Reverse FROM voreinstellungen"), 1);
    EXPECT_EQ(integer("SELECT Farnsworth FROM voreinstellungen"), 1);
    EXPECT_EQ(integer("SELECT RTS FROM voreinstellungen"), 1);
    EXPECT_EQ(integer("SELECT CTS FROM voreinstellungen"), 0);
    EXPECT_EQ(integer("SELECT Sprache FROM voreinstellungen"), 3);
    EXPECT_EQ(integer("SELECT unbenutzt FROM voreinstellungen"), 777);
    EXPECT_EQ(integer("SELECT obertoene FROM kochtrainer"), -1);
    EXPECT_EQ(integer("SELECT minbpm FROM kochtrainer"), 90);
    EXPECT_EQ(integer("SELECT count(*) FROM voreinstellungen"), 1);
}

TEST_F(SettingsDatabase, EachTableIsWrittenInATransactionOfItsOwn) {
    // The last column of the second table cannot be written.
    execute("CREATE TRIGGER refuse BEFORE UPDATE OF RTS ON voreinstellungen "
            "BEGIN SELECT RAISE(ABORT, 'refused'); END");
    Settings settings = load();
    settings.kochtrainer.minbpm = 90;
    settings.voreinstellungen.Volume = 17;
    EXPECT_THROW(saveSettings(path_, settings), SqliteError);
    EXPECT_EQ(integer("SELECT minbpm FROM kochtrainer"), 90);
    EXPECT_NE(integer("SELECT Volume FROM voreinstellungen"), 17);
}

TEST_F(SettingsDatabase, TablesWithoutARowKeepTheInitialValues) {
    execute("DELETE FROM voreinstellungen; DELETE FROM kochtrainer");
    Settings settings;
    settings.voreinstellungen.Volume = 13;
    loadSettings(path_, 3, settings);
    EXPECT_EQ(settings.voreinstellungen.Volume, 13);
    EXPECT_EQ(settings.kochtrainer.minbpm, KochTrainerSettings{}.minbpm);
    saveSettings(path_, settings); // finds no row to update
    EXPECT_EQ(integer("SELECT count(*) FROM voreinstellungen"), 0);
}

TEST(SettingsStore, AMissingDatabaseIsAnErrorAndNotCreated) {
    const fs::path missing = fs::temp_directory_path() / "dittaro-no-such-settings.sqlite";
    fs::remove(missing);
    Settings settings;
    EXPECT_THROW(loadSettings(missing, 1, settings), SqliteError);
    EXPECT_THROW(saveSettings(missing, settings), SqliteError);
    EXPECT_FALSE(fs::exists(missing));
}

} // namespace
} // namespace dittaro
