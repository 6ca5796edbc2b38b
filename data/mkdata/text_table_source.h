#pragma once

// Reading the readable sources of the interface text tables: one UTF-8 file per
// table, one line per column, "<position>\t<Deutsch>\t<English>\t<Français>".
// Lines beginning with "#" are comments, blank lines are ignored; inside a cell
// "\n" is a line break, "\t" a tab and "\\" a backslash.

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro::mkdata {

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Column texts in position order, each in the three languages (UTF-8).
using TextTableColumns = std::vector<std::array<std::string, 3>>;

// Throws SourceError naming the line when a line is malformed or a position is
// missing or given twice.
TextTableColumns parseTextTableSource(std::string_view text);

std::string textColumnName(std::size_t position);

} // namespace dittaro::mkdata
