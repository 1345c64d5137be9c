// One run through the town: a sequence of frames of direction codes issued
// to the game, and what came of it.
#pragma once

#include "tools/town/game_link.h"
#include "tools/town/town_files.h"

#include <string>
#include <vector>

// The codes issued on each frame, in order.
using Route = std::vector<std::vector<int>>;

struct Outcome {
    int Frames = 0;
    int Bounces = 0;
    std::vector<int> TakenOn;                  // per record: the frame it was taken, 0 never
    std::vector<std::pair<float, int>> Passed; // threshold, frame it was reached (0 never)
    float FinalWeight = 0;
    std::vector<BallPose> Trail;   // the ball after each frame
    std::vector<Problem> Problems; // codes the rules refused, runs cut short
};

// Lets the planner find a route through the town and returns it with what it
// achieved.
Outcome PlayTown(const std::vector<PropRecord>& records, const std::vector<TypeRule>& rules,
                 const std::vector<float>& thresholds, Route& route);
// Issues a recorded route and reports what it achieves.
Outcome ReplayRoute(const std::vector<PropRecord>& records, const std::vector<float>& thresholds,
                    const Route& route);

bool WriteRoute(const std::string& path, const Route& route);
// Reads one frame per line; codes a player cannot issue are reported.
void ReadRoute(const std::string& path, Route& route, std::vector<Problem>& problems);
