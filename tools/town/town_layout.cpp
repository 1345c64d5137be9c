// The shipped town. The ball enters at the south edge (n = 0) through a park
// of light props; three streets cross the town along x, joined by three
// avenues along z; the buildings face the streets towards the start; the
// hospital, the heaviest of all, closes the main axis at the far end.
#include "tools/town/town_plan.h"

namespace {

// Prop types (texture slots).
enum Prop {
    BAKERY = 3,
    DRUG_STORE = 4,
    HOTEL = 5,
    PIZZA = 6,
    POLICE = 7,
    BUILDING_1 = 8,
    BUILDING_2 = 9,
    ARCADE = 10,
    SIDE_1 = 11,
    SIDE_2 = 12,
    GAME_SIDE = 13,
    BUSH = 14,
    BIG_BUSH = 15,
    FENCE = 16,
    GARBAGE = 17,
    HOTEL_SIGN = 18,
    BIG_SIGN = 19,
    MAYOR_SIGN = 20,
    SMALL_SIGN = 21,
    TOWN_FLAG = 22,
    TREE = 23,
    FENCE_2 = 24,
    FENCE_3 = 25,
    FENCE_4 = 26,
    SIDE_3 = 27,
    HOSPITAL = 28,
    HOSPITAL_BACK = 29,
    HOSPITAL_SIDE = 30,
    SIDE_4 = 31,
    SMALL_BUSH = 32,
    BURGER = 33,
    BURGER_BACK = 34,
    BURGER_SIDE = 35,
};

// Tile rows of the streets (along x): the first lane; the centre line and the
// second lane follow, with a sidewalk on either side.
constexpr int STREETS[] = {16, 36, 56};
// Tile columns of the avenues (along z): the first lane of each.
constexpr int WEST_AVENUE = 11;
constexpr int MAIN_AVENUE = 34;
constexpr int EAST_AVENUE = 56;
// The town's axis, x = 5: the path from the entrance, the flag on the square,
// the main avenue's centre line and the hospital's door line up on it.
constexpr int AXIS_TILE = MAIN_AVENUE + 1;
constexpr float AXIS = 5;
// Tile rows of the two blocks between the streets.
constexpr int BLOCKS[][2] = {{20, 34}, {40, 54}};

// Sizes of the props, in world units.
constexpr float BUILDING_HEIGHT = 24;
constexpr float HOSPITAL_HEIGHT = 30;

void Bush(TownPlan& t, float x, float n) {
    t.Box(BUSH, x - 1.5f, x + 1.5f, n - 1.5f, n + 1.5f, 3);
}
void SmallBush(TownPlan& t, float x, float n) {
    t.Box(SMALL_BUSH, x - 1, x + 1, n - 1, n + 1, 2);
}
void BigBush(TownPlan& t, float x, float n) {
    t.Box(BIG_BUSH, x - 2, x + 2, n - 2, n + 2, 4);
}
void Garbage(TownPlan& t, float x, float n) {
    t.Box(GARBAGE, x - 1, x + 1, n - 1, n + 1, 3);
}
void Tree(TownPlan& t, float x, float n) {
    t.Sprite(TREE, x, n, 7, 12);
}

void Streets(TownPlan& t) {
    for (int s : STREETS) {
        t.Ground(0, 69, s - 1, s - 1, SIDEWALK);
        t.Ground(0, 69, s, s, ROAD);
        t.Ground(0, 69, s + 1, s + 1, ROAD_MIDDLE_X);
        t.Ground(0, 69, s + 2, s + 2, ROAD);
        t.Ground(0, 69, s + 3, s + 3, SIDEWALK);
    }
    // The main avenue starts at the second street, behind the town square.
    const int firstStreet[] = {STREETS[0], STREETS[0], STREETS[1]};
    const int avenues[] = {WEST_AVENUE, EAST_AVENUE, MAIN_AVENUE};
    for (int i = 0; i < 3; ++i) {
        int a = avenues[i];
        int from = firstStreet[i];
        int to = STREETS[2] + 2;
        t.Ground(a, a, from, to, ROAD);
        t.Ground(a + 1, a + 1, from, to, ROAD_MIDDLE);
        t.Ground(a + 2, a + 2, from, to, ROAD);
        for (const auto& block : BLOCKS) {
            if (block[0] < from)
                continue;
            t.Ground(a - 1, a - 1, block[0], block[1], SIDEWALK);
            t.Ground(a + 3, a + 3, block[0], block[1], SIDEWALK);
        }
        // Crossings are plain asphalt, so the centre lines end where roads meet.
        for (int s : STREETS)
            if (s >= from)
                t.Ground(a, a + 2, s, s + 2, ROAD);
    }
}

// The park at the entrance: everything here can be taken at weight 0, except
// the big bushes along its far edge and the trees on its flanks.
void SouthPark(TownPlan& t) {
    t.Ground(32, 38, 0, 1, SIDEWALK); // entrance plaza, x -30..40
    t.Ground(28, 31, 0, 2, FLOWERS);  // flower beds beside it
    t.Ground(39, 42, 0, 2, FLOWERS);
    t.Ground(AXIS_TILE, AXIS_TILE, 2, 14, PATH);
    t.Ground(13, 69, 7, 7, PATH_X); // cross path, n 80..90
    t.Ground(AXIS_TILE, AXIS_TILE, 7, 7, PATH);
    t.Ground(12, 12, 7, 7, PATH_CORNER); // turns north to the first street
    t.Ground(12, 12, 8, 14, PATH);
    t.Ground(20, 23, 10, 12, FLOWERS); // x -150..-110, n 110..140
    t.Ground(46, 49, 10, 12, FLOWERS); // x 110..150

    // Small bushes line the main path.
    for (float n = 40; n <= 150; n += 10) {
        SmallBush(t, AXIS - 10, n);
        SmallBush(t, AXIS + 10, n);
    }
    // Fenced flower beds beside the plaza, with a sign each.
    t.FenceX(FENCE, -70, -30, 43);
    t.FenceZ(FENCE_3, -73, 10, 40);
    t.FenceX(FENCE_3, 40, 80, 43);
    t.FenceZ(FENCE, 83, 10, 40);
    t.Sprite(SMALL_SIGN, -50, 47, 3, 4);
    t.Sprite(SMALL_SIGN, 60, 47, 3, 4);
    // Bushes on the lawns either side of the path.
    for (float x = 35; x <= 155; x += 20)
        for (float n : {60.0f, 100.0f}) {
            Bush(t, AXIS - x, n);
            Bush(t, AXIS + x, n);
        }
    // Rubbish by the paths.
    for (float x : {-60.0f, -25.0f, 25.0f, 60.0f, 180.0f, -180.0f})
        Garbage(t, x, 78);
    for (float n : {35.0f, 95.0f, 135.0f}) {
        Garbage(t, -20, n);
        Garbage(t, 20, n);
    }
    t.Sprite(SMALL_SIGN, -130, 108, 3, 4);
    t.Sprite(SMALL_SIGN, 130, 108, 3, 4);
    // Big bushes along the far edge, trees on the flanks.
    for (float x = 25; x <= 145; x += 40) {
        BigBush(t, AXIS - x, 148);
        BigBush(t, AXIS + x, 148);
    }
    for (float x = 200; x <= 320; x += 60)
        for (float n : {40.0f, 125.0f}) {
            Tree(t, -x, n);
            Tree(t, x, n);
        }
    for (float x = 185; x <= 335; x += 30) {
        Bush(t, -x, 60);
        Bush(t, x, 60);
    }
}

// Rubbish on the sidewalks of the streets, clear of the crossings.
void StreetRubbish(TownPlan& t) {
    for (int s : STREETS) {
        float south = 10 + 10 * (s - 1) + 5;
        float north = 10 + 10 * (s + 3) + 5;
        for (float x : {-320.0f, -95.0f, 130.0f, 290.0f})
            Garbage(t, x, south);
        for (float x : {-290.0f, -40.0f, 95.0f, 325.0f})
            Garbage(t, x, north);
    }
}

// The first block: the town square on the axis, shops and the hotel beside it,
// gardens at both ends.
void FirstBlock(TownPlan& t) {
    t.Ground(28, 42, 20, 34, SIDEWALK); // the square, x -70..80, n 210..360
    t.Ground(29, 30, 21, 22, FLOWERS);
    t.Ground(40, 41, 21, 22, FLOWERS);
    t.Ground(29, 30, 32, 33, FLOWERS);
    t.Ground(40, 41, 32, 33, FLOWERS);
    t.Sprite(TOWN_FLAG, AXIS, 290, 6, 16);
    t.Sprite(MAYOR_SIGN, AXIS, 265, 6, 6);
    t.Sprite(BIG_SIGN, AXIS - 55, 216, 8, 8);
    t.Sprite(BIG_SIGN, AXIS + 55, 216, 8, 8);
    BigBush(t, AXIS - 20, 290);
    BigBush(t, AXIS + 20, 290);
    for (float n : {240.0f, 270.0f, 300.0f, 330.0f}) {
        Tree(t, AXIS - 60, n);
        Tree(t, AXIS + 60, n);
    }
    Garbage(t, AXIS - 35, 230);
    Garbage(t, AXIS + 35, 230);
    t.Sprite(SMALL_SIGN, AXIS - 10, 340, 3, 4);

    t.Building({BAKERY, SIDE_1, SIDE_1}, -196, -160, 222, 252, BUILDING_HEIGHT);
    t.Building({DRUG_STORE, SIDE_2, SIDE_2}, -148, -112, 222, 252, BUILDING_HEIGHT);
    t.Building({HOTEL, SIDE_3, SIDE_3}, 80, 116, 222, 252, BUILDING_HEIGHT);
    t.Sprite(HOTEL_SIGN, 98, 213, 6, 8);
    t.Sprite(HOTEL_SIGN, 98, 262, 6, 8);
    t.Building({PIZZA, SIDE_4, SIDE_4}, 128, 164, 222, 252, BUILDING_HEIGHT);
    // Back yards: a fence behind the shops, trees beyond it.
    t.FenceX(FENCE_2, -196, -106, 310);
    t.FenceX(FENCE_4, 76, 166, 310);
    for (float x = -190; x <= -110; x += 40)
        Tree(t, x, 335);
    for (float x = 80; x <= 160; x += 40)
        Tree(t, x, 335);
    for (float x : {-180.0f, -130.0f, 100.0f, 150.0f}) {
        Garbage(t, x, 270);
        BigBush(t, x + 12, 285);
    }
    // Gardens at the west and east ends.
    for (float x : {-320.0f, -280.0f, 280.0f, 320.0f}) {
        Tree(t, x, 240);
        BigBush(t, x, 290);
        Tree(t, x, 335);
    }
    for (float x : {-300.0f, 300.0f})
        for (float n : {265.0f, 315.0f})
            Bush(t, x, n);
}

// The second block: offices, the police, the arcade and the burger shop.
void SecondBlock(TownPlan& t) {
    const float front = 422, back = 452;
    t.Building({BUILDING_1, SIDE_1, SIDE_1}, -340, -304, front, back, BUILDING_HEIGHT);
    t.Building({BUILDING_2, SIDE_2, SIDE_2}, -292, -256, front, back, BUILDING_HEIGHT);
    t.Building({POLICE, SIDE_3, SIDE_3}, -196, -156, front, back, BUILDING_HEIGHT);
    t.Sprite(MAYOR_SIGN, -176, 413, 6, 6);
    t.Building({ARCADE, GAME_SIDE, GAME_SIDE}, -140, -104, front, back, BUILDING_HEIGHT);
    t.Sprite(BIG_SIGN, -122, 413, 8, 8);
    t.Building({BUILDING_1, SIDE_4, SIDE_4}, -88, -52, front, back, BUILDING_HEIGHT);
    t.Building({BURGER, BURGER_SIDE, BURGER_BACK}, 40, 76, front, back, BUILDING_HEIGHT);
    t.Sprite(BIG_SIGN, 58, 413, 8, 8);
    t.Building({BUILDING_2, SIDE_1, SIDE_1}, 92, 128, front, back, BUILDING_HEIGHT);
    t.Building({BUILDING_1, SIDE_2, SIDE_2}, 144, 180, front, back, BUILDING_HEIGHT);
    t.Building({BUILDING_2, SIDE_3, SIDE_3}, 258, 294, front, back, BUILDING_HEIGHT);
    t.Building({BUILDING_1, SIDE_4, SIDE_4}, 306, 342, front, back, BUILDING_HEIGHT);
    t.Ground(15, 18, 40, 40, FLOWERS); // in front of the police
    t.Ground(39, 42, 40, 40, FLOWERS); // and of the burger shop
    // Back yards between the buildings and the third street.
    t.FenceX(FENCE, -340, -250, 500);
    t.FenceX(FENCE_2, -196, -146, 500);
    t.FenceX(FENCE, -136, -46, 500);
    t.FenceX(FENCE_4, 36, 86, 500);
    t.FenceX(FENCE_3, 96, 186, 500);
    t.FenceX(FENCE_3, 256, 346, 500);
    for (float x : {-330.0f, -270.0f, -170.0f, -90.0f, 60.0f, 120.0f, 180.0f, 270.0f, 330.0f})
        Tree(t, x, 530);
    for (float x : {-320.0f, -170.0f, -70.0f, 60.0f, 160.0f, 280.0f}) {
        Garbage(t, x, 475);
        BigBush(t, x + 15, 480);
        Bush(t, x - 5, 545);
    }
}

// The far end: the hospital at the head of the main avenue, apartments to
// either side, trees behind.
void NorthBlock(TownPlan& t) {
    t.Ground(AXIS_TILE, AXIS_TILE, 60, 62, PATH);
    t.Ground(30, 33, 60, 62, FLOWERS);
    t.Ground(37, 40, 60, 62, FLOWERS);
    t.Building({HOSPITAL, HOSPITAL_SIDE, HOSPITAL_BACK}, AXIS - 30, AXIS + 30, 640, 680,
               HOSPITAL_HEIGHT);
    BigBush(t, AXIS - 20, 628);
    BigBush(t, AXIS + 20, 628);
    t.Sprite(SMALL_SIGN, AXIS + 14, 616, 3, 4);
    t.Building({BUILDING_2, SIDE_2, SIDE_2}, -196, -160, 622, 652, BUILDING_HEIGHT);
    t.Building({BUILDING_1, SIDE_1, SIDE_1}, -148, -112, 622, 652, BUILDING_HEIGHT);
    t.Building({BUILDING_1, SIDE_3, SIDE_3}, 112, 148, 622, 652, BUILDING_HEIGHT);
    t.Building({BUILDING_2, SIDE_4, SIDE_4}, 160, 196, 622, 652, BUILDING_HEIGHT);
    for (float n : {650.0f, 700.0f}) {
        Tree(t, AXIS - 65, n);
        Tree(t, AXIS + 65, n);
    }
    for (float x = 120; x <= 300; x += 60) {
        Tree(t, -x, 700);
        Tree(t, x, 700);
        Bush(t, -x - 20, 715);
        Bush(t, x + 20, 715);
    }
    for (float x : {-30.0f, 0.0f, 30.0f})
        Bush(t, AXIS + x, 712);
}

} // namespace

TownPlan BuildTown() {
    TownPlan t;
    Streets(t);
    SouthPark(t);
    FirstBlock(t);
    SecondBlock(t);
    NorthBlock(t);
    StreetRubbish(t);
    return t;
}
