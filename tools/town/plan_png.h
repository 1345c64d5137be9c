// The top-down plan of the town: the ground tiles, every prop coloured by the
// weight it needs, the route the ball took and the start; a legend of the
// thresholds runs along the bottom. North (growing depth) is up, +x right.
#pragma once

#include "tools/town/game_link.h"
#include "tools/town/town_files.h"

#include <string>
#include <vector>

bool DrawPlan(const std::string& path, const TileGrid& tiles,
              const std::vector<PropRecord>& records, const std::vector<TypeRule>& rules,
              const std::vector<float>& thresholds, const std::vector<BallPose>& trail);
