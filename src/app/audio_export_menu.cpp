#include "app/audio_export_menu.h"

#include "app/main_menu.h"
#include "app/main_window_parts.h"
#include "app/pending_controls.h"
#include "app/shell_state.h"
#include "app/status_bar.h"
#include "platform/dialogs/dialogs.h"
#include "platform/encoders/encoder_locator.h"
#include "platform/widgets/qt_text.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QTabBar>

namespace dittaro {

AudioExportMenu::AudioExportMenu(const std::filesystem::path& programDirectory, Dialogs& dialogs,
                                 MainWindowParts& parts, ShellState& state)
    : dialogs_(dialogs), parts_(parts), state_(state),
      form_(std::make_unique<TForm3>(parts.window)),
      exporter_(programDirectory, locateEncoders(programDirectory), *this, *this, launcher_) {}

void AudioExportMenu::setLanguage(int language, std::string audioFileWord) {
    form_->setLanguage(language);
    if (!audioFileWord.empty()) {
        exporter_.setAudioFileWord(std::move(audioFileWord));
    }
}

ExportResult AudioExportMenu::run(AudioFormat format, std::string& timingText,
                                  const std::vector<std::string>& timingList,
                                  const ExportSound& sound) {
    return exporter_.run(format, timingText, timingList, sound);
}

std::optional<std::filesystem::path> AudioExportMenu::askTarget(AudioFormat,
                                                                const SaveRequest& request) {
    FileDialogOptions options;
    options.filter = fromCp1252(request.filter);
    options.defaultSuffix = QString::fromStdString(request.defaultExtension);
    options.directory = QString::fromStdString(request.folder.string());
    const std::optional<QString> file = dialogs_.saveFileName(parts_.window, options);
    if (!file) {
        return std::nullopt;
    }
    return std::filesystem::path(file->toStdString());
}

void AudioExportMenu::setExporting(bool exporting) {
    const MainMenu& m = *parts_.menu;
    setControlEnabled(parts_.tabs, !exporting);
    setControlEnabled(m.HaerteDerTastung->menuAction(), !exporting);
    setControlEnabled(m.ImportTimingdatei, !exporting);
    const auto items = m.exportItems();
    for (std::size_t i = 0; i < items.size(); ++i) {
        setControlEnabled(items[i], !exporting && state_.exportEnabled[i]);
    }
    if (!exporting) {
        parts_.status->progressBar()->setValue(0);
    }
}

void AudioExportMenu::showProgress(int position, int maximum) {
    QProgressBar* bar = parts_.status->progressBar();
    bar->setMaximum(std::max(maximum, 1));
    bar->setValue(position);
}

void AudioExportMenu::showProblem(const ExportProblem& problem) {
    dialogs_.information(parts_.window, fromCp1252(problemMessage(problem)));
}

std::optional<TagFields> AudioExportMenu::ask(const TagFields& shown) {
    form_->showFields(shown);
    if (dialogs_.exec(*form_) != QDialog::Accepted) {
        return std::nullopt;
    }
    return form_->fields();
}

} // namespace dittaro
