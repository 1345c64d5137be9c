// Draws one frame of the game twice from the same state, once with the
// literal drawing calls and once on the fast path, and reads both back.
#pragma once

#include <string>
#include <vector>

namespace perf {

struct FrameImage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb; // bottom row first, as glReadPixels gives it
};

// The whole back buffer.
FrameImage ReadFrame();

// The GL state a frame leaves behind that drawing operations promise
// (enables, bound texture, client arrays, matrices).
struct GlState {
    unsigned char enabled[10];
    int texture;
    int matrixMode;
    float modelview[16], projection[16];
    bool operator==(const GlState& other) const;
};

GlState ReadGlState();

struct PairResult {
    FrameImage literal, fast;
    GlState literalState, fastState;
    // Pixels that differ, and the first of them (x, y from the top).
    long differing = 0;
    int firstX = -1, firstY = -1;
};

// Renders the current frame with each path in turn (the state the frame
// advances is put back in between); the fast one stays in the back buffer.
PairResult RenderBothWays();

// Writes a frame as a PPM file, for looking at a difference.
void SavePpm(const FrameImage& image, const std::string& path);

} // namespace perf
