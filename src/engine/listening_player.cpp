#include "engine/listening_player.h"

#include "engine/tmorse2.h"

#include <algorithm>
#include <utility>

namespace dittaro {
namespace {

// Stop ends the playback in the last 249 samples (about 31 ms) of a silence.
constexpr int kStopWithinSamples = -249;

} // namespace

int displayDelayMs(int storedChoice) {
    switch (storedChoice) {
    case 1:
        return 300;
    case 3:
        return 1200;
    default:
        return 600;
    }
}

// The player's events inside the element stepping, run on the audio thread under the lock.
struct ListeningPlayer::Stepping {
    ListeningPlayer& player;

    void advancing(std::size_t& position) {
        if (player.jump_) {
            position = static_cast<std::size_t>(player.jumpPosition_);
            player.jump_ = false;
        }
    }

    void advanced(std::size_t position) {
        if (!player.previousEnding_ && position % 5 == 0) {
            const int value = static_cast<int>(position);
            const int maximum = player.sequence_.last();
            player.post([value, maximum](PlayerEvents& e) { e.onProgress(value, maximum); });
        }
    }

    void toneSample() {
        if (!player.blocked_) {
            player.wordHeard_ = true;
        }
    }

    SilenceAction closedSilence(std::size_t index, int remaining) {
        const int position = static_cast<int>(index);
        const int ms = player.sequence_.ms[index];
        const bool holdPlace = ms < player.sequence_.hold;
        if (player.previousEnding_) {
            // Superseded by a new start: end at the first place a stop could, quietly.
            return holdPlace && remaining >= kStopWithinSamples ? SilenceAction::End
                                                                : SilenceAction::Run;
        }
        if (player.wordHeard_) {
            player.wordHeard_ = false;
            if (ms < player.sequence_.word && player.words_.lastHandled() < position) {
                if (player.displayTimer_ == 0) {
                    player.startDisplayDelay(position);
                } else {
                    player.words_.queueNextWord(position);
                }
            }
        }
        if (player.stopRequest_ && holdPlace && remaining >= kStopWithinSamples) {
            return SilenceAction::End;
        }
        if (player.pauseRequest_ && holdPlace) {
            if (!player.held_) {
                player.held_ = true;
                player.buttons_.steps = true;
                player.postButtons();
            }
            return SilenceAction::Hold;
        }
        return SilenceAction::Run;
    }
};

ListeningPlayer::ListeningPlayer(AudioOutput& audio, TimerService& timers,
                                 const SoundSettings& sound, PlayerEvents& events, PostToGui post)
    : audio_(audio), timers_(timers), sound_(sound), events_(events), post_(std::move(post)) {}

ListeningPlayer::~ListeningPlayer() {
    TimerId poll = 0;
    StreamHandle stream = 0;
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
        poll = std::exchange(poll_, 0);
        stream = stream_;
    }
    if (poll != 0) {
        timers_.cancel(poll);
    }
    {
        std::lock_guard lock(mutex_);
        stream = stream_; // the poll may have begun a new stream before it was cancelled
    }
    if (stream != 0) {
        audio_.stop(stream);
    }
    TimerId display = 0;
    {
        std::lock_guard lock(mutex_);
        display = std::exchange(displayTimer_, 0);
    }
    if (display != 0) {
        timers_.cancel(display);
    }
}

template <typename Function> void ListeningPlayer::post(Function function) {
    post_([&events = events_, function = std::move(function)] { function(events); });
}

void ListeningPlayer::postButtons() {
    post([buttons = buttons_](PlayerEvents& e) { e.onButtons(buttons); });
}

bool ListeningPlayer::loadGenerated(const TMorse2& generator) {
    std::optional<PlaybackSequence> sequence = sequenceFromLists(generator);
    if (!sequence) {
        return false;
    }
    const int maximum = sequence->progressMaximum;
    load(std::move(*sequence));
    std::lock_guard lock(mutex_);
    restartable_ = sequence_.ms.size() > 3;
    post([maximum](PlayerEvents& e) { e.onProgress(0, maximum); });
    return true;
}

void ListeningPlayer::loadTimingText(std::string_view timingText) {
    load(sequenceFromTimingText(timingText));
}

