// What really comes out: SDL's disk audio driver writes everything mixed to
// a file, so a test can hear whether the music loops, stops and has the
// volume it was given.
#include "audio/CMusic.h"
#include "tests/audio/sound_files.h"
#include "tests/kit/kit.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr double kToneSeconds = 0.25; // 110 whole cycles of 440 Hz
constexpr double kTonePeak = 0.5;

struct PlayCase {
    const char* name;
    bool loop;
    int volume;
};

void PrintTo(const PlayCase& c, std::ostream* os) {
    *os << c.name;
}

class Playback : public ::testing::TestWithParam<PlayCase> {
  protected:
    void SetUp() override {
        const std::string dir = kit::TempDir();
        raw = dir + "/out.raw";
        tone = dir + "/tone.wav";
        sound::WriteTone(tone, kToneSeconds, kTonePeak);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "2", 1); // ms per buffer: faster than real time
        FSOUND_Init(44100, 32, 0);
    }

    std::string raw;
    std::string tone;
};

// Longest run of near-silent samples on the left channel in [from, to).
size_t LongestHush(const std::vector<int16_t>& samples, size_t from, size_t to) {
    size_t longest = 0;
    size_t run = 0;
    for (size_t f = from; f < to; ++f) {
        run = std::abs(samples[2 * f]) < 100 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

TEST_P(Playback, LoopsOrStopsAtTheVolumeGiven) {
    CMusic Music;
    Music.BGMVolume = GetParam().volume;
    Music.LoadBGM(0, tone.c_str(), GetParam().loop);
    Music.PlayBGM(-1, 0);

    const size_t frames = 2 * sound::kRate; // four plays of the tone, and the lead-in
    ASSERT_TRUE(sound::WaitForSize(raw, frames * 4 + 65536, 20.0));
    const std::vector<int16_t> out = sound::ReadSamples(raw);
    const size_t start = sound::FirstSound(out);
    ASSERT_LE(start + sound::kRate, out.size() / 2) << "no music in the first second";

    const size_t toneFrames = static_cast<size_t>(kToneSeconds * sound::kRate);
    const double expected = kTonePeak * GetParam().volume / 255.0;
    EXPECT_NEAR(sound::Peak(out, start, toneFrames), expected, 0.01);
    const size_t second = start + sound::kRate;
    if (GetParam().loop) {
        EXPECT_NEAR(sound::Peak(out, start + toneFrames, second - start - toneFrames), expected,
                    0.01);
        // The sine crosses zero within a sample, so any longer hush is a gap.
        EXPECT_LE(LongestHush(out, start, second), 2u);
    } else {
        EXPECT_EQ(sound::Peak(out, start + toneFrames + 64, second - start - toneFrames), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, Playback,
                         ::testing::Values(PlayCase{"LoopingAtTheGamesVolume", true, 125},
                                           PlayCase{"OnceAtTheGamesVolume", false, 125},
                                           PlayCase{"LoopingAtFullVolume", true, 255}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
