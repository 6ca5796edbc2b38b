#include "engine/tmorse2.h"

#include "common/numeric.h"
#include "common/regex.h"
#include "common/text.h"
#include "engine/element_sequence.h"
#include "engine/timing_rules.h"

#include <algorithm>

namespace dittaro {
namespace {

constexpr int kLeadingSilenceMs = 1500;

// Group gap choices 1..12 of "Gruppenabstand bei Zufallszeichen"; 0 is "normal".
constexpr std::array<int, 13> kGroupGapMs = {0,    500,  1000, 1500, 2000, 3000, 4000,
                                             5000, 6000, 7000, 8000, 9000, 10000};
// Word gap choices of "Wortabstand bei Zufallstexten": 2 s .. 10 s, then 0.5 .. 1.5 s.
constexpr std::array<int, 13> kRandomTextGapMs = {0,    2000, 3000,  4000, 5000, 6000, 7000,
                                                  8000, 9000, 10000, 500,  1000, 1500};

int choice(const std::array<int, 13>& table, int index) {
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index] : 0;
}

// Hands a character's elements, with element gaps between them, to add.
template <typename Add>
void forEachElement(const MorseElements& elements, const TMorseSpeed2& entry, Add&& add) {
    for (int e = 0; e < elements.count; ++e) {
        if (e > 0) {
            add(entry.elementGap);
        }
        add(elements.isDash[e] ? entry.dash : entry.dot);
    }
}

} // namespace

TMorse2::TMorse2(int sampleRate) : sampleRate_(std::max(sampleRate, 8000)) {
    rebuildTablesIfChanged();
}

TimedElement TMorse2::pause(int ms) const {
    return {ms, silenceToken(ms),
            -static_cast<int>(nearest(static_cast<double>(ms) * sampleRate_ / 1000.0))};
}

void TMorse2::rebuildTablesIfChanged() {
    if (farnsworthWpm_ == builtFarnsworthWpm_ && ratioDivisor_ == builtRatioDivisor_) {
        return;
    }
    auto tone = [this](int ms) {
        return TimedElement{
            ms, toneToken(ms),
            static_cast<int>(nearest(static_cast<double>(ms) * sampleRate_ / 1000.0))};
    };
    auto fill = [&](TMorseSpeed2& entry, int u, int d) {
        const DotAndDash elements = dotAndDash(u, ratioDivisor_);
        entry.dot = tone(elements.dot);
        entry.dash = tone(elements.dash);
        entry.elementGap = pause(u);
        entry.characterGap = pause(3 * d);
        for (int k = 1; k <= 5; ++k) {
            entry.wordGap[k - 1] = pause(7 * d * k);
        }
    };
    const int f = farnsworthWpm_;
    for (int w = 1; w <= 180; ++w) {
        const int u = static_cast<int>(nearest(1200.0 / w));
        fill(standard_[w], u, u);
        if (f < w) {
            farnsworthTable_[w] = standard_[w];
        } else {
            const int fu = static_cast<int>(nearest(1200.0 / f));
            const int d = static_cast<int>(nearest((60000.0 / w - 37200.0 / f) / 19.0));
            fill(farnsworthTable_[w], fu, d);
        }
    }
    builtFarnsworthWpm_ = farnsworthWpm_;
    builtRatioDivisor_ = ratioDivisor_;
}

void TMorse2::setSpeed(int bpm) {
    speedWpm_ = std::clamp((bpm + 2) / 5, 8, 180);
}

void TMorse2::setFarnsworthSpeed(int bpm) {
    farnsworthWpm_ = std::clamp((bpm + 5) / 10 * 2, 12, 180);
    rebuildTablesIfChanged();
}

void TMorse2::setRatio(double ratio) {
    ratioDivisor_ = ratioDivisorFromNumber(ratio);
    rebuildTablesIfChanged();
}

const TMorseSpeed2& TMorse2::groupEntry() const {
    return farnsworth_ ? farnsworthTable_[speedWpm_] : standard_[speedWpm_];
}

void TMorse2::clearLists() {
    timingList_.clear();
    sampleList_.clear();
    totalMs_ = 0;
}

void TMorse2::add(const TimedElement& element) {
    timingList_.push_back(element.token);
    sampleList_.push_back(element.samples);
    totalMs_ += element.ms;
}

void TMorse2::addElements(const MorseElements& elements, const TMorseSpeed2& entry) {
    forEachElement(elements, entry, [this](const TimedElement& element) { add(element); });
}

