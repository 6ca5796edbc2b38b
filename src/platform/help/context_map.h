#pragma once

// The map from context numbers to help topics that each help file carries as "ctxmap.txt".
// One entry a line, "<number>=<page>[#<anchor>]"; blank lines and lines starting with ";"
// are ignored. The help compiler's own context table holds build paths, so we keep ours.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

inline constexpr std::string_view kContextMapPath = "/ctxmap.txt";

struct ContextMap {
    std::map<int, std::string> topics;
    // One message per line that could not be used ("line 4: ..."); the rest still counts.
    std::vector<std::string> problems;
};

ContextMap parseContextMap(std::string_view text);

} // namespace dittaro
