#include "platform/audio/stream_mixer.h"

#include <gtest/gtest.h>
#include <vector>

namespace dittaro::audio {
namespace {

// A stream that gives a constant value, optionally only so many samples before its end,
// and at most `chunk` samples per call.
struct Source {
    std::int16_t value = 0;
    long remaining = -1; // -1: endless
    std::size_t chunk = SIZE_MAX;
    int calls = 0;
    StreamMixer* mixer = nullptr;
    HSTREAM stopOnCall = 0; // stops this stream from inside its second call

    static std::uint32_t proc(HSTREAM handle, void* buffer, std::uint32_t length, void* user) {
        auto& self = *static_cast<Source*>(user);
        ++self.calls;
        if (self.stopOnCall != 0 && self.calls == 2) {
            self.mixer->stop(handle);
        }
        if (self.remaining == 0) {
            return BASS_STREAMPROC_END;
        }
        std::size_t count = std::min<std::size_t>(length / 2, self.chunk);
        if (self.remaining > 0) {
            count = std::min<std::size_t>(count, static_cast<std::size_t>(self.remaining));
            self.remaining -= static_cast<long>(count);
        }
        std::fill_n(static_cast<std::int16_t*>(buffer), count, self.value);
        return static_cast<std::uint32_t>(2 * count);
    }
};

std::vector<std::int16_t> mix(StreamMixer& mixer, std::size_t count) {
    std::vector<std::int16_t> out(count, 0x1234);
    mixer.render(out.data(), count);
    return out;
}

TEST(StreamMixer, SumsPlayingStreamsWithSaturation) {
    const struct {
        std::int16_t a, b, mixed;
    } cases[] = {
        {1000, 2000, 3000}, {30000, 10000, 32767}, {-30000, -10000, -32768}, {20000, -20000, 0}};
    for (const auto& c : cases) {
        StreamMixer mixer;
        Source a{c.a}, b{c.b};
        const HSTREAM ha = mixer.create(&Source::proc, &a);
        const HSTREAM hb = mixer.create(&Source::proc, &b);
        ASSERT_NE(ha, hb);
        mixer.play(ha, true);
        mixer.play(hb, true);
        EXPECT_EQ(mix(mixer, 4), std::vector<std::int16_t>(4, c.mixed)) << c.a << " + " << c.b;
    }
}

TEST(StreamMixer, OnlyPlayingStreamsArePulled) {
    StreamMixer mixer;
    Source source{500};
    const HSTREAM handle = mixer.create(&Source::proc, &source);
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_STOPPED) << "created stopped";
    EXPECT_EQ(mix(mixer, 3), std::vector<std::int16_t>(3, 0));

    EXPECT_TRUE(mixer.play(handle, true));
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_PLAYING);
    EXPECT_EQ(mix(mixer, 3), std::vector<std::int16_t>(3, 500));
    EXPECT_TRUE(mixer.pause(handle));
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_PAUSED);
    const int callsWhilePaused = source.calls;
    EXPECT_EQ(mix(mixer, 3), std::vector<std::int16_t>(3, 0));
    EXPECT_EQ(source.calls, callsWhilePaused);
    EXPECT_TRUE(mixer.play(handle, false)) << "resume";
    EXPECT_EQ(mix(mixer, 3), std::vector<std::int16_t>(3, 500));
    EXPECT_TRUE(mixer.stop(handle));
    EXPECT_FALSE(mixer.pause(handle)) << "a stopped stream cannot pause";
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_STOPPED);
    EXPECT_EQ(mix(mixer, 3), std::vector<std::int16_t>(3, 0));
    EXPECT_TRUE(mixer.play(handle, true)) << "a stopped stream plays again";
}

TEST(StreamMixer, EndedStreamGivesItsLastSamplesAndIsReleased) {
    StreamMixer mixer;
    Source source{700, 5};
    const HSTREAM handle = mixer.create(&Source::proc, &source);
    mixer.play(handle, true);
    EXPECT_EQ(mix(mixer, 8), (std::vector<std::int16_t>{700, 700, 700, 700, 700, 0, 0, 0}));
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_STOPPED);
    EXPECT_FALSE(mixer.play(handle, true));
    EXPECT_FALSE(mixer.stop(handle));
    const int calls = source.calls;
    mix(mixer, 8);
    EXPECT_EQ(source.calls, calls);
}

TEST(StreamMixer, ShortAnswersAreAskedAgainUntilTheBlockIsFull) {
    StreamMixer mixer;
    Source source{100, -1, 3};
    const HSTREAM handle = mixer.create(&Source::proc, &source);
    mixer.play(handle, true);
    EXPECT_EQ(mix(mixer, 10), std::vector<std::int16_t>(10, 100));
    EXPECT_EQ(source.calls, 4);
}

TEST(StreamMixer, StreamThatGivesNothingLeavesSilence) {
    StreamMixer mixer;
    Source source{100, -1, 0};
    const HSTREAM handle = mixer.create(&Source::proc, &source);
    mixer.play(handle, true);
    EXPECT_EQ(mix(mixer, 4), std::vector<std::int16_t>(4, 0));
    EXPECT_EQ(source.calls, 1);
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_PLAYING);
}

TEST(StreamMixer, CallbackMayStopItsOwnStream) {
    StreamMixer mixer;
    Source source{100, -1, 2};
    source.mixer = &mixer;
    const HSTREAM handle = mixer.create(&Source::proc, &source);
    source.stopOnCall = handle;
    mixer.play(handle, true);
    // The second call stops the stream but still delivers its two samples.
    EXPECT_EQ(mix(mixer, 6), (std::vector<std::int16_t>{100, 100, 100, 100, 0, 0}));
    EXPECT_EQ(mixer.activity(handle), BASS_ACTIVE_STOPPED);
}

TEST(StreamMixer, NoStreamWithoutCallbackAndUnknownHandlesDoNothing) {
    StreamMixer mixer;
    EXPECT_EQ(mixer.create(nullptr, nullptr), 0u);
    EXPECT_FALSE(mixer.play(77, true));
    EXPECT_FALSE(mixer.stop(77));
    EXPECT_FALSE(mixer.pause(77));
    EXPECT_EQ(mixer.activity(77), BASS_ACTIVE_STOPPED);
}

} // namespace
} // namespace dittaro::audio
