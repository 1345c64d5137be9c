#include "camera/CCameraMgr.h"

#include "camera/camera.h"

structCamera TheCamera;

void CCameraMgr::InitCamera() {
    TheCamera.ViewX = 0.0f;
    TheCamera.ViewY = 0.0f;
    TheCamera.ViewZ = -50.0f;
    TheCamera.ViewYaw = 0.0f;
    TheCamera.ViewPitch = 20.0f;
    TheCamera.PosX = 0.0f;
    TheCamera.PosY = 0.0f;
    TheCamera.PosZ = 0.0f;
    TheCamera.RotX = 0.0f;
    TheCamera.RotY = 0.0f;
}
