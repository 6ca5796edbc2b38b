#include "app/startup_checks.h"

#include <array>
#include <string_view>

namespace dittaro {
namespace {

struct RequiredFile {
    std::string_view path; // relative to the program directory
    std::string_view message;
};

// SQLite is linked from the system: the dynamic loader refuses to start without it, so it
// needs no check of its own.
constexpr std::array kRequiredFiles{
    RequiredFile{"libdittaro-audio.so", "Wichtige Datei \"libdittaro-audio.so\" fehlt.\n"
                                        "Missing shared library \"libdittaro-audio.so\"."},
    RequiredFile{"doc/aide.chm",
                 "Hilfedatei \"\\doc\\aide.chm\" fehlt.\nMissing Helpfile \"aide.chm\"."},
    RequiredFile{"doc/help.chm",
                 "Hilfedatei \"\\doc\\help.chm\" fehlt.\nMissing Helpfile \"help.chm\"."},
    RequiredFile{"doc/hilfe.chm",
                 "Hilfedatei \"\\doc\\hilfe.chm\" fehlt.\nMissing Helpfile \"hilfe.chm\"."},
    RequiredFile{"data/Dittaro_Data.sqlite", "Datenbank \"Dittaro_Data.sqlite\" fehlt.\n"
                                             "Missing database \"Dittaro_Data.sqlite\"."},
    RequiredFile{"data/Dittaro_Randomtext.sqlite",
                 "Datenbank \"Dittaro_Randomtext.sqlite\" fehlt.\n"
                 "Missing database \"Dittaro_Randomtext.sqlite\"."},
};

} // namespace

std::optional<std::string> missingFileMessage(const std::filesystem::path& programDirectory) {
    for (const RequiredFile& file : kRequiredFiles) {
        std::error_code error;
        if (!std::filesystem::exists(programDirectory / file.path, error)) {
            return std::string(file.message);
        }
    }
    return std::nullopt;
}

bool audioVersionMatches(std::uint32_t version) {
    return version >> 16 == 0x0204;
}

std::string wrongAudioVersionMessage() {
    return "Falsche Version der Datei \"libdittaro-audio.so\".\n"
           "Wrong version of shared library \"libdittaro-audio.so\".";
}

} // namespace dittaro
