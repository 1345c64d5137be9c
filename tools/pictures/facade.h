// Parts of house fronts, drawn in the walls' 36 x 24 unit space (y down, ground at y = 24):
// wall materials, windows, doors, awnings, sign boards and trims. Light falls from the top
// left, so shadows go down and to the right.
#pragma once

#include "canvas.h"
#include "text.h"

#include <string>

// Wall materials, as paints for the whole wall.
Paint brickWall(Rgba brick, Rgba mortar, uint32_t seed);
Paint stuccoWall(Rgba base, uint32_t seed);
Paint stoneWall(Rgba base, Rgba joint, uint32_t seed);

struct WindowLook {
    Rgba frame{1, 1, 1, 1};
    int columns = 2, rows = 2; // panes
    bool arch = false;
    Rgba shutters{}; // alpha 0: no shutters
    Rgba flowers{};  // alpha 0: no flower box
    Rgba curtains{}; // alpha 0: no curtains
    Rgba sill{0.93f, 0.9f, 0.84f, 1};
};

// Glass with a sky gradient and a bright diagonal reflection.
void drawGlass(Canvas& c, const Shape& pane, Box box);
void drawShadow(Canvas& c, const Shape& s, double dx, double dy, float alpha = 0.28f);
void drawWindow(Canvas& c, Box glass, const WindowLook& look);
// Windows of equal width spread evenly between x0 and x1.
void drawWindowRow(Canvas& c, double x0, double x1, double y0, double y1, int count, double width,
                   const WindowLook& look);
void drawDoor(Canvas& c, Box b, Rgba colour, Rgba frame, bool glassPanel, bool twoLeaves);
// A striped awning over a shop window: top edge at y0 against the wall, hem at y1.
void drawAwning(Canvas& c, double x0, double x1, double y0, double y1, Rgba a, Rgba b, int stripes);
// A board with a border and one line of lettering fitted inside.
void drawSignBoard(Canvas& c, Box b, Rgba board, Rgba border, const TextStyle& style,
                   const std::string& text, Rgba ink, Rgba outline = {}, double outlineWidth = 0);
// The crown of the wall (y 0 to y1) with a row of small brackets under it.
void drawCornice(Canvas& c, double y1, Rgba colour);
// The foot of the wall, from y0 to the ground.
void drawPlinth(Canvas& c, double y0, Rgba colour);
void drawBand(Canvas& c, double y0, double y1, Rgba colour);
void drawDrainpipe(Canvas& c, double x, Rgba colour);
// A wall lamp on a bracket.
void drawLamp(Canvas& c, double x, double y, Rgba glow);
