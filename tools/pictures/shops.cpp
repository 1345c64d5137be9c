// The shop fronts: bakery, drug store, pizza place, arcade and burger shop, with the arcade's and
// the burger shop's own side and back walls.
#include "emblems.h"
#include "noise.h"
#include "painters.h"
#include "styles.h"

#include <cmath>

namespace {

// A big shop window: frame, glass and a display shelf; returns the glass box.
Box drawShopWindow(Canvas& c, Box g, Rgba frame) {
    Shape outer = rect(g.x0 - 0.5, g.y0 - 0.5, g.x1 + 0.5, g.y1 + 0.5);
    drawShadow(c, outer, 0.25, 0.3);
    c.fill(outer.grown(0.06), pal::ink);
    c.fill(outer, frame);
    drawGlass(c, rect(g.x0, g.y0, g.x1, g.y1), g);
    c.fill(rect(g.x0, g.y0, g.x1, g.y0 + 0.3), pal::shadow(0.25f));
    return g;
}

void drawShelf(Canvas& c, double x0, double x1, double y) {
    c.fill(rect(x0, y, x1, y + 0.35), hex(0x8A5A36));
    c.fill(rect(x0, y + 0.35, x1, y + 0.55), pal::shadow(0.25f));
}

void drawHangingSign(Canvas& c, double cx, double y, const char* text, Rgba board, Rgba ink) {
    c.fill(line({cx - 0.8, y - 0.7}, {cx, y - 1.4}, 0.08), pal::ink);
    c.fill(line({cx + 0.8, y - 0.7}, {cx, y - 1.4}, 0.08), pal::ink);
    Shape s = rect(cx - 1.3, y - 0.7, cx + 1.3, y + 0.5, 0.15);
    c.fill(s.grown(0.07), pal::ink);
    c.fill(s, board);
    drawText(c, {Face::Sans, 0.8}, text, {cx - 1.05, y - 0.5, cx + 1.05, y + 0.3}, ink);
}

void drawBottle(Canvas& c, double x, double yBase, double h, Rgba colour) {
    double w = h * 0.45;
    Shape body = rect(x - w / 2, yBase - h * 0.72, x + w / 2, yBase, w * 0.2);
    Shape neck = rect(x - w * 0.18, yBase - h, x + w * 0.18, yBase - h * 0.7);
    c.fill(unite(body, neck).grown(0.06), pal::ink);
    c.fill(body, colour);
    c.fill(neck, pal::white);
    c.fill(rect(x - w / 2 + 0.08, yBase - h * 0.5, x + w / 2 - 0.08, yBase - h * 0.25), pal::white);
}

// Neon lettering: a soft glow, a bright tube and a white-hot core.
void drawNeon(Canvas& c, const std::string& text, TextStyle style, Box box, Rgba colour) {
    Mask m = textInBox(c, style, text, box);
    double kx = c.pixelsPerUnitX(), ky = c.pixelsPerUnitY();
    c.fillMask(m.dilated(0.7 * kx, 0.7 * ky), Rgba{colour.r, colour.g, colour.b, 0.25f});
    c.fillMask(m.dilated(0.3 * kx, 0.3 * ky), Rgba{colour.r, colour.g, colour.b, 0.5f});
    c.fillMask(m.dilated(0.12 * kx, 0.12 * ky), colour);
    c.fillMask(m, mix(colour, pal::white, 0.6f));
}

void drawBulbs(Canvas& c, Box b, double step) {
    for (double x = b.x0; x <= b.x1 + 1e-6; x += step) {
        c.fill(circle(x, b.y0, 0.22), pal::yellow);
        c.fill(circle(x, b.y1, 0.22), pal::yellow);
    }
    for (double y = b.y0 + step; y < b.y1 - 1e-6; y += step) {
        c.fill(circle(b.x0, y, 0.22), pal::yellow);
        c.fill(circle(b.x1, y, 0.22), pal::yellow);
    }
}

void drawCabinet(Canvas& c, double x, double yBase, Rgba body, Rgba screen) {
    Shape cab = polygon({{x, yBase},
                         {x, yBase - 5.0},
                         {x + 0.5, yBase - 5.6},
                         {x + 2.6, yBase - 5.6},
                         {x + 2.6, yBase}});
    c.fill(cab.grown(0.06), pal::ink);
    c.fill(cab, body);
    c.fill(rect(x + 0.4, yBase - 4.8, x + 2.2, yBase - 3.2, 0.15), screen);
    c.fill(rect(x + 0.6, yBase - 4.5, x + 1.2, yBase - 4.2), pal::white);
    c.fill(rect(x + 0.3, yBase - 2.8, x + 2.4, yBase - 2.3), shade(body, 0.7f));
    c.fill(circle(x + 0.9, yBase - 2.6, 0.18), pal::red);
}

Paint arcadeWall() {
    return [](double x, double y) {
        Rgba base = hex(0x3B2A5C);
        double lx = std::fmod(x, 4.0), ly = std::fmod(y, 4.0);
        if (lx < 0.1 || ly < 0.1)
            return hex(0x2A1D44);
        return tileFbm(x * 0.4, y * 0.4, 64, 2, 201) > 0.6 ? shade(base, 1.05f) : base;
    };
}

Paint burgerWall() {
    return [](double x, double y) {
        if (y > 18.5)
            return (int(std::floor(x / 1.0)) + int(std::floor(y / 1.0))) % 2 == 0 ? pal::white
                                                                                  : pal::red;
        return tileFbm(x * 1.5, y * 1.5, 64, 2, 202) > 0.64 ? hex(0xFFCC40) : hex(0xFFD24A);
    };
}

} // namespace

