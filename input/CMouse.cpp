#include "input/CMouse.h"

#include "input/ReadDevice.h"

CMouse* Mouse;

constexpr DWORD MOUSE_SHARED_LEVEL = DISCL_FOREGROUND | DISCL_NONEXCLUSIVE;
constexpr DWORD MOUSE_EXCLUSIVE_LEVEL = DISCL_FOREGROUND | DISCL_EXCLUSIVE | DISCL_NOWINKEY;

// As with the keyboard, the set-up results are not checked.
CMouse::CMouse(IDirectInput8A* DI, HWND hwnd, bool isExclusive) : Device(nullptr), State{} {
    DI->CreateDevice(GUID_SysMouse, &Device, nullptr);
    if (Device) {
        Device->SetDataFormat(&c_dfDIMouse);
        Device->SetCooperativeLevel(hwnd, isExclusive ? MOUSE_EXCLUSIVE_LEVEL : MOUSE_SHARED_LEVEL);
        Device->Acquire();
        Device->GetDeviceState(sizeof State, &State);
    }
}

CMouse::~CMouse() {
    if (Device) {
        Device->Unacquire();
        Device->Release();
    }
}

bool CMouse::Update() {
    return ReadDevice(Device, sizeof State, &State);
}

bool CMouse::Acquire() {
    return Device && SUCCEEDED(Device->Acquire());
}

bool CMouse::Unacquire() {
    return Device && SUCCEEDED(Device->Unacquire());
}
