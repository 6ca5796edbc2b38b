#include "engine/encoder_commands.h"

#include "common/cp1252.h"

#include <ctime>

namespace dittaro {

std::vector<std::string> mp3Arguments(const EncoderTags& tags, std::string_view year,
                                      const EncoderFiles& files) {
    const std::string album(kAlbumLabel);
    if (tags.given) {
        return {"-V",
                "6",
                "--quiet",
                "--ta",
                cp1252ToUtf8(tags.artist),
                "--tt",
                cp1252ToUtf8(tags.title),
                "--tg",
                "Other",
                "--ty",
                std::string(year),
                "--tl",
                album,
                "--id3v1-only",
                files.wav,
                files.target};
    }
    return {"-V",   "6",     "--quiet",      "--tl",    album,       "--ty", std::string(year),
            "--tg", "Other", "--id3v1-only", files.wav, files.target};
}

std::vector<std::string> oggArguments(const EncoderTags& tags, const EncoderFiles& files) {
    const std::string album(kAlbumLabel);
    if (tags.given) {
        return {"-Q",
                "-q",
                "3",
                "-l",
                album,
                "-t",
                cp1252ToUtf8(tags.title),
                "-a",
                cp1252ToUtf8(tags.artist),
                "-o",
                files.target,
                files.wav};
    }
    return {"-Q", "-q", "3", "-l", album, "-o", files.target, files.wav};
}

std::string currentYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::to_string(local.tm_year + 1900);
}

} // namespace dittaro
