// The mouse wrapper: the system mouse device and its last state.
#pragma once

#include "platform/dinput/dinput.h"

class CMouse {
  public:
    CMouse(IDirectInput8A* DI, HWND hwnd, bool isExclusive);
    ~CMouse();
    CMouse(const CMouse&) = delete;
    CMouse& operator=(const CMouse&) = delete;

    bool Update();
    bool Acquire();
    bool Unacquire();

    IDirectInputDevice8A* Device;
    DIMOUSESTATE State;
};

extern CMouse* Mouse;
