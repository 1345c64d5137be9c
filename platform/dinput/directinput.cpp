#include "platform/dinput/internal.h"
#include "platform/seam.h"

#include <cstring>

const GUID IID_IDirectInput8A = {
    0xBF798030, 0x483A, 0x4DA2, {0xAA, 0x99, 0x5D, 0x64, 0xED, 0x36, 0x97, 0x00}};
const GUID GUID_SysMouse = {
    0x6F1D2B60, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
const GUID GUID_SysKeyboard = {
    0x6F1D2B61, 0xD5A0, 0x11CF, {0xBF, 0xC7, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
// Properties are told apart by their number, kept in the first field.
const GUID DIPROP_RANGE = {4, 0, 0, {}};

const DIDATAFORMAT c_dfDIKeyboard = {sizeof(DIDATAFORMAT), 0, DIDF_RELAXIS, 256, 0, nullptr};
const DIDATAFORMAT c_dfDIMouse = {sizeof(DIDATAFORMAT), 0, DIDF_RELAXIS,
                                  sizeof(DIMOUSESTATE), 0, nullptr};
const DIDATAFORMAT c_dfDIJoystick2 = {sizeof(DIDATAFORMAT), 0, DIDF_ABSAXIS,
                                      sizeof(DIJOYSTATE2),  0, nullptr};

bool operator==(const GUID& a, const GUID& b) {
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

namespace {

// The DirectInput object: makes devices and lists the game controllers.
class DirectInput : public IDirectInput8A {
  public:
    ULONG Release() override {
        delete this;
        return 0;
    }

    HRESULT CreateDevice(REFGUID guid, IDirectInputDevice8A** device, void* outer) override {
        const bool failing = seam::Enter("IDirectInput8A::CreateDevice");
        if (!device)
            return DIERR_INVALIDPARAM;
        *device = nullptr;
        if (failing)
            return DIERR_GENERIC;
        if (outer)
            return DIERR_NOAGGREGATION;
        if (guid == GUID_SysKeyboard)
            *device = dinput::NewKeyboard();
        else if (guid == GUID_SysMouse)
            *device = dinput::NewMouse();
        else
            *device = dinput::OpenController(guid);
        return *device ? DI_OK : DIERR_DEVICENOTREG;
    }

    // Attached and all devices are the same here: only attached ones are known.
    HRESULT EnumDevices(DWORD devClass, LPDIENUMDEVICESCALLBACKA callback, void* ref,
                        DWORD) override {
        if (seam::Enter("IDirectInput8A::EnumDevices"))
            return DIERR_GENERIC;
        // The game lists only game controllers.
        if (devClass != DI8DEVCLASS_GAMECTRL)
            return DIERR_UNSUPPORTED;
        return dinput::EnumControllers(callback, ref);
    }
};

} // namespace

HRESULT DirectInput8Create(HINSTANCE, DWORD version, REFGUID iid, void** out, void* outer) {
    const bool failing = seam::Enter("DirectInput8Create");
    if (!out)
        return DIERR_INVALIDPARAM;
    *out = nullptr;
    if (failing)
        return DIERR_GENERIC;
    if (version != DIRECTINPUT_VERSION)
        return DIERR_INVALIDPARAM;
    if (iid != IID_IDirectInput8A)
        return DIERR_NOINTERFACE;
    if (outer)
        return DIERR_NOAGGREGATION;
    *out = static_cast<IDirectInput8A*>(new DirectInput);
    return DI_OK;
}
