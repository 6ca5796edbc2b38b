#pragma once

// The rules of the typed speed fields (characters per minute): digits only, Backspace empties
// the field, and on Enter or leaving the field the text is rounded to the field's step and
// limited to its range. Plain functions, so they are checked without a window.

#include <string_view>

namespace dittaro {

struct SpeedField {
    int minimum;
    int maximum;
    int step;       // typed values are rounded to a multiple of it
    int emptyValue; // what an empty field counts as
};

inline constexpr SpeedField kPlaybackSpeedField{40, 900, 5, 40};
inline constexpr SpeedField kFarnsworthSpeedField{60, 900, 10, 60};

// Only the digits are typed into a speed field.
bool isSpeedDigit(char c);

// Rounds to a multiple of step, a remainder above (step - 1) / 2 upwards (for 5: 3 and 4; for
// 10: 5 to 9), and limits the result to the field's range. Text that is not all digits counts
// as empty.
int confirmedSpeed(std::string_view typed, const SpeedField& field);

// A typed Farnsworth speed is also raised to the playback speed.
int confirmedFarnsworthSpeed(std::string_view typed, int playbackSpeed);

// The stored IDs of the speeds: playback ID x 5 + 20, Farnsworth ID x 10 + 60.
inline constexpr int playbackSpeedFromId(int id) {
    return id * 5 + 20;
}
inline constexpr int playbackSpeedId(int speed) {
    return (speed - 20) / 5;
}
inline constexpr int farnsworthSpeedFromId(int id) {
    return id * 10 + 60;
}
inline constexpr int farnsworthSpeedId(int speed) {
    return (speed - 60) / 10;
}

} // namespace dittaro
