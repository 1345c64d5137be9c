// The DirectInput 8 services the game is written against: the keyboard, the
// mouse and game controllers, polled once per frame. Implemented over SDL2
// (see the .cpp files beside this header); game code includes this header and
// never SDL itself.
#pragma once

#include "platform/dinput/dikeys.h"
#include "platform/win32/win32.h"

#include <cstddef>
#include <cstdint>

typedef LONG HRESULT;
typedef uint32_t ULONG;

inline bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
inline bool FAILED(HRESULT hr) {
    return hr < 0;
}

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
typedef const GUID& REFGUID;
bool operator==(const GUID& a, const GUID& b);
inline bool operator!=(const GUID& a, const GUID& b) {
    return !(a == b);
}

extern const GUID IID_IDirectInput8A;
extern const GUID GUID_SysKeyboard;
extern const GUID GUID_SysMouse;
extern const GUID DIPROP_RANGE;

constexpr DWORD DIRECTINPUT_VERSION = 0x0800;

// Results. Negative values are failures.
constexpr HRESULT DI_OK = 0;
constexpr HRESULT DI_NOEFFECT = 1; // nothing to do: already acquired, or no polling needed
constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(0x8007001Eu);
constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(0x8007000Cu);
constexpr HRESULT DIERR_ACQUIRED = static_cast<HRESULT>(0x800700AAu);
constexpr HRESULT DIERR_OTHERAPPHASPRIO = static_cast<HRESULT>(0x80070005u);
constexpr HRESULT DIERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DIERR_OBJECTNOTFOUND = static_cast<HRESULT>(0x80070002u);
constexpr HRESULT DIERR_DEVICENOTREG = static_cast<HRESULT>(0x80040154u);
constexpr HRESULT DIERR_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT DIERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT DIERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT DIERR_GENERIC = static_cast<HRESULT>(0x80004005u);

// Enumeration callbacks answer one of these.
constexpr BOOL DIENUM_STOP = 0;
constexpr BOOL DIENUM_CONTINUE = 1;

// Device classes and enumeration flags.
constexpr DWORD DI8DEVCLASS_GAMECTRL = 4;
constexpr DWORD DIEDFL_ATTACHEDONLY = 0x1;

// Device types (low byte of dwDevType).
constexpr DWORD DI8DEVTYPE_MOUSE = 0x12;
constexpr DWORD DI8DEVTYPE_KEYBOARD = 0x13;
constexpr DWORD DI8DEVTYPE_GAMEPAD = 0x15;

// Cooperative levels.
constexpr DWORD DISCL_EXCLUSIVE = 0x1;
constexpr DWORD DISCL_NONEXCLUSIVE = 0x2;
constexpr DWORD DISCL_FOREGROUND = 0x4;
constexpr DWORD DISCL_BACKGROUND = 0x8;
constexpr DWORD DISCL_NOWINKEY = 0x10;

// Object types for EnumObjects and property headers.
constexpr DWORD DIDFT_ALL = 0x0;
constexpr DWORD DIDFT_RELAXIS = 0x1;
constexpr DWORD DIDFT_ABSAXIS = 0x2;
constexpr DWORD DIDFT_AXIS = 0x3;
constexpr DWORD DIDFT_PSHBUTTON = 0x4;
constexpr DWORD DIDFT_BUTTON = 0xC;
constexpr DWORD DIDFT_MAKEINSTANCE(DWORD n) {
    return (n & 0xFFFF) << 8;
}
constexpr DWORD DIDFT_GETINSTANCE(DWORD type) {
    return (type >> 8) & 0xFFFF;
}

// How a property header names its object.
constexpr DWORD DIPH_DEVICE = 0;
constexpr DWORD DIPH_BYOFFSET = 1;
constexpr DWORD DIPH_BYID = 2;

// Capability flags.
constexpr DWORD DIDC_ATTACHED = 0x1;
constexpr DWORD DIDC_POLLEDDEVICE = 0x2;

constexpr DWORD DIDF_ABSAXIS = 0x1;
constexpr DWORD DIDF_RELAXIS = 0x2;

// A device's state layout. The layer knows the three layouts below by their
// format objects, so the per-object table stays empty.
struct DIDATAFORMAT {
    DWORD dwSize;
    DWORD dwObjSize;
    DWORD dwFlags;
    DWORD dwDataSize;
    DWORD dwNumObjs;
    const void* rgodf;
};
extern const DIDATAFORMAT c_dfDIKeyboard;  // 256 bytes, one per scan code
extern const DIDATAFORMAT c_dfDIMouse;     // DIMOUSESTATE
extern const DIDATAFORMAT c_dfDIJoystick2; // DIJOYSTATE2

