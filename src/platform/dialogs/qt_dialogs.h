#pragma once

// The Dialogs seam with Qt's message boxes and file dialogs.

#include "platform/dialogs/dialogs.h"

#include <QStringList>

namespace dittaro {

// "Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*" -> the name filters of a Qt file dialog,
// "Textdatei (*.txt)" and "Alle Dateien (*.*)". A description that does not end with its
// own pattern in brackets gets it appended; several patterns ("*.a;*.b") become "*.a *.b".
QStringList qtNameFilters(const QString& filter);

class QtDialogs : public Dialogs {
public:
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& caption, const QString& text) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    int exec(QDialog& dialog) override;
};

} // namespace dittaro
