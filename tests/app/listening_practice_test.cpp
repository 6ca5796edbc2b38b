// A listening exercise in the real window: "Zeichen Start" and "Textfeld Start" prepare the
// practice, the "Abspielen" tab plays it through the audio library's capture device, and the
// captured sound, decoded back by a simple tone detector, must be the practice text. Also
// the key rules of the group fields, the menus of the practice and the export items.

#include "app/main_menu.h"
#include "app/status_bar.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dittaro::test {
namespace {

namespace fs = std::filesystem;

// The samples and rate of a 16-bit mono WAV file.
struct Sound {
    int rate = 0;
    std::vector<int> samples;
};

Sound readSound(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(file)), {});
    Sound sound;
    if (b.size() < 44) {
        return sound;
    }
    sound.rate = b[24] | b[25] << 8 | b[26] << 16 | b[27] << 24;
    for (std::size_t i = 44; i + 1 < b.size(); i += 2) {
        sound.samples.push_back(static_cast<std::int16_t>(b[i] | b[i + 1] << 8));
    }
    return sound;
}

// Morse back to text: the tone is on where the loudest sample of the last 2.5 ms exceeds a
// third of the peak; the shortest tone of 4 ms or more is one dot unit; a tone of more than two
// units is a dash, a silence of more than two units ends a character and one of more than five a
// word.
std::string decode(const Sound& sound) {
    static const std::map<std::string, char> kCodes = {
        {".-", 'a'},   {"-...", 'b'}, {"-.-.", 'c'}, {"-..", 'd'},  {".", 'e'},    {"..-.", 'f'},
        {"--.", 'g'},  {"....", 'h'}, {"..", 'i'},   {".---", 'j'}, {"-.-", 'k'},  {".-..", 'l'},
        {"--", 'm'},   {"-.", 'n'},   {"---", 'o'},  {".--.", 'p'}, {"--.-", 'q'}, {".-.", 'r'},
        {"...", 's'},  {"-", 't'},    {"..-", 'u'},  {"...-", 'v'}, {".--", 'w'},  {"-..-", 'x'},
        {"-.--", 'y'}, {"--..", 'z'}};
    if (sound.samples.empty()) {
        return {};
    }
    int peak = 0;
    for (int s : sound.samples) {
        peak = std::max(peak, std::abs(s));
    }
    const std::size_t window = static_cast<std::size_t>(sound.rate) / 400;
    std::vector<std::pair<bool, int>> runs; // tone?, samples
    for (std::size_t i = 0; i < sound.samples.size(); ++i) {
        const std::size_t from = i >= window ? i - window : 0;
        int loudest = 0;
        for (std::size_t j = from; j <= i; ++j) {
            loudest = std::max(loudest, std::abs(sound.samples[j]));
        }
        const bool on = loudest * 3 > peak;
        if (runs.empty() || runs.back().first != on) {
            runs.emplace_back(on, 0);
        }
        ++runs.back().second;
    }
    // A click shorter than 4 ms is no tone (the sidetone's stream is played and stopped at
    // once when the sound starts).
    std::vector<std::pair<bool, int>> merged;
    for (auto [on, length] : runs) {
        on = on && length * 250 >= sound.rate;
        if (!merged.empty() && merged.back().first == on) {
            merged.back().second += length;
        } else {
            merged.emplace_back(on, length);
        }
    }
    runs = std::move(merged);
    int unit = 0;
    for (const auto& [on, length] : runs) {
        if (on && (unit == 0 || length < unit)) {
            unit = length;
        }
    }
    std::string text;
    std::string character;
    const auto endCharacter = [&] {
        if (!character.empty()) {
            const auto code = kCodes.find(character);
            text += code == kCodes.end() ? '?' : code->second;
            character.clear();
        }
    };
    bool started = false;
    for (const auto& [on, length] : runs) {
        if (on) {
            character += length > 2 * unit ? '-' : '.';
            started = true;
        } else if (started && length > 2 * unit) {
            endCharacter();
            if (length > 5 * unit) {
                text += ' ';
            }
        }
    }
    endCharacter();
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

std::string trimmed(const QString& text) {
    return text.trimmed().toStdString();
}

class ListeningPracticeTest : public WindowTest {
protected:
    // A fast practice on the "Hörübung" tab, with the word display on and short.
    void SetUp() override {
        WindowTest::SetUp();
        dir.execute("UPDATE voreinstellungen SET GeschwindigkeitID = 36, TabIndex = 1, "
                    "ZeichenAnzeigen = 1, VerzID = 1");
    }

    // Starts the window with its sound going to a capture file.
    void startCapturing() {
        qputenv("DITTARO_AUDIO", QByteArray("capture:") + capture().string().c_str());
        start();
        qputenv("DITTARO_AUDIO", "null");
    }

    // Focus changes reach the fields only in the active window.
    void activate() {
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }
    fs::path capture() const { return dir.path() / "wav/capture.wav"; }

    // The player's updates reach the widgets as queued calls.
    static bool settles(const std::function<bool()>& done) { return QTest::qWaitFor(done, 3000); }

    QPushButton* button(const char* name) { return find<QPushButton>(name); }
    QPlainTextEdit* field(const char* name) { return find<QPlainTextEdit>(name); }

    // Presses the start button of the "Abspielen" tab and waits for the end of the playback.
    void play() {
        QPushButton* start = button("BitBtn6");
        ASSERT_TRUE(start->isEnabled());
        start->click();
        EXPECT_TRUE(settles([this] { return button("BitBtn8")->isEnabled(); }));
        EXPECT_FALSE(start->isEnabled());
        ASSERT_TRUE(QTest::qWaitFor([start] { return start->isEnabled(); }, 30000))
            << "the playback did not end";
    }

    // Ends the window so that the capture file is complete, and decodes it.
    std::string decodedCapture() {
        finish();
        return decode(readSound(capture()));
    }

    void setGroups(const char* characters, int length, int count) {
        find<QLineEdit>("Edit2")->setText(QString::fromLatin1(characters));
        find<QRadioButton>(
            QStringLiteral("RadioGroupZeichenProGruppeItem%1").arg(length - 2).toLatin1())
            ->setChecked(true);
        find<QLineEdit>("Edit5")->setText(QString::number(count));
    }

    std::array<bool, 3> audioItems() {
        const MainMenu& m = *window().parts().menu;
        return {m.ExportWav->isEnabled(), m.ExportMp3->isEnabled(), m.ExportOgg->isEnabled()};
    }
};

TEST_F(ListeningPracticeTest, ZeichenStartPlaysTheGroupsItShows) {
    startCapturing();
    setGroups("abcdefghijklmnopqrstuvwxyz", 3, 3);
    button("ButtonZeichenStart")->click();
    EXPECT_EQ(window().currentTab(), 2);
    const QString practice = field("Memo2")->toPlainText();
    EXPECT_EQ(practice.size(), 3 * 4);
    EXPECT_TRUE(field("Memo1")->isVisible());
    EXPECT_TRUE(field("Memo1")->toPlainText().isEmpty());
    EXPECT_FALSE(window().parts().status->text(1).isEmpty()) << "the duration";
    QProgressBar* progress = window().parts().status->progressBar();
    // Shared: the window, and so the connection, may outlive this test body on a failure.
    auto furthest = std::make_shared<int>(0);
    QObject::connect(progress, &QProgressBar::valueChanged,
                     [furthest](int value) { *furthest = std::max(*furthest, value); });

    play();
    EXPECT_GT(*furthest, progress->maximum() / 2) << "progress while it plays";
    EXPECT_EQ(progress->value(), 0) << "and back to 0 at the end";
    // Each group appears a short delay after it was heard, the last one after the end.
    EXPECT_TRUE(QTest::qWaitFor([&] { return field("Memo1")->toPlainText() == practice; }, 3000))
        << field("Memo1")->toPlainText().toStdString();
    EXPECT_EQ(decodedCapture(), trimmed(practice));
}

// Leaving the tab asks the playback to stop, which it does only at the end of its leading
// silence; a new practice started meanwhile must be the one that plays.
TEST_F(ListeningPracticeTest, ANewPracticeReplacesOneThatIsStillStopping) {
    startCapturing();
    setGroups("abcdefghijklmnopqrstuvwxyz", 5, 20);
    button("ButtonZeichenStart")->click();
    button("BitBtn6")->click();
    EXPECT_TRUE(settles([this] { return button("BitBtn8")->isEnabled(); }));
    window().selectTab(1);
    setGroups("etaoin", 2, 2);
    button("ButtonZeichenStart")->click();
    const QString practice = field("Memo2")->toPlainText();
    play();
    // On a loaded machine the old practice may sound a little before its stop is heard;
    // what follows must be the new practice, whole.
    const std::string heard = decodedCapture();
    EXPECT_TRUE(heard.ends_with(" " + trimmed(practice)) || heard == trimmed(practice)) << heard;
}

// Enter with a short answer forgets the start button, but the practice it loaded stays:
// coming back to the "Abspielen" tab, the learner can hear it again.
TEST_F(ListeningPracticeTest, APracticeLeftWithAShortAnswerCanBeHeardAgain) {
    startCapturing();
    setGroups("etaoin", 2, 2);
    button("ButtonZeichenStart")->click();
    const QString practice = field("Memo2")->toPlainText();
    find<QCheckBox>("CheckBoxZeichenAnzeigen")->click(); // off, so Enter goes back
    QTest::keyClick(field("Memo8"), Qt::Key_Return);
    ASSERT_EQ(window().currentTab(), 1);

    window().selectTab(2);
    play();
    EXPECT_EQ(decodedCapture(), trimmed(practice));
}

struct TextFieldCase {
    const char* text;
    const char* heard;
    const char* answer; // what the answer field receives
};

// Names the case in test listings by its text.
void PrintTo(const TextFieldCase& c, std::ostream* os) {
    *os << testing::PrintToString(std::string(c.text));
}

class TextFieldStart : public ListeningPracticeTest,
                       public testing::WithParamInterface<TextFieldCase> {};

TEST_P(TextFieldStart, PlaysTheTextField) {
    const TextFieldCase& c = GetParam();
    startCapturing();
    field("Memo8")->setPlainText(QStringLiteral("old answer"));
    field("Memo2")->setPlainText(QString::fromLatin1(c.text));
    button("ButtonTextfeldStart")->click();
    EXPECT_EQ(window().currentTab(), 2);
    EXPECT_EQ(field("Memo8")->toPlainText().toStdString(), c.answer);
    play();
    EXPECT_EQ(decodedCapture(), c.heard);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextFieldStart,
                         testing::Values(TextFieldCase{"paris\nmorse code", "paris morse code", ""},
                                         // Too short to copy once: five times, and shown.
                                         TextFieldCase{"e", "e e e e e", "e"}));

// Tags send no sound of their own, so the word display would not match what is heard.
TEST_F(ListeningPracticeTest, ATaggedTextBlocksTheWordDisplay) {
    start();
    field("Memo2")->setPlainText(QStringLiteral("paris <x> test"));
    button("ButtonTextfeldStart")->click();
    EXPECT_EQ(window().currentTab(), 2);
    EXPECT_FALSE(find<QCheckBox>("CheckBoxZeichenAnzeigen")->isEnabled());
    EXPECT_EQ(find<QPlainTextEdit>("Memo4")->toPlainText(), QStringLiteral("paris  test"));

    window().selectTab(1);
    field("Memo2")->setPlainText(QStringLiteral("paris test"));
    button("ButtonTextfeldStart")->click();
    EXPECT_TRUE(find<QCheckBox>("CheckBoxZeichenAnzeigen")->isEnabled());
}

// In Koch mode the groups come from the characters in training, led by the newest one.
TEST_F(ListeningPracticeTest, KochModeDrawsFromTheKochLevel) {
    dir.execute("UPDATE voreinstellungen SET KochMethode = 1, KochStufe = 2, KZPG = 3, "
                "KochString = 'fjsldkahgrueiwoqptzvncmxby6758493021/,=.?'");
    start();
    find<QLineEdit>("Edit5")->setText(QStringLiteral("4"));
    button("ButtonZeichenStart")->click();
    const QStringList groups =
        field("Memo2")->toPlainText().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    ASSERT_EQ(groups.size(), 5);
    EXPECT_EQ(groups[0], QStringLiteral("jjjjj"));
    for (const QString& group : groups) {
        EXPECT_EQ(group.size(), 5);
        for (QChar c : group) {
            EXPECT_TRUE(c == QLatin1Char('f') || c == QLatin1Char('j')) << group.toStdString();
        }
    }
}

TEST_F(ListeningPracticeTest, TextFieldStartWithoutTextStaysOnThePracticeTab) {
    start();
    field("Memo2")->clear();
    button("ButtonTextfeldStart")->click();
    EXPECT_EQ(window().currentTab(), 1);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_TRUE(dialogs.calls()[0].text.endsWith(QLatin1Char('!')));
    EXPECT_GT(dialogs.calls()[0].text.size(), 1);
    EXPECT_TRUE(field("Memo3")->isHidden()) << "the grey cover";
    EXPECT_TRUE(button("ButtonTextfeldStart")->isEnabled());
    EXPECT_TRUE(button("ButtonZeichenStart")->isEnabled());
}

TEST_F(ListeningPracticeTest, LeavingThePlaybackTabEndsThePlayback) {
    start();
    setGroups("abcdefghijklmnopqrstuvwxyz", 5, 20);
    button("ButtonZeichenStart")->click();
    QPushButton* startButton = button("BitBtn6");
    startButton->click();
    EXPECT_TRUE(settles([&] { return button("BitBtn8")->isEnabled(); }));
    EXPECT_FALSE(window().parts().menu->Verzoegerung->menuAction()->isEnabled());
    EXPECT_FALSE(window().parts().menu->HaerteDerTastung->menuAction()->isEnabled());
    window().selectTab(1);
    // Twenty groups of five take half a minute; the stop ends at the next gap.
    window().selectTab(2);
    EXPECT_TRUE(settles([&] { return startButton->isEnabled(); }));
    EXPECT_FALSE(button("BitBtn8")->isEnabled());
    EXPECT_TRUE(window().parts().menu->Verzoegerung->menuAction()->isEnabled());
    EXPECT_TRUE(window().parts().menu->HaerteDerTastung->menuAction()->isEnabled());
    EXPECT_EQ(window().parts().status->progressBar()->value(), 0);
}

TEST_F(ListeningPracticeTest, PauseHoldsAndLetsTheWordStepsWork) {
    start();
    setGroups("abcdefghijklmnopqrstuvwxyz", 5, 20);
    button("ButtonZeichenStart")->click();
    button("BitBtn6")->click();
    QTest::qWait(300);
    button("BitBtn7")->click();
    EXPECT_TRUE(settles([&] { return button("BitBtn2")->isEnabled(); })) << "held in a silence";
    EXPECT_TRUE(button("BitBtn1")->isEnabled());
    EXPECT_FALSE(button("BitBtn8")->isEnabled()) << "stop waits for the resume";
    button("BitBtn7")->click();
    EXPECT_TRUE(settles([&] { return button("BitBtn8")->isEnabled(); }));
    EXPECT_FALSE(button("BitBtn2")->isEnabled());
    EXPECT_FALSE(button("BitBtn1")->isEnabled());
    button("BitBtn8")->click();
    EXPECT_TRUE(settles([&] { return button("BitBtn6")->isEnabled(); }));
}

// "Gruppenabstand bei Zufallszeichen" lengthens the practice by its gap after every group.
TEST_F(ListeningPracticeTest, GroupGapLengthensThePractice) {
    start();
    setGroups("abc", 2, 3);
    window().parts().menu->GruppenabstandItems[12]->trigger(); // 10 s
    button("ButtonZeichenStart")->click();
    EXPECT_TRUE(window().parts().status->text(1).startsWith(QStringLiteral("0 Min 3")))
        << window().parts().status->text(1).toStdString();
    window().selectTab(1);
    window().parts().menu->GruppenabstandItems[0]->trigger();
    button("ButtonZeichenStart")->click();
    EXPECT_TRUE(window().parts().status->text(1).startsWith(QStringLiteral("0 Min ")));
    EXPECT_LT(window().parts().status->text(1).size(), QStringLiteral("0 Min 10 Sek").size());
}

TEST_F(ListeningPracticeTest, PracticeMenusAreStored) {
    start();
    MainMenu& m = *window().parts().menu;
    for (QAction* item : {m.Lang, m.GruppenabstandItems[3], m.WortabstandItems[5]}) {
        EXPECT_TRUE(item->isEnabled());
        item->trigger();
    }
    const Voreinstellungen v = window().currentSettings().voreinstellungen;
    EXPECT_EQ(v.VerzID, 3);
    EXPECT_EQ(v.WortabstandID, 3);
    EXPECT_EQ(v.KA, 5);
}

TEST_F(ListeningPracticeTest, GroupsForTheMorseExamSetTheCharacterSet) {
    start();
    window().parts().menu->FuenfergruppenMorsepruefung->trigger();
    EXPECT_EQ(window().currentTab(), 0);
    EXPECT_EQ(find<QLineEdit>("Edit2")->text(),
              QStringLiteral(",,..?"
                             "?//abbcdefghhijklmnopqrsstuvwxyz012345566789"));
}

struct KeyCase {
    const char* fieldName;
    const char* before;
    const char* typed;
    const char* shown;     // after typing
    const char* confirmed; // after Enter or leaving the field
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.fieldName << " '" << c.before << "' + '" << c.typed << "'";
}

class GroupFieldKeys : public ListeningPracticeTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(GroupFieldKeys, TakeOnlyTheirCharacters) {
    const KeyCase& c = GetParam();
    start();
    activate();
    window().selectTab(QByteArray(c.fieldName) == "Edit2" ? 0 : 1);
    auto* edit = find<QLineEdit>(c.fieldName);
    edit->setText(QString::fromUtf8(c.before));
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, QString::fromUtf8(c.typed));
    EXPECT_EQ(edit->text().toStdString(), c.shown);
    edit->clearFocus();
    EXPECT_EQ(edit->text().toStdString(), c.confirmed);
}

