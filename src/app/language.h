#pragma once

// The interface texts of one language: the row of a text table whose rowid is the language
// number (1 Deutsch, 2 English, 3 Français), its columns by position, in Windows-1252.

#include "common/sqlite_database.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

class TextRow {
public:
    TextRow() = default;
    explicit TextRow(std::vector<std::string> columns) : columns_(std::move(columns)) {}

    // Empty for a position the table does not have.
    const std::string& text(int column) const;
    int size() const { return static_cast<int>(columns_.size()); }

private:
    std::vector<std::string> columns_;
};

// "SELECT * FROM <table> WHERE rowid = <parameter>" with the language bound to the parameter;
// nothing when the table has no row for the language.
std::optional<TextRow> readTextRow(SqliteDatabase& db, std::string_view table, int language,
                                   std::string_view parameter = ":wert");

// The tables of the main window, read in this order; a missing row stays empty and leaves
// the texts of its table as they were.
struct MainWindowTexts {
    std::optional<TextRow> texte_01;
    std::optional<TextRow> texte_05;
    std::optional<TextRow> texte_04;
    std::optional<TextRow> texte_03;
    std::optional<TextRow> texte_02;
    std::optional<TextRow> texte_06;
    std::optional<TextRow> form4_texte;
};

MainWindowTexts readMainWindowTexts(const std::filesystem::path& database, int language);

// The row of a window that reads its own table when it opens (":spr").
std::optional<TextRow> readWindowTexts(const std::filesystem::path& database,
                                       std::string_view table, int language);

} // namespace dittaro
