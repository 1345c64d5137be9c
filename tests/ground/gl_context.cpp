#include "tests/ground/gl_context.h"

namespace {
const char* const kClass = "GroundTestWindow";
}

GlContext::GlContext() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    if (!RegisterClassA(&wc))
        return;
    window_ = CreateWindowExA(0, kClass, "ground test", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                              wc.hInstance, nullptr);
    if (!window_)
        return;
    dc_ = GetDC(window_);
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 16;
    const int format = dc_ ? ChoosePixelFormat(dc_, &pfd) : 0;
    if (!format || !SetPixelFormat(dc_, format, &pfd))
        return;
    context_ = wglCreateContext(dc_);
    ready_ = context_ && wglMakeCurrent(dc_, context_);
}

GlContext::~GlContext() {
    if (context_) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_);
    }
    if (dc_)
        ReleaseDC(window_, dc_);
    if (window_)
        DestroyWindow(window_);
    UnregisterClassA(kClass, GetModuleHandleA(nullptr));
}
