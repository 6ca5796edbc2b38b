// Tone synthesis and audio export: how fast the export renders compared with computing a
// sine per sample, what the live sample callbacks cost, and how quickly a keyed sidetone
// reaches the device.

#include "common/numeric.h"
#include "engine/element_sequence.h"
#include "engine/playback_tone.h"
#include "engine/sequence_tone.h"
#include "engine/sidetone.h"
#include "engine/tmorse.h"
#include "engine/wav_file.h"
#include "engine/wav_render.h"
#include "platform/audio/audio_library.h"
#include "platform/audio/portaudio_device.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace dittaro;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Ten minutes of plain text at 60 characters per minute.
const std::string& tenMinutePractice() {
    static const std::string timing = [] {
        TMorse morse;
        morse.setSpeedFromBpm(60);
        morse.setFarnsworth(false);
        morse.setText("cq cq de dl1abc dl1abc pse k = r tnx fer call 599 5nn es 73");
        morse.convert();
        std::string text;
        long long ms = 0;
        while (ms < 600000) {
            text += morse.timingText();
            ms += timingTextTotalMs(morse.timingText());
        }
        return text;
    }();
    return timing;
}

constexpr double kPracticeSeconds = 600;

void renderWithTables(const std::string& timing, std::int64_t& samples) {
    const RenderTables tables = buildRenderTables(1.1, 5);
    SampleRenderer renderer(tables, 800, [&samples](std::span<const std::int16_t> block) {
        benchmark::DoNotOptimize(block.data());
        samples += static_cast<std::int64_t>(block.size());
    });
    for (long long count : renderSampleCounts(timing)) {
        renderer.element(count);
    }
    renderer.flush();
}

// The same envelope and phase rules, with the tone computed by sin() for every sample.
void renderWithSine(const std::string& timing, std::int64_t& samples) {
    const RenderTables tables = buildRenderTables(1.1, 5);
    const int n = tables.rampLength;
    std::vector<std::int16_t> block;
    block.reserve(1 << 16);
    auto put = [&](std::int16_t value) {
        block.push_back(value);
        if (block.size() == block.capacity()) {
            benchmark::DoNotOptimize(block.data());
            samples += static_cast<std::int64_t>(block.size());
            block.clear();
        }
    };
    auto tone = [](int phase) {
        const double value = std::sin(phase * (2 * std::numbers::pi) / kRenderRate) * 11000;
        return std::clamp(value, -kRenderPeak, kRenderPeak);
    };
    int phase = 0;
    int e = 0;
    for (long long count : renderSampleCounts(timing)) {
        for (long long k = 0; k < std::llabs(count); ++k) {
            if (count >= 0 || e > 0) {
                if (phase > kRenderRate) {
                    phase %= kRenderRate;
                }
                put(static_cast<std::int16_t>(nearest(tables.ramp[e] * tone(phase))));
                phase += 800;
                e += count >= 0 ? (e < n ? 1 : 0) : -1;
            } else {
                phase = 0;
                put(0);
            }
        }
    }
    samples += static_cast<std::int64_t>(block.size());
}

