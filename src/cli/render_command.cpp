#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/timing_options.h"
#include "common/cp1252.h"
#include "engine/audio_export.h"
#include "engine/tmorse.h"
#include "engine/tmorse2.h"
#include "platform/encoders/encoder_locator.h"
#include "platform/encoders/encoder_process.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <ostream>
#include <unistd.h>

namespace dittaro::cli {
namespace {

constexpr const char* kHelp =
    R"(usage: dittaro-cli render [OPTIONS] --out FILE TEXT
Renders TEXT as Morse audio at 44100 samples per second, as the audio export does.
FILE ending in .wav is written directly; .mp3 and .ogg go through lame and oggenc
(from the folder of dittaro-cli or from PATH), and the command waits for them.
  --out FILE         the audio file to write
  --timing TOKENS    render this timing text instead of TEXT (e.g. -1000+100-100+300-500)
  --file PATH        take TEXT from the first 11000 characters of a Windows-1252 text file
  --pitch HZ         tone pitch, 400..1200 (default 800)
  --hardness 2|5|8   keying ramp in ms (default 5)
  --overtones        flatten the tone's crests (adds overtones)
  --artist A         MP3/Ogg tag: artist (at most 30 characters)
  --title T          MP3/Ogg tag: title (at most 30 characters)
Timing of TEXT, as for 'dittaro-cli timing':
  --source text|groups|randomtexts|exam   (default text; other sources split TEXT at "|")
  --bpm N  --farnsworth N  --no-farnsworth  --ratio 3|3.5|4  --gap N
  --word-pause MS  --umlaute on|off  --akzente on|off  --sz on|off  --ch on|off
)";

constexpr std::size_t kFileCharacters = 11000;
constexpr std::size_t kTagCharacters = 30;

std::string readTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw UsageError("cannot read " + path);
    }
    std::string text(kFileCharacters, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// The practice as a timing text, or as a timing list for generated material.
struct Practice {
    std::string timingText;
    std::vector<std::string> timingList;
};

Practice convertText(const Options& options, const std::string& text) {
    TMorse morse;
    configureTextTiming(options, morse);
    morse.setText(text);
    if (!morse.convert()) {
        return {};
    }
    return {morse.timingText(), {}};
}

Practice convertGenerated(const Options& options, const std::string& source,
                          const std::string& text) {
    TMorse2 morse;
    configureGeneratedTiming(options, morse);
    morse.groups() = splitAtBars(text);
    return convertGeneratedSource(options, source, morse) ? Practice{{}, morse.timingList()}
                                                          : Practice{};
}

Practice practiceOf(const Options& options) {
    if (options.has("--timing")) {
        if (!options.positional().empty() || options.has("--file")) {
            throw UsageError("--timing takes the place of TEXT and --file");
        }
        return {*options.value("--timing"), {}};
    }
    std::string text;
    if (options.has("--file")) {
        if (!options.positional().empty()) {
            throw UsageError("--file takes the place of TEXT");
        }
        text = readTextFile(*options.value("--file"));
    } else {
        text = utf8ToCp1252(options.single("TEXT"));
    }
    const std::string source = options.value("--source", "text");
    return source == "text" ? convertText(options, text) : convertGenerated(options, source, text);
}

AudioFormat formatOf(const std::filesystem::path& out) {
    std::string ext = out.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".wav") {
        return AudioFormat::Wav;
    }
    if (ext == ".mp3") {
        return AudioFormat::Mp3;
    }
    if (ext == ".ogg") {
        return AudioFormat::Ogg;
    }
    throw UsageError("--out must end in .wav, .mp3 or .ogg");
}

std::string tagOption(const Options& options, const std::string& name) {
    const std::string value = utf8ToCp1252(options.value(name, ""));
    if (value.size() > kTagCharacters) {
        throw UsageError(name + " takes at most 30 characters");
    }
    return value;
}

