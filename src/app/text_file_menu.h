#pragma once

// The text files of the text field and the keying template: "Öffnen", "Speichern",
// "Speichern als" of the menu "Textdatei" and "Import", "Textdatei (*.txt)". Files are
// Windows-1252 with CR LF line ends, chosen in the folder "texte" of the program directory.

#include "app/main_window_parts.h"
#include "app/program_paths.h"
#include "app/shell_state.h"

#include <QObject>
#include <filesystem>
#include <functional>
#include <optional>

class QPlainTextEdit;

namespace dittaro {

class Dialogs;

class TextFileMenu : public QObject {
public:
    using SelectTab = std::function<void(int tab)>;

    TextFileMenu(MainWindowParts& parts, ShellState& state, Dialogs& dialogs, ProgramPaths paths,
                 SelectTab selectTab);

    void open();
    void save();
    void saveAs();
    void importTextFile();

    // True while the import, made on the "Gebeübung" tab, presses "Textfeld Start": the
    // practice then continues on that tab.
    bool importingOnKeyingTab() const { return importingOnKeyingTab_; }

    // The file "Speichern" writes to; empty when there is none.
    const std::filesystem::path& currentFile() const { return currentFile_; }

private:
    enum class Dialog { Open, Save };
    std::optional<std::filesystem::path> askFile(Dialog dialog);
    // The text field on the "Hörübung" tab, the keying template on the "Gebeübung" tab.
    QPlainTextEdit* fieldOfTab() const;
    // The first characters of the file, or nothing when it cannot be read (said so).
    std::optional<QString> read(const std::filesystem::path& file);
    void write(const std::filesystem::path& file, QPlainTextEdit& field);
    void showFileName(const std::filesystem::path& file);

    MainWindowParts& parts_;
    ShellState& state_;
    Dialogs& dialogs_;
    ProgramPaths paths_;
    SelectTab selectTab_;
    std::filesystem::path currentFile_;
    bool importingOnKeyingTab_ = false;
};

} // namespace dittaro
