#include "camera/CCameraMgr.h"
#include "camera/camera.h"

structCamera TheCamera;

void CCameraMgr::InitCamera() {}
void CCameraMgr::MoveDirection(int) {}
void CCameraMgr::MoveCamera() {}
bool CCameraMgr::StepInTown(int) const { return false; }
