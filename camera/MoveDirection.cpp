#include "camera/CCameraMgr.h"

#include "ball/pelegeso.h"
#include "camera/camera.h"
#include "camera/step.h"
#include "props/CObjectsMgr.h"
#include "shell/main.h"

namespace {

constexpr float ROLL_PER_STEP = 7.0f;
constexpr float ZOOM_FAR = -1000.0f;
constexpr float ZOOM_NEAR = -10.0f;

void SetAxisFromHeading() {
    CosSinDegrees(TheCamera.RotX, ThePelegeso.AxisX, ThePelegeso.AxisZ);
}

} // namespace

void CCameraMgr::MoveDirection(int WhichDirection) {
    ThePelegeso.Direction = WhichDirection;

    StepMotion motion;
    if (StepFor(WhichDirection, TheCamera.RotX, motion)) {
        const StepOrigin outer = Origin;
        Origin = {true, TheCamera.PosX, TheCamera.PosZ};
        ApplyStep(motion, TheCamera.PosX, TheCamera.PosZ);
        if (motion.forward) {
            ThePelegeso.Angle -= ROLL_PER_STEP;
            if (ThePelegeso.Angle < 0.0f)
                ThePelegeso.Angle += 360.0f;
        } else {
            ThePelegeso.Angle += ROLL_PER_STEP;
            if (ThePelegeso.Angle >= 360.0f)
                ThePelegeso.Angle -= 360.0f;
        }
        ThePelegeso.AxisX = motion.c;
        ThePelegeso.AxisZ = motion.s;
        // The pass may push the ball back through a nested step; nothing of
        // this step is read after it, only the origin of an outer step is
        // put back for that step's own pass.
        ObjectsMgr->CheckCollision();
        Origin = outer;
        return;
    }

    switch (WhichDirection) {
    case DIR_ZOOM_OUT:
        if (TheCamera.ViewZ > ZOOM_FAR)
            TheCamera.ViewZ -= 1.0f;
        break;
    case DIR_ZOOM_IN:
        if (TheCamera.ViewZ < ZOOM_NEAR)
            TheCamera.ViewZ += 1.0f;
        break;
    case DIR_TURN_LEFT:
        TheCamera.RotX -= 1.0f;
        if (TheCamera.RotX < 0.0f)
            TheCamera.RotX += 360.0f;
        SetAxisFromHeading();
        break;
    case DIR_TURN_RIGHT:
        TheCamera.RotX += 1.0f;
        if (TheCamera.RotX >= 360.0f)
            TheCamera.RotX -= 360.0f;
        SetAxisFromHeading();
        break;
    default:
        break;
    }
}
