#include "platform/seam.h"
#include "platform/win32/internal.h"

#include <cstdlib>

namespace win32 {

namespace {
PlatformWindow* g_window = nullptr;
} // namespace

PlatformWindow* CurrentWindow() { return g_window; }
void SetCurrentWindow(PlatformWindow* window) { g_window = window; }

PendingMode& FullscreenRequest() {
    static PendingMode pending;
    return pending;
}

LRESULT SendToWindow(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!window || !window->proc)
        return 0;
    return window->proc(window, message, wParam, lParam);
}

} // namespace win32

namespace {

// The display mode nearest to the request: the same size, the colour depth
// closest to the one asked for. False when the display offers no such size.
bool FindMode(const DEVMODEA& request, SDL_DisplayMode* found) {
    const int count = SDL_GetNumDisplayModes(0);
    int bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            continue;
        if (static_cast<DWORD>(mode.w) != request.dmPelsWidth ||
            static_cast<DWORD>(mode.h) != request.dmPelsHeight)
            continue;
        const int bits = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
        const int distance = std::abs(bits - static_cast<int>(request.dmBitsPerPel));
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            *found = mode;
        }
    }
    return bestDistance >= 0;
}

} // namespace

LONG ChangeDisplaySettingsA(DEVMODEA* mode, DWORD) {
    if (seam::Enter("ChangeDisplaySettingsA"))
        return DISP_CHANGE_FAILED;
    win32::PendingMode& pending = win32::FullscreenRequest();
    if (!mode) {
        // Back to the desktop mode.
        pending.wanted = false;
        PlatformWindow* window = win32::CurrentWindow();
        if (window && window->fullscreen) {
            SDL_SetWindowFullscreen(window->sdl, 0);
            window->fullscreen = false;
        }
        return DISP_CHANGE_SUCCESSFUL;
    }
    if (!win32::EnsureVideo())
        return DISP_CHANGE_FAILED;
    SDL_DisplayMode found;
    if (!FindMode(*mode, &found))
        return DISP_CHANGE_BADMODE;
    pending.wanted = true;
    pending.mode = found;
    return DISP_CHANGE_SUCCESSFUL;
}

int ShowCursor(BOOL show) {
    seam::Enter("ShowCursor");
    static int counter = 0; // the cursor shows while the counter is 0 or more
    counter += show ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return counter;
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD) {
    if (seam::Enter("AdjustWindowRectEx") || !rect)
        return FALSE;
    if (!(style & WS_POPUP) && (style & WS_CAPTION)) {
        rect->left -= win32::kFrameSide;
        rect->right += win32::kFrameSide;
        rect->top -= win32::kFrameTop;
        rect->bottom += win32::kFrameBottom;
    }
    return TRUE;
}

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND, HMENU, HINSTANCE, void*) {
    if (seam::Enter("CreateWindowExA"))
        return nullptr;
    WNDPROC proc = win32::ClassProcedure(className);
    if (!proc || !win32::EnsureVideo())
        return nullptr;

    // SDL sizes windows by their client area: take the frame off again.
    const bool popup = (style & WS_POPUP) != 0;
    int clientW = width, clientH = height;
    if (!popup && (style & WS_CAPTION)) {
        clientW -= 2 * win32::kFrameSide;
        clientH -= win32::kFrameTop + win32::kFrameBottom;
    }
    if (clientW <= 0 || clientH <= 0)
        return nullptr;

    // The visual is chosen when the window is made: ask for what the pixel
    // format will need.
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);

    const win32::PendingMode& pending = win32::FullscreenRequest();
    const bool fullscreen = popup && pending.wanted;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (!popup)
        flags |= SDL_WINDOW_RESIZABLE;
    SDL_Window* sdl = SDL_CreateWindow(windowName ? windowName : "", x, y, clientW, clientH, flags);
    if (!sdl)
        return nullptr;
    auto* window = new PlatformWindow;
    window->sdl = sdl;
    window->proc = proc;
    window->dc.window = window;
    if (fullscreen) {
        if (SDL_SetWindowDisplayMode(sdl, &pending.mode) != 0 ||
            SDL_SetWindowFullscreen(sdl, SDL_WINDOW_FULLSCREEN) != 0) {
            SDL_DestroyWindow(sdl);
            delete window;
            return nullptr;
        }
        window->fullscreen = true;
    }
    win32::SetCurrentWindow(window);
    // The system sends the first size right away, before any GL context exists.
    win32::SendToWindow(window, WM_SIZE, 0, static_cast<LPARAM>(MAKELONG(clientW, clientH)));
    return window;
}

BOOL DestroyWindow(HWND window) {
    if (seam::Enter("DestroyWindow") || !window)
        return FALSE;
    SDL_DestroyWindow(window->sdl);
    if (win32::CurrentWindow() == window)
        win32::SetCurrentWindow(nullptr);
    delete window;
    return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
    if (seam::Enter("ShowWindow") || !window)
        return FALSE;
    if (command == SW_HIDE) {
        SDL_HideWindow(window->sdl);
        return TRUE;
    }
    SDL_ShowWindow(window->sdl);
    int w = 0, h = 0;
    SDL_GetWindowSize(window->sdl, &w, &h);
    win32::SendToWindow(window, WM_ACTIVATE, MAKELONG(WA_ACTIVE, 0), 0);
    win32::SendToWindow(window, WM_SIZE, 0, static_cast<LPARAM>(MAKELONG(w, h)));
    return TRUE;
}

BOOL SetForegroundWindow(HWND window) {
    if (seam::Enter("SetForegroundWindow") || !window)
        return FALSE;
    SDL_RaiseWindow(window->sdl);
    return TRUE;
}

HWND SetFocus(HWND window) {
    if (seam::Enter("SetFocus") || !window)
        return nullptr;
    SDL_SetWindowInputFocus(window->sdl);
    return window;
}

HDC GetDC(HWND window) {
    if (seam::Enter("GetDC") || !window)
        return nullptr;
    return &window->dc;
}

int ReleaseDC(HWND window, HDC dc) {
    if (seam::Enter("ReleaseDC") || !window || dc != &window->dc)
        return 0;
    return 1;
}

int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd) {
    if (seam::Enter("ChoosePixelFormat") || !dc || !pfd)
        return 0;
    const DWORD needed = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    if ((pfd->dwFlags & needed) != needed || pfd->iPixelType != PFD_TYPE_RGBA)
        return 0;
    return 1; // the one double-buffered RGBA format with a depth buffer
}

BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR*) {
    if (seam::Enter("SetPixelFormat") || !dc || format != 1 || dc->pixelFormat != 0)
        return FALSE;
    dc->pixelFormat = format;
    return TRUE;
}
