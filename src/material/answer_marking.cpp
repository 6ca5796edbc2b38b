#include "material/answer_marking.h"

#include "common/regex.h"
#include "common/text.h"

#include <algorithm>
#include <charconv>
#include <memory>
#include <numeric>

namespace dittaro {
namespace {

struct Rule {
    std::unique_ptr<Regex> pattern;
    std::string replacement;
};

using Rules = std::vector<Rule>;

Rules compile(std::initializer_list<std::pair<const char*, const char*>> table) {
    Rules rules;
    for (const auto& [pattern, replacement] : table) {
        rules.push_back({std::make_unique<Regex>(pattern, Quantifiers::Lazy), replacement});
    }
    return rules;
}

// Applied to every text, in this order. The tags and bracketed remarks of a sent text are
// dropped after the three prosigns the learner types as signs.
const Rules& fixedRules() {
    static const Rules rules = compile({
        {"\\[ar\\]", "+"},
        {"\\[bt\\]", "="},
        {"\\[kn\\]", "("},
        {"<.*>", ""},
        {"\\[.*\\]", ""},
        {"\xC4", "\xE4"},                   // Ä
        {"\xD6", "\xF6"},                   // Ö
        {"\xDC", "\xFC"},                   // Ü
        {"\xC9", "\xE9"},                   // É
        {"\xC8", "\xE8"},                   // È
        {"[\xE1\xE0\xC5\xC1\xC0]", "\xE5"}, // á à Å Á À -> å
        {"\r\n", " "},
        {"[\r\n\t\f]", " "},
        {"[_^]", " "},
        {"!", "."},
        {"\\$", "dollar"},
        {"\x80", "euro"},
        {"\x89", "promille"},
        {"\xA3", "pfund"},
        {"\xA7", "paragraf"},
        {"[\xB0\xBA]", "grad"},
        {"[\xD7\x95]", "*"}, // × •
        {"\xF7", ":"},       // ÷
        {"\xB5", "micro"},
        {"\xB1", "+-"},
        {"[\x84\x93\x94\xAB\xBB]", "\""}, // „ “ ” « »
        {"#", "nr."},
        {"%", "prozent"},
        {"~", "ca."},
        {"&", "+"},
        {"\\\\", "/"},
        {"\\{", "("},
        {"\\}", ")"},
        {"[\\|\xA6]", ","},
        {"[`\xB4]", "'"},
        {" +\\. ", ". "},
        {" +, ", ", "},
        {" +: ", ": "},
    });
    return rules;
}

const Rules& umlautRules() {
    static const Rules rules = compile({{"\xE4", "ae"}, {"\xF6", "oe"}, {"\xFC", "ue"}});
    return rules;
}

const Rules& accentRules() {
    static const Rules rules = compile({{"[\xE9\xE8]", "e"}, {"[\xE1\xE0\xE5\xC1\xC0]", "a"}});
    return rules;
}

const Rules& szRules() {
    static const Rules rules = compile({{"\xDF", "ss"}});
    return rules;
}

std::string applied(const Rules& rules, std::string text) {
    for (const Rule& rule : rules) {
        text = rule.pattern->replaceAll(text, rule.replacement);
    }
    return text;
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

// Windows-1252 lower case: A-Z, the Latin-1 capitals and the four others of the code page.
unsigned char lowerCp1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

// An empty (trimmed) text has no words at all.
std::vector<std::string> words(std::string_view text) {
    static const Regex blanks(" +");
    std::vector<std::string> result;
    const std::string_view trimmedText = trimmed(text);
    if (trimmedText.empty()) {
        return result;
    }
    std::size_t start = 0;
    for (const RegexMatch& run : blanks.findAll(trimmedText)) {
        result.emplace_back(trimmedText.substr(start, run.offset - start));
        start = run.offset + run.length;
    }
    result.emplace_back(trimmedText.substr(start));
    return result;
}

// The intro group counts as copied when the first typed word and the group agree over the
// shorter length; otherwise it is not marked at all.
void alignKochIntro(std::vector<std::string>& referenceWords,
                    std::vector<std::string>& answerWords) {
    if (referenceWords.empty() || answerWords.empty()) {
        return;
    }
    const std::string& intro = referenceWords.front();
    std::string& typed = answerWords.front();
    const std::size_t common = std::min(intro.size(), typed.size());
    if (intro.compare(0, common, typed, 0, common) == 0) {
        typed = intro;
    } else {
        referenceWords.erase(referenceWords.begin());
    }
}

} // namespace

std::string normalizeForMarking(std::string_view text, const MarkingOptions& options) {
    std::string normalized = applied(fixedRules(), lowerAscii(text));
    if (!options.groups) {
        if (options.umlautExpansion) {
            normalized = applied(umlautRules(), std::move(normalized));
        }
        if (options.accentFolding) {
            normalized = applied(accentRules(), std::move(normalized));
        }
        if (options.szExpansion) {
            normalized = applied(szRules(), std::move(normalized));
        }
    }
    return normalized;
}

int levenshtein(std::string_view a, std::string_view b) {
    std::vector<int> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = lowerCp1252(static_cast<unsigned char>(a[i - 1])) ==
                              lowerCp1252(static_cast<unsigned char>(b[j - 1]));
            const int substitution = diagonal + (same ? 0 : 1);
            diagonal = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, substitution});
        }
    }
    return row[b.size()];
}

MarkingResult markAnswer(std::string_view reference, std::string_view answer,
                         const MarkingOptions& options) {
    MarkingResult result;
    result.reference = normalizeForMarking(std::string(reference) + ' ', options);
    result.answer = normalizeForMarking(std::string(answer) + ' ', options);
    result.characters = static_cast<int>(std::count_if(
        result.reference.begin(), result.reference.end(), [](char c) { return c != ' '; }));

    std::vector<std::string> referenceWords = words(result.reference);
    std::vector<std::string> answerWords = words(result.answer);
    if (options.kochIntro) {
        alignKochIntro(referenceWords, answerWords);
    }
    if (referenceWords.size() != answerWords.size()) {
        result.wordCountDiffers = true;
        return result;
    }
    for (std::size_t i = 0; i < referenceWords.size(); ++i) {
        if (referenceWords[i] != answerWords[i]) {
            result.errors += levenshtein(referenceWords[i], answerWords[i]);
            result.wrongWords.push_back({referenceWords[i], answerWords[i]});
        }
    }
    return result;
}

std::string resultLine(int errors, int characters, std::string_view decimalSeparator) {
    // A reference that normalises to nothing has nothing to get wrong.
    const double percent = characters == 0 ? 0.0 : errors * 100.0 / characters;
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 1);
    std::string number(buffer, ec == std::errc() ? end : buffer);
    const std::size_t point = number.find('.');
    if (point != std::string::npos) {
        number.replace(point, 1, decimalSeparator);
    }
    return std::to_string(errors) + " / " + std::to_string(characters) + " = " + number + " %";
}

} // namespace dittaro
