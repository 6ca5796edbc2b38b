#include "engine/audio_export.h"

#include "common/cp1252.h"
#include "engine/element_sequence.h"

namespace dittaro {
namespace {

constexpr const char* kDefaultTitle = "Diriziri";
constexpr const char* kDefaultArtist = "Dittaro";

const char* extension(AudioFormat format) {
    switch (format) {
    case AudioFormat::Wav:
        return "wav";
    case AudioFormat::Mp3:
        return "mp3";
    case AudioFormat::Ogg:
        return "ogg";
    }
    return "wav";
}

// Built by appending: GCC 12 warns falsely about "literal" + temporary string.
std::string quotedName(const std::filesystem::path& file) {
    std::string name("\"");
    name.append(utf8ToCp1252(file.string())).append("\"");
    return name;
}

std::string sentence(const char* before, const std::filesystem::path& file, const char* after,
                     const std::string& reason) {
    std::string text(before);
    text.append(quotedName(file)).append(after);
    if (!reason.empty()) {
        text.append(" (").append(utf8ToCp1252(reason)).append(")");
    }
    return text.append(".");
}

} // namespace

std::string problemMessage(const ExportProblem& problem) {
    switch (problem.kind) {
    case ExportProblem::Kind::WriteFailed:
        return sentence("Die Datei ", problem.file, " konnte nicht geschrieben werden",
                        problem.reason) +
               "\n" + sentence("Could not write the file ", problem.file, "", problem.reason);
    case ExportProblem::Kind::TooLong:
        // Windows-1252: "Übung", "für".
        return "Die \xDC"
               "bung ist zu lang f\xFC"
               "r eine Audiodatei.\n"
               "The practice is too long for an audio file.";
    case ExportProblem::Kind::EncoderFailed:
        return sentence("Der Encoder ", problem.file, " konnte nicht ausgef\xFChrt werden",
                        problem.reason) +
               "\n" + sentence("The encoder ", problem.file, " failed", problem.reason);
    }
    return {};
}

AudioExporter::AudioExporter(std::filesystem::path programDirectory, EncoderPrograms encoders,
                             ExportView& view, TagDialog& tagDialog, EncoderLauncher& launcher)
    : programDirectory_(std::move(programDirectory)), encoders_(std::move(encoders)), view_(view),
      tagDialog_(tagDialog), launcher_(launcher),
      temporaryFile_(programDirectory_ / "wav" / "Temp.wav") {}

bool AudioExporter::available(AudioFormat format) const {
    switch (format) {
    case AudioFormat::Wav:
        return true;
    case AudioFormat::Mp3:
        return !encoders_.mp3.empty();
    case AudioFormat::Ogg:
        return !encoders_.ogg.empty();
    }
    return false;
}

SaveRequest AudioExporter::saveRequest(AudioFormat format) const {
    const std::string ext = extension(format);
    return {audioFileWord_ + " (*." + ext + ")|*." + ext, ext, programDirectory_ / ext};
}

ExportResult AudioExporter::run(AudioFormat format, std::string& timingText,
                                const std::vector<std::string>& timingList,
                                const ExportSound& sound) {
    if (!available(format)) {
        return ExportResult::NotAvailable;
    }
    if (timingText.empty()) {
        if (timingList.size() < 3) {
            return ExportResult::Nothing;
        }
        timingText = joinTimingList(timingList);
    }
    const std::optional<std::filesystem::path> target =
        view_.askTarget(format, saveRequest(format));
    if (!target) {
        return ExportResult::Cancelled;
    }

    view_.setExporting(true);
    ExportResult result = ExportResult::Failed;
    if (format == AudioFormat::Wav) {
        if (render(*target, timingText, sound)) {
            result = ExportResult::Written;
        }
    } else {
        const EncoderTags tags = askTags();
        if (render(temporaryFile_, timingText, sound) && startEncoder(format, tags, *target)) {
            result = ExportResult::Encoding;
            // The stand-ins are not remembered: the form shows empty fields next time.
            if (tags_.title == kDefaultTitle) {
                tags_.title.clear();
            }
            if (tags_.artist == kDefaultArtist) {
                tags_.artist.clear();
            }
        }
    }
    view_.setExporting(false);
    return result;
}

EncoderTags AudioExporter::askTags() {
    EncoderTags tags;
    const std::optional<TagFields> fields = tagDialog_.ask(tags_);
    if (!fields) {
        return tags;
    }
    tags_ = *fields;
    tags.given = !tags_.artist.empty() || !tags_.title.empty();
    if (tags.given) {
        if (tags_.title.empty()) {
            tags_.title = kDefaultTitle;
        }
        if (tags_.artist.empty()) {
            tags_.artist = kDefaultArtist;
        }
    }
    tags.artist = tags_.artist;
    tags.title = tags_.title;
    return tags;
}

bool AudioExporter::render(const std::filesystem::path& target, const std::string& timingText,
                           const ExportSound& sound) {
    const RenderSettings settings{sound.pitch, sound.overtones ? 1.1 : 1.0, sound.hardnessMs};
    const RenderOutcome outcome =
        renderWavFile(target, timingText, settings,
                      [this](int position, int maximum) { view_.showProgress(position, maximum); });
    switch (outcome.status) {
    case RenderStatus::Written:
        return true;
    case RenderStatus::NoTokens:
        return false;
    case RenderStatus::TooLong:
        view_.showProblem({ExportProblem::Kind::TooLong, target, {}});
        return false;
    case RenderStatus::WriteFailed:
        view_.showProblem({ExportProblem::Kind::WriteFailed, target, outcome.reason});
        return false;
    }
    return false;
}

bool AudioExporter::startEncoder(AudioFormat format, const EncoderTags& tags,
                                 const std::filesystem::path& target) {
    const EncoderFiles files{std::filesystem::absolute(temporaryFile_).string(),
                             std::filesystem::absolute(target).string()};
    const bool mp3 = format == AudioFormat::Mp3;
    const std::filesystem::path& program = mp3 ? encoders_.mp3 : encoders_.ogg;
    const std::vector<std::string> arguments =
        mp3 ? mp3Arguments(tags, currentYear(), files) : oggArguments(tags, files);
    std::string reason;
    if (!launcher_.start(program, arguments, reason)) {
        view_.showProblem({ExportProblem::Kind::EncoderFailed, program, reason});
        return false;
    }
    return true;
}

} // namespace dittaro
