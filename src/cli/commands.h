#pragma once

// The subcommands of dittaro-cli. Each returns the exit status: 0 success,
// 1 when the operation produced nothing; usage errors throw cli::UsageError.

#include <iosfwd>
#include <string>
#include <vector>

namespace dittaro::cli {

int runTiming(const std::vector<std::string>& args, std::ostream& out);
int runRender(const std::vector<std::string>& args, std::ostream& out);
int runGroups(const std::vector<std::string>& args, std::ostream& out);
int runMark(const std::vector<std::string>& args, std::ostream& out);

} // namespace dittaro::cli
