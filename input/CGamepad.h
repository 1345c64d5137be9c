// A dual-stick game controller.
#pragma once

#include "platform/win32/win32.h"

class CGamepad {
  public:
    bool Initialize();
    bool Acquire();
    long UpdateInputState(HWND hWnd);
};
