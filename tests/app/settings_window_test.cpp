// The settings and the main window: what each stored value shows at start, what the
// controls write back at the end, and that a start and end change nothing by themselves.

#include "app/main_menu.h"
#include "app/status_bar.h"
#include "engine/widgets/timing_controls.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <functional>

namespace dittaro::test {
namespace {

class SettingsWindowTest : public WindowTest {
public:
    QString text(const char* name) { return find<QLineEdit>(name)->text(); }
    bool checked(const char* name) { return find<QAbstractButton>(name)->isChecked(); }
    bool ticked(const char* name) { return action(name)->isChecked(); }
    int slider(const char* name) { return find<QSlider>(name)->value(); }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    QString status(int field) { return window().parts().status->text(field); }
};

struct LoadCase {
    const char* name;
    const char* assignments; // "UPDATE <table> SET " + this
    const char* table;
    std::function<void(SettingsWindowTest&)> check;
};

#define CHECK(body) [](SettingsWindowTest& t) { body; }

const LoadCase kLoadCases[] = {
    {"volume and pitch", "Volume = 13, Frequency = 1000", "voreinstellungen", CHECK({
         EXPECT_EQ(t.slider("TrackBarLautstaerke"), 13);
         EXPECT_EQ(t.label("LabelLautstaerkeWert"), "65 %");
         EXPECT_EQ(t.slider("TrackBarTonhoehe"), 1000);
         EXPECT_EQ(t.label("LabelTonhoeheWert"), "1000 Hz");
     })},
    {"pitch out of range keeps 800", "Frequency = 1201", "voreinstellungen",
     CHECK(EXPECT_EQ(t.slider("TrackBarTonhoehe"), 800))},
    {"normal exercise set",
     "GeschwindigkeitID = 16, Farnsworth = 1, FarnsworthBpMID = 6, "
     "PunktStrichID = 2, ZeichenProGruppe = 1, KG = 30",
     "voreinstellungen", CHECK({
         EXPECT_EQ(t.text("EditAbspielen"), "100");
         EXPECT_TRUE(t.checked("CheckBoxFarnsworth"));
         EXPECT_EQ(t.text("EditZeichen"), "120");
         EXPECT_TRUE(t.find<QLineEdit>("EditZeichen")->isEnabled());
         EXPECT_TRUE(t.checked("RadioGroup3Item2"));
         EXPECT_TRUE(t.checked("RadioGroupZeichenProGruppeItem1"));
         EXPECT_FALSE(t.checked("CheckBoxKochMethode"));
     })},
    {"Koch exercise set",
     "KochMethode = 1, KG = 20, KFM = 1, KF = 8, KSP = 1, KZPG = 0, "
     "KochStufe = 5, GeschwindigkeitID = 30",
     "voreinstellungen", CHECK({
         EXPECT_TRUE(t.checked("CheckBoxKochMethode"));
         EXPECT_EQ(t.text("EditAbspielen"), "120");
         EXPECT_TRUE(t.checked("CheckBoxFarnsworth"));
         EXPECT_EQ(t.text("EditZeichen"), "140");
         EXPECT_TRUE(t.checked("RadioGroup3Item1"));
         EXPECT_TRUE(t.checked("RadioGroupZeichenProGruppeItem0"));
         EXPECT_EQ(t.text("Edit3"), "fjsld  kahgrueiwoqptzvncmxby6758493021/,=.?");
         EXPECT_EQ(t.status(8), "Koch 5/41  d");
     })},
    {"Farnsworth off disables its field", "Farnsworth = 0", "voreinstellungen",
     CHECK(EXPECT_FALSE(t.find<QLineEdit>("EditZeichen")->isEnabled()))},
    {"keyer", "KeyerID = 20, Handtaste = 0, DecodierSpeed = 150", "voreinstellungen", CHECK({
         EXPECT_EQ(t.text("Edit11"), "120");
         EXPECT_TRUE(t.checked("CheckBoxSoftwareKeyer"));
         EXPECT_EQ(t.text("Edit7"), "120"); // the decoder follows the keyer
         EXPECT_FALSE(t.find<QWidget>("ImagePaddle")->isHidden());
         EXPECT_TRUE(t.find<QWidget>("ImageHandtaste")->isHidden());
     })},
    {"straight key, decoder speed rounded down", "Handtaste = 1, DecodierSpeed = 123",
     "voreinstellungen", CHECK({
         EXPECT_FALSE(t.checked("CheckBoxSoftwareKeyer"));
         EXPECT_EQ(t.text("Edit7"), "120");
         EXPECT_TRUE(t.find<QWidget>("ImagePaddle")->isHidden());
         EXPECT_FALSE(t.find<QWidget>("ImageHandtaste")->isHidden());
     })},
    {"decoder speed 39 keeps 40", "Handtaste = 1, DecodierSpeed = 39", "voreinstellungen",
     CHECK(EXPECT_EQ(t.text("Edit7"), "40"))},
    {"decoder speed 305 keeps 40", "Handtaste = 1, DecodierSpeed = 305", "voreinstellungen",
     CHECK(EXPECT_EQ(t.text("Edit7"), "40"))},
    {"memory and reverse", "IambicMode = 2, Reverse = 1", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.checked("RadioGroupSpeicherItem2"));
         EXPECT_TRUE(t.checked("CheckBoxRev"));
     })},
    {"counts", "Gruppen = 17, GruppenWiederholungID = 3, Zeilen = 12, WortWiederholungID = 2",
     "voreinstellungen", CHECK({
         EXPECT_EQ(t.text("Edit5"), "17");
         EXPECT_EQ(t.text("Edit1"), "3");
         EXPECT_EQ(t.text("Edit4"), "12");
         EXPECT_EQ(t.text("Edit6"), "2");
     })},
    {"character set", "Zeichenvorrat = 'abcäöü'", "voreinstellungen",
     CHECK(EXPECT_EQ(t.text("Edit2"), "abcäöü"))},
    {"empty character set loads the built-in one", "Zeichenvorrat = ''", "voreinstellungen",
     CHECK(EXPECT_EQ(t.text("Edit2"), "abcdefghijklmnopqrstuvwxyz0123456789+-=,.:?/()'"))},
    {"Koch order of four characters", "KochString = 'xyzw'", "voreinstellungen",
     CHECK(EXPECT_EQ(t.text("Edit3"), "xyzw"))},
    {"long character set and Koch order show their beginnings",
     "KochMethode = 1, KochStufe = 3, Zeichenvorrat = 'abcdefghijklmnopqrstuvwxyz0123456789äöü'",
     "voreinstellungen", CHECK({
         EXPECT_EQ(t.find<QLineEdit>("Edit2")->cursorPosition(), 0);
         EXPECT_EQ(t.find<QLineEdit>("Edit3")->cursorPosition(), 0);
     })},
    {"Koch order of three characters keeps the built-in order", "KochString = 'abc'",
     "voreinstellungen",
     CHECK(EXPECT_EQ(t.text("Edit3"), "fjsldkahgrueiwoqptzvncmxby6758493021/,=.?"))},
    {"gaps", "WortabstandID = 5, KA = 12", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.ticked("Gruppenabstand5"));
         EXPECT_TRUE(t.ticked("Wortabstand12"));
     })},
    {"gaps out of range are normal", "WortabstandID = 13, KA = -1", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.ticked("Gruppenabstand0"));
         EXPECT_TRUE(t.ticked("Wortabstand0"));
     })},
    {"serial port and lines", "COM = 7, DSR = 1, CTS = 0, RTS = 5", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.ticked("COM7"));
         EXPECT_TRUE(t.ticked("DSR"));
         EXPECT_FALSE(t.ticked("CTS"));
         EXPECT_TRUE(t.ticked("RTS"));
     })},
    {"port 11 is port 1", "COM = 11", "voreinstellungen", CHECK(EXPECT_TRUE(t.ticked("COM1")))},
    {"replacements", "Umlaute = 0, Akzente = 1, CH = 1, SZ = 0", "voreinstellungen", CHECK({
         EXPECT_FALSE(t.ticked("Umlaute"));
         EXPECT_TRUE(t.ticked("Akzente"));
         EXPECT_TRUE(t.ticked("CH"));
         EXPECT_FALSE(t.ticked("SZ"));
     })},
    {"random-text table", "ZufallstextIndex = 3", "voreinstellungen",
     CHECK(EXPECT_EQ(t.find<QComboBox>("ComboBox2")->currentText(), "Rufzeichen"))},
    {"random-text index beyond the tables is the first", "ZufallstextIndex = 4", "voreinstellungen",
     CHECK(EXPECT_EQ(t.find<QComboBox>("ComboBox2")->currentText(), "Deutsche_Woerter"))},
    {"hardness hart", "TastungID = 2", "voreinstellungen", CHECK(EXPECT_TRUE(t.ticked("Hart")))},
    {"hardness 3 is mittel", "TastungID = 3", "voreinstellungen",
     CHECK(EXPECT_TRUE(t.ticked("Mittel")))},
    {"display delay lang", "VerzID = 3", "voreinstellungen", CHECK(EXPECT_TRUE(t.ticked("Lang")))},
    {"display delay 4 is mittel", "VerzID = 4", "voreinstellungen",
     CHECK(EXPECT_TRUE(t.ticked("VerzoegerungMittel")))},
    {"on-screen keying mode", "TastenModus = 3", "voreinstellungen",
     CHECK(EXPECT_TRUE(t.ticked("ModusGrafik")))},
    {"flags", "ZeichenAnzeigen = 1, Obertoene = 1", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.checked("CheckBoxZeichenAnzeigen"));
         EXPECT_TRUE(t.checked("CheckBoxObertoene"));
     })},
    {"font size 0 is 12 pt", "FontsizeID = 0", "voreinstellungen", CHECK({
         EXPECT_EQ(t.find<QComboBox>("ComboBox3")->currentText(), "12 pt");
         EXPECT_EQ(t.find<QPlainTextEdit>("Memo2")->font().pointSize(), 12);
     })},
    {"font size 8 is 18 pt", "FontsizeID = 8", "voreinstellungen", CHECK({
         EXPECT_EQ(t.find<QComboBox>("ComboBox3")->currentText(), "18 pt");
         for (const char* field : {"Memo1", "Memo2", "Memo4", "Memo5", "Memo8", "MemoTastatur"}) {
             EXPECT_EQ(t.find<QPlainTextEdit>(field)->font().pointSize(), 18) << field;
         }
     })},
    {"English", "Sprache = 2", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.ticked("English"));
         EXPECT_EQ(t.window().parts().tabs->tabText(0), "&Settings");
     })},
    {"language 0 is German", "Sprache = 0", "voreinstellungen", CHECK({
         EXPECT_TRUE(t.ticked("Deutsch"));
         EXPECT_EQ(t.window().parts().tabs->tabText(0), "&Einstellungen");
     })},
    {"language 4 is German", "Sprache = 4", "voreinstellungen",
     CHECK(EXPECT_TRUE(t.ticked("Deutsch")))},
    {"language -1 is German", "Sprache = -1", "voreinstellungen",
     CHECK(EXPECT_TRUE(t.ticked("Deutsch")))},
    {"start on the keying tab with its replay speed", "TabIndex = 3, relGeschw = 7",
     "voreinstellungen", CHECK({
         EXPECT_EQ(t.window().currentTab(), 3);
         EXPECT_EQ(t.slider("TrackBar4"), 7);
         EXPECT_EQ(t.label("Label19"), "70 %");
     })},
    {"the replay speed is only restored on the keying tab", "TabIndex = 0, relGeschw = 7",
     "voreinstellungen", CHECK(EXPECT_EQ(t.slider("TrackBar4"), 10))},
    {"tab 2 without keyboard Morse starts on tab 1", "TabIndex = 2, TastaturMorsen = 0",
     "voreinstellungen", CHECK({
         EXPECT_EQ(t.window().currentTab(), 1);
         EXPECT_EQ(t.status(4), "60 BpM");
     })},
    {"tab 2 with keyboard Morse", "TabIndex = 2, TastaturMorsen = 1", "voreinstellungen", CHECK({
         EXPECT_EQ(t.window().currentTab(), 2);
         EXPECT_TRUE(t.find<QWidget>("GroupBox5")->isHidden()); // no exam runs
     })},
    {"tab index out of range keeps tab 0", "TabIndex = 4", "voreinstellungen",
     CHECK(EXPECT_EQ(t.window().currentTab(), 0))},
    {"trainer speeds 59 and 169", "minbpm = 59, maxbpm = 169", "kochtrainer", CHECK({
         EXPECT_EQ(t.window().state().settings.kochtrainer.minbpm, 60);
         EXPECT_EQ(t.window().state().settings.kochtrainer.maxbpm, 169);
     })},
    {"trainer speeds 170", "minbpm = 170, maxbpm = 170", "kochtrainer", CHECK({
         EXPECT_EQ(t.window().state().settings.kochtrainer.minbpm, 60);
         EXPECT_EQ(t.window().state().settings.kochtrainer.maxbpm, 160);
     })},
    {"trainer speeds and tones swapped",
     "minbpm = 150, maxbpm = 70, tiefsterton = 900, "
     "hoechsterton = 600",
     "kochtrainer", CHECK({
         const KochTrainerSettings& k = t.window().state().settings.kochtrainer;
         EXPECT_EQ(k.minbpm, 70);
         EXPECT_EQ(k.maxbpm, 150);
         EXPECT_EQ(k.tiefsterton, 600);
         EXPECT_EQ(k.hoechsterton, 900);
     })},
};

