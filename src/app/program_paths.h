#pragma once

// The files of the program directory: the working directory at start-up, taken once.

#include <filesystem>
#include <string>

namespace dittaro {

// "hilfe.chm", "help.chm" or "aide.chm" for the interface language 1, 2 or 3.
std::string helpFileName(int language);

class ProgramPaths {
public:
    explicit ProgramPaths(std::filesystem::path directory) : directory_(std::move(directory)) {}

    const std::filesystem::path& directory() const { return directory_; }
    std::filesystem::path dataDatabase() const { return directory_ / "data/Dittaro_Data.sqlite"; }
    std::filesystem::path randomTextDatabase() const {
        return directory_ / "data/Dittaro_Randomtext.sqlite";
    }
    std::filesystem::path helpFile(int language) const {
        return directory_ / "doc" / helpFileName(language);
    }
    // Left over by an audio export whose encoder was not awaited.
    std::filesystem::path temporaryWav() const { return directory_ / "wav/Temp.wav"; }

private:
    std::filesystem::path directory_;
};

} // namespace dittaro
