#pragma once

// The program's text is Windows-1252 bytes; widgets hold QString. These convert at that edge.

#include "common/cp1252.h"

#include <QString>
#include <string>
#include <string_view>

namespace dittaro {

inline QString fromCp1252(std::string_view text) {
    return QString::fromStdU32String(cp1252ToUtf32(text));
}

// A character without a Windows-1252 form becomes a blank.
inline std::string toCp1252(const QString& text) {
    return utf32ToCp1252(text.toStdU32String());
}

} // namespace dittaro