// Relative motion since the previous read (the wheel in steps of 120 per
// notch, positive away from the user) and four buttons, down when bit 7 is set.
struct DIMOUSESTATE {
    LONG lX;
    LONG lY;
    LONG lZ;
    BYTE rgbButtons[4];
};
static_assert(sizeof(DIMOUSESTATE) == 16, "DIMOUSESTATE layout");

struct DIJOYSTATE2 {
    LONG lX, lY, lZ;
    LONG lRx, lRy, lRz;
    LONG rglSlider[2];
    DWORD rgdwPOV[4];
    BYTE rgbButtons[128];
    LONG lVX, lVY, lVZ;
    LONG lVRx, lVRy, lVRz;
    LONG rglVSlider[2];
    LONG lAX, lAY, lAZ;
    LONG lARx, lARy, lARz;
    LONG rglASlider[2];
    LONG lFX, lFY, lFZ;
    LONG lFRx, lFRy, lFRz;
    LONG rglFSlider[2];
};
static_assert(sizeof(DIJOYSTATE2) == 272, "DIJOYSTATE2 layout");

struct DIDEVCAPS {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwDevType;
    DWORD dwAxes;
    DWORD dwButtons;
    DWORD dwPOVs;
    DWORD dwFFSamplePeriod;
    DWORD dwFFMinTimeResolution;
    DWORD dwFirmwareRevision;
    DWORD dwHardwareRevision;
    DWORD dwFFDriverVersion;
};
static_assert(sizeof(DIDEVCAPS) == 44, "DIDEVCAPS layout");

constexpr size_t DI_NAME_LENGTH = 260;

struct DIDEVICEINSTANCEA {
    DWORD dwSize;
    GUID guidInstance; // names the device to CreateDevice
    GUID guidProduct;
    DWORD dwDevType;
    char tszInstanceName[DI_NAME_LENGTH];
    char tszProductName[DI_NAME_LENGTH];
};

struct DIDEVICEOBJECTINSTANCEA {
    DWORD dwSize;
    GUID guidType;
    DWORD dwOfs;  // offset of the object in the device's state
    DWORD dwType; // DIDFT_ type bits with DIDFT_MAKEINSTANCE
    DWORD dwFlags;
    char tszName[DI_NAME_LENGTH];
};

struct DIPROPHEADER {
    DWORD dwSize;
    DWORD dwHeaderSize;
    DWORD dwObj;
    DWORD dwHow;
};

struct DIPROPRANGE {
    DIPROPHEADER diph;
    LONG lMin;
    LONG lMax;
};
static_assert(sizeof(DIPROPRANGE) == 24, "DIPROPRANGE layout");

typedef BOOL(CALLBACK* LPDIENUMDEVICESCALLBACKA)(const DIDEVICEINSTANCEA*, void*);
typedef BOOL(CALLBACK* LPDIENUMDEVICEOBJECTSCALLBACKA)(const DIDEVICEOBJECTINSTANCEA*, void*);

// One input device. Release frees it (there is no reference counting: each
// object has exactly one owner).
class IDirectInputDevice8A {
  public:
    virtual ULONG Release() = 0;
    virtual HRESULT GetCapabilities(DIDEVCAPS* caps) = 0;
    virtual HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void* ref,
                                DWORD flags) = 0;
    virtual HRESULT SetProperty(REFGUID property, const DIPROPHEADER* header) = 0;
    virtual HRESULT Acquire() = 0;
    virtual HRESULT Unacquire() = 0;
    virtual HRESULT GetDeviceState(DWORD size, void* data) = 0;
    virtual HRESULT SetDataFormat(const DIDATAFORMAT* format) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD flags) = 0;
    virtual HRESULT Poll() = 0;

  protected:
    virtual ~IDirectInputDevice8A() = default;
};

class IDirectInput8A {
  public:
    virtual ULONG Release() = 0;
    virtual HRESULT CreateDevice(REFGUID guid, IDirectInputDevice8A** device, void* outer) = 0;
    virtual HRESULT EnumDevices(DWORD devClass, LPDIENUMDEVICESCALLBACKA callback, void* ref,
                                DWORD flags) = 0;

  protected:
    virtual ~IDirectInput8A() = default;
};

HRESULT DirectInput8Create(HINSTANCE instance, DWORD version, REFGUID iid, void** out, void* outer);
