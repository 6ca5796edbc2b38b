#include "material/practice_start.h"

#include <gtest/gtest.h>

namespace dittaro {
namespace {

using Strings = std::vector<std::string>;

TEST(TextFieldPractice, ShortTextIsSentFiveTimesAndShownAsTheAnswer) {
    const struct {
        const char* text;
        const char* converted;
    } cases[] = {
        {"e", "e e e e e"},
        {"cq", "cq cq cq cq cq"},
        {"abcd", "abcd abcd abcd abcd abcd"},
    };
    for (const auto& c : cases) {
        const TextFieldPractice practice = prepareTextFieldPractice(c.text);
        EXPECT_FALSE(practice.abandoned) << c.text;
        EXPECT_EQ(practice.textToConvert, c.converted);
        ASSERT_TRUE(practice.answer.has_value()) << c.text;
        EXPECT_EQ(*practice.answer, c.text);
        EXPECT_FALSE(practice.keyingTemplate.has_value()) << c.text;
        EXPECT_EQ(practice.wordDisplayList, Strings{c.text});
    }
}

TEST(TextFieldPractice, LongerTextGoesToTheKeyingTemplateWithoutTags) {
    const struct {
        const char* text;
        const char* keyingTemplate;
        bool blocked;
    } cases[] = {
        {"hello world", "hello world", false},
        {"abc <F80> def", "abc  def", true},
        // Each tag by itself: the text between two tags stays.
        {"<120> x <W1000>", " x ", true},
        {"a < b", "a < b", false},
    };
    for (const auto& c : cases) {
        const TextFieldPractice practice = prepareTextFieldPractice(c.text);
        EXPECT_FALSE(practice.abandoned) << c.text;
        EXPECT_EQ(practice.textToConvert, c.text);
        ASSERT_TRUE(practice.keyingTemplate.has_value()) << c.text;
        EXPECT_EQ(*practice.keyingTemplate, c.keyingTemplate);
        EXPECT_EQ(practice.wordDisplayBlocked, c.blocked) << c.text;
        EXPECT_FALSE(practice.answer.has_value()) << c.text;
    }
}

TEST(TextFieldPractice, NothingToPlayAbandonsTheStart) {
    for (const char* text : {"", "<hello>", "<F80><W1000>"}) {
        EXPECT_TRUE(prepareTextFieldPractice(text).abandoned) << text;
    }
}

TEST(TextFieldPractice, ConvertsAtMost11000CharactersWithCrLfLineEnds) {
    const TextFieldPractice lines = prepareTextFieldPractice("abc\ndef\r\nghi\n");
    EXPECT_EQ(lines.textToConvert, "abc\r\ndef\r\nghi\r\n");
    EXPECT_EQ(lines.wordDisplayList, (Strings{"abc", "def", "ghi", ""}));

    const std::string longText(12000, 'e');
    const TextFieldPractice practice = prepareTextFieldPractice(longText);
    EXPECT_EQ(practice.textToConvert.size(), 11000u);
    EXPECT_EQ(practice.keyingTemplate->size(), 11000u);
    // The word display shows the whole field.
    EXPECT_EQ(practice.wordDisplayList, Strings{longText});
}

TEST(TextFieldPractice, WordDisplayListSplitsAtRunsOfWhiteSpace) {
    const struct {
        const char* text;
        Strings words;
    } cases[] = {
        {"a b", {"a", "b"}},
        {"a \t\r\n b", {"a", "b"}},
        {" a  b\n", {"", "a", "b", ""}},
        {"abc", {"abc"}},
        {"", {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(splitAtWhiteSpace(c.text), c.words) << "'" << c.text << "'";
    }
}

TEST(AnswerField, EnterOnThePlaybackTab) {
    const struct {
        AnswerEnterState state;
        AnswerEnter action;
    } cases[] = {
        {{false, true, false}, AnswerEnter::TypeBlank},
        {{false, true, true}, AnswerEnter::TypeBlank},
        {{true, true, false}, AnswerEnter::TypeBlank}, // an exam while it plays
        {{true, false, false}, AnswerEnter::LineBreak},
        {{true, false, true}, AnswerEnter::LineBreak},
        {{false, false, true}, AnswerEnter::NewExercise},
        {{false, false, false}, AnswerEnter::BackToPractice},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(answerEnter(c.state), c.action)
            << c.state.exam << c.state.playbackRunning << c.state.wordDisplayShown;
    }
}

TEST(AnswerField, OnlyGeneratedSourcesStartAgainOnEnter) {
    const struct {
        PracticeSource source;
        bool restarts;
    } cases[] = {
        {PracticeSource::Zeichen, true},   {PracticeSource::Zufallstexte, true},
        {PracticeSource::Textfeld, false}, {PracticeSource::Pruefung, false},
        {PracticeSource::None, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(restartsOnEnter(c.source), c.restarts) << static_cast<int>(c.source);
    }
}

TEST(AnswerField, BackOnThePracticeTabByAnswerLength) {
    // 5 characters: kept and markable, but the focus goes back to the start button.
    const struct {
        std::size_t length;
        bool cleared, enabled;
        FocusAfterAnswer focus;
    } cases[] = {
        {0, true, false, FocusAfterAnswer::LastStartButton},
        {4, true, false, FocusAfterAnswer::LastStartButton},
        {5, false, true, FocusAfterAnswer::LastStartButton},
        {6, false, true, FocusAfterAnswer::FehlerAnzeigen},
        {200, false, true, FocusAfterAnswer::FehlerAnzeigen},
    };
    for (const auto& c : cases) {
        const PracticeTabAnswer tab = practiceTabAnswer(c.length);
        EXPECT_EQ(tab.clearAnswer, c.cleared) << c.length;
        EXPECT_EQ(tab.answerEnabled, c.enabled) << c.length;
        EXPECT_EQ(focusAfterAnswer(c.length), c.focus) << c.length;
    }
}

} // namespace
} // namespace dittaro
