#include "app/main_window.h"

#include "app/about_box.h"
#include "app/answer_practice.h"
#include "app/language.h"
#include "app/language_texts.h"
#include "app/listening_practice.h"
#include "app/main_menu.h"
#include "app/pending_controls.h"
#include "app/settings_store.h"
#include "app/startup_checks.h"
#include "app/status_bar.h"
#include "app/status_texts.h"
#include "app/text_file_menu.h"
#include "app/window_layout.h"
#include "common/cp1252.h"
#include "common/random.h"
#include "common/sqlite_database.h"
#include "engine/sidetone.h"
#include "engine/widgets/playback_controls.h"
#include "engine/widgets/speed_entry.h"
#include "engine/widgets/timing_controls.h"
#include "engine/widgets/tone_controls.h"
#include "exam/widgets/exam_controls.h"
#include "keying/widgets/keyboard_morse_controls.h"
#include "keying/widgets/keying_controls.h"
#include "koch/widgets/koch_controls.h"
#include "material/widgets/character_set_controls.h"
#include "material/widgets/practice_controls.h"
#include "platform/dialogs/dialogs.h"
#include "platform/widgets/design_units.h"
#include "platform/widgets/digit_edit.h"
#include "platform/widgets/named.h"
#include "platform/widgets/qt_text.h"
#include "platform/widgets/up_down.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <filesystem>

