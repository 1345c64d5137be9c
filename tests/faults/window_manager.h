// What a window manager does to the game's window when the player minimises
// and restores it; there is none on the test's X server, so the test does it.
#pragma once

namespace wm {

// Iconifies the game's window: marks it hidden and unmaps it, which the game
// hears of as a minimising. False when the window is not found.
bool Minimise();

// Maps the window again, clears the mark and gives it the keyboard focus, as
// a window manager does for a restored window.
bool Restore();

} // namespace wm
