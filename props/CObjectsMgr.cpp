#include "props/CObjectsMgr.h"
#include "props/objects.h"

structObjects TheObjects[MAX_OBJECTS];

void CObjectsMgr::SetObject(int, int, float, float, float, float, float, float) {}
void CObjectsMgr::InitObjects() {}
void CObjectsMgr::DrawObjects() {}
void CObjectsMgr::CheckCollision() {}
bool CObjectsMgr::isBigEnough(int) { return true; }
void CObjectsMgr::BounceBack() {}
