// Word display accuracy of the listening player with the real timer thread and the audio
// library's paced null device: for each word, the time from the end of its sound (the
// first silent sample after its fall) to the post that shows it, minus the display delay,
// and the parts of that time. Words lie further apart than the delay, so each is shown by a
// delay of its own.
//
// Usage: word_display_bench [words per delay, default 120]

#include "engine/listening_player.h"
#include "platform/audio/audio_library.h"
#include "platform/timers/steady_timer_service.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace dittaro;

constexpr int kSamplesPerMs = kStreamRate / 1000;
constexpr int kToneMs = 60;
constexpr int kRampSamples = 40; // the default 5 ms keying ramp

// Forwards to the real output and notes when each callback ran and which samples it gave,
// so a sample's place in the sound can be turned into a clock reading.
class TimedOutput : public AudioOutput {
public:
    explicit TimedOutput(AudioOutput& real) : real_(real) {}

    StreamHandle createStream(StreamProc proc, void* user) override {
        std::lock_guard lock(mutex_);
        proc_ = proc;
        user_ = user;
        calls_.clear();
        total_ = 0;
        return real_.createStream(&TimedOutput::callback, this);
    }
    bool play(StreamHandle stream, bool restart) override { return real_.play(stream, restart); }
    bool stop(StreamHandle stream) override { return real_.stop(stream); }
    bool pause(StreamHandle stream) override { return real_.pause(stream); }
    bool isActive(StreamHandle stream) override { return real_.isActive(stream); }

    // When sample `index` of the last stream sounded: its callback's time plus its place
    // within the block the device took then.
    long long soundedAtNs(long long index) {
        std::lock_guard lock(mutex_);
        const auto after =
            std::upper_bound(calls_.begin(), calls_.end(), index,
                             [](long long i, const Call& call) { return i < call.firstSample; });
        const Call& call = *(after - 1);
        return call.atNs + (index - call.firstSample) * 1'000'000 / kSamplesPerMs;
    }

private:
    struct Call {
        long long firstSample;
        long long atNs;
    };

    static std::uint32_t callback(StreamHandle handle, void* buffer, std::uint32_t length,
                                  void* user) {
        auto& self = *static_cast<TimedOutput*>(user);
        const long long at = SteadyTimerService::nowNs();
        const std::uint32_t result = self.proc_(handle, buffer, length, self.user_);
        std::lock_guard lock(self.mutex_);
        if (result != kStreamEnd) {
            self.calls_.push_back(Call{self.total_, at});
            self.total_ += result / 2;
        }
        return result;
    }

    AudioOutput& real_;
    std::mutex mutex_;
    StreamProc proc_ = nullptr;
    void* user_ = nullptr;
    std::vector<Call> calls_;
    long long total_ = 0;
};

// Forwards to the real timer service and notes when each one-shot was started and when its
// callback began, so that a late post can be put down to its cause.
class TimedTimers : public TimerService {
public:
    struct Shot {
        long long startedNs = 0;
        long long firedNs = 0;
    };

    explicit TimedTimers(TimerService& real) : real_(real) {}

    TimerId startOneShot(int delayMs, Callback callback) override {
        std::lock_guard lock(mutex_);
        const std::size_t index = shots_.size();
        shots_.push_back(Shot{SteadyTimerService::nowNs(), 0});
        return real_.startOneShot(delayMs, [this, index, callback = std::move(callback)] {
            const long long fired = SteadyTimerService::nowNs();
            {
                std::lock_guard lock(mutex_);
                shots_[index].firedNs = fired;
            }
            callback();
        });
    }
    TimerId startPeriodic(int periodMs, Callback callback) override {
        return real_.startPeriodic(periodMs, std::move(callback));
    }
    void cancel(TimerId id) override { real_.cancel(id); }

    std::vector<Shot> shots() {
        std::lock_guard lock(mutex_);
        return shots_;
    }

private:
    TimerService& real_;
    std::mutex mutex_;
    std::vector<Shot> shots_;
};

// The window's side: every post is stamped when it is made and run later on this thread.
struct Window : PlayerEvents {
    std::mutex mutex;
    std::deque<std::pair<long long, std::function<void()>>> queue;
    long long runningPostNs = 0;
    std::vector<std::pair<long long, std::string>> shown; // post time, text
    bool ended = false;

    PostToGui poster() {
        return [this](std::function<void()> f) {
            const long long at = SteadyTimerService::nowNs();
            std::lock_guard lock(mutex);
            queue.emplace_back(at, std::move(f));
        };
    }
    void drain() {
        while (true) {
            std::pair<long long, std::function<void()>> post;
            {
                std::lock_guard lock(mutex);
                if (queue.empty()) {
                    return;
                }
                post = std::move(queue.front());
                queue.pop_front();
            }
            runningPostNs = post.first;
            post.second();
        }
    }

    void onControlsLocked(bool) override {}
    void onButtons(const ListeningButtons&) override {}
    void onHardnessMenuEnabled(bool) override {}
    void onWordDisplayCleared() override {}
    void onWordsShown(const std::string& text) override { shown.emplace_back(runningPostNs, text); }
    void onProgress(int, int) override {}
    void onEnded() override { ended = true; }
};

