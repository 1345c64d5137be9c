// Where a prop stands on the ground and where the ball touches it, in the
// checker's planning terms: x, and depth n = -z.
#pragma once

#include "tools/town/town_files.h"

#include <algorithm>

constexpr float TILE_SIZE = 10;
constexpr int FIRST_DRAWN_COLUMN = 27;
// The ground the ball may roll on: x in (-TOWN_HALF_WIDTH, TOWN_HALF_WIDTH),
// depth in (0, TOWN_DEPTH).
constexpr float TOWN_HALF_WIDTH = MAP_ROWS * TILE_SIZE / 2;
constexpr float TOWN_DEPTH = (MAP_COLS - FIRST_DRAWN_COLUMN) * TILE_SIZE;
// The ball touches a prop when its centre comes this close on each axis.
constexpr float CONTACT_MARGIN = 1.5f;

struct Footprint {
    float X0, X1, N0, N1;

    Footprint Grown(float by) const { return {X0 - by, X1 + by, N0 - by, N1 + by}; }
    bool Holds(float x, float n) const { return x >= X0 && x <= X1 && n >= N0 && n <= N1; }
    bool Touched(float x, float n) const { return Grown(CONTACT_MARGIN).Holds(x, n); }
};

// The shape follows from the extents, Depth tested first as the game does: a
// wall along x, a wall along z reaching towards +z, or a box reaching towards -z.
inline Footprint FootprintOf(const PropRecord& r) {
    if (r.Depth == 0)
        return {r.PosX, r.PosX + r.Width, -r.PosZ, -r.PosZ};
    if (r.Width == 0)
        return {r.PosX, r.PosX, -r.PosZ - r.Depth, -r.PosZ};
    return {r.PosX, r.PosX + r.Width, -r.PosZ, -r.PosZ + r.Depth};
}

// The clear space between two footprints, measured on the axis that
// separates them most (negative when they overlap).
inline float GapBetween(const Footprint& a, const Footprint& b) {
    float dx = std::max(a.X0 - b.X1, b.X0 - a.X1);
    float dn = std::max(a.N0 - b.N1, b.N0 - a.N1);
    return std::max(dx, dn);
}
