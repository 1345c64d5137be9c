#include "tests/input/virtual_pad.h"

#include <cmath>

Sint16 RawAxis(int units) {
    return static_cast<Sint16>(std::lround(units * 32767.0 / 1000.0));
}

VirtualPad::VirtualPad(int axes, int buttons) : axes_(axes), buttons_(buttons) {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0)
        PlugIn();
}

VirtualPad::~VirtualPad() {
    Unplug();
}

void VirtualPad::PlugIn() {
    const int index =
        SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, axes_, buttons_, 0);
    if (index < 0)
        return;
    joystick_ = SDL_JoystickOpen(index);
    id_ = SDL_JoystickGetDeviceInstanceID(index);
}

void VirtualPad::Unplug() {
    if (!joystick_)
        return;
    SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id_)
            SDL_JoystickDetachVirtual(i);
}

void VirtualPad::Sticks(int lX, int lY, int lZ, int lRz) {
    const int values[4] = {lX, lY, lRz, lZ}; // SDL order: left x, left y, right x, right y
    for (int axis = 0; axis < 4 && axis < axes_; ++axis)
        SDL_JoystickSetVirtualAxis(joystick_, axis, RawAxis(values[axis]));
}

void VirtualPad::Button(int button, bool down) {
    SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0);
}
