#include "app/tab_entry.h"

#include "app/main_menu.h"
#include "app/pending_controls.h"
#include "app/status_bar.h"
#include "app/status_texts.h"
#include "engine/widgets/playback_controls.h"
#include "engine/widgets/timing_controls.h"
#include "engine/widgets/tone_controls.h"
#include "exam/widgets/exam_controls.h"
#include "keying/widgets/keyboard_morse_controls.h"
#include "keying/widgets/keying_controls.h"
#include "material/widgets/practice_controls.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/up_down.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>

namespace dittaro {
namespace {

bool anyTab(int) {
    return true;
}
template <int T> bool on(int tab) {
    return tab == T;
}
template <int T> bool notOn(int tab) {
    return tab != T;
}

// The answer field white and usable, or grey and locked.
void showAnswerFieldUsable(QPlainTextEdit* field, bool usable) {
    field->setBackgroundRole(usable ? QPalette::Base : QPalette::Window);
    field->setStyleSheet(
        usable ? QString() : QStringLiteral("QPlainTextEdit { background: palette(window); }"));
    setControlEnabled(field, usable);
}

} // namespace

void TabEntry::enter(int tab) {
    struct TabRule {
        bool (*applies)(int tab);
        void (TabEntry::*steps)();
    };
    // In this order; later work adds its steps to the rows of its tabs.
    static const TabRule kTabRules[] = {
        {anyTab, &TabEntry::commonSteps},
        {notOn<kSettingsTab>, &TabEntry::leaveSettingsTab},
        {on<kSettingsTab>, &TabEntry::enterSettingsTab},
        {on<kPracticeTab>, &TabEntry::enterPracticeTab},
        {notOn<kPracticeTab>, &TabEntry::leavePracticeTab},
        {on<kPlaybackTab>, &TabEntry::enterPlaybackTab},
        {notOn<kPlaybackTab>, &TabEntry::leavePlaybackTab},
        {notOn<kKeyingTab>, &TabEntry::leaveKeyingTab},
        {on<kKeyingTab>, &TabEntry::enterKeyingTab},
    };
    for (const TabRule& rule : kTabRules) {
        if (rule.applies(tab)) {
            (this->*rule.steps)();
        }
    }
}

void TabEntry::commonSteps() {
    const PracticeControls& p = *parts_.practice;
    const KeyingControls& k = *parts_.keying;
    const PlaybackControls& b = *parts_.playback;
    for (QWidget* widget : std::initializer_list<QWidget*>{p.Memo1,
                                                           p.Memo2,
                                                           p.Memo3,
                                                           p.Memo8,
                                                           k.Memo4,
                                                           k.Memo5,
                                                           parts_.keyboard->MemoTastatur,
                                                           k.PanelTaste,
                                                           k.PaintBoxGraph,
                                                           k.ScrollBarGraph,
                                                           k.RadioGroupSpeicher,
                                                           b.TrackBar4,
                                                           b.LabelWiedergabe,
                                                           b.Label19,
                                                           k.GroupBoxAufzeichnung,
                                                           b.BitBtn3,
                                                           b.BitBtn4,
                                                           b.BitBtn5,
                                                           k.CheckBoxRev,
                                                           k.CheckBoxSoftwareKeyer,
                                                           k.ButtonDecodieren,
                                                           k.LabelSpeed,
                                                           k.Edit11,
                                                           k.UpDown9,
                                                           k.LabelBpMKeyer,
                                                           k.Edit7,
                                                           k.UpDown5,
                                                           k.LabelBpMDecoder,
                                                           parts_.keyboard->CheckBox15}) {
        widget->hide();
    }
    const auto items = parts_.menu->exportItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        setControlEnabled(items[i], state_.exportEnabled[i]);
    }
}

void TabEntry::leaveSettingsTab() {
    parts_.tone->stopSoundTest();
    parts_.settingsPage->hide();
    setControlEnabled(parts_.menu->Ersetze->menuAction(), false);
    setControlEnabled(parts_.menu->RS232->menuAction(), false);
}