void paintBakeryFront(Canvas& c) {
    drawWallBase(c, redBrick());
    WindowLook upper;
    upper.flowers = pal::pink;
    upper.curtains = hex(0xF9C6D3);
    drawWindowRow(c, 1.0, 35.0, 3.0, 8.0, 4, 3.6, upper);
    drawSignBoard(c, {4, 9.9, 32, 12.8}, hex(0xFFF3D6), hex(0x8A5A36), {Face::Bookman, 3.0, 0.08},
                  "BAKERY", hex(0x7A3E1D));
    drawLoaf(c, 7.4, 11.35, 3.4);
    drawLoaf(c, 28.6, 11.35, 3.4);
    Box g = drawShopWindow(c, {3.2, 15.8, 21.6, 21.9}, hex(0x8A5A36));
    drawShelf(c, g.x0, g.x1, 19.4);
    for (double x : {5.0, 8.6, 16.0})
        drawLoaf(c, x, 18.75, 3.0);
    Shape cake = rect(10.9, 17.0, 14.1, 19.4, 0.3);
    c.fill(cake.grown(0.06), pal::ink);
    c.fill(cake, hex(0xF9C6D3));
    c.fill(rect(10.9, 17.0, 14.1, 17.7, 0.3), pal::white);
    for (double x : {11.6, 12.5, 13.4})
        c.fill(circle(x, 16.85, 0.3), pal::red);
    drawShelf(c, g.x0, g.x1, 21.3);
    drawAwning(c, 2.4, 22.4, 13.2, 15.6, pal::pink, pal::white, 10);
    drawDoor(c, {25.0, 14.8, 30.0, 23.2}, pal::teal, hex(0xF1E3C8), true, false);
    drawHangingSign(c, 27.5, 17.6, "OPEN", pal::white, pal::red);
    drawLamp(c, 32.6, 14.6, pal::yellow);
}

