#include "cli/cli_options.h"
#include "cli/commands.h"
#include "common/cp1252.h"
#include "engine/element_sequence.h"
#include "engine/tmorse.h"
#include "engine/tmorse2.h"

#include <cstdlib>
#include <ostream>

namespace dittaro::cli {
namespace {

constexpr const char* kHelp =
    R"(usage: dittaro-cli timing [OPTIONS] TEXT
Prints the Morse timing of TEXT.
  --source text|groups|randomtexts|exam|keyboard|koch   (default text)
  --bpm N            speed in characters per minute (default 60; koch: character speed)
  --farnsworth N     Farnsworth character speed (switches Farnsworth on)
  --no-farnsworth    Farnsworth off (default)
  --ratio 3|3.5|4    dash:dot ratio (default 3)
text source:  --umlaute on|off --akzente on|off --sz on|off --ch on|off (on, on, on, off)
              --word-pause MS  minimum word pause (default 0)
other sources: TEXT is split into lines at "|"; --gap N (0..12) chooses the group or
               word gap. Prints the timing list, the sample list and the total in ms.
)";

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) {
        return lines;
    }
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = text.find('|', start);
        lines.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos) {
            return lines;
        }
        start = bar + 1;
    }
}

template <typename T> std::string joined(const std::vector<T>& values) {
    std::string out;
    for (const T& value : values) {
        if (!out.empty()) {
            out += ' ';
        }
        if constexpr (std::is_same_v<T, std::string>) {
            out += value;
        } else {
            out += std::to_string(value);
        }
    }
    return out;
}

double ratioOption(const Options& options) {
    const double ratio = options.number("--ratio", 3);
    if (ratio != 3 && ratio != 3.5 && ratio != 4) {
        throw UsageError("--ratio takes 3, 3.5 or 4");
    }
    return ratio;
}

int convertText(const Options& options, const std::string& text, std::ostream& out) {
    TMorse morse;
    morse.setSpeedFromBpm(options.integer("--bpm", 60, 1, 100000));
    morse.setFarnsworth(false);
    if (options.has("--farnsworth")) {
        morse.setFarnsworthSpeedFromBpm(options.integer("--farnsworth", 60, 1, 100000));
    }
    morse.setRatio(ratioOption(options));
    morse.setMinimumWordPause(options.integer("--word-pause", 0, 0, 100000));
    ConversionOptions& flags = morse.options();
    flags.umlautExpansion = options.onOff("--umlaute", true);
    flags.accentFolding = options.onOff("--akzente", true);
    flags.szExpansion = options.onOff("--sz", true);
    flags.chAsOneCharacter = options.onOff("--ch", false);
    morse.setText(text);
    if (!morse.convert()) {
        return 1;
    }
    out << morse.timingText() << '\n';
    return 0;
}

int convertGenerated(const Options& options, const std::string& source, const std::string& text,
                     std::ostream& out) {
    TMorse2 morse;
    const int bpm = options.integer("--bpm", 60, 1, 100000);
    morse.setSpeed(bpm);
    morse.setCharacterSpeed(bpm);
    if (options.has("--farnsworth")) {
        morse.setFarnsworthSpeed(options.integer("--farnsworth", 60, 1, 100000));
        morse.setFarnsworth(true);
    }
    morse.setRatio(ratioOption(options));
    const int gap = options.integer("--gap", 0, 0, 12);
    morse.groups() = splitLines(text);

    if (source == "keyboard" || source == "koch") {
        std::vector<int> samples;
        long long totalMs = 0;
        if (source == "keyboard") {
            totalMs = morse.convertString(text);
            samples = morse.sampleList();
        } else if (!text.empty()) {
            samples = morse.buildCharacterSequence(text);
            long long totalSamples = 0;
            for (int s : samples) {
                totalSamples += std::llabs(s);
            }
            totalMs = totalSamples * 1000 / morse.sampleRate();
        }
        if (samples.empty()) {
            return 1;
        }
        out << '\n' << joined(samples) << '\n' << totalMs << '\n';
        return 0;
    }

    bool converted = false;
    if (source == "groups") {
        converted = morse.convertGroups(gap);
    } else if (source == "randomtexts") {
        converted = morse.convertRandomTexts(gap);
    } else if (source == "exam") {
        converted = morse.convertExamText();
    } else {
        throw UsageError("unknown --source " + source);
    }
    if (!converted) {
        return 1;
    }
    out << joined(morse.timingList()) << '\n'
        << joined(morse.sampleList()) << '\n'
        << morse.totalMs() << '\n';
    return 0;
}

} // namespace

int runTiming(const std::vector<std::string>& args, std::ostream& out) {
    const Options options(args,
                          {"--source", "--bpm", "--farnsworth", "--ratio", "--word-pause",
                           "--umlaute", "--akzente", "--sz", "--ch", "--gap"},
                          {"--no-farnsworth"});
    if (options.helpRequested()) {
        out << kHelp;
        return 0;
    }
    if (options.has("--farnsworth") && options.has("--no-farnsworth")) {
        throw UsageError("--farnsworth and --no-farnsworth exclude each other");
    }
    const std::string text = utf8ToCp1252(options.single("TEXT"));
    const std::string source = options.value("--source", "text");
    if (source == "text") {
        return convertText(options, text, out);
    }
    return convertGenerated(options, source, text, out);
}

} // namespace dittaro::cli
