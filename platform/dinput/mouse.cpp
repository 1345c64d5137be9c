#include "platform/dinput/internal.h"

namespace dinput {
namespace {

constexpr LONG kWheelStep = 120; // one notch of the wheel

// The system mouse: motion and wheel since the previous read, gathered from
// SDL's motion events, and four buttons. The pointer is never grabbed nor
// put in relative mode, so it stays free to leave a desktop window.
class Mouse : public Device {
  public:
    Mouse() : Device(c_dfDIMouse, DI8DEVTYPE_MOUSE) { SDL_AddEventWatch(Watch, this); }
    ~Mouse() override { SDL_DelEventWatch(Watch, this); }

  private:
    static int SDLCALL Watch(void* self, SDL_Event* event) {
        auto* mouse = static_cast<Mouse*>(self);
        if (!mouse->Acquired())
            return 0;
        if (event->type == SDL_MOUSEMOTION) {
            mouse->moved_.lX += event->motion.xrel;
            mouse->moved_.lY += event->motion.yrel;
        } else if (event->type == SDL_MOUSEWHEEL) {
            const LONG notches =
                event->wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event->wheel.y : event->wheel.y;
            mouse->moved_.lZ += notches * kWheelStep;
        }
        return 0;
    }

    void OnAcquire() override { moved_ = DIMOUSESTATE{}; }

    void Read(void* data) override {
        DIMOUSESTATE state = moved_;
        moved_ = DIMOUSESTATE{};
        const Uint32 buttons = SDL_GetMouseState(nullptr, nullptr);
        const Uint32 masks[4] = {SDL_BUTTON_LMASK, SDL_BUTTON_RMASK, SDL_BUTTON_MMASK,
                                 SDL_BUTTON_X1MASK};
        for (int i = 0; i < 4; ++i)
            state.rgbButtons[i] = (buttons & masks[i]) ? 0x80 : 0;
        *static_cast<DIMOUSESTATE*>(data) = state;
    }

    void Count(DIDEVCAPS& caps) const override {
        caps.dwAxes = 3;
        caps.dwButtons = 4;
    }

    DIMOUSESTATE moved_{};
};

} // namespace

IDirectInputDevice8A* NewMouse() {
    return new Mouse;
}

} // namespace dinput
