// The game's tune: its length and its rendering into one seamless loop.
#pragma once

#include <cstddef>

#include "tools/music/Dsp.h"
#include "tools/music/LoopBuffer.h"

namespace music {

constexpr size_t kFramesPerBeat = kRate / 2; // 120 beats a minute
constexpr size_t kBeatsPerBar = 4;
constexpr size_t kBars = 36;
constexpr size_t kLoopFrames = kBars * kBeatsPerBar * kFramesPerBeat;

// The whole tune, mixed and mastered, in [-1, 1].
LoopBuffer RenderSong();

} // namespace music
