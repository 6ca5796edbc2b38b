#pragma once

// The element arrays a player plays, with the thresholds that tell it where a word ends and
// where pause and stop may act, loaded from generated lists or from a timing text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

class TMorse2;

struct PlaybackSequence {
    std::vector<int> ms;      // signed: tone positive, silence negative
    std::vector<int> samples; // parallel, at 8000 per second
    int hold = 0;             // H: a silence below it lets pause and stop act
    int word = 0;             // W: a silence below it ends a word
    int progressMaximum = 0;

    int last() const { return static_cast<int>(ms.size()) - 1; }
};

// Timing list and sample list of generated material at `speedBpm` characters per minute;
// nothing for 2 entries or fewer.
std::optional<PlaybackSequence> sequenceFromLists(const std::vector<std::string>& timingList,
                                                  const std::vector<int>& sampleList, int speedBpm);
std::optional<PlaybackSequence> sequenceFromLists(const TMorse2& generator);

// A timing text (free text, recording, keyboard Morse). The word threshold is taken from the
// shortest gap longer than two shortest tones, and a closing silence is stretched to two
// such gaps so that the last word ends like the others.
PlaybackSequence sequenceFromTimingText(std::string_view timingText);

} // namespace dittaro