void paintDrugFront(Canvas& c) {
    drawWallBase(c, creamStucco());
    WindowLook upper;
    upper.shutters = hex(0x2E9E5B);
    drawWindowRow(c, 1.0, 35.0, 3.0, 8.0, 4, 3.2, upper);
    drawSignBoard(c, {3, 9.8, 33, 12.9}, hex(0x2E9E5B), pal::white, {Face::Sans, 2.6, 0.05},
                  "DRUG STORE", pal::white, hex(0x1F6B3D), 0.12);
    for (double x : {1.9, 34.1}) {
        Shape disc = circle(x, 11.35, 1.25);
        c.fill(disc.grown(0.08), pal::ink);
        c.fill(disc, pal::white);
        drawCross(c, x, 11.35, 1.7, pal::green);
    }
    for (Box g : {Box{2.6, 16.0, 13.4, 21.9}, Box{22.6, 16.0, 33.4, 21.9}}) {
        drawShopWindow(c, g, pal::white);
        drawShelf(c, g.x0, g.x1, 19.0);
        drawShelf(c, g.x0, g.x1, 21.4);
        static const Rgba colours[] = {pal::red, pal::blue, pal::orange, pal::purple, pal::teal};
        int i = int(g.x0);
        for (double x = g.x0 + 0.9; x < g.x1 - 0.5; x += 1.5, ++i) {
            drawBottle(c, x, 19.0, 2.2, colours[i % 5]);
            drawBottle(c, x + 0.7, 21.4, 1.6, colours[(i + 2) % 5]);
        }
    }
    drawAwning(c, 2.0, 14.0, 13.4, 15.6, pal::green, pal::white, 7);
    drawAwning(c, 22.0, 34.0, 13.4, 15.6, pal::green, pal::white, 7);
    drawDoor(c, {15.6, 14.9, 20.4, 23.2}, hex(0x2E9E5B), pal::white, true, false);
    drawCross(c, 18.0, 13.3, 1.6, pal::green);
}

void paintPizzaFront(Canvas& c) {
    WallStyle style = creamStucco();
    style.wall = stuccoWall(hex(0xF0D9B0), 105);
    drawWallBase(c, style);
    WindowLook upper;
    upper.arch = true;
    upper.flowers = pal::red;
    upper.frame = hex(0x2E7542);
    drawWindowRow(c, 1.0, 35.0, 2.6, 8.0, 3, 3.6, upper);
    Shape board = rect(5.0, 9.2, 31.0, 13.4, 0.5);
    drawShadow(c, board, 0.3, 0.35);
    c.fill(board.grown(0.08), pal::ink);
    c.fill(board, pal::white);
    c.fill(board.grown(-0.3), pal::darkRed);
    drawText(c, {Face::SerifItalic, 2.6}, "Zoze Variz", {8.2, 9.6, 27.8, 12.2}, pal::white,
             hex(0x5E1418), 0.1);
    drawText(c, {Face::Sans, 0.8, 0.3}, "PIZZERIA", {13.0, 12.35, 23.0, 13.0}, pal::yellow);
    drawPizza(c, 5.2, 11.3, 1.9);
    drawPizza(c, 30.8, 11.3, 1.9);
    WindowLook ground;
    ground.arch = true;
    ground.columns = 2;
    ground.rows = 1;
    ground.frame = hex(0x2E7542);
    ground.curtains = pal::red;
    for (double x : {2.2, 8.0, 23.6, 29.4})
        drawWindow(c, {x, 16.2, x + 4.4, 21.8}, ground);
    c.fill(rect(2.4, 13.9, 33.6, 14.4), pal::green);
    c.fill(rect(2.4, 14.4, 33.6, 14.7), pal::white);
    c.fill(rect(2.4, 14.7, 33.6, 15.0), pal::red);
    Shape arch = unite(rect(15.2, 17.2, 20.8, 23.2), circle(18.0, 17.2, 2.8));
    drawShadow(c, arch.grown(0.45), 0.25, 0.0);
    c.fill(arch.grown(0.5), pal::ink);
    c.fill(arch.grown(0.45), pal::white);
    drawDoor(c, {15.2, 17.2, 20.8, 23.2}, hex(0x2E7542), pal::white, true, true);
    drawGlass(c, intersect(circle(18.0, 17.2, 2.8), rect(15, 14, 21, 17.1)),
              {15.2, 14.4, 20.8, 17.2});
    drawHangingSign(c, 18.0, 20.4, "OPEN", pal::white, pal::darkRed);
}

