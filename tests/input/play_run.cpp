#include "tests/input/play_run.h"

#include "platform/dinput/dinput.h"
#include "platform/seam.h"
#include "shell/main.h"
#include "tests/kit/kit.h"

namespace {

// Play starts once the window has the focus and the keyboard reads Enter:
// a few frames, far fewer than this.
constexpr int kStartFrames = 500;

} // namespace

void HoldKeys(const std::vector<uint8_t>& keys) {
    seam::SetKeyFeed(true);
    seam::ReleaseAllKeys();
    for (uint8_t key : keys)
        seam::SetKey(key, true);
}

PlayRun RunInPlay(const std::function<bool(int n)>& step) {
    PlayRun result;
    int first = 0;
    kit::GameRun run;
    run.onFrame = [&](int frame) {
        if (Main.GameState != GAME_STATE_PLAYING) {
            HoldKeys({DIK_RETURN});
            return frame < kStartFrames;
        }
        if (!result.started) {
            result.started = true;
            first = frame;
            HoldKeys({});
        }
        return step(frame - first);
    };
    result.exitValue = run.Run();
    // Nothing may log once the run is over: the log does not outlive the
    // game's globals at exit.
    seam::SetCallLogging(false);
    return result;
}
