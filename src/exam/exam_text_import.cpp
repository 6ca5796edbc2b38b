#include "exam/exam_text_import.h"

#include "common/sqlite_database.h"
#include "common/text.h"
#include "material/character_weights.h"
#include "material/exam_categories.h"
#include "material/exam_scrambling.h"

namespace dittaro {
namespace {

// Detaches even when the import fails, so the next import can attach again.
class TemporaryDatabase {
public:
    explicit TemporaryDatabase(SqliteDatabase& db) : db_(db) {
        db_.execute("ATTACH DATABASE \":memory:\" AS tempDB");
    }
    ~TemporaryDatabase() {
        try {
            db_.execute("DETACH DATABASE tempDB");
        } catch (const SqliteError&) {
        }
    }
    TemporaryDatabase(const TemporaryDatabase&) = delete;
    TemporaryDatabase& operator=(const TemporaryDatabase&) = delete;

private:
    SqliteDatabase& db_;
};

// The table names are raw Windows-1252 bytes inside the statement, not UTF-8.
std::string createStatement(std::string_view tableName) {
    return "CREATE TABLE IF NOT EXISTS " + std::string(tableName) +
           " (textzeile TEXT, zeitfaktor INTEGER, gebraucht INTEGER)";
}

} // namespace

std::array<std::int64_t, 8> prepareExamTables(SqliteDatabase& db) {
    std::array<std::int64_t, 8> counts{};
    for (std::size_t i = 0; i < kExamCategories.size(); ++i) {
        const std::string_view table = kExamCategories[i].tableName;
        db.execute(createStatement(table));
        counts[i] =
            db.queryInteger("SELECT Count(zeitfaktor) FROM " + std::string(table)).value_or(0);
    }
    return counts;
}

bool importExamText(SqliteDatabase& db, std::string_view tableName,
                    const std::vector<std::string>& lines) {
    if (lines.size() < kMinimumExamTextLines) {
        return false;
    }
    TemporaryDatabase temporary(db);
    db.execute("CREATE TABLE tempDB.tempTbl (textzeile TEXT, zeitfaktor INTEGER, gebraucht "
               "INTEGER)");
    SqliteTransaction transaction(db);
    {
        SqliteStatement insert =
            db.prepare("INSERT INTO tempDB.tempTbl (textzeile, zeitfaktor, gebraucht) "
                       "VALUES (:text, :faktor, 0)");
        for (const std::string& line : lines) {
            const std::string_view plain = trimmed(line);
            insert.bindBlob(":text", scrambleExamLine(plain));
            insert.bind(":faktor", timeFactor(plain));
            insert.run();
            insert.reset();
        }
    }
    const std::string table(tableName);
    db.execute("DROP TABLE IF EXISTS " + table);
    db.execute("CREATE TABLE IF NOT EXISTS " + table + " AS SELECT * FROM tempDB.tempTbl");
    transaction.commit();
    return true;
}

} // namespace dittaro
