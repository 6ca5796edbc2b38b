#pragma once

// The one regular-expression engine of Dittaro: PCRE2, 8-bit, byte semantics
// (no UTF mode), so patterns and subjects are Windows-1252 bytes.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct pcre2_real_code_8;

namespace dittaro {

enum class Quantifiers { Greedy, Lazy };

struct RegexMatch {
    std::size_t offset = 0;
    std::size_t length = 0;
    // Captured groups, index 0 being the whole match; an unset group is empty.
    std::vector<std::string> groups;
};

class Regex {
public:
    // Compiles once; throws std::invalid_argument on a malformed pattern.
    // Lazy makes every quantifier non-greedy unless the pattern says otherwise.
    explicit Regex(std::string_view pattern, Quantifiers quantifiers = Quantifiers::Greedy);
    ~Regex();
    Regex(const Regex&) = delete;
    Regex& operator=(const Regex&) = delete;

    // Replaces every match by the literal replacement.
    std::string replaceAll(std::string_view subject, std::string_view replacement) const;

    std::optional<RegexMatch> search(std::string_view subject, std::size_t start = 0) const;
    bool contains(std::string_view subject) const { return search(subject).has_value(); }
    std::vector<RegexMatch> findAll(std::string_view subject) const;

private:
    pcre2_real_code_8* code_ = nullptr;
};

} // namespace dittaro
