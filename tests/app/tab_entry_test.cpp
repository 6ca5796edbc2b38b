// Entering the four tabs: what each shows and hides, which menu items it allows, what the
// status bar shows, and the rules that depend on the state at entry.

#include "app/main_menu.h"
#include "app/status_bar.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <vector>

namespace dittaro::test {
namespace {

class TabEntryTest : public WindowTest {
protected:
    bool hidden(const char* name) { return find<QWidget>(name)->isHidden(); }
    QString status(int field) { return window().parts().status->text(field); }
};

struct TabCase {
    int tab;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
    // Status fields 1 .. 8.
    std::vector<const char*> status;
};

const TabCase kTabs[] = {
    {0,
     {"SettingsPage", "TrackBarTonhoehe", "EditAbspielen", "ComboBox3", "ButtonHoeruebung"},
     {"Memo2", "Memo8", "Memo1", "Memo3", "GroupBoxZufallszeichen", "GroupBox7", "BitBtn6",
      "PanelTaste", "Memo4", "TrackBar4", "CheckBoxZeichenAnzeigen", "ButtonFehlerAnzeigen"},
     {"", "", "", "", "", "", "", ""}},
    {1,
     {"Memo2", "Memo8", "GroupBoxZufallszeichen", "GroupBoxZufallstexte", "GroupBoxTextfeld",
      "GroupBox7", "ButtonFehlerAnzeigen"},
     {"SettingsPage", "Memo1", "Memo3", "BitBtn6", "BitBtn1", "CheckBoxZeichenAnzeigen",
      "CheckBoxTastaturmorsen", "GroupBox5", "PanelTaste", "Memo4", "Memo5", "TrackBar4",
      "MemoTastatur"},
     {"", "", "", "60 BpM", "", "", "3 : 1", ""}},
    {2,
     {"Memo1", "Memo8", "BitBtn1", "BitBtn2", "BitBtn6", "BitBtn7", "BitBtn8",
      "CheckBoxZeichenAnzeigen", "CheckBoxTastaturmorsen"},
     {"SettingsPage", "Memo2", "Memo3", "CheckBox15", "GroupBox5", "GroupBoxZufallszeichen",
      "GroupBox7", "PanelTaste", "Memo4", "TrackBar4", "ButtonFehlerAnzeigen"},
     {"", "", "", "", "", "", "", ""}},
    {3,
     {"PanelTaste", "Memo4", "Memo5", "ButtonDecodieren", "Edit11", "UpDown9", "Edit7", "UpDown5",
      "TrackBar4", "LabelWiedergabe", "Label19", "CheckBoxRev", "CheckBoxSoftwareKeyer",
      "RadioGroupSpeicher", "GroupBoxAufzeichnung", "BitBtn3", "BitBtn4", "BitBtn5"},
     {"PaintBoxGraph", "ScrollBarGraph", "SettingsPage", "Memo2", "Memo8", "Memo1", "BitBtn6",
      "CheckBoxZeichenAnzeigen", "GroupBoxZufallszeichen"},
     {"", "", "", "", "", "", "", ""}},
};

TEST_F(TabEntryTest, EachTabShowsItsControlsAndStatus) {
    start();
    // From every tab to every tab, so no tab relies on what the one before left.
    for (const TabCase& from : kTabs) {
        for (const TabCase& to : kTabs) {
            SCOPED_TRACE("from tab " + std::to_string(from.tab) + " to tab " +
                         std::to_string(to.tab));
            window().selectTab(from.tab);
            window().setWindowTitle("something else");
            window().selectTab(to.tab);
            EXPECT_EQ(window().windowTitle(), "ZKT Dittaro - 4.0.09");
            for (const char* name : to.shown) {
                EXPECT_FALSE(hidden(name)) << name;
            }
            for (const char* name : to.hidden) {
                EXPECT_TRUE(hidden(name)) << name;
            }
            for (int field = 1; field <= 8; ++field) {
                EXPECT_EQ(status(field), to.status[static_cast<std::size_t>(field - 1)])
                    << "field " << field;
            }
        }
    }
}

TEST_F(TabEntryTest, MenusFollowTheTab) {
    start();
    const MainMenu& m = *window().parts().menu;
    const struct {
        int tab;
        bool replacements, serial, screenKeys;
    } cases[] = {{0, true, true, true},
                 {1, false, false, true},
                 {3, false, false, true},
                 {2, false, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tab);
        window().selectTab(c.tab);
        EXPECT_EQ(m.Ersetze->menuAction()->isEnabled(), c.replacements);
        EXPECT_EQ(m.RS232->menuAction()->isEnabled(), c.serial);
        EXPECT_EQ(m.BildschirmTasten->menuAction()->isEnabled(), c.screenKeys);
        EXPECT_TRUE(m.Neu->isEnabled());
        EXPECT_TRUE(m.Beenden->isEnabled());
        // What later work makes usable stays disabled on every tab that would enable it.
        for (QAction* item : {m.ImportZufallstextdatei, m.ExportZufallstextdatei,
                              m.ZufallstexttabelleLoeschen, m.ExportTimingdatei, m.ExportWav}) {
            EXPECT_FALSE(item->isEnabled()) << item->objectName().toStdString();
        }
    }
}

TEST_F(TabEntryTest, TheFarnsworthSpeedShowsOnThePracticeTab) {
    dir.execute("UPDATE voreinstellungen SET Farnsworth = 1, FarnsworthBpMID = 4, "
                "PunktStrichID = 1, GeschwindigkeitID = 12");
    start();
    window().selectTab(1);
    EXPECT_EQ(status(4), "80 BpM");
    EXPECT_EQ(status(5), "F 100 BpM");
    EXPECT_EQ(status(7), "3.5 : 1");
}

TEST_F(TabEntryTest, KochStateShowsOnTheSettingsTab) {
    dir.execute("UPDATE voreinstellungen SET KochMethode = 1, KochStufe = 2");
    start();
    window().selectTab(0);
    EXPECT_EQ(status(8), "Koch 2/41  fj");
    window().selectTab(3);
    EXPECT_EQ(status(8), "");
}

TEST_F(TabEntryTest, TheAnswerFieldKeepsAnAnswerOfFiveCharacters) {
    start();
    auto* answer = find<QPlainTextEdit>("Memo8");
    const struct {
        const char* answer;
        const char* kept;
        bool usable;
    } cases[] = {{"abcd", "", false}, {"abcde", "abcde", true}, {"", "", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        window().selectTab(2);
        answer->setPlainText(QString::fromLatin1(c.answer));
        window().selectTab(1);
        EXPECT_EQ(answer->toPlainText(), c.kept);
        EXPECT_EQ(answer->isEnabled(), c.usable);
        window().selectTab(2);
        EXPECT_TRUE(answer->isEnabled());
    }
}

TEST_F(TabEntryTest, TheWordDisplayOrTheGreyCoverOnThePlaybackTab) {
    dir.execute("UPDATE voreinstellungen SET ZeichenAnzeigen = 0");
    start();
    window().selectTab(2);
    EXPECT_TRUE(hidden("Memo1"));
    EXPECT_FALSE(hidden("Memo3"));
    clickBox(find<QCheckBox>("CheckBoxZeichenAnzeigen"));
    EXPECT_FALSE(hidden("Memo1"));
    EXPECT_TRUE(hidden("Memo3"));
    clickBox(find<QCheckBox>("CheckBoxZeichenAnzeigen"));
    EXPECT_TRUE(hidden("Memo1"));
    EXPECT_FALSE(hidden("Memo3"));
}

TEST_F(TabEntryTest, TheGraphTakesTheDecoderFieldsPlaceInGraphicalAnalysis) {
    dir.execute("UPDATE voreinstellungen SET TastenModus = 3");
    start();
    window().selectTab(3);
    EXPECT_FALSE(hidden("PaintBoxGraph"));
    EXPECT_TRUE(hidden("Memo5"));
}

TEST_F(TabEntryTest, LeavingTheKeyingTabResetsTheReplaySpeed) {
    start();
    window().selectTab(3);
    find<QSlider>("TrackBar4")->setValue(14);
    EXPECT_EQ(find<QLabel>("Label19")->text(), "140 %");
    window().selectTab(1);
    EXPECT_EQ(find<QSlider>("TrackBar4")->value(), 10);
    EXPECT_EQ(find<QLabel>("Label19")->text(), "100 %");
}

TEST_F(TabEntryTest, TheModeButtonsSelectTheirTabs) {
    start();
    QTest::mouseClick(find<QPushButton>("ButtonHoeruebung"), Qt::LeftButton);
    EXPECT_EQ(window().currentTab(), 1);
    window().selectTab(0);
    QTest::mouseClick(find<QPushButton>("ButtonGebeuebung"), Qt::LeftButton);
    EXPECT_EQ(window().currentTab(), 3);
    EXPECT_FALSE(hidden("PanelTaste"));
}

TEST_F(TabEntryTest, NewEmptiesTheTextFieldsOnThePracticeTab) {
    start();
    find<QPlainTextEdit>("Memo2")->setPlainText("cq cq de dl1abc");
    find<QPlainTextEdit>("Memo8")->setPlainText("cq cq de");
    window().parts().menu->Neu->trigger();
    EXPECT_EQ(window().currentTab(), 1);
    EXPECT_TRUE(find<QPlainTextEdit>("Memo2")->toPlainText().isEmpty());
    EXPECT_TRUE(find<QPlainTextEdit>("Memo8")->toPlainText().isEmpty());
    EXPECT_EQ(window().focusWidget(), find<QPlainTextEdit>("Memo2"));
    EXPECT_EQ(status(3), "");
}

} // namespace
} // namespace dittaro::test
