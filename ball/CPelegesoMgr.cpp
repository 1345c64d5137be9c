#include "ball/CPelegesoMgr.h"
#include "ball/pelegeso.h"

structPelegeso ThePelegeso;

void CPelegesoMgr::InitPelegeso() {}
void CPelegesoMgr::AddWeight(int) {}
void CPelegesoMgr::DrawPelegeso() {}
void CPelegesoMgr::Draw2DObject(int, float) {}
void CPelegesoMgr::Draw3DObject(int, float, float) {}
void CPelegesoMgr::KillWindow() {}
