#pragma once

// The eight exam text categories: the caption of the import window, the file the
// administrator imports, and the table in the data database. The table names are
// Windows-1252 umlaut bytes (not UTF-8) and go into SQL statements as such.

#include <array>
#include <string_view>

namespace dittaro {

struct ExamCategory {
    std::string_view caption;
    std::string_view importFileName;
    std::string_view tableName;
};

// In the row order of the import window.
inline constexpr std::array<ExamCategory, 8> kExamCategories = {{
    {"Rufzeichen", "Rufzeichen_Pruefung.txt", "\xDC\xFC\xF6\xD6\xC4\xE4"},
    {"QSO Texte lang", "QSO_Lang_Pruefung.txt", "\xE4\xF6\xFC\xC4\xD6\xDC"},
    {"QSO Texte kurz", "QSO_Kurz_Pruefung.txt", "\xFC\xDC\xC4\xE4\xF6\xD6"},
    {"Technische Texte", "Technische_Texte_Pruefung.txt", "\xF6\xD6\xC4\xE4\xDC\xFC"},
    {"Zitate", "Zitate_Pruefung.txt", "\xE4\xC4\xF6\xD6\xFC\xDC"},
    {"Daily Quotes", "Daily_Quotes_Pruefung.txt", "\xC4\xE4\xD6\xF6\xDC\xFC"},
    {"Englische Kurztexte", "Englische_Kurztexte_Pruefung.txt", "\xC4\xD6\xDC\xE4\xF6\xFC"},
    {"Englische Techniktexte", "Englische_Techniktexte_Pruefung.txt", "\xD6\xF6\xE4\xC4\xFC\xDC"},
}};

} // namespace dittaro
