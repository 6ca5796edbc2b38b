#pragma once

// The words of an exercise as the player hands them to the word display: the next word to
// show, the words already due but not yet shown, and the element up to which words have
// been handled. Not locked: its owner guards it.

#include <string>
#include <vector>

namespace dittaro {

class WordDisplay {
public:
    void setWords(std::vector<std::string> words) { words_ = std::move(words); }
    const std::vector<std::string>& words() const { return words_; }

    // Before each playback.
    void restart();

    bool wordsLeft() const { return next_ < words_.size(); }
    // The next word and a blank, counted as shown; empty once the list is used up.
    std::string takeNextWord();
    // The next word joins the waiting text; words are handled up to `position`.
    void queueNextWord(int position);
    // The waiting text followed by the next word: what a display delay shows when it ends.
    std::string takeDue();

    int lastHandled() const { return lastHandled_; }
    void handledUpTo(int position) { lastHandled_ = position; }

private:
    std::vector<std::string> words_;
    std::size_t next_ = 0;
    int lastHandled_ = 0;
    std::string waiting_;
};

} // namespace dittaro
