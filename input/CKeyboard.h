// The keyboard wrapper: the system keyboard device and its state by scan code.
#pragma once

#include "platform/dinput/dinput.h"

#include <cstdint>

class CKeyboard {
  public:
    CKeyboard(IDirectInput8A* DI, HWND hwnd);
    ~CKeyboard();
    CKeyboard(const CKeyboard&) = delete;
    CKeyboard& operator=(const CKeyboard&) = delete;

    bool Update();
    bool Acquire();
    bool Unacquire();

    IDirectInputDevice8A* Device;
    // Bit 7 set: the key is down.
    uint8_t KeyState[256];
};

extern CKeyboard* Keyboard;
