// The window minimised and restored, in the title and in play: while it is
// minimised no frame is drawn and held keys do nothing; once it is back the
// game draws and takes keys again, and goes on to the end of the run.
#include "camera/camera.h"
#include "shell/main.h"
#include "tests/faults/fault_run.h"
#include "tests/faults/window_manager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr int kMinimisedPasses = 30;
constexpr int kSettlePasses = 50; // far more than the window events take to arrive

struct When {
    const char* name;
    int gameState;
};

void PrintTo(const When& when, std::ostream* out) {
    *out << when.name;
}

class MinimisedWindow : public testing::TestWithParam<When> {};

TEST_P(MinimisedWindow, DrawsNothingTakesNoKeysAndComesBack) {
    enum Phase { Before, Minimising, Minimised, Restoring, Done } phase = Before;
    int phaseStart = 0, minimisedPasses = 0;
    uint32_t lastFrameTick = 0;
    structCamera camera{};
    bool stillWhileMinimised = true, drewWhileMinimised = false, movedAfter = false;

    const bool inTitle = GetParam().gameState == GAME_STATE_TITLE;
    const FaultRun run = RunTitleAndPlay(inTitle ? 120 : 5, inTitle ? 30 : 120, [&](int frame) {
        if (frame - phaseStart > kSettlePasses && (phase == Minimising || phase == Restoring))
            return false; // the window event never came
        switch (phase) {
        case Before:
            if (Main.GameState == GetParam().gameState && frame > 3) {
                EXPECT_TRUE(wm::Minimise());
                phase = Minimising;
                phaseStart = frame;
            }
            break;
        case Minimising:
            if (!Main.Active) {
                lastFrameTick = Main.FrameStartTick;
                camera = TheCamera;
                phase = Minimised;
            }
            break;
        case Minimised:
            drewWhileMinimised |= Main.FrameStartTick != lastFrameTick;
            stillWhileMinimised &= std::memcmp(&camera, &TheCamera, sizeof camera) == 0;
            if (++minimisedPasses == kMinimisedPasses) {
                EXPECT_TRUE(wm::Restore());
                phase = Restoring;
                phaseStart = frame;
            }
            break;
        case Restoring:
            if (Main.Active && Main.FrameStartTick != lastFrameTick) {
                camera = TheCamera;
                phase = Done;
            }
            break;
        case Done:
            movedAfter |= std::memcmp(&camera, &TheCamera, sizeof camera) != 0;
            break;
        }
        return true;
    });
    EXPECT_EQ(phase, Done);
    EXPECT_EQ(minimisedPasses, kMinimisedPasses);
    EXPECT_FALSE(drewWhileMinimised);
    EXPECT_TRUE(stillWhileMinimised) << "a held key moved the ball while minimised";
    EXPECT_EQ(run.exitValue, 0);
    EXPECT_EQ(run.boxes.size(), 1u);
    // The run went on: from the title into play, or on with play.
    EXPECT_EQ(Main.GameState, GAME_STATE_PLAYING);
    if (!inTitle) {
        EXPECT_TRUE(movedAfter) << "keys did nothing after the window came back";
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, MinimisedWindow,
                         testing::Values(When{"InTheTitle", GAME_STATE_TITLE},
                                         When{"InPlay", GAME_STATE_PLAYING}),
                         [](const testing::TestParamInfo<When>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
