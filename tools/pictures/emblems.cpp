#include "emblems.h"

#include "facade.h"
#include "palette.h"

#include <cmath>
#include <vector>

void drawPizza(Canvas& c, double cx, double cy, double r) {
    Shape crust = circle(cx, cy, r);
    drawShadow(c, crust, r * 0.08, r * 0.1);
    c.fill(crust.grown(r * 0.05), pal::ink);
    c.fill(crust, hex(0xE6A94A));
    c.fill(circle(cx, cy, r * 0.82), hex(0xD9412C));
    const double blobs[][3] = {{-0.35, -0.3, 0.22},
                               {0.3, -0.35, 0.2},
                               {0.05, 0.1, 0.25},
                               {-0.4, 0.3, 0.2},
                               {0.38, 0.32, 0.22}};
    for (auto& b : blobs)
        c.fill(circle(cx + b[0] * r, cy + b[1] * r, b[2] * r), hex(0xFFE08A));
    const double pep[][2] = {{0, -0.5}, {-0.5, 0}, {0.52, 0}, {-0.1, 0.52}, {0.25, 0.15}};
    for (auto& p : pep) {
        c.fill(circle(cx + p[0] * r, cy + p[1] * r, r * 0.14), hex(0x8E1F22));
        c.fill(circle(cx + p[0] * r - r * 0.03, cy + p[1] * r - r * 0.03, r * 0.05), hex(0xC04042));
    }
    c.fill(ellipse(cx - r * 0.15, cy - r * 0.15, r * 0.12, r * 0.06), pal::darkGreen);
    c.fill(ellipse(cx + r * 0.2, cy + r * 0.45, r * 0.12, r * 0.06), pal::darkGreen);
}

void drawBurger(Canvas& c, double cx, double cy, double w) {
    double h = w * 0.8, x0 = cx - w / 2, x1 = cx + w / 2, top = cy - h / 2;
    Shape all = unite(ellipse(cx, top + h * 0.32, w / 2, h * 0.32),
                      rect(x0, top + h * 0.3, x1, top + h, w * 0.12));
    drawShadow(c, all, w * 0.05, w * 0.06);
    c.fill(all.grown(w * 0.03), pal::ink);
    Shape bunTop =
        intersect(ellipse(cx, top + h * 0.36, w / 2, h * 0.36), rect(x0, top, x1, top + h * 0.36));
    c.fill(bunTop, hex(0xE8A23A));
    c.fill(ellipse(cx - w * 0.15, top + h * 0.12, w * 0.16, h * 0.06), hex(0xF4C56E));
    const double seeds[][2] = {{-0.25, 0.15}, {0, 0.08}, {0.22, 0.14}, {-0.1, 0.24}, {0.12, 0.26}};
    for (auto& s : seeds)
        c.fill(ellipse(cx + s[0] * w, top + s[1] * h, w * 0.035, h * 0.025), pal::white);
    std::vector<Point> lettuce;
    for (int i = 0; i <= 12; ++i) {
        double x = x0 - w * 0.04 + (w * 1.08) * i / 12;
        lettuce.push_back({x, top + h * (i % 2 ? 0.52 : 0.45)});
    }
    lettuce.push_back({x1 + w * 0.04, top + h * 0.38});
    lettuce.push_back({x0 - w * 0.04, top + h * 0.38});
    c.fill(polygon(lettuce), hex(0x6CC04A));
    c.fill(polygon({{x0, top + h * 0.48},
                    {x1, top + h * 0.48},
                    {x1 - w * 0.05, top + h * 0.58},
                    {cx + w * 0.1, top + h * 0.58},
                    {cx, top + h * 0.7},
                    {cx - w * 0.08, top + h * 0.58},
                    {x0 + w * 0.05, top + h * 0.58}}),
           pal::yellow);
    c.fill(rect(x0 + w * 0.02, top + h * 0.58, x1 - w * 0.02, top + h * 0.78, h * 0.09),
           hex(0x6B3A22));
    c.fill(rect(x0, top + h * 0.8, x1, top + h, h * 0.08), hex(0xE0973A));
}

void drawLoaf(Canvas& c, double cx, double cy, double w) {
    Shape loaf = ellipse(cx, cy, w / 2, w * 0.28);
    c.fill(loaf.grown(w * 0.03), pal::darkBrown);
    c.fill(loaf, hex(0xCF8B3E));
    c.fill(ellipse(cx - w * 0.08, cy - w * 0.1, w * 0.3, w * 0.1), hex(0xE6AE62));
    for (int i = -1; i <= 1; ++i)
        c.fill(line({cx + i * w * 0.22 - w * 0.06, cy - w * 0.12},
                    {cx + i * w * 0.22 + w * 0.06, cy + w * 0.1}, w * 0.05),
               hex(0xF2D29A));
}

void drawCross(Canvas& c, double cx, double cy, double size, Rgba colour) {
    double a = size / 2, b = size / 6;
    Shape cross = unite(rect(cx - a, cy - b, cx + a, cy + b, b * 0.3),
                        rect(cx - b, cy - a, cx + b, cy + a, b * 0.3));
    c.fill(cross.grown(size * 0.04), pal::ink);
    c.fill(cross, colour);
}

void drawBadge(Canvas& c, double cx, double cy, double r) {
    Shape s = star(cx, cy, r, r * 0.5, 6);
    drawShadow(c, s, r * 0.08, r * 0.1);
    c.fill(s.grown(r * 0.06), pal::ink);
    c.fill(s, pal::gold);
    c.fill(circle(cx, cy, r * 0.42), pal::navy);
    c.fill(star(cx, cy, r * 0.3, r * 0.13, 5), pal::yellow);
}

void drawCritter(Canvas& c, double x, double y, double cell, Rgba colour) {
    static const char* rows[] = {"  X     X  ", "   X   X   ", "  XXXXXXX  ", " XX XXX XX ",
                                 "XXXXXXXXXXX", "X XXXXXXX X", "X X     X X", "   XX XX   "};
    std::vector<Shape> cells;
    for (int r = 0; r < 8; ++r)
        for (int k = 0; rows[r][k]; ++k)
            if (rows[r][k] == 'X')
                cells.push_back(
                    rect(x + k * cell, y + r * cell, x + (k + 1) * cell, y + (r + 1) * cell));
    Shape critter = unite(cells);
    c.fill(critter.grown(cell * 0.5), Rgba{colour.r, colour.g, colour.b, 0.25f});
    c.fill(critter, colour);
}
