// A game controller unplugged and plugged in again a hundred times during
// play: the game notices every loss, takes the controller again each time it
// is back, runs on, and the controller steers once it stays.
#include "camera/camera.h"
#include "platform/seam.h"
#include "shell/main.h"
#include "tests/faults/fault_run.h"
#include "tests/input/virtual_pad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kCycles = 100;
constexpr int kSteeringFrames = 30;

long AcquireCalls() {
    const auto& log = seam::CallLog();
    return std::count(log.begin(), log.end(), std::string("IDirectInputDevice8A::Acquire"));
}

TEST(UnpluggedController, AHundredTimesInPlayAndItSteersOnceItIsBack) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok());
    int cycles = 0, steering = 0;
    long acquiresBefore = 0, acquiresAfter = 0;
    float headingBefore = 0.0f;
    const FaultRun run = RunTitleAndPlay(5, 1000, [&](int) {
        if (Main.GameState != GAME_STATE_PLAYING)
            return true;
        kit::FeedKeys({}); // only the controller steers
        if (cycles < kCycles) {
            // Out on one pass, in on the next: each pass reads the controller.
            if (steering++ % 2 == 0) {
                if (cycles == 0) {
                    seam::SetCallLogging(true);
                    acquiresBefore = AcquireCalls();
                }
                pad.Unplug();
                return true;
            }
            pad.PlugIn();
            pad.Sticks(0, -1000, 1000, 0); // the tracks opposed: turn right
            if (++cycles == kCycles) {
                steering = 0;
                headingBefore = TheCamera.RotX;
            }
            return true;
        }
        if (steering == 1) {
            acquiresAfter = AcquireCalls();
            seam::SetCallLogging(false);
        }
        return ++steering < kSteeringFrames;
    });
    seam::SetCallLogging(false);
    EXPECT_EQ(run.exitValue, 0);
    EXPECT_EQ(cycles, kCycles);
    EXPECT_TRUE(Main.GamepadPresent);
    EXPECT_EQ(run.boxes.size(), 1u);
    EXPECT_GE(acquiresAfter - acquiresBefore, kCycles) << "a return went unnoticed";
    // Taken again on the first frame that finds it back, read from the next:
    // two degrees a frame for all but those first frames.
    EXPECT_GE(TheCamera.RotX - headingBefore, 2.0f * (kSteeringFrames - 3));
}

} // namespace
