#pragma once

// The key rules of the "Zufallszeichen" controls, for the window's widgets to call: which
// keys the character-set, "Anzahl:" and repeat fields take and what each field holds once
// confirmed. Characters are Windows-1252 bytes.

#include <string>
#include <string_view>

namespace dittaro {

inline constexpr const char* kDefaultCharacterSet = "abcdefghijklmnopqrstuvwxyz0123456789";
// The characters , . ? / b h s 5 6 twice, so they come twice as often (split where "??/"
// would read as a trigraph).
inline constexpr const char* kExamGroupsCharacterSet =
    ",,..?"
    "?//abbcdefghhijklmnopqrsstuvwxyz012345566789";

// What the buttons "a..z", "0..9" and "+-=,.:?/()'ß@" append to the character-set field.
inline constexpr const char* kLettersButtonText = "abcdefghijklmnopqrstuvwxyz";
inline constexpr const char* kDigitsButtonText = "0123456789";
inline constexpr const char* kSignsButtonText = "+-=,.:?/()'\xDF@";

inline constexpr char kBackspace = '\b';

enum class FieldKey {
    Accept, // typed as usual
    Reject, // swallowed
    Clear,  // empties the field
};

// Typing into the character-set field: Backspace, the characters of a set and the
// underscore (which leaving the field removes again).
FieldKey characterSetKey(char key);
// Leaving the character-set field keeps only the characters a set may hold.
std::string cleanedCharacterSet(std::string_view text);

// "Anzahl:": digits only; Backspace empties the field.
FieldKey groupCountKey(char key);
// The count on Enter or leaving the field, written back to the field and its spin buttons.
int confirmedGroupCount(std::string_view text);

// The repeat field: "1", "2", "3"; Backspace empties the field.
FieldKey repeatKey(char key);
// The repeat count on Enter or leaving the field; an empty field becomes 1.
int confirmedRepeat(std::string_view text);

} // namespace dittaro