bool TMorse2::convertGroups(int gapChoice) {
    if (groups_.empty()) {
        return false;
    }
    const TMorseSpeed2& entry = groupEntry();
    clearLists();
    add(pause(kLeadingSilenceMs));
    const int gapMs = choice(kGroupGapMs, gapChoice);
    const TimedElement groupGap = gapMs < entry.wordGap[0].ms ? entry.wordGap[0] : pause(gapMs);
    for (const std::string& group : groups_) {
        std::string coded;
        for (char c : group) {
            if (plainCode(static_cast<unsigned char>(c)) != kNoCode) {
                coded += c;
            }
        }
        for (std::size_t i = 0; i < coded.size(); ++i) {
            addElements(plainElements(static_cast<unsigned char>(coded[i])), entry);
            if (i + 1 < coded.size()) {
                add(entry.characterGap);
            }
        }
        add(groupGap);
    }
    return true;
}

bool TMorse2::convertRandomTexts(int gapChoice) {
    if (groups_.empty()) {
        return false;
    }
    const TMorseSpeed2& entry = groupEntry();
    const int chosenMs = choice(kRandomTextGapMs, gapChoice);
    const int r = chosenMs < entry.wordGap[0].ms ? 0 : chosenMs;
    const TimedElement wordGap = r > 0 ? pause(r) : entry.wordGap[0];

    clearLists();
    add(pause(kLeadingSilenceMs));
    for (std::size_t line = 0; line < groups_.size(); ++line) {
        const std::string_view text = trimmed(groups_[line]);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ') {
                add(wordGap);
                continue;
            }
            const MorseElements& elements = plainElements(static_cast<unsigned char>(text[i]));
            addElements(elements, entry);
            if (elements.count > 0 && i + 1 < text.size() && text[i + 1] != ' ') {
                add(entry.characterGap);
            }
        }
        const bool shortOrLast = text.size() < 10 || line + 1 == groups_.size();
        const int minimumMs = shortOrLast ? 1000 : 3000;
        add(pause(std::max(r, minimumMs)));
    }
    return true;
}

bool TMorse2::convertExamText() {
    if (groups_.empty()) {
        return false;
    }
    const TMorseSpeed2& entry = standard_[speedWpm_];
    clearLists();
    add(pause(kLeadingSilenceMs));
    totalMs_ = 0;
    for (const std::string& line : groups_) {
        const std::string_view text = trimmed(line);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ') {
                add(entry.wordGap[0]);
                continue;
            }
            if (text[i] == '<') {
                add(pause(1000));
                continue;
            }
            const MorseElements& elements = plainElements(static_cast<unsigned char>(text[i]));
            addElements(elements, entry);
            if (elements.count > 0 && i + 1 < text.size() && text[i + 1] != ' ' &&
                text[i + 1] != '<') {
                add(entry.characterGap);
            }
        }
        add(pause(2000));
    }
    totalMs_ -= 2000;
    return true;
}

long long TMorse2::convertString(std::string_view text) {
    if (text.empty()) {
        return 0;
    }
    static const Regex blankRuns(" {2,}");
    const std::string s = blankRuns.replaceAll(text, " ");
    const TMorseSpeed2& entry = groupEntry();
    sampleList_.clear();
    totalMs_ = 0;
    auto addSamples = [this](const TimedElement& element) {
        sampleList_.push_back(element.samples);
        totalMs_ += element.ms;
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ' ') {
            addSamples(entry.wordGap[0]);
            continue;
        }
        const MorseElements& elements = plainElements(static_cast<unsigned char>(s[i]));
        forEachElement(elements, entry, addSamples);
        if (elements.count > 0 && i + 1 < s.size() && s[i + 1] != ' ') {
            addSamples(entry.characterGap);
        }
    }
    if (s.back() != ' ') {
        addSamples(entry.characterGap);
    }
    return totalMs_;
}

std::vector<int> TMorse2::buildCharacterSequence(std::string_view characters) const {
    const TMorseSpeed2& entry = standard_[std::clamp(characterSpeedWpm_, 1, 180)];
    std::vector<int> samples{pause(70).samples};
    auto addElementsOf = [&](unsigned char byte) {
        forEachElement(plainElements(byte), entry,
                       [&](const TimedElement& element) { samples.push_back(element.samples); });
    };
    if (characters.size() == 1) {
        addElementsOf(static_cast<unsigned char>(characters[0]));
    } else {
        for (std::size_t i = 0; i < characters.size(); ++i) {
            if (characters[i] == ' ') {
                samples.push_back(entry.wordGap[1].samples);
                continue;
            }
            addElementsOf(static_cast<unsigned char>(characters[i]));
            if (i + 1 < characters.size()) {
                samples.push_back(entry.wordGap[0].samples);
            }
        }
    }
    samples.push_back(pause(200).samples);
    return samples;
}

} // namespace dittaro
