#pragma once

// The answer side of the listening practice in the main window: the key rules of the text
// and answer fields, Enter in the answer field on the "Abspielen" tab, and "Fehler
// anzeigen" with its result line, error list and messages.

#include "app/main_window_parts.h"
#include "app/shell_state.h"

#include <QObject>
#include <filesystem>
#include <functional>

namespace dittaro {

class Dialogs;
class ErrorListWindow;

class AnswerPractice : public QObject {
public:
    using SelectTab = std::function<void(int tab)>;

    // The error list window is created here, as a child of the main window, and reused.
    AnswerPractice(MainWindowParts& parts, ShellState& state, Dialogs& dialogs,
                   std::filesystem::path dataDatabase, SelectTab selectTab);

    // "Fehler anzeigen".
    void markAnswer();

    ErrorListWindow& errorList() { return *errorList_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the key was handled and is not to be typed.
    bool answerKey(int key, const QString& text);
    void backToPractice();
    QPushButton* lastStartButton() const;

    MainWindowParts& parts_;
    ShellState& state_;
    Dialogs& dialogs_;
    std::filesystem::path dataDatabase_;
    SelectTab selectTab_;
    ErrorListWindow* errorList_;
};

} // namespace dittaro
