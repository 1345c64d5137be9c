#include "tools/bench/game_run.h"

#include "platform/seam.h"
#include "shell/main.h"

namespace bench {

std::vector<std::string> RunGame(const std::function<bool()>& onFrame) {
    std::vector<std::string> boxes;
    seam::SetMessageBoxAnswerer(
        [&boxes](const std::string& text, const std::string& caption, unsigned style) {
            boxes.push_back(caption + ": " + text);
            return (style & 0xF) == MB_YESNO ? IDNO : IDOK;
        });
    seam::SetKeyFeed(true);
    seam::ReleaseAllKeys();
    seam::SetFrameHook([&onFrame] {
        if (!onFrame())
            PostQuitMessage(0);
    });
    WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0);
    seam::Reset();
    return boxes;
}

} // namespace bench
