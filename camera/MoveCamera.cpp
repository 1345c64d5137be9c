#include "camera/CCameraMgr.h"

#include "camera/camera.h"
#include "input/CInputSystem.h"
#include "platform/dinput/dikeys.h"
#include "shell/main.h"

namespace {

constexpr float TILT_MIN = -15.0f;
constexpr float TILT_MAX = 73.0f;

} // namespace

void CCameraMgr::MoveCamera() {
    if (Input->KeyDown(DIK_S) && StepInTown(DIR_BACKWARD))
        MoveDirection(DIR_BACKWARD);
    if (Input->KeyDown(DIK_W) && StepInTown(DIR_FORWARD))
        MoveDirection(DIR_FORWARD);
    if (Input->KeyDown(DIK_E))
        MoveDirection(DIR_ZOOM_OUT);
    if (Input->KeyDown(DIK_Q))
        MoveDirection(DIR_ZOOM_IN);
    if (Input->KeyDown(DIK_J) || Input->KeyDown(DIK_A))
        MoveDirection(DIR_TURN_LEFT);
    if (Input->KeyDown(DIK_L) || Input->KeyDown(DIK_D))
        MoveDirection(DIR_TURN_RIGHT);
    if (Input->KeyDown(DIK_K) && TheCamera.RotY > TILT_MIN)
        TheCamera.RotY -= 1.0f;
    if (Input->KeyDown(DIK_I) && TheCamera.RotY < TILT_MAX)
        TheCamera.RotY += 1.0f;
}