TEST_F(SettingsWindowTest, EachStoredValueShowsInItsControl) {
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(c.name);
        dir.execute(std::string("UPDATE ") + c.table + " SET " + c.assignments);
        start();
        c.check(*this);
        finish();
        // Back to the shipped row for the next case.
        dir.execute("DELETE FROM kochtrainer; DELETE FROM voreinstellungen;");
        dir.execute(
            "ATTACH DATABASE '" +
            (std::filesystem::path(DITTARO_BINARY_DIR) / "dist/data/Dittaro_Data.sqlite").string() +
            "' AS shipped; INSERT INTO kochtrainer SELECT * FROM shipped.kochtrainer; "
            "INSERT INTO voreinstellungen SELECT * FROM shipped.voreinstellungen;");
    }
}

TEST_F(SettingsWindowTest, TheEndWritesWhatTheControlsHold) {
    start();
    MainMenu& m = *window().parts().menu;
    find<QSlider>("TrackBarLautstaerke")->setValue(17);
    find<QSlider>("TrackBarTonhoehe")->setValue(640);
    QLineEdit* speed = find<QLineEdit>("EditAbspielen");
    speed->clear();
    QTest::keyClicks(speed, "123");
    QTest::keyClick(speed, Qt::Key_Return);
    clickBox(find<QCheckBox>("CheckBoxFarnsworth"));
    QLineEdit* farnsworth = find<QLineEdit>("EditZeichen");
    farnsworth->clear();
    QTest::keyClicks(farnsworth, "147");
    QTest::keyClick(farnsworth, Qt::Key_Return);
    clickBox(find<QRadioButton>("RadioGroup3Item1"));
    clickBox(find<QCheckBox>("CheckBoxObertoene"));
    m.Weich->trigger();
    m.Umlaute->trigger();
    m.CH->trigger();
    find<QComboBox>("ComboBox3")->setCurrentIndex(5);
    m.SpracheItems[2]->trigger();
    window().selectTab(3);
    find<QSlider>("TrackBar4")->setValue(13);
    finish();

    const struct {
        const char* column;
        long long value;
    } expected[] = {
        {"Volume", 17},
        {"Frequency", 640},
        {"GeschwindigkeitID", 21},
        {"Farnsworth", 1},
        {"FarnsworthBpMID", 9},
        {"PunktStrichID", 1},
        {"Obertoene", 1},
        {"TastungID", 8},
        {"Umlaute", 0},
        {"CH", 1},
        {"FontsizeID", 5},
        {"Sprache", 3},
        {"TabIndex", 3},
        {"relGeschw", 13},
        {"KG", 4},
        {"KFM", 0},
        {"KeyerID", 4},
        {"Handtaste", 0},
        {"TastaturMorsen", 0},
        {"DecodierSpeed", 40},
        {"ZufallstextIndex", 0},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(dir.integer(std::string("SELECT ") + e.column + " FROM voreinstellungen"),
                  e.value)
            << e.column;
    }
}