void paintGameFront(Canvas& c) {
    c.fillAll(arcadeWall());
    c.fill(rect(0, 0, 36, 1.2), hex(0x241838));
    c.fill(rect(0, 1.2, 36, 1.5), pal::magenta);
    Shape board = rect(4.0, 2.6, 32.0, 9.6, 0.6);
    c.fill(board.grown(0.1), pal::ink);
    c.fill(board, hex(0x1A1030));
    drawBulbs(c, {4.6, 3.2, 31.4, 9.0}, 0.9);
    drawNeon(c, "ARCADE", {Face::Gothic, 5.0, 0.08}, {6.6, 4.2, 29.4, 8.0}, hex(0xFF4FA8));
    drawCritter(c, 1.0, 3.2, 0.26, hex(0x6CF0E0));
    drawCritter(c, 32.2, 3.2, 0.26, hex(0x9CFF6A));
    c.fill(rect(0, 10.6, 36, 11.0), hex(0x34E6E0));
    c.fill(rect(0, 11.0, 36, 11.2), pal::shadow(0.3f));
    for (Box g : {Box{2.0, 12.6, 13.0, 22.0}, Box{23.0, 12.6, 34.0, 22.0}}) {
        Shape outer = rect(g.x0 - 0.5, g.y0 - 0.5, g.x1 + 0.5, g.y1 + 0.5);
        c.fill(outer.grown(0.06), pal::ink);
        c.fill(outer, hex(0x34E6E0));
        c.fill(rect(g.x0, g.y0, g.x1, g.y1), hex(0x201435));
        drawCabinet(c, g.x0 + 0.9, g.y1, pal::red, hex(0x6CF0E0));
        drawCabinet(c, g.x0 + 4.2, g.y1, pal::blue, hex(0xFFE066));
        drawCabinet(c, g.x0 + 7.5, g.y1, pal::purple, hex(0x9CFF6A));
        drawGlass(c, rect(g.x0, g.y0, g.x1, g.y0 + 2.0), {g.x0, g.y0, g.x1, g.y0 + 2.0});
    }
    drawDoor(c, {15.0, 14.0, 21.0, 23.2}, hex(0x34E6E0), hex(0xFF4FA8), true, true);
    drawNeon(c, "PLAY!", {Face::Sans, 1.4}, {15.2, 12.0, 20.8, 13.4}, pal::yellow);
    c.fill(rect(0, 23.2, 36, 24), hex(0x241838));
    c.fill(rect(0, 23.2, 36, 23.45), hex(0xFF4FA8));
}

void paintGameSide(Canvas& c) {
    c.fillAll(arcadeWall());
    c.fill(rect(0, 0, 36, 1.2), hex(0x241838));
    c.fill(rect(0, 1.2, 36, 1.5), pal::magenta);
    for (int i = 0; i < 3; ++i) {
        Rgba col = i == 0 ? hex(0xFF4FA8) : i == 1 ? hex(0x34E6E0) : pal::yellow;
        c.fill(rect(0, 12.0 + i * 0.8, 36, 12.4 + i * 0.8), col);
    }
    drawCritter(c, 3.0, 3.2, 0.8, hex(0x6CF0E0));
    drawCritter(c, 14.0, 4.6, 0.6, hex(0x9CFF6A));
    drawCritter(c, 24.0, 3.0, 0.8, hex(0xFF4FA8));
    Shape poster = rect(3.0, 15.2, 13.0, 21.6, 0.3);
    c.fill(poster.grown(0.1), pal::ink);
    c.fill(poster, pal::yellow);
    drawText(c, {Face::Gothic, 2.0}, "INSERT", {4.0, 15.8, 12.0, 17.8}, pal::ink);
    drawText(c, {Face::Gothic, 2.0}, "COIN", {4.0, 18.2, 12.0, 20.8}, pal::red);
    Shape hi = rect(16.0, 15.2, 26.0, 21.6, 0.3);
    c.fill(hi.grown(0.1), pal::ink);
    c.fill(hi, hex(0x1A1030));
    drawNeon(c, "HI-SCORE", {Face::Sans, 1.4}, {16.8, 15.8, 25.2, 17.4}, hex(0x34E6E0));
    drawNeon(c, "999990", {Face::Sans, 2.0}, {17.0, 18.2, 25.0, 20.8}, pal::yellow);
    drawDoor(c, {29.0, 15.0, 33.0, 23.2}, hex(0x6F7780), hex(0x34E6E0), false, false);
    c.fill(rect(0, 23.2, 36, 24), hex(0x241838));
    c.fill(rect(0, 23.2, 36, 23.45), hex(0xFF4FA8));
}

