#include "engine/element_sequence.h"

#include "common/numeric.h"
#include "common/regex.h"

#include <climits>
#include <cstdlib>

namespace dittaro {
namespace {

std::string token(char sign, long long ms) {
    std::string out(1, sign);
    out += std::to_string(ms);
    return out;
}

int parseToken(std::string_view token) {
    long long value = 0;
    for (char c : token.substr(1)) {
        value = value * 10 + (c - '0');
        if (value > INT_MAX) {
            value = INT_MAX;
            break;
        }
    }
    return static_cast<int>(token.front() == '-' ? -value : value);
}

} // namespace

std::string toneToken(long long ms) {
    return token('+', ms);
}
std::string silenceToken(long long ms) {
    return token('-', ms);
}

std::vector<int> parseTimingText(std::string_view timingText) {
    static const Regex token(R"([\+\-](\d+))");
    std::vector<int> values;
    for (const RegexMatch& match : token.findAll(timingText)) {
        values.push_back(parseToken(match.groups[0]));
    }
    return values;
}

long long timingTextTotalMs(std::string_view timingText) {
    long long total = 0;
    for (int value : parseTimingText(timingText)) {
        total += std::llabs(value);
    }
    return total;
}

std::string joinTimingList(const std::vector<std::string>& timingList) {
    std::string text;
    for (const std::string& token : timingList) {
        if (!text.empty()) {
            text += ' ';
        }
        text += token;
    }
    return text;
}

std::string durationText(long long totalMs) {
    const long long seconds = nearest(static_cast<double>(totalMs) / 1000.0);
    if (seconds == 0) {
        return {};
    }
    return std::to_string(seconds / 60) + " Min " + std::to_string(seconds % 60) + " Sek";
}

std::string scaledDurationText(long long totalMs, int speedFactor) {
    const long long centiseconds = totalMs / speedFactor + 50;
    return std::to_string(centiseconds / 6000) + " Min " + std::to_string(centiseconds / 100 % 60) +
           " Sek";
}

} // namespace dittaro
