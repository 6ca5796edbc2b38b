#include "database_builder.h"

#include "common/cp1252.h"
#include "common/random.h"
#include "common/sqlite_database.h"
#include "common/text_file.h"
#include "exam/exam_text_import.h"
#include "material/exam_categories.h"
#include "material/random_text_import.h"
#include "text_table_source.h"

#include <algorithm>
#include <cstdio>

namespace dittaro::mkdata {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesWithExtension(const fs::path& dir, const std::string& extension) {
    std::vector<fs::path> files;
    if (fs::is_directory(dir)) {
        for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
            if (entry.is_regular_file() && entry.path().extension() == extension) {
                files.push_back(entry.path());
            }
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string withoutUtf8Bom(std::string text) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.erase(0, 3);
    }
    return text;
}

bool isPlainTableName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

void addTextTable(SqliteDatabase& db, const fs::path& file, std::vector<std::string>& warnings) {
    const std::string table = file.stem().string();
    if (!isPlainTableName(table)) {
        throw SourceError(file.string() + ": a table name of a..z, 0..9 and _ is expected");
    }
    TextTableColumns columns;
    try {
        columns = parseTextTableSource(withoutUtf8Bom(readFileBytes(file)));
    } catch (const SourceError& e) {
        throw SourceError(file.string() + ": " + e.what());
    }
    if (columns.empty()) {
        warnings.push_back(file.string() + ": no columns, table left out");
        return;
    }
    std::string create = "CREATE TABLE " + table + " (";
    std::string insert = "INSERT INTO " + table + " (rowid";
    std::string values = "VALUES (:rowid";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string name = textColumnName(i);
        create += (i == 0 ? "" : ", ") + name + " TEXT";
        insert += ", " + name;
        values += ", :c" + std::to_string(i);
    }
    db.execute(create + ")");
    SqliteStatement statement = db.prepare(insert + ") " + values + ")");
    for (int language = 0; language < 3; ++language) {
        statement.bind(":rowid", language + 1);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string& text = columns[i][language];
            // The program reads these as Windows-1252: anything else turns into blanks.
            if (cp1252ToUtf8(utf8ToCp1252(text)) != text) {
                warnings.push_back(file.string() + ": position " + std::to_string(i) +
                                   " holds characters without a Windows-1252 form");
            }
            statement.bindText(":c" + std::to_string(i), text);
        }
        statement.run();
        statement.reset();
    }
}

// The weights, and so the exam budgets, are defined for the blank .. "~" only.
void checkExamCharacters(const fs::path& file, const std::vector<std::string>& lines) {
    for (std::size_t n = 0; n < lines.size(); ++n) {
        for (unsigned char c : lines[n]) {
            if (c < ' ' || c > '~') {
                char code[8];
                std::snprintf(code, sizeof code, "0x%02X", c);
                throw SourceError(file.string() + ":" + std::to_string(n + 1) + ": character " +
                                  code + " outside the blank .. ~");
            }
        }
    }
}

void addExamTexts(SqliteDatabase& db, const fs::path& examDir, std::vector<std::string>& warnings) {
    for (const ExamCategory& category : kExamCategories) {
        const fs::path file = examDir / category.importFileName;
        if (!fs::exists(file)) {
            warnings.push_back(file.string() + ": missing, table \"" +
                               std::string(category.caption) + "\" left empty");
            continue;
        }
        const std::vector<std::string> lines = splitLines(readFileBytes(file));
        checkExamCharacters(file, lines);
        if (!importExamText(db, category.tableName, lines)) {
            warnings.push_back(file.string() + ": " + std::to_string(lines.size()) +
                               " lines, fewer than " + std::to_string(kMinimumExamTextLines) +
                               "; table \"" + std::string(category.caption) + "\" left empty");
        }
    }
}

// Builds into a file of its own and moves it over the target once complete.
template <typename Fill> void buildInPlace(const fs::path& target, Fill fill) {
    fs::create_directories(target.parent_path());
    const fs::path building = target.string() + ".building";
    fs::remove(building);
    try {
        SqliteDatabase db(building, SqliteDatabase::Mode::ReadWriteCreate);
        fill(db);
        db.close();
    } catch (...) {
        fs::remove(building);
        throw;
    }
    fs::rename(building, target);
}

} // namespace

std::vector<fs::path> dataDatabaseSources(const fs::path& sourceDir) {
    std::vector<fs::path> files = {sourceDir / "schema/settings.sql",
                                   sourceDir / "schema/exam_tables.sql"};
    for (const fs::path& file : filesWithExtension(sourceDir / "texts", ".tsv")) {
        files.push_back(file);
    }
    for (const ExamCategory& category : kExamCategories) {
        if (fs::exists(sourceDir / "exam" / category.importFileName)) {
            files.push_back(sourceDir / "exam" / category.importFileName);
        }
    }
    return files;
}

std::vector<fs::path> randomTextDatabaseSources(const fs::path& sourceDir) {
    std::vector<fs::path> files = {sourceDir / "schema/randomtext.sql"};
    for (const fs::path& file : filesWithExtension(sourceDir / "randomtexts", ".txt")) {
        files.push_back(file);
    }
    return files;
}

void buildDataDatabase(const fs::path& sourceDir, const fs::path& target,
                       std::vector<std::string>& warnings) {
    buildInPlace(target, [&](SqliteDatabase& db) {
        // The same database from the same sources: fixed filler bytes.
        seedRandom(1);
        SqliteTransaction transaction(db);
        db.execute(readFileBytes(sourceDir / "schema/settings.sql"));
        db.execute(readFileBytes(sourceDir / "schema/exam_tables.sql"));
        for (const fs::path& file : filesWithExtension(sourceDir / "texts", ".tsv")) {
            addTextTable(db, file, warnings);
        }
        transaction.commit();
        // Each category import runs its own transaction and attaches a helper database.
        addExamTexts(db, sourceDir / "exam", warnings);
    });
}

void buildRandomTextDatabase(const fs::path& sourceDir, const fs::path& target,
                             std::vector<std::string>& warnings) {
    buildInPlace(target, [&](SqliteDatabase& db) {
        db.execute(readFileBytes(sourceDir / "schema/randomtext.sql"));
        for (const fs::path& file : filesWithExtension(sourceDir / "randomtexts", ".txt")) {
            const std::string name = randomTextTableName(
                proposedRandomTextTableName(utf8ToCp1252(file.filename().string())));
            const std::vector<std::string> lines =
                splitLines(utf8ToCp1252(withoutUtf8Bom(readFileBytes(file))));
            if (lines.empty()) {
                warnings.push_back(file.string() + ": empty, table left out");
                continue;
            }
            importRandomTextTable(db, name, lines);
        }
    });
}

} // namespace dittaro::mkdata
