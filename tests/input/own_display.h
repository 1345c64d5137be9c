// A private X server for one test process. Keyboard focus goes to the newest
// window on a display, so a test that reads keys must not share its display
// with windows of tests running beside it.
#pragma once

#include <string>
#include <sys/types.h>

class OwnDisplay {
  public:
    // Starts Xvfb and points DISPLAY at it; call before anything opens a window.
    OwnDisplay();
    ~OwnDisplay();
    OwnDisplay(const OwnDisplay&) = delete;
    OwnDisplay& operator=(const OwnDisplay&) = delete;

    // Empty when the server is up, otherwise what went wrong.
    const std::string& Error() const { return error_; }

  private:
    pid_t pid_ = -1;
    std::string error_;
};
