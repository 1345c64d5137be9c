#include "input/CGamepad.h"

#include "camera/CCameraMgr.h"
#include "camera/camera.h"
#include "input/GamepadSticks.h"
#include "shell/main.h"

constexpr DWORD GAMEPAD_LEVEL = DISCL_EXCLUSIVE | DISCL_FOREGROUND;
constexpr LONG AXIS_MIN = -1000;
constexpr LONG AXIS_MAX = 1000;
// A controller that keeps answering DIERR_INPUTLOST (it was unplugged) is
// tried this often per frame, so it cannot hold up the loop.
constexpr int ACQUIRE_ATTEMPTS = 5;

CGamepad::CGamepad() : DI(nullptr), Device(nullptr), Caps{}, State{} {}

CGamepad::~CGamepad() {
    if (Device) {
        Device->Unacquire();
        Device->Release();
    }
    if (DI)
        DI->Release();
}

BOOL CALLBACK EnumJoysticksCallback(const DIDEVICEINSTANCEA* instance, void*) {
    if (FAILED(Gamepad->DI->CreateDevice(instance->guidInstance, &Gamepad->Device, nullptr)))
        return DIENUM_CONTINUE;
    return DIENUM_STOP;
}

BOOL CALLBACK EnumAxesCallback(const DIDEVICEOBJECTINSTANCEA* object, void*) {
    if (object->dwType & DIDFT_AXIS) {
        DIPROPRANGE range{};
        range.diph.dwSize = sizeof(DIPROPRANGE);
        range.diph.dwHeaderSize = sizeof(DIPROPHEADER);
        range.diph.dwObj = object->dwType;
        range.diph.dwHow = DIPH_BYID;
        range.lMin = AXIS_MIN;
        range.lMax = AXIS_MAX;
        if (FAILED(Gamepad->Device->SetProperty(DIPROP_RANGE, &range.diph)))
            return DIENUM_STOP;
    }
    return DIENUM_CONTINUE;
}

bool CGamepad::Initialize() {
    if (FAILED(DirectInput8Create(Main.InstanceHandle, DIRECTINPUT_VERSION, IID_IDirectInput8A,
                                  reinterpret_cast<void**>(&DI), nullptr)))
        return false;
    DI->EnumDevices(DI8DEVCLASS_GAMECTRL, EnumJoysticksCallback, nullptr, DIEDFL_ATTACHEDONLY);
    Caps.dwSize = sizeof(DIDEVCAPS);
    if (!Device)
        return false;
    if (FAILED(Device->SetDataFormat(&c_dfDIJoystick2)))
        return false;
    if (FAILED(Device->SetCooperativeLevel(Main.WindowHandle, GAMEPAD_LEVEL)))
        return false;
    if (FAILED(Device->GetCapabilities(&Caps)))
        return false;
    return SUCCEEDED(Device->EnumObjects(EnumAxesCallback, Main.WindowHandle, DIDFT_AXIS));
}

bool CGamepad::Acquire() {
    return Device && SUCCEEDED(Device->Acquire());
}

bool CGamepad::Unacquire() {
    return Device && SUCCEEDED(Device->Unacquire());
}

HRESULT CGamepad::UpdateInputState(HWND) {
    if (!Device)
        return DI_OK;
    // A lost or unacquired controller is acquired again now and read from
    // the next frame on.
    if (FAILED(Device->Poll())) {
        for (int i = 0; i < ACQUIRE_ATTEMPTS; ++i) {
            if (Device->Acquire() != DIERR_INPUTLOST)
                break;
        }
        return DI_OK;
    }
    const HRESULT read = Device->GetDeviceState(sizeof State, &State);
    if (FAILED(read))
        return read;
    if (State.rgbButtons[0] & 0x80)
        CameraMgr->MoveDirection(DIR_ZOOM_IN);
    else if (State.rgbButtons[1] & 0x80)
        CameraMgr->MoveDirection(DIR_ZOOM_OUT);
    SteerBySticks(State);
    return DI_OK;
}
