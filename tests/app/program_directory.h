#pragma once

// A program directory for one test: the staged help files and audio library of the build,
// fresh copies of both databases, and the empty folders the program writes into.

#include <filesystem>
#include <string>

namespace dittaro::test {

// A QApplication for the widget tests (offscreen).
void ensureApplication();

class ProgramDirectory {
public:
    ProgramDirectory();
    ~ProgramDirectory();
    ProgramDirectory(const ProgramDirectory&) = delete;
    ProgramDirectory& operator=(const ProgramDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path dataDatabase() const { return path_ / "data/Dittaro_Data.sqlite"; }

    // Runs statements on the data database.
    void execute(const std::string& sql) const;
    std::string text(const std::string& sql) const;
    long long integer(const std::string& sql) const;
    // Every value of both settings rows, "column=value;" one after another.
    std::string settingsDump() const;
    // The bytes of a file of the directory.
    std::string bytes(const std::filesystem::path& relative) const;

    // Replaces the audio library by a test build that reports another interface version.
    void useWrongAudioVersion() const;

private:
    std::filesystem::path path_;
};

} // namespace dittaro::test
