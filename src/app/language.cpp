#include "app/language.h"

#include "common/cp1252.h"

namespace dittaro {

const std::string& TextRow::text(int column) const {
    static const std::string empty;
    return column >= 0 && column < size() ? columns_[static_cast<std::size_t>(column)] : empty;
}

std::optional<TextRow> readTextRow(SqliteDatabase& db, std::string_view table, int language,
                                   std::string_view parameter) {
    SqliteStatement statement = db.prepare("SELECT * FROM " + std::string(table) +
                                           " WHERE rowid = " + std::string(parameter));
    statement.bind(parameter, language);
    if (!statement.step()) {
        return std::nullopt;
    }
    std::vector<std::string> columns;
    for (int column = 0; column < statement.columnCount(); ++column) {
        columns.push_back(utf8ToCp1252(statement.columnText(column)));
    }
    return TextRow(std::move(columns));
}

MainWindowTexts readMainWindowTexts(const std::filesystem::path& database, int language) {
    SqliteDatabase db(database, SqliteDatabase::Mode::ReadOnly);
    MainWindowTexts texts;
    texts.texte_01 = readTextRow(db, "texte_01", language);
    texts.texte_05 = readTextRow(db, "texte_05", language);
    texts.texte_04 = readTextRow(db, "texte_04", language);
    texts.texte_03 = readTextRow(db, "texte_03", language);
    texts.texte_02 = readTextRow(db, "texte_02", language);
    texts.texte_06 = readTextRow(db, "texte_06", language);
    texts.form4_texte = readTextRow(db, "form4_texte", language, ":spr");
    return texts;
}

std::optional<TextRow> readWindowTexts(const std::filesystem::path& database,
                                       std::string_view table, int language) {
    SqliteDatabase db(database, SqliteDatabase::Mode::ReadOnly);
    return readTextRow(db, table, language, ":spr");
}

} // namespace dittaro
