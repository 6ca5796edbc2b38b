#include "common/sqlite_database.h"

#include <limits>
#include <sqlite3.h>
#include <string>
#include <utility>

namespace dittaro {
namespace {

[[noreturn]] void fail(sqlite3* db, int rc) {
    throw SqliteError(rc, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// SQLite refuses lengths above INT_MAX; such a value is a caller's fault, not data.
int byteCount(std::string_view bytes) {
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
        throw SqliteError(SQLITE_TOOBIG, "string or blob too big");
    }
    return static_cast<int>(bytes.size());
}

} // namespace

// --- SqliteStatement ---

SqliteStatement::SqliteStatement(SqliteStatement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), statement_(std::exchange(other.statement_, nullptr)) {
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(statement_);
        db_ = std::exchange(other.db_, nullptr);
        statement_ = std::exchange(other.statement_, nullptr);
    }
    return *this;
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(statement_);
}

void SqliteStatement::check(int rc) const {
    if (rc != SQLITE_OK) {
        fail(db_, rc);
    }
}

int SqliteStatement::parameterIndex(std::string_view name) const {
    const int index = sqlite3_bind_parameter_index(statement_, std::string(name).c_str());
    if (index == 0) {
        throw SqliteError(SQLITE_RANGE, "no such parameter: " + std::string(name));
    }
    return index;
}

void SqliteStatement::bind(std::string_view name, std::int64_t value) {
    check(sqlite3_bind_int64(statement_, parameterIndex(name), value));
}

void SqliteStatement::bindText(std::string_view name, std::string_view bytes) {
    check(sqlite3_bind_text(statement_, parameterIndex(name), bytes.data(), byteCount(bytes),
                            SQLITE_TRANSIENT));
}

void SqliteStatement::bindBlob(std::string_view name, std::string_view bytes) {
    check(sqlite3_bind_blob(statement_, parameterIndex(name), bytes.data(), byteCount(bytes),
                            SQLITE_TRANSIENT));
}

void SqliteStatement::bindNull(std::string_view name) {
    check(sqlite3_bind_null(statement_, parameterIndex(name)));
}

bool SqliteStatement::step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    // The statement's own error, not a stale one of the connection.
    sqlite3_reset(statement_);
    fail(db_, rc);
}

void SqliteStatement::run() {
    while (step()) {
    }
}

void SqliteStatement::reset() {
    check(sqlite3_reset(statement_));
}

int SqliteStatement::columnCount() const {
    return sqlite3_column_count(statement_);
}

std::string SqliteStatement::columnName(int column) const {
    const char* name = sqlite3_column_name(statement_, column);
    return name != nullptr ? name : "";
}

bool SqliteStatement::columnIsNull(int column) const {
    return sqlite3_column_type(statement_, column) == SQLITE_NULL;
}

std::int64_t SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int64(statement_, column);
}

std::string SqliteStatement::columnText(int column) const {
    const auto* text = sqlite3_column_text(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text), size) : "";
}

std::string SqliteStatement::columnBlob(int column) const {
    const void* blob = sqlite3_column_blob(statement_, column);
    const int size = sqlite3_column_bytes(statement_, column);
    return blob != nullptr ? std::string(static_cast<const char*>(blob), size) : "";
}

// --- SqliteDatabase ---

SqliteDatabase::SqliteDatabase(const std::filesystem::path& path, Mode mode) {
    int flags = SQLITE_OPEN_FULLMUTEX;
    switch (mode) {
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::ReadWriteCreate:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    }
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const SqliteError error(rc, db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
        sqlite3_close(db_);
        db_ = nullptr;
        throw error;
    }
    sqlite3_extended_result_codes(db_, 1);
    // Another Dittaro process (the command-line companion) may hold a lock briefly.
    sqlite3_busy_timeout(db_, 2000);
}

SqliteDatabase::SqliteDatabase(SqliteDatabase&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)) {}

SqliteDatabase& SqliteDatabase::operator=(SqliteDatabase&& other) noexcept {
    if (this != &other) {
        sqlite3_close_v2(db_);
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

// close_v2 defers the close until statements still alive are finalised.
SqliteDatabase::~SqliteDatabase() {
    sqlite3_close_v2(db_);
}

void SqliteDatabase::check(int rc) const {
    if (rc != SQLITE_OK) {
        fail(db_, rc);
    }
}

void SqliteDatabase::execute(std::string_view sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, std::string(sql).c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string text = message != nullptr ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw SqliteError(rc, text);
    }
}

SqliteStatement SqliteDatabase::prepare(std::string_view sql) {
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.data(), byteCount(sql), &statement, &tail);
    if (rc != SQLITE_OK) {
        fail(db_, rc);
    }
    if (statement == nullptr) {
        throw SqliteError(SQLITE_MISUSE, "empty statement");
    }
    SqliteStatement result(db_, statement);
    // A second statement would silently be ignored.
    if (std::string_view rest(tail, sql.data() + sql.size() - tail);
        rest.find_first_not_of(" \t\r\n;") != std::string_view::npos) {
        throw SqliteError(SQLITE_MISUSE, "more than one statement: " + std::string(sql));
    }
    return result;
}

std::optional<std::int64_t> SqliteDatabase::queryInteger(std::string_view sql) {
    SqliteStatement statement = prepare(sql);
    if (!statement.step()) {
        return std::nullopt;
    }
    return statement.columnInt(0);
}

std::int64_t SqliteDatabase::lastInsertRowId() const {
    return sqlite3_last_insert_rowid(db_);
}

int SqliteDatabase::changes() const {
    return sqlite3_changes(db_);
}

void SqliteDatabase::close() {
    if (db_ == nullptr) {
        return;
    }
    const int rc = sqlite3_close(db_);
    if (rc != SQLITE_OK) {
        fail(db_, rc);
    }
    db_ = nullptr;
}

// --- SqliteTransaction ---

SqliteTransaction::SqliteTransaction(SqliteDatabase& db) : db_(db) {
    db_.execute("BEGIN");
}

SqliteTransaction::~SqliteTransaction() {
    if (open_) {
        try {
            db_.execute("ROLLBACK");
        } catch (const SqliteError&) {
            // SQLite may already have rolled back on its own after the error.
        }
    }
}

void SqliteTransaction::commit() {
    db_.execute("COMMIT");
    open_ = false;
}

} // namespace dittaro
