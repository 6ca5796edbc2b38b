// The answer side of the listening practice in the window: marking with its messages and
// error list, Enter and the held-key rule in the answer field, the "Ersetze" toggles, and
// the text files of the text field and the keying template.

#include "app/main_menu.h"
#include "app/status_bar.h"
#include "app/tab_entry.h"
#include "app/text_file_menu.h"
#include "engine/widgets/playback_controls.h"
#include "keying/widgets/keying_controls.h"
#include "material/widgets/error_list_window.h"
#include "material/widgets/practice_controls.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>
#include <vector>

namespace dittaro::test {
namespace {

using Kind = ScriptedDialogs::Kind;

class AnswerPracticeTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // The result line takes the decimal separator of the locale.
        previousLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        start();
        // The sources' groups, so their start buttons can take the focus.
        PracticeControls& p = practice();
        for (QGroupBox* group :
             {p.GroupBoxZufallszeichen, p.GroupBoxZufallstexte, p.GroupBoxTextfeld}) {
            group->setEnabled(true);
        }
    }
    void TearDown() override {
        WindowTest::TearDown();
        QLocale::setDefault(previousLocale_);
    }

    PracticeControls& practice() { return *window().parts().practice; }
    ShellState& state() { return window().state(); }
    MainMenu& menu() { return *window().parts().menu; }

    // The messages shown since the last clear().
    std::vector<QString> messages() const {
        std::vector<QString> texts;
        for (const auto& call : dialogs.calls()) {
            if (call.kind == Kind::Information) {
                texts.push_back(call.text);
            }
        }
        return texts;
    }

    // "Fehler anzeigen" on the "Hörübung" tab for these texts.
    void mark(const char* reference, const char* answer) {
        window().selectTab(kPracticeTab);
        practice().Memo2->setPlainText(QString::fromUtf8(reference));
        practice().Memo8->setPlainText(QString::fromUtf8(answer));
        practice().ButtonFehlerAnzeigen->setEnabled(true);
        dialogs.clear();
        practice().ButtonFehlerAnzeigen->click();
    }

    // Types into the answer field on the "Abspielen" tab.
    void press(int key, const QString& text = {}, bool autoRepeat = false,
               QWidget* field = nullptr) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text, autoRepeat);
        QApplication::sendEvent(field ? field : practice().Memo8, &event);
    }

    void writeFile(const std::filesystem::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    QLocale previousLocale_;
};

// What the error list window showed while it was open.
struct ErrorList {
    bool opened = false;
    QString caption;
    QString label;
    QString resultLine;
    std::vector<std::pair<QString, QString>> columns;
    int currentRow = -1;
    int currentColumn = -1;
    bool sizedToWords = false;
};

ErrorList recordErrorList(ScriptedDialogs& dialogs) {
    ErrorList shown;
    dialogs.onExec = [&shown](QDialog& dialog) {
        auto& list = dynamic_cast<ErrorListWindow&>(dialog);
        shown.opened = true;
        shown.caption = list.windowTitle();
        shown.label = list.LabelFehler->text();
        shown.resultLine = list.LabelErgebnis->text();
        const QTableWidget& grid = *list.StringGrid1;
        shown.sizedToWords = grid.rowCount() == 2;
        for (int column = 0; column < grid.columnCount(); ++column) {
            const QString sent = grid.item(0, column)->text();
            const QString typed = grid.item(1, column)->text();
            shown.columns.emplace_back(sent, typed);
            const int longer = static_cast<int>(std::max(sent.size(), typed.size()));
            shown.sizedToWords = shown.sizedToWords &&
                                 grid.columnWidth(column) == (longer + 1) * list.width() * 13 / 612;
        }
        for (int row = 0; row < grid.rowCount(); ++row) {
            shown.sizedToWords =
                shown.sizedToWords && grid.rowHeight(row) == list.width() * 4 / 102;
        }
        shown.currentRow = grid.currentRow();
        shown.currentColumn = grid.currentColumn();
        return static_cast<int>(QDialog::Accepted);
    };
    return shown;
}

