// The keyboard steering through the real game loop and the keyboard feed:
// play begins with Enter in a folder whose prop file holds one prop far away.
#include "tests/core/world.h"

#include "platform/dinput/dikeys.h"
#include "platform/seam.h"
#include "tests/input/own_display.h"
#include "tests/kit/kit.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Calls step(n) inside each swap of play (n = 0, 1, ...) until it returns
// false; the keys it feeds are read in the same pass, so step(n + 1) sees
// their effect.
void RunPlay(const std::function<bool(int n)>& step) {
    ASSERT_NE(getenv("DISPLAY"), nullptr);
    // Keys reach only the focused window: no other test's window may take it.
    const OwnDisplay display;
    ASSERT_EQ(display.Error(), "");
    const std::string dir = kit::TempDir();
    ASSERT_EQ(mkdir((dir + "/Data").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((dir + "/Data/Map").c_str(), 0755), 0);
    std::ofstream(dir + "/Data/Map/Map.txt") << "0 14 100 0 -500 0 2 2\n";
    ASSERT_EQ(chdir(dir.c_str()), 0);

    int first = -1;
    kit::GameRun run;
    run.onFrame = [&](int frame) {
        if (Main.GameState != GAME_STATE_PLAYING) {
            kit::FeedKeys({DIK_RETURN});
            return frame < 500;
        }
        if (first < 0) {
            first = frame;
            kit::FeedKeys({});
        }
        return step(frame - first);
    };
    run.Run();
    ASSERT_GE(first, 0) << "play never began";
}

TEST(CoreKeyboard, HoldingWFromTheStartMovesOneUnitAndRollsSevenDegreesAFrame) {
    std::vector<structCamera> cameras;
    std::vector<structPelegeso> balls;
    RunPlay([&](int n) {
        cameras.push_back(TheCamera);
        balls.push_back(ThePelegeso);
        kit::FeedKeys({DIK_W});
        return n < 12;
    });
    ASSERT_EQ(cameras.size(), 13u);
    EXPECT_EQ(cameras[0].PosZ, 0.0f);
    EXPECT_EQ(balls[0].Angle, 0.0f);
    EXPECT_EQ(balls[0].Weight, 0.0f);
    float angle = 0.0f;
    for (size_t n = 1; n < cameras.size(); ++n) {
        angle = angle - 7.0f < 0.0f ? angle - 7.0f + 360.0f : angle - 7.0f;
        EXPECT_EQ(cameras[n].PosZ, static_cast<float>(n)) << n;
        EXPECT_EQ(cameras[n].PosX, 0.0f) << n;
        EXPECT_EQ(balls[n].Angle, angle) << n;
        EXPECT_EQ(balls[n].Direction, DIR_FORWARD) << n;
        EXPECT_EQ(balls[n].AxisX, 1.0f) << n;
        EXPECT_EQ(balls[n].AxisZ, 0.0f) << n;
    }
    EXPECT_EQ(balls[1].Angle, 353.0f);
    EXPECT_EQ(TheObjects[0].InWorld, 1);
}

// One frame per case: the state is set, the keys are held for one pass, and
// the next frame checks the outcome.
struct KeyCase {
    const char* what;
    std::vector<uint8_t> keys;
    float posZ, rotX, rotY, viewZ, angle; // before
    float wantPosZ, wantRotX, wantRotY, wantViewZ, wantAngle;
    int wantDirection; // Direction starts at 99
};

TEST(CoreKeyboard, TheKeyTableActsInItsOrder) {
    const KeyCase cases[] = {
        {"S at the start is refused", {DIK_S}, 0, 0, 0, -50, 0, 0, 0, 0, -50, 0, 99},
        {"S then W in one frame", {DIK_S, DIK_W}, 5, 0, 0, -50, 100, 5, 0, 0, -50, 100, 1},
        {"W to 730 is refused", {DIK_W}, 729, 0, 0, -50, 0, 729, 0, 0, -50, 0, 99},
        {"W to just below 730", {DIK_W}, 728.99994f, 0, 0, -50, 0, 729.99994f, 0, 0, -50, 353, 1},
        {"E zooms out", {DIK_E}, 0, 0, 0, -50, 0, 0, 0, 0, -51, 0, 20},
        {"Q zooms in", {DIK_Q}, 0, 0, 0, -50, 0, 0, 0, 0, -49, 0, 21},
        {"E and Q cancel", {DIK_E, DIK_Q}, 0, 0, 0, -50, 0, 0, 0, 0, -50, 0, 21},
        {"A and J turn once", {DIK_A, DIK_J}, 0, 0, 0, -50, 0, 0, 359, 0, -50, 0, 22},
        {"L and D turn once", {DIK_L, DIK_D}, 0, 359, 0, -50, 0, 0, 0, 0, -50, 0, 23},
        {"A and D cancel", {DIK_A, DIK_D}, 0, 10, 0, -50, 0, 0, 10, 0, -50, 0, 23},
        {"K tilts up to -15", {DIK_K}, 0, 0, -14, -50, 0, 0, 0, -15, -50, 0, 99},
        {"K stops at -15", {DIK_K}, 0, 0, -15, -50, 0, 0, 0, -15, -50, 0, 99},
        {"I tilts down to 73", {DIK_I}, 0, 0, 72, -50, 0, 0, 0, 73, -50, 0, 99},
        {"I stops at 73", {DIK_I}, 0, 0, 73, -50, 0, 0, 0, 73, -50, 0, 99},
        {"W then zoom and turn", {DIK_W, DIK_E, DIK_D}, 3, 0, 0, -50, 0, 4, 1, 0, -51, 353, 23},
    };
    const int count = sizeof cases / sizeof cases[0];
    int checked = 0;
    RunPlay([&](int n) {
        if (n > 0) {
            const KeyCase& k = cases[n - 1];
            SCOPED_TRACE(k.what);
            EXPECT_EQ(TheCamera.PosZ, k.wantPosZ);
            EXPECT_EQ(TheCamera.RotX, k.wantRotX);
            EXPECT_EQ(TheCamera.RotY, k.wantRotY);
            EXPECT_EQ(TheCamera.ViewZ, k.wantViewZ);
            EXPECT_EQ(ThePelegeso.Angle, k.wantAngle);
            EXPECT_EQ(ThePelegeso.Direction, k.wantDirection);
            ++checked;
        }
        if (n == count) {
            kit::FeedKeys({});
            return false;
        }
        const KeyCase& k = cases[n];
        CameraMgr->InitCamera();
        TheCamera.PosZ = k.posZ;
        TheCamera.RotX = k.rotX;
        TheCamera.RotY = k.rotY;
        TheCamera.ViewZ = k.viewZ;
        ThePelegeso.Angle = k.angle;
        ThePelegeso.Direction = 99;
        kit::FeedKeys({});
        for (uint8_t key : k.keys)
            seam::SetKey(key, true);
        return true;
    });
    EXPECT_EQ(checked, count);
}

} // namespace