// Answers the export's questions from the command line and keeps its problem.
class CommandLineExport : public ExportView, public TagDialog {
public:
    CommandLineExport(std::filesystem::path out, std::optional<TagFields> tags)
        : out_(std::move(out)), tags_(std::move(tags)) {}

    std::optional<std::filesystem::path> askTarget(AudioFormat, const SaveRequest&) override {
        return out_;
    }
    void setExporting(bool) override {}
    void showProgress(int, int) override {}
    void showProblem(const ExportProblem& problem) override { problem_ = problem; }
    std::optional<TagFields> ask(const TagFields&) override { return tags_; }

    const std::optional<ExportProblem>& problem() const { return problem_; }

private:
    std::filesystem::path out_;
    std::optional<TagFields> tags_;
    std::optional<ExportProblem> problem_;
};

std::string problemLine(const ExportProblem& problem) {
    const std::string file = problem.file.string();
    switch (problem.kind) {
    case ExportProblem::Kind::WriteFailed:
        return "cannot write " + file + ": " + problem.reason;
    case ExportProblem::Kind::TooLong:
        return file + ": the practice is too long for a WAV file";
    case ExportProblem::Kind::EncoderFailed:
        return file + " failed: " + problem.reason;
    }
    return {};
}

std::filesystem::path programDirectory() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

// The encoder's input, beside the target so that it lands on the same disk.
std::filesystem::path temporaryWav(const std::filesystem::path& out) {
    std::string name(".");
    name.append(out.filename().string())
        .append(".")
        .append(std::to_string(getpid()))
        .append(".wav");
    std::filesystem::path file = out;
    file.replace_filename(name);
    return file;
}

} // namespace

int runRender(const std::vector<std::string>& args, std::ostream& out) {
    const Options options(args,
                          withTimingValueOptions({"--out", "--timing", "--file", "--pitch",
                                                  "--hardness", "--artist", "--title"}),
                          withTimingFlags({"--overtones"}));
    if (options.helpRequested()) {
        out << kHelp;
        return 0;
    }
    checkFarnsworthOptions(options);
    const auto target = options.value("--out");
    if (!target || target->empty()) {
        throw UsageError("--out FILE is required");
    }
    const std::filesystem::path file = std::filesystem::absolute(*target);
    const AudioFormat format = formatOf(file);
    const ExportSound sound{options.integer("--pitch", 800, 400, 1200),
                            options.integer("--hardness", 5, 2, 8), options.has("--overtones")};
    if (sound.hardnessMs != 2 && sound.hardnessMs != 5 && sound.hardnessMs != 8) {
        throw UsageError("--hardness takes 2, 5 or 8");
    }
    std::optional<TagFields> tags;
    if (options.has("--artist") || options.has("--title")) {
        tags = TagFields{tagOption(options, "--artist"), tagOption(options, "--title")};
    }
    Practice practice = practiceOf(options);

    const std::filesystem::path directory = programDirectory();
    CommandLineExport view(file, tags);
    WaitingEncoderLauncher launcher;
    AudioExporter exporter(directory, locateEncoders(directory), view, view, launcher);
    exporter.setTemporaryFile(temporaryWav(file));
    const ExportResult result =
        exporter.run(format, practice.timingText, practice.timingList, sound);
    std::error_code ignored;
    std::filesystem::remove(exporter.temporaryFile(), ignored);

    switch (result) {
    case ExportResult::Written:
    case ExportResult::Encoding:
        return 0;
    case ExportResult::NotAvailable:
        throw UsageError(format == AudioFormat::Mp3
                             ? "no MP3 encoder (lame) beside dittaro-cli or on PATH"
                             : "no Ogg encoder (oggenc2, oggenc) beside dittaro-cli or on PATH");
    case ExportResult::Cancelled:
    case ExportResult::Nothing:
        return 1;
    case ExportResult::Failed:
        break;
    }
    if (!view.problem()) {
        return 1; // the timing text held no element
    }
    std::cerr << "dittaro-cli render: " << problemLine(*view.problem()) << '\n';
    return 2;
}

} // namespace dittaro::cli
