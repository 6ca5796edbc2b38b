#include "platform/encoders/encoder_locator.h"

#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace dittaro {
namespace {

bool isExecutableFile(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

std::vector<std::filesystem::path> folders(const std::filesystem::path& programDirectory,
                                           std::string_view searchPath) {
    std::vector<std::filesystem::path> result{programDirectory};
    std::size_t start = 0;
    while (start <= searchPath.size()) {
        std::size_t end = searchPath.find(':', start);
        if (end == std::string_view::npos) {
            end = searchPath.size();
        }
        // An empty entry would mean the current folder; the program directory already came.
        if (end > start) {
            result.emplace_back(std::string(searchPath.substr(start, end - start)));
        }
        start = end + 1;
    }
    return result;
}

} // namespace

std::optional<std::filesystem::path> findProgram(std::span<const std::string_view> names,
                                                 const std::filesystem::path& programDirectory,
                                                 std::string_view searchPath) {
    for (const std::filesystem::path& folder : folders(programDirectory, searchPath)) {
        for (std::string_view name : names) {
            const std::filesystem::path candidate = folder / name;
            if (isExecutableFile(candidate)) {
                return candidate;
            }
        }
    }
    return std::nullopt;
}

EncoderPrograms locateEncoders(const std::filesystem::path& programDirectory) {
    static constexpr std::string_view mp3[] = {"lame"};
    static constexpr std::string_view ogg[] = {"oggenc2", "oggenc"};
    const char* path = std::getenv("PATH");
    const std::string_view searchPath = path != nullptr ? path : "";
    EncoderPrograms programs;
    programs.mp3 = findProgram(mp3, programDirectory, searchPath).value_or("");
    programs.ogg = findProgram(ogg, programDirectory, searchPath).value_or("");
    return programs;
}

} // namespace dittaro
