#pragma once

// The element sequence in its text forms: signed whole milliseconds, a tone
// positive and a silence negative, written as tokens like "-1000+100-100+300".

#include <string>
#include <string_view>
#include <vector>

namespace dittaro {

// One token: "+100" for a tone, "-300" for a silence.
std::string toneToken(long long ms);
std::string silenceToken(long long ms);

// Reads every "[+-]digits" token; other bytes are ignored. Values beyond the
// range of int saturate instead of overflowing.
std::vector<int> parseTimingText(std::string_view timingText);

// The sum of the absolute values of all tokens.
long long timingTextTotalMs(std::string_view timingText);

// A timing list joined with single blanks: the timing text of generated material.
std::string joinTimingList(const std::vector<std::string>& timingList);

// "M Min S Sek" for a total in ms, rounded to whole seconds; empty below half a second.
std::string durationText(long long totalMs);

// "M Min S Sek" for a total in ms played at speed factor p (10 = 100 %): the duration in
// hundredths of a second, T / p, rounded to whole seconds by adding 50. Never empty.
std::string scaledDurationText(long long totalMs, int speedFactor);

} // namespace dittaro
