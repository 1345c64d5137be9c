// The FMOD 3 sound functions the game plays its music with, over SDL2_mixer.
// Streams are decoded and played by SDL_mixer's music channel, so one stream
// sounds at a time; the game only ever plays one.
#pragma once

// Mode flags for FSOUND_Stream_Open.
#define FSOUND_LOOP_OFF 0x00000001    // play once
#define FSOUND_LOOP_NORMAL 0x00000002 // repeat from the start without end
#define FSOUND_2D 0x00002000          // no 3-D positioning (all our streams)

// Channel number asking for any free channel.
#define FSOUND_FREE -1

// An open music stream: a decodable file and the loop mode it was opened with.
struct FSOUND_STREAM;

// Opens the audio device at mixrate Hz, 16-bit stereo. The game ignores the
// result; without a device every later call does nothing and the game is
// silent. The channel count and flags change nothing here.
signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);

// Opens a file SDL_mixer can decode (MP3, OGG, FLAC, WAV...) as a stream.
// offset and length must be 0 (the whole file). Returns null when the sound
// system is not initialised or the file is missing or cannot be decoded.
// Streams are never closed.
FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int mode, int offset, int length);

// Starts the stream from its beginning, repeating without end when it was
// opened with FSOUND_LOOP_NORMAL, once otherwise. Returns the channel it plays
// on, or -1 on failure. channel is the channel asked for; any value gets the
// music channel.
int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);

// Sets a channel's volume, 0 to 255. Channel -1 means the stream started last.
signed char FSOUND_SetVolume(int channel, int vol);

// What a test reads back: the mode a stream was opened with, a channel's
// volume (0 to 255; -1 means the stream started last), and the rate the
// device was opened at (0 with no device).
unsigned int FSOUND_Stream_GetMode(FSOUND_STREAM* stream);
int FSOUND_GetVolume(int channel);
int FSOUND_GetOutputRate();
