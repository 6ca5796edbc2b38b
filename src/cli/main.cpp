#include "cli/cli_options.h"
#include "cli/commands.h"

#include <clocale>
#include <exception>
#include <functional>
#include <iostream>
#include <map>

namespace {

using Command = std::function<int(const std::vector<std::string>&, std::ostream&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table = {
        {"timing", dittaro::cli::runTiming},
        {"render", dittaro::cli::runRender},
        {"groups", dittaro::cli::runGroups},
        {"mark", dittaro::cli::runMark},
    };
    return table;
}

void printUsage(std::ostream& out) {
    out << "usage: dittaro-cli COMMAND [OPTIONS] ...\ncommands:";
    for (const auto& [name, command] : commands()) {
        out << ' ' << name;
    }
    out << "\n'dittaro-cli COMMAND --help' describes one command.\n";
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    if (argc < 2) {
        printUsage(std::cerr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h") {
        printUsage(std::cout);
        return 0;
    }
    const auto command = commands().find(name);
    if (command == commands().end()) {
        std::cerr << "dittaro-cli: unknown command '" << name << "'\n";
        return 2;
    }
    try {
        return command->second(std::vector<std::string>(argv + 2, argv + argc), std::cout);
    } catch (const dittaro::cli::UsageError& error) {
        std::cerr << "dittaro-cli " << name << ": " << error.what() << '\n';
        return 2;
    } catch (const std::exception& error) {
        std::cerr << "dittaro-cli " << name << ": " << error.what() << '\n';
        return 2;
    }
}
