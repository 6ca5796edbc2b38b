#include "engine/tmorse.h"

#include "common/numeric.h"
#include "engine/element_sequence.h"
#include "engine/morse_code.h"
#include "engine/timing_rules.h"

#include <algorithm>

namespace dittaro {
namespace {

bool isSendable(unsigned char b) {
    return b >= 33 && b <= 126;
}

} // namespace

TMorse::TMorse() = default;

void TMorse::setSpeedFromBpm(int bpm) {
    const int wpm = std::clamp((10 * bpm + 25) / 50, 4, 180);
    setSpeedIndex(wpm - 4);
}

void TMorse::setSpeedIndex(int index) {
    // The speed only selects a record; the table does not depend on it.
    speedIndex_ = std::clamp(index, 0, kMaxSpeedIndex);
}

void TMorse::setFarnsworthSpeedFromBpm(int bpm) {
    const int wpm = std::clamp((bpm + 5) / 10 * 2, 12, 180);
    if (wpm != farnsworthWpm_ || !farnsworth_) {
        invalidateTable();
    }
    farnsworthWpm_ = wpm;
    farnsworth_ = true;
}

void TMorse::setFarnsworth(bool on) {
    if (on != farnsworth_) {
        invalidateTable();
    }
    farnsworth_ = on;
}

void TMorse::setMinimumWordPause(int ms) {
    int rounded = ms > 2000 ? (ms + 500) / 1000 * 1000 : (ms + 250) / 500 * 500;
    rounded = std::clamp(rounded, 0, 6000);
    if (rounded != minimumWordPauseMs_) {
        invalidateTable();
    }
    minimumWordPauseMs_ = rounded;
}

void TMorse::setRatio(double ratio) {
    setRatioDivisor(ratioDivisorFromNumber(ratio));
}

void TMorse::setRatioDivisor(int divisor) {
    divisor = normalizedRatioDivisor(divisor);
    if (divisor != ratioDivisor_) {
        invalidateTable();
    }
    ratioDivisor_ = divisor;
}

void TMorse::buildRecord(int i) {
    const int g = farnsworthSpeedBpm();
    const int c = 5 * i + 20;
    long long u = nearest(6000.0 / c);
    long long d = u;
    if (farnsworth_ && i <= (g - 20) / 5) {
        u = nearest(6000.0 / g);
        d = nearest((300000.0 / c - 186000.0 / g) / 19.0);
    }
    const DotAndDash elements = dotAndDash(static_cast<int>(u), ratioDivisor_);
    SpeedStrings& record = table_[i];
    record.dot = toneToken(elements.dot);
    record.dash = toneToken(elements.dash);
    record.elementGap = silenceToken(u);
    record.characterGap = silenceToken(3 * d);
    const long long wordPause = std::max<long long>(7 * d, minimumWordPauseMs_);
    for (int k = 1; k <= 5; ++k) {
        record.wordPause[k - 1] = silenceToken(wordPause * k);
    }
    recordGeneration_[i] = tableGeneration_;
}

const TMorse::SpeedStrings& TMorse::current() {
    if (recordGeneration_[speedIndex_] != tableGeneration_) {
        buildRecord(speedIndex_);
    }
    return table_[speedIndex_];
}

void TMorse::applyControlCode(unsigned char code, unsigned char parameter) {
    if (code == control::kSpeed) {
        setSpeedIndex(parameter);
    } else if (code == control::kFarnsworth) {
        setFarnsworthSpeedFromBpm(10 * parameter + 50);
    } else if (code == control::kFarnsworthOff) {
        setFarnsworth(false);
    } else if (code == control::kRatio3) {
        setRatio(3);
    } else if (code == control::kRatio35) {
        setRatio(3.5);
    } else if (code == control::kRatio4) {
        setRatio(4);
    } else if (code >= control::kWordPause0 && code < control::kWordPause0 + 9) {
        setMinimumWordPause(control::kWordPausesMs[code - control::kWordPause0]);
    }
}

bool TMorse::convert() {
    timingText_ = "-1000";
    if (text_.empty()) {
        return false;
    }
    const int savedSpeed = speedIndex_;
    const int savedFarnsworthWpm = farnsworthWpm_;
    const int savedPause = minimumWordPauseMs_;
    const int savedRatio = ratioDivisor_;
    const bool savedFarnsworth = farnsworth_;

    text_ = normalizeText(text_, options_);
    if (text_.empty()) {
        return false;
    }

    const std::string& s = text_;
    const std::size_t n = s.size();
    bool pauseJustWritten = false;
    std::size_t i = 0;
    while (i < n) {
        int blanks = 0;
        while (i < n && s[i] == ' ' && blanks < 5) {
            ++blanks;
            ++i;
        }
        if (blanks > 0) {
            timingText_ += current().wordPause[blanks - 1];
            pauseJustWritten = true;
        }
        if (i >= n) {
            break;
        }
        const auto b = static_cast<unsigned char>(s[i++]);
        if (isSendable(b)) {
            pauseJustWritten = false;
            const MorseElements& elements = textElements(b);
            const SpeedStrings& record = current();
            for (int e = 0; e < elements.count; ++e) {
                if (e > 0) {
                    timingText_ += record.elementGap;
                }
                timingText_ += elements.isDash[e] ? record.dash : record.dot;
            }
        } else if (b >= 128) {
            unsigned char parameter = 0;
            if (control::takesParameter(b) && i < n) {
                parameter = static_cast<unsigned char>(s[i++]);
            }
            applyControlCode(b, parameter);
        }
        if (b != ' ' && i < n && isSendable(static_cast<unsigned char>(s[i])) &&
            !pauseJustWritten) {
            timingText_ += current().characterGap;
        }
    }
    timingText_ += "-500";

    if (farnsworthWpm_ != savedFarnsworthWpm || minimumWordPauseMs_ != savedPause ||
        ratioDivisor_ != savedRatio || farnsworth_ != savedFarnsworth) {
        invalidateTable();
    }
    speedIndex_ = savedSpeed;
    farnsworthWpm_ = savedFarnsworthWpm;
    minimumWordPauseMs_ = savedPause;
    ratioDivisor_ = savedRatio;
    farnsworth_ = savedFarnsworth;
    return true;
}

} // namespace dittaro
