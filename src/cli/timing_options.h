#pragma once

// The timing options that "timing" and "render" share, so both convert a text alike.

#include "cli/cli_options.h"

#include <set>
#include <string>
#include <vector>

namespace dittaro {
class TMorse;
class TMorse2;
} // namespace dittaro

namespace dittaro::cli {

// The option names the functions below read, plus the caller's own.
std::set<std::string> withTimingValueOptions(std::set<std::string> own);
std::set<std::string> withTimingFlags(std::set<std::string> own);

// Throws UsageError when both Farnsworth options are given.
void checkFarnsworthOptions(const Options& options);

// Speed, Farnsworth, ratio, minimum word pause and the replacement switches.
void configureTextTiming(const Options& options, TMorse& morse);
// Speed, Farnsworth and ratio.
void configureGeneratedTiming(const Options& options, TMorse2& morse);

// Converts the groups already set for --source groups, randomtexts or exam, with --gap;
// throws UsageError for any other source.
bool convertGeneratedSource(const Options& options, const std::string& source, TMorse2& morse);

// The lines of generated material, given on the command line separated by "|".
std::vector<std::string> splitAtBars(const std::string& text);

} // namespace dittaro::cli
