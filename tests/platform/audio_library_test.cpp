#include "audio_test_support.h"
#include "engine/sequence_tone.h"
#include "engine/sidetone.h"
#include "platform/audio/audio_library.h"

#include <atomic>
#include <gtest/gtest.h>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;
using testing::waitUntil;

const fs::path kProgramDirectory = fs::path(DITTARO_BINARY_DIR) / "dist";

class AudioLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(library.load(kProgramDirectory)) << library.error(); }

    fs::path scratch(const std::string& name) const {
        return fs::temp_directory_path() /
               ("audio_library_test_" + std::to_string(getpid()) + "_" + name);
    }

    AudioLibrary library;
};

// Counts its calls and fills with a constant.
struct CountingStream {
    std::atomic<int> calls{0};
    static std::uint32_t proc(StreamHandle, void* buffer, std::uint32_t length, void* user) {
        auto& self = *static_cast<CountingStream*>(user);
        self.calls.fetch_add(1);
        std::fill_n(static_cast<std::int16_t*>(buffer), length / 2, std::int16_t{100});
        return length & ~1u;
    }
};

TEST_F(AudioLibraryTest, LoadsFromTheProgramDirectoryWithInterfaceVersion24) {
    EXPECT_TRUE(library.loaded());
    EXPECT_EQ(library.version() >> 16, 0x0204u);
    EXPECT_TRUE(library.versionMatches());
}

TEST(AudioLibraryMissing, IsReportedAndEveryCallFailsQuietly) {
    AudioLibrary library;
    EXPECT_FALSE(library.load("/nonexistent/dittaro"));
    EXPECT_FALSE(library.error().empty());
    EXPECT_FALSE(library.loaded());
    EXPECT_EQ(library.version(), 0u);
    EXPECT_FALSE(library.versionMatches());
    EXPECT_FALSE(library.init());
    EXPECT_EQ(library.createStream(&CountingStream::proc, nullptr), 0u);
    EXPECT_FALSE(library.play(1, true));
}