struct MarkCase {
    const char* name;
    const char* reference;
    const char* answer;
    StartButton lastStart;
    bool kochMode;
    // Expected: the message shown (none when the error list opens), the wrong pairs and the
    // result line, and the fields afterwards.
    const char* message;
    std::vector<std::pair<const char*, const char*>> wrongWords;
    const char* resultLine;
    const char* referenceAfter;
    const char* answerAfter;
};

const char* const kNoErrors = ">>>  Keine Fehler  <<<";

const MarkCase kMarkCases[] = {
    {"case of A-Z only",
     "Hallo Welt",
     "hallo WELT",
     StartButton::Textfeld,
     false,
     kNoErrors,
     {},
     "0 / 9 = 0,0 %",
     "hallo welt ",
     "hallo welt "},
    {"one wrong letter in three words",
     "ab cd ef",
     "ab cx ef",
     StartButton::Textfeld,
     false,
     nullptr,
     {{"cd", "cx"}},
     "1 / 6 = 16,7 %",
     "ab cd ef ",
     "ab cx ef "},
    {"line breaks are blanks",
     "ab\ncd\nef",
     "ab cd eg",
     StartButton::Textfeld,
     false,
     nullptr,
     {{"ef", "eg"}},
     "1 / 6 = 16,7 %",
     "ab cd ef ",
     "ab cd eg "},
    {"several wrong words in text order",
     "eins zwei drei",
     "eins zwo dri",
     StartButton::Textfeld,
     false,
     nullptr,
     {{"zwei", "zwo"}, {"drei", "dri"}},
     "3 / 12 = 25,0 %",
     "eins zwei drei ",
     "eins zwo dri "},
    {"sz rule for a text",
     "Straße",
     "strasse",
     StartButton::Textfeld,
     false,
     kNoErrors,
     {},
     "0 / 7 = 0,0 %",
     "strasse ",
     "strasse "},
    {"no sz rule for groups",
     "straße",
     "strasse",
     StartButton::Zeichen,
     false,
     nullptr,
     {{"straße", "strasse"}},
     "2 / 6 = 33,3 %",
     "straße ",
     "strasse "},
    {"Koch intro group copied",
     "kkkkk abc",
     "kkk abc",
     StartButton::Zeichen,
     true,
     kNoErrors,
     {},
     "0 / 8 = 0,0 %",
     "kkkkk abc ",
     "kkk abc "},
    {"Koch intro group not copied",
     "kkkkk mkkk abc",
     "mkkk abd",
     StartButton::Zeichen,
     true,
     nullptr,
     {{"abc", "abd"}},
     "1 / 12 = 8,3 %",
     "kkkkk mkkk abc ",
     "mkkk abd "},
    {"no Koch intro outside Koch mode",
     "kkkkk abc",
     "kkk abc",
     StartButton::Zeichen,
     false,
     nullptr,
     {{"kkkkk", "kkk"}},
     "2 / 8 = 25,0 %",
     "kkkkk abc ",
     "kkk abc "},
    // Nothing to copy: no division by zero, nothing wrong.
    {"reference without characters",
     "<kommentar> [x]",
     "",
     StartButton::Textfeld,
     false,
     kNoErrors,
     {},
     "0 / 0 = 0,0 %",
     "  ",
     " "},
};

TEST_F(AnswerPracticeTest, MarksTheAnswerAgainstTheTextField) {
    for (const MarkCase& c : kMarkCases) {
        SCOPED_TRACE(c.name);
        state().lastStart = c.lastStart;
        state().settings.voreinstellungen.KochMethode = c.kochMode;
        const ErrorList shown = recordErrorList(dialogs);
        mark(c.reference, c.answer);

        if (c.message) {
            EXPECT_EQ(messages(), std::vector<QString>{QString::fromUtf8(c.message)});
            EXPECT_FALSE(shown.opened);
        } else {
            EXPECT_TRUE(messages().empty());
            ASSERT_TRUE(shown.opened);
            EXPECT_EQ(shown.caption, "Fehlerliste");
            EXPECT_EQ(shown.label, "Fehler");
            std::vector<std::pair<QString, QString>> expected;
            for (const auto& [sent, typed] : c.wrongWords) {
                expected.emplace_back(QString::fromUtf8(sent), QString::fromUtf8(typed));
            }
            EXPECT_EQ(shown.columns, expected);
            EXPECT_TRUE(shown.sizedToWords);
            EXPECT_EQ(shown.currentRow, 1);
            EXPECT_EQ(shown.currentColumn, 0);
        }
        EXPECT_EQ(find<QLabel>("LabelErgebnis")->text(), QString::fromUtf8(c.resultLine));
        EXPECT_EQ(practice().Memo2->toPlainText(), QString::fromUtf8(c.referenceAfter));
        EXPECT_EQ(practice().Memo8->toPlainText(), QString::fromUtf8(c.answerAfter));
        EXPECT_EQ(window().focusWidget(), c.lastStart == StartButton::Zeichen
                                              ? practice().ButtonZeichenStart
                                              : practice().ButtonTextfeldStart);
    }
}

