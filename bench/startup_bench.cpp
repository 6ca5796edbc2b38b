// Start-up: from starting the process to the main window shown (offscreen, silent audio
// device), in a program directory of its own. Each iteration starts a fresh process, so the
// time includes loading the libraries, Qt's start, the checks, the settings, the languages
// and the first paint. Target: under 400 ms.

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The staged help files and audio library, copies of the databases, the empty folders.
class ProgramDirectory {
public:
    ProgramDirectory()
        : path_(fs::temp_directory_path() / ("dittaro-startup-bench-" + std::to_string(getpid()))) {
        const fs::path dist(DITTARO_DIST_DIR);
        fs::remove_all(path_);
        for (const char* folder : {"data", "doc", "texte", "wav", "mp3", "ogg", "cw1", "run"}) {
            fs::create_directories(path_ / folder);
        }
        fs::permissions(path_ / "run", fs::perms::owner_all);
        fs::create_symlink(dist / "libdittaro-audio.so", path_ / "libdittaro-audio.so");
        for (const char* help : {"hilfe.chm", "help.chm", "aide.chm"}) {
            fs::create_symlink(dist / "doc" / help, path_ / "doc" / help);
        }
        for (const char* database : {"Dittaro_Data.sqlite", "Dittaro_Randomtext.sqlite"}) {
            fs::copy_file(dist / "data" / database, path_ / "data" / database);
        }
    }
    ~ProgramDirectory() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

// Starts the probe in the directory and returns the seconds it reports.
double startToShown(const ProgramDirectory& dir) {
    int out[2];
    if (pipe(out) != 0) {
        throw std::runtime_error("pipe");
    }
    std::vector<std::string> environment;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry(*e);
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("DITTARO_AUDIO=", 0) != 0 &&
            entry.rfind("XDG_RUNTIME_DIR=", 0) != 0) {
            environment.push_back(entry);
        }
    }
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    environment.push_back("DITTARO_AUDIO=null");
    environment.push_back("XDG_RUNTIME_DIR=" + (dir.path() / "run").string());
    const auto start = std::chrono::steady_clock::now();
    environment.push_back("DITTARO_START_NS=" +
                          std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                             start.time_since_epoch())
                                             .count()));
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = STARTUP_PROBE;
    char* argv[] = {program.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // The offscreen platform's notes would drown the figures.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addchdir_np(&actions, dir.path().c_str());
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        throw std::runtime_error("cannot start " + program);
    }
    std::string reported;
    char buffer[64];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        reported.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || reported.empty()) {
        throw std::runtime_error("the probe did not start: " + reported);
    }
    return std::stod(reported) / 1e9;
}

void StartupToWindowShown(benchmark::State& state) {
    const ProgramDirectory dir;
    try {
        for (auto _ : state) {
            state.SetIterationTime(startToShown(dir));
        }
    } catch (const std::exception& error) {
        state.SkipWithError(error.what());
    }
}
BENCHMARK(StartupToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
