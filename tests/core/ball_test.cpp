// The ball's reset and its quadric across the two resets and shut-down.
#include "tests/core/world.h"

#include <gtest/gtest.h>

namespace {

TEST(CoreBall, InitPelegesoClearsTheRollAndWeightButKeepsTheDirection) {
    ThePelegeso = {0.5f, 0.25f, 100.0f, 42.0f, 23};
    PelegesoMgr->InitPelegeso();
    EXPECT_EQ(ThePelegeso.AxisX, 0.0f);
    EXPECT_EQ(ThePelegeso.AxisZ, 0.0f);
    EXPECT_EQ(ThePelegeso.Angle, 0.0f);
    EXPECT_EQ(ThePelegeso.Weight, 0.0f);
    EXPECT_EQ(ThePelegeso.Direction, 23);
    EXPECT_NE(PelegesoMgr->Quadric, nullptr);
    PelegesoMgr->KillWindow();
}

// Start-up and the start of play both reset the ball; a leak checker sees
// the first quadric released, and shut-down releases the last.
TEST(CoreBall, EachResetHoldsOneQuadricAndShutDownReleasesIt) {
    PelegesoMgr->InitPelegeso();
    PelegesoMgr->InitPelegeso();
    EXPECT_NE(PelegesoMgr->Quadric, nullptr);
    PelegesoMgr->KillWindow();
    EXPECT_EQ(PelegesoMgr->Quadric, nullptr);
    PelegesoMgr->KillWindow();
    EXPECT_EQ(PelegesoMgr->Quadric, nullptr);
}

} // namespace