void TabEntry::enterSettingsTab() {
    const MainMenu& m = *parts_.menu;
    setTitle();
    for (QAction* item : m.exportItems()) {
        setControlEnabled(item, false);
    }
    setControlEnabled(m.SpeichernAls, false);
    setControlEnabled(m.Speichern, false);
    setControlEnabled(m.BildschirmTasten->menuAction(), true);
    refreshKochField();
    parts_.status->clear(1, 7);
    parts_.settingsPage->show();
    setControlEnabled(m.Ersetze->menuAction(), true);
    setControlEnabled(m.RS232->menuAction(), true);
}

void TabEntry::enterPracticeTab() {
    const MainMenu& m = *parts_.menu;
    PracticeControls& p = *parts_.practice;
    setTitle();
    for (QAction* item : m.exportItems()) {
        setControlEnabled(item, false);
    }
    for (QAction* item : {m.ImportZufallstextdatei, m.SpeichernAls, m.Speichern,
                          m.ExportZufallstextdatei, m.ZufallstexttabelleLoeschen}) {
        setControlEnabled(item, true);
    }
    refreshKochField();
    parts_.status->set(6, QString());
    showTimingFields(true);
    parts_.status->set(3, state_.textFileName);
    parts_.status->clear(1, 2);

    if (p.Memo8->toPlainText().size() < 5) {
        p.Memo8->clear();
    }
    const bool answered = !p.Memo8->toPlainText().isEmpty();
    showAnswerFieldUsable(p.Memo8, answered);
    setControlEnabled(p.ButtonFehlerAnzeigen, answered);
    p.Memo8->show();
    p.Memo2->show();
    parts_.keying->Memo5->clear();
    for (QWidget* widget :
         {static_cast<QWidget*>(p.GroupBoxZufallstexte),
          static_cast<QWidget*>(p.GroupBoxZufallszeichen),
          static_cast<QWidget*>(p.GroupBoxTextfeld), static_cast<QWidget*>(parts_.exam->GroupBox7),
          static_cast<QWidget*>(p.ButtonFehlerAnzeigen)}) {
        widget->show();
    }
    if (state_.lastStart == StartButton::Zeichen) {
        p.ButtonZeichenStart->setFocus();
    }
}

void TabEntry::leavePracticeTab() {
    const MainMenu& m = *parts_.menu;
    const PracticeControls& p = *parts_.practice;
    for (QAction* item :
         {m.ImportZufallstextdatei, m.ExportZufallstextdatei, m.ZufallstexttabelleLoeschen}) {
        setControlEnabled(item, false);
    }
    for (QWidget* widget :
         {static_cast<QWidget*>(p.GroupBoxZufallstexte),
          static_cast<QWidget*>(p.GroupBoxZufallszeichen),
          static_cast<QWidget*>(p.GroupBoxTextfeld), static_cast<QWidget*>(parts_.exam->GroupBox7),
          static_cast<QWidget*>(p.ButtonFehlerAnzeigen)}) {
        widget->hide();
    }
}

void TabEntry::enterPlaybackTab() {
    const MainMenu& m = *parts_.menu;
    PracticeControls& p = *parts_.practice;
    const PlaybackControls& b = *parts_.playback;
    setTitle();
    setControlEnabled(b.BitBtn6, false);
    setControlEnabled(m.SpeichernAls, false);
    setControlEnabled(m.Speichern, false);
    refreshKochField();
    parts_.status->set(6, QString());
    showTimingFields(state_.lastStart == StartButton::Zeichen ||
                     state_.lastStart == StartButton::Zufallstexte ||
                     state_.lastStart == StartButton::Pruefung);
    parts_.status->set(3, QString());
    showTimingFileFields();
    showAnswerFieldUsable(p.Memo8, true);
    for (QPushButton* button : {b.BitBtn1, b.BitBtn2, b.BitBtn6, b.BitBtn7, b.BitBtn8}) {
        button->show();
    }
    if (state_.examMode) {
        setControlEnabled(p.CheckBoxZeichenAnzeigen, false);
        parts_.keyboard->CheckBox15->show();
        parts_.exam->GroupBox5->show();
    } else {
        setControlEnabled(p.CheckBoxZeichenAnzeigen, !state_.recordingPresent);
        parts_.keyboard->CheckBoxTastaturmorsen->show();
        // Shown from the start when the program starts on this tab.
        parts_.exam->GroupBox5->hide();
    }
    const bool wordsShown =
        !state_.examMode && !state_.recordingPresent && p.CheckBoxZeichenAnzeigen->isChecked();
    p.Memo1->setVisible(wordsShown);
    p.Memo3->setVisible(!wordsShown);
    p.CheckBoxZeichenAnzeigen->show();
    p.Memo8->show();
}

