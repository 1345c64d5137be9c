#include "camera/step.h"

#include "camera/camera.h"

#include <cmath>

void CosSinDegrees(float degrees, float& c, float& s) {
    const float radians = degrees * DEGREES_TO_RADIANS;
    c = static_cast<float>(std::cos(static_cast<double>(radians)));
    s = static_cast<float>(std::sin(static_cast<double>(radians)));
}

bool StepFor(int code, float heading, StepMotion& motion) {
    float angle;
    switch (code) {
    case DIR_FORWARD:
    case DIR_BACKWARD:
        angle = heading;
        break;
    case DIR_LEFT:
        angle = heading - 90.0f;
        break;
    case DIR_FORWARD_LEFT:
    case DIR_BACKWARD_RIGHT:
        angle = heading - 45.0f;
        break;
    case DIR_RIGHT:
        angle = heading + 90.0f;
        break;
    case DIR_FORWARD_RIGHT:
    case DIR_BACKWARD_LEFT:
        angle = heading + 45.0f;
        break;
    default:
        return false;
    }
    motion.forward =
        code != DIR_BACKWARD && code != DIR_BACKWARD_LEFT && code != DIR_BACKWARD_RIGHT;
    CosSinDegrees(angle, motion.c, motion.s);
    return true;
}

void ApplyStep(const StepMotion& motion, float& posX, float& posZ) {
    if (motion.forward) {
        posZ += motion.c;
        posX -= motion.s;
    } else {
        posZ -= motion.c;
        posX += motion.s;
    }
}
