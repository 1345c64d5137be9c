// Ground tiles, drawn in a 10 x 10 unit space (one tile). In the ground pass s grows with world
// x and the image's top row lies on the tile's far edge (towards -z), so "up" in these images is
// the direction the player looks at the start (-z) and "right" is +x.
//
// Which way each piece runs, for laying out the town:
//   Path        a footpath along z (top edge to bottom edge of the image)
//   PathHor     a footpath along x (left edge to right edge)
//   PathTR      a corner joining the far edge (-z, image top) and the +x edge (image right)
//   road        plain asphalt; joins every road piece on every side
//   roadMiddle  asphalt with a dashed centre line along z, in the middle of the tile
//   roadMiddle2 asphalt with a dashed centre line along x
//   Sidewalk    paving slabs, two by two, joining on every side
// Every tile that shows grass shows the same tileable grass, so grass flows from tile to tile;
// the paths meet the tile edges at the same place (2.8 to 7.2 units) with their wobble at rest.
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>

namespace {

constexpr double kTile = 10.0;
constexpr double kPi = 3.14159265358979323846;

// Draws a shape at every whole-tile offset where it reaches into the tile, so scattered marks
// that cross an edge continue on the neighbouring tile.
template <class Make> void wrapped(double x, double y, double reach, Make make) {
    for (int oy = -1; oy <= 1; ++oy)
        for (int ox = -1; ox <= 1; ++ox) {
            double px = x + ox * kTile, py = y + oy * kTile;
            if (px + reach < 0 || px - reach > kTile || py + reach < 0 || py - reach > kTile)
                continue;
            make(px, py);
        }
}

Rgba grassAt(double x, double y) {
    static const Rgba tones[] = {hex(0x4C9A3C), hex(0x56A843), hex(0x61B64B), hex(0x6DC255)};
    double n = tileFbm(x * 0.6, y * 0.6, 6, 3, 11);
    int band = std::clamp(int((n - 0.25) * 8.0), 0, 3);
    return tones[band];
}

void paintGrassBase(Canvas& c) {
    c.fillAll(grassAt);
    Scatter s(21);
    for (int i = 0; i < 70; ++i) {
        double x = s.range(0, kTile), y = s.range(0, kTile);
        bool light = s.next() < 0.35;
        Rgba col = light ? hex(0x86D46A) : hex(0x3F8A33);
        wrapped(x, y, 0.5, [&](double px, double py) {
            c.fill(unite({line({px, py}, {px - 0.22, py - 0.4}, 0.09),
                          line({px, py}, {px + 0.02, py - 0.48}, 0.09),
                          line({px, py}, {px + 0.24, py - 0.36}, 0.09)}),
                   col);
        });
    }
}

// Smooth edge wobble that is at rest (zero) on both tile edges, so path pieces meet cleanly.
double wobble(double u, double a, double b) {
    return a * std::sin(4 * kPi * u / kTile) + b * std::sin(6 * kPi * u / kTile);
}

constexpr double kPathIn = 2.8, kPathOut = 7.2;

Rgba dirtAt(double x, double y) {
    static const Rgba tones[] = {hex(0xC9A46D), hex(0xD4B07A), hex(0xDDBD88)};
    double n = tileFbm(x * 0.8, y * 0.8, 8, 3, 31);
    return tones[std::clamp(int((n - 0.3) * 7.5), 0, 2)];
}

// Fills a path whose signed distance (negative inside) is given, with a darker rim and pebbles.
void drawPath(Canvas& c, const Shape& path) {
    c.fill(path.grown(0.12), hex(0x3F7A32));
    c.fill(path, [&](double x, double y) {
        return path.distance(x, y) > -0.35 ? hex(0xB48C57) : dirtAt(x, y);
    });
    Scatter s(41);
    for (int i = 0; i < 90; ++i) {
        double x = s.range(0.5, kTile - 0.5), y = s.range(0.5, kTile - 0.5);
        double r = s.range(0.1, 0.22);
        bool dark = s.next() < 0.4;
        if (path.distance(x, y) > -0.6)
            continue;
        c.fill(ellipse(x + 0.05, y + 0.06, r, r * 0.75), hex(0x9C7748));
        c.fill(ellipse(x, y, r, r * 0.75), dark ? hex(0xB89B74) : hex(0xEBDDC0));
    }
}

double edge(double u, int which) {
    return which == 0 ? wobble(u, 0.22, 0.12) : wobble(u, -0.18, 0.14);
}

Shape pathAlongY() {
    return Shape({kPathIn - 1, 0, kPathOut + 1, kTile}, [](double x, double y) {
        return std::max(kPathIn + edge(y, 0) - x, x - (kPathOut + edge(y, 1)));
    });
}

Shape pathAlongX() {
    return Shape({0, kPathIn - 1, kTile, kPathOut + 1}, [](double x, double y) {
        return std::max(kPathIn + edge(x, 0) - y, y - (kPathOut + edge(x, 1)));
    });
}

// A quarter ring around the top-right corner: u runs along it from the top edge (0) to the
// right edge (10); radius kPathIn is the inner side, kPathOut the outer.
Shape pathCorner() {
    return Shape({kTile - kPathOut - 1, 0, kTile, kPathOut + 1}, [](double x, double y) {
        double dx = kTile - x, dy = y;
        double r = std::hypot(dx, dy);
        double u = std::atan2(dy, dx) / (kPi / 2) * kTile;
        return std::max(kPathIn + edge(u, 0) - r, r - (kPathOut + edge(u, 1)));
    });
}

Rgba asphaltAt(double x, double y) {
    static const Rgba tones[] = {hex(0x50545C), hex(0x585C64), hex(0x60646C)};
    double n = tileFbm(x * 1.2, y * 1.2, 12, 3, 51);
    return tones[std::clamp(int((n - 0.3) * 7.5), 0, 2)];
}

void paintAsphalt(Canvas& c) {
    c.fillAll(asphaltAt);
    Scatter s(61);
    for (int i = 0; i < 160; ++i) {
        double x = s.range(0, kTile), y = s.range(0, kTile), r = s.range(0.04, 0.09);
        Rgba col = s.next() < 0.5 ? hex(0x7A7E86) : hex(0x3E4249);
        wrapped(x, y, r, [&](double px, double py) { c.fill(circle(px, py, r), col); });
    }
}

// One dash per tile, centred, so dashes keep an even rhythm from tile to tile.
void drawCentreDash(Canvas& c, bool alongY) {
    constexpr double kHalfWidth = 0.28, kStart = 2.5, kEnd = 7.5;
    Shape dash = alongY ? rect(5 - kHalfWidth, kStart, 5 + kHalfWidth, kEnd, 0.08)
                        : rect(kStart, 5 - kHalfWidth, kEnd, 5 + kHalfWidth, 0.08);
    c.fill(dash, hex(0xF7E6A1));
}

} // namespace

