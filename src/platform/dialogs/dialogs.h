#pragma once

// Every modal window the program shows goes through this seam: message and question boxes,
// open and save dialogs, and its own modal dialogs. The program uses the Qt implementation;
// tests use a scripted one, so no test ever waits on a modal window.

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace dittaro {

struct FileDialogOptions {
    // In the program's own notation: pairs of description and pattern, all separated by "|",
    // e.g. "Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*".
    QString filter;
    QString defaultSuffix; // without the dot
    QString directory;
    QString fileName; // proposed name, may be empty
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A plain message box.
    virtual void information(QWidget* parent, const QString& text) = 0;
    // A message box with an error icon.
    virtual void error(QWidget* parent, const QString& caption, const QString& text) = 0;
    // Yes and No with No as the default; true for Yes.
    virtual bool question(QWidget* parent, const QString& caption, const QString& text) = 0;

    // The chosen path, or nothing when cancelled. Open: the file must exist.
    virtual std::optional<QString> openFileName(QWidget* parent,
                                                const FileDialogOptions& options) = 0;
    // Overwriting an existing file is confirmed in the dialog; the folder must exist.
    virtual std::optional<QString> saveFileName(QWidget* parent,
                                                const FileDialogOptions& options) = 0;

    // Shows one of the program's own dialogs modally and returns its result code.
    virtual int exec(QDialog& dialog) = 0;
};

} // namespace dittaro
