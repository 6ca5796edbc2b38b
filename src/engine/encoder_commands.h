#pragma once

// The argument lists of the MP3 and Ogg encoders (lame, oggenc) for one export.

#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

// Goes to the encoders as one argument.
constexpr std::string_view kAlbumLabel = "Dittaro V4.0.00";

struct EncoderTags {
    bool given = false;
    std::string artist; // Windows-1252
    std::string title;  // Windows-1252
};

struct EncoderFiles {
    std::string wav;    // the temporary WAV file the encoder reads
    std::string target; // the file it writes
};

// Tag texts are passed as UTF-8.
std::vector<std::string> mp3Arguments(const EncoderTags& tags, std::string_view year,
                                      const EncoderFiles& files);
std::vector<std::string> oggArguments(const EncoderTags& tags, const EncoderFiles& files);

// The current local year, "yyyy".
std::string currentYear();

} // namespace dittaro
