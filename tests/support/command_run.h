#pragma once

// Runs a shell command line and keeps its exit status and standard output, for the tests
// that drive dittaro-cli and the encoders as a user would.

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace dittaro::test {

struct CommandRun {
    int status = -1; // -1 when the command did not exit normally
    std::string out;
};

inline CommandRun runCommand(const std::string& command) {
    CommandRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer;
    while (std::size_t n = fread(buffer.data(), 1, buffer.size(), pipe)) {
        run.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// dittaro-cli with the given arguments (already shell-quoted) in the given environment,
// standard error discarded.
inline CommandRun runCli(const std::string& args, const std::string& environment = "LC_ALL=C") {
    return runCommand(environment + " " + DITTARO_CLI + " " + args + " 2>/dev/null");
}

} // namespace dittaro::test
