// pelegeso_music_check: checks the committed music as the game will hear it,
// decoded by SDL2_mixer. Usage: pelegeso_music_check <Music.mp3> <scratch.raw>
// It decodes the file whole, then plays it looping through SDL's disk audio
// driver into the scratch file and compares the two.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/music/Song.h"

namespace {

constexpr int kChannels = 2;
constexpr size_t kJoinWindow = music::kRate / 1000; // 1 ms either side of the join

int checks = 0;
int failures = 0;

void Check(bool ok, const char* what) {
    ++checks;
    std::printf("%s: %s\n", ok ? "ok" : "FAILED", what);
    if (!ok)
        ++failures;
}

struct Pcm {
    std::vector<int16_t> samples; // interleaved stereo
    size_t Frames() const { return samples.size() / kChannels; }
    int At(size_t frame, int channel) const { return samples[frame * kChannels + channel]; }
};

Pcm Decode(const char* path) {
    Pcm pcm;
    Mix_Chunk* chunk = Mix_LoadWAV(path);
    if (!chunk)
        return pcm;
    const int16_t* data = reinterpret_cast<const int16_t*>(chunk->abuf);
    pcm.samples.assign(data, data + chunk->alen / sizeof(int16_t));
    Mix_FreeChunk(chunk);
    return pcm;
}

long FileSize(const char* path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<long>(in.tellg()) : 0;
}

bool OpenAudio(const char* driver) {
    setenv("SDL_AUDIODRIVER", driver, 1);
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
           Mix_OpenAudio(music::kRate, AUDIO_S16SYS, kChannels, 4096) == 0;
}

void CloseAudio() {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Plays the file looping through the disk driver until it has written
// `frames` frames (or 60 s have passed), and returns what it wrote.
Pcm PlayLooped(const char* path, const char* rawPath, size_t frames) {
    Pcm pcm;
    std::remove(rawPath);
    setenv("SDL_DISKAUDIOFILE", rawPath, 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1); // ms per buffer: many times faster than real time
    if (!OpenAudio("disk"))
        return pcm;
    Mix_Music* musicStream = Mix_LoadMUS(path);
    if (!musicStream || Mix_PlayMusic(musicStream, -1) != 0) {
        CloseAudio();
        return pcm;
    }
    const long wanted = static_cast<long>(frames * kChannels * sizeof(int16_t));
    const Uint32 start = SDL_GetTicks();
    while (FileSize(rawPath) < wanted && SDL_GetTicks() - start < 60000)
        SDL_Delay(20);
    Mix_HaltMusic();
    Mix_FreeMusic(musicStream);
    CloseAudio();
    std::ifstream in(rawPath, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    pcm.samples.resize(bytes.size() / sizeof(int16_t));
    std::memcpy(pcm.samples.data(), bytes.data(), pcm.samples.size() * sizeof(int16_t));
    return pcm;
}

double Rms(const Pcm& pcm, size_t from, size_t count) {
    double sum = 0.0;
    for (size_t i = from * kChannels; i < (from + count) * kChannels; ++i)
        sum += double(pcm.samples[i]) * pcm.samples[i];
    return std::sqrt(sum / (count * kChannels)) / 32768.0;
}

// The step from the last frame to the first, against the largest step the
// music takes within 1 ms of the join: a click stands out from it, while a
// splice at a random point of the music is caught about three times in four
// on each channel.
bool JoinsSmoothly(const Pcm& pcm) {
    const size_t n = pcm.Frames();
    bool smooth = true;
    for (int c = 0; c < kChannels; ++c) {
        int largest = 0;
        for (size_t i = 0; i + 1 < kJoinWindow; ++i) {
            largest = std::max(largest, std::abs(pcm.At(i + 1, c) - pcm.At(i, c)));
            largest = std::max(largest, std::abs(pcm.At(n - 1 - i, c) - pcm.At(n - 2 - i, c)));
        }
        const int join = std::abs(pcm.At(0, c) - pcm.At(n - 1, c));
        std::printf("channel %d: join step %d, largest step near it %d\n", c, join, largest);
        smooth = smooth && join <= largest;
    }
    return smooth;
}

size_t FirstSound(const Pcm& pcm) {
    size_t i = 0;
    while (i < pcm.samples.size() && pcm.samples[i] == 0)
        ++i;
    return i / kChannels;
}

// The looped playback holds the decoded music, then the music again with not
// one frame missing or added at the join.
bool LoopsSeamlessly(const Pcm& once, const Pcm& looped) {
    const size_t lead = FirstSound(looped) - FirstSound(once);
    const size_t n = once.Frames();
    const size_t again = music::kRate * 2;
    if (looped.Frames() < lead + n + again) {
        std::printf("looped playback wrote %zu frames, %zu after a lead-in of %zu wanted\n",
                    looped.Frames(), n + again, lead);
        return false;
    }
    for (size_t f = 0; f < n + again; ++f)
        for (int c = 0; c < kChannels; ++c)
            if (looped.At(lead + f, c) != once.At(f % n, c)) {
                std::printf("looped playback differs at frame %zu of the loop\n", f);
                return false;
            }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <Music.mp3> <scratch.raw>\n", argv[0]);
        return 2;
    }
    const char* path = argv[1];
    const char* rawPath = argv[2];
    if (!OpenAudio("dummy")) {
        std::fprintf(stderr, "cannot open SDL's dummy audio driver: %s\n", SDL_GetError());
        return 1;
    }
    const Pcm once = Decode(path);
    CloseAudio();
    Check(once.Frames() > 0, "SDL2_mixer decodes the music");
    if (once.Frames() == 0)
        return 1;
    const size_t n = once.Frames();
    std::printf("decoded %zu frames (%.3f s), rendered %zu\n", n, double(n) / music::kRate,
                music::kLoopFrames);
    Check(n >= size_t(60) * music::kRate, "the music lasts 60 s or more");
    Check(n == music::kLoopFrames, "the decoder strips the encoder delay and padding exactly");
    const size_t clipped =
        size_t(std::count_if(once.samples.begin(), once.samples.end(),
                             [](int16_t s) { return s >= 32767 || s <= -32767; }));
    std::printf("overall RMS %.1f dBFS, first 50 ms %.1f dBFS, %zu clipped samples\n",
                20 * std::log10(Rms(once, 0, n)), 20 * std::log10(Rms(once, 0, music::kRate / 20)),
                clipped);
    Check(clipped == 0, "no sample is clipped");
    Check(Rms(once, 0, music::kRate / 20) > 0.01, "the music sounds from its first frame");
    Check(JoinsSmoothly(once), "the last and first frames join without a jump");
    const Pcm looped = PlayLooped(path, rawPath, n + 4 * music::kRate);
    std::remove(rawPath);
    Check(LoopsSeamlessly(once, looped), "looped playback repeats the music with no gap");
    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