void paintBurgerFront(Canvas& c) {
    c.fillAll(burgerWall());
    c.fill(rect(0, 0, 36, 1.4), pal::red);
    c.fill(rect(0, 1.4, 36, 1.8), pal::white);
    Shape board = rect(6.0, 2.8, 30.0, 9.4, 3.3);
    drawShadow(c, board, 0.35, 0.4);
    c.fill(board.grown(0.1), pal::ink);
    c.fill(board, pal::white);
    c.fill(board.grown(-0.35), pal::red);
    drawText(c, {Face::Gothic, 4.2, 0.06}, "BURGER", {11.6, 3.8, 29.0, 8.4}, pal::yellow,
             hex(0x7A1A1A), 0.16);
    drawBurger(c, 8.8, 6.1, 4.4);
    WindowLook look;
    look.frame = pal::red;
    look.columns = 3;
    look.rows = 1;
    look.sill = pal::white;
    drawWindow(c, {2.0, 11.2, 13.6, 17.6}, look);
    drawWindow(c, {22.4, 11.2, 34.0, 17.6}, look);
    c.fill(rect(0, 18.2, 36, 18.5), pal::ink);
    drawDoor(c, {15.6, 12.2, 20.4, 23.2}, pal::red, pal::white, true, false);
    drawHangingSign(c, 18.0, 15.6, "OPEN", pal::white, pal::red);
    c.fill(rect(0, 23.2, 36, 24), hex(0x8C2A2A));
}

void paintBurgerSide(Canvas& c) {
    c.fillAll(burgerWall());
    c.fill(rect(0, 0, 36, 1.4), pal::red);
    c.fill(rect(0, 1.4, 36, 1.8), pal::white);
    WindowLook look;
    look.frame = pal::red;
    look.columns = 2;
    look.rows = 1;
    look.sill = pal::white;
    drawWindowRow(c, 1.0, 24.0, 10.6, 16.8, 2, 7.0, look);
    drawBurger(c, 30.0, 5.4, 6.0);
    Shape hatch = rect(26.0, 13.8, 34.0, 17.2, 0.2);
    c.fill(hatch.grown(0.5), pal::ink);
    c.fill(hatch.grown(0.45), pal::white);
    drawGlass(c, hatch, {26.0, 13.8, 34.0, 17.2});
    drawSignBoard(c, {25.6, 10.4, 34.4, 12.6}, pal::white, pal::red, {Face::Sans, 1.2},
                  "ORDER HERE", pal::red);
    c.fill(rect(0, 18.2, 36, 18.5), pal::ink);
    drawBurger(c, 6.0, 4.6, 4.0);
    drawText(c, {Face::Gothic, 1.8}, "SINCE 1962", {11.0, 3.6, 23.0, 5.6}, pal::red, pal::white,
             0.12);
    c.fill(rect(0, 23.2, 36, 24), hex(0x8C2A2A));
}

void paintBurgerBack(Canvas& c) {
    c.fillAll(burgerWall());
    c.fill(rect(0, 0, 36, 1.4), pal::red);
    c.fill(rect(0, 1.4, 36, 1.8), pal::white);
    for (double x : {4.0, 12.0}) {
        Shape vent = rect(x, 3.4, x + 4.0, 6.8, 0.2);
        c.fill(vent.grown(0.08), pal::ink);
        c.fill(vent, hex(0xB5BCC4));
        for (double y = 3.9; y < 6.5; y += 0.55)
            c.fill(rect(x + 0.3, y, x + 3.7, y + 0.25), hex(0x5C636B));
    }
    WindowLook look;
    look.frame = pal::white;
    look.rows = 1;
    drawWindow(c, {21.0, 10.0, 25.0, 14.6}, look);
    drawDoor(c, {27.0, 13.6, 32.0, 23.2}, hex(0x9AA3AD), pal::white, false, false);
    drawSignBoard(c, {26.4, 10.4, 32.6, 12.4}, pal::white, pal::red, {Face::Sans, 1.0},
                  "STAFF ONLY", pal::red);
    Shape crate = rect(3.0, 19.0, 8.6, 23.2, 0.15);
    c.fill(crate.grown(0.08), pal::ink);
    c.fill(crate, hex(0xC79A5B));
    for (double y : {20.0, 21.4})
        c.fill(rect(3.0, y, 8.6, y + 0.25), hex(0x8A5A36));
    c.fill(rect(0, 18.2, 36, 18.5), pal::ink);
    c.fill(rect(0, 23.2, 36, 24), hex(0x8C2A2A));
}
