// The working parts of the shell: the tone controls and the sound test, the speed fields,
// the help viewer and the about box, and closing.

#include "app/help_window.h"
#include "app/main_menu.h"
#include "app/status_bar.h"
#include "engine/widgets/timing_controls.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <iterator>

namespace dittaro::test {
namespace {

class ShellTest : public WindowTest {};

TEST_F(ShellTest, SlidersShowTheirValues) {
    start();
    find<QSlider>("TrackBarLautstaerke")->setValue(20);
    EXPECT_EQ(find<QLabel>("LabelLautstaerkeWert")->text(), "100 %");
    find<QSlider>("TrackBarLautstaerke")->setValue(0);
    EXPECT_EQ(find<QLabel>("LabelLautstaerkeWert")->text(), "0 %");
    find<QSlider>("TrackBarTonhoehe")->setValue(400);
    EXPECT_EQ(find<QLabel>("LabelTonhoeheWert")->text(), "400 Hz");
}

TEST_F(ShellTest, TheSoundTestLocksTheToneQualityWhileItSounds) {
    start();
    auto* soundTest = find<QCheckBox>("CheckBoxSoundtest");
    auto* overtones = find<QCheckBox>("CheckBoxObertoene");
    QMenu* hardness = window().parts().menu->HaerteDerTastung;
    clickBox(soundTest);
    EXPECT_TRUE(soundTest->isChecked());
    EXPECT_FALSE(overtones->isEnabled());
    EXPECT_FALSE(hardness->menuAction()->isEnabled());
    clickBox(soundTest);
    EXPECT_TRUE(overtones->isEnabled());
    EXPECT_TRUE(hardness->menuAction()->isEnabled());
}

// The samples of an 8000 Hz 16-bit mono WAV file.
std::vector<std::int16_t> wavSamples(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    std::vector<std::int16_t> samples;
    for (std::size_t i = 44; i + 1 < bytes.size(); i += 2) {
        samples.push_back(
            static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                      (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return samples;
}

TEST_F(ShellTest, TheSoundTestSoundsAtThePitchAndVolumeOfTheSliders) {
    const std::filesystem::path capture = dir.path() / "wav/capture.wav";
    qputenv("DITTARO_AUDIO", QByteArray("capture:") + capture.string().c_str());
    start();
    qputenv("DITTARO_AUDIO", "null");
    find<QSlider>("TrackBarTonhoehe")->setValue(1000);
    find<QSlider>("TrackBarLautstaerke")->setValue(10);
    clickBox(find<QCheckBox>("CheckBoxSoundtest"));
    QTest::qWait(600);
    clickBox(find<QCheckBox>("CheckBoxSoundtest"));
    finish();

    std::vector<std::int16_t> samples = wavSamples(capture);
    const auto first = std::find_if(samples.begin(), samples.end(), [](int s) { return s != 0; });
    const auto last = std::find_if(samples.rbegin(), samples.rend(), [](int s) { return s != 0; });
    ASSERT_NE(first, samples.end()) << "no tone captured";
    const std::vector<std::int16_t> tone(first, last.base());
    ASSERT_GT(tone.size(), 2000u);
    EXPECT_EQ(*std::max_element(tone.begin(), tone.end()), 10000);
    int rising = 0;
    for (std::size_t i = 1; i < tone.size(); ++i) {
        rising += tone[i - 1] < 0 && tone[i] >= 0;
    }
    const double hz = rising * 8000.0 / static_cast<double>(tone.size());
    EXPECT_NEAR(hz, 1000, 10);
}

TEST_F(ShellTest, LeavingTheSettingsTabOrClosingEndsTheSoundTest) {
    start();
    auto* soundTest = find<QCheckBox>("CheckBoxSoundtest");
    clickBox(soundTest);
    window().selectTab(1);
    EXPECT_FALSE(soundTest->isChecked());
    EXPECT_TRUE(window().parts().menu->HaerteDerTastung->menuAction()->isEnabled());
    window().selectTab(0);
    clickBox(soundTest);
    EXPECT_TRUE(soundTest->isChecked());
    window().close();
    EXPECT_FALSE(soundTest->isChecked());
    EXPECT_TRUE(window().parts().menu->HaerteDerTastung->menuAction()->isEnabled());
}

struct SpeedTyping {
    const char* field;
    const char* typed;
    const char* shown;
    const char* farnsworthShown; // EditZeichen afterwards
};

TEST_F(ShellTest, TypedSpeedsAreRoundedAndLimited) {
    dir.execute("UPDATE voreinstellungen SET Farnsworth = 1, FarnsworthBpMID = 4, "
                "GeschwindigkeitID = 8");
    start();
    const SpeedTyping cases[] = {
        {"EditAbspielen", "62", "60", "100"},   {"EditAbspielen", "63", "65", "100"},
        {"EditAbspielen", "12", "40", "100"},   {"EditAbspielen", "9999", "900", "900"},
        {"EditAbspielen", "", "40", "900"},     {"EditZeichen", "104", "40", "100"},
        {"EditZeichen", "105", "40", "110"},    {"EditZeichen", "20", "40", "60"},
        {"EditAbspielen", "115", "115", "115"}, {"EditZeichen", "90", "115", "115"},
    };
    for (const SpeedTyping& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " <- " + c.typed);
        auto* field = find<QLineEdit>(c.field);
        field->clear();
        QTest::keyClicks(field, c.typed);
        QTest::keyClick(field, Qt::Key_Return);
        EXPECT_EQ(find<QLineEdit>("EditAbspielen")->text(), c.shown);
        EXPECT_EQ(find<QLineEdit>("EditZeichen")->text(), c.farnsworthShown);
    }
}

TEST_F(ShellTest, SpeedFieldsTakeDigitsOnlyAndBackspaceEmptiesThem) {
    start();
    auto* field = find<QLineEdit>("EditAbspielen");
    field->clear();
    QTest::keyClicks(field, "1a2-b0");
    EXPECT_EQ(field->text(), "120");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    QTest::keyClicks(field, "85");
    QTest::keyClick(field, Qt::Key_Enter);
    EXPECT_EQ(field->text(), "85");
}

TEST_F(ShellTest, TheFarnsworthFieldIsUsableOnlyWithItsBox) {
    start();
    auto* box = find<QCheckBox>("CheckBoxFarnsworth");
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(find<QLineEdit>("EditZeichen")->isEnabled());
    EXPECT_FALSE(find<QLabel>("LabelBpMZeichen")->isEnabled());
    clickBox(box);
    EXPECT_TRUE(find<QLineEdit>("EditZeichen")->isEnabled());
    EXPECT_TRUE(find<QLabel>("LabelBpMZeichen")->isEnabled());
}

TEST_F(ShellTest, TheFontSizeBoxSizesTheTextFields) {
    start();
    auto* box = find<QComboBox>("ComboBox3");
    QTest::keyClick(box, Qt::Key_End);
    EXPECT_EQ(box->currentText(), "18 pt");
    EXPECT_EQ(find<QPlainTextEdit>("Memo8")->font().pointSize(), 18);
    EXPECT_EQ(find<QPlainTextEdit>("Memo4")->font().pointSize(), 18);
}

TEST_F(ShellTest, HelpOpensTheLanguagesFileAtItsStartPage) {
    const struct {
        int language;
        const char* file;
    } cases[] = {{1, "hilfe.chm"}, {2, "help.chm"}, {3, "aide.chm"}};
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        window().chooseLanguage(c.language);
        window().parts().menu->HilfeItem->trigger();
        const auto windows = window().help().windows();
        ASSERT_FALSE(windows.empty());
        HelpWindow* help = windows.back();
        EXPECT_EQ(help->path().filename(), c.file);
        EXPECT_EQ(help->currentTopic().page, "/index.html");
        EXPECT_TRUE(help->isVisible());
    }
    EXPECT_EQ(window().help().windows().size(), 3u);
}

TEST_F(ShellTest, ContextHelpShowsTheTopicOfTheFocusedControl) {
    start();
    auto contextTopic = [this](QWidget* focus) {
        window().activateWindow();
        if (focus != nullptr) {
            focus->setFocus();
        }
        QTest::keyClick(&window(), Qt::Key_F1, Qt::ShiftModifier);
        const auto windows = window().help().windows();
        return windows.empty() ? HelpTopic{} : windows.back()->currentTopic();
    };
    window().selectTab(0);
    EXPECT_EQ(contextTopic(find<QCheckBox>("CheckBoxObertoene")),
              (HelpTopic{"/tab_settings.html", "overtones"}));
    window().selectTab(1);
    EXPECT_EQ(contextTopic(find<QPlainTextEdit>("Memo2")),
              (HelpTopic{"/tab_start.html", "textfield"}));
    window().selectTab(3);
    EXPECT_EQ(contextTopic(find<QPlainTextEdit>("Memo4")),
              (HelpTopic{"/tab_keying.html", "template"}));
    EXPECT_EQ(contextTopic(find<QPlainTextEdit>("Memo5")), (HelpTopic{"/tab_keying.html", ""}));
}

TEST_F(ShellTest, ClosingTheWindowClosesEveryHelpWindow) {
    start();
    window().parts().menu->HilfeItem->trigger();
    window().chooseLanguage(2);
    window().parts().menu->HilfeItem->trigger();
    EXPECT_EQ(window().help().windows().size(), 2u);
    window().close();
    QApplication::processEvents();
    EXPECT_TRUE(window().help().windows().empty());
}

TEST_F(ShellTest, HelpWithADamagedFileShowsNothing) {
    HelpViewer viewer;
    const std::filesystem::path notHelp = dir.dataDatabase();
    viewer.showDefaultTopic(notHelp);
    viewer.showContext(dir.path() / "doc/missing.chm", 30);
    EXPECT_TRUE(viewer.windows().empty());
}

TEST_F(ShellTest, InfosShowsTheAboutBoxInTheInterfaceLanguage) {
    const struct {
        int language;
        const char* caption;
    } cases[] = {{1, "Über ZKT Dittaro"}, {2, "About ZKT Dittaro"}, {3, "À propos de ZKT Dittaro"}};
    start();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        window().chooseLanguage(c.language);
        QString credits;
        dialogs.onExec = [&credits](QDialog& box) {
            credits = box.findChild<QLabel*>("LabelBibliotheken")->text();
            return QDialog::Accepted;
        };
        dialogs.clear();
        window().parts().menu->Infos->trigger();
        ASSERT_EQ(dialogs.calls().size(), 1u);
        EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Kind::Exec);
        EXPECT_EQ(dialogs.calls()[0].caption, QString::fromUtf8(c.caption));
        for (const char* library : {"Qt 6", "SQLite", "PCRE2", "PortAudio", "zlib", "OpenSSL",
                                    "CHMLib", "LAME", "Vorbis"}) {
            EXPECT_TRUE(credits.contains(QString::fromLatin1(library))) << library;
        }
    }
}

TEST_F(ShellTest, BeendenClosesTheWindow) {
    start();
    window().parts().menu->Beenden->trigger();
    EXPECT_FALSE(window().isVisible());
}

} // namespace
} // namespace dittaro::test
