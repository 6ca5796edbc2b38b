#include "material/practice_start.h"

#include "common/regex.h"
#include "material/practice_text_file.h"

namespace dittaro {
namespace {

// The text field's text as TMorse receives it: a line break counts as two characters and
// sends two blanks, as the text field has always held it.
constexpr std::size_t kConvertedCharacters = 11000;
constexpr std::size_t kShortText = 5;
constexpr int kShortTextRepeats = 5;

} // namespace

std::vector<std::string> splitAtWhiteSpace(std::string_view text) {
    static const Regex whiteSpace("\\s+");
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (const RegexMatch& run : whiteSpace.findAll(text)) {
        parts.emplace_back(text.substr(start, run.offset - start));
        start = run.offset + run.length;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

TextFieldPractice prepareTextFieldPractice(std::string_view textField) {
    TextFieldPractice practice;
    const std::string text = withCrLf(textField);
    if (text.empty()) {
        practice.abandoned = true;
        return practice;
    }
    if (text.size() >= kShortText) {
        practice.textToConvert = text.substr(0, kConvertedCharacters);
        static const Regex tag("<.+>", Quantifiers::Lazy);
        std::string keyingTemplate = tag.replaceAll(practice.textToConvert, "");
        if (keyingTemplate.empty()) {
            practice.abandoned = true;
            return practice;
        }
        practice.wordDisplayBlocked = keyingTemplate.size() < practice.textToConvert.size();
        practice.keyingTemplate = std::move(keyingTemplate);
    } else {
        // Too short to copy by ear once: it is sent five times and shown as the answer.
        practice.answer = text;
        for (int i = 0; i < kShortTextRepeats; ++i) {
            practice.textToConvert += (i == 0 ? "" : " ") + text;
        }
    }
    practice.wordDisplayList = splitAtWhiteSpace(text);
    return practice;
}

AnswerEnter answerEnter(const AnswerEnterState& state) {
    if (state.playbackRunning) {
        return AnswerEnter::TypeBlank;
    }
    if (state.exam) {
        return AnswerEnter::LineBreak;
    }
    return state.wordDisplayShown ? AnswerEnter::NewExercise : AnswerEnter::BackToPractice;
}

bool restartsOnEnter(PracticeSource lastStart) {
    return lastStart == PracticeSource::Zeichen || lastStart == PracticeSource::Zufallstexte;
}

PracticeTabAnswer practiceTabAnswer(std::size_t answerLength) {
    PracticeTabAnswer result;
    result.clearAnswer = answerLength < 5;
    result.answerEnabled = !result.clearAnswer;
    return result;
}

FocusAfterAnswer focusAfterAnswer(std::size_t answerLength) {
    return answerLength < 6 ? FocusAfterAnswer::LastStartButton : FocusAfterAnswer::FehlerAnzeigen;
}

} // namespace dittaro
