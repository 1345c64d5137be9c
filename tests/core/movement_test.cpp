// Movement commands by direction code: the step table, roll and heading
// wraps, zoom limits, ignored codes and the town-bounds test.
#include "tests/core/world.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr float K = 0.017453292f;

float CosDeg(float degrees) {
    return static_cast<float>(std::cos(static_cast<double>(degrees * K)));
}
float SinDeg(float degrees) {
    return static_cast<float>(std::sin(static_cast<double>(degrees * K)));
}

class CoreMovement : public ::testing::Test {
  protected:
    void SetUp() override { core::ResetWorld(); }
};

// Every step code at heading 30 from a ball at world (-2, 0, -3) with roll 10.
struct StepCase {
    int code;
    float angle; // step angle relative to the heading
    bool forward;
};

class CoreStepCodes : public ::testing::TestWithParam<StepCase> {
  protected:
    void SetUp() override { core::ResetWorld(); }
};

TEST_P(CoreStepCodes, MoveOneUnitRollSevenAndSetTheAxisOfTheStepAngle) {
    const StepCase& k = GetParam();
    TheCamera.RotX = 30.0f;
    TheCamera.PosX = 2.0f;
    TheCamera.PosZ = 3.0f;
    ThePelegeso.Angle = 10.0f;
    CameraMgr->MoveDirection(k.code);

    const float a = 30.0f + k.angle;
    const float c = CosDeg(a), s = SinDeg(a);
    const float sense = k.forward ? 1.0f : -1.0f;
    EXPECT_EQ(TheCamera.PosZ, 3.0f + sense * c);
    EXPECT_EQ(TheCamera.PosX, 2.0f - sense * s);
    EXPECT_EQ(ThePelegeso.Angle, k.forward ? 3.0f : 17.0f);
    EXPECT_EQ(ThePelegeso.AxisX, c);
    EXPECT_EQ(ThePelegeso.AxisZ, s);
    EXPECT_EQ(ThePelegeso.Direction, k.code);
    EXPECT_EQ(TheCamera.RotX, 30.0f);
}

INSTANTIATE_TEST_SUITE_P(AllEight, CoreStepCodes,
                         ::testing::Values(StepCase{1, 0, true}, StepCase{2, 0, false},
                                           StepCase{3, -90, true}, StepCase{4, -45, true},
                                           StepCase{5, 90, true}, StepCase{6, 45, true},
                                           StepCase{7, 45, false}, StepCase{8, -45, false}));

TEST_F(CoreMovement, OppositeCodesReturnTheBallNearlyToWhereItWas) {
    const int pairs[][2] = {{1, 2}, {3, 5}, {4, 8}, {6, 7}};
    for (const auto& pair : pairs) {
        for (int first = 0; first < 2; ++first) {
            TheCamera.PosX = 5.0f;
            TheCamera.PosZ = 7.0f;
            TheCamera.RotX = 123.0f;
            CameraMgr->MoveDirection(pair[first]);
            CameraMgr->MoveDirection(pair[1 - first]);
            EXPECT_NEAR(TheCamera.PosX, 5.0f, 1e-5f) << pair[first];
            EXPECT_NEAR(TheCamera.PosZ, 7.0f, 1e-5f) << pair[first];
        }
    }
}

TEST_F(CoreMovement, RollWrapsIntoZeroTo360) {
    struct {
        int code;
        float before, after;
    } cases[] = {{1, 3, 356}, {1, 7, 0}, {1, 0, 353}, {2, 355, 2}, {2, 353, 0}, {2, 0, 7}};
    for (const auto& k : cases) {
        ThePelegeso.Angle = k.before;
        CameraMgr->MoveDirection(k.code);
        EXPECT_EQ(ThePelegeso.Angle, k.after) << k.code << " from " << k.before;
    }
}

TEST_F(CoreMovement, HeadingWrapsAndTurnsSetTheAxisOfTheNewHeading) {
    struct {
        int code;
        float before, after;
    } cases[] = {{23, 359, 0}, {22, 0, 359}, {23, 10, 11}, {22, 10, 9}};
    for (const auto& k : cases) {
        TheCamera.RotX = k.before;
        ThePelegeso.Angle = 42.0f;
        CameraMgr->MoveDirection(k.code);
        EXPECT_EQ(TheCamera.RotX, k.after) << k.code << " from " << k.before;
        EXPECT_EQ(ThePelegeso.AxisX, CosDeg(k.after));
        EXPECT_EQ(ThePelegeso.AxisZ, SinDeg(k.after));
        EXPECT_EQ(ThePelegeso.Angle, 42.0f);
        EXPECT_EQ(TheCamera.PosX, 0.0f);
        EXPECT_EQ(TheCamera.PosZ, 0.0f);
    }
}

