// The PortAudio output on a real, paced device: a private PulseAudio server with a null
// sink, started and stopped by the fixture.

#include "audio_test_support.h"
#include "engine/sequence_tone.h"
#include "platform/audio/audio_library.h"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::waitUntil;

class PulseNullSink : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_ = fs::temp_directory_path() / ("dittaro_pulse_" + std::to_string(getpid()));
        fs::remove_all(runtime_);
        fs::create_directories(runtime_);
        fs::permissions(runtime_, fs::perms::owner_all);
        runtimeDir_ = std::make_unique<ScopedEnvironment>("XDG_RUNTIME_DIR", runtime_.string());
        noServer_ = std::make_unique<ScopedEnvironment>("PULSE_SERVER", std::nullopt);
        if (!startServer()) {
            GTEST_SKIP() << "pulseaudio with a null sink could not start here";
        }
        audio_ = std::make_unique<ScopedEnvironment>("DITTARO_AUDIO", "portaudio");
        ASSERT_TRUE(library.load(fs::path(DITTARO_BINARY_DIR) / "dist")) << library.error();
    }

    void TearDown() override {
        library.free();
        if (serverPid_ > 0) {
            kill(serverPid_, SIGTERM);
            if (!waitUntil([this] { return kill(serverPid_, 0) != 0; }, std::chrono::seconds(5))) {
                kill(serverPid_, SIGKILL);
            }
        }
        audio_.reset();
        noServer_.reset();
        runtimeDir_.reset();
        std::error_code ignored;
        fs::remove_all(runtime_, ignored);
    }

    AudioLibrary library;

private:
    // The daemon forks away; its pid comes from its pid file.
    bool startServer() {
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
        if (child < 0) {
            return false;
        }
        int status = 0;
        // The parent process returns once the daemon is ready (or has failed).
        if (!waitUntil([&] { return waitpid(child, &status, WNOHANG) == child; },
                       std::chrono::seconds(20))) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            return false;
        }
        std::ifstream pidFile(runtime_ / "pulse" / "pid");
        pidFile >> serverPid_;
        return serverPid_ > 0 && fs::exists(runtime_ / "pulse" / "native");
    }

    fs::path runtime_;
    pid_t serverPid_ = 0;
    std::unique_ptr<ScopedEnvironment> runtimeDir_;
    std::unique_ptr<ScopedEnvironment> noServer_;
    std::unique_ptr<ScopedEnvironment> audio_;
};

TEST_F(PulseNullSink, PlaysAListToItsEndAtTheDevicePace) {
    ASSERT_TRUE(library.init()) << "PortAudio reaches the null sink";
    std::atomic<int> pitch{800};
    SequenceTone tone(pitch, SequenceTone::Phase::Continue);
    std::atomic<int> ends{0};
    tone.setEndHandler([&ends] { ends.fetch_add(1); });
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(tone.play(library, {-400, 2400, -400})); // 400 ms
    ASSERT_TRUE(waitUntil([&] { return ends > 0; }));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(300));
}

TEST_F(PulseNullSink, LowLatencyReopensTheDeviceAndPlayingGoesOn) {
    ASSERT_TRUE(library.init());
    std::atomic<int> pitch{600};
    SequenceTone tone(pitch, SequenceTone::Phase::Continue);
    ASSERT_TRUE(tone.play(library, {-200, 1600, -200}));
    EXPECT_TRUE(library.setBufferMs(AudioLibrary::kKeyboardBufferMs));
    ASSERT_TRUE(waitUntil([&] { return tone.ended(); }));
    EXPECT_TRUE(library.setBufferMs(AudioLibrary::kNormalBufferMs));
    ASSERT_TRUE(tone.play(library, {-80, 80}));
    ASSERT_TRUE(waitUntil([&] { return tone.ended(); }));
}

TEST(PortAudioWithoutDevice, InitFailsWhenChosenAndFallsBackWhenNot) {
    // No server in an empty runtime folder and no sound card: no output device opens.
    const fs::path empty =
        fs::temp_directory_path() / ("dittaro_nopulse_" + std::to_string(getpid()));
    fs::create_directories(empty);
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", empty.string());
    if (fs::exists("/dev/snd")) {
        fs::remove_all(empty);
        GTEST_SKIP() << "this machine has a sound card";
    }
    AudioLibrary library;
    ASSERT_TRUE(library.load(fs::path(DITTARO_BINARY_DIR) / "dist"));
    {
        ScopedEnvironment audio("DITTARO_AUDIO", "portaudio");
        EXPECT_FALSE(library.init()) << "the failure reaches the caller";
    }
    {
        ScopedEnvironment audio("DITTARO_AUDIO", std::nullopt);
        EXPECT_TRUE(library.init()) << "without a choice the null device takes over";
        std::atomic<int> pitch{800};
        SequenceTone tone(pitch, SequenceTone::Phase::Continue);
        ASSERT_TRUE(tone.play(library, {80}));
        EXPECT_TRUE(waitUntil([&] { return tone.ended(); }));
        library.free();
    }
    fs::remove_all(empty);
}

} // namespace
} // namespace dittaro
