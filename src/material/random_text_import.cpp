#include "material/random_text_import.h"

#include "common/cp1252.h"
#include "common/sqlite_database.h"
#include "common/text.h"

namespace dittaro {
namespace {

std::string withUnderscores(std::string_view name) {
    std::string out(name);
    for (char& c : out) {
        if (std::string_view(" ?*,-+.").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return out;
}

std::string lowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

// Detaches even when the import fails, so the next import can attach again.
class MemoryDatabase {
public:
    explicit MemoryDatabase(SqliteDatabase& db) : db_(db) {
        db_.execute("ATTACH DATABASE \":memory:\" AS MemDatabase");
    }
    ~MemoryDatabase() {
        try {
            db_.execute("DETACH MemDatabase");
        } catch (const SqliteError&) {
        }
    }
    MemoryDatabase(const MemoryDatabase&) = delete;
    MemoryDatabase& operator=(const MemoryDatabase&) = delete;

private:
    SqliteDatabase& db_;
};

bool isListed(SqliteDatabase& db, const std::string& name) {
    SqliteStatement find = db.prepare("SELECT name FROM zufallstexte WHERE name = :wert");
    find.bindText(":wert", name);
    return find.step();
}

} // namespace

std::string proposedRandomTextTableName(std::string_view fileName) {
    const std::string name = withUnderscores(fileName);
    return name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
}

std::string randomTextTableName(std::string_view editedName) {
    std::string name = withUnderscores(editedName);
    if (!name.empty() && name.front() >= '0' && name.front() <= '9') {
        name.insert(name.begin(), '_');
    }
    return name;
}

void importRandomTextTable(SqliteDatabase& db, std::string_view tableName,
                           const std::vector<std::string>& lines) {
    const std::string name = cp1252ToUtf8(tableName);
    MemoryDatabase memory(db);
    db.execute("DROP TABLE IF EXISTS MemDatabase.temp_1");
    db.execute("CREATE TABLE MemDatabase.temp_1 (textzeile TEXT, gebraucht INTEGER DEFAULT 0)");

    // The index row, the old table and the new one change together or not at all: a
    // name SQL refuses must not leave an index entry without its table.
    SqliteTransaction transaction(db);
    SqliteStatement insert =
        db.prepare("INSERT INTO MemDatabase.temp_1 (textzeile) VALUES (:wert)");
    for (const std::string& line : lines) {
        insert.bindText(":wert", cp1252ToUtf8(lowerAscii(trimmed(line))));
        insert.run();
        insert.reset();
    }

    if (isListed(db, name)) {
        db.execute("DROP TABLE IF EXISTS " + name);
    } else {
        SqliteStatement add = db.prepare("INSERT INTO zufallstexte (name) VALUES (:wert)");
        add.bindText(":wert", name);
        add.run();
    }
    db.execute("CREATE TABLE " + name +
               " AS SELECT DISTINCT textzeile, gebraucht FROM MemDatabase.temp_1");
    transaction.commit();
}

} // namespace dittaro