INSTANTIATE_TEST_SUITE_P(Fields, GroupFieldKeys,
                         testing::Values(KeyCase{"Edit2", "ab", "c#d_ ß", "abcd_ß", "abcdß"},
                                         KeyCase{"Edit2", "", "É!?", "É?", "É?"},
                                         KeyCase{"Edit5", "5", "x1", "51", "51"},
                                         KeyCase{"Edit5", "", "1", "1", "2"}, // below 2
                                         KeyCase{"Edit5", "", "", "", "2"},   // empty counts as 2
                                         KeyCase{"Edit5", "", "100", "100", "99"},
                                         KeyCase{"Edit1", "", "0429", "2", "2"}, // 1 to 3 only
                                         KeyCase{"Edit1", "", "", "", "1"}));

// A held key types one character; a held Backspace goes on deleting.
TEST_F(ListeningPracticeTest, AHeldKeyDoesNotRepeatInTheCharacterSet) {
    start();
    window().selectTab(0);
    auto* edit = find<QLineEdit>("Edit2");
    edit->setText(QStringLiteral("abc"));
    edit->end(false);
    const auto hold = [edit](int key, const QString& text) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text, true);
        QApplication::sendEvent(edit, &event);
    };
    hold(Qt::Key_D, QStringLiteral("d"));
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    hold(Qt::Key_Backspace, QStringLiteral("\b"));
    hold(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(edit->text(), QStringLiteral("a"));
}

