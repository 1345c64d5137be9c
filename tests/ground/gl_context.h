// A small hidden window with a current GL context, for tests that load
// textures without running the game.
#pragma once

#include "platform/win32/win32.h"

class GlContext {
  public:
    GlContext();
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    bool Ready() const { return ready_; }

  private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HGLRC context_ = nullptr;
    bool ready_ = false;
};