namespace dittaro {
namespace {

constexpr const char* kHelpContextProperty = "helpContext";

void setHelpContext(QWidget* widget, int context) {
    widget->setProperty(kHelpContextProperty, context);
}

// The help context of each tab as a whole.
constexpr int kTabHelpContexts[] = {30, 400, 250, 450};

} // namespace

MainWindow::MainWindow(ProgramPaths paths, Dialogs& dialogs)
    : paths_(std::move(paths)), dialogs_(dialogs), tabEntry_(parts_, state_) {
    buildWindow();
    connectControls();
    const auto select = [this](int tab) { selectTab(tab); };
    answer_ =
        std::make_unique<AnswerPractice>(parts_, state_, dialogs_, paths_.dataDatabase(), select);
    textFiles_ = std::make_unique<TextFileMenu>(parts_, state_, dialogs_, paths_, select);
    parts_.textFiles = textFiles_.get();
}

MainWindow::~MainWindow() {
    try {
        shutDown();
    } catch (const SqliteError&) {
        // Reported by whoever called shutDown() first; a destructor cannot report it.
    }
}

void MainWindow::buildWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kWindowTitle));
    parts_.window = this;

    menu_ = std::make_unique<MainMenu>(menuBar());
    parts_.menu = menu_.get();
    status_ = std::make_unique<StatusFields>(statusBar());
    parts_.status = status_.get();

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("Client"));
    setCentralWidget(central);

    parts_.tabs = named(new QTabBar(central), "TabControl1");
    for (const char* caption : {"&Einstellungen", "Sta&rt", "&Abspielen", "&Gebeübung"}) {
        parts_.tabs->addTab(QString::fromUtf8(caption));
    }
    parts_.tabs->setDrawBase(false);
    parts_.tabs->setExpanding(false);
    parts_.tabs->setUsesScrollButtons(false);

    // Tab 0.
    parts_.settingsPage = named(new QWidget(central), "SettingsPage");
    QWidget* page = parts_.settingsPage;
    parts_.heading = named(
        new QLabel(QStringLiteral("Einstellungen für Ton, Zeichen und Geschwindigkeit"), page),
        "LabelUeberschrift");
    QFont headingFont = parts_.heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    parts_.heading->setFont(headingFont);
    parts_.heading->setStyleSheet(QStringLiteral("color: rgb(204, 0, 0);"));
    timing_ = std::make_unique<TimingControls>(page);
    parts_.timing = timing_.get();
    parts_.tone = new ToneControls(page);
    parts_.characterSet = new CharacterSetControls(page);
    parts_.koch = new KochControls(page);
    parts_.LabelSchriftgroesse =
        named(new QLabel(QStringLiteral("Schriftgrösse"), page), "LabelSchriftgroesse");
    parts_.ComboBox3 = named(new QComboBox(page), "ComboBox3");
    for (int size = 10; size <= 18; ++size) {
        parts_.ComboBox3->addItem(QStringLiteral("%1 pt").arg(size));
    }
    parts_.LabelSchriftgroesse->setBuddy(parts_.ComboBox3);
    parts_.ButtonHoeruebung =
        named(new QPushButton(QStringLiteral("Copying practice"), page), "ButtonHoeruebung");
    parts_.ButtonTastaturmorsen =
        named(new QPushButton(QStringLiteral("Tastaturmorsen"), page), "ButtonTastaturmorsen");
    parts_.ButtonGebeuebung =
        named(new QPushButton(QStringLiteral("Keying practise"), page), "ButtonGebeuebung");

    // Tabs 1 to 3.
    practice_ = std::make_unique<PracticeControls>(central);
    parts_.practice = practice_.get();
    exam_ = std::make_unique<ExamControls>(central);
    parts_.exam = exam_.get();
    playback_ = std::make_unique<PlaybackControls>(central);
    parts_.playback = playback_.get();
    keying_ = std::make_unique<KeyingControls>(central);
    parts_.keying = keying_.get();
    keyboard_ = std::make_unique<KeyboardMorseControls>(central);
    parts_.keyboard = keyboard_.get();

    layOutWindow(parts_, central);
    sizeTabs(parts_.tabs);
    markPendingControls(parts_);
    status_->sizeFields(state_.speedUnit);
    applyFontSize(2);

    setHelpContext(keying_->CheckBoxRev, 470);
    setHelpContext(keying_->CheckBoxSoftwareKeyer, 470);
    setHelpContext(parts_.characterSet->Edit2, 210);
    setHelpContext(parts_.koch->Edit3, 60);
    setHelpContext(parts_.koch->CheckBoxKochMethode, 120);
    setHelpContext(practice_->Edit4, 330);
    setHelpContext(practice_->ComboBox2, 300);
    setHelpContext(practice_->Edit5, 240);
    setHelpContext(keying_->Memo4, 600);
    setHelpContext(practice_->CheckBoxZeichenAnzeigen, 260);
    setHelpContext(parts_.tone->CheckBoxObertoene, 680);

    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void MainWindow::connectControls() {
    MainMenu& m = *menu_;
    connect(parts_.tabs, &QTabBar::tabBarClicked, this, [this](int tab) {
        if (tab >= 0) {
            selectTab(tab);
        }
    });
    connect(m.Neu, &QAction::triggered, this, [this] { newText(); });
    connect(m.Beenden, &QAction::triggered, this, &QWidget::close);
    connect(m.Hart, &QAction::triggered, this, [this] { hardnessChosen(2); });
    connect(m.Mittel, &QAction::triggered, this, [this] { hardnessChosen(5); });
    connect(m.Weich, &QAction::triggered, this, [this] { hardnessChosen(8); });
    for (std::size_t i = 0; i < m.SpracheItems.size(); ++i) {
        connect(m.SpracheItems[i], &QAction::triggered, this,
                [this, i] { chooseLanguage(static_cast<int>(i) + 1); });
    }
    for (QAction* option : {m.Umlaute, m.Akzente, m.CH, m.SZ}) {
        connect(option, &QAction::toggled, this, [this] {
            ConversionOptions& options = morse_.options();
            options.umlautExpansion = menu_->Umlaute->isChecked();
            options.accentFolding = menu_->Akzente->isChecked();
            options.chAsOneCharacter = menu_->CH->isChecked();
            options.szExpansion = menu_->SZ->isChecked();
        });
    }
    connect(m.HilfeItem, &QAction::triggered, this, [this] {
        help_.showDefaultTopic(paths_.helpFile(state_.settings.voreinstellungen.Sprache));
    });
    connect(m.Infos, &QAction::triggered, this, [this] { showAbout(); });
    auto* contextHelp = new QAction(this);
    contextHelp->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    addAction(contextHelp);
    connect(contextHelp, &QAction::triggered, this, [this] { showContextHelp(); });

    timing_->onChanged = [this] { timingChanged(); };
    ToneControls& tone = *parts_.tone;
    tone.onVolume = [this](int volume) { sound_.volume = volume; };
    tone.onPitch = [this](int pitch) { sound_.pitch = pitch; };
    tone.onOvertones = [this](bool on) { overtonesChanged(on); };
    tone.onSoundTest = [this](bool on) { soundTestChanged(on); };
    connect(parts_.ComboBox3, &QComboBox::activated, this,
            [this](int index) { applyFontSize(index); });
    connect(parts_.ButtonHoeruebung, &QPushButton::clicked, this,
            [this] { selectTab(kPracticeTab); });
    connect(parts_.ButtonGebeuebung, &QPushButton::clicked, this,
            [this] { selectTab(kKeyingTab); });
    connect(practice_->CheckBoxZeichenAnzeigen, &QCheckBox::clicked, this, [this](bool on) {
        practice_->Memo1->setVisible(on);
        practice_->Memo3->setVisible(!on);
        if (on) {
            exam_->GroupBox5->hide();
            state_.examMode = false;
        } else if (state_.examMode) {
            exam_->GroupBox5->show();
        }
    });
}

