// Records behind the window-layer handles; shared by the layer's own files only.
#pragma once

#include "platform/win32/win32.h"

#include <SDL.h>
#include <string>

struct PlatformGdiObject {
    enum Kind { Icon, Cursor, Font } kind;
    explicit PlatformGdiObject(Kind k) : kind(k) {}
};

struct PlatformDC {
    PlatformWindow* window = nullptr;
    HGDIOBJ selected = nullptr; // the font wglUseFontBitmapsA reads
    int pixelFormat = 0;
};

struct PlatformWindow {
    SDL_Window* sdl = nullptr;
    WNDPROC proc = nullptr;
    PlatformDC dc;
    bool fullscreen = false;
    bool minimized = false;
};

struct PlatformGLContext {
    SDL_GLContext sdl = nullptr;
    PlatformWindow* window = nullptr;
};

namespace win32 {

// Brings up SDL's video once; false (with one message on standard error) when
// there is no display to open.
bool EnsureVideo();

// The window procedure registered for a class name, or null.
WNDPROC ClassProcedure(LPCSTR className);

// The window the layer currently owns, or null; the game opens one at a time.
PlatformWindow* CurrentWindow();
void SetCurrentWindow(PlatformWindow* window);

// Delivers a message straight to the window procedure, as the system does
// for messages it sends rather than posts.
LRESULT SendToWindow(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam);

// The full-screen mode requested by ChangeDisplaySettingsA, applied to the
// next window created with the pop-up style.
struct PendingMode {
    bool wanted = false;
    SDL_DisplayMode mode{};
};
PendingMode& FullscreenRequest();

// Frame width added around the client area of an overlapped window.
constexpr int kFrameSide = 8;
constexpr int kFrameTop = 31;
constexpr int kFrameBottom = 8;

} // namespace win32
