#include "camera/CCameraMgr.h"

#include "camera/camera.h"
#include "input/CInputSystem.h"
#include "shell/main.h"

namespace {

// Keyboard scan codes of the steering keys.
constexpr char KEY_S = 0x1F;
constexpr char KEY_W = 0x11;
constexpr char KEY_E = 0x12;
constexpr char KEY_Q = 0x10;
constexpr char KEY_J = 0x24;
constexpr char KEY_A = 0x1E;
constexpr char KEY_L = 0x26;
constexpr char KEY_D = 0x20;
constexpr char KEY_K = 0x25;
constexpr char KEY_I = 0x17;

constexpr float TILT_MIN = -15.0f;
constexpr float TILT_MAX = 73.0f;

} // namespace

void CCameraMgr::MoveCamera() {
    if (Input->KeyDown(KEY_S) && StepInTown(DIR_BACKWARD))
        MoveDirection(DIR_BACKWARD);
    if (Input->KeyDown(KEY_W) && StepInTown(DIR_FORWARD))
        MoveDirection(DIR_FORWARD);
    if (Input->KeyDown(KEY_E))
        MoveDirection(DIR_ZOOM_OUT);
    if (Input->KeyDown(KEY_Q))
        MoveDirection(DIR_ZOOM_IN);
    if (Input->KeyDown(KEY_J) || Input->KeyDown(KEY_A))
        MoveDirection(DIR_TURN_LEFT);
    if (Input->KeyDown(KEY_L) || Input->KeyDown(KEY_D))
        MoveDirection(DIR_TURN_RIGHT);
    if (Input->KeyDown(KEY_K) && TheCamera.RotY > TILT_MIN)
        TheCamera.RotY -= 1.0f;
    if (Input->KeyDown(KEY_I) && TheCamera.RotY < TILT_MAX)
        TheCamera.RotY += 1.0f;
}
