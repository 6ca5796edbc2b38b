#pragma once

// Building the two shipped databases from the readable sources under data/:
// schema/ (SQL), texts/ (interface text tables), exam/ (exam category files) and
// randomtexts/ (random-text tables).

#include <filesystem>
#include <string>
#include <vector>

namespace dittaro::mkdata {

// The files a database is built from, in a fixed order (for the build stamp).
std::vector<std::filesystem::path> dataDatabaseSources(const std::filesystem::path& sourceDir);
std::vector<std::filesystem::path>
randomTextDatabaseSources(const std::filesystem::path& sourceDir);

// Each writes a complete database beside `target` and moves it into place, so the
// target is replaced only by a finished file. Sources that do not exist yet are left
// out; unusable ones throw (SourceError, SqliteError). Warnings collects what was
// left out on purpose.
void buildDataDatabase(const std::filesystem::path& sourceDir, const std::filesystem::path& target,
                       std::vector<std::string>& warnings);
void buildRandomTextDatabase(const std::filesystem::path& sourceDir,
                             const std::filesystem::path& target,
                             std::vector<std::string>& warnings);

} // namespace dittaro::mkdata
