// Shared helpers for tests: a controllable clock, an in-process run of the
// real game loop with scripted frames, answered message boxes and pixel reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kit {

// A tick source that advances by `step` milliseconds on every read, so the
// frame pacing's busy-wait ends after a fixed number of reads.
class FakeClock {
  public:
    explicit FakeClock(uint32_t start = 1000, uint32_t step = 1);
    ~FakeClock();
    void Set(uint32_t now) { now_ = now; }
    uint32_t Now() const { return now_; }

  private:
    uint32_t now_;
    uint32_t step_;
};

struct Box {
    std::string text;
    std::string caption;
    unsigned style;
};

// Runs WinMain in this process. Message boxes are answered by `answer`
// (default: No to every yes/no question, OK otherwise) and recorded in
// `boxes`. `onFrame` runs inside every buffer swap with the frame number
// (1 for the first swapped frame); return false from it to post a quit.
struct GameRun {
    std::function<int(const Box&)> answer;
    std::function<bool(int frame)> onFrame;
    std::vector<Box> boxes;
    int frames = 0;

    GameRun();
    int Run();
};

// Sets the fed keyboard state (keys are DirectInput scan codes).
void FeedKeys(std::initializer_list<uint8_t> down);

struct Rgb {
    int r, g, b;
};

// Reads a pixel of the back buffer, (0, 0) being the window's top-left corner.
Rgb Pixel(int x, int y);

// Writes the back buffer as a PPM file, for looking at a failing render.
void SaveFrame(const std::string& path);

// The repository root, where the game's Data folder is.
std::string SourceDir();

// Makes a fresh temporary folder and returns its path.
std::string TempDir();

} // namespace kit
