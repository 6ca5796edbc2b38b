#pragma once

// Entering a tab, also when the program selects one itself: the common steps, then one row
// after another of the table of tab rules, each for the tabs it names.

#include "app/main_window_parts.h"
#include "app/shell_state.h"

namespace dittaro {

enum Tab { kSettingsTab = 0, kPracticeTab = 1, kPlaybackTab = 2, kKeyingTab = 3 };

inline constexpr const char* kWindowTitle = "ZKT Dittaro - 4.0.09";

class TabEntry {
public:
    TabEntry(MainWindowParts& parts, ShellState& state) : parts_(parts), state_(state) {}

    void enter(int tab);

    // The status fields of the timing and the Koch state, as the shown tab has them.
    void refreshTimingFields();
    void refreshKochField();

private:
    void commonSteps();
    void leaveSettingsTab();
    void enterSettingsTab();
    void enterPracticeTab();
    void leavePracticeTab();
    void enterPlaybackTab();
    void leavePlaybackTab();
    void leaveKeyingTab();
    void enterKeyingTab();

    void setTitle();
    void showTimingFields(bool show);
    void showTimingFileFields();

    MainWindowParts& parts_;
    ShellState& state_;
};

} // namespace dittaro
