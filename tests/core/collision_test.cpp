// The collision pass: contact margins by shape, pickup, size gates, weight
// growth, the order of one pass and the push-back.
#include "tests/core/world.h"

#include "hud/CHud.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using core::HEAVY;
using core::LIGHT;
using core::Place;

class CoreCollision : public ::testing::Test {
  protected:
    void SetUp() override { core::ResetWorld(); }
};

// One prop of a type anyone can take; touched means taken.
struct ContactCase {
    const char* what;
    float x, z, depth, width; // the prop
    float camX, camZ;         // TheCamera.PosX, PosZ
    bool touched;
};

class CoreContactBounds : public ::testing::TestWithParam<ContactCase> {
  protected:
    void SetUp() override { core::ResetWorld(); }
};

TEST_P(CoreContactBounds, IncludeTheMarginEdgeAndNothingBeyond) {
    const ContactCase& k = GetParam();
    Place(0, LIGHT, k.x, k.z, k.depth, k.width);
    TheCamera.PosX = k.camX;
    TheCamera.PosZ = k.camZ;
    ObjectsMgr->CheckCollision();
    EXPECT_EQ(TheObjects[0].InWorld == 0, k.touched) << k.what;
}

const float JUST_OVER = 1.5001f;

INSTANTIATE_TEST_SUITE_P(
    AllShapes, CoreContactBounds,
    ::testing::Values(
        // flat along x, 10 wide: rx in [-11.5, 1.5], rz in [-1.5, 1.5]
        ContactCase{"flat x, rx = -W - 1.5", -11.5f, 0, 0, 10, 0, 0, true},
        ContactCase{"flat x, rx = -11.6", -11.6f, 0, 0, 10, 0, 0, false},
        ContactCase{"flat x, rx = 1.5", 1.5f, 0, 0, 10, 0, 0, true},
        ContactCase{"flat x, rx just over 1.5", JUST_OVER, 0, 0, 10, 0, 0, false},
        ContactCase{"flat x, rz = -1.5", -5, -1.5f, 0, 10, 0, 0, true},
        ContactCase{"flat x, rz = 1.5", -5, 1.5f, 0, 10, 0, 0, true},
        ContactCase{"flat x, rz just over 1.5", -5, JUST_OVER, 0, 10, 0, 0, false},
        ContactCase{"flat x, rz just under -1.5", -5, -JUST_OVER, 0, 10, 0, 0, false},
        ContactCase{"flat x, ball moved onto it", -20, -30, 0, 10, 12, 31.5f, true},
        // flat along z, 10 deep from PosZ towards +z: rx in [-1.5, 1.5], rz in [-11.5, 1.5]
        ContactCase{"flat z at (1, -5)", 1, -5, 10, 0, 0, 0, true},
        ContactCase{"flat z, rz = -D - 1.5", 0, -11.5f, 10, 0, 0, 0, true},
        ContactCase{"flat z, rz = -11.6", 0, -11.6f, 10, 0, 0, 0, false},
        ContactCase{"flat z, rz = 1.5", 0, 1.5f, 10, 0, 0, 0, true},
        ContactCase{"flat z, rz just over 1.5", 0, JUST_OVER, 10, 0, 0, 0, false},
        ContactCase{"flat z, rx = -1.5", -1.5f, -5, 10, 0, 0, 0, true},
        ContactCase{"flat z, rx just under -1.5", -JUST_OVER, -5, 10, 0, 0, 0, false},
        ContactCase{"flat z, rx just over 1.5", JUST_OVER, -5, 10, 0, 0, 0, false},
        // box from PosZ towards -z: rx in [-W - 1.5, 1.5], rz in [-1.5, D + 1.5]
        ContactCase{"letter block at the margin edge", -6.5f, -5, 5, 5, 0, 4, true},
        ContactCase{"box, rz = -1.5", -2, -30, 20, 4, 0, 28.5f, true},
        ContactCase{"box, rz = -1.6", -2, -30, 20, 4, 0, 28.4f, false},
        ContactCase{"box, rz = D + 1.5", -2, -30, 20, 4, 0, 51.5f, true},
        ContactCase{"box, rz = D + 1.6", -2, -30, 20, 4, 0, 51.6f, false},
        ContactCase{"box, rx = -W - 1.5", -5.5f, 0, 5, 4, 0, 0, true},
        ContactCase{"box, rx = -W - 1.6", -5.6f, 0, 5, 4, 0, 0, false},
        ContactCase{"box, rx just over 1.5", JUST_OVER, 0, 5, 4, 0, 0, false},
        // neither width nor depth: flat along x with no width
        ContactCase{"point, within 1.5", 1.5f, -1.5f, 0, 0, 0, 0, true},
        ContactCase{"point, rx = -1.6", -1.6f, 0, 0, 0, 0, 0, false},
        // negative and non-finite sizes: compared as stored, never touched by nan
        ContactCase{"flat x, negative width", -1, 0, 0, -3, 0, 0, false},
        ContactCase{"flat x, negative width, rx = 1.5 only", 1.5f, 0, 0, -3, 0, 0, true},
        ContactCase{"box, nan depth", 0, 0, NAN, 4, 0, 0, false},
        ContactCase{"flat x, infinite width", -1000, 0, 0, INFINITY, 0, 0, true},
        ContactCase{"flat x, nan anchor", NAN, 0, 0, 4, 0, 0, false}));

