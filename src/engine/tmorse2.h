#pragma once

// TMorse2: converts material Dittaro generates itself (random groups, random
// texts, exam texts, keyboard input, single Koch characters) into a timing list and
// a parallel sample list, keeping the total duration.

#include "engine/morse_code.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

// One element or pause at one speed: its ms, its token ("+100", "-300") and its
// signed length in samples.
struct TimedElement {
    int ms = 0;
    std::string token;
    int samples = 0;
};

struct TMorseSpeed2 {
    TimedElement dot, dash, elementGap, characterGap;
    std::array<TimedElement, 5> wordGap; // x 1 .. x 5
};

// Indexed by words per minute 1..180; entry 0 is not used.
using TSpeed2 = std::array<TMorseSpeed2, 181>;

class TMorse2 {
public:
    explicit TMorse2(int sampleRate = 8000);

    // w = (s + 2) div 5, clamped to 8..180 WpM.
    void setSpeed(int bpm);
    int speed() const { return 5 * speedWpm_; }
    // s div 5, not clamped (a lookup stays within the table).
    void setCharacterSpeed(int bpm) { characterSpeedWpm_ = bpm / 5; }
    int characterSpeed() const { return 5 * characterSpeedWpm_; }
    void setFarnsworthSpeed(int bpm);
    int farnsworthSpeed() const { return 5 * farnsworthWpm_; }
    void setFarnsworth(bool on) { farnsworth_ = on; }
    bool farnsworth() const { return farnsworth_; }
    void setRatio(double ratio);
    int ratioDivisor() const { return ratioDivisor_; }
    int sampleRate() const { return sampleRate_; }

    // The input: one group or text line per entry.
    std::vector<std::string>& groups() { return groups_; }
    const std::vector<std::string>& groups() const { return groups_; }

    const std::vector<std::string>& timingList() const { return timingList_; }
    const std::vector<int>& sampleList() const { return sampleList_; }
    long long totalMs() const { return totalMs_; }
    // Forgets the converted material, so that nothing of it is played or exported again.
    void clearLists();

    // Group gap choice 0..12 of "Gruppenabstand bei Zufallszeichen".
    bool convertGroups(int gapChoice);
    // Word gap choice 0..12 of "Wortabstand bei Zufallstexten".
    bool convertRandomTexts(int gapChoice);
    bool convertExamText();
    // Keyboard Morse: builds only the sample list; returns the total in ms.
    long long convertString(std::string_view text);
    // Koch trainer: a new sample list at the character speed.
    std::vector<int> buildCharacterSequence(std::string_view characters) const;

    static CharacterCode plainCodeOf(unsigned char byte) { return plainCode(byte); }

    const TSpeed2& standardTable() const { return standard_; }
    const TSpeed2& farnsworthTable() const { return farnsworthTable_; }

private:
    void rebuildTablesIfChanged();
    const TMorseSpeed2& groupEntry() const;
    TimedElement pause(int ms) const;
    void add(const TimedElement& element);
    void addElements(const MorseElements& elements, const TMorseSpeed2& entry);

    int sampleRate_;
    int speedWpm_ = 8;
    int characterSpeedWpm_ = 16;
    int farnsworthWpm_ = 12;
    int ratioDivisor_ = 0;
    bool farnsworth_ = false;

    std::vector<std::string> groups_;
    std::vector<std::string> timingList_;
    std::vector<int> sampleList_;
    long long totalMs_ = 0;

    TSpeed2 standard_;
    TSpeed2 farnsworthTable_;
    int builtFarnsworthWpm_ = -1;
    int builtRatioDivisor_ = -1;
};

} // namespace dittaro
