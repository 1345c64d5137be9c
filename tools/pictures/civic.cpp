// The hotel, the police headquarters and the hospital (front, side and back).
#include "emblems.h"
#include "painters.h"
#include "styles.h"

namespace {

// A canopy over an entrance: a flat roof on two thin posts.
void drawCanopy(Canvas& c, double x0, double x1, double y, Rgba colour) {
    for (double x : {x0 + 0.4, x1 - 0.4})
        c.fill(rect(x - 0.12, y + 1.0, x + 0.12, 23.2), pal::ink);
    Shape roof = rect(x0, y, x1, y + 1.1, 0.2);
    drawShadow(c, roof, 0.25, 0.4);
    c.fill(roof.grown(0.07), pal::ink);
    c.fill(roof, colour);
    c.fill(rect(x0, y + 0.8, x1, y + 1.1, 0.2), shade(colour, 0.75f));
}

void drawPottedShrub(Canvas& c, double cx) {
    Shape pot = polygon({{cx - 0.8, 21.2}, {cx + 0.8, 21.2}, {cx + 0.6, 23.2}, {cx - 0.6, 23.2}});
    Shape shrub =
        unite({circle(cx, 19.6, 1.1), circle(cx - 0.7, 20.4, 0.8), circle(cx + 0.7, 20.4, 0.8)});
    c.fill(shrub.grown(0.07), pal::ink);
    c.fill(shrub, pal::green);
    c.fill(circle(cx - 0.3, 19.2, 0.45), pal::leaf);
    c.fill(pot.grown(0.07), pal::ink);
    c.fill(pot, hex(0xC8643C));
}

Paint hospitalWall() {
    return stuccoWall(hex(0xF2F5F7), 110);
}

void drawHospitalBands(Canvas& c) {
    c.fillAll(hospitalWall());
    c.fill(rect(0, 0, 36, 1.3), hex(0x4F8FD6));
    c.fill(rect(0, 1.3, 36, 1.6), pal::shadow(0.2f));
    drawBand(c, 8.6, 9.0, hex(0x8CC3EE));
    drawBand(c, 14.6, 15.0, hex(0x8CC3EE));
    drawPlinth(c, 23.2, hex(0x7A8794));
}

WindowLook hospitalWindow() {
    WindowLook look;
    look.frame = hex(0x4F8FD6);
    look.columns = 2;
    look.rows = 1;
    look.sill = pal::white;
    return look;
}

} // namespace

void paintHotelFront(Canvas& c) {
    WallStyle style = greyStone();
    drawWallBase(c, style);
    WindowLook look;
    look.frame = hex(0xE8ECF0);
    look.curtains = hex(0xB8324A);
    drawWindowRow(c, 0.5, 35.5, 2.4, 5.6, 6, 2.6, look);
    drawWindowRow(c, 0.5, 35.5, 6.9, 10.1, 6, 2.6, look);
    Shape board = rect(3.0, 11.3, 33.0, 14.4, 0.4);
    drawShadow(c, board, 0.3, 0.35);
    c.fill(board.grown(0.08), pal::ink);
    c.fill(board, pal::gold);
    c.fill(board.grown(-0.25), hex(0x8E1F2C));
    drawText(c, {Face::Serif, 2.4, 0.1}, "HOTEL MARIGOLD", {5.4, 11.8, 30.6, 13.9}, pal::yellow,
             hex(0x4A0E16), 0.1);
    for (double x : {4.2, 31.8})
        c.fill(star(x, 12.85, 0.8, 0.35, 5), pal::yellow);
    drawWindow(c, {2.0, 16.4, 8.0, 21.4}, look);
    drawWindow(c, {28.0, 16.4, 34.0, 21.4}, look);
    drawCanopy(c, 11.0, 25.0, 15.2, hex(0x8E1F2C));
    drawText(c, {Face::Serif, 0.8, 0.2}, "WELCOME", {14.0, 15.4, 22.0, 16.0}, pal::yellow);
    drawDoor(c, {14.6, 17.0, 21.4, 23.2}, pal::gold, hex(0xE8ECF0), true, true);
    drawPottedShrub(c, 12.4);
    drawPottedShrub(c, 23.6);
    drawLamp(c, 9.6, 16.8, pal::yellow);
    drawLamp(c, 26.4, 16.8, pal::yellow);
}

