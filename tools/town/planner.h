// Plays the town the way a patient player would: heads for the nearest prop
// it can take, rolls round the props that are still too heavy, and steers
// with the player's direction codes, testing the town bounds before a step
// as the keyboard does. It reads the ball and the props from the game after
// every frame and plans on a grid of one-unit cells.
#pragma once

#include "tools/town/footprint.h"
#include "tools/town/game_link.h"
#include "tools/town/town_files.h"

#include <cstdint>
#include <set>
#include <vector>

class Planner {
  public:
    // Thresholds: those of the records' types, ascending. The records of the
    // highest threshold (the hospital) are saved for last: while anything
    // lighter still stands, the planner steers round them as round heavy ones.
    Planner(const std::vector<PropRecord>& records, const std::vector<TypeRule>& rules,
            const std::vector<float>& thresholds);

    // Fills the codes to issue on the next frame (there may be none); false
    // once nothing standing can be reached any more.
    bool NextFrame(std::vector<int>& codes);

  private:
    struct Point {
        float X, N;
    };

    void Rebuild();
    bool Replan();
    bool Clear(Point from, Point to) const;
    Point Centre(int cell) const;
    int CellAt(float x, float n) const;
    int Level() const;

    std::vector<PropRecord> Records;
    std::vector<float> Thresholds;
    std::vector<uint8_t> Zone; // FREE, NEAR or BLOCKED per cell
    std::vector<int> Goal;     // the slot a cell reaches, or -1
    std::vector<float> Dist;
    std::vector<int> From;
    std::vector<int> Path; // cells from the ball to the goal
    size_t Next = 0;       // the path cell the ball is at
    int Target = -1;
    int Budget = 0; // frames left for reaching the target
    int PlannedLevel = -1;
    std::set<int> Skipped; // targets given up on at this level
    std::set<int> SavedForLast;
};
