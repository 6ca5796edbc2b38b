#include "material/group_field_rules.h"

#include <algorithm>
#include <cstring>

namespace dittaro {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isSetCharacter(char key) {
    // ' ( ) + , - . / 0-9 : = ? @ A-Z a-z and the accented letters of the code tables.
    static constexpr const char* kSigns = "'()+,-./:=?@"
                                          "\xC0\xC1\xC4\xC5\xC8\xC9\xD6\xDC\xDF"
                                          "\xE0\xE1\xE4\xE5\xE8\xE9\xF6\xFC";
    return isDigit(key) || (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z') ||
           (key != '\0' && std::strchr(kSigns, key) != nullptr);
}

// The field's digits as a number, saturating instead of overflowing; -1 when empty.
int fieldNumber(std::string_view text, int ceiling) {
    if (text.empty()) {
        return -1;
    }
    int value = 0;
    for (char c : text) {
        if (isDigit(c)) {
            value = std::min(value * 10 + (c - '0'), ceiling);
        }
    }
    return value;
}

} // namespace

FieldKey characterSetKey(char key) {
    return key == kBackspace || key == '_' || isSetCharacter(key) ? FieldKey::Accept
                                                                  : FieldKey::Reject;
}

std::string cleanedCharacterSet(std::string_view text) {
    std::string cleaned;
    std::copy_if(text.begin(), text.end(), std::back_inserter(cleaned), isSetCharacter);
    return cleaned;
}

FieldKey groupCountKey(char key) {
    if (key == kBackspace) {
        return FieldKey::Clear;
    }
    return isDigit(key) ? FieldKey::Accept : FieldKey::Reject;
}

int confirmedGroupCount(std::string_view text) {
    // The spin buttons end at 99; a longer run of digits must not make a huge exercise.
    return std::clamp(fieldNumber(text, 1000), 2, 99);
}

FieldKey repeatKey(char key) {
    if (key == kBackspace) {
        return FieldKey::Clear;
    }
    return key >= '1' && key <= '3' ? FieldKey::Accept : FieldKey::Reject;
}

int confirmedRepeat(std::string_view text) {
    // Two keys typed one after the other ("12") stay within the spin buttons' 1..3.
    return text.empty() ? 1 : std::clamp(fieldNumber(text, 1000), 1, 3);
}

} // namespace dittaro