void ListeningPlayer::load(PlaybackSequence sequence) {
    std::lock_guard lock(mutex_);
    ElementGenerator<double, float>& generator = tone_.generator();
    if (!generator.ended()) {
        // The arrays it steps through are about to go.
        generator.start({});
    }
    sequence_ = std::move(sequence);
    restartable_ = !sequence_.ms.empty();
}

void ListeningPlayer::setWords(std::vector<std::string> words) {
    std::lock_guard lock(mutex_);
    words_.setWords(std::move(words));
}

void ListeningPlayer::setWordDisplayBlocked(bool blocked) {
    std::lock_guard lock(mutex_);
    blocked_ = blocked;
}

void ListeningPlayer::setDisplayDelay(int ms) {
    std::lock_guard lock(mutex_);
    delayMs_ = ms;
}

ListeningButtons ListeningPlayer::buttons() const {
    std::lock_guard lock(mutex_);
    return buttons_;
}

void ListeningPlayer::start() {
    TimerId staleDisplay = 0;
    StreamHandle previous = 0;
    bool waitForPrevious = false;
    {
        std::lock_guard lock(mutex_);
        if (closing_) {
            return;
        }
        post([](PlayerEvents& e) { e.onControlsLocked(true); });
        post([](PlayerEvents& e) { e.onWordDisplayCleared(); });
        buttons_ = ListeningButtons{false, true, true, false};
        postButtons();
        pauseRequest_ = false;
        stopRequest_ = false;
        jump_ = false;
        held_ = false;
        wordHeard_ = false;
        words_.restart();
        staleDisplay = std::exchange(displayTimer_, 0);
        ++displayGeneration_;
        hardnessMs_ = sound_.hardnessMs;
        overtones_ = sound_.overtones;
        const int maximum = sequence_.last();
        post([maximum](PlayerEvents& e) { e.onProgress(0, maximum); });
        playing_ = true;
        pending_ = true;
        previous = stream_;
        waitForPrevious = starting_;
        // Whatever the previous stream still plays is no longer this playback's.
        previousEnding_ = previous != 0 || starting_;
    }
    if (staleDisplay != 0) {
        timers_.cancel(staleDisplay);
    }
    if (waitForPrevious || (previous != 0 && audio_.isActive(previous))) {
        std::lock_guard lock(mutex_);
        if (poll_ == 0) {
            poll_ = timers_.startPeriodic(1, [this] { pollPreviousStream(); });
        }
        return;
    }
    beginPlayback();
}

void ListeningPlayer::pollPreviousStream() {
    StreamHandle previous = 0;
    {
        std::lock_guard lock(mutex_);
        if (!pending_ || closing_ || starting_) {
            return;
        }
        previous = stream_;
    }
    if (previous != 0 && audio_.isActive(previous)) {
        return;
    }
    TimerId poll = 0;
    {
        std::lock_guard lock(mutex_);
        poll = std::exchange(poll_, 0);
    }
    timers_.cancel(poll);
    beginPlayback();
}

void ListeningPlayer::beginPlayback() {
    {
        std::lock_guard lock(mutex_);
        if (!pending_ || closing_) {
            return;
        }
        pending_ = false;
        previousEnding_ = false;
        starting_ = true;
        tone_.prepare(hardnessMs_, overtones_);
        tone_.generator().start(sequence_.samples);
    }
    // Outside the lock: the output holds its own lock while it runs the stream callbacks,
    // which take the player's.
    const StreamHandle stream = audio_.createStream(&ListeningPlayer::streamCallback, this);
    const bool playing = stream != 0 && audio_.play(stream, true);
    std::lock_guard lock(mutex_);
    starting_ = false;
    stream_ = stream;
    if (!playing && !pending_) {
        // No sound device: the playback is over before it began.
        tone_.generator().start({});
        finish();
    }
}

std::uint32_t ListeningPlayer::streamCallback(StreamHandle, void* buffer, std::uint32_t length,
                                              void* user) {
    return static_cast<ListeningPlayer*>(user)->fill(buffer, length);
}

std::uint32_t ListeningPlayer::fill(void* buffer, std::uint32_t length) {
    std::lock_guard lock(mutex_);
    ElementGenerator<double, float>& generator = tone_.generator();
    if (generator.ended()) {
        if (!previousEnding_) {
            finish();
        }
        return kStreamEnd;
    }
    Stepping stepping{*this};
    const std::size_t written =
        generator.fill(static_cast<std::int16_t*>(buffer), length / 2,
                       sound_.pitch.load(std::memory_order_relaxed),
                       sound_.volume.load(std::memory_order_relaxed), stepping);
    return static_cast<std::uint32_t>(written * 2);
}

