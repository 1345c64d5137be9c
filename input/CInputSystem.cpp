#include "input/CInputSystem.h"

#include "input/CKeyboard.h"
#include "input/CMouse.h"
#include "shell/main.h"

#include <new>

bool CInputSystem::Initialize(HWND hwnd, HINSTANCE appInstance, bool isExclusive, DWORD flags) {
    if (FAILED(DirectInput8Create(appInstance, DIRECTINPUT_VERSION, IID_IDirectInput8A,
                                  reinterpret_cast<void**>(&DI), nullptr)))
        return false;
    if (flags & INPUT_KEYBOARD) {
        Keyboard = new (std::nothrow) CKeyboard(DI, hwnd);
        if (!Keyboard)
            return false;
    }
    if (flags & INPUT_MOUSE) {
        Mouse = new (std::nothrow) CMouse(DI, hwnd, isExclusive);
        if (!Mouse)
            return false;
    }
    return true;
}

bool CInputSystem::Update() {
    if (Keyboard)
        Keyboard->Update();
    if (Mouse)
        Mouse->Update();
    return true;
}

void CInputSystem::ProcessInput() {
    KeyboardInput();
}

void CInputSystem::KeyboardInput() {
    if (KeyDown(DIK_ESCAPE))
        PostQuitMessage(0);
    // The HUD toggles once per press of 1, and not while another key of the
    // group holds the latch.
    if (KeyDown(DIK_1) && !KeyLatch)
        Main.ShowHud = !Main.ShowHud;
    KeyLatch = KeyDown(DIK_F2) || KeyDown(DIK_LBRACKET) || KeyDown(DIK_RBRACKET) || KeyDown(DIK_1);
}

bool CInputSystem::KeyDown(char key) {
    return Keyboard && (Keyboard->KeyState[static_cast<uint8_t>(key)] & 0x80);
}

void CInputSystem::AcquireAll() {
    if (Keyboard)
        Keyboard->Acquire();
    if (Mouse)
        Mouse->Acquire();
}

void CInputSystem::UnacquireAll() {
    if (Keyboard)
        Keyboard->Unacquire();
    if (Mouse)
        Mouse->Unacquire();
}

bool CInputSystem::Shutdown() {
    if (Keyboard)
        Keyboard->Unacquire();
    if (Mouse)
        Mouse->Unacquire();
    // The wrappers release their devices as they go.
    delete Keyboard;
    Keyboard = nullptr;
    delete Mouse;
    Mouse = nullptr;
    if (DI) {
        DI->Release();
        DI = nullptr;
    }
    return true;
}
