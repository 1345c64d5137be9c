#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/fmod/fmod.h"
#include "platform/fmod/internal.h"
#include "platform/seam.h"

namespace {
bool deviceOpen = false;
int outputRate = 0;
} // namespace

namespace fmod_layer {
bool DeviceOpen() {
    return deviceOpen;
}
} // namespace fmod_layer

signed char FSOUND_Init(int mixrate, int, unsigned int) {
    if (seam::Enter("FSOUND_Init"))
        return 0;
    if (deviceOpen)
        return 1;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    if (Mix_OpenAudio(mixrate, AUDIO_S16SYS, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    Mix_QuerySpec(&outputRate, nullptr, nullptr);
    deviceOpen = true;
    return 1;
}

int FSOUND_GetOutputRate() {
    return outputRate;
}
