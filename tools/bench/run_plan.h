// The benchmark's script, run from the frame hook of the real game loop:
// for every scene, frames timed without the pacing wait, then frames under
// the real clock and its pacing, each time with the literal and the fast
// drawing path taking turns in blocks.
#pragma once

#include "tools/bench/scenes.h"
#include "tools/bench/timing.h"

#include <cstdint>
#include <vector>

namespace bench {

enum Path { LITERAL = 0, FAST = 1 };

struct SceneResult {
    const char* name;
    // Frame work (everything but the pacing wait), per path.
    Summary work[2];
    // Of the frame work, the part from the start of Render to the swap
    // (drawing and rasterising; the rest is the swap, messages and input).
    Summary drawing[2];
    // Frames a second of the paced loop, per path.
    double fps[2];
};

class RunPlan {
  public:
    // `only` names the one scene to time; null times them all.
    RunPlan(int frames, int titleFrames, const char* only);

    // Called inside every buffer swap; false once every scene is done.
    bool OnFrame();
    // Ticks for the game while a stage runs without the pacing wait.
    uint32_t FastTicks();
    bool Done() const { return scene_ >= SCENE_COUNT; }
    std::vector<SceneResult> Results();

  private:
    enum Stage { WORK, PACED };
    static constexpr int SCENE_COUNT = 6;
    // Frames in a block of one path; the first interval of a block still
    // holds the other path's buffer swap and is dropped.
    static constexpr int BLOCK = 20;
    static constexpr int WARM_UP = 2 * BLOCK;

    void BeginStage();
    // Moves to the next scene to time, or past the last.
    void NextScene();
    int StageFrames() const;

    const char* only_;
    int frames_;
    int titleFrames_;
    int scene_ = -1;
    Stage stage_ = WORK;
    int frameInStage_ = -1;
    double last_ = 0.0;
    uint32_t fakeTicks_ = 0;
    // When the game first read the clock since the last swap: Render's start.
    double renderStart_ = 0.0;
    bool renderStarted_ = false;
    std::vector<double> samples_[SCENE_COUNT][2][2];
    std::vector<double> drawing_[SCENE_COUNT][2];
};

} // namespace bench