// A lead-in, then a dot-like tone and a gap longer than the delay for every word.
PlaybackSequence wordsApart(int words, int delayMs) {
    PlaybackSequence sequence;
    sequence.ms.push_back(-100);
    for (int i = 0; i < words; ++i) {
        sequence.ms.push_back(kToneMs);
        sequence.ms.push_back(-(delayMs + 100));
    }
    for (int ms : sequence.ms) {
        sequence.samples.push_back(ms * kSamplesPerMs);
    }
    sequence.hold = 200;
    sequence.word = -50;
    sequence.progressMaximum = sequence.last();
    return sequence;
}

// How late one word was shown, in ms, and where the time went: from its sound's end to the
// start of its delay, from the delay's deadline to the timer callback, from there to the post.
struct Lateness {
    double total = 0;
    double toDelayStart = 0;
    double timer = 0;
    double toPost = 0;
};

// Every shown word's lateness; empty when a word went missing.
std::vector<Lateness> measure(AudioLibrary& library, int words, int delayMs) {
    TimedOutput output(library);
    SteadyTimerService steadyTimers;
    TimedTimers timers(steadyTimers);
    SoundSettings sound;
    Window window;
    ListeningPlayer player(output, timers, sound, window, window.poster());
    const PlaybackSequence sequence = wordsApart(words, delayMs);
    player.load(sequence);
    player.setWords(std::vector<std::string>(static_cast<std::size_t>(words), "e"));
    player.setDisplayDelay(delayMs);
    player.start();
    const auto finished = [&] {
        return window.ended && window.shown.size() >= static_cast<std::size_t>(words);
    };
    const auto giveUp =
        std::chrono::steady_clock::now() +
        std::chrono::milliseconds(static_cast<long long>(words) * (kToneMs + delayMs + 100 + 50)) +
        std::chrono::seconds(10);
    while (!finished() && std::chrono::steady_clock::now() < giveUp) {
        window.drain();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    window.drain();
    if (window.shown.size() != static_cast<std::size_t>(words)) {
        std::fprintf(stderr, "delay %d ms: %zu of %d words shown\n", delayMs, window.shown.size(),
                     words);
        return {};
    }
    std::vector<long long> starts; // the first sample of each element
    long long start = 0;
    for (int samples : sequence.samples) {
        starts.push_back(start);
        start += std::abs(samples);
    }
    const std::vector<TimedTimers::Shot> shots = timers.shots();
    if (shots.size() != static_cast<std::size_t>(words)) {
        std::fprintf(stderr, "delay %d ms: %zu delays for %d words\n", delayMs, shots.size(),
                     words);
        return {};
    }
    const auto ms = [](long long ns) { return static_cast<double>(ns) / 1e6; };
    std::vector<Lateness> late;
    for (int w = 0; w < words; ++w) {
        const long long soundEnded = output.soundedAtNs(starts[2 + 2 * w] + kRampSamples);
        const TimedTimers::Shot& shot = shots[static_cast<std::size_t>(w)];
        const long long posted = window.shown[static_cast<std::size_t>(w)].first;
        late.push_back(Lateness{ms(posted - soundEnded) - delayMs, ms(shot.startedNs - soundEnded),
                                ms(shot.firedNs - shot.startedNs) - delayMs,
                                ms(posted - shot.firedNs)});
    }
    return late;
}

// The value below which `share` of the values lie.
double quantile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

// Median, 99th percentile and worst (furthest from 0) of the lateness, with the worst word's
// parts, and the worst of each part over all words.
void report(const char* label, const std::vector<Lateness>& late) {
    std::vector<double> total, toDelayStart, timer, toPost;
    for (const Lateness& l : late) {
        total.push_back(l.total);
        toDelayStart.push_back(l.toDelayStart);
        timer.push_back(l.timer);
        toPost.push_back(l.toPost);
    }
    const auto furthest = [](const std::vector<double>& values) {
        return *std::max_element(values.begin(), values.end(),
                                 [](double a, double b) { return std::abs(a) < std::abs(b); });
    };
    const Lateness& worst = *std::max_element(late.begin(), late.end(), [](auto& a, auto& b) {
        return std::abs(a.total) < std::abs(b.total);
    });
    std::printf("%-11s words %4zu  median %+.3f ms  99%% %+.3f ms  worst %+.3f ms = %+.3f to the "
                "delay's start %+.3f timer %+.3f to the post\n",
                label, late.size(), quantile(total, 0.5), quantile(total, 0.99), worst.total,
                worst.toDelayStart, worst.timer, worst.toPost);
    std::printf("%-11s worst parts: to the delay's start %+.3f, timer %+.3f (median %+.3f), to "
                "the post %+.3f\n",
                "", furthest(toDelayStart), furthest(timer), quantile(timer, 0.5),
                furthest(toPost));
}

} // namespace

int main(int argc, char** argv) {
    // The options scripts/bench.sh gives every benchmark are not ours: only a bare number is.
    int words = 120;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            words = std::max(1, std::atoi(argv[i]));
        }
    }
    setenv("DITTARO_AUDIO", "null", 0);
    AudioLibrary library;
    if (!library.load(DITTARO_DIST_DIR) || !library.init()) {
        std::fprintf(stderr, "audio library: %s\n", library.error().c_str());
        return 1;
    }
    std::vector<Lateness> all;
    for (int delayMs : {300, 600, 1200}) {
        const std::vector<Lateness> late = measure(library, words, delayMs);
        if (late.empty()) {
            return 1;
        }
        report(("delay " + std::to_string(delayMs)).c_str(), late);
        all.insert(all.end(), late.begin(), late.end());
    }
    report("all", all);
    std::printf("target: within 2 ms\n");
    return 0;
}