void ListeningPlayer::finish() {
    playing_ = false;
    held_ = false;
    const int maximum = sequence_.last();
    post([maximum](PlayerEvents& e) { e.onProgress(0, maximum); });
    buttons_ = ListeningButtons{restartable_, false, false, false};
    postButtons();
    post([](PlayerEvents& e) { e.onControlsLocked(false); });
    post([](PlayerEvents& e) { e.onEnded(); });
}

void ListeningPlayer::startDisplayDelay(int position) {
    if (closing_) {
        return;
    }
    displayStartedAt_ = position;
    const std::uint64_t generation = ++displayGeneration_;
    displayTimer_ =
        timers_.startOneShot(delayMs_, [this, generation] { displayDelayEnded(generation); });
}

void ListeningPlayer::displayDelayEnded(std::uint64_t generation) {
    std::lock_guard lock(mutex_);
    if (generation != displayGeneration_ || displayTimer_ == 0) {
        return; // cancelled by a new start
    }
    displayTimer_ = 0;
    const std::string text = words_.takeDue();
    // Handled up to the word end that started this delay, not to wherever the sound is
    // now: a word whose end the sound is just fading into must still get its turn.
    words_.handledUpTo(std::max(words_.lastHandled(), displayStartedAt_));
    if (!text.empty()) {
        post([text](PlayerEvents& e) { e.onWordsShown(text); });
    }
}

void ListeningPlayer::togglePause() {
    std::lock_guard lock(mutex_);
    if (!playing_) {
        return;
    }
    if (buttons_.stop) {
        buttons_.stop = false;
        pauseRequest_ = true;
        jump_ = false;
        postButtons();
        post([](PlayerEvents& e) { e.onHardnessMenuEnabled(true); });
    } else if (pauseRequest_) {
        buttons_.steps = false;
        buttons_.stop = true;
        pauseRequest_ = false;
        held_ = false;
        postButtons();
        post([](PlayerEvents& e) { e.onHardnessMenuEnabled(false); });
    }
}

void ListeningPlayer::stop() {
    std::lock_guard lock(mutex_);
    if (!playing_) {
        return;
    }
    buttons_.pause = false;
    buttons_.stop = false;
    buttons_.steps = false;
    postButtons();
    jump_ = false;
    stopRequest_ = true;
    // A held pause would keep the stream in its silence for good; leaving the tab while
    // paused must end the playback too.
    pauseRequest_ = false;
    held_ = false;
}

void ListeningPlayer::moveBack() {
    if (jumpPosition_ <= 0) {
        return;
    }
    int j = 0;
    do {
        j = jumpPosition_;
        jumpPosition_ = j - 1;
    } while (!(sequence_.ms[j - 1] < sequence_.word || jumpPosition_ == 0));
}

void ListeningPlayer::stepBack() {
    std::lock_guard lock(mutex_);
    if (!held_) {
        return;
    }
    if (!jump_) {
        // The first press also leaves the word in progress.
        jump_ = true;
        jumpPosition_ = static_cast<int>(tone_.generator().position());
        moveBack();
    }
    moveBack();
}

void ListeningPlayer::stepForward() {
    std::lock_guard lock(mutex_);
    if (!held_) {
        return;
    }
    const int last = sequence_.last();
    if (jump_) {
        if (jumpPosition_ == last) {
            return;
        }
    } else {
        jump_ = true;
        jumpPosition_ = static_cast<int>(tone_.generator().position());
    }
    while (jumpPosition_ < last) {
        ++jumpPosition_;
        if (sequence_.ms[jumpPosition_] < sequence_.word) {
            if (jumpPosition_ > words_.lastHandled() && words_.wordsLeft()) {
                const std::string text = words_.takeNextWord();
                words_.handledUpTo(jumpPosition_);
                post([text](PlayerEvents& e) { e.onWordsShown(text); });
            }
            break;
        }
    }
    if (jumpPosition_ == last) {
        moveBack();
    }
}

} // namespace dittaro
