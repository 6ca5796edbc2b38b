#include "engine/word_display.h"

namespace dittaro {

void WordDisplay::restart() {
    next_ = 0;
    lastHandled_ = 0;
    waiting_.clear();
}

std::string WordDisplay::takeNextWord() {
    if (!wordsLeft()) {
        return {};
    }
    return words_[next_++] + ' ';
}

void WordDisplay::queueNextWord(int position) {
    waiting_ += takeNextWord();
    lastHandled_ = position;
}

std::string WordDisplay::takeDue() {
    std::string text = std::move(waiting_);
    waiting_.clear();
    text += takeNextWord();
    return text;
}

} // namespace dittaro
