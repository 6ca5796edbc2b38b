#pragma once

// Whether a database in the program directory may be rebuilt. The build keeps, next
// to its own files, a stamp of the inputs a database was built from and of the file
// it wrote. A database that differs from what the build wrote holds the user's
// changes (settings, used flags, own imports) and is never replaced by the build.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace dittaro::mkdata {

enum class BuildDecision {
    Build,        // missing, or as built from inputs that have changed since
    UpToDate,     // as built from the current inputs
    KeepUserFile, // changed since the build, or of unknown origin
};

// FNV-1a over the files' names and contents, in the order given.
std::uint64_t fingerprintFiles(const std::vector<std::filesystem::path>& files);
std::uint64_t fileHash(const std::filesystem::path& file);

BuildDecision decideBuild(const std::filesystem::path& database, const std::filesystem::path& stamp,
                          std::uint64_t inputs);
void writeStamp(const std::filesystem::path& stamp, std::uint64_t inputs,
                const std::filesystem::path& database);

} // namespace dittaro::mkdata
