#include "input/GamepadSticks.h"

#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "shell/main.h"

namespace {

constexpr LONG PUSH_LIMIT = 100; // beyond it a stick counts as pushed forward or back
constexpr LONG SIDE_LIMIT = 500; // both sideways axes beyond it step sideways

// Where the sticks must be for a step: -1 forward or left, +1 back or right,
// 0 anywhere. The forward/back axes are lY and lZ, the sideways ones lX and lRz.
struct StickRow {
    int along;
    int across;
    LONG acrossLimit;
    int code;
};
const StickRow STICK_ROWS[] = {
    {-1, -1, PUSH_LIMIT, DIR_FORWARD_LEFT},  {-1, +1, PUSH_LIMIT, DIR_FORWARD_RIGHT},
    {+1, -1, PUSH_LIMIT, DIR_BACKWARD_LEFT}, {+1, +1, PUSH_LIMIT, DIR_BACKWARD_RIGHT},
    {+1, 0, PUSH_LIMIT, DIR_BACKWARD},       {-1, 0, PUSH_LIMIT, DIR_FORWARD},
    {0, -1, SIDE_LIMIT, DIR_LEFT},           {0, +1, SIDE_LIMIT, DIR_RIGHT},
};

bool Beyond(LONG value, int sense, LONG limit) {
    return sense < 0 ? value < -limit : sense > 0 ? value > limit : true;
}

// A forward/back axis as a tank track: +1 pushed forward, -1 pulled back.
int Track(LONG value) {
    return value < -PUSH_LIMIT ? 1 : value > PUSH_LIMIT ? -1 : 0;
}

} // namespace

void SteerBySticks(const DIJOYSTATE2& state) {
    for (const StickRow& row : STICK_ROWS) {
        if (Beyond(state.lY, row.along, PUSH_LIMIT) && Beyond(state.lZ, row.along, PUSH_LIMIT) &&
            Beyond(state.lX, row.across, row.acrossLimit) &&
            Beyond(state.lRz, row.across, row.acrossLimit)) {
            // A refused step ends the decision too: no turn follows it.
            if (CameraMgr->StepInTown(row.code))
                CameraMgr->MoveDirection(row.code);
            return;
        }
    }
    // The left track (lY) forward turns right, the right track (lZ) forward
    // turns left; both opposed turn twice as fast.
    const int right = Track(state.lY) - Track(state.lZ);
    for (int i = 0; i < right; ++i)
        CameraMgr->MoveDirection(DIR_TURN_RIGHT);
    for (int i = 0; i < -right; ++i)
        CameraMgr->MoveDirection(DIR_TURN_LEFT);
}
