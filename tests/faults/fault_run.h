// One run of the real game for a fault test: on a private X server (keys
// reach only the focused window), with a fake clock, through the title into
// play, steering the ball on the way.
#pragma once

#include "tests/kit/kit.h"

#include <functional>
#include <vector>

struct FaultRun {
    int exitValue = -1;
    int titleFrames = 0;        // frames swapped in the title
    int playFrames = 0;         // frames swapped in play
    size_t boxesBeforePlay = 0; // message boxes shown before Enter was read
    std::vector<kit::Box> boxes;
};

// Shows `title` frames of the title, holds Enter until play begins, then
// plays `play` frames: forward with turns, zoom and tilt. `during(frame)`
// runs inside every swap after the script's own keys are set; the run ends
// early if it returns false, or if play has not begun 500 frames after Enter.
FaultRun RunTitleAndPlay(int title, int play,
                         const std::function<bool(int frame)>& during = nullptr);