TEST_F(AnswerPracticeTest, DifferentWordCountsAreNotMarked) {
    state().lastStart = StartButton::Textfeld;
    const ErrorList shown = recordErrorList(dialogs);
    mark("Guten Morgen", "gutenmorgen");
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].startsWith("Text und Mitschrift haben nicht gleich viele"))
        << messages()[0].toStdString();
    EXPECT_FALSE(shown.opened);
    // Left as typed, so the missing words can be filled in.
    EXPECT_EQ(practice().Memo2->toPlainText(), "Guten Morgen");
    EXPECT_EQ(practice().Memo8->toPlainText(), "gutenmorgen");
}

TEST_F(AnswerPracticeTest, AnEmptyTextFieldMarksNothing) {
    mark("", "etwas");
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(practice().Memo8->toPlainText(), "etwas");
}

TEST_F(AnswerPracticeTest, TextsAndSeparatorFollowLanguageAndLocale) {
    window().chooseLanguage(2);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    state().lastStart = StartButton::Textfeld;
    const ErrorList shown = recordErrorList(dialogs);
    mark("ab cd ef", "ab cx ef");
    EXPECT_EQ(shown.caption, "Error list");
    EXPECT_EQ(shown.label, "Errors");
    EXPECT_EQ(shown.resultLine, "1 / 6 = 16.7 %");
    mark("ab", "AB");
    EXPECT_EQ(messages(), std::vector<QString>{">>>  No errors  <<<"});
}

TEST_F(AnswerPracticeTest, EnterInTheGridOrOkClosesTheErrorList) {
    auto& list = *find<ErrorListWindow>("Form4");
    for (const bool byEnter : {true, false}) {
        list.setResult(QDialog::Rejected);
        if (byEnter) {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
            QApplication::sendEvent(list.StringGrid1, &enter);
        } else {
            list.ButtonOK->click();
        }
        EXPECT_EQ(list.result(), QDialog::Accepted) << (byEnter ? "Enter" : "OK");
    }
}

TEST_F(AnswerPracticeTest, ReplaceTogglesChangeTheMarking) {
    struct Toggle {
        const char* action;
        const char* reference;
        const char* answer;
    };
    const Toggle toggles[] = {
        {"Umlaute", "Müller", "mueller"},
        {"Akzente", "Café", "cafe"},
        {"SZ", "Straße", "strasse"},
    };
    state().lastStart = StartButton::Textfeld;
    for (const Toggle& t : toggles) {
        SCOPED_TRACE(t.action);
        EXPECT_TRUE(action(t.action)->isChecked());
        recordErrorList(dialogs);
        mark(t.reference, t.answer);
        EXPECT_EQ(messages(), std::vector<QString>{kNoErrors});

        // Off: the letters must be typed as sent.
        window().selectTab(kSettingsTab);
        action(t.action)->trigger();
        EXPECT_FALSE(action(t.action)->isChecked());
        const ErrorList shown = recordErrorList(dialogs);
        mark(t.reference, t.answer);
        EXPECT_TRUE(shown.opened);
        EXPECT_EQ(shown.columns.size(), 1u);
    }
}

struct EnterCase {
    const char* name;
    const char* answer;
    bool playbackIdle;
    bool exam;
    bool wordDisplay;
    StartButton lastStart;
    // Expected.
    int tab;
    const char* answerAfter; // unchecked when a new exercise begins
    const char* focus;       // object name
    StartButton lastStartAfter;
    int restarts; // presses of the last start button
};

