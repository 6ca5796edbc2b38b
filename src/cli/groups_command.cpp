#include "cli/cli_options.h"
#include "cli/commands.h"
#include "common/cp1252.h"
#include "common/random.h"
#include "material/random_groups.h"

#include <charconv>
#include <iostream>

namespace dittaro::cli {
namespace {

constexpr const char* kHelp =
    R"(usage: dittaro-cli groups --set CHARS [OPTIONS]
Draws random character groups as "Zeichen Start" does, from one character pool kept over
all exercises, and prints each practice text on its own line.
  --set CHARS        the character set (fewer than 2 characters: a..z and 0..9)
  --count N          groups per exercise, 2..99 (default 5)
  --length L         characters per group, 2..5 (default 5)
  --repeat R         times each group is sent, 1..3 (default 1)
  --exercises K      exercises drawn one after another (default 1)
  --seed S           seed of the random generator (default: the clock)
  --koch-order ORDER --koch-level N
                     Koch mode: draw from the first N characters of ORDER
)";

std::uint64_t seedOption(const std::string& text) {
    std::uint64_t seed = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, seed);
    if (ec != std::errc() || ptr != end) {
        throw UsageError("--seed takes a whole number from 0 up");
    }
    return seed;
}

} // namespace

int runGroups(const std::vector<std::string>& args, std::ostream& out) {
    const Options options(args,
                          {"--set", "--count", "--length", "--repeat", "--exercises", "--seed",
                           "--koch-order", "--koch-level"},
                          {});
    if (options.helpRequested()) {
        out << kHelp;
        return 0;
    }
    if (!options.positional().empty()) {
        throw UsageError("unexpected argument " + options.positional().front());
    }
    const auto set = options.value("--set");
    if (!set) {
        throw UsageError("--set is required");
    }
    if (options.has("--koch-order") != options.has("--koch-level")) {
        throw UsageError("--koch-order and --koch-level go together");
    }
    GroupRequest request;
    request.characterSet = utf8ToCp1252(*set);
    request.count = options.integer("--count", 5, 2, 99);
    request.groupLength = options.integer("--length", 5, 2, 5);
    request.repeat = options.integer("--repeat", 1, 1, 3);
    request.kochMode = options.has("--koch-order");
    request.kochOrder = utf8ToCp1252(options.value("--koch-order", ""));
    request.kochLevel = options.integer("--koch-level", 2, 2, 1000);
    const int exercises = options.integer("--exercises", 1, 1, 100000);
    if (const auto seed = options.value("--seed")) {
        seedRandom(seedOption(*seed));
    } else {
        randomize();
    }

    CharacterPool pool;
    for (int i = 0; i < exercises; ++i) {
        GroupDrawResult result = pool.draw(request);
        if (result.nothingToDraw) {
            std::cerr << "dittaro-cli groups: fewer than 2 characters to draw from\n";
            return 1;
        }
        if (result.characterSet) {
            request.characterSet = *result.characterSet;
        }
        out << cp1252ToUtf8(result.exercise.practiceText) << '\n';
    }
    return 0;
}

} // namespace dittaro::cli
