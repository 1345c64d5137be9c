// The instruments. Each one renders a single note or drum hit into a loop
// buffer, starting at a frame; the buffer wraps whatever rings past its end.
#pragma once

#include <cstddef>

#include "tools/music/LoopBuffer.h"

namespace music {

struct Hit {
    size_t frame;    // start, in frames from the top of the loop
    double gate;     // seconds the note is held (ignored by drums)
    double pitch;    // MIDI note number (ignored by drums)
    double velocity; // linear gain
    double pan;      // -1 left .. +1 right
};

void Lead(LoopBuffer& out, const Hit& hit);
void Bass(LoopBuffer& out, const Hit& hit);
void EPiano(LoopBuffer& out, const Hit& hit);
void Bell(LoopBuffer& out, const Hit& hit);
void Pad(LoopBuffer& out, const Hit& hit);

void Kick(LoopBuffer& out, const Hit& hit);
void Snare(LoopBuffer& out, const Hit& hit);
void ClosedHat(LoopBuffer& out, const Hit& hit);
void OpenHat(LoopBuffer& out, const Hit& hit);
void Crash(LoopBuffer& out, const Hit& hit);

} // namespace music