TEST_F(AudioLibraryTest, OutputIsChosenByTheEnvironment) {
    const fs::path capture = scratch("choice.wav");
    const struct {
        std::string choice;
        bool opens;
    } cases[] = {{"null", true},
                 {"capture:" + capture.string(), true},
                 {"capture:/nonexistent/folder/x.wav", false},
                 {"capture:", false},
                 {"loudspeaker", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        ScopedEnvironment audio("DITTARO_AUDIO", c.choice);
        EXPECT_EQ(library.init(), c.opens);
        EXPECT_EQ(library.createStream(&CountingStream::proc, nullptr) != 0, c.opens);
        library.free();
        EXPECT_FALSE(library.initialized());
    }
    fs::remove(capture);
}

TEST_F(AudioLibraryTest, StreamsAreOnlyCreatedForAnOpenOutput) {
    CountingStream stream;
    EXPECT_EQ(library.createStream(&CountingStream::proc, &stream), 0u);
    ASSERT_TRUE(library.init());
    const StreamHandle handle = library.createStream(&CountingStream::proc, &stream);
    EXPECT_NE(handle, 0u);
    EXPECT_TRUE(library.setBufferMs(AudioLibrary::kKeyboardBufferMs));
    EXPECT_TRUE(library.setBufferMs(AudioLibrary::kNormalBufferMs));
    library.free();
    EXPECT_FALSE(library.isActive(handle));
    ASSERT_TRUE(library.init()) << "the output opens again after a release";
    EXPECT_FALSE(library.play(handle, true)) << "streams do not outlive a release";
}

TEST_F(AudioLibraryTest, StopAndPauseHoldTheCallbackBackUntilPlay) {
    ASSERT_TRUE(library.init());
    CountingStream stream;
    const StreamHandle handle = library.createStream(&CountingStream::proc, &stream);
    EXPECT_FALSE(library.isActive(handle)) << "a new stream waits for play";
    ASSERT_TRUE(library.play(handle, true));
    EXPECT_TRUE(library.isActive(handle));
    ASSERT_TRUE(waitUntil([&] { return stream.calls > 5; }));

    for (bool (AudioLibrary::*hold)(StreamHandle) : {&AudioLibrary::stop, &AudioLibrary::pause}) {
        ASSERT_TRUE((library.*hold)(handle));
        EXPECT_FALSE(library.isActive(handle));
        const int calls = stream.calls;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(stream.calls, calls);
        ASSERT_TRUE(library.play(handle, false));
        ASSERT_TRUE(waitUntil([&] { return stream.calls > calls + 5; }));
    }
    library.free();
}

class ToneOnTheDevice : public AudioLibraryTest {
protected:
    SoundSettings settings;
};

TEST_F(ToneOnTheDevice, NullDevicePlaysAListToItsEndInRealTime) {
    ASSERT_TRUE(library.init());
    SequenceTone tone(settings.pitch, SequenceTone::Phase::Continue);
    std::atomic<int> ends{0};
    tone.setEndHandler([&ends] { ends.fetch_add(1); });
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(tone.play(library, {-400, 800, -400})); // 200 ms
    ASSERT_TRUE(waitUntil([&] { return ends > 0; }));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(tone.ended());
    EXPECT_GE(elapsed, std::chrono::milliseconds(180)) << "pulled at the real-time pace";
    ASSERT_TRUE(tone.play(library, {-80, 80})) << "the next list plays after the end";
    ASSERT_TRUE(waitUntil([&] { return ends > 1; }));
    library.free();
}

TEST_F(ToneOnTheDevice, CaptureDeviceRecordsWhatTheGeneratorProduced) {
    const fs::path capture = scratch("capture.wav");
    const std::vector<int> list{-80, 400, -240, 1200, -400};
    std::vector<std::int16_t> expected;
    {
        // The same list pulled directly, without a device.
        struct Direct : AudioOutput {
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
            bool isActive(StreamHandle) override { return false; }
        } direct;
        SequenceTone tone(settings.pitch, SequenceTone::Phase::ResetAtPlay);
        tone.prepare(5, true, 7);
        ASSERT_TRUE(tone.play(direct, list));
        std::int16_t block[160];
        std::uint32_t bytes = 0;
        while ((bytes = direct.proc(1, block, sizeof block, direct.user)) != kStreamEnd) {
            expected.insert(expected.end(), block, block + bytes / 2);
        }
    }
    {
        ScopedEnvironment audio("DITTARO_AUDIO", "capture:" + capture.string());
        ASSERT_TRUE(library.init());
        SequenceTone tone(settings.pitch, SequenceTone::Phase::ResetAtPlay);
        tone.prepare(5, true, 7);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ASSERT_TRUE(tone.play(library, list));
        ASSERT_TRUE(waitUntil([&] { return tone.ended(); }));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        library.free();
    }
    const testing::WavFile wav = testing::readWav(capture);
    fs::remove(capture);
    EXPECT_EQ(wav.rate, 8000u);
    EXPECT_EQ(wav.channels, 1u);
    EXPECT_EQ(wav.dataSize, 2 * wav.samples.size());
    const auto firstSound = [](const std::vector<std::int16_t>& s) {
        return std::find_if(s.begin(), s.end(), [](std::int16_t v) { return v != 0; });
    };
    const auto captured = firstSound(wav.samples);
    const std::vector<std::int16_t>::const_iterator generated = firstSound(expected);
    ASSERT_NE(captured, wav.samples.end());
    const auto length = expected.cend() - generated;
    ASSERT_GE(wav.samples.end() - captured, length);
    EXPECT_TRUE(std::equal(generated, expected.cend(), captured));
    EXPECT_GE(captured - wav.samples.begin(), 80) << "the capture starts before the tone";
}

TEST_F(ToneOnTheDevice, CaptureKeepsTheTimeBetweenTwoPlaybacks) {
    const fs::path capture = scratch("gap.wav");
    {
        ScopedEnvironment audio("DITTARO_AUDIO", "capture:" + capture.string());
        ASSERT_TRUE(library.init());
        SequenceTone tone(settings.pitch, SequenceTone::Phase::Continue);
        for (int i = 0; i < 2; ++i) {
            ASSERT_TRUE(tone.play(library, {400}));
            ASSERT_TRUE(waitUntil([&] { return tone.ended(); }));
            if (i == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
            }
        }
        library.free();
    }
    const std::vector<std::int16_t> samples = testing::readWav(capture).samples;
    fs::remove(capture);
    // The longest silence between the first and the last sound sample.
    const auto first = std::find_if(samples.begin(), samples.end(), [](auto v) { return v != 0; });
    const auto last = std::find_if(samples.rbegin(), samples.rend(), [](auto v) { return v != 0; });
    ASSERT_NE(first, samples.end());
    long gap = 0;
    long run = 0;
    for (auto it = first; it != last.base(); ++it) {
        run = *it == 0 ? run + 1 : 0;
        gap = std::max(gap, run);
    }
    EXPECT_GE(gap, 8 * 270);
}

TEST_F(ToneOnTheDevice, SidetoneKeyedWhilePitchAndVolumeMove) {
    ASSERT_TRUE(library.init());
    Sidetone sidetone(library, settings);
    ASSERT_TRUE(sidetone.prepare());
    SoundTest soundTest(sidetone);
    for (int i = 0; i < 20; ++i) {
        sidetone.start();
        EXPECT_TRUE(sidetone.running());
        settings.pitch = 400 + 40 * i;
        settings.volume = i;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        sidetone.stop();
        EXPECT_FALSE(sidetone.running());
    }
    soundTest.setTicked(true);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(sidetone.running());
    soundTest.setTicked(false);
    settings.overtones = true;
    EXPECT_TRUE(sidetone.prepare());
    library.free();
}

} // namespace
} // namespace dittaro
