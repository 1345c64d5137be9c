#include "camera/CCameraMgr.h"

#include "camera/camera.h"
#include "camera/step.h"

namespace {

// The town: world x in (-350, 350) and z in (-730, 0), in camera terms.
constexpr float TOWN_FAR_Z = 730.0f;
constexpr float TOWN_HALF_WIDTH = 350.0f;

} // namespace

bool CCameraMgr::StepInTown(int WhichDirection) const {
    StepMotion motion;
    if (!StepFor(WhichDirection, TheCamera.RotX, motion))
        return false;
    float x = TheCamera.PosX;
    float z = TheCamera.PosZ;
    ApplyStep(motion, x, z);
    return z > 0.0f && z < TOWN_FAR_Z && x > -TOWN_HALF_WIDTH && x < TOWN_HALF_WIDTH;
}
