#include "app/listening_practice.h"

#include "app/audio_export_menu.h"
#include "app/language.h"
#include "app/main_menu.h"
#include "app/pending_controls.h"
#include "app/status_bar.h"
#include "app/tab_entry.h"
#include "app/text_file_menu.h"
#include "engine/element_sequence.h"
#include "engine/sound_settings.h"
#include "engine/tmorse.h"
#include "engine/tmorse2.h"
#include "engine/widgets/playback_controls.h"
#include "engine/widgets/timing_controls.h"
#include "exam/widgets/exam_controls.h"
#include "keying/widgets/keyboard_morse_controls.h"
#include "keying/widgets/keying_controls.h"
#include "koch/widgets/koch_controls.h"
#include "material/practice_start.h"
#include "material/widgets/character_set_controls.h"
#include "material/widgets/group_field_keys.h"
#include "material/widgets/practice_controls.h"
#include "platform/dialogs/dialogs.h"
#include "platform/widgets/qt_text.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>

namespace dittaro {
namespace {

// Interface texts of the start flow: texte_06 column 13 (nothing to draw groups from) and
// column 14 (no text to play), both shown with "!" appended; texte_01 column 15 names an
// audio file in the export's filters.
constexpr int kNoCharactersMessage = 13;
constexpr int kNoTextMessage = 14;
constexpr int kAudioFileWord = 15;

template <std::size_t N> int checkedItem(const std::array<QAction*, N>& items) {
    for (std::size_t i = 0; i < N; ++i) {
        if (items[i]->isChecked()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

bool generated(StartButton source) {
    return source == StartButton::Zeichen || source == StartButton::Zufallstexte ||
           source == StartButton::Pruefung;
}

} // namespace

ListeningPractice::ListeningPractice(ListeningPracticeContext context) : c_(std::move(context)) {
    export_ =
        std::make_unique<AudioExportMenu>(c_.paths.directory(), c_.dialogs, c_.parts, c_.state);
    player_ = std::make_unique<ListeningPlayer>(
        c_.audio, timers_, c_.sound, static_cast<PlayerEvents&>(*this),
        [this](std::function<void()> update) {
            QMetaObject::invokeMethod(this, std::move(update), Qt::QueuedConnection);
        });
    installCharacterSetKeys(*c_.parts.characterSet);
    installGroupCountKeys(*c_.parts.practice);
    connectControls();
}

ListeningPractice::~ListeningPractice() = default;

void ListeningPractice::connectControls() {
    PracticeControls& p = *c_.parts.practice;
    PlaybackControls& b = *c_.parts.playback;
    MainMenu& m = *c_.parts.menu;
    CharacterSetControls& characterSet = *c_.parts.characterSet;

    connect(p.ButtonZeichenStart, &QPushButton::clicked, this,
            [this] { start(StartButton::Zeichen); });
    connect(p.ButtonTextfeldStart, &QPushButton::clicked, this,
            [this] { start(StartButton::Textfeld); });
    connect(b.BitBtn6, &QPushButton::clicked, this, [this] { startPlayback(); });
    connect(b.BitBtn7, &QPushButton::clicked, this, [this] {
        const bool resuming = !buttons_.stop;
        player_->togglePause();
        if (resuming && c_.parts.tabs->currentIndex() == kPlaybackTab) {
            c_.parts.practice->Memo8->setFocus();
        }
    });
    connect(b.BitBtn8, &QPushButton::clicked, this, [this] {
        player_->stop();
        if (c_.parts.tabs->currentIndex() == kPlaybackTab) {
            c_.parts.practice->Memo8->setFocus();
        }
    });
    connect(b.BitBtn1, &QPushButton::clicked, this, [this] { player_->stepForward(); });
    connect(b.BitBtn2, &QPushButton::clicked, this, [this] { player_->stepBack(); });

    // Every change of the set drawn from makes the pool stale.
    connect(characterSet.Edit2, &QLineEdit::textChanged, this, [this] { pool_.empty(); });
    KochControls& koch = *c_.parts.koch;
    connect(koch.CheckBoxKochMethode, &QCheckBox::toggled, this, [this] { pool_.empty(); });
    for (QPushButton* level :
         {koch.ButtonKochHoch, koch.ButtonKochRunter, p.ButtonKochHoch2, p.ButtonKochRunter2}) {
        connect(level, &QPushButton::clicked, this, [this] { pool_.empty(); });
    }
    for (QAction* order : {m.Koch1, m.Koch2}) {
        connect(order, &QAction::triggered, this, [this] { pool_.empty(); });
    }
    // A click stores the group length in the value of the current mode.
    for (int i = 0; i < 4; ++i) {
        connect(characterSet.RadioButtonGroupLength[i], &QAbstractButton::clicked, this, [this, i] {
            Voreinstellungen& v = c_.state.settings.voreinstellungen;
            (v.KochMethode ? v.KZPG : v.ZeichenProGruppe) = i;
        });
    }
    connect(m.FuenfergruppenMorsepruefung, &QAction::triggered, this, [this] { examGroups(); });
    for (QAction* delay : {m.Kurz, m.VerzoegerungMittel, m.Lang}) {
        connect(delay, &QAction::triggered, this,
                [this] { player_->setDisplayDelay(displayDelayMs(c_.parts.menu->delay())); });
    }

    const std::pair<QAction*, AudioFormat> exports[] = {{m.ExportWav, AudioFormat::Wav},
                                                        {m.ExportMp3, AudioFormat::Mp3},
                                                        {m.ExportOgg, AudioFormat::Ogg}};
    for (const auto& [item, format] : exports) {
        connect(item, &QAction::triggered, this, [this, format = format] {
            const int language = c_.state.settings.voreinstellungen.Sprache;
            export_->setLanguage(language, interfaceText("texte_01", kAudioFileWord));
            const ExportSound sound{c_.sound.pitch.load(), c_.sound.hardnessMs, c_.sound.overtones};
            export_->run(format, timingText_, c_.morse2.timingList(), sound);
        });
    }
}

std::string ListeningPractice::interfaceText(const char* table, int column) const {
    SqliteDatabase db(c_.paths.dataDatabase(), SqliteDatabase::Mode::ReadOnly);
    const std::optional<TextRow> row =
        readTextRow(db, table, c_.state.settings.voreinstellungen.Sprache);
    return row ? row->text(column) : std::string();
}

void ListeningPractice::start(StartButton source) {
    if (source != StartButton::Zeichen && source != StartButton::Textfeld) {
        return;
    }
    PracticeControls& p = *c_.parts.practice;
    c_.state.lastStart = source;
    p.Memo3->show();
    p.Memo3->raise();
    p.Memo8->clear();
    c_.parts.keyboard->CheckBoxTastaturmorsen->setChecked(false);
    enableSources(false);
    c_.parts.status->clear(1, 2);
    c_.parts.window->repaint();

    c_.morse2.setSpeed(c_.parts.timing->values().speed);
    c_.morse2.clearLists();
    c_.morse.setText({});
    timingText_.clear();
    wordDisplayBlocked_ = false;

    const bool prepared = source == StartButton::Zeichen ? prepareGroups() : prepareTextField();
    if (prepared) {
        prepareStartedPractice();
    }
}

bool ListeningPractice::prepareGroups() {
    PracticeControls& p = *c_.parts.practice;
    const Voreinstellungen& v = c_.state.settings.voreinstellungen;
    QLineEdit* characterSet = c_.parts.characterSet->Edit2;
    GroupRequest request;
    request.characterSet = toCp1252(characterSet->text());
    request.groupLength = c_.parts.characterSet->groupLengthIndex() + 2;
    request.count = confirmedGroupCountOf(p);
    request.repeat = confirmedRepeatOf(p);
    request.kochMode = v.KochMethode;
    request.kochOrder = v.KochString;
    request.kochLevel = v.KochStufe;

    wordDisplayList_.clear();
    GroupDrawResult result = pool_.draw(request);
    if (result.characterSet) {
        // The pool was emptied for the new set and has been drawn from since.
        const QSignalBlocker keepPool(characterSet);
        characterSet->setText(fromCp1252(*result.characterSet));
    }
    if (result.nothingToDraw) {
        abandonStart(kNoCharactersMessage);
        return false;
    }
    c_.morse2.groups() = result.exercise.groupList;
    c_.morse2.convertGroups(checkedItem(c_.parts.menu->GruppenabstandItems));
    const QString text = fromCp1252(result.exercise.practiceText);
    p.Memo2->setPlainText(text);
    c_.parts.keying->Memo4->setPlainText(text);
    wordDisplayList_ = std::move(result.exercise.wordDisplayList);
    return true;
}

bool ListeningPractice::prepareTextField() {
    PracticeControls& p = *c_.parts.practice;
    TextFieldPractice practice = prepareTextFieldPractice(toCp1252(p.Memo2->toPlainText()));
    if (practice.abandoned) {
        abandonStart(kNoTextMessage);
        return false;
    }
    if (practice.keyingTemplate) {
        c_.parts.keying->Memo4->setPlainText(fromCp1252(*practice.keyingTemplate));
    }
    if (practice.answer) {
        p.Memo8->setPlainText(fromCp1252(*practice.answer));
    }
    wordDisplayBlocked_ = practice.wordDisplayBlocked;
    // The conversion options are those of the menu "Ersetze", which the window keeps in
    // the converter.
    c_.morse.setText(practice.textToConvert);
    c_.morse.convert();
    timingText_ = c_.morse.timingText();
    wordDisplayList_ = std::move(practice.wordDisplayList);
    return true;
}

void ListeningPractice::abandonStart(int messageColumn) {
    c_.dialogs.information(c_.parts.window,
                           fromCp1252(interfaceText("texte_06", messageColumn) + "!"));
    c_.parts.practice->Memo3->hide();
    enableSources(true);
    c_.state.lastStart = StartButton::None;
}

void ListeningPractice::enableSources(bool enabled) {
    PracticeControls& p = *c_.parts.practice;
    ExamControls& exam = *c_.parts.exam;
    for (QWidget* control : std::initializer_list<QWidget*>{
             p.GroupBoxZufallszeichen, p.GroupBoxTextfeld, exam.GroupBox7, p.ButtonZeichenStart,
             p.ButtonTextfeldStart, p.ButtonZufallstexteStart, exam.Button1}) {
        setControlEnabled(control, enabled);
    }
    // The random texts need a table to draw from.
    setControlEnabled(p.GroupBoxZufallstexte, enabled && c_.state.randomTextTables > 0);
}

void ListeningPractice::prepareStartedPractice() {
    PracticeControls& p = *c_.parts.practice;
    PlaybackControls& b = *c_.parts.playback;
    p.Memo1->clear();
    b.TrackBar4->setValue(10);
    // A converted text counts at the speed factor just set; generated material rounds to
    // whole seconds and shows nothing below half a second.
    const std::string duration =
        c_.state.lastStart == StartButton::Textfeld
            ? scaledDurationText(timingTextTotalMs(timingText_), b.TrackBar4->value())
            : durationText(c_.morse2.totalMs());
    c_.state.timingDuration = QString::fromStdString(duration);
    c_.parts.status->set(1, c_.state.timingDuration);

    c_.state.exportEnabled = {true, true, export_->available(AudioFormat::Mp3),
                              export_->available(AudioFormat::Ogg)};
    buttons_ = ListeningButtons{true, false, false, false};
    freshPractice_ = true;
    if (c_.state.lastStart == StartButton::Textfeld && c_.parts.textFiles != nullptr &&
        c_.parts.textFiles->importingOnKeyingTab()) {
        // A text imported on the "Gebeübung" tab is practised there.
        setControlEnabled(b.BitBtn3, true);
        c_.selectTab(kKeyingTab);
        b.BitBtn3->setFocus();
    } else {
        c_.selectTab(kPlaybackTab);
        setControlEnabled(b.BitBtn6, true);
        b.BitBtn6->setFocus();
    }
    enableSources(true);
}

void ListeningPractice::tabEntered(int tab) {
    if (tab != kPlaybackTab) {
        // Leaving the tab ends its playback.
        player_->stop();
        return;
    }
    // A playback still running is that of this tab (re-entered before its stop was heard)
    // unless a start button has prepared a new practice since.
    if (!playing_ || freshPractice_) {
        preparePlayback();
    }
    freshPractice_ = false;
    applyButtons();
    if (wordDisplayBlocked_) {
        setControlEnabled(c_.parts.practice->CheckBoxZeichenAnzeigen, false);
    }
}

void ListeningPractice::preparePlayback() {
    bool loaded = false;
    if (generated(c_.state.lastStart)) {
        loaded = player_->loadGenerated(c_.morse2);
    } else if (!timingText_.empty()) {
        player_->loadTimingText(timingText_);
        loaded = true;
    }
    player_->setWords(wordDisplayList_);
    player_->setWordDisplayBlocked(wordDisplayBlocked_);
    // Without new material (the start button forgotten) the practice loaded before stays
    // playable as it was.
    const bool startable = loaded || (!freshPractice_ && buttons_.start);
    buttons_ = ListeningButtons{startable, false, false, false};
}

void ListeningPractice::startPlayback() {
    PracticeControls& p = *c_.parts.practice;
    if (p.Memo8->toPlainText().size() > 4) {
        p.Memo8->clear();
    }
    if (p.Memo8->toPlainText().isEmpty()) {
        p.Memo8->setFocus();
    }
    QCheckBox* keyboardMorse = c_.parts.keyboard->CheckBoxTastaturmorsen;
    keyboardMorse->setChecked(false);
    setControlEnabled(keyboardMorse, false);
    if (wordDisplayBlocked_ && !timingText_.empty()) {
        player_->loadTimingText(timingText_);
    }
    wordDisplayBlocked_ = c_.state.examMode;
    player_->setWordDisplayBlocked(wordDisplayBlocked_);
    player_->setDisplayDelay(displayDelayMs(c_.parts.menu->delay()));
    playing_ = true;
    player_->start();
}

void ListeningPractice::applyButtons() {
    const PlaybackControls& b = *c_.parts.playback;
    setControlEnabled(b.BitBtn6, buttons_.start);
    setControlEnabled(b.BitBtn7, buttons_.pause);
    setControlEnabled(b.BitBtn8, buttons_.stop);
    setControlEnabled(b.BitBtn1, buttons_.steps);
    setControlEnabled(b.BitBtn2, buttons_.steps);
}

void ListeningPractice::examGroups() {
    const std::string set = pool_.examGroups();
    c_.selectTab(kSettingsTab);
    c_.parts.characterSet->Edit2->setText(fromCp1252(set));
}

void ListeningPractice::onControlsLocked(bool locked) {
    MainMenu& m = *c_.parts.menu;
    if (locked) {
        c_.state.exportEnabled = {};
        for (QAction* item : m.exportItems()) {
            setControlEnabled(item, false);
        }
        QCheckBox* keyboardMorse = c_.parts.keyboard->CheckBoxTastaturmorsen;
        keyboardMorse->setChecked(false);
        setControlEnabled(keyboardMorse, false);
    } else {
        unlockExportItems();
        setControlEnabled(c_.parts.keyboard->CheckBoxTastaturmorsen, true);
        if (!c_.parts.keyboard->CheckBoxTastaturmorsen->isChecked()) {
            c_.parts.status->progressBar()->setValue(0);
        }
    }
    for (QAction* item : {m.HaerteDerTastung->menuAction(), m.Verzoegerung->menuAction(),
                          m.BildschirmTasten->menuAction(), m.ImportTimingdatei}) {
        setControlEnabled(item, !locked);
    }
    setControlEnabled(c_.parts.playback->TrackBar4,
                      !locked && c_.parts.tabs->currentIndex() == kKeyingTab);
}

void ListeningPractice::unlockExportItems() {
    if (timingText_.empty() && c_.morse2.sampleList().size() <= 3) {
        return;
    }
    c_.state.exportEnabled = {true, true, export_->available(AudioFormat::Mp3),
                              export_->available(AudioFormat::Ogg)};
    // The settings and practice tabs keep the items disabled; an end that arrives there
    // (a stop requested by leaving the tab) must not enable them.
    const int tab = c_.parts.tabs->currentIndex();
    if (tab == kPlaybackTab || tab == kKeyingTab) {
        const auto items = c_.parts.menu->exportItems();
        for (std::size_t i = 0; i < items.size(); ++i) {
            setControlEnabled(items[i], c_.state.exportEnabled[i]);
        }
    }
}

void ListeningPractice::onButtons(const ListeningButtons& buttons) {
    buttons_ = buttons;
    applyButtons();
}

void ListeningPractice::onHardnessMenuEnabled(bool enabled) {
    setControlEnabled(c_.parts.menu->HaerteDerTastung->menuAction(), enabled);
}

void ListeningPractice::onWordDisplayCleared() {
    c_.parts.practice->Memo1->clear();
}

void ListeningPractice::onWordsShown(const std::string& text) {
    QPlainTextEdit* display = c_.parts.practice->Memo1;
    display->moveCursor(QTextCursor::End);
    display->insertPlainText(fromCp1252(text));
    display->moveCursor(QTextCursor::End);
    display->ensureCursorVisible();
}

void ListeningPractice::onProgress(int value, int maximum) {
    QProgressBar* bar = c_.parts.status->progressBar();
    bar->setRange(0, std::max(maximum, 1));
    bar->setValue(value);
}

void ListeningPractice::onEnded() {
    playing_ = false;
}

} // namespace dittaro
