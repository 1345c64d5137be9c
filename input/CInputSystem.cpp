#include "input/CInputSystem.h"

bool CInputSystem::Initialize(HWND, HINSTANCE, bool, DWORD) { return false; }
bool CInputSystem::Update() { return true; }
void CInputSystem::ProcessInput() {}
bool CInputSystem::KeyDown(char) { return false; }
void CInputSystem::AcquireAll() {}
void CInputSystem::UnacquireAll() {}
bool CInputSystem::Shutdown() { return true; }
