#include "props/CObjectsMgr.h"

// Before any GL header: the platform header defines the calling-convention macros.
#include "shell/main.h"

#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"
#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "hud/CHud.h"
#include "props/objects.h"

#include <cmath>

namespace {

constexpr float CONTACT_MARGIN = 1.5f;
constexpr float DEGREES_TO_RADIANS = 0.01745329238474369f;
constexpr float AXIS_SCALE = 90.0f;
constexpr float SIDEWAYS_ROLL_CORRECTION = 7.0f;

// Bounces under way: the pass a bounce runs must not bounce again, or the
// two opposite steps would call each other without end.
int BounceDepth = 0;
// Set when the pass of a bounce met a prop too heavy to take.
bool BounceBlocked = false;

enum class Shape { FlatAlongX, FlatAlongZ, Box };

// Depth is tested first, so a record with neither width nor depth is flat along x.
Shape ShapeOf(const structObjects& prop) {
    if (prop.Depth == 0.0f)
        return Shape::FlatAlongX;
    if (prop.Width == 0.0f)
        return Shape::FlatAlongZ;
    return Shape::Box;
}

// Whether the ball, with the camera at (camX, camZ), is within the margin of
// the prop's footprint on both axes; gives the prop's anchor relative to the ball.
bool Touches(const structObjects& prop, float camX, float camZ, float& rx, float& rz) {
    rx = prop.PosX + camX;
    rz = prop.PosZ + camZ;
    switch (ShapeOf(prop)) {
    case Shape::FlatAlongX:
        return -prop.Width - CONTACT_MARGIN <= rx && rx <= CONTACT_MARGIN &&
               -CONTACT_MARGIN <= rz && rz <= CONTACT_MARGIN;
    case Shape::FlatAlongZ:
        return -CONTACT_MARGIN <= rx && rx <= CONTACT_MARGIN &&
               -prop.Depth - CONTACT_MARGIN <= rz && rz <= CONTACT_MARGIN;
    case Shape::Box:
        break;
    }
    return -prop.Width - CONTACT_MARGIN <= rx && rx <= CONTACT_MARGIN && -CONTACT_MARGIN <= rz &&
           rz <= prop.Depth + CONTACT_MARGIN;
}

// A prop the ball already touched where the current step began cannot be
// escaped by pushing the ball back there; only a prop placed within reach of
// a resting ball (the start of play) can be in that state.
bool TouchedWhereStepBegan(const structObjects& prop) {
    const StepOrigin& origin = CameraMgr->Origin;
    float rx, rz;
    return origin.Valid && Touches(prop, origin.PosX, origin.PosZ, rx, rz);
}

void Take(structObjects& prop, float rx, float rz) {
    prop.InWorld = 0;
    const Shape shape = ShapeOf(prop);
    if (shape == Shape::FlatAlongZ)
        prop.StickX = prop.Depth * 0.5f + rz;
    else
        prop.StickX = prop.Width * 0.5f + rx;
    if (shape == Shape::Box)
        prop.StickZ = rz;
    const float heading = TheCamera.RotX * DEGREES_TO_RADIANS;
    prop.AxisZ = static_cast<float>(std::sin(static_cast<double>(heading))) * AXIS_SCALE;
    prop.AxisX = static_cast<float>(std::cos(static_cast<double>(heading))) * AXIS_SCALE;
    prop.StickAngle = -ThePelegeso.Angle;
    Hud->LastItem = prop.TexID;
    Hud->GetName();
    PelegesoMgr->AddWeight(prop.TexID);
}

} // namespace

void CObjectsMgr::CheckCollision() {
    bool undone = false;
    for (structObjects& prop : TheObjects) {
        if (prop.InWorld != 1)
            continue;
        float rx, rz;
        if (!Touches(prop, TheCamera.PosX, TheCamera.PosZ, rx, rz))
            continue;
        if (isBigEnough(prop.TexID)) {
            Take(prop, rx, rz);
        } else if (BounceDepth > 0) {
            BounceBlocked = true;
        } else if (!undone && !TouchedWhereStepBegan(prop)) {
            // The step is undone once; the rest of the pass runs at the
            // restored position.
            undone = true;
            BounceBack();
        }
    }
}

void CObjectsMgr::BounceBack() {
    int reverse;
    bool sideways = false;
    switch (ThePelegeso.Direction) {
    case DIR_FORWARD:
        reverse = DIR_BACKWARD;
        break;
    case DIR_BACKWARD:
        reverse = DIR_FORWARD;
        break;
    case DIR_LEFT:
        reverse = DIR_RIGHT;
        sideways = true;
        break;
    case DIR_FORWARD_LEFT:
        reverse = DIR_BACKWARD_RIGHT;
        break;
    case DIR_RIGHT:
        reverse = DIR_LEFT;
        sideways = true;
        break;
    case DIR_FORWARD_RIGHT:
        reverse = DIR_BACKWARD_LEFT;
        break;
    case DIR_BACKWARD_LEFT:
        reverse = DIR_FORWARD_RIGHT;
        break;
    case DIR_BACKWARD_RIGHT:
        reverse = DIR_FORWARD_LEFT;
        break;
    default:
        return;
    }

    const StepOrigin undoneFrom = CameraMgr->Origin;
    ++BounceDepth;
    BounceBlocked = false;
    CameraMgr->MoveDirection(reverse);
    --BounceDepth;
    if (BounceBlocked && undoneFrom.Valid) {
        // The reverse step landed on a prop too heavy to take (a rounding
        // error away from where the undone step began, or at a start within
        // reach of one): the ball rests exactly where that step began.
        TheCamera.PosX = undoneFrom.PosX;
        TheCamera.PosZ = undoneFrom.PosZ;
    }
    BounceBlocked = false;

    // Both sideways codes lower the roll, so the pair does not cancel it.
    if (sideways) {
        ThePelegeso.Angle += SIDEWAYS_ROLL_CORRECTION;
        if (ThePelegeso.Angle >= 360.0f)
            ThePelegeso.Angle = 0.0f;
    }
}
