// The two plain town houses and the four plain side walls.
#include "painters.h"
#include "styles.h"

namespace {

// A small plate with the house number above a door.
void drawHouseNumber(Canvas& c, double cx, double y, const char* number) {
    Shape plate = ellipse(cx, y, 1.0, 0.7);
    c.fill(plate.grown(0.08), pal::ink);
    c.fill(plate, pal::navy);
    drawText(c, {Face::Sans, 1.2}, number, {cx - 0.7, y - 0.45, cx + 0.7, y + 0.45}, pal::white);
}

// An iron balcony rail under a window.
void drawBalcony(Canvas& c, double x0, double x1, double y) {
    Shape slab = rect(x0, y, x1, y + 0.4);
    drawShadow(c, slab, 0.2, 0.3);
    c.fill(slab, hex(0xD9D2C5));
    c.fill(rect(x0, y - 2.0, x1, y - 1.8), pal::ink);
    for (double x = x0 + 0.1; x <= x1; x += 0.5)
        c.fill(rect(x, y - 2.0, x + 0.12, y), pal::ink);
}

} // namespace

void paintBuildingFront(Canvas& c) {
    drawWallBase(c, redBrick());
    WindowLook look;
    look.curtains = hex(0xF6D55C);
    for (double y : {2.8, 9.6})
        drawWindowRow(c, 1.0, 35.0, y, y + 4.8, 5, 3.4, look);
    drawBalcony(c, 13.6, 22.4, 14.9);
    WindowLook ground = look;
    ground.curtains = hex(0x8FD3F4);
    drawWindowRow(c, 1.0, 14.0, 16.4, 21.0, 2, 3.4, ground);
    drawWindowRow(c, 22.0, 35.0, 16.4, 21.0, 2, 3.4, ground);
    drawHouseNumber(c, 18.0, 16.2, "12");
    drawDoor(c, {15.9, 17.4, 20.1, 23.2}, hex(0x3A7BD5), pal::white, true, false);
}

void paintBuildingFront2(Canvas& c) {
    WallStyle style = ochrePlaster();
    drawWallBase(c, style);
    drawBand(c, 8.9, 9.4, style.trim);
    drawBand(c, 15.4, 15.9, style.trim);
    WindowLook look;
    look.shutters = hex(0x3A7BD5);
    look.columns = 2;
    look.rows = 3;
    drawWindowRow(c, 1.0, 35.0, 3.0, 7.8, 4, 2.8, look);
    drawWindowRow(c, 1.0, 35.0, 10.2, 14.6, 4, 2.8, look);
    look.flowers = pal::red;
    drawWindowRow(c, 1.0, 14.0, 17.0, 21.2, 2, 2.8, look);
    drawWindowRow(c, 22.0, 35.0, 17.0, 21.2, 2, 2.8, look);
    drawHouseNumber(c, 18.0, 16.8, "7");
    drawDoor(c, {16.0, 18.0, 20.0, 23.2}, hex(0x2E7542), pal::white, false, false);
    drawLamp(c, 21.6, 17.6, pal::yellow);
}

void paintBuildingSide(Canvas& c) {
    WindowLook look;
    look.curtains = hex(0xF6D55C);
    drawSideWall(c, redBrick(), look, 2, 4);
}

void paintBuildingSide2(Canvas& c) {
    WindowLook look;
    look.shutters = hex(0x2E9E5B);
    drawSideWall(c, creamStucco(), look, 2, 3);
}

void paintBuildingSide3(Canvas& c) {
    WindowLook look;
    look.frame = hex(0xE8ECF0);
    look.curtains = hex(0xB8324A);
    drawSideWall(c, greyStone(), look, 3, 4);
}

void paintBuildingSide4(Canvas& c) {
    WindowLook look;
    look.shutters = hex(0x3A7BD5);
    look.rows = 3;
    drawSideWall(c, ochrePlaster(), look, 2, 3, hex(0x2E7542));
}
