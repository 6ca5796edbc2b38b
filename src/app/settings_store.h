#pragma once

// Reads and writes the two single-row settings tables of the data database.
// The program never creates the database, a table or a row.

#include "app/settings.h"

#include <filesystem>

namespace dittaro {

// Loads both tables into settings. A value outside its accepted range is replaced
// by its fallback or left as it was, silently; a table without a row changes nothing.
// randomTextTableCount bounds ZufallstextIndex. Throws SqliteError when the file
// cannot be read.
void loadSettings(const std::filesystem::path& database, int randomTextTableCount,
                  Settings& settings);

// Writes every setting back in two transactions, one per table.
void saveSettings(const std::filesystem::path& database, const Settings& settings);

} // namespace dittaro
