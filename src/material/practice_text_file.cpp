#include "material/practice_text_file.h"

#include "common/text_file.h"

#include <fstream>
#include <stdexcept>

namespace dittaro {
namespace {

std::string joinedLines(std::string_view text, std::string_view lineEnd) {
    std::string joined;
    const auto lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        joined += (i == 0 ? "" : lineEnd);
        joined += lines[i];
    }
    // splitLines drops a final line end; keep it.
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) {
        joined += lineEnd;
    }
    return joined;
}

} // namespace

std::string withCrLf(std::string_view text) {
    return joinedLines(text, "\r\n");
}

std::string readPracticeTextFile(const std::filesystem::path& path) {
    const std::string bytes = readFileBytes(path);
    return joinedLines(std::string_view(bytes).substr(0, kTextFileCharacters), "\n");
}

bool writePracticeTextFile(const std::filesystem::path& path, std::string_view text) {
    if (text.empty()) {
        return false;
    }
    const std::string bytes = withCrLf(text);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
    return true;
}

} // namespace dittaro
