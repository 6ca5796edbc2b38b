#include "engine/normalizer.h"

#include "common/regex.h"
#include "common/text.h"
#include "engine/morse_code.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace dittaro {
namespace {

struct Step {
    std::unique_ptr<Regex> pattern;
    std::string replacement;
};

Step lazy(std::string_view pattern, std::string_view replacement) {
    return {std::make_unique<Regex>(pattern, Quantifiers::Lazy), std::string(replacement)};
}

// Steps 1 to 26: independent of the options. Patterns are Windows-1252 bytes.
std::vector<Step> makeLeadingSteps() {
    std::vector<Step> steps;
    steps.push_back(lazy(R"(\s{1})", " "));
    steps.push_back(lazy(R"(\^)", " "));
    steps.push_back({std::make_unique<Regex>(" {6,}", Quantifiers::Greedy), "     "});
    steps.push_back(lazy("!", "."));
    steps.push_back(lazy("B", "b"));
    steps.push_back(lazy("_", "B"));
    steps.push_back(lazy(R"(\$)", "Dollar"));
    steps.push_back(lazy("\x80", "Euro"));
    steps.push_back(lazy("\x89", "Promille"));
    steps.push_back(lazy("\xA3", "Pfund"));
    steps.push_back(lazy("\xA7", "Paragraf"));
    steps.push_back(lazy("[\xB0\xBA]", "Grad"));
    steps.push_back(lazy("[\xD7\x95]", "*"));
    steps.push_back(lazy("\xF7", "/"));
    steps.push_back(lazy("\xB5", "Micro"));
    steps.push_back(lazy("\xB1", "+-"));
    steps.push_back(lazy("[\x84\x93\x94\xAB\xBB]", "\""));
    steps.push_back(lazy("#", "Nr."));
    steps.push_back(lazy("%", "Prozent"));
    steps.push_back(lazy("~", "ca."));
    steps.push_back(lazy("&", "+"));
    steps.push_back(lazy(R"(\\)", "/"));
    steps.push_back(lazy(R"(\{)", "("));
    steps.push_back(lazy(R"(\})", ")"));
    steps.push_back(lazy("[\\|\xA6]", ","));
    steps.push_back(lazy("[`\xB4]", "'"));
    return steps;
}

struct OptionStep {
    std::unique_ptr<Regex> pattern;
    bool ConversionOptions::*option;
    std::string whenSet;
    std::string whenClear;
};

OptionStep optionStep(std::string_view pattern, bool ConversionOptions::*option,
                      std::string_view whenSet, std::string_view whenClear) {
    return {std::make_unique<Regex>(pattern, Quantifiers::Lazy), option, std::string(whenSet),
            std::string(whenClear)};
}

// Steps 27 to 34; step 31 does nothing unless "ch" is to be one character.
std::vector<OptionStep> makeOptionSteps() {
    std::vector<OptionStep> steps;
    steps.push_back(optionStep("[\xE4\xC4]", &ConversionOptions::umlautExpansion, "ae", "\\"));
    steps.push_back(optionStep("[\xF6\xD6]", &ConversionOptions::umlautExpansion, "oe", "^"));
    steps.push_back(optionStep("[\xFC\xDC]", &ConversionOptions::umlautExpansion, "ue", "_"));
    steps.push_back(optionStep("\xDF", &ConversionOptions::szExpansion, "ss", "{"));
    steps.push_back(optionStep("(ch|CH|Ch|cH)", &ConversionOptions::chAsOneCharacter, "|", ""));
    steps.push_back(optionStep("[\xE9\xC9]", &ConversionOptions::accentFolding, "e", "`"));
    steps.push_back(optionStep("[\xE8\xC8]", &ConversionOptions::accentFolding, "e", "}"));
    steps.push_back(
        optionStep("[\xE0\xE1\xE5\xC0\xC1\xC5]", &ConversionOptions::accentFolding, "a", "~"));
    return steps;
}

// Steps 35 to 43: prosigns claim their internal characters, then every byte from
// 128 up that is still there goes, so that only control codes live up there.
std::vector<Step> makeProsignSteps() {
    std::vector<Step> steps;
    steps.push_back(lazy(R"(\[(ve|Ve|vE|VE|sn|Sn|sN|SN)\])", "!"));
    steps.push_back(lazy(R"(\[(hh|Hh|hH|HH)\])", "#"));
    steps.push_back(lazy(R"(\[(ka|Ka|kA|KA|ct|Ct|cT|CT)\])", "$"));
    steps.push_back(lazy(R"(\[(sk|Sk|sK|SK)\])", "%"));
    steps.push_back(lazy(R"(\[(eb|Eb|eB|EB|as|As|aS|AS)\])", "&"));
    steps.push_back(lazy(R"(\[(ar|Ar|aR|AR)\])", "+"));
    steps.push_back(lazy(R"(\[(bt|Bt|bT|BT)\])", "="));
    steps.push_back(lazy(R"(\[(kn|Kn|kN|KN)\])", "("));
    steps.push_back(lazy("[\x80-\xFF]", ""));
    return steps;
}

int parseDigits(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The control codes one in-text command stands for; empty when it names no setting.
std::string encodeCommand(std::string_view command) {
    static const Regex speed(R"(<(\d{2,3}))");
    static const Regex farnsworthOff("F-");
    static const Regex farnsworth(R"(F(\d{2,3}))");
    static const Regex ratio(R"(S[34]([.,][05]?)?)");
    static const Regex wordPause(R"(W(\d{1,4}))");

    std::string codes;
    if (auto m = speed.search(command)) {
        const int v = parseDigits(m->groups[1]);
        const int s = std::clamp((10 * v + 25) / 50 * 5, 40, 900);
        codes += static_cast<char>(control::kSpeed);
        codes += static_cast<char>((s - 20) / 5);
    }
    const std::string upper = toUpperAscii(command);
    if (farnsworthOff.contains(upper)) {
        codes += static_cast<char>(control::kFarnsworthOff);
    }
    if (auto m = farnsworth.search(upper)) {
        const int v = parseDigits(m->groups[1]);
        const int f = std::clamp((v + 5) / 10 * 10, 60, 900);
        codes += static_cast<char>(control::kFarnsworth);
        codes += static_cast<char>((f - 50) / 10);
    }
    if (auto m = ratio.search(upper)) {
        const std::string& text = m->groups[0];
        unsigned char code = control::kRatio35;
        if (text == "S3" || text == "S3." || text == "S3," || text == "S3.0" || text == "S3,0") {
            code = control::kRatio3;
        } else if (text == "S4" || text == "S4." || text == "S4," || text == "S4.0" ||
                   text == "S4,0") {
            code = control::kRatio4;
        }
        codes += static_cast<char>(code);
    }
    if (auto m = wordPause.search(upper)) {
        const int v = parseDigits(m->groups[1]);
        const int k = std::min(v <= 2000 ? (v + 250) / 500 : (v + 500) / 1000 + 2, 8);
        codes += static_cast<char>(control::kWordPause0 + k);
    }
    return codes;
}

// Replaces every occurrence of the command text, except where its "<" is a
// parameter byte of an earlier command.
void replaceCommand(std::string& s, std::string_view command, std::string_view codes) {
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const std::size_t found = s.find(command, pos);
        if (found == std::string::npos) {
            break;
        }
        out.append(s, pos, found - pos);
        if (isParameterByte(s, found)) {
            out += s[found];
            pos = found + 1;
        } else {
            out += codes;
            pos = found + command.size();
        }
    }
    out.append(s, std::min(pos, s.size()));
    s = std::move(out);
}

// Step 44. The lookbehinds keep parameter bytes from acting as brackets.
void encodeCommands(std::string& s) {
    static const Regex command("(?<![\xBA\xBB])<.{2,16}(?<![\xBA\xBB])>", Quantifiers::Lazy);
    while (auto m = command.search(s)) {
        const std::string text = m->groups[0];
        replaceCommand(s, text, encodeCommand(text));
    }
}

// Steps 45 and 46.
void removeBracketsAndTrim(std::string& s) {
    static const Regex brackets(R"((?<![\xBA\xBB])[<>\[\]])", Quantifiers::Lazy);
    s = brackets.replaceAll(s, "");
    std::size_t end = s.size();
    while (end > 0 && static_cast<unsigned char>(s[end - 1]) <= 32 &&
           !isParameterByte(s, end - 1)) {
        --end;
    }
    s.resize(end);
}

} // namespace

bool isParameterByte(std::string_view normalized, std::size_t pos) {
    return pos > 0 && pos < normalized.size() &&
           control::takesParameter(static_cast<unsigned char>(normalized[pos - 1]));
}

std::string normalizeText(std::string_view text, const ConversionOptions& options) {
    static const std::vector<Step> leading = makeLeadingSteps();
    static const std::vector<OptionStep> optional = makeOptionSteps();
    static const std::vector<Step> prosigns = makeProsignSteps();

    std::string s(text);
    for (const Step& step : leading) {
        s = step.pattern->replaceAll(s, step.replacement);
    }
    for (const OptionStep& step : optional) {
        const bool set = options.*step.option;
        if (set || !step.whenClear.empty()) {
            s = step.pattern->replaceAll(s, set ? step.whenSet : step.whenClear);
        }
    }
    for (const Step& step : prosigns) {
        s = step.pattern->replaceAll(s, step.replacement);
    }
    encodeCommands(s);
    removeBracketsAndTrim(s);
    return s;
}

} // namespace dittaro
