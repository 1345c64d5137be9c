#include <SDL_mixer.h>

#include <algorithm>
#include <vector>

#include "platform/fmod/fmod.h"
#include "platform/fmod/internal.h"
#include "platform/seam.h"

struct FSOUND_STREAM {
    Mix_Music* music;
    unsigned int mode;
};

namespace {
// SDL_mixer has one music channel; it is channel 0 here.
constexpr int kMusicChannel = 0;
int musicVolume = 255;

bool IsMusicChannel(int channel) {
    return channel == FSOUND_FREE || channel == kMusicChannel;
}

// Every stream opened, kept until the process ends as the sound library keeps
// its own: never closed, and never freed under the mixer thread at exit.
std::vector<FSOUND_STREAM*>& OpenStreams() {
    static auto* streams = new std::vector<FSOUND_STREAM*>;
    return *streams;
}
} // namespace

FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int offset, int length) {
    if (seam::Enter("FSOUND_Stream_Open") || !fmod_layer::DeviceOpen() || !name || offset != 0 ||
        length != 0)
        return nullptr;
    Mix_Music* music = Mix_LoadMUS(name);
    if (!music)
        return nullptr;
    OpenStreams().push_back(new FSOUND_STREAM{music, mode});
    return OpenStreams().back();
}

int FSOUND_Stream_Play(int, FSOUND_STREAM* stream) {
    if (seam::Enter("FSOUND_Stream_Play") || !stream)
        return -1;
    // SDL_mixer counts plays: -1 repeats without end, 1 plays once.
    const int plays = (stream->mode & FSOUND_LOOP_NORMAL) ? -1 : 1;
    if (Mix_PlayMusic(stream->music, plays) != 0)
        return -1;
    return kMusicChannel;
}

signed char FSOUND_SetVolume(int channel, int vol) {
    if (seam::Enter("FSOUND_SetVolume") || !fmod_layer::DeviceOpen() || !IsMusicChannel(channel))
        return 0;
    musicVolume = std::clamp(vol, 0, 255);
    Mix_VolumeMusic((musicVolume * MIX_MAX_VOLUME + 127) / 255);
    return 1;
}

unsigned int FSOUND_Stream_GetMode(FSOUND_STREAM* stream) {
    return stream ? stream->mode : 0;
}

int FSOUND_GetVolume(int channel) {
    return IsMusicChannel(channel) ? musicVolume : 0;
}
