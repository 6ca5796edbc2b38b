#pragma once

// A small argument reader shared by the subcommands of dittaro-cli.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace dittaro::cli {

// A usage error or unreadable input: exit status 2 with a one-line message.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Options {
public:
    // valueOptions take an argument ("--bpm 60" or "--bpm=60"); flags do not.
    Options(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
            const std::set<std::string>& flags);

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    std::optional<std::string> value(const std::string& name) const;
    std::string value(const std::string& name, const std::string& fallback) const;
    int integer(const std::string& name, int fallback, int min, int max) const;
    double number(const std::string& name, double fallback) const;
    // "on" or "off".
    bool onOff(const std::string& name, bool fallback) const;
    bool helpRequested() const { return has("--help"); }

    const std::vector<std::string>& positional() const { return positional_; }
    // Exactly one positional argument, named in the error message.
    const std::string& single(const std::string& what) const;

private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

} // namespace dittaro::cli
