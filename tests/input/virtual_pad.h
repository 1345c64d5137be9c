// A game controller made by SDL for tests: SDL's own mapping gives it the
// standard layout (axes 0..3 = left x, left y, right x, right y; button 0
// south, 1 east).
#pragma once

#include <SDL.h>

class VirtualPad {
  public:
    VirtualPad(int axes = 6, int buttons = 15);
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Ok() const { return joystick_ != nullptr; }
    // Sticks in the game's units (-1000..1000, negative up and left); the
    // raw values are chosen so that they read back exactly.
    void Sticks(int lX, int lY, int lZ, int lRz);
    void Button(int button, bool down);
    void Unplug();
    void PlugIn();

  private:
    int axes_, buttons_;
    SDL_JoystickID id_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

// The raw SDL value that reads as `units` on the -1000..1000 range.
Sint16 RawAxis(int units);
