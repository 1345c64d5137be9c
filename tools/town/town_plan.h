// Building blocks for laying out the town in world units: ground tiles by
// tile range, props by their footprint. n is the distance into the town,
// minus the world z (the ball starts at n = 0 and looks towards growing n).
#pragma once

#include "tools/town/town_files.h"

#include <vector>

// Ground tile numbers.
enum Tile {
    GRASS = 0,
    FLOWERS = 1,
    PATH = 2,
    ROAD = 3,
    ROAD_MIDDLE = 4,
    SIDEWALK = 5,
    ROAD_MIDDLE_X = 6,
    PATH_CORNER = 7,
    PATH_X = 8,
};

// The wall types of one building: its named front, and the sides and back.
struct Facade {
    int Front;
    int Side;
    int Back;
};

class TownPlan {
  public:
    // Tiles by tile index: tx counts along x from the west edge (0..69), tn
    // into the town from the near edge (0..72); both ranges inclusive.
    void Ground(int tx0, int tx1, int tn0, int tn1, int tile);

    // A wall along x at depth n, from x0 to x1.
    void WallX(int type, float x0, float x1, float n, float height);
    // A wall along z at x, from depth n0 to n1.
    void WallZ(int type, float x, float n0, float n1, float height);
    // A box standing on the footprint x0..x1, n0..n1.
    void Box(int type, float x0, float x1, float n0, float n1, float height);
    // A flat prop centred on x at depth n, facing the start.
    void Sprite(int type, float x, float n, float width, float height);
    // A closed building whose front faces the start, x0..x1 and n0..n1.
    void Building(const Facade& walls, float x0, float x1, float n0, float n1, float height);
    // A run of fence pieces of one length along x or z.
    void FenceX(int type, float x0, float x1, float n);
    void FenceZ(int type, float x, float n0, float n1);

    const TileGrid& Tiles() const { return Grid; }
    const std::vector<PropRecord>& Props() const { return Records; }

  private:
    void Add(int type, float x, float z, float depth, float width, float height);

    TileGrid Grid;
    std::vector<PropRecord> Records;
};

// The town shipped with the game.
TownPlan BuildTown();
