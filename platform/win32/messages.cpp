#include "platform/seam.h"
#include "platform/win32/internal.h"

#include <deque>

namespace {

struct Queue {
    std::deque<MSG> messages;
    bool quitPosted = false;
    int quitCode = 0;
    Uint32 lastPowerAsk = 0;
    bool asked = false;
};

Queue& Q() {
    static Queue queue;
    return queue;
}

void Post(PlatformWindow* window, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{};
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = SDL_GetTicks();
    Q().messages.push_back(msg);
}

// How often the window is asked whether the screen saver and monitor power
// saving may start; the window keeps them off by not passing the request on.
constexpr Uint32 kPowerAskInterval = 30000;

void AskAboutPowerSaving(PlatformWindow* window) {
    Queue& q = Q();
    const Uint32 now = SDL_GetTicks();
    if (q.asked && now - q.lastPowerAsk < kPowerAskInterval)
        return;
    q.asked = true;
    q.lastPowerAsk = now;
    // Held off until the window lets it run.
    SDL_DisableScreenSaver();
    Post(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0);
    Post(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
}

void TranslateWindowEvent(PlatformWindow* window, const SDL_WindowEvent& e) {
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
        Post(window, WM_CLOSE, 0, 0);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        window->minimized = true;
        Post(window, WM_ACTIVATE, MAKELONG(WA_INACTIVE, 1), 0);
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        if (window->minimized) {
            window->minimized = false;
            Post(window, WM_ACTIVATE, MAKELONG(WA_ACTIVE, 0), 0);
        }
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        Post(window, WM_ACTIVATE, MAKELONG(WA_ACTIVE, window->minimized ? 1 : 0), 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        Post(window, WM_ACTIVATE, MAKELONG(WA_INACTIVE, window->minimized ? 1 : 0), 0);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        Post(window, WM_SIZE, 0, static_cast<LPARAM>(MAKELONG(e.data1, e.data2)));
        break;
    default:
        break;
    }
}

void Pump() {
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    PlatformWindow* window = win32::CurrentWindow();
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        if (!window)
            continue;
        switch (e.type) {
        case SDL_QUIT: // also raised by SIGINT and SIGTERM
            Post(window, WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(window, e.window);
            break;
        case SDL_KEYDOWN:
            Post(window, WM_KEYDOWN, static_cast<WPARAM>(e.key.keysym.scancode), 0);
            break;
        case SDL_KEYUP:
            Post(window, WM_KEYUP, static_cast<WPARAM>(e.key.keysym.scancode), 0);
            break;
        default:
            break;
        }
    }
    if (window)
        AskAboutPowerSaving(window);
}

} // namespace

BOOL PeekMessageA(MSG* msg, HWND, UINT, UINT, UINT removeMsg) {
    if (seam::Enter("PeekMessageA") || !msg)
        return FALSE;
    Queue& q = Q();
    if (q.messages.empty())
        Pump();
    if (!q.messages.empty()) {
        *msg = q.messages.front();
        if (removeMsg & PM_REMOVE)
            q.messages.pop_front();
        return TRUE;
    }
    if (q.quitPosted) {
        *msg = MSG{};
        msg->message = WM_QUIT;
        msg->wParam = static_cast<WPARAM>(q.quitCode);
        if (removeMsg & PM_REMOVE)
            q.quitPosted = false;
        return TRUE;
    }
    return FALSE;
}

BOOL TranslateMessage(const MSG*) {
    seam::Enter("TranslateMessage");
    return FALSE; // the game reads no character messages
}

LRESULT DispatchMessageA(const MSG* msg) {
    if (seam::Enter("DispatchMessageA") || !msg || !msg->hwnd)
        return 0;
    // A message left for a window that no longer exists goes nowhere.
    if (msg->hwnd != win32::CurrentWindow())
        return 0;
    return win32::SendToWindow(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM) {
    seam::Enter("DefWindowProcA");
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER)
            SDL_EnableScreenSaver();
        return 0;
    default:
        return 0;
    }
}

void PostQuitMessage(int exitCode) {
    seam::Enter("PostQuitMessage");
    Q().quitPosted = true;
    Q().quitCode = exitCode;
}
