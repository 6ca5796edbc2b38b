#include "engine/playback_sequence.h"

#include "common/numeric.h"
#include "engine/element_sequence.h"
#include "engine/tmorse2.h"

#include <algorithm>

namespace dittaro {
namespace {

constexpr int kLongestGapMs = 6000;
constexpr int kLongestShortToneMs = 300;

int samplesOf(int ms) {
    return static_cast<int>(nearest(ms / 1000.0 * 8000));
}

} // namespace

std::optional<PlaybackSequence> sequenceFromLists(const std::vector<std::string>& timingList,
                                                  const std::vector<int>& sampleList,
                                                  int speedBpm) {
    const std::size_t count = std::min(timingList.size(), sampleList.size());
    if (count <= 2 || speedBpm <= 0) {
        return std::nullopt;
    }
    PlaybackSequence sequence;
    sequence.samples.assign(sampleList.begin(), sampleList.begin() + count);
    sequence.ms.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::vector<int> token = parseTimingText(timingList[i]);
        sequence.ms.push_back(token.empty() ? 0 : token.front());
    }
    sequence.progressMaximum = static_cast<int>(count);
    sequence.hold = 12000 / speedBpm;
    sequence.word = -41000 / speedBpm;
    return sequence;
}

std::optional<PlaybackSequence> sequenceFromLists(const TMorse2& generator) {
    return sequenceFromLists(generator.timingList(), generator.sampleList(), generator.speed());
}

PlaybackSequence sequenceFromTimingText(std::string_view timingText) {
    PlaybackSequence sequence;
    sequence.ms = parseTimingText(timingText);
    sequence.samples.reserve(sequence.ms.size());
    for (int ms : sequence.ms) {
        sequence.samples.push_back(samplesOf(ms));
    }
    const int last = sequence.last();
    int shortestTone = kLongestShortToneMs;
    for (int i = 1; i < last; ++i) {
        if (sequence.ms[i] > 0) {
            shortestTone = std::min(shortestTone, sequence.ms[i]);
        }
    }
    int gap = -kLongestGapMs;
    for (int i = 1; i < last; ++i) {
        const int v = sequence.ms[i];
        if (v > -kLongestGapMs && v < -2 * shortestTone) {
            gap = std::max(gap, v);
        }
    }
    if (gap >= -(kLongestGapMs - 1) && last >= 0 && sequence.ms[last] < 0) {
        sequence.ms[last] = 2 * gap;
        sequence.samples[last] = samplesOf(2 * gap);
    }
    sequence.word = gap * 12 / 10;
    sequence.hold = 2 * shortestTone;
    sequence.progressMaximum = last;
    return sequence;
}

} // namespace dittaro
