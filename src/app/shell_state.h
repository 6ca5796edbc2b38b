#pragma once

// The run-time state the main window holds besides its controls.

#include "app/settings.h"

#include <QString>
#include <array>

namespace dittaro {

// The start button that began the current practice.
enum class StartButton { None, Zeichen, Zufallstexte, Textfeld, Pruefung };

struct ShellState {
    // Every setting without a control of its own: the exercise set of the other mode, the
    // Koch order and level, the personal data, the Koch trainer's values ... Values shown by
    // a control are taken from the control when the settings are saved.
    Settings settings;
    // Set once the start-up checks have passed; without it nothing is saved.
    bool settingsMayBeSaved = false;
    int randomTextTables = 0;
    // The language's word for characters per minute.
    QString speedUnit = QStringLiteral("BpM");

    StartButton lastStart = StartButton::None;
    bool examMode = false;
    bool recordingPresent = false;
    // Timing file, audio WAV, MP3, Ogg: every tab change re-applies these.
    std::array<bool, 4> exportEnabled{};
    QString textFileName;   // status field 3
    QString timingFileName; // status field 2
    QString timingDuration; // status field 1
};

} // namespace dittaro
