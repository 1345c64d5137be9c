// The input facade: keyboard and mouse through DirectInput, the key state the
// game asks about, and the quit and HUD bindings of play.
#pragma once

#include "platform/dinput/dinput.h"

#include <cstdint>

constexpr DWORD INPUT_KEYBOARD = 1;
constexpr DWORD INPUT_MOUSE = 2;

// A plain record: created zero-filled (new CInputSystem()), with no
// constructor or destructor of its own.
class CInputSystem {
  public:
    bool Initialize(HWND hwnd, HINSTANCE appInstance, bool isExclusive, DWORD flags);
    bool Update();
    void ProcessInput();
    void KeyboardInput();
    bool KeyDown(char key);
    void AcquireAll();
    void UnacquireAll();
    bool Shutdown();

    // Set while any key of the HUD toggle's group was down at the last check.
    uint8_t KeyLatch;
    IDirectInput8A* DI;
};
