// What the DirectInput layer's own files share: the device base with the
// acquisition rules, and the makers of the three device kinds.
#pragma once

#include "platform/dinput/dinput.h"

#include <SDL.h>

namespace dinput {

// The DirectInput scan code of an SDL key, 0 when the key has none.
uint8_t ScanCodeOf(SDL_Scancode key);

// Whether the window exists and has the keyboard focus.
bool HasInputFocus(HWND window);

// Data format, cooperative level and acquisition, the same for every device.
// A foreground device is read only while its window has the input focus: it
// cannot be acquired without it, and a read after the focus left unacquires
// it and answers DIERR_INPUTLOST once.
class Device : public IDirectInputDevice8A {
  public:
    Device(const DIDATAFORMAT& format, DWORD devType);
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    ULONG Release() override;
    HRESULT GetCapabilities(DIDEVCAPS* caps) override;
    HRESULT EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void* ref, DWORD flags) override;
    HRESULT SetProperty(REFGUID property, const DIPROPHEADER* header) override;
    HRESULT Acquire() override;
    HRESULT Unacquire() override;
    HRESULT GetDeviceState(DWORD size, void* data) override;
    HRESULT SetDataFormat(const DIDATAFORMAT* format) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD flags) override;
    HRESULT Poll() override;

  protected:
    bool Acquired() const { return acquired_; }
    // The device is still there (a controller can be unplugged).
    virtual bool Present() const { return true; }
    // Called by Acquire: finds the device again if it went away.
    virtual bool Reconnect() { return true; }
    // Called when acquired: what happened before does not count.
    virtual void OnAcquire() {}
    // Fills the caller's state buffer (its size is the format's).
    virtual void Read(void* data) = 0;
    // Axis and button counts for GetCapabilities.
    virtual void Count(DIDEVCAPS& caps) const = 0;

  private:
    bool Lost() const;

    const DIDATAFORMAT& expected_;
    const DWORD devType_;
    const DIDATAFORMAT* format_ = nullptr;
    HWND window_ = nullptr;
    DWORD level_ = DISCL_BACKGROUND | DISCL_NONEXCLUSIVE;
    bool acquired_ = false;
};

IDirectInputDevice8A* NewKeyboard();
IDirectInputDevice8A* NewMouse();

// Game controllers: those with an SDL game-controller mapping.
bool EnsureControllers();
HRESULT EnumControllers(LPDIENUMDEVICESCALLBACKA callback, void* ref);
// The controller an instance GUID from EnumControllers names, or null.
IDirectInputDevice8A* OpenController(REFGUID instance);

} // namespace dinput