TEST_F(CoreMovement, ZoomStopsAtItsLimits) {
    struct {
        int code;
        float before, after;
    } cases[] = {{20, -50, -51}, {20, -1000, -1000}, {20, -999, -1000},
                 {21, -50, -49}, {21, -10, -10},     {21, -11, -10}};
    for (const auto& k : cases) {
        TheCamera.ViewZ = k.before;
        CameraMgr->MoveDirection(k.code);
        EXPECT_EQ(TheCamera.ViewZ, k.after) << k.code << " from " << k.before;
    }
}

TEST_F(CoreMovement, CodesOutsideTheTableOnlyRecordTheirCode) {
    for (int code : {0, 9, 15, 19, 24, 100, -1, -20}) {
        ThePelegeso = {0.5f, 0.25f, 33.0f, 12.0f, 1};
        TheCamera.PosX = 4.0f;
        const structCamera camera = TheCamera;
        CameraMgr->MoveDirection(code);
        EXPECT_EQ(ThePelegeso.Direction, code);
        EXPECT_EQ(ThePelegeso.AxisX, 0.5f);
        EXPECT_EQ(ThePelegeso.AxisZ, 0.25f);
        EXPECT_EQ(ThePelegeso.Angle, 33.0f);
        EXPECT_EQ(ThePelegeso.Weight, 12.0f);
        EXPECT_EQ(std::memcmp(&camera, &TheCamera, sizeof camera), 0) << code;
    }
}

TEST_F(CoreMovement, RightAtHeadingZeroMovesTheBallToWorldXPlusOne) {
    CameraMgr->MoveDirection(DIR_RIGHT);
    EXPECT_EQ(TheCamera.PosX, -1.0f);
    EXPECT_NEAR(TheCamera.PosZ, 0.0f, 1e-6f);
    EXPECT_NEAR(ThePelegeso.AxisX, 0.0f, 1e-6f);
    EXPECT_EQ(ThePelegeso.AxisZ, 1.0f);
}

TEST_F(CoreMovement, InitCameraResetsTheRecordOnly) {
    TheCamera = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    ThePelegeso = {1, 2, 3, 4, 5};
    CameraMgr->InitCamera();
    const structCamera expected{0, 0, -50, 0, 20, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(&expected, &TheCamera, sizeof expected), 0);
    EXPECT_EQ(ThePelegeso.Weight, 4.0f);
    EXPECT_EQ(ThePelegeso.Direction, 5);
}

TEST_F(CoreMovement, TownBoundsAreStrict) {
    struct {
        float posX, posZ, heading;
        int code;
        bool inTown;
    } cases[] = {
        {0, 0, 0, DIR_BACKWARD, false},  // the start: z' = -1
        {0, 0, 0, DIR_FORWARD, true},    // z' = 1
        {0, 729, 0, DIR_FORWARD, false}, // z' = 730 exactly
        {0, 728.99994f, 0, DIR_FORWARD, true},
        {0, 1, 0, DIR_BACKWARD, false}, // z' = 0 exactly
        {0, 1.5f, 0, DIR_BACKWARD, true},
        {349, 10, 270, DIR_FORWARD, false}, // x' = 350
        {348.5f, 10, 270, DIR_FORWARD, true},
        {-349, 10, 90, DIR_FORWARD, false}, // x' = -350
        {-349, 10, 270, DIR_BACKWARD, false},
        {349, 10, 0, DIR_LEFT, false},
        {-349, 10, 0, DIR_RIGHT, false},
        {0, 10, 0, DIR_ZOOM_OUT, false},
        {0, 10, 0, 0, false},
    };
    for (const auto& k : cases) {
        TheCamera.PosX = k.posX;
        TheCamera.PosZ = k.posZ;
        TheCamera.RotX = k.heading;
        EXPECT_EQ(CameraMgr->StepInTown(k.code), k.inTown)
            << "code " << k.code << " at (" << k.posX << ", " << k.posZ << ") heading "
            << k.heading;
        EXPECT_EQ(TheCamera.PosX, k.posX);
        EXPECT_EQ(TheCamera.PosZ, k.posZ);
    }
}

} // namespace
