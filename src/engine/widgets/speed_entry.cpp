#include "engine/widgets/speed_entry.h"

#include <algorithm>

namespace dittaro {

bool isSpeedDigit(char c) {
    return c >= '0' && c <= '9';
}

int confirmedSpeed(std::string_view typed, const SpeedField& field) {
    if (typed.empty() || !std::all_of(typed.begin(), typed.end(), isSpeedDigit)) {
        return field.emptyValue;
    }
    // Any number of digits may be pasted; beyond the range the exact value does not matter.
    long long value = 0;
    for (char c : typed) {
        value = std::min<long long>(value * 10 + (c - '0'), 10LL * field.maximum);
    }
    const long long remainder = value % field.step;
    value -= remainder;
    if (remainder > (field.step - 1) / 2) {
        value += field.step;
    }
    return static_cast<int>(std::clamp<long long>(value, field.minimum, field.maximum));
}

int confirmedFarnsworthSpeed(std::string_view typed, int playbackSpeed) {
    return std::max(confirmedSpeed(typed, kFarnsworthSpeedField), playbackSpeed);
}

} // namespace dittaro
