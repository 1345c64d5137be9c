// Keyboard and mouse.
#pragma once

#include "platform/win32/win32.h"

class CInputSystem {
  public:
    bool Initialize(HWND hwnd, HINSTANCE appInstance, bool isExclusive, DWORD flags);
    bool Update();
    void ProcessInput();
    bool KeyDown(char key);
    void AcquireAll();
    void UnacquireAll();
    bool Shutdown();
};
