#include "platform/dinput/internal.h"
#include "platform/seam.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace dinput {
namespace {

// Instance GUIDs of controllers: a fixed tag with SDL's joystick instance id.
constexpr uint32_t kInstanceTag = 0x53444C32;

GUID InstanceGuid(SDL_JoystickID id) {
    GUID guid{kInstanceTag, 0x4A53, 0x0001, {}};
    std::memcpy(guid.Data4, &id, sizeof id);
    return guid;
}

bool InstanceIdOf(REFGUID guid, SDL_JoystickID* id) {
    if (guid.Data1 != kInstanceTag || guid.Data2 != 0x4A53 || guid.Data3 != 0x0001)
        return false;
    std::memcpy(id, guid.Data4, sizeof *id);
    return true;
}

GUID ProductGuid(SDL_JoystickGUID sdl) {
    static_assert(sizeof(GUID) == sizeof sdl.data, "GUID size");
    GUID guid;
    std::memcpy(&guid, sdl.data, sizeof guid);
    return guid;
}

// The state members the controller's sticks fill: the left stick is x and y,
// the right stick's vertical is z and its horizontal the z rotation.
struct Axis {
    DWORD offset;
    SDL_GameControllerAxis sdl;
    const char* name;
};
const Axis kAxes[] = {
    {offsetof(DIJOYSTATE2, lX), SDL_CONTROLLER_AXIS_LEFTX, "X Axis"},
    {offsetof(DIJOYSTATE2, lY), SDL_CONTROLLER_AXIS_LEFTY, "Y Axis"},
    {offsetof(DIJOYSTATE2, lZ), SDL_CONTROLLER_AXIS_RIGHTY, "Z Axis"},
    {offsetof(DIJOYSTATE2, lRz), SDL_CONTROLLER_AXIS_RIGHTX, "Z Rotation"},
};
constexpr int kAxisCount = sizeof kAxes / sizeof kAxes[0];

// Buttons keep SDL's order, so the south face button is 0 and the east one 1.
constexpr DWORD kButtonOffset = offsetof(DIJOYSTATE2, rgbButtons);
constexpr int kButtonCount = SDL_CONTROLLER_BUTTON_MAX;

DWORD AxisType(int axis) {
    return DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(static_cast<DWORD>(axis));
}
DWORD ButtonType(int button) {
    return DIDFT_PSHBUTTON | DIDFT_MAKEINSTANCE(static_cast<DWORD>(button));
}

struct Range {
    LONG min = 0; // DirectInput's own range until one is set
    LONG max = 65535;
};

// SDL's -32768..32767 (negative up and left) onto the range, symmetrically
// about its centre, so an axis at rest reads the centre exactly.
LONG Scale(Sint16 raw, const Range& range) {
    const double v = std::max(static_cast<int>(raw), -32767);
    const double mid = (static_cast<double>(range.min) + range.max) / 2.0;
    const double half = (static_cast<double>(range.max) - range.min) / 2.0;
    return static_cast<LONG>(std::lround(mid + v * half / 32767.0));
}

bool Names(const DIPROPHEADER& header, DWORD offset, DWORD type) {
    switch (header.dwHow) {
    case DIPH_DEVICE:
        return header.dwObj == 0;
    case DIPH_BYOFFSET:
        return header.dwObj == offset;
    case DIPH_BYID:
        return header.dwObj == type;
    default:
        return false;
    }
}

// A game controller read through SDL's controller mapping. Its state is
// refreshed by Poll; an unplugged controller is lost until one with the same
// product GUID is attached again.
class Controller : public Device {
  public:
    explicit Controller(SDL_GameController* controller)
        : Device(c_dfDIJoystick2, DI8DEVTYPE_GAMEPAD), controller_(controller),
          product_(SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(controller))) {}
    ~Controller() override { SDL_GameControllerClose(controller_); }

    HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void* ref, DWORD flags) override {
        if (seam::Enter("IDirectInputDevice8A::EnumObjects"))
            return DIERR_GENERIC;
        if (!callback)
            return DIERR_INVALIDPARAM;
        const bool axes = flags == DIDFT_ALL || (flags & DIDFT_AXIS);
        const bool buttons = flags == DIDFT_ALL || (flags & DIDFT_BUTTON);
        DIDEVICEOBJECTINSTANCEA object{};
        object.dwSize = sizeof object;
        for (int i = 0; axes && i < kAxisCount; ++i) {
            if (!HasAxis(i))
                continue;
            object.dwOfs = kAxes[i].offset;
            object.dwType = AxisType(i);
            std::snprintf(object.tszName, sizeof object.tszName, "%s", kAxes[i].name);
            if (callback(&object, ref) == DIENUM_STOP)
                return DI_OK;
        }
        for (int b = 0; buttons && b < kButtonCount; ++b) {
            if (!HasButton(b))
                continue;
            object.dwOfs = kButtonOffset + static_cast<DWORD>(b);
            object.dwType = ButtonType(b);
            std::snprintf(object.tszName, sizeof object.tszName, "Button %d", b);
            if (callback(&object, ref) == DIENUM_STOP)
                return DI_OK;
        }
        return DI_OK;
    }

    HRESULT SetProperty(REFGUID property, const DIPROPHEADER* header) override {
        if (seam::Enter("IDirectInputDevice8A::SetProperty"))
            return DIERR_GENERIC;
        if (property != DIPROP_RANGE)
            return DIERR_UNSUPPORTED;
        if (!header || header->dwSize != sizeof(DIPROPRANGE) ||
            header->dwHeaderSize != sizeof(DIPROPHEADER))
            return DIERR_INVALIDPARAM;
        const auto* range = reinterpret_cast<const DIPROPRANGE*>(header);
        if (range->lMin >= range->lMax)
            return DIERR_INVALIDPARAM;
        bool found = false;
        for (int i = 0; i < kAxisCount; ++i) {
            if (HasAxis(i) && Names(*header, kAxes[i].offset, AxisType(i))) {
                ranges_[i] = Range{range->lMin, range->lMax};
                found = true;
            }
        }
        return found ? DI_OK : DIERR_OBJECTNOTFOUND;
    }

    HRESULT Poll() override {
        // Brings in what SDL has not yet seen, including an unplugging.
        SDL_GameControllerUpdate();
        const HRESULT hr = Device::Poll();
        return hr == DI_NOEFFECT ? DI_OK : hr;
    }

  private:
    bool HasAxis(int i) const { return SDL_GameControllerHasAxis(controller_, kAxes[i].sdl); }
    bool HasButton(int b) const {
        return SDL_GameControllerHasButton(controller_, static_cast<SDL_GameControllerButton>(b));
    }

    bool Present() const override { return SDL_GameControllerGetAttached(controller_); }

    bool Reconnect() override {
        if (Present())
            return true;
        SDL_GameControllerUpdate();
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (!SDL_IsGameController(i) ||
                std::memcmp(SDL_JoystickGetDeviceGUID(i).data, product_.data, sizeof product_.data))
                continue;
            if (SDL_GameController* again = SDL_GameControllerOpen(i)) {
                SDL_GameControllerClose(controller_);
                controller_ = again;
                return true;
            }
        }
        return false;
    }

    // Axes and buttons the controller lacks read centred and up.
    void Read(void* data) override {
        DIJOYSTATE2 state{};
        for (int i = 0; i < kAxisCount; ++i) {
            const LONG value =
                Scale(SDL_GameControllerGetAxis(controller_, kAxes[i].sdl), ranges_[i]);
            std::memcpy(reinterpret_cast<char*>(&state) + kAxes[i].offset, &value, sizeof value);
        }
        for (DWORD& pov : state.rgdwPOV)
            pov = 0xFFFFFFFFu; // centred
        for (int b = 0; b < kButtonCount; ++b) {
            const auto button = static_cast<SDL_GameControllerButton>(b);
            state.rgbButtons[b] = SDL_GameControllerGetButton(controller_, button) ? 0x80 : 0;
        }
        *static_cast<DIJOYSTATE2*>(data) = state;
    }

    void Count(DIDEVCAPS& caps) const override {
        caps.dwFlags |= DIDC_POLLEDDEVICE;
        for (int i = 0; i < kAxisCount; ++i)
            caps.dwAxes += HasAxis(i) ? 1 : 0;
        for (int b = 0; b < kButtonCount; ++b)
            caps.dwButtons += HasButton(b) ? 1 : 0;
    }

    SDL_GameController* controller_;
    SDL_JoystickGUID product_;
    Range ranges_[kAxisCount];
};

} // namespace

bool EnsureControllers() {
    static const bool up = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return up;
}

HRESULT EnumControllers(LPDIENUMDEVICESCALLBACKA callback, void* ref) {
    if (!callback)
        return DIERR_INVALIDPARAM;
    if (!EnsureControllers())
        return DI_OK;
    SDL_GameControllerUpdate();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (!SDL_IsGameController(i))
            continue;
        DIDEVICEINSTANCEA device{};
        device.dwSize = sizeof device;
        device.guidInstance = InstanceGuid(SDL_JoystickGetDeviceInstanceID(i));
        device.guidProduct = ProductGuid(SDL_JoystickGetDeviceGUID(i));
        device.dwDevType = DI8DEVTYPE_GAMEPAD;
        const char* name = SDL_GameControllerNameForIndex(i);
        std::snprintf(device.tszInstanceName, sizeof device.tszInstanceName, "%s",
                      name ? name : "Game controller");
        std::memcpy(device.tszProductName, device.tszInstanceName, sizeof device.tszProductName);
        if (callback(&device, ref) == DIENUM_STOP)
            break;
    }
    return DI_OK;
}

IDirectInputDevice8A* OpenController(REFGUID instance) {
    SDL_JoystickID id;
    if (!InstanceIdOf(instance, &id) || !EnsureControllers())
        return nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_JoystickGetDeviceInstanceID(i) != id || !SDL_IsGameController(i))
            continue;
        SDL_GameController* controller = SDL_GameControllerOpen(i);
        return controller ? new Controller(controller) : nullptr;
    }
    return nullptr;
}

} // namespace dinput
