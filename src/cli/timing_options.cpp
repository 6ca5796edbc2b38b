#include "cli/timing_options.h"

#include "engine/tmorse.h"
#include "engine/tmorse2.h"

namespace dittaro::cli {
namespace {

constexpr int kMaxBpm = 100000;

double ratioOption(const Options& options) {
    const double ratio = options.number("--ratio", 3);
    if (ratio != 3 && ratio != 3.5 && ratio != 4) {
        throw UsageError("--ratio takes 3, 3.5 or 4");
    }
    return ratio;
}

} // namespace

std::set<std::string> withTimingValueOptions(std::set<std::string> own) {
    own.insert({"--source", "--bpm", "--farnsworth", "--ratio", "--word-pause", "--umlaute",
                "--akzente", "--sz", "--ch", "--gap"});
    return own;
}

std::set<std::string> withTimingFlags(std::set<std::string> own) {
    own.insert("--no-farnsworth");
    return own;
}

void checkFarnsworthOptions(const Options& options) {
    if (options.has("--farnsworth") && options.has("--no-farnsworth")) {
        throw UsageError("--farnsworth and --no-farnsworth exclude each other");
    }
}

void configureTextTiming(const Options& options, TMorse& morse) {
    morse.setSpeedFromBpm(options.integer("--bpm", 60, 1, kMaxBpm));
    morse.setFarnsworth(false);
    if (options.has("--farnsworth")) {
        morse.setFarnsworthSpeedFromBpm(options.integer("--farnsworth", 60, 1, kMaxBpm));
    }
    morse.setRatio(ratioOption(options));
    morse.setMinimumWordPause(options.integer("--word-pause", 0, 0, kMaxBpm));
    ConversionOptions& flags = morse.options();
    flags.umlautExpansion = options.onOff("--umlaute", true);
    flags.accentFolding = options.onOff("--akzente", true);
    flags.szExpansion = options.onOff("--sz", true);
    flags.chAsOneCharacter = options.onOff("--ch", false);
}

void configureGeneratedTiming(const Options& options, TMorse2& morse) {
    const int bpm = options.integer("--bpm", 60, 1, kMaxBpm);
    morse.setSpeed(bpm);
    morse.setCharacterSpeed(bpm);
    if (options.has("--farnsworth")) {
        morse.setFarnsworthSpeed(options.integer("--farnsworth", 60, 1, kMaxBpm));
        morse.setFarnsworth(true);
    }
    morse.setRatio(ratioOption(options));
}

bool convertGeneratedSource(const Options& options, const std::string& source, TMorse2& morse) {
    const int gap = options.integer("--gap", 0, 0, 12);
    if (source == "groups") {
        return morse.convertGroups(gap);
    }
    if (source == "randomtexts") {
        return morse.convertRandomTexts(gap);
    }
    if (source == "exam") {
        return morse.convertExamText();
    }
    throw UsageError("unknown --source " + source);
}

std::vector<std::string> splitAtBars(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (!text.empty()) {
        const std::size_t bar = text.find('|', start);
        lines.push_back(text.substr(start, bar - start));
        if (bar == std::string::npos) {
            break;
        }
        start = bar + 1;
    }
    return lines;
}

} // namespace dittaro::cli
