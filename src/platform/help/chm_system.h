#pragma once

// The project settings that a help compiler stores in the internal "#SYSTEM" file of a CHM.

#include <optional>
#include <string>
#include <string_view>

namespace dittaro {

struct ChmSystemInfo {
    std::string contentsFile; // e.g. "hilfe.hhc"
    std::string defaultTopic; // e.g. "index.html"
    std::string title;
};

// Empty when the bytes are not a well-formed #SYSTEM file (truncated record, unknown version).
std::optional<ChmSystemInfo> parseChmSystem(std::string_view bytes);

} // namespace dittaro
