// raw_level <file.raw> <seconds>: succeeds when the 16-bit stereo samples SDL's
// disk driver wrote hold at least `seconds` of sound after the first non-zero
// sample, with no tenth of a second of it silent.
#include "tests/audio/sound_files.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <file.raw> <seconds>\n", argv[0]);
        return 2;
    }
    const std::vector<int16_t> samples = sound::ReadSamples(argv[1]);
    const size_t frames = samples.size() / 2;
    const size_t start = sound::FirstSound(samples);
    const size_t wanted = static_cast<size_t>(std::atof(argv[2]) * sound::kRate);
    std::printf("%zu frames written, sound from frame %zu\n", frames, start);
    if (start + wanted > frames) {
        std::printf("less than %s s of sound\n", argv[2]);
        return 1;
    }
    const size_t window = sound::kRate / 10;
    for (size_t from = start; from + window <= start + wanted; from += window) {
        const double peak = sound::Peak(samples, from, window);
        if (peak < 0.02) {
            std::printf("near silence (peak %.4f) at %.1f s\n", peak,
                        double(from - start) / sound::kRate);
            return 1;
        }
    }
    std::printf("sound all through the first %s s\n", argv[2]);
    return 0;
}
