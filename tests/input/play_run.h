// Runs the real game loop in play, driven one frame at a time.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// Sets the fed keyboard state to exactly these keys (DirectInput scan codes).
void HoldKeys(const std::vector<uint8_t>& keys);

struct PlayRun {
    bool started = false; // play began (Enter was read) within the frame limit
    int exitValue = -1;   // what WinMain returned
};

// Starts the game, holds Enter through the keyboard feed until play begins,
// then calls step(n) inside every buffer swap with n = 0, 1, 2... until it
// returns false, and turns the call log off. What step(n) sets up is read by the game in the same
// pass, so step(n + 1) sees its effect.
PlayRun RunInPlay(const std::function<bool(int n)>& step);
