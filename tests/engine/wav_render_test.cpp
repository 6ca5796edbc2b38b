#include "engine/wav_file.h"
#include "engine/wav_render.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

namespace dittaro {
namespace {

namespace fs = std::filesystem;

std::vector<std::int16_t> render(std::string_view timingText, const RenderSettings& settings) {
    const RenderTables tables = buildRenderTables(settings.amplitude, settings.rampMs);
    std::vector<std::int16_t> out;
    SampleRenderer renderer(tables, settings.pitch, [&out](std::span<const std::int16_t> block) {
        out.insert(out.end(), block.begin(), block.end());
    });
    for (long long count : renderSampleCounts(timingText)) {
        renderer.element(count);
    }
    renderer.flush();
    return out;
}

int peak(const std::vector<std::int16_t>& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    int result = 0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i) {
        result = std::max(result, std::abs(static_cast<int>(s[i])));
    }
    return result;
}

// The longest run of consecutive samples at exactly +10000.
int longestCrest(const std::vector<std::int16_t>& s) {
    int longest = 0;
    int run = 0;
    for (std::int16_t v : s) {
        run = v == 10000 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST(RenderTables, ToneTableIsOnePeriodBuiltFromItsFirstQuarter) {
    for (double amplitude : {1.0, 1.1}) {
        SCOPED_TRACE(amplitude);
        const RenderTables tables = buildRenderTables(amplitude, 5);
        const auto& t = tables.tone;
        ASSERT_EQ(t.size(), 44101u);
        EXPECT_EQ(t[0], 0);
        EXPECT_EQ(t[22050], 0);
        EXPECT_EQ(t[44100], 0);
        EXPECT_EQ(t[11025], 10000);
        EXPECT_EQ(t[33075], -10000);
        for (int i = 1; i <= 11025; i += 97) {
            EXPECT_EQ(t[22050 - i], t[i]);
            EXPECT_EQ(t[22050 + i], -t[i]);
            EXPECT_EQ(t[44100 - i], -t[i]);
        }
        EXPECT_EQ(*std::max_element(t.begin(), t.end()), 10000);
        const long flat = std::count(t.begin(), t.end(), 10000.0);
        EXPECT_EQ(flat > 1, amplitude > 1.0);
    }
}

TEST(RenderTables, RampLengthsAt44100) {
    const struct { int ms, n; } cases[] = {{2, 88}, {5, 220}, {8, 352}};
    for (const auto& c : cases) {
        const RenderTables tables = buildRenderTables(1.0, c.ms);
        EXPECT_EQ(tables.rampLength, c.n);
        EXPECT_EQ(tables.ramp.size(), static_cast<std::size_t>(c.n + 1));
        EXPECT_EQ(tables.ramp.back(), 1.0);
    }
}

TEST(Render, ElementLengthsInSamples) {
    const struct {
        const char* timing;
        std::size_t samples;
    } cases[] = {{"+100", 4410}, {"-1000", 44100}, {"+100-100+300-1000", 66150},
                 {"+5", 220},  // 220.5 rounds to the even neighbour
                 {"+15", 662}, // 661.5 rounds up to the even neighbour
                 {"-0+0", 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(render(c.timing, {}).size(), c.samples) << c.timing;
    }
}

TEST(Render, PauseAfterTheRampHasClosedIsDigitalSilence) {
    const auto out = render("+100-1000", {800, 1.0, 2});
    ASSERT_EQ(out.size(), 4410u + 44100u);
    EXPECT_NE(peak(out, 4410, 4410 + 87), 0) << "the fall takes the first 88 samples";
    EXPECT_EQ(peak(out, 4410 + 88), 0);
}

TEST(Render, ToneStartsAtZeroAndRisesOverTheRamp) {
    const struct { int ms, n; } cases[] = {{2, 88}, {5, 220}, {8, 352}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ms);
        const auto out = render("+200", {800, 1.0, c.ms});
        EXPECT_EQ(out[0], 0);
        EXPECT_LT(peak(out, 0, c.n / 2), 7100);
        EXPECT_GT(peak(out, c.n, out.size()), 9990);
    }
}

TEST(Render, At800HzOnePeriodIs55Point125Samples) {
    const auto out = render("+1000", {800, 1.0, 2});
    int rising = 0;
    std::size_t first = 0;
    std::size_t last = 0;
    for (std::size_t i = 1; i < out.size(); ++i) {
        if (out[i - 1] < 0 && out[i] >= 0) {
            first = rising == 0 ? i : first;
            last = i;
            ++rising;
        }
    }
    EXPECT_EQ(rising, 799); // the first period starts at sample 0
    EXPECT_NEAR(static_cast<double>(last - first) / (rising - 1), 55.125, 0.01);
}

TEST(Render, OvertonesHoldTheCrestAtTheFlatTop) {
    const struct {
        double amplitude;
        bool flat;
    } cases[] = {{1.0, false}, {1.1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amplitude);
        const auto out = render("+500", {800, c.amplitude, 5});
        EXPECT_EQ(peak(out), 10000);
        // The flat top spans about 14 % of a period: 7 or 8 samples at 800 Hz.
        EXPECT_EQ(longestCrest(out) >= 6, c.flat) << longestCrest(out);
        EXPECT_LE(longestCrest(out), c.flat ? 9 : 1);
    }
}

TEST(Render, ToneAfterAFullSilenceBeginsAtTheZeroCrossingAgain) {
    const auto first = render("+100", {750, 1.0, 5});
    const auto both = render("+100-50+100", {750, 1.0, 5});
    ASSERT_EQ(both.size(), 4410u * 2 + 2205u);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), both.begin() + 4410 + 2205));
}

