#include "text_table_source.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>

namespace dittaro::mkdata {
namespace {

std::vector<std::string_view> splitAt(std::string_view line, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(separator, start);
        parts.push_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string unescape(std::string_view cell) {
    std::string out;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const char next = i + 1 < cell.size() ? cell[i + 1] : '\0';
        if (cell[i] == '\\' && (next == 'n' || next == 't' || next == '\\')) {
            out.push_back(next == 'n' ? '\n' : next == 't' ? '\t' : '\\');
            ++i;
        } else {
            out.push_back(cell[i]);
        }
    }
    return out;
}

std::optional<std::size_t> parsePosition(std::string_view text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::size_t value = 0;
    for (char c : text) {
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

} // namespace

TextTableColumns parseTextTableSource(std::string_view text) {
    std::map<std::size_t, std::array<std::string, 3>> byPosition;
    std::size_t lineNumber = 0;
    for (std::string_view line : splitAt(text, '\n')) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (isBlank(line) || line.front() == '#') {
            continue;
        }
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        const std::vector<std::string_view> cells = splitAt(line, '\t');
        if (cells.size() != 4) {
            throw SourceError(where +
                              "expected a position and three texts separated by tabs, "
                              "found " +
                              std::to_string(cells.size()) + " fields");
        }
        const std::optional<std::size_t> position = parsePosition(cells[0]);
        if (!position) {
            throw SourceError(where + "the position \"" + std::string(cells[0]) +
                              "\" is not a number");
        }
        const auto [it, inserted] = byPosition.try_emplace(
            *position,
            std::array<std::string, 3>{unescape(cells[1]), unescape(cells[2]), unescape(cells[3])});
        if (!inserted) {
            throw SourceError(where + "position " + std::to_string(*position) + " is given twice");
        }
    }
    TextTableColumns columns;
    for (const auto& [position, texts] : byPosition) {
        if (position != columns.size()) {
            throw SourceError("position " + std::to_string(columns.size()) + " is missing");
        }
        columns.push_back(texts);
    }
    return columns;
}

std::string textColumnName(std::size_t position) {
    char name[32];
    std::snprintf(name, sizeof name, "spalte_%02zu", position);
    return name;
}

} // namespace dittaro::mkdata