bool MainWindow::create() {
    timing_->EditAbspielen->clear();
    timing_->EditZeichen->clear();
    keying_->Edit11->clear();

    std::error_code ignored;
    std::filesystem::remove(paths_.temporaryWav(), ignored);

    if (const auto message = missingFileMessage(paths_.directory())) {
        dialogs_.error(this, QString::fromLatin1(kStartupMessageCaption),
                       QString::fromStdString(*message));
        return false;
    }
    randomize();

    if (!audio_.load(paths_.directory()) || !audioVersionMatches(audio_.version())) {
        dialogs_.error(this, QString::fromLatin1(kStartupMessageCaption),
                       QString::fromStdString(wrongAudioVersionMessage()));
        return false;
    }
    state_.settingsMayBeSaved = true;

    fillRandomTextList();
    loadSettings();
    applyTimingToGenerators();
    status_->sizeFields(state_.speedUnit);
    startSound();
    listening_ = std::make_unique<ListeningPractice>(ListeningPracticeContext{
        paths_, dialogs_, parts_, state_, morse_, morse2_, audio_, sound_,
        [this](int tab) { selectTab(tab); }});
    return true;
}

void MainWindow::fillRandomTextList() {
    SqliteDatabase db(paths_.randomTextDatabase(), SqliteDatabase::Mode::ReadOnly);
    if (!db.prepare("SELECT name FROM zufallstexte").step()) {
        return;
    }
    SqliteStatement names = db.prepare("SELECT name FROM zufallstexte ORDER BY name");
    while (names.step()) {
        practice_->ComboBox2->addItem(fromCp1252(utf8ToCp1252(names.columnText(0))));
    }
    state_.randomTextTables = practice_->ComboBox2->count();
    setControlEnabled(practice_->GroupBoxZufallstexte, true);
}

void MainWindow::loadSettings() {
    Settings settings;
    dittaro::loadSettings(paths_.dataDatabase(), state_.randomTextTables, settings);
    applySettings(settings);
}

void MainWindow::applyTimingToGenerators() {
    const TimingValues& values = timing_->values();
    const double ratio = ratioOfItem(values.ratioIndex);
    morse_.setRatio(ratio);
    morse2_.setRatio(ratio);
    morse_.setFarnsworthSpeedFromBpm(values.farnsworthSpeed);
    morse_.setFarnsworth(values.farnsworth);
    morse2_.setFarnsworthSpeed(values.farnsworthSpeed);
    morse2_.setFarnsworth(values.farnsworth);
    morse_.setSpeedFromBpm(values.speed);
    morse2_.setSpeed(values.speed);
}

void MainWindow::timingChanged() {
    const TimingValues& t = timing_->values();
    Voreinstellungen& v = state_.settings.voreinstellungen;
    if (v.KochMethode) {
        v.KG = playbackSpeedId(t.speed);
        v.KFM = t.farnsworth;
        v.KF = farnsworthSpeedId(t.farnsworthSpeed);
        v.KSP = t.ratioIndex;
    } else {
        v.GeschwindigkeitID = playbackSpeedId(t.speed);
        v.Farnsworth = t.farnsworth;
        v.FarnsworthBpMID = farnsworthSpeedId(t.farnsworthSpeed);
        v.PunktStrichID = t.ratioIndex;
    }
    applyTimingToGenerators();
    tabEntry_.refreshTimingFields();
}

void MainWindow::switchExerciseSet(bool kochMode) {
    Voreinstellungen& v = state_.settings.voreinstellungen;
    v.KochMethode = kochMode;
    TimingValues values;
    values.speed = playbackSpeedFromId(kochMode ? v.KG : v.GeschwindigkeitID);
    values.farnsworth = kochMode ? v.KFM : v.Farnsworth;
    values.farnsworthSpeed = farnsworthSpeedFromId(kochMode ? v.KF : v.FarnsworthBpMID);
    values.ratioIndex = kochMode ? v.KSP : v.PunktStrichID;
    timing_->setValues(values);
    parts_.characterSet->setGroupLengthIndex(kochMode ? v.KZPG : v.ZeichenProGruppe);
    parts_.koch->CheckBoxKochMethode->setChecked(kochMode);
    parts_.koch->showOrder(fromCp1252(v.KochString), v.KochStufe, kochMode);
    showCharacterSetMode(parts_.characterSet->Edit2, kochMode);
    applyTimingToGenerators();
    tabEntry_.refreshKochField();
}