TEST_F(SettingsWindowTest, ChangesOfTheKochModeGoToTheKochSet) {
    dir.execute("UPDATE voreinstellungen SET KochMethode = 1, KG = 10, GeschwindigkeitID = 30");
    start();
    QLineEdit* speed = find<QLineEdit>("EditAbspielen");
    EXPECT_EQ(speed->text(), "70");
    speed->clear();
    QTest::keyClicks(speed, "90");
    QTest::keyClick(speed, Qt::Key_Return);
    finish();
    EXPECT_EQ(dir.integer("SELECT KG FROM voreinstellungen"), 14);
    EXPECT_EQ(dir.integer("SELECT GeschwindigkeitID FROM voreinstellungen"), 30);
}

TEST_F(SettingsWindowTest, TheStraightKeysDecoderSpeedSurvivesARunWithTheKeyer) {
    dir.execute("UPDATE voreinstellungen SET Handtaste = 0, KeyerID = 20, DecodierSpeed = 150");
    start();
    EXPECT_EQ(find<QLineEdit>("Edit7")->text(), "120");
    finish();
    EXPECT_EQ(dir.integer("SELECT DecodierSpeed FROM voreinstellungen"), 150);
    EXPECT_EQ(dir.integer("SELECT Handtaste FROM voreinstellungen"), 0);
}

