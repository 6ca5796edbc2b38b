// Interface languages: every text of the main window comes from the language's row of the
// text tables, also back in German after another language, with the tab kept.

#include "app/main_menu.h"
#include "app/status_bar.h"
#include "common/cp1252.h"
#include "common/sqlite_database.h"
#include "window_fixture.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabBar>
#include <functional>

namespace dittaro::test {
namespace {

class LanguageTest : public WindowTest {
protected:
    // The text of a table cell as the window shows it: through the program's 8-bit text.
    QString cell(const std::string& table, int column, int language) {
        SqliteDatabase db(dir.dataDatabase(), SqliteDatabase::Mode::ReadOnly);
        SqliteStatement statement =
            db.prepare("SELECT * FROM " + table + " WHERE rowid = " + std::to_string(language));
        if (!statement.step()) {
            ADD_FAILURE() << table << " has no row " << language;
            return {};
        }
        return QString::fromStdU32String(cp1252ToUtf32(utf8ToCp1252(statement.columnText(column))));
    }

    QString widgetText(const char* name) {
        QObject* object = window().findChild<QObject*>(QString::fromLatin1(name));
        if (object == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            return {};
        }
        if (auto* box = qobject_cast<QGroupBox*>(object)) {
            return box->title();
        }
        if (auto* label = qobject_cast<QLabel*>(object)) {
            return label->text();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(object)) {
            return button->text();
        }
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            return menu->title();
        }
        if (auto* item = qobject_cast<QAction*>(object)) {
            return item->text();
        }
        ADD_FAILURE() << name << " has no text";
        return {};
    }
    QString hint(const char* name) { return find<QWidget>(name)->toolTip(); }
};

enum class Shows { Text, Hint };

struct TextUse {
    const char* table;
    int column;
    const char* control;
    Shows shows = Shows::Text;
    const char* prefix = "";
    const char* suffix = "";
};

// Every text of the main window that the tables give, by table and column.
const TextUse kTextUses[] = {
    {"texte_01", 1, "Textdatei"},
    {"texte_01", 2, "Neu"},
    {"texte_01", 3, "SpeichernAls"},
    {"texte_01", 4, "Speichern"},
    {"texte_01", 5, "Oeffnen"},
    {"texte_01", 6, "Beenden"},
    {"texte_01", 7, "ButtonHoeruebung"},
    {"texte_01", 8, "ButtonGebeuebung"},
    {"texte_01", 9, "Steuer"},
    {"texte_01", 10, "UpDown5", Shows::Hint},
    {"texte_01", 10, "Edit7", Shows::Hint},
    {"texte_01", 11, "ImportTimingdatei"},
    {"texte_01", 11, "ExportTimingdatei"},
    {"texte_01", 12, "ImportZufallstextdatei"},
    {"texte_01", 12, "ExportZufallstextdatei"},
    {"texte_01", 13, "Pruefungstextdatei1"},
    {"texte_01", 14, "UpDown1", Shows::Hint},
    {"texte_01", 15, "ExportWav", Shows::Text, "", " (*.wav)"},
    {"texte_01", 15, "ExportMp3", Shows::Text, "", " (*.mp3)"},
    {"texte_01", 15, "ExportOgg", Shows::Text, "", " (*.ogg)"},
    {"texte_01", 18, "UpDown2", Shows::Hint},
    {"texte_01", 19, "UpDown4", Shows::Hint},
    {"texte_01", 20, "LabelSchriftgroesse"},
    {"texte_01", 22, "UpDown3", Shows::Hint},

    {"texte_05", 2, "CheckBoxZeichenAnzeigen"},
    {"texte_05", 3, "CheckBoxTastaturmorsen"},
    {"texte_05", 3, "CheckBox15"},
    {"texte_05", 3, "ButtonTastaturmorsen"},
    {"texte_05", 4, "GroupBox5"},
    {"texte_05", 5, "Button2"},
    {"texte_05", 8, "CH", Shows::Text, "ch = 1 "},
    {"texte_05", 10, "LabelBpMAbspielen"},
    {"texte_05", 10, "LabelBpMZeichen"},
    {"texte_05", 10, "LabelBpMKeyer"},
    {"texte_05", 15, "LabelAbspielen"},
    {"texte_05", 16, "GroupBoxTiming"},

    {"texte_04", 1, "LabelAnzahlGruppen"},
    {"texte_04", 2, "GroupBoxTextfeld"},
    {"texte_04", 3, "ButtonTextfeldStart"},
    {"texte_04", 4, "GroupBox7"},
    {"texte_04", 5, "ButtonFehlerAnzeigen"},
    {"texte_04", 6, "GroupBoxZufallszeichen"},
    {"texte_04", 7, "LabelAnzahlTexte"},
    {"texte_04", 8, "ButtonZeichenStart"},
    {"texte_04", 9, "GroupBoxZufallstexte"},
    {"texte_04", 10, "ButtonZufallstexteStart"},
    {"texte_04", 12, "Edit5", Shows::Hint},
    {"texte_04", 13, "Edit1", Shows::Hint},
    {"texte_04", 14, "Edit4", Shows::Hint},
    {"texte_04", 15, "Edit6", Shows::Hint},
    {"texte_04", 16, "EditAbspielen", Shows::Hint},
    {"texte_04", 16, "UpDownAbspielen", Shows::Hint},
    {"texte_04", 17, "Ersetze"},
    {"texte_04", 19, "Button1"},
    {"texte_04", 20, "ButtonTextfeldStart", Shows::Hint},
    {"texte_04", 22, "ButtonKochHoch", Shows::Hint},
    {"texte_04", 22, "ButtonKochHoch2", Shows::Hint},
    {"texte_04", 23, "ButtonKochRunter", Shows::Hint},
    {"texte_04", 23, "ButtonKochRunter2", Shows::Hint},
    {"texte_04", 24, "ButtonMix", Shows::Hint},

    {"texte_03", 2, "LabelLautstaerke"},
    {"texte_03", 3, "LabelTonhoehe"},
    {"texte_03", 4, "CheckBoxSoundtest"},
    {"texte_03", 7, "CheckBoxObertoene"},
    {"texte_03", 8, "DSR"},
    {"texte_03", 9, "CTS"},
    {"texte_03", 10, "RTS"},
    {"texte_03", 11, "LabelWiedergabe"},
    {"texte_03", 12, "EditZeichen", Shows::Hint},
    {"texte_03", 12, "UpDownZeichen", Shows::Hint},
    {"texte_03", 15, "RadioGroup3"},
    {"texte_03", 16, "RadioGroupZeichenProGruppe"},
    {"texte_03", 19, "LabelKochReihenfolge"},
    {"texte_03", 23, "CheckBoxKochMethode"},
    {"texte_03", 24, "LabelZeichen"},
    {"texte_03", 29, "Wortabstand"},

    {"texte_02", 1, "CheckBoxFarnsworth", Shows::Hint},
    {"texte_02", 2, "HaerteDerTastung"},
    {"texte_02", 3, "Hart"},
    {"texte_02", 4, "Mittel"},
    {"texte_02", 5, "Weich"},
    {"texte_02", 6, "Verzoegerung"},
    {"texte_02", 7, "Kurz"},
    {"texte_02", 8, "VerzoegerungMittel"},
    {"texte_02", 9, "Lang"},
    {"texte_02", 14, "ZufallstexttabelleLoeschen"},
    {"texte_02", 15, "Koch1"},
    {"texte_02", 16, "FuenfergruppenMorsepruefung"},
    {"texte_02", 17, "pruefung_korrigieren"},
    {"texte_02", 18, "Sprache"},
    {"texte_02", 19, "LabelUeberschrift"},
    {"texte_02", 20, "Hilfe"},
    {"texte_02", 20, "HilfeItem"},
    {"texte_02", 21, "Infos"},
    {"texte_02", 22, "BildschirmTasten"},
    {"texte_02", 23, "ModusDecodieren"},
    {"texte_02", 24, "ModusGrafik"},
    {"texte_02", 25, "Koch2"},

    {"texte_06", 2, "RadioGroupSpeicher"},
    {"texte_06", 3, "RadioGroupSpeicherItem0"},
    {"texte_06", 5, "RadioGroupSpeicherItem1"},
    {"texte_06", 4, "RadioGroupSpeicherItem2"},
    {"texte_06", 6, "RadioGroupSpeicherItem3"},
    {"texte_06", 7, "CheckBoxRev", Shows::Hint},
    {"texte_06", 8, "ImagePaddle", Shows::Hint},
    {"texte_06", 8, "ImageHandtaste", Shows::Hint},
    {"texte_06", 9, "GroupBoxAufzeichnung"},
    {"texte_06", 10, "ButtonDecodieren"},
    {"texte_06", 15, "ImportTextdatei", Shows::Text, "", " (*.txt)"},
};

class LanguageSwitch : public LanguageTest {
protected:
    void expectTextsOf(int language) {
        SCOPED_TRACE("language " + std::to_string(language));
        for (const TextUse& use : kTextUses) {
            const QString expected = QString::fromUtf8(use.prefix) +
                                     cell(use.table, use.column, language) +
                                     QString::fromUtf8(use.suffix);
            const QString shown =
                use.shows == Shows::Hint ? hint(use.control) : widgetText(use.control);
            EXPECT_EQ(shown, expected)
                << use.table << " column " << use.column << " on " << use.control;
        }
        const QTabBar& tabs = *window().parts().tabs;
        EXPECT_EQ(tabs.tabText(0), cell("texte_03", 1, language));
        EXPECT_EQ(tabs.tabText(1), "Sta&rt");
        EXPECT_EQ(tabs.tabText(2), cell("texte_05", 1, language));
        EXPECT_EQ(tabs.tabText(3), cell("texte_06", 1, language));
        EXPECT_EQ(widgetText("LabelSpeed"), cell("texte_05", 16, language).trimmed());
        EXPECT_TRUE(window()
                        .parts()
                        .menu->SpracheItems[static_cast<std::size_t>(language - 1)]
                        ->isChecked());
    }
};

TEST_F(LanguageSwitch, GermanEnglishGermanRestoresEveryTextFromTheTablesOnTheSameTab) {
    start();
    window().selectTab(3);
    expectTextsOf(1);
    window().chooseLanguage(2);
    EXPECT_EQ(window().currentTab(), 3);
    expectTextsOf(2);
    window().chooseLanguage(1);
    EXPECT_EQ(window().currentTab(), 3);
    expectTextsOf(1);
}

TEST_F(LanguageSwitch, FrenchFromTheMenu) {
    start();
    window().selectTab(1);
    window().parts().menu->SpracheItems[2]->trigger();
    EXPECT_EQ(window().currentTab(), 1);
    expectTextsOf(3);
}

TEST_F(LanguageTest, TheGermanTablesReplaceTheDesignCaptions) {
    start();
    // Design captions that the German row words differently.
    EXPECT_EQ(widgetText("ButtonHoeruebung"), cell("texte_01", 7, 1));
    EXPECT_NE(widgetText("ButtonHoeruebung"), "Copying practice");
    EXPECT_NE(widgetText("LabelKochReihenfolge"), "Koch-Methode: Reihenfoge der Zeichen");
}

TEST_F(LanguageTest, TheDotDashMemoryKeepsItsSelection) {
    dir.execute("UPDATE voreinstellungen SET IambicMode = 2");
    start();
    EXPECT_TRUE(find<QRadioButton>("RadioGroupSpeicherItem2")->isChecked());
    window().chooseLanguage(2);
    EXPECT_TRUE(find<QRadioButton>("RadioGroupSpeicherItem2")->isChecked());
    EXPECT_EQ(widgetText("RadioGroupSpeicherItem2"), cell("texte_06", 4, 2));
}

TEST_F(LanguageTest, ALanguageWithoutRowsLeavesTheTextsAsTheyWere) {
    dir.execute("DELETE FROM texte_04 WHERE rowid = 2");
    start();
    const QString german = widgetText("ButtonZeichenStart");
    window().chooseLanguage(2);
    EXPECT_EQ(widgetText("ButtonZeichenStart"), german);
    EXPECT_EQ(widgetText("Textdatei"), cell("texte_01", 1, 2));
}

TEST_F(LanguageTest, TheSpeedUnitFollowsTheLanguageInTheStatusBar) {
    dir.execute("UPDATE voreinstellungen SET Farnsworth = 1");
    start();
    window().selectTab(1);
    window().chooseLanguage(3);
    const StatusFields& status = *window().parts().status;
    EXPECT_EQ(status.text(4), "60 " + cell("texte_05", 10, 3));
    EXPECT_EQ(status.text(5), "F 100 " + cell("texte_05", 10, 3));
    EXPECT_EQ(status.text(7), "3 : 1");
}

TEST_F(LanguageTest, StatusFieldsShowTheirWidestTextsWholeInEveryLanguage) {
    // The Koch set at its fastest, the last Koch level.
    dir.execute("UPDATE voreinstellungen SET KochMethode = 1, KG = 176, KFM = 1, KF = 84, "
                "KSP = 1, KochStufe = 41");
    start();
    const int windowWidth = window().width();
    for (int language : {1, 2, 3, 1}) {
        SCOPED_TRACE(language);
        window().chooseLanguage(language);
        window().selectTab(1);
        QApplication::processEvents();
        const QWidget* bar = find<QWidget>("StatusField1")->parentWidget();
        window().parts().status->set(1, QStringLiteral("59 Min 59 Sek")); // a long practice
        QApplication::processEvents();
        for (const char* name :
             {"StatusField1", "StatusField4", "StatusField5", "StatusField7", "StatusField8"}) {
            const auto* field = find<QLabel>(name);
            EXPECT_GE(field->contentsRect().width(),
                      field->fontMetrics().horizontalAdvance(field->text()))
                << name << " \"" << field->text().toStdString() << '"';
            EXPECT_LE(field->geometry().right(), bar->width()) << name;
        }
        EXPECT_EQ(window().width(), windowWidth);
    }
}

TEST_F(LanguageTest, EveryTabCaptionFitsItsTabInEveryLanguage) {
    start();
    const QTabBar& tabs = *window().parts().tabs;
    QFont bold = tabs.font();
    bold.setBold(true); // the selected tab's face
    for (int language : {1, 2, 3}) {
        SCOPED_TRACE(language);
        window().chooseLanguage(language);
        QApplication::processEvents();
        for (int i = 0; i < tabs.count(); ++i) {
            const QString caption = tabs.tabText(i).remove('&');
            EXPECT_GT(tabs.tabRect(i).width(), QFontMetrics(bold).horizontalAdvance(caption))
                << caption.toStdString();
            EXPECT_LE(tabs.tabRect(i).right(), tabs.width()) << caption.toStdString();
        }
    }
}

} // namespace
} // namespace dittaro::test
