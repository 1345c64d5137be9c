#include "platform/seam.h"
#include "platform/win32/internal.h"

HGLRC wglCreateContext(HDC dc) {
    if (seam::Enter("wglCreateContext") || !dc || !dc->window || dc->pixelFormat == 0)
        return nullptr;
    // A compatibility context: the game draws with GL 1.1 immediate mode and GLU.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GLContext sdl = SDL_GL_CreateContext(dc->window->sdl);
    if (!sdl)
        return nullptr;
    // Creating makes it current; the caller makes it current itself.
    SDL_GL_MakeCurrent(dc->window->sdl, nullptr);
    auto* context = new PlatformGLContext;
    context->sdl = sdl;
    context->window = dc->window;
    return context;
}

BOOL wglMakeCurrent(HDC dc, HGLRC context) {
    if (seam::Enter("wglMakeCurrent"))
        return FALSE;
    if (!context) {
        PlatformWindow* window = dc ? dc->window : win32::CurrentWindow();
        if (window)
            SDL_GL_MakeCurrent(window->sdl, nullptr);
        return TRUE;
    }
    if (!dc || dc->window != context->window)
        return FALSE;
    if (SDL_GL_MakeCurrent(dc->window->sdl, context->sdl) != 0)
        return FALSE;
    // The game paces its own frames; the swap must not wait for the display.
    SDL_GL_SetSwapInterval(0);
    return TRUE;
}

BOOL wglDeleteContext(HGLRC context) {
    if (seam::Enter("wglDeleteContext") || !context)
        return FALSE;
    SDL_GL_DeleteContext(context->sdl);
    delete context;
    return TRUE;
}

BOOL SwapBuffers(HDC dc) {
    if (seam::Enter("SwapBuffers") || !dc || !dc->window)
        return FALSE;
    seam::RunFrameHook();
    SDL_GL_SwapWindow(dc->window->sdl);
    return TRUE;
}
