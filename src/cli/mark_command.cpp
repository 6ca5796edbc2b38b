#include "cli/cli_options.h"
#include "cli/commands.h"
#include "common/cp1252.h"
#include "material/answer_marking.h"

#include <clocale>
#include <iostream>

namespace dittaro::cli {
namespace {

constexpr const char* kHelp =
    R"(usage: dittaro-cli mark [OPTIONS] REFERENCE ANSWER
Marks ANSWER against REFERENCE as "Fehler anzeigen" does: prints the result line
"E / C = P %", then each wrong word pair as "sent<TAB>typed", or "no errors".
When the numbers of words differ it prints "word count differs" and exits with 1.
  --groups           a "Zeichen Start" exercise: the replacement options are skipped
  --koch             a Koch mode exercise: the first word is the intro group (implies --groups)
  --umlaute on|off   ä -> ae / ö -> oe / ü -> ue (default on)
  --akzente on|off   á -> a / à -> a / å -> a / é -> e / è -> e (default on)
  --sz on|off        ß -> ss (default on)
)";

} // namespace

int runMark(const std::vector<std::string>& args, std::ostream& out) {
    const Options options(args, {"--umlaute", "--akzente", "--sz"}, {"--groups", "--koch"});
    if (options.helpRequested()) {
        out << kHelp;
        return 0;
    }
    if (options.positional().size() != 2) {
        throw UsageError("expected REFERENCE and ANSWER");
    }
    MarkingOptions marking;
    marking.kochIntro = options.has("--koch");
    marking.groups = options.has("--groups") || marking.kochIntro;
    marking.umlautExpansion = options.onOff("--umlaute", true);
    marking.accentFolding = options.onOff("--akzente", true);
    marking.szExpansion = options.onOff("--sz", true);

    const std::string reference = utf8ToCp1252(options.positional()[0]);
    if (reference.empty()) {
        std::cerr << "dittaro-cli mark: nothing to mark against\n";
        return 1;
    }
    const MarkingResult result =
        markAnswer(reference, utf8ToCp1252(options.positional()[1]), marking);
    if (result.wordCountDiffers) {
        out << "word count differs\n";
        return 1;
    }
    out << resultLine(result.errors, result.characters, std::localeconv()->decimal_point) << '\n';
    if (result.wrongWords.empty()) {
        out << "no errors\n";
    }
    for (const WordPair& pair : result.wrongWords) {
        out << cp1252ToUtf8(pair.sent) << '\t' << cp1252ToUtf8(pair.typed) << '\n';
    }
    return 0;
}

} // namespace dittaro::cli