void reportRender(benchmark::State& state, std::int64_t samples) {
    state.SetItemsProcessed(samples);
    state.counters["x_real_time"] = benchmark::Counter(
        kPracticeSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void RenderTenMinutesWithTables(benchmark::State& state) {
    const std::string& timing = tenMinutePractice();
    std::int64_t samples = 0;
    for (auto _ : state) {
        renderWithTables(timing, samples);
    }
    reportRender(state, samples);
}
BENCHMARK(RenderTenMinutesWithTables)->Unit(benchmark::kMillisecond);

void RenderTenMinutesWithSinPerSample(benchmark::State& state) {
    const std::string& timing = tenMinutePractice();
    std::int64_t samples = 0;
    for (auto _ : state) {
        renderWithSine(timing, samples);
    }
    reportRender(state, samples);
}
BENCHMARK(RenderTenMinutesWithSinPerSample)->Unit(benchmark::kMillisecond);

// Both renderers in turn, so that their ratio comes from one run on one machine state.
void RenderSpeedupOverSinPerSample(benchmark::State& state) {
    const std::string& timing = tenMinutePractice();
    double tables = 0;
    double sine = 0;
    for (auto _ : state) {
        std::int64_t samples = 0;
        const auto t0 = Clock::now();
        renderWithTables(timing, samples);
        const auto t1 = Clock::now();
        renderWithSine(timing, samples);
        const auto t2 = Clock::now();
        tables += std::chrono::duration<double>(t1 - t0).count();
        sine += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["ratio"] = sine / tables;
}
BENCHMARK(RenderSpeedupOverSinPerSample)->Unit(benchmark::kMillisecond);

// The whole export of the ten minutes to a WAV file (53 MB).
void ExportTenMinutesToWavFile(benchmark::State& state) {
    const std::string& timing = tenMinutePractice();
    const fs::path file =
        fs::temp_directory_path() / ("sound_bench_" + std::to_string(getpid()) + ".wav");
    for (auto _ : state) {
        const RenderOutcome outcome = renderWavFile(file, timing, {800, 1.1, 5});
        if (outcome.status != RenderStatus::Written) {
            state.SkipWithError(outcome.reason.c_str());
            break;
        }
    }
    state.counters["x_real_time"] = benchmark::Counter(
        kPracticeSeconds * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    fs::remove(file);
}
BENCHMARK(ExportTenMinutesToWavFile)->Unit(benchmark::kMillisecond);

// One second of live sound (8000 samples) pulled in 10 ms blocks, as a device does.
template <typename Fill> void oneSecondOfCallbacks(benchmark::State& state, Fill fill) {
    std::int16_t block[80];
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < 100; ++i) {
            fill(block);
            benchmark::DoNotOptimize(block);
        }
        seconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    // The share of one core that a second of sound costs, in per cent.
    state.counters["core_percent"] = 100 * seconds / static_cast<double>(state.iterations());
}

std::vector<int> endlessPractice() {
    std::vector<int> samples;
    for (int i = 0; i < 100000; ++i) {
        samples.push_back(i % 2 == 0 ? 800 * (1 + i % 3) : -800 * (1 + i % 4));
    }
    return samples;
}

void PlaybackCallbackPerSecondOfSound(benchmark::State& state) {
    const std::vector<int> samples = endlessPractice();
    PlaybackTone tone;
    tone.prepare(5, true);
    tone.generator().start(samples);
    oneSecondOfCallbacks(state, [&tone](std::int16_t* block) {
        fillStreamBuffer(tone.generator(), block, 160, 800, 4);
    });
}
BENCHMARK(PlaybackCallbackPerSecondOfSound)->Unit(benchmark::kMicrosecond);

// An output that calls the stream back on the benchmark's own thread.
class DirectOutput : public AudioOutput {
public:
    StreamProc proc = nullptr;
    void* user = nullptr;
    StreamHandle createStream(StreamProc p, void* u) override {
        proc = p;
        user = u;
        return 1;
    }
    bool play(StreamHandle, bool) override { return true; }
    bool stop(StreamHandle) override { return true; }
    bool pause(StreamHandle) override { return true; }
    bool isActive(StreamHandle) override { return true; }
};

void SidetoneCallbackPerSecondOfSound(benchmark::State& state) {
    DirectOutput output;
    SoundSettings settings;
    Sidetone sidetone(output, settings);
    sidetone.prepare();
    sidetone.start();
    oneSecondOfCallbacks(
        state, [&output](std::int16_t* block) { output.proc(1, block, 160, output.user); });
}
BENCHMARK(SidetoneCallbackPerSecondOfSound)->Unit(benchmark::kMicrosecond);

// Wraps the real output and notes when a stream first hands over a sound sample.
class WatchedOutput : public AudioOutput {
public:
    explicit WatchedOutput(AudioOutput& inner) : inner_(inner) {}

    StreamHandle createStream(StreamProc proc, void* user) override {
        proc_ = proc;
        user_ = user;
        return inner_.createStream(&WatchedOutput::watch, this);
    }
    bool play(StreamHandle s, bool restart) override { return inner_.play(s, restart); }
    bool stop(StreamHandle s) override { return inner_.stop(s); }
    bool pause(StreamHandle s) override { return inner_.pause(s); }
    bool isActive(StreamHandle s) override { return inner_.isActive(s); }

    void arm() { sounded_.store(false); }
    bool sounded() const { return sounded_.load(std::memory_order_acquire); }
    Clock::time_point soundedAt() const { return soundedAt_; }

private:
    static std::uint32_t watch(StreamHandle handle, void* buffer, std::uint32_t length,
                               void* user) {
        auto& self = *static_cast<WatchedOutput*>(user);
        const std::uint32_t result = self.proc_(handle, buffer, length, self.user_);
        const auto* samples = static_cast<const std::int16_t*>(buffer);
        if (!self.sounded_.load(std::memory_order_relaxed) &&
            std::any_of(samples, samples + (result & ~kStreamEnd) / 2,
                        [](std::int16_t v) { return v != 0; })) {
            self.soundedAt_ = Clock::now();
            self.sounded_.store(true, std::memory_order_release);
        }
        return result;
    }

    AudioOutput& inner_;
    StreamProc proc_ = nullptr;
    void* user_ = nullptr;
    std::atomic<bool> sounded_{false};
    Clock::time_point soundedAt_;
};

// From the start call to the first sound sample handed to the null device.
void SidetoneStartLatencyOnNullDevice(benchmark::State& state) {
    setenv("DITTARO_AUDIO", "null", 1);
    AudioLibrary library;
    if (!library.load(DITTARO_DIST_DIR) || !library.init()) {
        state.SkipWithError("the audio library does not load or start");
        return;
    }
    WatchedOutput watched(library);
    SoundSettings settings;
    Sidetone sidetone(watched, settings);
    sidetone.prepare();
    double worst = 0;
    for (auto _ : state) {
        sidetone.stop();
        watched.arm();
        // Keying falls anywhere within the device's block.
        std::this_thread::sleep_for(std::chrono::microseconds(300 + state.iterations() % 700));
        const auto start = Clock::now();
        sidetone.start();
        while (!watched.sounded()) {
            std::this_thread::yield();
        }
        const double latency = std::chrono::duration<double>(watched.soundedAt() - start).count();
        worst = std::max(worst, latency);
        state.SetIterationTime(latency);
    }
    sidetone.stop();
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(SidetoneStartLatencyOnNullDevice)
    ->UseManualTime()
    ->Iterations(300)
    ->Unit(benchmark::kMicrosecond);

// A private PulseAudio server with a null sink, for machines without a sound card.
class PulseNullSink {
public:
    PulseNullSink() {
        runtime_ = fs::temp_directory_path() / ("sound_bench_pulse_" + std::to_string(getpid()));
        fs::create_directories(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        const pid_t child = fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            execlp("pulseaudio", "pulseaudio", "-n", "--daemonize=yes", "--exit-idle-time=-1", "-L",
                   "module-native-protocol-unix", "-L", "module-null-sink sink_name=nullsink",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
            WEXITSTATUS(status) == 0) {
            std::ifstream(runtime_ / "pulse" / "pid") >> pid_;
        }
    }
    ~PulseNullSink() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
        }
        std::error_code ignored;
        fs::remove_all(runtime_, ignored);
    }
    bool running() const { return pid_ > 0; }

private:
    fs::path runtime_;
    pid_t pid_ = 0;
};

// What PortAudio reports for the default output at the keyboard-Morse buffer (200 ms)
// and at the normal one (500 ms).
void PortAudioReportedOutputLatency(benchmark::State& state) {
    audio::StreamMixer mixer;
    std::unique_ptr<PulseNullSink> pulse;
    auto device = audio::PortAudioDevice::open(mixer, static_cast<int>(state.range(0)), 44100);
    if (!device) {
        pulse = std::make_unique<PulseNullSink>();
        if (pulse->running()) {
            device = audio::PortAudioDevice::open(mixer, static_cast<int>(state.range(0)), 44100);
            state.SetLabel("private PulseAudio null sink");
        }
    }
    if (!device) {
        state.SkipWithError("no output device");
        return;
    }
    double latency = 0;
    for (auto _ : state) {
        latency = device->latencySeconds();
    }
    state.counters["latency_ms"] = latency * 1000;
    state.counters["device_rate"] = device->rate();
    device.reset();
}
BENCHMARK(PortAudioReportedOutputLatency)->Arg(200)->Arg(500)->Iterations(1);

} // namespace