void MainWindow::applyFontSize(int index) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10 + index);
    for (QPlainTextEdit* field : {practice_->Memo1, practice_->Memo2, practice_->Memo8,
                                  keying_->Memo4, keying_->Memo5, keyboard_->MemoTastatur}) {
        field->setFont(font);
    }
}

void MainWindow::startSound() {
    if (!audio_.init()) {
        return;
    }
    audio_.setBufferMs(AudioLibrary::kNormalBufferMs);
    sidetone_ = std::make_unique<Sidetone>(audio_, sound_);
    sidetone_->prepare();
    soundTest_ = std::make_unique<SoundTest>(*sidetone_);
}

void MainWindow::hardnessChosen(int ms) {
    sound_.hardnessMs = ms;
    if (sidetone_) {
        sidetone_->prepare();
    }
}

void MainWindow::overtonesChanged(bool on) {
    sound_.overtones = on;
    if (sidetone_) {
        sidetone_->prepare();
    }
}

void MainWindow::soundTestChanged(bool on) {
    if (soundTest_) {
        soundTest_->setTicked(on);
    }
    setControlEnabled(menu_->HaerteDerTastung->menuAction(), !on);
}

void MainWindow::selectTab(int tab) {
    parts_.tabs->setCurrentIndex(tab);
    tabEntry_.enter(tab);
    if (listening_) {
        listening_->tabEntered(tab);
    }
}

int MainWindow::currentTab() const {
    return parts_.tabs->currentIndex();
}

void MainWindow::chooseLanguage(int language) {
    const int tab = currentTab();
    Voreinstellungen& v = state_.settings.voreinstellungen;
    menu_->SpracheItems[static_cast<std::size_t>(std::clamp(language, 1, 3) - 1)]->setChecked(true);
    v.Sprache = language;
    applyMainWindowTexts(readMainWindowTexts(paths_.dataDatabase(), language), parts_, state_,
                         tabEntry_);
    status_->sizeFields(state_.speedUnit);
    sizeTabs(parts_.tabs);
    parts_.tabs->setCurrentIndex(tab);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        firstShowing();
    }
}

void MainWindow::firstShowing() {
    const Voreinstellungen& v = state_.settings.voreinstellungen;
    const int tab = startTab(v);
    selectTab(tab);
    if (tab == kKeyingTab) {
        status_->set(4, QString());
        playback_->TrackBar4->setValue(v.relGeschw);
    } else if (tab == kPlaybackTab) {
        status_->set(4, QString());
    } else if (tab == kPracticeTab) {
        status_->set(4, speedStatusText(timing_->values().speed, state_.speedUnit));
        practice_->ButtonZeichenStart->setFocus();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    parts_.tone->stopSoundTest();
    help_.closeAll();
    event->accept();
}

void MainWindow::shutDown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    listening_.reset();
    soundTest_.reset();
    sidetone_.reset();
    audio_.free();
    if (!state_.settingsMayBeSaved) {
        return;
    }
    saveSettings(paths_.dataDatabase(), currentSettings());
}

void MainWindow::newText() {
    selectTab(kPracticeTab);
    practice_->Memo2->clear();
    practice_->Memo8->clear();
    practice_->Memo2->setFocus();
    state_.textFileName.clear();
    status_->set(3, QString());
}

void MainWindow::showAbout() {
    AboutBox box(readWindowTexts(paths_.dataDatabase(), "form2_texte",
                                 state_.settings.voreinstellungen.Sprache),
                 this);
    dialogs_.exec(box);
}

int MainWindow::helpContext(const QWidget* widget) const {
    const int tab = currentTab();
    if ((tab == kPracticeTab || tab == kPlaybackTab) && widget != nullptr) {
        if (widget == practice_->Memo2) {
            return 530;
        }
        if (widget == practice_->Memo8) {
            return 250;
        }
    }
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid()) {
            return context.toInt();
        }
    }
    return kTabHelpContexts[std::clamp(tab, 0, 3)];
}

void MainWindow::showContextHelp() {
    help_.showContext(paths_.helpFile(state_.settings.voreinstellungen.Sprache),
                      helpContext(QApplication::focusWidget()));
}

} // namespace dittaro
