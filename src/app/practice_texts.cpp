#include "app/practice_texts.h"

#include "app/language.h"
#include "platform/widgets/qt_text.h"

namespace dittaro {
namespace {

void take(const std::optional<TextRow>& row, int column, QString& text) {
    if (row) {
        text = fromCp1252(row->text(column));
    }
}

} // namespace

PracticeTexts readPracticeTexts(const std::filesystem::path& database, int language) {
    PracticeTexts texts{
        QStringLiteral("Text und Mitschrift haben nicht gleich viele Wörter/Gruppen."),
        QStringLiteral("Textdatei"),
        QStringLiteral("Keine Fehler"),
        QStringLiteral("Fehlerliste"),
        QStringLiteral("Fehler"),
    };
    SqliteDatabase db(database, SqliteDatabase::Mode::ReadOnly);
    take(readTextRow(db, "texte_01", language), 16, texts.wordCountMessage);
    take(readTextRow(db, "texte_06", language), 15, texts.textFile);
    const auto form4 = readTextRow(db, "form4_texte", language, ":spr");
    take(form4, 0, texts.noErrors);
    take(form4, 1, texts.errorListCaption);
    take(form4, 2, texts.errorListLabel);
    return texts;
}

QString textFileFilter(const PracticeTexts& texts) {
    return texts.textFile + QStringLiteral(" (*.txt)|*.txt");
}

} // namespace dittaro
