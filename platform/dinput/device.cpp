#include "platform/dinput/internal.h"
#include "platform/seam.h"
#include "platform/win32/internal.h"

namespace dinput {

bool HasInputFocus(HWND window) {
    // A handle of a destroyed window is never looked into.
    if (!window || window != win32::CurrentWindow() || !window->sdl)
        return false;
    return (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

Device::Device(const DIDATAFORMAT& format, DWORD devType) : expected_(format), devType_(devType) {}

ULONG Device::Release() {
    delete this;
    return 0;
}

HRESULT Device::GetCapabilities(DIDEVCAPS* caps) {
    if (seam::Enter("IDirectInputDevice8A::GetCapabilities"))
        return DIERR_GENERIC;
    if (!caps || caps->dwSize != sizeof(DIDEVCAPS))
        return DIERR_INVALIDPARAM;
    *caps = DIDEVCAPS{};
    caps->dwSize = sizeof(DIDEVCAPS);
    caps->dwFlags = Present() ? DIDC_ATTACHED : 0;
    caps->dwDevType = devType_;
    Count(*caps);
    return DI_OK;
}

HRESULT Device::EnumObjects(LPDIENUMDEVICEOBJECTSCALLBACKA callback, void*, DWORD) {
    if (seam::Enter("IDirectInputDevice8A::EnumObjects"))
        return DIERR_GENERIC;
    // The keyboard and the mouse describe no objects.
    return callback ? DI_OK : DIERR_INVALIDPARAM;
}

HRESULT Device::SetProperty(REFGUID, const DIPROPHEADER*) {
    if (seam::Enter("IDirectInputDevice8A::SetProperty"))
        return DIERR_GENERIC;
    return DIERR_UNSUPPORTED;
}

bool Device::Lost() const {
    const bool foreground = (level_ & DISCL_FOREGROUND) != 0;
    return (foreground && !HasInputFocus(window_)) || !Present();
}

HRESULT Device::Acquire() {
    if (seam::Enter("IDirectInputDevice8A::Acquire"))
        return DIERR_GENERIC;
    if (!format_)
        return DIERR_INVALIDPARAM;
    if ((level_ & DISCL_FOREGROUND) && !HasInputFocus(window_))
        return DIERR_OTHERAPPHASPRIO;
    if (!Reconnect())
        return DIERR_INPUTLOST;
    if (acquired_)
        return DI_NOEFFECT;
    acquired_ = true;
    OnAcquire();
    return DI_OK;
}

HRESULT Device::Unacquire() {
    if (seam::Enter("IDirectInputDevice8A::Unacquire"))
        return DIERR_GENERIC;
    if (!acquired_)
        return DI_NOEFFECT;
    acquired_ = false;
    return DI_OK;
}

HRESULT Device::GetDeviceState(DWORD size, void* data) {
    if (seam::Enter("IDirectInputDevice8A::GetDeviceState"))
        return DIERR_GENERIC;
    if (!format_ || !data || size != format_->dwDataSize)
        return DIERR_INVALIDPARAM;
    if (!acquired_)
        return DIERR_NOTACQUIRED;
    if (Lost()) {
        acquired_ = false;
        return DIERR_INPUTLOST;
    }
    Read(data);
    return DI_OK;
}

HRESULT Device::SetDataFormat(const DIDATAFORMAT* format) {
    if (seam::Enter("IDirectInputDevice8A::SetDataFormat"))
        return DIERR_GENERIC;
    if (acquired_)
        return DIERR_ACQUIRED;
    if (format != &expected_)
        return DIERR_INVALIDPARAM;
    format_ = format;
    return DI_OK;
}

HRESULT Device::SetCooperativeLevel(HWND window, DWORD flags) {
    if (seam::Enter("IDirectInputDevice8A::SetCooperativeLevel"))
        return DIERR_GENERIC;
    const bool exclusive = (flags & DISCL_EXCLUSIVE) != 0;
    const bool foreground = (flags & DISCL_FOREGROUND) != 0;
    if (exclusive == ((flags & DISCL_NONEXCLUSIVE) != 0) ||
        foreground == ((flags & DISCL_BACKGROUND) != 0) || (foreground && !window))
        return DIERR_INVALIDPARAM;
    if (acquired_)
        return DIERR_ACQUIRED;
    // Exclusive access changes nothing else: the pointer is never captured
    // or hidden by it, and DISCL_NOWINKEY has nothing to hold back.
    window_ = window;
    level_ = flags;
    return DI_OK;
}

HRESULT Device::Poll() {
    if (seam::Enter("IDirectInputDevice8A::Poll"))
        return DIERR_GENERIC;
    if (!acquired_)
        return DIERR_NOTACQUIRED;
    if (Lost()) {
        acquired_ = false;
        return DIERR_INPUTLOST;
    }
    return DI_NOEFFECT;
}

} // namespace dinput
