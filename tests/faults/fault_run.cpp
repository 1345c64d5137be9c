#include "tests/faults/fault_run.h"

#include "platform/dinput/dinput.h"
#include "shell/main.h"
#include "tests/input/own_display.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

constexpr int kStartFrames = 500;

// A few seconds of play, repeated: steering, zoom and tilt keys in turn.
void PlayKeys(int frame) {
    switch ((frame / 20) % 6) {
    case 0:
    case 1:
        kit::FeedKeys({DIK_W});
        break;
    case 2:
        kit::FeedKeys({DIK_W, DIK_A});
        break;
    case 3:
        kit::FeedKeys({DIK_Q, DIK_I});
        break;
    case 4:
        kit::FeedKeys({DIK_S, DIK_D});
        break;
    default:
        kit::FeedKeys({DIK_E, DIK_K});
        break;
    }
}

} // namespace

FaultRun RunTitleAndPlay(int title, int play, const std::function<bool(int)>& during) {
    FaultRun result;
    OwnDisplay display;
    if (!display.Error().empty()) {
        ADD_FAILURE() << display.Error();
        return result;
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    kit::FakeClock clock;
    kit::GameRun run;
    int entered = 0;
    run.onFrame = [&](int frame) {
        if (Main.GameState == GAME_STATE_TITLE) {
            ++result.titleFrames;
            if (result.titleFrames == title) {
                entered = frame;
                result.boxesBeforePlay = run.boxes.size();
            }
            if (entered)
                kit::FeedKeys({DIK_RETURN});
            else
                kit::FeedKeys({});
        } else {
            ++result.playFrames;
            PlayKeys(result.playFrames);
        }
        if (during && !during(frame))
            return false;
        if (entered && Main.GameState == GAME_STATE_TITLE && frame - entered > kStartFrames)
            return false;
        return result.playFrames < play;
    };
    result.exitValue = run.Run();
    result.boxes = run.boxes;
    kit::FeedKeys({});
    return result;
}
