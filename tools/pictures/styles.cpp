#include "styles.h"

WallStyle redBrick() {
    return {brickWall(hex(0xC4583F), hex(0xE9DCC8), 101), hex(0xF1E3C8), hex(0x6B6159),
            hex(0xF1E3C8)};
}

WallStyle creamStucco() {
    return {stuccoWall(hex(0xF4E4BC), 102), pal::white, hex(0x9C8A6E), pal::white};
}

WallStyle greyStone() {
    return {stoneWall(hex(0xAEBBC9), hex(0x7E8B9A), 103), hex(0xE8ECF0), hex(0x5E6773),
            hex(0xE8ECF0)};
}

WallStyle ochrePlaster() {
    return {stuccoWall(hex(0xEBB960), 104), pal::white, hex(0x8C6A3A), pal::white};
}

void drawWallBase(Canvas& c, const WallStyle& style) {
    c.fillAll(style.wall);
    drawCornice(c, 1.5, style.cornice);
    drawPlinth(c, 23.2, style.plinth);
}

void drawSideWall(Canvas& c, const WallStyle& style, const WindowLook& look, int rows, int columns,
                  Rgba doorColour) {
    drawWallBase(c, style);
    bool door = doorColour.a > 0;
    // Window rows from the top; the last row is the ground floor, which gives room to a door.
    double tops[3] = {3.2, 13.8, 0}, height = 6.0;
    if (rows == 3) {
        tops[0] = 2.8;
        tops[1] = 9.8;
        tops[2] = 16.2;
        height = 4.6;
    }
    drawBand(c, rows == 3 ? 8.5 : 11.4, rows == 3 ? 8.9 : 11.9, style.trim);
    for (int r = 0; r < rows; ++r) {
        bool ground = r == rows - 1;
        double x1 = door && ground ? 25.0 : 33.0;
        int count = door && ground ? columns - 1 : columns;
        drawWindowRow(c, 1.5, x1, tops[r], tops[r] + height, count, 3.4, look);
    }
    if (door)
        drawDoor(c, {27.5, 15.2, 31.5, 23.2}, doorColour, style.trim, false, false);
    drawDrainpipe(c, 34.6, hex(0x6F7780));
}
