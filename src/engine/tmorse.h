#pragma once

// TMorse: converts a free text into a timing text. In-text commands change its
// settings while it converts; the settings are restored afterwards.

#include "engine/normalizer.h"

#include <array>
#include <string>
#include <string_view>

namespace dittaro {

class TMorse {
public:
    static constexpr int kMaxSpeedIndex = 176; // 900 BpM

    TMorse();

    // words per minute (10s + 25) div 50, clamped to 4..180.
    void setSpeedFromBpm(int bpm);
    void setSpeedIndex(int index);
    int speedIndex() const { return speedIndex_; }
    int speedBpm() const { return 5 * speedIndex_ + 20; }

    // Also switches Farnsworth spacing on.
    void setFarnsworthSpeedFromBpm(int bpm);
    int farnsworthSpeedBpm() const { return 5 * farnsworthWpm_; }
    void setFarnsworth(bool on);
    bool farnsworth() const { return farnsworth_; }

    void setMinimumWordPause(int ms);
    int minimumWordPause() const { return minimumWordPauseMs_; }

    void setRatio(double ratio);
    void setRatioDivisor(int divisor);
    int ratioDivisor() const { return ratioDivisor_; }

    ConversionOptions& options() { return options_; }
    const ConversionOptions& options() const { return options_; }

    // The text to convert; Convert replaces it with its normalised form.
    void setText(std::string text) { text_ = std::move(text); }
    const std::string& text() const { return text_; }

    // True when a timing text was produced.
    bool convert();
    const std::string& timingText() const { return timingText_; }

private:
    struct SpeedStrings {
        std::string dot, dash, elementGap, characterGap;
        std::array<std::string, 5> wordPause; // x 1 .. x 5
    };

    const SpeedStrings& current();
    void buildRecord(int index);
    void invalidateTable() { ++tableGeneration_; }
    void applyControlCode(unsigned char code, unsigned char parameter);

    int speedIndex_ = 12;
    int farnsworthWpm_ = 16;
    bool farnsworth_ = true;
    int minimumWordPauseMs_ = 0;
    int ratioDivisor_ = 0;
    ConversionOptions options_;
    std::string text_;
    std::string timingText_;

    // Records are built when first used after a change, so that in-text commands
    // switching settings every few words do not rebuild all 177 of them each time.
    std::array<SpeedStrings, kMaxSpeedIndex + 1> table_;
    std::array<unsigned, kMaxSpeedIndex + 1> recordGeneration_{};
    unsigned tableGeneration_ = 1;
};

} // namespace dittaro
