#pragma once

// The audio export behind the menu items "Audiodatei (*.wav)", "(*.mp3)" and "(*.ogg)": asks
// for the target, renders the practice and hands MP3 and Ogg to an external encoder. The
// dialogs, the window's controls and the process start come through small interfaces, so
// the main window wires them and tests drive the export without real dialogs.

#include "engine/encoder_commands.h"
#include "engine/wav_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dittaro {

enum class AudioFormat { Wav, Mp3, Ogg };

struct SaveRequest {
    std::string filter;           // Windows-1252, "<word> (*.mp3)|*.mp3"
    std::string defaultExtension; // "wav", "mp3", "ogg"
    std::filesystem::path folder; // the initial folder
};

struct TagFields {
    std::string artist; // Windows-1252, at most 30 characters
    std::string title;
};

// The tag form: shown modally with the fields of the last export; nullopt when it was
// closed without "&OK".
class TagDialog {
public:
    virtual ~TagDialog() = default;
    virtual std::optional<TagFields> ask(const TagFields& shown) = 0;
};

struct ExportProblem {
    enum class Kind { WriteFailed, TooLong, EncoderFailed };
    Kind kind = Kind::WriteFailed;
    std::filesystem::path file; // the target, or the encoder program
    std::string reason;         // system reason, UTF-8
};

// The two-line German and English message of the window (Windows-1252).
std::string problemMessage(const ExportProblem& problem);

class ExportView {
public:
    virtual ~ExportView() = default;
    // The save dialog (confirming an overwrite); nullopt when cancelled.
    virtual std::optional<std::filesystem::path> askTarget(AudioFormat format,
                                                           const SaveRequest& request) = 0;
    // true: lock the tab control, the export items, "Härte der Tastung" and the timing-file
    // import; false: unlock them and set the progress bar back to 0.
    virtual void setExporting(bool exporting) = 0;
    virtual void showProgress(int position, int maximum) = 0;
    virtual void showProblem(const ExportProblem& problem) = 0;
};

class EncoderLauncher {
public:
    virtual ~EncoderLauncher() = default;
    // False, with the reason, when the encoder could not be started (or, for a launcher
    // that waits for it, when it failed).
    virtual bool start(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments, std::string& reason) = 0;
};

// The encoders found at start-up; an empty path: not found.
struct EncoderPrograms {
    std::filesystem::path mp3;
    std::filesystem::path ogg;
};

struct ExportSound {
    int pitch = 800;
    int hardnessMs = 5;
    bool overtones = false;
};

enum class ExportResult {
    NotAvailable, // MP3 or Ogg without its encoder
    Nothing,      // no practice to export
    Cancelled,    // the save dialog was cancelled
    Written,      // the WAV file
    Encoding,     // the encoder was started
    Failed,       // reported through showProblem
};

class AudioExporter {
public:
    AudioExporter(std::filesystem::path programDirectory, EncoderPrograms encoders,
                  ExportView& view, TagDialog& tagDialog, EncoderLauncher& launcher);

    // The interface word for audio file (texte_01 column 15) of the save dialog's filter.
    void setAudioFileWord(std::string word) { audioFileWord_ = std::move(word); }
    // <program directory>/wav/Temp.wav unless set.
    void setTemporaryFile(std::filesystem::path file) { temporaryFile_ = std::move(file); }
    const std::filesystem::path& temporaryFile() const { return temporaryFile_; }

    bool available(AudioFormat format) const;

    // One menu item. Without a current timing text, the timing list (three entries at
    // least) becomes it.
    ExportResult run(AudioFormat format, std::string& timingText,
                     const std::vector<std::string>& timingList, const ExportSound& sound);

    // What the tag form shows next time.
    const TagFields& tagFields() const { return tags_; }

private:
    SaveRequest saveRequest(AudioFormat format) const;
    EncoderTags askTags();
    bool render(const std::filesystem::path& target, const std::string& timingText,
                const ExportSound& sound);
    bool startEncoder(AudioFormat format, const EncoderTags& tags,
                      const std::filesystem::path& target);

    std::filesystem::path programDirectory_;
    EncoderPrograms encoders_;
    ExportView& view_;
    TagDialog& tagDialog_;
    EncoderLauncher& launcher_;
    std::string audioFileWord_ = "Audiodatei";
    std::filesystem::path temporaryFile_;
    TagFields tags_;
};

} // namespace dittaro
