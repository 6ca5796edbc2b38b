#pragma once

// Filling the exam category tables of the data database from text files, one text
// per line. Each line is stored trimmed and scrambled with its time factor, unused.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

class SqliteDatabase;

// Shorter files are refused without a change: the generator needs enough candidates.
inline constexpr std::size_t kMinimumExamTextLines = 100;

// Creates missing category tables and returns their row counts, in the order of
// kExamCategories.
std::array<std::int64_t, 8> prepareExamTables(SqliteDatabase& db);

// Replaces the table's rows by the lines (Windows-1252, as read from the file, empty
// lines included). Returns false and changes nothing when there are fewer than
// kMinimumExamTextLines lines. The table is only replaced once every line is ready.
bool importExamText(SqliteDatabase& db, std::string_view tableName,
                    const std::vector<std::string>& lines);

} // namespace dittaro