const EnterCase kEnterCases[] = {
    {"playback running: a blank", "abc", false, false, false, StartButton::Zeichen, kPlaybackTab,
     "abc ", nullptr, StartButton::Zeichen, 0},
    {"exam: a line break", "abc", true, true, false, StartButton::Pruefung, kPlaybackTab, "abc\n",
     nullptr, StartButton::Pruefung, 0},
    {"word display: the next groups", "abcdef", true, false, true, StartButton::Zeichen,
     kPlaybackTab, nullptr, "BitBtn6", StartButton::Zeichen, 1},
    {"word display: the next random texts", "abcdef", true, false, true, StartButton::Zufallstexte,
     kPlaybackTab, nullptr, "BitBtn6", StartButton::Zufallstexte, 1},
    {"word display: the text field is not repeated", "abcdef", true, false, true,
     StartButton::Textfeld, kPlaybackTab, "abcdef", "BitBtn6", StartButton::Textfeld, 0},
    {"answer to mark", "abcdef", true, false, false, StartButton::Zeichen, kPracticeTab, "abcdef",
     "ButtonFehlerAnzeigen", StartButton::Zeichen, 0},
    {"answer of five characters", "abcde", true, false, false, StartButton::Zeichen, kPracticeTab,
     "abcde", "ButtonZeichenStart", StartButton::None, 0},
    {"short answer is dropped", "abc", true, false, false, StartButton::Zufallstexte, kPracticeTab,
     "", "ButtonZufallstexteStart", StartButton::None, 0},
};

TEST_F(AnswerPracticeTest, EnterInTheAnswerFieldOnThePlaybackTab) {
    PracticeControls& p = practice();
    int restarts = 0;
    for (QPushButton* button :
         {p.ButtonZeichenStart, p.ButtonZufallstexteStart, p.ButtonTextfeldStart}) {
        QObject::connect(button, &QPushButton::clicked, [&restarts] { ++restarts; });
    }
    for (const EnterCase& c : kEnterCases) {
        SCOPED_TRACE(c.name);
        restarts = 0;
        window().selectTab(kPracticeTab);
        p.GroupBoxZufallstexte->setEnabled(true);
        p.ButtonZufallstexteStart->setEnabled(true);
        p.CheckBoxZeichenAnzeigen->setChecked(c.wordDisplay);
        state().lastStart = c.lastStart;
        window().selectTab(kPlaybackTab);
        state().examMode = c.exam;
        window().parts().playback->BitBtn6->setEnabled(c.playbackIdle);
        p.Memo8->setPlainText(QString::fromUtf8(c.answer));
        p.Memo8->moveCursor(QTextCursor::End);
        p.Memo8->setFocus();

        press(Qt::Key_Return, QStringLiteral("\r"));

        EXPECT_EQ(window().currentTab(), c.tab);
        if (c.answerAfter) {
            EXPECT_EQ(p.Memo8->toPlainText(), QString::fromUtf8(c.answerAfter));
        }
        if (c.focus) {
            const QWidget* focus = window().focusWidget();
            EXPECT_EQ(focus ? focus->objectName() : QString(), c.focus);
        }
        EXPECT_EQ(state().lastStart, c.lastStartAfter);
        EXPECT_EQ(restarts, c.restarts);
        if (c.tab == kPracticeTab) {
            EXPECT_EQ(p.ButtonFehlerAnzeigen->isEnabled(), std::string(c.answer).size() >= 5);
        }
    }
}

TEST_F(AnswerPracticeTest, KochKeysStepTheLevelAndActAsEnter) {
    PracticeControls& p = practice();
    int raised = 0;
    int lowered = 0;
    QObject::connect(p.ButtonKochHoch2, &QPushButton::clicked, [&raised] { ++raised; });
    QObject::connect(p.ButtonKochRunter2, &QPushButton::clicked, [&lowered] { ++lowered; });
    const auto typeOnPlaybackTab = [&](const QString& key) {
        state().lastStart = StartButton::Zeichen;
        p.CheckBoxZeichenAnzeigen->setChecked(false);
        window().selectTab(kPlaybackTab);
        window().parts().playback->BitBtn6->setEnabled(true);
        p.Memo8->setPlainText(QStringLiteral("abcdef"));
        p.Memo8->moveCursor(QTextCursor::End);
        press(key == ">" ? Qt::Key_Greater : Qt::Key_Less, key);
    };

    state().settings.voreinstellungen.KochMethode = true;
    p.ButtonKochHoch2->setEnabled(true);
    p.ButtonKochRunter2->setEnabled(false); // the level is 2
    typeOnPlaybackTab(">");
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(window().currentTab(), kPracticeTab);
    EXPECT_EQ(p.Memo8->toPlainText(), "abcdef");
    typeOnPlaybackTab("<");
    EXPECT_EQ(lowered, 0);
    EXPECT_EQ(window().currentTab(), kPracticeTab);

    // Outside Koch mode they are characters like any other.
    state().settings.voreinstellungen.KochMethode = false;
    typeOnPlaybackTab(">");
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(window().currentTab(), kPlaybackTab);
    EXPECT_EQ(p.Memo8->toPlainText(), "abcdef>");
}

