#include "platform/dinput/internal.h"
#include "platform/seam.h"

#include <cstring>

namespace dinput {
namespace {

// The system keyboard: 256 bytes by scan code, 0x80 for a key that is down.
// A key pressed and released between two reads still reads down once, so a
// quick tap is not lost to the once-per-frame polling.
class Keyboard : public Device {
  public:
    Keyboard() : Device(c_dfDIKeyboard, DI8DEVTYPE_KEYBOARD) { SDL_AddEventWatch(Watch, this); }
    ~Keyboard() override { SDL_DelEventWatch(Watch, this); }

  private:
    static int SDLCALL Watch(void* self, SDL_Event* event) {
        auto* keyboard = static_cast<Keyboard*>(self);
        if (event->type == SDL_KEYDOWN && keyboard->Acquired()) {
            const uint8_t code = ScanCodeOf(event->key.keysym.scancode);
            keyboard->tapped_[code] = code != 0;
        }
        return 0;
    }

    void OnAcquire() override { std::memset(tapped_, 0, sizeof tapped_); }

    void Read(void* data) override {
        auto* keys = static_cast<uint8_t*>(data);
        if (seam::KeyFeedOn()) {
            std::memcpy(keys, seam::KeyFeedState(), 256);
        } else {
            std::memset(keys, 0, 256);
            int count = 0;
            const Uint8* down = SDL_GetKeyboardState(&count);
            for (int key = 0; key < count; ++key) {
                const uint8_t code = ScanCodeOf(static_cast<SDL_Scancode>(key));
                if (code && (down[key] || tapped_[code]))
                    keys[code] = 0x80;
            }
        }
        std::memset(tapped_, 0, sizeof tapped_);
    }

    void Count(DIDEVCAPS& caps) const override {
        bool seen[256] = {};
        for (int key = 0; key < SDL_NUM_SCANCODES; ++key)
            seen[ScanCodeOf(static_cast<SDL_Scancode>(key))] = true;
        for (int code = 1; code < 256; ++code)
            caps.dwButtons += seen[code] ? 1 : 0;
    }

    bool tapped_[256] = {};
};

} // namespace

IDirectInputDevice8A* NewKeyboard() {
    return new Keyboard;
}

} // namespace dinput