TEST_F(CoreCollision, APropOutOfTheTownIsNeitherTestedNorTakenAgain) {
    Place(0, LIGHT, 0, 0, 0, 1);
    TheObjects[0].InWorld = 0;
    ObjectsMgr->CheckCollision();
    EXPECT_EQ(ThePelegeso.Weight, 0.0f);
    EXPECT_EQ(Hud->LastItem, -1);
}

TEST_F(CoreCollision, PickupStoresWhereAndHowThePropSticks) {
    struct {
        const char* what;
        float x, z, depth, width;
        float stickX, stickZ; // stickZ stays at its old value 99 except for a box
    } cases[] = {
        {"flat along x", -3, -2, 0, 4, 4 * 0.5f + (-3 + 1.25f), 99},
        {"flat along z", -0.5f, -4, 6, 0, 6 * 0.5f + (-4 + 2.5f), 99},
        {"box", -2, 2, 3, 5, 5 * 0.5f + (-2 + 1.25f), 2 + 2.5f},
    };
    for (const auto& k : cases) {
        core::ResetWorld();
        Place(0, 16, k.x, k.z, k.depth, k.width);
        TheObjects[0].StickZ = 99;
        TheCamera.PosX = 1.25f;
        TheCamera.PosZ = 2.5f;
        TheCamera.RotX = 30.0f;
        ThePelegeso.Angle = 123.0f;
        ObjectsMgr->CheckCollision();
        const structObjects& prop = TheObjects[0];
        EXPECT_EQ(prop.InWorld, 0) << k.what;
        EXPECT_EQ(prop.StickX, k.stickX) << k.what;
        EXPECT_EQ(prop.StickZ, k.stickZ) << k.what;
        const float r = 30.0f * 0.01745329238474369f;
        EXPECT_EQ(prop.AxisZ, static_cast<float>(std::sin(static_cast<double>(r))) * 90.0f);
        EXPECT_EQ(prop.AxisX, static_cast<float>(std::cos(static_cast<double>(r))) * 90.0f);
        EXPECT_NEAR(prop.AxisZ, 45.0f, 1e-4f);
        EXPECT_EQ(prop.StickAngle, -123.0f);
        EXPECT_EQ(Hud->LastItem, 16) << k.what;
        EXPECT_EQ(ThePelegeso.Weight, 0.4f) << k.what;
    }
}

