#include "cli/cli_options.h"
#include "cli/commands.h"
#include "cli/timing_options.h"
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

int convertText(const Options& options, const std::string& text, std::ostream& out) {
    TMorse morse;
    configureTextTiming(options, morse);
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
    configureGeneratedTiming(options, morse);
    morse.groups() = splitAtBars(text);

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

    if (!convertGeneratedSource(options, source, morse)) {
        return 1;
    }
    out << joined(morse.timingList()) << '\n'
        << joined(morse.sampleList()) << '\n'
        << morse.totalMs() << '\n';
    return 0;
}

} // namespace

int runTiming(const std::vector<std::string>& args, std::ostream& out) {
    const Options options(args, withTimingValueOptions({}), withTimingFlags({}));
    if (options.helpRequested()) {
        out << kHelp;
        return 0;
    }
    checkFarnsworthOptions(options);
    const std::string text = utf8ToCp1252(options.single("TEXT"));
    const std::string source = options.value("--source", "text");
    if (source == "text") {
        return convertText(options, text, out);
    }
    return convertGenerated(options, source, text, out);
}

} // namespace dittaro::cli
