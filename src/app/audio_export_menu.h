#pragma once

// The menu items "Audiodatei (*.wav)", "(*.mp3)" and "(*.ogg)": the audio export with the
// window's save dialog, the tag form TForm3 and the progress bar; every modal window goes
// through the dialog seam.

#include "engine/audio_export.h"
#include "engine/widgets/tform3.h"
#include "platform/encoders/encoder_process.h"

#include <memory>
#include <string>
#include <vector>

namespace dittaro {

class Dialogs;
struct MainWindowParts;
struct ShellState;

class AudioExportMenu : private ExportView, private TagDialog {
public:
    AudioExportMenu(const std::filesystem::path& programDirectory, Dialogs& dialogs,
                    MainWindowParts& parts, ShellState& state);

    bool available(AudioFormat format) const { return exporter_.available(format); }

    // The interface word for audio file of the save dialog's filter, and the language of
    // the tag form's labels.
    void setLanguage(int language, std::string audioFileWord);

    ExportResult run(AudioFormat format, std::string& timingText,
                     const std::vector<std::string>& timingList, const ExportSound& sound);

private:
    std::optional<std::filesystem::path> askTarget(AudioFormat format,
                                                   const SaveRequest& request) override;
    void setExporting(bool exporting) override;
    void showProgress(int position, int maximum) override;
    void showProblem(const ExportProblem& problem) override;
    std::optional<TagFields> ask(const TagFields& shown) override;

    Dialogs& dialogs_;
    MainWindowParts& parts_;
    ShellState& state_;
    std::unique_ptr<TForm3> form_;
    DetachedEncoderLauncher launcher_;
    AudioExporter exporter_;
};

} // namespace dittaro