TEST_F(CoreCollision, SizeGatesFollowTheThresholdTable) {
    struct {
        std::vector<int> types;
        float threshold;
    } gates[] = {
        {{15}, 110},         {{19, 22}, 150},
        {{20}, 200},         {{24, 26}, 220},
        {{23}, 330},         {{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 27, 31, 33, 34, 35}, 800},
        {{28, 29, 30}, 2000}};
    for (const auto& gate : gates) {
        for (int type : gate.types) {
            ThePelegeso.Weight = std::nextafter(gate.threshold, 0.0f);
            EXPECT_FALSE(ObjectsMgr->isBigEnough(type)) << type;
            ThePelegeso.Weight = gate.threshold;
            EXPECT_TRUE(ObjectsMgr->isBigEnough(type)) << type;
        }
    }
    ThePelegeso.Weight = 100;
    EXPECT_FALSE(ObjectsMgr->isBigEnough(15));
    ThePelegeso.Weight = 0;
    for (int type : {-1, 0, 1, 2, 14, 16, 17, 18, 21, 25, 32, 36, 48, 1000})
        EXPECT_TRUE(ObjectsMgr->isBigEnough(type)) << type;
}

TEST_F(CoreCollision, WeightGrowsByTheTypesIncrementInSinglePrecision) {
    PelegesoMgr->AddWeight(3);
    EXPECT_EQ(ThePelegeso.Weight, 26.6f);
    for (int type : {16, 25}) {
        ThePelegeso.Weight = 10.0f;
        PelegesoMgr->AddWeight(type);
        EXPECT_EQ(ThePelegeso.Weight, 10.0f + 0.4f) << type;
    }
    for (int type : {2, 36, -1, 0, 48, INT_MAX, INT_MIN}) {
        ThePelegeso.Weight = 10.0f;
        PelegesoMgr->AddWeight(type);
        EXPECT_EQ(ThePelegeso.Weight, 10.0f) << type;
    }
    ThePelegeso.Weight = 0.0f;
    for (int type : {14, 16, 17})
        PelegesoMgr->AddWeight(type);
    EXPECT_EQ(ThePelegeso.Weight, 3.7f);

    // Every type once: catches a wrong entry anywhere in the table.
    ThePelegeso.Weight = 0.0f;
    for (int type = 3; type <= 35; ++type)
        PelegesoMgr->AddWeight(type);
    const double total = 26.6 * 7 + 22.0 + 21.6 * 3 + 2.1 + 6.6 + 0.4 + 1.2 + 5.2 + 5.7 + 9.2 +
                         2.2 + 12.2 + 17.2 + 7.7 + 0.4 + 8.0 + 26.6 + 42.1 * 2 + 31.0 + 26.6 + 1.4 +
                         22.3 * 2 + 19.2;
    EXPECT_NEAR(ThePelegeso.Weight, total, 1e-3);
}

TEST_F(CoreCollision, TwoTakeablePropsAreTakenLowerSlotFirstWithTheWeightGrowing) {
    ThePelegeso.Weight = 108.0f;
    Place(3, LIGHT, -1, -2.5f, 0, 2); // +2.1 makes 110.1
    Place(5, 15, -1, -2.5f, 0, 2);    // needs 110
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheObjects[3].InWorld, 0);
    EXPECT_EQ(TheObjects[5].InWorld, 0);
    EXPECT_EQ(Hud->LastItem, 15);
    EXPECT_EQ(ThePelegeso.Weight, 108.0f + 2.1f + 6.6f);
    EXPECT_EQ(TheCamera.PosZ, 1.0f);
}

TEST_F(CoreCollision, TakeableThenTooHeavyTakesTheFirstAndUndoesTheStep) {
    Place(2, LIGHT, -1, -2.5f, 0, 2);
    Place(4, HEAVY, -1, -2.5f, 0, 2);
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheObjects[2].InWorld, 0);
    EXPECT_EQ(TheObjects[4].InWorld, 1);
    EXPECT_EQ(ThePelegeso.Weight, 2.1f);
    EXPECT_EQ(TheCamera.PosZ, 0.0f);
    EXPECT_EQ(TheCamera.PosX, 0.0f);
    EXPECT_EQ(ThePelegeso.Direction, DIR_BACKWARD);
    EXPECT_EQ(ThePelegeso.Angle, 0.0f);
}

