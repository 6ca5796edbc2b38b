#include "platform/help/context_map.h"

#include "common/text.h"

#include <charconv>

namespace dittaro {

ContextMap parseContextMap(std::string_view text) {
    ContextMap map;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.starts_with(';')) {
            continue;
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            map.problems.push_back(where + "no \"=\" between number and topic");
            continue;
        }
        const std::string_view number = trimmed(line.substr(0, equals));
        const std::string_view topic = trimmed(line.substr(equals + 1));
        int id = 0;
        const auto [rest, ec] = std::from_chars(number.data(), number.data() + number.size(), id);
        if (number.empty() || ec != std::errc{} || rest != number.data() + number.size() ||
            id < 0) {
            map.problems.push_back(where + "\"" + std::string(number) +
                                   "\" is not a context number");
            continue;
        }
        if (topic.empty() || topic.starts_with('#')) {
            map.problems.push_back(where + "context number " + std::to_string(id) +
                                   " names no page");
            continue;
        }
        if (!map.topics.emplace(id, std::string(topic)).second) {
            map.problems.push_back(where + "context number " + std::to_string(id) +
                                   " is listed twice; the first entry counts");
        }
    }
    return map;
}

} // namespace dittaro
