// The dual-stick game controller: the first attached one, read once per
// frame in play and turned into movement, turning and zoom commands.
#pragma once

#include "platform/dinput/dinput.h"

class CGamepad {
  public:
    CGamepad();
    ~CGamepad();
    CGamepad(const CGamepad&) = delete;
    CGamepad& operator=(const CGamepad&) = delete;

    bool Initialize();
    bool Acquire();
    bool Unacquire();
    HRESULT UpdateInputState(HWND hWnd);

    IDirectInput8A* DI;
    IDirectInputDevice8A* Device;
    DIDEVCAPS Caps;
    DIJOYSTATE2 State;
};

// Enumeration callbacks of Initialize; they reach the gamepad through the
// global Gamepad.
BOOL CALLBACK EnumJoysticksCallback(const DIDEVICEINSTANCEA* instance, void* context);
BOOL CALLBACK EnumAxesCallback(const DIDEVICEOBJECTINSTANCEA* object, void* context);