TEST_F(CoreCollision, TooHeavyFirstTestsTheRestFromTheRestoredPosition) {
    // The ball steps from world z 0 to z -1; slot 6 is within reach only of
    // the step's end, slot 7 only of the restored start, which the pass that
    // the bounce runs reaches first.
    ThePelegeso.Angle = 100.0f;
    Place(2, HEAVY, -1, -2.5f, 0, 2);
    Place(6, LIGHT, -1, -2.5f, 0, 2);
    Place(7, 17, 1.5f, 0, 0, 2);
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheCamera.PosZ, 0.0f);
    EXPECT_EQ(TheObjects[2].InWorld, 1);
    EXPECT_EQ(TheObjects[6].InWorld, 1);
    EXPECT_EQ(TheObjects[7].InWorld, 0);
    EXPECT_EQ(TheObjects[7].StickAngle, -100.0f); // roll restored by the reverse step
    EXPECT_EQ(Hud->LastItem, 17);
    EXPECT_EQ(ThePelegeso.Weight, 1.2f);
}

TEST_F(CoreCollision, EveryStepIsPushedBackByItsOppositeCode) {
    const int reverse[] = {0, 2, 1, 5, 8, 3, 7, 6, 4};
    for (int code = 1; code <= 8; ++code) {
        core::ResetWorld();
        TheCamera.RotX = 200.0f;
        CameraMgr->MoveDirection(code);
        const float stepX = -TheCamera.PosX, stepZ = -TheCamera.PosZ; // world motion
        // A heavy point 2.4 units ahead along the step: out of reach of the
        // start (1.7 or more on one axis), within reach of the step's end.
        core::ResetWorld();
        TheCamera.RotX = 200.0f;
        ThePelegeso.Angle = 50.0f;
        Place(9, HEAVY, 2.4f * stepX, 2.4f * stepZ, 0, 0);
        CameraMgr->MoveDirection(code);
        EXPECT_NEAR(TheCamera.PosX, 0.0f, 1e-6f) << code;
        EXPECT_NEAR(TheCamera.PosZ, 0.0f, 1e-6f) << code;
        EXPECT_EQ(ThePelegeso.Direction, reverse[code]) << code;
        const bool sideways = code == DIR_LEFT || code == DIR_RIGHT;
        EXPECT_EQ(ThePelegeso.Angle, sideways ? 43.0f : 50.0f) << code;
        EXPECT_EQ(TheObjects[9].InWorld, 1) << code;
    }
}

TEST_F(CoreCollision, ASidewaysBounceCorrectsTheRollAndWrapsItToZero) {
    struct {
        int code;
        float before, after;
    } cases[] = {{DIR_LEFT, 7, 0},
                 {DIR_LEFT, 20, 13},
                 {DIR_RIGHT, 7, 0},
                 {DIR_RIGHT, 20, 13},
                 {DIR_LEFT, 0, 353}};
    for (const auto& k : cases) {
        core::ResetWorld();
        // Walls one unit and a half to either side of the ball's path.
        Place(0, HEAVY, -2.5f, -1, 2, 0);
        Place(1, HEAVY, 2.5f, -1, 2, 0);
        TheCamera.PosZ = 0.5f;
        ThePelegeso.Angle = k.before;
        CameraMgr->MoveDirection(k.code);
        EXPECT_EQ(ThePelegeso.Angle, k.after) << k.code << " from " << k.before;
        EXPECT_NEAR(TheCamera.PosX, 0.0f, 1e-6f);
    }
}

TEST_F(CoreCollision, ANormalBounceEndsWhereTheReverseStepLands) {
    // At heading 0 the sideways pair leaves a rounding error in z: the ball
    // rests where the reverse step's own arithmetic puts it.
    TheCamera.PosZ = 0.3f;
    Place(0, HEAVY, 2.5f, -1, 2, 0);
    CameraMgr->MoveDirection(DIR_RIGHT);
    const float k = 0.017453292f;
    float z = 0.3f;
    z += static_cast<float>(std::cos(static_cast<double>(90.0f * k)));
    z += static_cast<float>(std::cos(static_cast<double>(-90.0f * k)));
    EXPECT_NE(z, 0.3f);
    EXPECT_EQ(TheCamera.PosZ, z);
    EXPECT_EQ(TheCamera.PosX, 0.0f);
    EXPECT_EQ(ThePelegeso.Direction, DIR_LEFT);
}

