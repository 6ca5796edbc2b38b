#include "common/sqlite_database.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

class SqliteDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("dittaro_sqlite_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path dir_;
};

TEST_F(SqliteDatabaseTest, OpenModesDecideWhetherAMissingFileIsCreated) {
    struct Case {
        SqliteDatabase::Mode mode;
        bool opens;
    };
    const Case cases[] = {
        {SqliteDatabase::Mode::ReadWrite, false},
        {SqliteDatabase::Mode::ReadOnly, false},
        {SqliteDatabase::Mode::ReadWriteCreate, true},
    };
    for (const Case& tc : cases) {
        const fs::path path = dir_ / "missing.sqlite";
        fs::remove(path);
        if (tc.opens) {
            SqliteDatabase db(path, tc.mode);
            EXPECT_TRUE(db.isOpen());
        } else {
            EXPECT_THROW(SqliteDatabase(path, tc.mode), SqliteError);
        }
        EXPECT_EQ(fs::exists(path), tc.opens);
    }
}

TEST_F(SqliteDatabaseTest, ValuesComeBackByteForByte) {
    struct Case {
        const char* what;
        std::string bytes;
        bool asBlob;
    };
    const Case cases[] = {
        {"zero bytes in a blob", std::string("\x01\x00\x7f\x00\xff", 5), true},
        {"zero bytes in text", std::string("ab\0cd", 5), false},
        {"Windows-1252 umlauts in text", "\xC4\xD6\xDC\xE4\xF6\xFC", false},
        {"empty blob", "", true},
        {"empty text", "", false},
    };
    SqliteDatabase db(dir_ / "bytes.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
    db.execute("CREATE TABLE t (v TEXT)");
    for (const Case& tc : cases) {
        db.execute("DELETE FROM t");
        SqliteStatement insert = db.prepare("INSERT INTO t (v) VALUES (:v)");
        if (tc.asBlob) {
            insert.bindBlob(":v", tc.bytes);
        } else {
            insert.bindText(":v", tc.bytes);
        }
        insert.run();
        SqliteStatement select = db.prepare("SELECT v, length(CAST(v AS BLOB)) FROM t");
        ASSERT_TRUE(select.step()) << tc.what;
        EXPECT_FALSE(select.columnIsNull(0)) << tc.what;
        EXPECT_EQ(select.columnBlob(0), tc.bytes) << tc.what;
        EXPECT_EQ(select.columnText(0), tc.bytes) << tc.what;
        EXPECT_EQ(select.columnInt(1), static_cast<std::int64_t>(tc.bytes.size())) << tc.what;
    }
}

TEST_F(SqliteDatabaseTest, IntegersKeepTheir64Bits) {
    SqliteDatabase db(dir_ / "ints.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
    db.execute("CREATE TABLE t (v INTEGER)");
    for (std::int64_t value :
         {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1} << 40,
          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
        db.execute("DELETE FROM t");
        SqliteStatement insert = db.prepare("INSERT INTO t (v) VALUES (:wert)");
        insert.bind(":wert", value);
        insert.run();
        EXPECT_EQ(db.queryInteger("SELECT v FROM t"), value);
    }
}

TEST_F(SqliteDatabaseTest, ErrorsCarrySqlitesMessage) {
    SqliteDatabase db(dir_ / "errors.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
    db.execute("CREATE TABLE t (v INTEGER UNIQUE)");
    struct Case {
        const char* what;
        std::function<void()> action;
        std::string message;
    };
    const Case cases[] = {
        {"missing table in prepare", [&] { db.prepare("SELECT * FROM missing"); },
         "no such table: missing"},
        {"missing table in execute", [&] { db.execute("DELETE FROM missing"); },
         "no such table: missing"},
        {"syntax", [&] { db.prepare("SELEC 1"); }, "near \"SELEC\": syntax error"},
        {"unknown parameter",
         [&] { db.prepare("INSERT INTO t (v) VALUES (:wert)").bind(":other", 1); },
         "no such parameter: :other"},
        {"constraint in step",
         [&] {
             db.execute("INSERT INTO t (v) VALUES (1)");
             db.execute("INSERT INTO t (v) VALUES (1)");
         },
         "UNIQUE constraint failed: t.v"},
        {"second statement ignored otherwise", [&] { db.prepare("DELETE FROM t; DROP TABLE t"); },
         "more than one statement: DELETE FROM t; DROP TABLE t"},
    };
    for (const Case& tc : cases) {
        try {
            tc.action();
            ADD_FAILURE() << tc.what << ": no error";
        } catch (const SqliteError& e) {
            EXPECT_EQ(std::string(e.what()), tc.message) << tc.what;
        }
    }
    EXPECT_EQ(db.queryInteger("SELECT Count(*) FROM t"), 1) << "the table survived";
}

TEST_F(SqliteDatabaseTest, StatementCanRunAgainAfterAFailedStep) {
    SqliteDatabase db(dir_ / "again.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
    db.execute("CREATE TABLE t (v INTEGER UNIQUE)");
    SqliteStatement insert = db.prepare("INSERT INTO t (v) VALUES (:wert)");
    insert.bind(":wert", 7);
    insert.run();
    insert.reset();
    try {
        insert.run();
        ADD_FAILURE() << "duplicate accepted";
    } catch (const SqliteError& e) {
        EXPECT_EQ(std::string(e.what()), "UNIQUE constraint failed: t.v");
    }
    insert.reset();
    insert.bind(":wert", 8);
    insert.run();
    EXPECT_EQ(db.queryInteger("SELECT Sum(v) FROM t"), 15);
}

TEST_F(SqliteDatabaseTest, TransactionCommitsOrRollsBack) {
    const fs::path path = dir_ / "tx.sqlite";
    {
        SqliteDatabase db(path, SqliteDatabase::Mode::ReadWriteCreate);
        db.execute("CREATE TABLE t (v INTEGER)");
        {
            SqliteTransaction tx(db);
            db.execute("INSERT INTO t VALUES (1)");
            tx.commit();
        }
        try {
            SqliteTransaction tx(db);
            db.execute("INSERT INTO t VALUES (2)");
            db.execute("INSERT INTO missing VALUES (3)");
            tx.commit();
        } catch (const SqliteError&) {
        }
        // Usable again: no transaction left open.
        SqliteTransaction tx(db);
        db.execute("INSERT INTO t VALUES (4)");
        tx.commit();
        db.close();
        EXPECT_FALSE(db.isOpen());
    }
    SqliteDatabase reopened(path, SqliteDatabase::Mode::ReadOnly);
    SqliteStatement rows = reopened.prepare("SELECT v FROM t ORDER BY v");
    std::string seen;
    while (rows.step()) {
        seen += std::to_string(rows.columnInt(0));
    }
    EXPECT_EQ(seen, "14");
}

TEST_F(SqliteDatabaseTest, QueryIntegerWithoutRowIsEmpty) {
    SqliteDatabase db(dir_ / "q.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
    db.execute("CREATE TABLE t (v INTEGER)");
    EXPECT_EQ(db.queryInteger("SELECT v FROM t"), std::nullopt);
    EXPECT_EQ(db.queryInteger("SELECT Count(v) FROM t"), 0);
}

TEST_F(SqliteDatabaseTest, StatementMayOutliveItsDatabaseObject) {
    std::optional<SqliteStatement> statement;
    {
        SqliteDatabase db(dir_ / "late.sqlite", SqliteDatabase::Mode::ReadWriteCreate);
        db.execute("CREATE TABLE t (v INTEGER); INSERT INTO t VALUES (5)");
        statement.emplace(db.prepare("SELECT v FROM t"));
    }
    ASSERT_TRUE(statement->step());
    EXPECT_EQ(statement->columnInt(0), 5);
}

} // namespace
} // namespace dittaro
