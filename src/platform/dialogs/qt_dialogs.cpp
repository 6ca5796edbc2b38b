#include "platform/dialogs/qt_dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace dittaro {

QStringList qtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'))) {
            filters << description;
        } else {
            filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
        }
    }
    return filters;
}

namespace {

// The title a message box without a caption of its own gets: the program's name.
QString applicationTitle() {
    return QApplication::applicationDisplayName();
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilters(qtNameFilters(options.filter));
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setDirectory(options.directory);
    if (!options.fileName.isEmpty()) {
        dialog.selectFile(options.fileName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtDialogs::information(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, applicationTitle(), text);
}

void QtDialogs::error(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox::critical(parent, caption, text);
}

bool QtDialogs::question(QWidget* parent, const QString& caption, const QString& text) {
    return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const FileDialogOptions& options) {
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

int QtDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

} // namespace dittaro
