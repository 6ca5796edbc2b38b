#pragma once

// The main window of Dittaro: one fixed-size window with the main menu, a row of four
// button-style tabs that select the working mode, and a status bar. It owns the run-time
// state and composes the controls of every subsystem; the pieces do the work.

#include "app/help_viewer.h"
#include "app/main_window_parts.h"
#include "app/program_paths.h"
#include "app/shell_state.h"
#include "app/tab_entry.h"
#include "engine/sound_settings.h"
#include "engine/tmorse.h"
#include "engine/tmorse2.h"
#include "platform/audio/audio_library.h"

#include <QMainWindow>
#include <memory>

namespace dittaro {

class AnswerPractice;
class Dialogs;
class ListeningPractice;
class Sidetone;
class SoundTest;
class TextFileMenu;

class MainWindow : public QMainWindow {
public:
    MainWindow(ProgramPaths paths, Dialogs& dialogs);
    ~MainWindow() override;

    // The creation steps, up to the loaded settings and the started sound. False when a
    // start-up check failed: its message has been shown and the program is to end.
    bool create();

    // The destruction steps: releases the sound and, if the start-up checks had passed,
    // saves every setting. Runs once; the destructor runs it if nobody did. Throws
    // SqliteError when the settings cannot be written.
    void shutDown();

    // Selects a tab and runs its entry steps.
    void selectTab(int tab);
    int currentTab() const;
    // Menu "Sprache": the language number 1 Deutsch, 2 English, 3 Français.
    void chooseLanguage(int language);

    MainWindowParts& parts() { return parts_; }
    const ShellState& state() const { return state_; }
    ShellState& state() { return state_; }
    HelpViewer& help() { return help_; }

    // Every setting as the controls and the state hold it now.
    Settings currentSettings() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void connectControls();
    void fillRandomTextList();
    void loadSettings();
    void applySettings(const Settings& settings);
    void applyTimingToGenerators();
    void timingChanged();
    void switchExerciseSet(bool kochMode);
    void applyFontSize(int index);
    void startSound();
    void hardnessChosen(int ms);
    void overtonesChanged(bool on);
    void soundTestChanged(bool on);
    void firstShowing();
    void newText();
    void showAbout();
    void showContextHelp();
    int helpContext(const QWidget* widget) const;

    ProgramPaths paths_;
    Dialogs& dialogs_;
    ShellState state_;
    MainWindowParts parts_;
    TabEntry tabEntry_;
    HelpViewer help_;

    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<StatusFields> status_;
    std::unique_ptr<TimingControls> timing_;
    std::unique_ptr<PracticeControls> practice_;
    std::unique_ptr<ExamControls> exam_;
    std::unique_ptr<PlaybackControls> playback_;
    std::unique_ptr<KeyingControls> keying_;
    std::unique_ptr<KeyboardMorseControls> keyboard_;
    std::unique_ptr<AnswerPractice> answer_;
    std::unique_ptr<TextFileMenu> textFiles_;

    TMorse morse_;
    TMorse2 morse2_{8000};
    AudioLibrary audio_;
    SoundSettings sound_;
    std::unique_ptr<Sidetone> sidetone_;
    std::unique_ptr<SoundTest> soundTest_;
    std::unique_ptr<ListeningPractice> listening_;

    bool shown_ = false;
    bool shutDown_ = false;
};

} // namespace dittaro