TEST_F(AnswerPracticeTest, AHeldKeyTypesOneCharacter) {
    window().selectTab(kPracticeTab);
    for (QPlainTextEdit* field : {practice().Memo2, practice().Memo8}) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->setEnabled(true);
        field->clear();
        press(Qt::Key_A, "a", false, field);
        press(Qt::Key_A, "a", true, field);
        press(Qt::Key_A, "a", true, field);
        press(Qt::Key_B, "b", false, field);
        EXPECT_EQ(field->toPlainText(), "ab");
        // Erasing may go on while the key is held.
        press(Qt::Key_Backspace, "\b", false, field);
        press(Qt::Key_Backspace, "\b", true, field);
        EXPECT_EQ(field->toPlainText(), "");
    }
}

class TextFileTest : public AnswerPracticeTest {
protected:
    std::filesystem::path texte() { return dir.path() / "texte"; }
    QString inTexte(const char* name) { return QString::fromStdString((texte() / name).string()); }
    QString statusFileName() { return window().parts().status->text(3); }
};

// "Grüße" and a second line, as the file holds them.
const std::string kFileBytes = "Gr\xFC\xDF"
                               "e\r\nZeile 2\r\n";
const QString kFieldText = QStringLiteral("Grüße\nZeile 2\n");

TEST_F(TextFileTest, OpenAndSaveKeepWindows1252AndCrLf) {
    writeFile(texte() / "gruss.txt", kFileBytes);
    window().selectTab(kSettingsTab);
    dialogs.fileAnswers = {inTexte("gruss.txt")};
    action("Oeffnen")->trigger();

    // From the settings tab it goes to the text field first.
    EXPECT_EQ(window().currentTab(), kPracticeTab);
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, Kind::OpenFile);
    EXPECT_EQ(dialogs.calls()[0].text, "Textdatei (*.txt)|*.txt");
    EXPECT_EQ(practice().Memo2->toPlainText(), kFieldText);
    EXPECT_EQ(statusFileName(), "gruss.txt");
    EXPECT_EQ(window().focusWidget(), practice().ButtonTextfeldStart);

    // "Speichern" writes back to the same file without asking.
    practice().Memo2->appendPlainText(QStringLiteral("Ä"));
    dialogs.clear();
    action("Speichern")->trigger();
    EXPECT_TRUE(dialogs.calls().empty());
    EXPECT_EQ(dir.bytes("texte/gruss.txt"), "Gr\xFC\xDF"
                                            "e\r\nZeile 2\r\n\r\n\xC4");

    // "Speichern als" asks, writes and makes the new file the current one.
    dialogs.fileAnswers = {inTexte("kopie.txt")};
    action("SpeichernAls")->trigger();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, Kind::SaveFile);
    EXPECT_EQ(dir.bytes("texte/kopie.txt"), dir.bytes("texte/gruss.txt"));
    EXPECT_EQ(statusFileName(), "kopie.txt");
    EXPECT_EQ(window().parts().textFiles->currentFile(), texte() / "kopie.txt");

    // Reading the written file gives the field back.
    dialogs.fileAnswers = {inTexte("kopie.txt")};
    practice().Memo2->clear();
    action("Oeffnen")->trigger();
    EXPECT_EQ(practice().Memo2->toPlainText(), kFieldText + QStringLiteral("\nÄ"));
}

