#include "app/answer_practice.h"

#include "app/main_menu.h"
#include "app/pending_controls.h"
#include "app/practice_texts.h"
#include "app/tab_entry.h"
#include "engine/widgets/playback_controls.h"
#include "exam/widgets/exam_controls.h"
#include "material/answer_marking.h"
#include "material/practice_start.h"
#include "material/widgets/error_list_window.h"
#include "material/widgets/practice_controls.h"
#include "platform/dialogs/dialogs.h"
#include "platform/widgets/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>

namespace dittaro {
namespace {

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A held key types its character once; the next one counts after the key was released.
bool isHeldCharacter(const QKeyEvent& event) {
    return event.isAutoRepeat() && !event.text().isEmpty() && event.key() != Qt::Key_Backspace &&
           event.key() != Qt::Key_Delete;
}

PracticeSource practiceSource(StartButton button) {
    switch (button) {
    case StartButton::Zeichen:
        return PracticeSource::Zeichen;
    case StartButton::Zufallstexte:
        return PracticeSource::Zufallstexte;
    case StartButton::Textfeld:
        return PracticeSource::Textfeld;
    case StartButton::Pruefung:
        return PracticeSource::Pruefung;
    case StartButton::None:
        break;
    }
    return PracticeSource::None;
}

} // namespace

AnswerPractice::AnswerPractice(MainWindowParts& parts, ShellState& state, Dialogs& dialogs,
                               std::filesystem::path dataDatabase, SelectTab selectTab)
    : parts_(parts), state_(state), dialogs_(dialogs), dataDatabase_(std::move(dataDatabase)),
      selectTab_(std::move(selectTab)), errorList_(new ErrorListWindow(parts.window)) {
    PracticeControls& p = *parts_.practice;
    p.Memo2->installEventFilter(this);
    p.Memo8->installEventFilter(this);
    connect(p.ButtonFehlerAnzeigen, &QPushButton::clicked, this, [this] { markAnswer(); });
}

bool AnswerPractice::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (isHeldCharacter(key)) {
        return true;
    }
    if (watched == parts_.practice->Memo8 && parts_.tabs->currentIndex() == kPlaybackTab) {
        return answerKey(key.key(), key.text());
    }
    return false;
}

bool AnswerPractice::answerKey(int key, const QString& text) {
    PracticeControls& p = *parts_.practice;
    const bool kochStep = text == QLatin1String(">") || text == QLatin1String("<");
    if (kochStep && state_.settings.voreinstellungen.KochMethode) {
        // A disabled button does nothing, as the level is at its end.
        (text == QLatin1String(">") ? p.ButtonKochHoch2 : p.ButtonKochRunter2)->click();
    } else if (!isEnter(key)) {
        return false;
    }
    AnswerEnterState enterState;
    enterState.exam = state_.examMode;
    enterState.playbackRunning = !parts_.playback->BitBtn6->isEnabled();
    enterState.wordDisplayShown = p.CheckBoxZeichenAnzeigen->isChecked() && !p.Memo1->isHidden();
    switch (dittaro::answerEnter(enterState)) {
    case AnswerEnter::LineBreak:
        return false;
    case AnswerEnter::TypeBlank:
        p.Memo8->insertPlainText(QStringLiteral(" "));
        return true;
    case AnswerEnter::NewExercise:
        if (restartsOnEnter(practiceSource(state_.lastStart))) {
            lastStartButton()->click();
        }
        parts_.playback->BitBtn6->setFocus();
        return true;
    case AnswerEnter::BackToPractice:
        backToPractice();
        return true;
    }
    return true;
}

void AnswerPractice::backToPractice() {
    PracticeControls& p = *parts_.practice;
    selectTab_(kPracticeTab);
    if (focusAfterAnswer(static_cast<std::size_t>(p.Memo8->toPlainText().size())) ==
        FocusAfterAnswer::LastStartButton) {
        // The generated sources offer the next exercise at once.
        if (restartsOnEnter(practiceSource(state_.lastStart))) {
            lastStartButton()->setFocus();
        }
        state_.lastStart = StartButton::None;
    } else {
        setControlEnabled(p.ButtonFehlerAnzeigen, true);
        p.ButtonFehlerAnzeigen->setFocus();
    }
}

void AnswerPractice::markAnswer() {
    PracticeControls& p = *parts_.practice;
    const QString reference = p.Memo2->toPlainText();
    if (reference.isEmpty()) {
        return;
    }
    const MainMenu& m = *parts_.menu;
    MarkingOptions options;
    options.groups = state_.lastStart == StartButton::Zeichen;
    options.kochIntro = options.groups && state_.settings.voreinstellungen.KochMethode;
    options.umlautExpansion = m.Umlaute->isChecked();
    options.accentFolding = m.Akzente->isChecked();
    options.szExpansion = m.SZ->isChecked();
    const MarkingResult result =
        dittaro::markAnswer(toCp1252(reference), toCp1252(p.Memo8->toPlainText()), options);

    const PracticeTexts texts =
        readPracticeTexts(dataDatabase_, state_.settings.voreinstellungen.Sprache);
    if (result.wordCountDiffers) {
        // The answer stays as typed, so the missing words can be filled in.
        dialogs_.information(parts_.window, texts.wordCountMessage);
        return;
    }
    errorList_->LabelErgebnis->setText(fromCp1252(
        resultLine(result.errors, result.characters, toCp1252(QLocale().decimalPoint()))));
    if (result.wrongWords.empty()) {
        dialogs_.information(parts_.window,
                             QStringLiteral(">>>  ") + texts.noErrors + QStringLiteral("  <<<"));
    } else {
        errorList_->setTexts(texts.errorListCaption, texts.errorListLabel);
        errorList_->showErrors(result.wrongWords);
        dialogs_.exec(*errorList_);
    }
    if (QPushButton* button = lastStartButton()) {
        button->setFocus();
    }
    p.Memo2->setPlainText(fromCp1252(result.reference));
    p.Memo8->setPlainText(fromCp1252(result.answer));
}

QPushButton* AnswerPractice::lastStartButton() const {
    const PracticeControls& p = *parts_.practice;
    switch (state_.lastStart) {
    case StartButton::Zeichen:
        return p.ButtonZeichenStart;
    case StartButton::Zufallstexte:
        return p.ButtonZufallstexteStart;
    case StartButton::Textfeld:
        return p.ButtonTextfeldStart;
    case StartButton::Pruefung:
        return parts_.exam->Button1;
    case StartButton::None:
        break;
    }
    return nullptr;
}

} // namespace dittaro
