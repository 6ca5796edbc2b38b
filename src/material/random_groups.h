#pragma once

// Random character groups for "Zeichen Start". Characters come from a persistent pool that
// is refilled with whole copies of the character set and drawn without replacement, so over
// one or several exercises every character of the set occurs equally often.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

// What "Zeichen Start" reads from the window (Windows-1252 text).
struct GroupRequest {
    std::string characterSet; // the character-set field
    int groupLength = 5;      // L, 2..5
    int count = 5;            // N, 2..99
    int repeat = 1;           // 1..3
    bool kochMode = false;
    std::string kochOrder; // the whole Koch order
    int kochLevel = 2;     // characters of the order in training
};

// The material handed on: the practice text (each sent group followed by one blank), the
// group list for the timing model and the word display list, one entry per sent group.
struct GroupExercise {
    std::string practiceText;
    std::vector<std::string> groupList;
    std::vector<std::string> wordDisplayList;
};

struct GroupDrawResult {
    // Set when a character-set field of fewer than 2 characters was replaced by the
    // default set; the window shows it (the pool has already been emptied for it).
    std::optional<std::string> characterSet;
    // Nothing to draw from (Koch mode with an empty order): the window shows its message
    // and keeps the previous practice text.
    bool nothingToDraw = false;
    GroupExercise exercise;
};

// The set drawn from: the character set, or in Koch mode the ten newest characters in
// training followed by all of them (so the newest come twice as often).
std::string drawingSet(const GroupRequest& request);

// How many copies of a set of setSize characters a pool of poolSize receives before an
// exercise needing `needed` characters: (needed - poolSize) / setSize truncated toward zero,
// plus one; none when that quotient is negative.
int copiesToTopUp(int needed, int poolSize, int setSize);

class CharacterPool {
public:
    // Every change that makes the pool stale empties it: a new text in the character-set
    // field, Koch mode on or off, a new Koch level, a restored Koch order, "Gruppen für
    // Morseprüfung". Group length, count and repeat leave it alone.
    void empty() { pool_.clear(); }
    const std::string& contents() const { return pool_; }

    // Draws one exercise with the program-wide random(n).
    GroupDrawResult draw(const GroupRequest& request);

    // "Gruppen für Morseprüfung": empties the pool and returns the set the character-set
    // field receives.
    std::string examGroups();

private:
    std::string drawGroup(const std::string& set, int length);

    std::string pool_;
};

} // namespace dittaro
