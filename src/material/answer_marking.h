#pragma once

// "Fehler anzeigen": marks the typed answer against the practice text word by word. Both
// are normalised by a fixed list of replacements, the words compared pairwise and the
// mistakes counted as character edits. Text is Windows-1252.

#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

struct MarkingOptions {
    // A "Zeichen Start" exercise: the groups were sent as drawn, so the "Ersetze"
    // options below are skipped.
    bool groups = false;
    // A "Zeichen Start" exercise in Koch mode: the first word is the intro group.
    bool kochIntro = false;
    // The "Ersetze" menu toggles.
    bool umlautExpansion = true; // ä -> ae / ö -> oe / ü -> ue
    bool accentFolding = true;   // á -> a / à -> a / å -> a / é -> e / è -> e
    bool szExpansion = true;     // ß -> ss
};

struct WordPair {
    std::string sent;
    std::string typed;
};

struct MarkingResult {
    // Lower-cased (A-Z) with the replacements applied and a trailing blank: what the text
    // field and the answer field show afterwards.
    std::string reference;
    std::string answer;
    // The numbers of words differ: nothing is marked.
    bool wordCountDiffers = false;
    int errors = 0;     // E, character edits
    int characters = 0; // C, of the reference without blanks
    // The wrong pairs in text order; W is their number.
    std::vector<WordPair> wrongWords;
};

// The lower-casing and replacement rules of the marking, applied to one text.
std::string normalizeForMarking(std::string_view text, const MarkingOptions& options);

// Edit distance with insertion, deletion and substitution at cost 1; letters that differ
// only in case are equal.
int levenshtein(std::string_view a, std::string_view b);

MarkingResult markAnswer(std::string_view reference, std::string_view answer,
                         const MarkingOptions& options);

// "E / C = P %" with P to one decimal and the caller's (the locale's) decimal separator.
// With no characters (C = 0) the percentage is 0.
std::string resultLine(int errors, int characters, std::string_view decimalSeparator);

} // namespace dittaro
