#include "program_directory.h"

#include "common/sqlite_database.h"

#include <QApplication>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace dittaro::test {

namespace fs = std::filesystem;

void ensureApplication() {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        new QApplication(argc, argv);
    }
}

namespace {

const fs::path kDist = fs::path(DITTARO_BINARY_DIR) / "dist";
// The databases as built: the staged ones may hold settings changed by hand.
const fs::path kPristineData = DITTARO_PRISTINE_DATA_DIR;

std::string uniqueName() {
    static int counter = 0;
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info != nullptr ? info->name() : "setup";
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    return "dittaro-app-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + "-" + name;
}

} // namespace

ProgramDirectory::ProgramDirectory() : path_(fs::temp_directory_path() / uniqueName()) {
    fs::remove_all(path_);
    for (const char* folder : {"data", "doc", "texte", "wav", "mp3", "ogg", "cw1"}) {
        fs::create_directories(path_ / folder);
    }
    fs::create_symlink(kDist / "libdittaro-audio.so", path_ / "libdittaro-audio.so");
    for (const char* help : {"hilfe.chm", "help.chm", "aide.chm"}) {
        fs::create_symlink(kDist / "doc" / help, path_ / "doc" / help);
    }
    for (const char* database : {"Dittaro_Data.sqlite", "Dittaro_Randomtext.sqlite"}) {
        fs::copy_file(kPristineData / database, path_ / "data" / database);
    }
}

ProgramDirectory::~ProgramDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ProgramDirectory::execute(const std::string& sql) const {
    SqliteDatabase db(dataDatabase());
    db.execute(sql);
}

std::string ProgramDirectory::text(const std::string& sql) const {
    SqliteDatabase db(dataDatabase(), SqliteDatabase::Mode::ReadOnly);
    SqliteStatement statement = db.prepare(sql);
    return statement.step() ? statement.columnText(0) : std::string();
}

long long ProgramDirectory::integer(const std::string& sql) const {
    SqliteDatabase db(dataDatabase(), SqliteDatabase::Mode::ReadOnly);
    const auto value = db.queryInteger(sql);
    if (!value) {
        throw std::runtime_error("no row: " + sql);
    }
    return *value;
}

std::string ProgramDirectory::settingsDump() const {
    SqliteDatabase db(dataDatabase(), SqliteDatabase::Mode::ReadOnly);
    std::string out;
    for (const char* table : {"kochtrainer", "voreinstellungen"}) {
        SqliteStatement statement = db.prepare(std::string("SELECT * FROM ") + table);
        while (statement.step()) {
            for (int c = 0; c < statement.columnCount(); ++c) {
                out += statement.columnName(c) + "=" + statement.columnText(c) + ";";
            }
        }
    }
    return out;
}

std::string ProgramDirectory::bytes(const fs::path& relative) const {
    std::ifstream file(path_ / relative, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void ProgramDirectory::useWrongAudioVersion() const {
    fs::remove(path_ / "libdittaro-audio.so");
    fs::create_symlink(WRONG_VERSION_AUDIO_LIBRARY, path_ / "libdittaro-audio.so");
}

} // namespace dittaro::test
