#include "tools/bench/run_plan.h"

#include "ground/ground.h"
#include "platform/seam.h"

#include <GL/gl.h>
#include <cstring>

namespace bench {

RunPlan::RunPlan(int frames, int titleFrames, const char* only)
    : only_(only), frames_(frames), titleFrames_(titleFrames) {
    NextScene();
    const auto most = static_cast<size_t>(titleFrames > frames ? titleFrames : frames);
    for (auto& scene : samples_)
        for (auto& stage : scene)
            for (auto& path : stage)
                path.reserve(most);
    for (auto& scene : drawing_)
        for (auto& path : scene)
            path.reserve(most);
}

int RunPlan::StageFrames() const {
    return WARM_UP + (scene_ == 0 ? titleFrames_ : frames_);
}

uint32_t RunPlan::FastTicks() {
    // Every read is 12 ms after the one before, so the pacing wait ends at
    // its first look at the clock.
    if (!renderStarted_) {
        renderStart_ = NowMs();
        renderStarted_ = true;
    }
    fakeTicks_ += 12;
    return fakeTicks_;
}

void RunPlan::NextScene() {
    do
        ++scene_;
    while (!Done() && only_ && std::strcmp(only_, scenes::ALL[scene_].name) != 0);
}

void RunPlan::BeginStage() {
    scenes::ALL[scene_].set();
    if (stage_ == WORK)
        seam::SetTickSource([this] { return FastTicks(); });
    else
        seam::SetTickSource(nullptr);
    frameInStage_ = 0;
}

bool RunPlan::OnFrame() {
    if (Done())
        return false;
    // Timing without the wait: finish this frame's rasterising now, so the
    // interval ending here holds all of this frame's work and nothing of the
    // next one.
    if (stage_ == WORK)
        glFinish();
    const double now = NowMs();
    if (frameInStage_ >= WARM_UP && frameInStage_ % BLOCK != 0) {
        const Path path = LiteralDrawing ? LITERAL : FAST;
        samples_[scene_][stage_][path].push_back(now - last_);
        if (stage_ == WORK && renderStarted_)
            drawing_[scene_][path].push_back(now - renderStart_);
    }
    last_ = now;
    renderStarted_ = false;

    if (frameInStage_ < 0 || ++frameInStage_ > StageFrames()) {
        if (frameInStage_ >= 0) {
            if (stage_ == PACED)
                NextScene();
            stage_ = stage_ == WORK ? PACED : WORK;
        }
        if (Done()) {
            seam::SetTickSource(nullptr);
            return false;
        }
        BeginStage();
    }
    // The path for the frames that follow, in blocks taking turns.
    LiteralDrawing = (frameInStage_ / BLOCK) % 2 == 0;
    return true;
}

std::vector<SceneResult> RunPlan::Results() {
    std::vector<SceneResult> results;
    for (int s = 0; s < SCENE_COUNT; ++s) {
        if (samples_[s][WORK][FAST].empty())
            continue;
        SceneResult r{scenes::ALL[s].name, {}, {}, {}};
        for (int p = 0; p < 2; ++p) {
            r.work[p] = Summarise(samples_[s][WORK][p]);
            r.drawing[p] = Summarise(drawing_[s][p]);
            const Summary paced = Summarise(samples_[s][PACED][p]);
            r.fps[p] = paced.mean > 0.0 ? 1000.0 / paced.mean : 0.0;
        }
        results.push_back(r);
    }
    return results;
}

} // namespace bench