void paintPoliceFront(Canvas& c) {
    WallStyle style = greyStone();
    drawWallBase(c, style);
    WindowLook look;
    look.frame = pal::white;
    look.rows = 3;
    drawWindowRow(c, 0.5, 35.5, 2.6, 7.8, 5, 3.0, look);
    drawSignBoard(c, {6.0, 9.4, 30.0, 13.0}, pal::navy, pal::white, {Face::Sans, 3.0, 0.12},
                  "POLICE", pal::white);
    drawBadge(c, 4.0, 11.2, 1.8);
    drawBadge(c, 32.0, 11.2, 1.8);
    drawWindowRow(c, 0.5, 12.5, 15.2, 20.6, 2, 3.0, look);
    drawWindowRow(c, 23.5, 35.5, 15.2, 20.6, 2, 3.0, look);
    Shape porch = rect(13.4, 14.2, 22.6, 23.2);
    c.fill(porch.grown(0.07), pal::ink);
    c.fill(porch, hex(0xE8ECF0));
    drawDoor(c, {15.0, 16.0, 21.0, 23.2}, pal::navy, pal::white, true, true);
    drawText(c, {Face::Sans, 0.7, 0.2}, "HEADQUARTERS", {14.0, 14.5, 22.0, 15.3}, pal::navy);
    drawLamp(c, 12.6, 15.2, hex(0x6FB6FF));
    drawLamp(c, 23.4, 15.2, hex(0x6FB6FF));
}

void paintHospitalFront(Canvas& c) {
    drawHospitalBands(c);
    WindowLook look = hospitalWindow();
    drawWindowRow(c, 0.5, 14.0, 3.0, 7.2, 3, 3.0, look);
    drawWindowRow(c, 22.0, 35.5, 3.0, 7.2, 3, 3.0, look);
    drawWindowRow(c, 0.5, 6.5, 10.0, 13.8, 1, 3.0, look);
    drawWindowRow(c, 29.5, 35.5, 10.0, 13.8, 1, 3.0, look);
    drawSignBoard(c, {7.4, 9.6, 28.6, 13.9}, pal::white, hex(0x4F8FD6), {Face::Sans, 3.0, 0.08},
                  "HOSPITAL", pal::red);
    Shape disc = circle(18.0, 5.2, 2.6);
    drawShadow(c, disc, 0.25, 0.3);
    c.fill(disc.grown(0.1), pal::ink);
    c.fill(disc, pal::white);
    drawCross(c, 18.0, 5.2, 3.8, pal::red);
    drawWindowRow(c, 0.5, 11.5, 16.4, 20.8, 2, 3.0, look);
    drawWindowRow(c, 24.5, 35.5, 16.4, 20.8, 2, 3.0, look);
    drawCanopy(c, 11.6, 24.4, 15.4, hex(0x4F8FD6));
    drawText(c, {Face::Sans, 0.8, 0.15}, "EMERGENCY", {14.0, 15.55, 22.0, 16.25}, pal::white);
    drawDoor(c, {13.6, 17.2, 22.4, 23.2}, hex(0xC9D6E2), pal::white, true, true);
}

void paintHospitalSide(Canvas& c) {
    drawHospitalBands(c);
    WindowLook look = hospitalWindow();
    drawWindowRow(c, 0.5, 35.5, 3.0, 7.2, 6, 3.0, look);
    drawWindowRow(c, 0.5, 35.5, 10.0, 13.8, 6, 3.0, look);
    drawWindowRow(c, 0.5, 35.5, 16.4, 20.8, 6, 3.0, look);
    drawDrainpipe(c, 35.2, hex(0x7A8794));
}

void paintHospitalBack(Canvas& c) {
    drawHospitalBands(c);
    WindowLook look = hospitalWindow();
    drawWindowRow(c, 0.5, 35.5, 3.0, 7.2, 7, 3.0, look);
    drawWindowRow(c, 0.5, 35.5, 10.0, 13.8, 7, 3.0, look);
    Shape gate = rect(3.0, 16.4, 15.0, 23.2);
    c.fill(gate.grown(0.5), pal::ink);
    c.fill(gate.grown(0.45), hex(0x8CC3EE));
    c.fill(gate, hex(0xC4CCD4));
    for (double y = 16.9; y < 23.2; y += 0.7)
        c.fill(rect(3.0, y, 15.0, y + 0.14), hex(0x8D97A1));
    drawText(c, {Face::Sans, 1.0, 0.1}, "DELIVERIES", {4.0, 15.1, 14.0, 15.8}, hex(0x4F8FD6));
    drawDoor(c, {22.0, 16.6, 26.0, 23.2}, hex(0x4F8FD6), pal::white, true, false);
    drawSignBoard(c, {19.6, 15.0, 28.4, 16.1}, pal::white, hex(0x4F8FD6), {Face::Sans, 0.8},
                  "STAFF ENTRANCE", hex(0x4F8FD6));
    drawWindow(c, {30.0, 16.8, 33.0, 20.8}, look);
}