TEST(Render, SilenceShorterThanTheFallKeepsThePhaseRunning) {
    // 2 ms of silence with an 8 ms ramp: the envelope never closes.
    const auto first = render("+100", {750, 1.0, 8});
    const auto both = render("+100-2+100", {750, 1.0, 8});
    ASSERT_EQ(both.size(), 4410u * 2 + 88u);
    EXPECT_NE(peak(both, 4410, 4410 + 88), 0);
    EXPECT_FALSE(std::equal(first.begin(), first.begin() + 400, both.begin() + 4410 + 88));
}

class WavFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("wav_file_test_" + std::to_string(getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::vector<unsigned char> bytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::uint32_t word(const std::vector<unsigned char>& b, std::size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 |
               static_cast<std::uint32_t>(b[at + 3]) << 24;
    }
    std::vector<fs::path> entries() const {
        return {fs::directory_iterator(folder), fs::directory_iterator()};
    }

    fs::path folder;
};

TEST_F(WavFileTest, HeaderCarriesTheSizesAndTheFormat) {
    const struct {
        const char* timing;
        std::uint32_t samples;
    } cases[] = {{"+100", 4410}, {"-1000+100-100", 52920}, {"+0", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.timing);
        const fs::path file = folder / "x.wav";
        const RenderOutcome outcome = renderWavFile(file, c.timing, {});
        ASSERT_EQ(outcome.status, RenderStatus::Written);
        EXPECT_EQ(outcome.samples, c.samples);
        const auto b = bytes(file);
        ASSERT_EQ(b.size(), 44 + 2 * c.samples);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(word(b, 4), 2 * c.samples + 36);
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(word(b, 16), 16u);
        EXPECT_EQ(word(b, 20), 1u | 1u << 16); // PCM, mono
        EXPECT_EQ(word(b, 24), 44100u);
        EXPECT_EQ(word(b, 28), 88200u);
        EXPECT_EQ(word(b, 32), 2u | 16u << 16); // frame bytes, bits
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        EXPECT_EQ(word(b, 40), 2 * c.samples);
    }
}

TEST_F(WavFileTest, SamplesAreTheRenderedOnesLittleEndian) {
    const fs::path file = folder / "x.wav";
    ASSERT_EQ(renderWavFile(file, "+20-10", {600, 1.1, 2}).status, RenderStatus::Written);
    const auto b = bytes(file);
    const auto expected = render("+20-10", {600, 1.1, 2});
    ASSERT_EQ(b.size(), 44 + 2 * expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(static_cast<std::int16_t>(b[44 + 2 * i] | b[45 + 2 * i] << 8), expected[i]) << i;
    }
}

TEST_F(WavFileTest, ExistingFileIsReplacedAfresh) {
    const fs::path file = folder / "x.wav";
    std::ofstream(file) << std::string(500000, 'x');
    ASSERT_EQ(renderWavFile(file, "+100", {}).status, RenderStatus::Written);
    EXPECT_EQ(fs::file_size(file), 44u + 8820u);
    EXPECT_EQ(entries().size(), 1u);
}

TEST_F(WavFileTest, NoTokensWritesNothing) {
    for (const char* timing : {"", "abc", "+ 100", "100"}) {
        EXPECT_EQ(renderWavFile(folder / "x.wav", timing, {}).status, RenderStatus::NoTokens)
            << timing;
    }
    EXPECT_TRUE(entries().empty());
}

TEST_F(WavFileTest, PracticeBeyondWhatAWavFileCountsIsRefused) {
    // 2147483647 ms would be 9.5e10 samples.
    const RenderOutcome outcome = renderWavFile(folder / "x.wav", "+100-2147483647", {});
    EXPECT_EQ(outcome.status, RenderStatus::TooLong);
    EXPECT_TRUE(entries().empty());
}

TEST_F(WavFileTest, UnwritableTargetFailsWithAReasonAndLeavesNoFile) {
    fs::create_directory(folder / "taken.wav");
    const fs::path targets[] = {folder / "missing" / "x.wav", folder / "taken.wav",
                                fs::path("/proc/x.wav")};
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target);
        const RenderOutcome outcome = renderWavFile(target, "+100-100", {});
        EXPECT_EQ(outcome.status, RenderStatus::WriteFailed);
        EXPECT_FALSE(outcome.reason.empty());
    }
    EXPECT_EQ(entries(), std::vector<fs::path>{folder / "taken.wav"});
    EXPECT_TRUE(fs::is_directory(folder / "taken.wav"));
}