TEST_F(ListeningPracticeTest, BackspaceEmptiesTheCountFields) {
    start();
    activate();
    for (const char* name : {"Edit5", "Edit1"}) {
        auto* edit = find<QLineEdit>(name);
        edit->setText(QStringLiteral("3"));
        edit->setFocus();
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_TRUE(edit->text().isEmpty()) << name;
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), QByteArray(name) == "Edit5" ? "2" : "1") << name;
    }
}

TEST_F(ListeningPracticeTest, CharacterButtonsAppendTheirCharacters) {
    start();
    activate();
    window().selectTab(0);
    auto* edit = find<QLineEdit>("Edit2");
    edit->setText(QStringLiteral("x"));
    button("Button09")->click();
    button("ButtonSonderzeichen")->click();
    EXPECT_EQ(edit->text(), QStringLiteral("x0123456789+-=,.:?/()'ß@"));
    EXPECT_TRUE(edit->hasFocus());
}

// The audio export items: only after a practice was prepared, only on the "Abspielen" and
// "Gebeübung" tabs, not while it plays, MP3 and Ogg only with their encoders.
TEST_F(ListeningPracticeTest, AudioExportItemsFollowThePracticeAndTheTab) {
    // An MP3 encoder in the program folder and none on the search path.
    const fs::path lame = dir.path() / "lame";
    std::ofstream(lame) << "#!/bin/sh\nexit 0\n";
    fs::permissions(lame, fs::perms::owner_all);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    start();
    qputenv("PATH", path);
    using Items = std::array<bool, 3>;
    const Items none{false, false, false};
    const Items available{true, true, false};

    for (int tab : {0, 1, 2, 3}) {
        window().selectTab(tab);
        EXPECT_EQ(audioItems(), none) << "before a practice, tab " << tab;
    }
    window().selectTab(1);
    setGroups("abc", 2, 2);
    button("ButtonZeichenStart")->click();
    EXPECT_EQ(audioItems(), available);
    button("BitBtn6")->click();
    EXPECT_TRUE(settles([&] { return audioItems() == none; })) << "while it plays";
    EXPECT_TRUE(QTest::qWaitFor([&] { return button("BitBtn6")->isEnabled(); }, 10000));
    EXPECT_EQ(audioItems(), available) << "after the end";
    const std::pair<int, Items> tabs[] = {{0, none}, {1, none}, {3, available}, {2, available}};
    for (const auto& [tab, items] : tabs) {
        window().selectTab(tab);
        EXPECT_EQ(audioItems(), items) << "tab " << tab;
    }
}