// Without an end, these exchanges would call the two opposite steps in turn
// until the stack overflows.
TEST_F(CoreCollision, ASidewaysReturnThatRoundsOntoThePropRestsWhereTheStepBegan) {
    TheCamera.RotX = 270.0f;
    Place(0, HEAVY, 1.5000001f, -1, 0, 4);
    CameraMgr->MoveDirection(DIR_RIGHT);
    EXPECT_EQ(TheCamera.PosX, 0.0f);
    EXPECT_EQ(TheCamera.PosZ, 0.0f);
    EXPECT_EQ(TheObjects[0].InWorld, 1);
    EXPECT_EQ(ThePelegeso.Direction, DIR_LEFT);
    EXPECT_EQ(ThePelegeso.Angle, 353.0f);

    // Still a wall: the same step is pushed back again, and the ball can leave.
    CameraMgr->MoveDirection(DIR_RIGHT);
    EXPECT_EQ(TheCamera.PosX, 0.0f);
    EXPECT_EQ(TheCamera.PosZ, 0.0f);
    ASSERT_TRUE(CameraMgr->StepInTown(DIR_FORWARD));
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheCamera.PosX, 1.0f);
    EXPECT_EQ(ThePelegeso.Direction, DIR_FORWARD);
}

TEST_F(CoreCollision, AHeavyPropWithinReachOfTheStartLetsTheBallLeave) {
    Place(0, HEAVY, -5, 0, 0, 10); // a wall through the ball's start
    ThePelegeso.Angle = 0.0f;
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheCamera.PosZ, 1.0f);
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheCamera.PosZ, 2.0f);
    EXPECT_EQ(ThePelegeso.Angle, 346.0f);
    EXPECT_EQ(TheObjects[0].InWorld, 1);
    // Out of reach now, the wall pushes back like any other.
    CameraMgr->MoveDirection(DIR_BACKWARD);
    EXPECT_EQ(TheCamera.PosZ, 2.0f);
    EXPECT_EQ(ThePelegeso.Direction, DIR_FORWARD);
}

TEST_F(CoreCollision, ABounceOntoAPropAtTheStartRestsThereAndTheBallCanStillMove) {
    Place(0, HEAVY, -5, 0, 0, 10);     // through the start
    Place(1, HEAVY, -5, -2.5f, 0, 10); // reached by the first forward step only
    Place(2, LIGHT, 2.5f, 0, 0, 1);    // reached from the start by the restored pass
    CameraMgr->MoveDirection(DIR_FORWARD);
    EXPECT_EQ(TheCamera.PosX, 0.0f);
    EXPECT_EQ(TheCamera.PosZ, 0.0f);
    EXPECT_EQ(TheObjects[1].InWorld, 1);
    EXPECT_EQ(TheObjects[2].InWorld, 1); // rx = 2.5: out of reach
    CameraMgr->MoveDirection(DIR_RIGHT);
    EXPECT_EQ(TheCamera.PosX, -1.0f);
    EXPECT_EQ(TheObjects[2].InWorld, 0); // the step's own pass still takes props
}

TEST_F(CoreCollision, ABounceOutsideAnyStepStillEnds) {
    // A pass run on its own, with a heavy prop around the ball and the last
    // code a step: the reverse step's pass meets the prop again and stops.
    Place(0, HEAVY, -5, 0, 0, 10);
    ThePelegeso.Direction = DIR_FORWARD;
    ObjectsMgr->CheckCollision();
    EXPECT_EQ(ThePelegeso.Direction, DIR_BACKWARD);
    EXPECT_EQ(TheCamera.PosZ, -1.0f);
}

} // namespace
