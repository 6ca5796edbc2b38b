#include "common/random.h"
#include "engine/element_sequence.h"
#include "engine/morse_code.h"
#include "engine/normalizer.h"
#include "engine/tmorse.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace dittaro {
namespace {

// Pieces random texts are made of: letters, digits, signs, Windows-1252 letters,
// prosigns, brackets, blanks and in-text commands.
const std::array<std::string, 34> kPieces = {
    "a",     "B",       "ch",   "z", "0",   "9",     "?",     ".",
    ",",     "!",       "#",    "$", "%",   "&",     "_",     "\xE4",
    "\xDF",  "\xE9",    "\x80", " ", "   ", "\t",    "\r\n",  "[ar]",
    "[VE]",  "[",       "]",    "<", ">",   "<120>", "<F80>", "<S3.5 W2000>",
    "<180>", "<hello>",
};

std::string randomText() {
    std::string text = "e"; // a leading blank would open with a word pause
    const int pieces = random(40);
    for (int i = 0; i < pieces; ++i) {
        text += kPieces[random(static_cast<int>(kPieces.size()))];
    }
    return text;
}

// Tones of the normalised text: one per element of every sendable byte.
std::size_t expectedTones(const std::string& normalized) {
    std::size_t tones = 0;
    for (std::size_t i = 0; i < normalized.size(); ++i) {
        if (!isParameterByte(normalized, i)) {
            tones += textElements(static_cast<unsigned char>(normalized[i])).count;
        }
    }
    return tones;
}

TEST(TimingProperty, EveryTextGivesSilenceFramedAlternatingElements) {
    seedRandom(20261211);
    for (int round = 0; round < 400; ++round) {
        const std::string text = randomText();
        TMorse morse;
        morse.setSpeedFromBpm(40 + 5 * random(100));
        morse.setFarnsworth(random(2) == 1);
        morse.setRatio(3 + 0.5 * random(3));
        morse.options().umlautExpansion = random(2) == 1;
        morse.options().chAsOneCharacter = random(2) == 1;
        const ConversionOptions options = morse.options();
        morse.setText(text);
        ASSERT_TRUE(morse.convert()) << text;

        const std::vector<int> values = parseTimingText(morse.timingText());
        ASSERT_GE(values.size(), 3u) << text;
        EXPECT_EQ(values.front(), -1000) << text;
        EXPECT_EQ(values.back(), -500) << text;
        std::size_t tones = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            ASSERT_NE(values[i], 0) << text;
            if (values[i] > 0) {
                ++tones;
                // A tone always stands between two silences.
                ASSERT_LT(values[i - 1], 0) << text;
                ASSERT_LT(values[i + 1], 0) << text;
            }
        }
        EXPECT_EQ(tones, expectedTones(normalizeText(text, options))) << text;
    }
}

} // namespace
} // namespace dittaro
