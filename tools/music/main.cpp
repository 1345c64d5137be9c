// pelegeso_music: renders the game's background music as a WAV file.
// Usage: pelegeso_music <out.wav>
#include <cstdio>

#include "tools/music/Song.h"
#include "tools/music/Wav.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.wav>\n", argv[0]);
        return 2;
    }
    if (!music::WriteWav(argv[1], music::RenderSong())) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