TEST_F(TextFileTest, NewForgetsTheFileAndEmptyFieldsAreNotWritten) {
    writeFile(texte() / "alt.txt", kFileBytes);
    window().selectTab(kPracticeTab);
    dialogs.fileAnswers = {inTexte("alt.txt")};
    action("Oeffnen")->trigger();

    action("Neu")->trigger();
    EXPECT_TRUE(window().parts().textFiles->currentFile().empty());
    EXPECT_EQ(statusFileName(), "");
    // Without a file "Speichern" asks; the empty field is written nowhere.
    dialogs.clear();
    dialogs.fileAnswers = {inTexte("leer.txt")};
    action("Speichern")->trigger();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].kind, Kind::SaveFile);
    EXPECT_FALSE(std::filesystem::exists(texte() / "leer.txt"));
    EXPECT_EQ(dir.bytes("texte/alt.txt"), kFileBytes);
}

TEST_F(TextFileTest, TheKeyingTabUsesTheKeyingTemplate) {
    writeFile(texte() / "vorlage.txt", kFileBytes);
    window().selectTab(kKeyingTab);
    dialogs.fileAnswers = {inTexte("vorlage.txt")};
    action("Oeffnen")->trigger();
    EXPECT_EQ(window().currentTab(), kKeyingTab);
    EXPECT_EQ(window().parts().keying->Memo4->toPlainText(), kFieldText);
    EXPECT_EQ(practice().Memo2->toPlainText(), "");

    window().parts().keying->Memo4->setPlainText(QStringLiteral("cq cq"));
    action("Speichern")->trigger();
    EXPECT_EQ(dir.bytes("texte/vorlage.txt"), "cq cq");
}

TEST_F(TextFileTest, ImportFillsTheTextFieldAndStartsIt) {
    writeFile(texte() / "import.txt", kFileBytes);
    PracticeControls& p = practice();
    // What "Textfeld Start" finds when the import presses it.
    std::vector<std::pair<bool, QString>> starts;
    QObject::connect(p.ButtonTextfeldStart, &QPushButton::clicked, [&] {
        starts.emplace_back(window().parts().textFiles->importingOnKeyingTab(),
                            p.Memo2->toPlainText());
    });
    for (const int tab : {kPracticeTab, kKeyingTab}) {
        window().selectTab(tab);
        p.Memo2->clear();
        window().parts().keying->Memo5->setPlainText(QStringLiteral("decodiert"));
        dialogs.fileAnswers = {inTexte("import.txt")};
        action("ImportTextdatei")->trigger();
        EXPECT_EQ(window().parts().keying->Memo5->toPlainText(), "");
    }
    EXPECT_EQ(starts,
              (std::vector<std::pair<bool, QString>>{{false, kFieldText}, {true, kFieldText}}));
    EXPECT_FALSE(window().parts().textFiles->importingOnKeyingTab());
    // An import is not the file "Speichern" writes to.
    EXPECT_TRUE(window().parts().textFiles->currentFile().empty());

    // An empty file starts nothing; its name stays in the status bar.
    window().selectTab(kPracticeTab);
    writeFile(texte() / "leer.txt", "");
    dialogs.fileAnswers = {inTexte("leer.txt")};
    action("ImportTextdatei")->trigger();
    EXPECT_EQ(starts.size(), 2u);
    EXPECT_EQ(statusFileName(), "leer.txt");
}

TEST_F(TextFileTest, AFileThatCannotBeReadIsReported) {
    window().selectTab(kPracticeTab);
    practice().Memo2->setPlainText(QStringLiteral("bleibt"));
    dialogs.fileAnswers = {inTexte("fehlt.txt")};
    action("Oeffnen")->trigger();
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].contains("fehlt.txt"));
    EXPECT_EQ(practice().Memo2->toPlainText(), "bleibt");
    EXPECT_TRUE(window().parts().textFiles->currentFile().empty());
}

TEST_F(TextFileTest, TheFilterFollowsTheLanguage) {
    window().chooseLanguage(3);
    window().selectTab(kPracticeTab);
    action("Oeffnen")->trigger();
    ASSERT_EQ(dialogs.calls().size(), 1u);
    EXPECT_EQ(dialogs.calls()[0].text, "Fichier texte (*.txt)|*.txt");
}

} // namespace
} // namespace dittaro::test
