// The scenes the frame benchmark times and the pixel-identity test compares:
// each puts the real game's state where that scene is drawn from.
#pragma once

namespace scenes {

struct Scene {
    const char* name;
    // Sets the state; call it inside a frame, with the game's context current.
    void (*set)();
};

// The title from the first frame of its script (no opening pause).
void Title();
// Play as it begins, at the start position.
void PlayStart();
// Play in the middle of the town, looking along it.
void MidTown();
// Play at the start position with the camera zoomed out as far as it goes.
void ZoomedOut();
// Play in the middle of the town with the camera tilted down as far as it goes.
void TiltedDown();
// Play at the start position with the town's first 120 props stuck to the
// ball and the last pickup's panel shown.
void Carrying();

// The scenes above, in that order.
extern const Scene ALL[6];

} // namespace scenes
