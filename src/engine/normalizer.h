#pragma once

// The normaliser: turns a free Windows-1252 text into the byte string the timing
// model sends character by character. Bytes 0..127 keep their text meaning; bytes
// from 128 up are control codes of in-text commands, two of them followed by a
// parameter byte that may hold any value (see control:: in morse_code.h).

#include <string>
#include <string_view>

namespace dittaro {

struct ConversionOptions {
    bool umlautExpansion = false;  // ä -> ae, else the internal "\"
    bool szExpansion = false;      // ß -> ss, else "{"
    bool chAsOneCharacter = false; // ch -> "|", sent as ----
    bool accentFolding = false;    // é è -> e, à á å -> a, else "`", "}", "~"
};

std::string normalizeText(std::string_view text, const ConversionOptions& options);

// Whether the byte at pos of a normalised string is the parameter of a control code.
// Parameters never reach 186, so the byte before a parameter is always its code.
bool isParameterByte(std::string_view normalized, std::size_t pos);

} // namespace dittaro
