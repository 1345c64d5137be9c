#include "tools/town/town_plan.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float FENCE_LENGTH = 10;
constexpr float FENCE_HEIGHT = 3;

int Column(int tn) {
    return MAP_COLS - 1 - tn;
}

} // namespace

void TownPlan::Ground(int tx0, int tx1, int tn0, int tn1, int tile) {
    for (int tx = std::max(tx0, 0); tx <= std::min(tx1, MAP_ROWS - 1); ++tx)
        for (int tn = std::max(tn0, 0); tn <= std::min(tn1, MAP_COLS - 1); ++tn)
            Grid.Tiles[tx][Column(tn)] = tile;
}

void TownPlan::Add(int type, float x, float z, float depth, float width, float height) {
    PropRecord r;
    r.Index = static_cast<int>(Records.size());
    r.TexID = type;
    r.PosX = x;
    r.PosZ = z;
    r.Depth = depth;
    r.Width = width;
    r.Height = height;
    Records.push_back(r);
}

void TownPlan::WallX(int type, float x0, float x1, float n, float height) {
    Add(type, std::min(x0, x1), -n, 0, std::fabs(x1 - x0), height);
}

// A flat-along-z prop reaches from its PosZ towards +z, so it is anchored at
// the deeper end.
void TownPlan::WallZ(int type, float x, float n0, float n1, float height) {
    Add(type, x, -std::max(n0, n1), std::fabs(n1 - n0), 0, height);
}

// A box reaches from its PosZ towards -z, so it is anchored at the nearer end.
void TownPlan::Box(int type, float x0, float x1, float n0, float n1, float height) {
    Add(type, std::min(x0, x1), -std::min(n0, n1), std::fabs(n1 - n0), std::fabs(x1 - x0), height);
}

void TownPlan::Sprite(int type, float x, float n, float width, float height) {
    WallX(type, x - width / 2, x + width / 2, n, height);
}

void TownPlan::Building(const Facade& walls, float x0, float x1, float n0, float n1, float height) {
    WallX(walls.Front, x0, x1, n0, height);
    WallZ(walls.Side, x0, n0, n1, height);
    WallZ(walls.Side, x1, n0, n1, height);
    WallX(walls.Back, x0, x1, n1, height);
}

void TownPlan::FenceX(int type, float x0, float x1, float n) {
    for (float x = std::min(x0, x1); x + FENCE_LENGTH <= std::max(x0, x1) + 0.01f;
         x += FENCE_LENGTH)
        WallX(type, x, x + FENCE_LENGTH, n, FENCE_HEIGHT);
}

void TownPlan::FenceZ(int type, float x, float n0, float n1) {
    for (float n = std::min(n0, n1); n + FENCE_LENGTH <= std::max(n0, n1) + 0.01f;
         n += FENCE_LENGTH)
        WallZ(type, x, n, n + FENCE_LENGTH, FENCE_HEIGHT);
}
