// The title sequence run through the real game loop with a controllable
// clock: the opening pause, the scripted route through the letter blocks,
// the overlay at its end, and Enter cutting it short.
#include "camera/camera.h"
#include "platform/seam.h"
#include "props/objects.h"
#include "shell/main.h"
#include "tests/hud/draw_kit.h"
#include "tests/kit/kit.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using hudtest::OverlayLettersShown;
using hudtest::PaintLetterSlots;

constexpr int LETTERS = 20;
constexpr uint8_t DIK_RETURN = 0x1C;

// What one run of the title saw, frame by frame.
struct TitleLog {
    int scriptFrames = 0;        // frames since the pause ended, counting that frame as 1
    std::vector<int> stepFrames; // script frame of each change of TitleStep
    std::vector<int> takenOrder; // letter records in the order they left the town
    int lastTakenFrame = 0;
    uint32_t lastWaitingStart = 0;
    uint32_t firstScriptStart = 0;
    int firstFrameStartTime = -2;
    int firstFrameWaiting = -1;

    // Call once per frame, after the frame was drawn.
    void Record(int frame) {
        if (frame == 1) {
            firstFrameStartTime = Main.TitleStartTime;
            firstFrameWaiting = Main.TitleWaiting;
        }
        if (Main.TitleWaiting) {
            lastWaitingStart = Main.FrameStartTick;
            return;
        }
        if (++scriptFrames == 1)
            firstScriptStart = Main.FrameStartTick;
        if (Main.TitleStep != step) {
            stepFrames.push_back(scriptFrames);
            step = Main.TitleStep;
        }
        for (int i = 0; i < LETTERS; ++i) {
            if (inTown[i] && !TheObjects[i].InWorld) {
                takenOrder.push_back(i);
                lastTakenFrame = scriptFrames;
            }
            inTown[i] = TheObjects[i].InWorld;
        }
    }

    int step = 0;
    bool inTown[LETTERS] = {true, true, true, true, true, true, true, true, true, true,
                            true, true, true, true, true, true, true, true, true, true};
};

TEST(Title, TheScriptRollsTheRouteAndEndsWithTheOverlay) {
    kit::FakeClock clock(10700, 1);
    kit::GameRun run;
    TitleLog log;
    int overlayBeforeEnd = 0;
    int overlayAtEnd = -1;
    run.onFrame = [&](int frame) {
        if (frame == 1)
            PaintLetterSlots();
        log.Record(frame);
        if (Main.TitleStep != 7) {
            overlayBeforeEnd =
                std::max(overlayBeforeEnd, frame % 10 == 0 ? OverlayLettersShown() : 0);
            return frame < 2000;
        }
        overlayAtEnd = OverlayLettersShown();
        return false;
    };
    run.Run();

    EXPECT_EQ(log.scriptFrames, 590);
    EXPECT_EQ(log.stepFrames, (std::vector<int>{121, 192, 318, 389, 480, 536, 590}));
    EXPECT_EQ(log.takenOrder, (std::vector<int>{15, 10, 4,  5,  6,  7, 8, 9, 19, 18,
                                                17, 16, 14, 13, 12, 0, 1, 2, 3,  11}));
    EXPECT_EQ(log.lastTakenFrame, 590 - 19);
    EXPECT_NEAR(TheCamera.PosX, -5.0f, 1e-3f);
    EXPECT_NEAR(TheCamera.PosZ, -10.0f, 1e-3f);
    EXPECT_EQ(TheCamera.RotX, 180.0f);
    EXPECT_EQ(TheObjects[11].PosY, -2.0f);
    EXPECT_EQ(TheObjects[11].PosZ, 7.5f);
    for (int i = 0; i < LETTERS; ++i)
        EXPECT_EQ(TheObjects[i].InWorld, 0) << "letter " << i;
    EXPECT_EQ(overlayAtEnd, LETTERS) << "the overlay shows on the frame the script ends";
    EXPECT_EQ(overlayBeforeEnd, 0);
}

// The pause runs from the whole second of the first title frame to the first
// frame more than 3 s after it.
class Pause : public ::testing::TestWithParam<uint32_t> {};

TEST_P(Pause, StartsOnTheFirstFrameAndEndsThreeSecondsAfterItsWholeSecond) {
    kit::FakeClock clock(GetParam(), 1);
    kit::GameRun run;
    TitleLog log;
    run.onFrame = [&](int frame) {
        log.Record(frame);
        return log.scriptFrames == 0 && frame < 1000;
    };
    run.Run();
    const int second = static_cast<int>(GetParam() / 1000);
    EXPECT_EQ(log.firstFrameStartTime, second);
    EXPECT_EQ(log.firstFrameWaiting, 1);
    ASSERT_EQ(log.scriptFrames, 1);
    const uint32_t end = static_cast<uint32_t>(second + 3) * 1000;
    EXPECT_LT(log.lastWaitingStart, end);
    EXPECT_GE(log.firstScriptStart + 2, end);
    EXPECT_EQ(Main.TitleStep, 0);
}

// First title frames early and late in a second: a pause of about 2.95 s and 2.3 s.
INSTANTIATE_TEST_SUITE_P(FirstFrameInTheSecond, Pause, ::testing::Values(10050u, 10700u));

struct EnterCase {
    const char* name;
    int scriptFrame; // Enter is pressed on this script frame; 0: during the pause
};

class EnterKey : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterKey, StartsPlayAtOnceAndTheOverlayNeverShows) {
    kit::FakeClock clock(10700, 1);
    kit::GameRun run;
    TitleLog log;
    int pressedOn = 0;
    int playFrames = 0;
    int overlayShown = 0;
    run.onFrame = [&](int frame) {
        if (frame == 1)
            PaintLetterSlots();
        if (pressedOn) {
            // Enter was read in the pass that drew the previous frame.
            if (frame == pressedOn + 1) {
                EXPECT_EQ(Main.GameState, GAME_STATE_PLAYING);
                seam::ReleaseAllKeys();
            }
            EXPECT_EQ(Main.TitleStep, 0);
            overlayShown = std::max(overlayShown, OverlayLettersShown());
            return ++playFrames < 5;
        }
        log.Record(frame);
        const bool now =
            GetParam().scriptFrame == 0 ? frame == 5 : log.scriptFrames == GetParam().scriptFrame;
        if (now) {
            EXPECT_EQ(Main.GameState, GAME_STATE_TITLE);
            kit::FeedKeys({DIK_RETURN});
            pressedOn = frame;
        }
        return frame < 2000;
    };
    run.Run();
    EXPECT_EQ(Main.GameState, GAME_STATE_PLAYING);
    EXPECT_EQ(playFrames, 5);
    EXPECT_EQ(overlayShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Moments, EnterKey,
                         ::testing::Values(EnterCase{"DuringThePause", 0},
                                           EnterCase{"DuringTheScript", 200}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