void TabEntry::leavePlaybackTab() {
    const PracticeControls& p = *parts_.practice;
    const PlaybackControls& b = *parts_.playback;
    state_.examMode = false;
    parts_.exam->GroupBox5->hide();
    for (QPushButton* button : {b.BitBtn1, b.BitBtn2}) {
        button->setEnabled(false);
        button->hide();
    }
    for (QWidget* widget :
         std::initializer_list<QWidget*>{b.BitBtn6, b.BitBtn7, b.BitBtn8, p.CheckBoxZeichenAnzeigen,
                                         parts_.keyboard->CheckBoxTastaturmorsen, p.Memo1}) {
        widget->hide();
    }
}

void TabEntry::leaveKeyingTab() {
    parts_.playback->TrackBar4->setValue(10);
}

void TabEntry::enterKeyingTab() {
    const MainMenu& m = *parts_.menu;
    KeyingControls& k = *parts_.keying;
    const PlaybackControls& b = *parts_.playback;
    setTitle();
    for (QAction* item : {m.SpeichernAls, m.Speichern, m.BildschirmTasten->menuAction()}) {
        setControlEnabled(item, true);
    }
    parts_.status->clear(4, 8);
    parts_.status->set(3, state_.textFileName);
    showTimingFileFields();
    k.PanelTaste->show();
    k.Memo4->show();
    const bool graph = m.keyingMode() == 3;
    k.PaintBoxGraph->setVisible(graph);
    k.ScrollBarGraph->setVisible(graph);
    k.Memo5->setVisible(!graph);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             k.ButtonDecodieren, k.LabelSpeed, k.Edit11, k.UpDown9, k.LabelBpMKeyer, k.Edit7,
             k.UpDown5, k.LabelBpMDecoder, b.TrackBar4, b.LabelWiedergabe, b.Label19, k.CheckBoxRev,
             k.CheckBoxSoftwareKeyer, k.RadioGroupSpeicher, k.GroupBoxAufzeichnung, b.BitBtn3,
             b.BitBtn4, b.BitBtn5}) {
        widget->show();
    }
    setControlEnabled(b.TrackBar4, true);
    setControlEnabled(k.CheckBoxSoftwareKeyer, true);
    setControlEnabled(k.ButtonAufnahmeStart, true);
    const bool keyer = k.CheckBoxSoftwareKeyer->isChecked();
    setControlEnabled(k.CheckBoxRev, keyer);
    if (!keyer) {
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 k.RadioGroupSpeicher, k.LabelSpeed, k.Edit11, k.UpDown9, k.LabelBpMKeyer}) {
            setControlEnabled(widget, false);
        }
        setControlEnabled(k.Edit7, true);
        setControlEnabled(k.UpDown5, true);
    }
}

void TabEntry::refreshTimingFields() {
    const int tab = parts_.tabs->currentIndex();
    if (tab == kPracticeTab || tab == kPlaybackTab) {
        showTimingFields(true);
    }
}

void TabEntry::refreshKochField() {
    const Voreinstellungen& v = state_.settings.voreinstellungen;
    parts_.status->set(8, kochStatusField(v.KochMethode, v.KochString, v.KochStufe));
}

void TabEntry::setTitle() {
    parts_.window->setWindowTitle(QString::fromLatin1(kWindowTitle));
}

void TabEntry::showTimingFields(bool show) {
    const TimingControls& t = *parts_.timing;
    parts_.status->set(7, show ? ratioStatusText(t.ratioText()) : QString());
    parts_.status->set(5, show ? farnsworthStatusText(t.values(), state_.speedUnit) : QString());
    parts_.status->set(4, show ? speedStatusText(t.values().speed, state_.speedUnit) : QString());
}

void TabEntry::showTimingFileFields() {
    parts_.status->set(2, state_.timingFileName);
    parts_.status->set(1, state_.timingDuration);
}

} // namespace dittaro
