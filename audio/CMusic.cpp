#include "audio/CMusic.h"

namespace {
const char* const kMusicFile = ".//Data//BGM//Music.mp3";
constexpr int kMixRate = 44100;
constexpr int kSoftwareChannels = 32;
constexpr int kMusicVolume = 125;
constexpr int kSlots = 5;

// The game only uses slot 0; a slot number outside the five is ignored
// rather than written or read past the slots.
bool IsSlot(int Index) {
    return Index >= 0 && Index < kSlots;
}
} // namespace

// Neither makes a sound-system call: the streams are never closed and the
// system is left to end with the process.
CMusic::CMusic() : Streams{}, BGMVolume(0) {}
CMusic::~CMusic() = default;

void CMusic::InitSound() {
    FSOUND_Init(kMixRate, kSoftwareChannels, 0);
    BGMVolume = kMusicVolume;
    LoadBGM(0, kMusicFile, true);
}

void CMusic::LoadBGM(int Index, const char* FileName, bool Loop) {
    if (!IsSlot(Index))
        return;
    const unsigned int mode = FSOUND_2D | (Loop ? FSOUND_LOOP_NORMAL : FSOUND_LOOP_OFF);
    Streams[Index] = FSOUND_Stream_Open(FileName, mode, 0, 0);
}

void CMusic::PlayBGM(int Channel, int Index) {
    // The test is on slot 0 whatever slot is played: with the game's music
    // missing, nothing plays at all.
    if (!Streams[0] || !IsSlot(Index))
        return;
    FSOUND_Stream_Play(Channel, Streams[Index]);
    // The volume goes to the channel asked for, not the one the stream got.
    FSOUND_SetVolume(Channel, BGMVolume);
}
