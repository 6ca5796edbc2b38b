// dittaro-mkdata: builds Dittaro_Data.sqlite and Dittaro_Randomtext.sqlite in the
// program directory from the readable sources under data/.
//
//   dittaro-mkdata --source DATA_DIR --out DIST_DATA_DIR --stamps STAMP_DIR [--fresh]
//
// Without --fresh a database is only built when it is missing, or when its inputs
// changed and the file is still exactly as the build wrote it: the user's settings
// and imports are never overwritten. --fresh rebuilds both.

#include "build_stamp.h"
#include "database_builder.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

namespace fs = std::filesystem;
using namespace dittaro::mkdata;

struct Options {
    fs::path source;
    fs::path out;
    fs::path stamps;
    bool fresh = false;
};

bool parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--fresh") {
            options.fresh = true;
        } else if (arg == "--source" && hasValue) {
            options.source = argv[++i];
        } else if (arg == "--out" && hasValue) {
            options.out = argv[++i];
        } else if (arg == "--stamps" && hasValue) {
            options.stamps = argv[++i];
        } else {
            return false;
        }
    }
    return !options.source.empty() && !options.out.empty() && !options.stamps.empty();
}

// A rebuilt tool may write the databases differently.
std::uint64_t toolIdentity() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return 0;
    }
    const auto size = fs::file_size(self, ec);
    const auto time = fs::last_write_time(self, ec).time_since_epoch().count();
    return static_cast<std::uint64_t>(size) * 1000003u ^ static_cast<std::uint64_t>(time);
}

using Builder = void (*)(const fs::path&, const fs::path&, std::vector<std::string>&);

void update(const Options& options, const std::string& name, const std::vector<fs::path>& sources,
            Builder build) {
    const fs::path database = options.out / name;
    const fs::path stamp = options.stamps / (name + ".stamp");
    const std::uint64_t inputs = fingerprintFiles(sources) ^ toolIdentity();
    const BuildDecision decision =
        options.fresh ? BuildDecision::Build : decideBuild(database, stamp, inputs);
    if (decision == BuildDecision::UpToDate) {
        return;
    }
    if (decision == BuildDecision::KeepUserFile) {
        // Said once: without the stamp the file counts as the user's from now on.
        if (fs::remove(stamp)) {
            std::printf("dittaro-mkdata: %s has changed since it was built and is kept; "
                        "build the target fresh-data to recreate it\n",
                        database.c_str());
        }
        return;
    }
    std::vector<std::string> warnings;
    build(options.source, database, warnings);
    writeStamp(stamp, inputs, database);
    for (const std::string& warning : warnings) {
        std::fprintf(stderr, "dittaro-mkdata: warning: %s\n", warning.c_str());
    }
    std::printf("dittaro-mkdata: built %s\n", database.c_str());
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: dittaro-mkdata --source DATA_DIR --out DIST_DATA_DIR "
                             "--stamps STAMP_DIR [--fresh]\n");
        return 2;
    }
    try {
        update(options, "Dittaro_Data.sqlite", dataDatabaseSources(options.source),
               buildDataDatabase);
        update(options, "Dittaro_Randomtext.sqlite", randomTextDatabaseSources(options.source),
               buildRandomTextDatabase);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dittaro-mkdata: error: %s\n", e.what());
        return 1;
    }
    return 0;
}
