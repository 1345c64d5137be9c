// The checks a town passes before it is played: every record well formed and
// inside the town, nothing heavy at the start, no passage between heavy props
// too narrow to roll through, and enough light weight for every threshold.
#pragma once

#include "tools/town/game_link.h"
#include "tools/town/town_files.h"

#include <vector>

// The weight the props below one threshold give together.
struct Supply {
    float Threshold;
    float Available;
};

std::vector<Problem> ValidateProps(const std::vector<PropRecord>& records,
                                   const std::vector<TypeRule>& rules);
std::vector<Supply> WeightSupply(const std::vector<PropRecord>& records,
                                 const std::vector<TypeRule>& rules);
// The distinct thresholds of the types in use, ascending, without 0.
std::vector<float> ThresholdsInUse(const std::vector<PropRecord>& records,
                                   const std::vector<TypeRule>& rules);