TEST_F(ListeningPracticeTest, WavExportWritesThePractice) {
    start();
    setGroups("abcdefghijklmnopqrstuvwxyz", 3, 2);
    button("ButtonZeichenStart")->click();
    const fs::path target = dir.path() / "wav/practice.wav";
    dialogs.fileAnswers.push_back(QString::fromStdString(target.string()));
    window().parts().menu->ExportWav->trigger();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, ScriptedDialogs::Kind::SaveFile);
    EXPECT_TRUE(dialogs.calls()[0].text.endsWith(QStringLiteral(" (*.wav)|*.wav")));
    const Sound sound = readSound(target);
    EXPECT_EQ(sound.rate, 44100);
    EXPECT_EQ(decode(sound), trimmed(field("Memo2")->toPlainText()));
    EXPECT_TRUE(window().parts().tabs->isEnabled());
    EXPECT_TRUE(window().parts().menu->ExportWav->isEnabled());
}

TEST_F(ListeningPracticeTest, Mp3ExportAsksForTagsThroughTheDialogs) {
    const fs::path lame = dir.path() / "lame";
    const fs::path arguments = dir.path() / "arguments.txt";
    std::ofstream(lame) << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '"
                        << arguments.string() << ".part'\nmv '" << arguments.string() << ".part' '"
                        << arguments.string() << "'\n";
    fs::permissions(lame, fs::perms::owner_all);
    start();
    setGroups("abc", 2, 2);
    button("ButtonZeichenStart")->click();
    dialogs.fileAnswers.push_back(QString::fromStdString((dir.path() / "mp3/p.mp3").string()));
    dialogs.onExec = [](QDialog& form) {
        form.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QStringLiteral("Gruppen"));
        return static_cast<int>(QDialog::Accepted);
    };
    window().parts().menu->ExportMp3->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(arguments); }, 5000));
    std::ifstream in(arguments);
    const std::string passed((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(passed.find("Gruppen"), std::string::npos) << passed;
    EXPECT_NE(passed.find("p.mp3"), std::string::npos) << passed;
    EXPECT_TRUE(fs::exists(dir.path() / "wav/Temp.wav"));
}

} // namespace
} // namespace dittaro::test
