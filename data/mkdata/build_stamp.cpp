#include "build_stamp.h"

#include "common/text_file.h"

#include <fstream>
#include <string>

namespace dittaro::mkdata {
namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t fnv(std::uint64_t hash, std::string_view bytes) {
    for (unsigned char c : bytes) {
        hash = (hash ^ c) * kFnvPrime;
    }
    return hash;
}

struct Stamp {
    std::uint64_t inputs = 0;
    std::uint64_t database = 0;
};

bool readStamp(const fs::path& file, Stamp& stamp) {
    std::ifstream in(file);
    std::string inputsKey;
    std::string databaseKey;
    in >> inputsKey >> std::hex >> stamp.inputs >> databaseKey >> std::hex >> stamp.database;
    return in && inputsKey == "inputs" && databaseKey == "database";
}

} // namespace

std::uint64_t fingerprintFiles(const std::vector<fs::path>& files) {
    std::uint64_t hash = kFnvOffset;
    for (const fs::path& file : files) {
        const std::string name = file.filename().string();
        const std::string bytes = readFileBytes(file);
        const std::string sizes = std::to_string(name.size()) + ":" + std::to_string(bytes.size());
        hash = fnv(fnv(fnv(hash, sizes), name), bytes);
    }
    return hash;
}

std::uint64_t fileHash(const fs::path& file) {
    return fnv(kFnvOffset, readFileBytes(file));
}

BuildDecision decideBuild(const fs::path& database, const fs::path& stamp, std::uint64_t inputs) {
    // An empty file holds no settings of the user's: it is left over from a failed start
    // or copy and would only keep the program from starting.
    if (!fs::exists(database) || fs::file_size(database) == 0) {
        return BuildDecision::Build;
    }
    Stamp previous;
    if (!readStamp(stamp, previous) || previous.database != fileHash(database)) {
        return BuildDecision::KeepUserFile;
    }
    return previous.inputs == inputs ? BuildDecision::UpToDate : BuildDecision::Build;
}

void writeStamp(const fs::path& stamp, std::uint64_t inputs, const fs::path& database) {
    fs::create_directories(stamp.parent_path());
    std::ofstream out(stamp, std::ios::trunc);
    out << "inputs " << std::hex << inputs << "\ndatabase " << fileHash(database) << "\n";
    if (!out) {
        throw std::runtime_error("cannot write " + stamp.string());
    }
}

} // namespace dittaro::mkdata
