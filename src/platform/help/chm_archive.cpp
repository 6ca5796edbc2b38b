#include "platform/help/chm_archive.h"

#include <chm_lib.h>
#include <system_error>

namespace dittaro {

void ChmArchive::Closer::operator()(chmFile* file) const {
    chm_close(file);
}

std::optional<ChmArchive> ChmArchive::open(const std::filesystem::path& path, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = "help file \"" + path.string() + "\" is missing or not a file";
        return std::nullopt;
    }
    chmFile* file = chm_open(path.c_str());
    if (file == nullptr) {
        error = "\"" + path.string() + "\" is not a readable compiled help file";
        return std::nullopt;
    }
    return ChmArchive(file);
}

bool ChmArchive::contains(std::string_view objectPath) const {
    chmUnitInfo info{};
    return chm_resolve_object(file_.get(), std::string(objectPath).c_str(), &info) ==
           CHM_RESOLVE_SUCCESS;
}

std::optional<std::string> ChmArchive::read(std::string_view objectPath) const {
    chmUnitInfo info{};
    if (chm_resolve_object(file_.get(), std::string(objectPath).c_str(), &info) !=
        CHM_RESOLVE_SUCCESS) {
        return std::nullopt;
    }
    if (info.length > kMaxObjectSize) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(info.length), '\0');
    if (bytes.empty()) {
        return bytes;
    }
    const LONGINT64 got =
        chm_retrieve_object(file_.get(), &info, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(bytes.size()));
    if (got != static_cast<LONGINT64>(bytes.size())) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

int collectFile(chmFile*, chmUnitInfo* info, void* context) {
    static_cast<std::vector<std::string>*>(context)->emplace_back(info->path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

std::vector<std::string> ChmArchive::enumerate(int what) const {
    std::vector<std::string> paths;
    chm_enumerate(file_.get(), what, collectFile, &paths);
    return paths;
}

std::vector<std::string> ChmArchive::files() const {
    return enumerate(CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES);
}

std::vector<std::string> ChmArchive::allFiles() const {
    return enumerate(CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_META |
                     CHM_ENUMERATE_FILES);
}

} // namespace dittaro
