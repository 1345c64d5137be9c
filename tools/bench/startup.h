// Start-up time: from starting the program to its first title frame,
// dynamic loading included, measured on fresh processes.
#pragma once

namespace bench {

// The option that makes this program run the game to its first title frame,
// print the monotonic time then and exit.
constexpr const char* FIRST_FRAME_OPTION = "--first-frame";

// Child side: runs the game to its first frame and prints the time. Returns
// the exit status.
int RunToFirstFrame();

struct Startup {
    double medianMs;
    double worstMs;
    long peakKb;
};

// Parent side: starts this program `runs` times with FIRST_FRAME_OPTION.
Startup MeasureStartup(int runs);

} // namespace bench
