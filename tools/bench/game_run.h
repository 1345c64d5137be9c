// Runs the real game in this process under the seam: message boxes answered
// (No to the full-screen question, so a 640 x 480 window opens), the fed
// keyboard with no key down, and a hook inside every buffer swap.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

// `onFrame` runs with the GL context current, before each swap; returning
// false posts a quit. Returns the text of every message box shown.
std::vector<std::string> RunGame(const std::function<bool()>& onFrame);

} // namespace bench