TEST_F(SettingsWindowTest, AStartAndEndOfTheShippedSettingsChangesNothing) {
    const std::string shipped = dir.settingsDump();
    start();
    finish();
    EXPECT_EQ(dir.settingsDump(), shipped);
}

TEST_F(SettingsWindowTest, LoadSaveLoadKeepsEverySetting) {
    dir.execute("UPDATE kochtrainer SET punktstrich = 2, minbpm = 90, maxbpm = 140, "
                "tiefsterton = 500, hoechsterton = 900, tasthaerte = 2, obertoene = -1");
    dir.execute(
        "UPDATE voreinstellungen SET Volume = 9, Frequency = 700, KeyerID = 12, "
        "GeschwindigkeitID = 20, IambicMode = 3, Reverse = 1, Farnsworth = 1, Gruppen = 33, "
        "Zeichenvorrat = 'äöüß?', KochString = 'kmuresnaptl', KochStufe = 6, "
        "FarnsworthBpMID = 7, PunktStrichID = 1, WortabstandID = 4, Umlaute = 0, Akzente = 0, "
        "CH = 1, SZ = 0, Zeilen = 7, ZufallstextIndex = 2, Handtaste = 1, KochMethode = 1, "
        "TastungID = 8, ZeichenAnzeigen = 1, VerzID = 1, KG = 15, KF = 5, KA = 11, KSP = 2, "
        "KFM = 1, Obertoene = 1, ZeichenProGruppe = 0, GruppenWiederholungID = 2, "
        "Vorname = 'Jörg', Nachname = 'Müller', Rufzeichen = 'DL1ABC', Sprache = 3, "
        "WortWiederholungID = 3, KZPG = 2, COM = 4, DecodierSpeed = 85, TabIndex = 3, "
        "TastaturMorsen = 0, relGeschw = 12, TastenModus = 2, FontsizeID = 6, DSR = 1, "
        "CTS = 1, RTS = 0");
    const std::string before = dir.settingsDump();
    start();
    finish();
    const std::string once = dir.settingsDump();
    EXPECT_EQ(once, before);
    start();
    finish();
    EXPECT_EQ(dir.settingsDump(), once);
}

} // namespace
} // namespace dittaro::test
