#include "common/text.h"

namespace dittaro {
namespace {
bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
} // namespace

std::string_view trimmedRight(std::string_view s) {
    while (!s.empty() && isBlankOrControl(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlankOrControl(s.front())) {
        s.remove_prefix(1);
    }
    return trimmedRight(s);
}

std::string toUpperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

} // namespace dittaro
