#include "common/regex.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <memory>
#include <pcre2.h>
#include <stdexcept>

namespace dittaro {
namespace {

struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
using MatchData = std::unique_ptr<pcre2_match_data, MatchDataDeleter>;

PCRE2_SPTR bytes(std::string_view s) {
    return reinterpret_cast<PCRE2_SPTR>(s.data());
}

} // namespace

Regex::Regex(std::string_view pattern, Quantifiers quantifiers) {
    uint32_t options = quantifiers == Quantifiers::Lazy ? PCRE2_UNGREEDY : 0;
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    code_ = pcre2_compile(bytes(pattern), pattern.size(), options, &error, &errorOffset, nullptr);
    if (code_ == nullptr) {
        PCRE2_UCHAR message[256];
        pcre2_get_error_message(error, message, sizeof message);
        throw std::invalid_argument("bad pattern '" + std::string(pattern) +
                                    "': " + reinterpret_cast<const char*>(message));
    }
}

Regex::~Regex() {
    pcre2_code_free(code_);
}

std::string Regex::replaceAll(std::string_view subject, std::string_view replacement) const {
    const uint32_t options =
        PCRE2_SUBSTITUTE_GLOBAL | PCRE2_SUBSTITUTE_LITERAL | PCRE2_SUBSTITUTE_OVERFLOW_LENGTH;
    std::string out(subject.size() + 64, '\0');
    for (int attempt = 0; attempt < 2; ++attempt) {
        PCRE2_SIZE length = out.size();
        const int rc = pcre2_substitute(code_, bytes(subject), subject.size(), 0, options, nullptr,
                                        nullptr, bytes(replacement), replacement.size(),
                                        reinterpret_cast<PCRE2_UCHAR*>(out.data()), &length);
        if (rc >= 0) {
            out.resize(length);
            return out;
        }
        if (rc != PCRE2_ERROR_NOMEMORY) {
            throw std::runtime_error("regex substitution failed");
        }
        out.resize(length); // the length needed, reported thanks to OVERFLOW_LENGTH
    }
    throw std::runtime_error("regex substitution did not fit");
}

std::optional<RegexMatch> Regex::search(std::string_view subject, std::size_t start) const {
    if (start > subject.size()) {
        return std::nullopt;
    }
    MatchData data(pcre2_match_data_create_from_pattern(code_, nullptr));
    const int rc =
        pcre2_match(code_, bytes(subject), subject.size(), start, 0, data.get(), nullptr);
    if (rc < 0) {
        return std::nullopt;
    }
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
    uint32_t groupCount = 0;
    pcre2_pattern_info(code_, PCRE2_INFO_CAPTURECOUNT, &groupCount);
    RegexMatch match;
    match.offset = ovector[0];
    match.length = ovector[1] - ovector[0];
    for (uint32_t g = 0; g <= groupCount; ++g) {
        const PCRE2_SIZE begin = ovector[2 * g];
        if (g < static_cast<uint32_t>(rc) && begin != PCRE2_UNSET) {
            match.groups.emplace_back(subject.substr(begin, ovector[2 * g + 1] - begin));
        } else {
            match.groups.emplace_back();
        }
    }
    return match;
}

std::vector<RegexMatch> Regex::findAll(std::string_view subject) const {
    std::vector<RegexMatch> matches;
    std::size_t start = 0;
    while (auto match = search(subject, start)) {
        start = match->offset + (match->length == 0 ? 1 : match->length);
        matches.push_back(std::move(*match));
    }
    return matches;
}

} // namespace dittaro
