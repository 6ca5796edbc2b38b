#pragma once

// Listening practice in the main window: the start flow of "Zeichen Start" and "Textfeld
// Start", the player of the "Abspielen" tab with its buttons, word display, progress and
// control lock, the menus of the group and word gaps and of the display delay, and the
// audio export items. It owns the player, its timer thread and the character pool; the
// player's events reach the widgets as queued calls on the user-interface thread.

#include "app/main_window_parts.h"
#include "app/program_paths.h"
#include "app/shell_state.h"
#include "engine/listening_player.h"
#include "material/random_groups.h"
#include "platform/timers/steady_timer_service.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dittaro {

class AudioExportMenu;
class AudioOutput;
class Dialogs;
class TMorse;
class TMorse2;
struct SoundSettings;

struct ListeningPracticeContext {
    const ProgramPaths& paths;
    Dialogs& dialogs;
    MainWindowParts& parts;
    ShellState& state;
    TMorse& morse;
    TMorse2& morse2;
    AudioOutput& audio;
    const SoundSettings& sound;
    // Selects a tab with its entry steps.
    std::function<void(int tab)> selectTab;
};

class ListeningPractice : public QObject, private PlayerEvents {
public:
    explicit ListeningPractice(ListeningPracticeContext context);
    // Ends a playback and drops the updates it still had on their way.
    ~ListeningPractice() override;

    // The start flow of one start button; the sources other than "Zeichen Start" and
    // "Textfeld Start" are not served here.
    void start(StartButton source);

    // After the entry steps of a tab: the "Abspielen" tab prepares the playback, every other
    // tab ends one that runs.
    void tabEntered(int tab);

    // The current timing text: of the text field's practice, or of an export that needed one.
    const std::string& timingText() const { return timingText_; }

private:
    void connectControls();
    bool prepareGroups();
    bool prepareTextField();
    void abandonStart(int messageColumn);
    void enableSources(bool enabled);
    void prepareStartedPractice();
    void preparePlayback();
    void startPlayback();
    void applyButtons();
    void unlockExportItems();
    void examGroups();
    std::string interfaceText(const char* table, int column) const;

    void onControlsLocked(bool locked) override;
    void onButtons(const ListeningButtons& buttons) override;
    void onHardnessMenuEnabled(bool enabled) override;
    void onWordDisplayCleared() override;
    void onWordsShown(const std::string& text) override;
    void onProgress(int value, int maximum) override;
    void onEnded() override;

    ListeningPracticeContext c_;
    CharacterPool pool_;
    std::string timingText_;
    std::vector<std::string> wordDisplayList_;
    bool wordDisplayBlocked_ = false;
    ListeningButtons buttons_;
    bool playing_ = false;
    bool freshPractice_ = false;

    std::unique_ptr<AudioExportMenu> export_;
    SteadyTimerService timers_;
    // Last: it is destroyed first, so that nothing posts to this object once it goes.
    std::unique_ptr<ListeningPlayer> player_;
};

} // namespace dittaro
