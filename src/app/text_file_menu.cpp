#include "app/text_file_menu.h"

#include "app/main_menu.h"
#include "app/practice_texts.h"
#include "app/status_bar.h"
#include "app/tab_entry.h"
#include "keying/widgets/keying_controls.h"
#include "material/practice_text_file.h"
#include "material/widgets/practice_controls.h"
#include "platform/dialogs/dialogs.h"
#include "platform/widgets/qt_text.h"

#include <QAction>
#include <QFile>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <stdexcept>

namespace dittaro {
namespace {

std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

} // namespace

TextFileMenu::TextFileMenu(MainWindowParts& parts, ShellState& state, Dialogs& dialogs,
                           ProgramPaths paths, SelectTab selectTab)
    : parts_(parts), state_(state), dialogs_(dialogs), paths_(std::move(paths)),
      selectTab_(std::move(selectTab)) {
    const MainMenu& m = *parts_.menu;
    connect(m.Oeffnen, &QAction::triggered, this, [this] { open(); });
    connect(m.Speichern, &QAction::triggered, this, [this] { save(); });
    connect(m.SpeichernAls, &QAction::triggered, this, [this] { saveAs(); });
    connect(m.ImportTextdatei, &QAction::triggered, this, [this] { importTextFile(); });
    // "Neu" forgets the text file along with the texts.
    connect(m.Neu, &QAction::triggered, this, [this] { currentFile_.clear(); });
}

void TextFileMenu::open() {
    const int tab = parts_.tabs->currentIndex();
    if (tab == kSettingsTab || tab == kPlaybackTab) {
        selectTab_(kPracticeTab);
    }
    QPlainTextEdit* field = fieldOfTab();
    const auto file = askFile(Dialog::Open);
    if (!file) {
        return;
    }
    const auto text = read(*file);
    if (!text) {
        return;
    }
    currentFile_ = *file;
    showFileName(*file);
    field->setPlainText(*text);
    if (field == parts_.practice->Memo2) {
        parts_.practice->ButtonTextfeldStart->setFocus();
    }
}

void TextFileMenu::save() {
    if (currentFile_.empty()) {
        saveAs();
    } else if (QPlainTextEdit* field = fieldOfTab()) {
        write(currentFile_, *field);
    }
}

void TextFileMenu::saveAs() {
    QPlainTextEdit* field = fieldOfTab();
    if (field == nullptr) {
        return;
    }
    const auto file = askFile(Dialog::Save);
    if (!file) {
        return;
    }
    write(*file, *field);
}

void TextFileMenu::importTextFile() {
    const bool onKeyingTab = parts_.tabs->currentIndex() == kKeyingTab;
    const auto file = askFile(Dialog::Open);
    if (!file) {
        return;
    }
    const auto text = read(*file);
    if (!text) {
        return;
    }
    parts_.status->set(3, fromPath(file->filename()));
    parts_.keying->Memo5->clear();
    PracticeControls& p = *parts_.practice;
    p.Memo2->setPlainText(*text);
    if (!p.Memo2->toPlainText().isEmpty()) {
        importingOnKeyingTab_ = onKeyingTab;
        p.ButtonTextfeldStart->click();
        importingOnKeyingTab_ = false;
    }
}

std::optional<std::filesystem::path> TextFileMenu::askFile(Dialog dialog) {
    FileDialogOptions options;
    options.filter = textFileFilter(
        readPracticeTexts(paths_.dataDatabase(), state_.settings.voreinstellungen.Sprache));
    options.defaultSuffix = QStringLiteral("txt");
    options.directory = fromPath(paths_.directory() / "texte");
    const auto name = dialog == Dialog::Open ? dialogs_.openFileName(parts_.window, options)
                                             : dialogs_.saveFileName(parts_.window, options);
    if (!name) {
        return std::nullopt;
    }
    return toPath(*name);
}

QPlainTextEdit* TextFileMenu::fieldOfTab() const {
    switch (parts_.tabs->currentIndex()) {
    case kPracticeTab:
        return parts_.practice->Memo2;
    case kKeyingTab:
        return parts_.keying->Memo4;
    default:
        return nullptr;
    }
}

std::optional<QString> TextFileMenu::read(const std::filesystem::path& file) {
    try {
        return fromCp1252(readPracticeTextFile(file));
    } catch (const std::runtime_error& error) {
        dialogs_.information(parts_.window, QString::fromStdString(error.what()));
        return std::nullopt;
    }
}

void TextFileMenu::write(const std::filesystem::path& file, QPlainTextEdit& field) {
    try {
        if (writePracticeTextFile(file, toCp1252(field.toPlainText()))) {
            currentFile_ = file;
            showFileName(file);
        }
    } catch (const std::runtime_error& error) {
        dialogs_.information(parts_.window, QString::fromStdString(error.what()));
    }
}

void TextFileMenu::showFileName(const std::filesystem::path& file) {
    state_.textFileName = fromPath(file.filename());
    parts_.status->set(3, state_.textFileName);
}

} // namespace dittaro
