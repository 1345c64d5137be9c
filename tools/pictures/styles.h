// The four wall styles of the town's plain buildings. Each shop front is built in one of them,
// and the matching side wall uses the same one, so a front and its sides read as one house:
//   Side 1 (Building_Side)  red brick     Bakery, Building 1
//   Side 2 (Building_Side2) cream stucco  Drug Store, Zoze Variz
//   Side 3 (Building_Side3) grey stone    Hotel, Police HQ
//   Side 4 (Building_Side4) ochre plaster Building 2
#pragma once

#include "canvas.h"
#include "facade.h"
#include "palette.h"

struct WallStyle {
    Paint wall;
    Rgba cornice, plinth, trim;
};

WallStyle redBrick();
WallStyle creamStucco();
WallStyle greyStone();
WallStyle ochrePlaster();

// Wall, cornice and plinth of a style over the whole canvas.
void drawWallBase(Canvas& c, const WallStyle& style);
// A plain side wall of a style: rows of windows, a drainpipe and, when the door colour is not
// clear, a side door.
void drawSideWall(Canvas& c, const WallStyle& style, const WindowLook& look, int rows, int columns,
                  Rgba doorColour = {});
