// Signs and the town flag. The town is Vesldur; its mayor is Ida Plumtree; the hotel is the
// Hotel Marigold and the big billboard advertises the pizza place, Zoze Variz.
#include "emblems.h"
#include "facade.h"
#include "painters.h"
#include "palette.h"
#include "text.h"

#include <cmath>

namespace {

// A wooden post standing on the picture's bottom edge.
void drawPost(Canvas& c, double x, double top, double width) {
    Shape post = rect(x - width / 2, top, x + width / 2, c.unitsHigh());
    c.fill(post.grown(width * 0.15), pal::ink);
    c.fill(post, pal::brown);
    c.fill(rect(x + width * 0.1, top, x + width / 2, c.unitsHigh()), pal::darkBrown);
}

// A board with a border; returns the inner area left for lettering.
Box drawBoard(Canvas& c, Box b, Rgba board, Rgba border, double borderWidth) {
    Shape s = rect(b.x0, b.y0, b.x1, b.y1, borderWidth * 1.5);
    c.fill(s.grown(borderWidth * 0.35), pal::ink);
    c.fill(s, border);
    c.fill(s.grown(-borderWidth), board);
    double m = borderWidth * 1.6;
    return {b.x0 + m, b.y0 + m, b.x1 - m, b.y1 - m};
}

} // namespace

void paintHotelSign(Canvas& c) {
    drawPost(c, 1.2, 3.0, 0.4);
    drawPost(c, 4.8, 3.0, 0.4);
    Box in = drawBoard(c, {0.2, 0.4, 5.8, 4.3}, hex(0x8E1F2C), pal::gold, 0.18);
    for (double x : {2.2, 3.0, 3.8})
        c.fill(star(x, in.y0 + 0.3, 0.3, 0.13, 5), pal::yellow);
    drawText(c, {Face::Serif, 1.4, 0.12}, "HOTEL", {in.x0, in.y0 + 0.7, in.x1, in.y0 + 1.6},
             pal::yellow);
    drawText(c, {Face::Serif, 1.0, 0.05}, "MARIGOLD", {in.x0, in.y0 + 1.85, in.x1, in.y0 + 2.55},
             pal::white);
    Shape arrow = polygon(
        {{1.6, 3.45}, {3.8, 3.45}, {3.8, 3.2}, {4.5, 3.6}, {3.8, 4.0}, {3.8, 3.75}, {1.6, 3.75}});
    c.fill(arrow, pal::yellow);
}

void paintBigSign(Canvas& c) {
    for (double x : {2.5, 11.5}) {
        Shape leg = rect(x - 0.2, 4.5, x + 0.2, 7.0);
        c.fill(leg.grown(0.06), pal::ink);
        c.fill(leg, hex(0x6F7780));
        c.fill(line({x, 6.3}, {x + (x < 7 ? 1.3 : -1.3), 5.0}, 0.14), hex(0x6F7780));
    }
    Box in = drawBoard(c, {0.3, 0.3, 13.7, 5.1}, pal::cream, pal::darkRed, 0.22);
    c.fill(rect(in.x0 - 0.1, in.y0 + 3.1, in.x1 + 0.1, in.y1 + 0.1), pal::green);
    drawPizza(c, 2.4, 2.6, 1.7);
    drawText(c, {Face::SerifItalic, 2.2}, "Zoze Variz", {4.6, in.y0 + 0.15, in.x1 - 0.2, 2.3},
             pal::darkRed, pal::white, 0.08);
    drawText(c, {Face::Sans, 0.8, 0.02}, "THE BEST PIZZA IN VESLDUR", {4.6, 2.5, in.x1 - 0.2, 3.2},
             pal::ink);
    drawText(c, {Face::Sans, 0.8, 0.05}, "HOT - FRESH - ROUND!",
             {4.6, in.y0 + 3.3, in.x1, in.y1 - 0.1}, pal::white);
}

