#pragma once

// The pure part of the listening-practice flow: the material of "Textfeld Start" and the
// decisions the answer field and the return to the "Hörübung" tab make. The window applies
// them to its controls. Text is Windows-1252.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

// The start button that began the current exercise.
enum class PracticeSource { None, Textfeld, Zeichen, Zufallstexte, Pruefung };

struct TextFieldPractice {
    // Nothing to play: the window shows its message and abandons the start.
    bool abandoned = false;
    // The text TMorse converts (CR LF line ends).
    std::string textToConvert;
    // The keying template's new text; unset when it stays as it is.
    std::optional<std::string> keyingTemplate;
    // The answer field's new text; set for a text of 1 to 4 characters.
    std::optional<std::string> answer;
    // Tags were removed, so the word display would not match the sound.
    bool wordDisplayBlocked = false;
    std::vector<std::string> wordDisplayList;
};

// "Textfeld Start" for the text field's text (line ends of any kind).
TextFieldPractice prepareTextFieldPractice(std::string_view textField);

// The text field's text split at every run of white space; a leading or trailing run
// yields an empty first or last entry, as the word display counts them.
std::vector<std::string> splitAtWhiteSpace(std::string_view text);

// Enter in the answer field while the "Abspielen" tab is shown.
enum class AnswerEnter {
    LineBreak,   // during an exam: an ordinary line break
    TypeBlank,   // playback running: a blank instead
    NewExercise, // the word display is shown: the same source again at once
    BackToPractice,
};

struct AnswerEnterState {
    bool exam = false;
    bool playbackRunning = false;
    // "Wörter/Gruppen anzeigen" is on and the word display is shown.
    bool wordDisplayShown = false;
};

AnswerEnter answerEnter(const AnswerEnterState& state);

// Whether NewExercise starts a new exercise for this source (only generated ones can).
bool restartsOnEnter(PracticeSource lastStart);

// Entering the "Hörübung" tab with an answer of the given length.
struct PracticeTabAnswer {
    bool clearAnswer = false;
    // The answer field and "Fehler anzeigen"; with an empty answer both are disabled.
    bool answerEnabled = false;
};

PracticeTabAnswer practiceTabAnswer(std::size_t answerLength);

// After Enter took the window back to the "Hörübung" tab: a short answer sends the focus
// back to the last start button (and forgets it), a longer one to "Fehler anzeigen".
enum class FocusAfterAnswer { LastStartButton, FehlerAnzeigen };

FocusAfterAnswer focusAfterAnswer(std::size_t answerLength);

} // namespace dittaro
