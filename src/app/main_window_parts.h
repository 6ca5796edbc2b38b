#pragma once

// The pieces the main window is composed of, for the code that works across them: the tab
// entry, the language texts, the settings mapping and the layout.

class QComboBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QTabBar;
class QWidget;

namespace dittaro {

class CharacterSetControls;
class ExamControls;
class KeyboardMorseControls;
class KeyingControls;
class KochControls;
class MainMenu;
class PlaybackControls;
class PracticeControls;
class StatusFields;
class TextFileMenu;
class TimingControls;
class ToneControls;

struct MainWindowParts {
    QMainWindow* window = nullptr;
    QTabBar* tabs = nullptr;
    MainMenu* menu = nullptr;
    StatusFields* status = nullptr;

    // Tab 0: everything on it lives in this page.
    QWidget* settingsPage = nullptr;
    QLabel* heading = nullptr; // the red heading
    TimingControls* timing = nullptr;
    ToneControls* tone = nullptr;
    CharacterSetControls* characterSet = nullptr;
    KochControls* koch = nullptr;
    QLabel* LabelSchriftgroesse = nullptr;
    QComboBox* ComboBox3 = nullptr; // font size of the text fields, "10 pt" .. "18 pt"
    QPushButton* ButtonHoeruebung = nullptr;
    QPushButton* ButtonGebeuebung = nullptr;
    QPushButton* ButtonTastaturmorsen = nullptr;

    // Tabs 1 to 3: shown and hidden one by one by the tab entry.
    PracticeControls* practice = nullptr;
    ExamControls* exam = nullptr;
    PlaybackControls* playback = nullptr;
    KeyingControls* keying = nullptr;
    KeyboardMorseControls* keyboard = nullptr;

    // The text-file menu items; the start flow asks it where an import was made.
    TextFileMenu* textFiles = nullptr;
};

} // namespace dittaro
