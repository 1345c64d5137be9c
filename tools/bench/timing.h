// Frame timing inside the real game loop: the interval between two buffer
// swaps, attributed to the drawing path the frame between them used.
#pragma once

#include <vector>

namespace bench {

// Milliseconds on the monotonic clock, with sub-millisecond resolution.
double NowMs();

struct Summary {
    double median;
    double p99;
    double mean;
};

// Summary of a sample set; the samples are sorted in place.
Summary Summarise(std::vector<double>& samples);

} // namespace bench
