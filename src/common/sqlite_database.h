#pragma once

// A thin RAII layer over SQLite. Text goes in and out as the bytes given: callers
// convert between Windows-1252 and the UTF-8 of the databases (common/cp1252.h),
// except where raw bytes are stored on purpose (umlaut table names, scrambled lines).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dittaro {

// Carries SQLite's own message, which is what the user gets to see.
class SqliteError : public std::runtime_error {
public:
    SqliteError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

class SqliteStatement {
public:
    SqliteStatement(SqliteStatement&& other) noexcept;
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;
    ~SqliteStatement();

    // Parameters by name, including the prefix (":wert").
    void bind(std::string_view name, std::int64_t value);
    void bindText(std::string_view name, std::string_view bytes);
    // Stored byte for byte, zero bytes included.
    void bindBlob(std::string_view name, std::string_view bytes);
    void bindNull(std::string_view name);

    // True while a row is available, false when the statement has finished.
    bool step();
    // Steps until the statement has finished, for statements without rows.
    void run();
    // Makes the statement ready to run again; bindings are kept.
    void reset();

    int columnCount() const;
    std::string columnName(int column) const;
    bool columnIsNull(int column) const;
    std::int64_t columnInt(int column) const;
    // The stored bytes of a text or blob value, with their exact length.
    std::string columnText(int column) const;
    std::string columnBlob(int column) const;

private:
    friend class SqliteDatabase;
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement) : db_(db), statement_(statement) {}
    int parameterIndex(std::string_view name) const;
    void check(int rc) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteDatabase {
public:
    enum class Mode {
        ReadWrite,       // the file must exist: the program never creates its databases
        ReadWriteCreate, // for the tools that build them
        ReadOnly,
    };

    explicit SqliteDatabase(const std::filesystem::path& path, Mode mode = Mode::ReadWrite);
    SqliteDatabase(SqliteDatabase&& other) noexcept;
    SqliteDatabase& operator=(SqliteDatabase&& other) noexcept;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;
    ~SqliteDatabase();

    // Runs one or more statements without parameters.
    void execute(std::string_view sql);
    SqliteStatement prepare(std::string_view sql);
    // Column 0 of the first row as an integer; empty when the query yields no row.
    std::optional<std::int64_t> queryInteger(std::string_view sql);

    std::int64_t lastInsertRowId() const;
    // Rows changed by the last INSERT, UPDATE or DELETE.
    int changes() const;

    // Closes now and reports a failure; the destructor closes silently.
    void close();
    bool isOpen() const { return db_ != nullptr; }

private:
    void check(int rc) const;

    sqlite3* db_ = nullptr;
};

// BEGIN at construction; rolled back at destruction unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDatabase& db);
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;
    ~SqliteTransaction();

    void commit();

private:
    SqliteDatabase& db_;
    bool open_ = true;
};

} // namespace dittaro
