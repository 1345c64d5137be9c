#include "input/CGamepad.h"

bool CGamepad::Initialize() { return false; }
bool CGamepad::Acquire() { return false; }
long CGamepad::UpdateInputState(HWND) { return 0; }
