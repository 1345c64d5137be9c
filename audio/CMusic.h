// The game's sound manager: five music-stream slots and the music volume,
// over the FMOD 3 sound functions. The game loads slot 0 with its one tune at
// start-up and plays it, looping, until the process ends.
#pragma once

#include "platform/fmod/fmod.h"

class CMusic {
  public:
    CMusic();
    ~CMusic();

    // Starts the sound system, sets the music volume and opens the game's
    // music, looping, into slot 0.
    void InitSound();
    // Opens FileName into slot Index (0 to 4), looping when Loop is set. A
    // failed open leaves the slot empty; another slot number does nothing.
    void LoadBGM(int Index, const char* FileName, bool Loop);
    // Plays slot Index on Channel at BGMVolume, but only when slot 0 is
    // filled, whichever slot is asked for, and Index is a slot.
    void PlayBGM(int Channel, int Index);

    FSOUND_STREAM* Streams[5];
    int BGMVolume;
};
