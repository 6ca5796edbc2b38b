#pragma once

// A compiled HTML help (CHM) file opened read-only through chmlib.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;

namespace dittaro {

class ChmArchive {
public:
    // Objects larger than this are refused: a damaged directory entry must not make us
    // allocate whatever length it claims.
    static constexpr std::size_t kMaxObjectSize = 32u << 20;

    // Empty when the file is missing, unreadable or not a CHM file; the reason goes to error.
    static std::optional<ChmArchive> open(const std::filesystem::path& path, std::string& error);

    // Object paths are absolute inside the archive, e.g. "/index.html".
    bool contains(std::string_view objectPath) const;
    std::optional<std::string> read(std::string_view objectPath) const;

    // Every ordinary file of the archive (no directories, no internal system files).
    std::vector<std::string> files() const;
    // Every file object, the compiler's internal ones (indexes, compressed storage) included.
    std::vector<std::string> allFiles() const;

private:
    std::vector<std::string> enumerate(int what) const;

    struct Closer {
        void operator()(chmFile* file) const;
    };

    explicit ChmArchive(chmFile* file) : file_(file) {}

    std::unique_ptr<chmFile, Closer> file_;
};

} // namespace dittaro