void paintGrass(Canvas& c) {
    paintGrassBase(c);
}

void paintFlowers(Canvas& c) {
    paintGrassBase(c);
    static const Rgba petals[] = {pal::white,    pal::yellow, pal::pink,
                                  hex(0xB58BE0), pal::red,    hex(0xFFA3C4)};
    Scatter s(71);
    int n = 0;
    for (int gy = 0; gy < 4; ++gy)
        for (int gx = 0; gx < 4; ++gx) {
            for (int k = 0; k < 2; ++k) {
                double x = 0.9 + gx * 2.5 + s.range(-0.2, 0.9);
                double y = 0.9 + gy * 2.5 + s.range(-0.2, 0.9);
                double r = s.range(0.22, 0.3);
                Rgba col = petals[(n++ * 5 + gx) % 6];
                double turn = s.range(0, kPi);
                c.fill(ellipse(x + 0.35, y + 0.25, 0.28, 0.12), hex(0x2F7A2C));
                c.fill(ellipse(x - 0.3, y + 0.3, 0.26, 0.11), hex(0x2F7A2C));
                for (int p = 0; p < 5; ++p) {
                    double a = turn + p * 2 * kPi / 5;
                    c.fill(circle(x + std::cos(a) * r, y + std::sin(a) * r + 0.04, r * 0.78),
                           shade(col, 0.78f));
                    c.fill(circle(x + std::cos(a) * r, y + std::sin(a) * r, r * 0.72), col);
                }
                c.fill(circle(x, y, r * 0.55), hex(0xF2A52B));
                c.fill(circle(x - r * 0.12, y - r * 0.12, r * 0.25), hex(0xFFE07A));
            }
        }
}

void paintPath(Canvas& c) {
    paintGrassBase(c);
    drawPath(c, pathAlongY());
}

void paintPathHor(Canvas& c) {
    paintGrassBase(c);
    drawPath(c, pathAlongX());
}

void paintPathTR(Canvas& c) {
    paintGrassBase(c);
    drawPath(c, pathCorner());
}

void paintRoad(Canvas& c) {
    paintAsphalt(c);
}

void paintRoadMiddle(Canvas& c) {
    paintAsphalt(c);
    drawCentreDash(c, true);
}

void paintRoadMiddle2(Canvas& c) {
    paintAsphalt(c);
    drawCentreDash(c, false);
}

void paintSidewalk(Canvas& c) {
    constexpr double kSlab = 5.0, kGrout = 0.09;
    static const Rgba tones[] = {hex(0xCFCAC0), hex(0xC7C2B8), hex(0xD6D1C7), hex(0xCBC6BB)};
    c.fillAll([](double x, double y) {
        int sx = int(x / kSlab), sy = int(y / kSlab);
        double lx = std::fmod(x, kSlab), ly = std::fmod(y, kSlab);
        if (lx < kGrout || ly < kGrout || lx > kSlab - kGrout || ly > kSlab - kGrout)
            return hex(0x8F8A83);
        Rgba base = tones[(sx + 2 * sy) % 4];
        if (lx < 0.3 || ly < 0.3)
            return shade(base, 1.08f);
        if (lx > kSlab - 0.3 || ly > kSlab - 0.3)
            return shade(base, 0.9f);
        double n = tileFbm(x * 2.0, y * 2.0, 20, 2, 81);
        return n > 0.66 ? shade(base, 0.97f) : base;
    });
    Scatter s(91);
    for (int i = 0; i < 50; ++i) {
        double x = s.range(0.4, kTile - 0.4), y = s.range(0.4, kTile - 0.4);
        c.fill(circle(x, y, s.range(0.04, 0.08)), hex(0xA8A399));
    }
}
