#include "input/CKeyboard.h"

#include "input/ReadDevice.h"

#include <cstring>

CKeyboard* Keyboard;

constexpr DWORD KEYBOARD_LEVEL = DISCL_FOREGROUND | DISCL_NONEXCLUSIVE;

// The set-up results are not checked: a keyboard that could not be made
// leaves Device null and is never read.
CKeyboard::CKeyboard(IDirectInput8A* DI, HWND hwnd) : Device(nullptr) {
    DI->CreateDevice(GUID_SysKeyboard, &Device, nullptr);
    if (Device) {
        Device->SetDataFormat(&c_dfDIKeyboard);
        Device->SetCooperativeLevel(hwnd, KEYBOARD_LEVEL);
        Device->Acquire();
    }
    std::memset(KeyState, 0, sizeof KeyState);
}

CKeyboard::~CKeyboard() {
    if (Device) {
        Device->Unacquire();
        Device->Release();
    }
}

bool CKeyboard::Update() {
    return ReadDevice(Device, sizeof KeyState, KeyState);
}

bool CKeyboard::Acquire() {
    std::memset(KeyState, 0, sizeof KeyState);
    return Device && SUCCEEDED(Device->Acquire());
}

bool CKeyboard::Unacquire() {
    std::memset(KeyState, 0, sizeof KeyState);
    return Device && SUCCEEDED(Device->Unacquire());
}