TEST_F(WavFileTest, WriteFailingHalfwayKeepsThePreviousFileAndLeavesNoPart) {
    const fs::path file = folder / "x.wav";
    std::ofstream(file) << "previous";
    // Files of this process may grow to 64 KiB only; the write beyond fails.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 65536;
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const RenderOutcome outcome = renderWavFile(file, "+1000", {});
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(outcome.status, RenderStatus::WriteFailed);
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_EQ(entries(), std::vector<fs::path>{file});
    EXPECT_EQ(fs::file_size(file), 8u);
}

TEST_F(WavFileTest, ProgressMovesInFifthsOfTheElements) {
    const struct {
        std::string timing;
        int maximum;
        std::vector<int> positions;
    } cases[] = {
        {"+1-1+1-1+1-1+1-1+1-1", 9, {0, 1, 3, 5, 7, 9}},
        {"+1-1+1-1+1-1+1-1+1-1+1-1", 11, {0, 1, 3, 5, 7, 9, 11}},
        {"+1-1+1", 2, {0, 0, 1, 2}}, // fewer than five: after every element
        {"+1", 0, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.timing);
        std::vector<int> positions;
        renderWavFile(folder / "x.wav", c.timing, {}, [&](int position, int maximum) {
            EXPECT_EQ(maximum, c.maximum);
            positions.push_back(position);
        });
        EXPECT_EQ(positions, c.positions);
    }
}

} // namespace
} // namespace dittaro