void paintMayorSign(Canvas& c) {
    drawPost(c, 3.5, 4.5, 0.5);
    Box in = drawBoard(c, {0.2, 0.3, 6.8, 5.2}, pal::white, pal::navy, 0.2);
    c.fill(rect(in.x0 - 0.05, in.y0 - 0.05, in.x1 + 0.05, in.y0 + 0.75), pal::navy);
    drawText(c, {Face::Sans, 0.6, 0.08}, "FROM THE MAYOR", {in.x0, in.y0 + 0.1, in.x1, in.y0 + 0.6},
             pal::yellow);
    drawText(c, {Face::Serif, 1.0}, "Welcome to", {in.x0, in.y0 + 0.95, in.x1, in.y0 + 1.6},
             pal::ink);
    drawText(c, {Face::Serif, 1.4, 0.05}, "VESLDUR!", {in.x0, in.y0 + 1.75, in.x1, in.y0 + 2.55},
             pal::red);
    drawText(c, {Face::Sans, 0.5}, "Roll gently and", {in.x0, in.y0 + 2.75, in.x1, in.y0 + 3.15},
             pal::ink);
    drawText(c, {Face::Sans, 0.5}, "keep our town tidy.", {in.x0, in.y0 + 3.3, in.x1, in.y0 + 3.7},
             pal::ink);
    drawText(c, {Face::Chancery, 0.9}, "Mayor Ida Plumtree",
             {in.x0 + 0.6, in.y0 + 3.8, in.x1, in.y1}, pal::navy);
}

void paintSmallSign(Canvas& c) {
    drawPost(c, 1.5, 1.6, 0.3);
    Box in = drawBoard(c, {0.15, 0.2, 2.85, 1.95}, pal::white, pal::red, 0.12);
    drawText(c, {Face::Sans, 0.7, 0.05}, "NO", {in.x0, in.y0, in.x1, in.y0 + 0.55}, pal::red);
    drawText(c, {Face::Sans, 0.7, 0.05}, "LITTER", {in.x0, in.y0 + 0.68, in.x1, in.y1}, pal::ink);
}

void paintTownFlag(Canvas& c) {
    constexpr double kPole = 0.8, kX0 = 1.0, kX1 = 6.9, kTop = 0.9, kBottom = 4.9;
    auto wave = [](double x) { return 0.22 * std::sin((x - kX0) * 1.25); };
    std::vector<Point> outline;
    for (int i = 0; i <= 24; ++i) {
        double x = kX0 + (kX1 - kX0) * i / 24;
        outline.push_back({x, kTop + wave(x)});
    }
    for (int i = 24; i >= 0; --i) {
        double x = kX0 + (kX1 - kX0) * i / 24;
        outline.push_back({x, kBottom + wave(x)});
    }
    Shape flag = polygon(outline);
    Shape pole = rect(kPole - 0.14, 0.6, kPole + 0.14, 11.4);
    Shape base = rect(kPole - 0.6, 11.3, kPole + 0.6, 12.0, 0.1);
    c.fill(unite({pole, base, circle(kPole, 0.5, 0.3)}).grown(0.07), pal::ink);
    c.fill(pole, hex(0xC9CED4));
    c.fill(rect(kPole + 0.02, 0.6, kPole + 0.14, 11.4), hex(0x8D97A1));
    c.fill(circle(kPole, 0.5, 0.3), pal::gold);
    c.fill(base, hex(0xB9B2A6));
    c.fill(flag.grown(0.07), pal::ink);
    c.fill(flag, [&](double x, double y) {
        double band = (y - kTop - wave(x)) / (kBottom - kTop);
        Rgba col = band > 0.72 ? pal::yellow : pal::blue;
        return shade(col, float(1.0 + 0.1 * std::cos((x - kX0) * 1.25)));
    });
    double mid = (kX0 + kX1) / 2;
    Shape ball = circle(mid, 2.1 + wave(mid), 0.85);
    c.fill(ball.grown(0.08), pal::ink);
    c.fill(ball, [&](double x, double) {
        int seg = int(std::floor((x - (mid - 0.85)) / 0.34));
        static const Rgba colours[] = {pal::red, pal::yellow, pal::green, pal::white, pal::orange};
        return colours[seg % 5];
    });
    drawText(c, {Face::Sans, 1.0, 0.1}, "VESLDUR", {kX0 + 0.4, 3.15, kX1 - 0.4, 3.95}, pal::white,
             pal::navy, 0.05);
}
