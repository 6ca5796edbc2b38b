#pragma once

// Importing a text file as a table of the random-text database: one table per file,
// columns `textzeile` (trimmed, lower-cased, each distinct line once) and `gebraucht`,
// listed by name in the index table `zufallstexte`.

#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

class SqliteDatabase;

// The name proposed for a file (its name without folder): blanks and ? * , - + .
// become "_" and the last four characters (the ".txt") are cut off.
std::string proposedRandomTextTableName(std::string_view fileName);

// The name a table is stored under after the user's edit: the same replacement, and
// "_" in front of a leading digit.
std::string randomTextTableName(std::string_view editedName);

// Creates or replaces the table `tableName`. Name and lines are Windows-1252 and are
// stored as UTF-8. All or nothing: on a database error the library is left as it was.
void importRandomTextTable(SqliteDatabase& db, std::string_view tableName,
                           const std::vector<std::string>& lines);

} // namespace dittaro
