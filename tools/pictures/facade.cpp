#include "facade.h"

#include "noise.h"
#include "palette.h"

#include <algorithm>
#include <cmath>

Paint brickWall(Rgba brick, Rgba mortar, uint32_t seed) {
    return [=](double x, double y) {
        constexpr double kRow = 0.75, kLength = 1.8, kJoint = 0.12;
        int row = int(std::floor(y / kRow));
        double shift = (row % 2) * kLength / 2;
        int col = int(std::floor((x + shift) / kLength));
        double lx = x + shift - col * kLength, ly = y - row * kRow;
        if (lx < kJoint || ly < kJoint)
            return mortar;
        static const float tones[] = {0.92f, 1.0f, 1.06f};
        Rgba b = shade(brick, tones[hash32(seed, uint32_t(row), uint32_t(col)) % 3]);
        return ly < kJoint + 0.1 ? shade(b, 1.08f) : b;
    };
}

Paint stuccoWall(Rgba base, uint32_t seed) {
    return [=](double x, double y) {
        double n = tileFbm(x * 1.5, y * 1.5, 64, 2, seed);
        return n > 0.64 ? shade(base, 0.975f) : base;
    };
}

Paint stoneWall(Rgba base, Rgba joint, uint32_t seed) {
    return [=](double x, double y) {
        constexpr double kRow = 1.5, kLength = 3.0, kJoint = 0.14;
        int row = int(std::floor(y / kRow));
        double shift = (row % 2) * kLength / 2;
        int col = int(std::floor((x + shift) / kLength));
        double lx = x + shift - col * kLength, ly = y - row * kRow;
        if (lx < kJoint || ly < kJoint)
            return joint;
        static const float tones[] = {0.94f, 1.0f, 1.04f};
        Rgba b = shade(base, tones[hash32(seed, uint32_t(row), uint32_t(col)) % 3]);
        if (ly > kRow - 0.18 || lx > kLength - 0.18)
            return shade(b, 0.9f);
        return b;
    };
}

void drawGlass(Canvas& c, const Shape& pane, Box box) {
    c.fill(pane, [box](double x, double y) {
        double t = std::clamp((y - box.y0) / std::max(0.01, box.y1 - box.y0), 0.0, 1.0);
        Rgba g = mix(pal::glassTop, pal::glassBottom, float(t));
        double d = (x - box.x0) + (y - box.y0) * 0.7;
        double span = box.x1 - box.x0;
        if (d > span * 0.25 && d < span * 0.45)
            return mix(g, pal::white, 0.55f);
        if (d > span * 0.52 && d < span * 0.6)
            return mix(g, pal::white, 0.35f);
        return g;
    });
}

void drawShadow(Canvas& c, const Shape& s, double dx, double dy, float alpha) {
    c.fill(s.moved(dx, dy), pal::shadow(alpha));
}

static Shape paneShape(Box g, bool arch) {
    if (!arch)
        return rect(g.x0, g.y0, g.x1, g.y1);
    double r = (g.x1 - g.x0) / 2;
    return unite(rect(g.x0, g.y0 + r, g.x1, g.y1), circle((g.x0 + g.x1) / 2, g.y0 + r, r));
}

void drawWindow(Canvas& c, Box g, const WindowLook& look) {
    constexpr double kFrame = 0.35, kBar = 0.2;
    double w = g.x1 - g.x0;
    if (look.shutters.a > 0) {
        for (int side = 0; side < 2; ++side) {
            double x0 = side == 0 ? g.x0 - kFrame - w * 0.45 : g.x1 + kFrame;
            Shape s = rect(x0, g.y0 - 0.1, x0 + w * 0.45, g.y1 + 0.1, 0.1);
            drawShadow(c, s, 0.2, 0.2);
            c.fill(s.grown(0.06), pal::ink);
            c.fill(s, look.shutters);
            for (double y = g.y0 + 0.4; y < g.y1 - 0.1; y += 0.5)
                c.fill(rect(x0 + 0.2, y, x0 + w * 0.45 - 0.2, y + 0.12),
                       shade(look.shutters, 0.8f));
        }
    }
    Shape pane = paneShape(g, look.arch);
    Shape frame = pane.grown(kFrame);
    drawShadow(c, frame, 0.25, 0.3);
    c.fill(frame.grown(0.06), pal::ink);
    c.fill(frame, look.frame);
    drawGlass(c, pane, g);
    c.fill(subtract(pane, pane.moved(0.22, 0.22)), pal::shadow(0.25f));
    if (look.curtains.a > 0) {
        double h = (g.y1 - g.y0) * 0.7;
        c.fill(intersect(pane, polygon({{g.x0, g.y0}, {g.x0 + w * 0.32, g.y0}, {g.x0, g.y0 + h}})),
               look.curtains);
        c.fill(intersect(pane, polygon({{g.x1, g.y0}, {g.x1 - w * 0.32, g.y0}, {g.x1, g.y0 + h}})),
               look.curtains);
    }
    for (int i = 1; i < look.columns; ++i) {
        double x = g.x0 + w * i / look.columns;
        c.fill(intersect(rect(x - kBar / 2, g.y0 - 1, x + kBar / 2, g.y1), pane), look.frame);
    }
    for (int i = 1; i < look.rows; ++i) {
        double y = g.y0 + (g.y1 - g.y0) * i / look.rows;
        c.fill(rect(g.x0, y - kBar / 2, g.x1, y + kBar / 2), look.frame);
    }
    if (look.flowers.a > 0) {
        Shape box = rect(g.x0 - 0.3, g.y1 + 0.2, g.x1 + 0.3, g.y1 + 1.1, 0.1);
        for (double x = g.x0 + 0.2; x < g.x1; x += 0.7)
            c.fill(circle(x, g.y1 + 0.15, 0.5), pal::darkGreen);
        int k = 0;
        for (double x = g.x0 + 0.2; x < g.x1; x += 0.7, ++k) {
            Rgba petal = k % 2 ? look.flowers : pal::white;
            c.fill(circle(x + 0.05, g.y1 - 0.05, 0.32), shade(petal, 0.75f));
            c.fill(circle(x, g.y1 - 0.1, 0.28), petal);
            c.fill(circle(x, g.y1 - 0.1, 0.1), pal::yellow);
        }
        drawShadow(c, box, 0.2, 0.25);
        c.fill(box.grown(0.06), pal::ink);
        c.fill(box, pal::brown);
    } else {
        Shape sill = rect(g.x0 - 0.55, g.y1 + kFrame, g.x1 + 0.55, g.y1 + kFrame + 0.45);
        drawShadow(c, sill, 0.15, 0.25);
        c.fill(sill.grown(0.05), pal::ink);
        c.fill(sill, look.sill);
    }
}

void drawWindowRow(Canvas& c, double x0, double x1, double y0, double y1, int count, double width,
                   const WindowLook& look) {
    double gap = (x1 - x0 - count * width) / count;
    for (int i = 0; i < count; ++i) {
        double wx = x0 + gap / 2 + i * (width + gap);
        drawWindow(c, {wx, y0, wx + width, y1}, look);
    }
}

static void drawLeaf(Canvas& c, Box b, Rgba colour, bool glassPanel, bool knobRight) {
    c.fill(rect(b.x0, b.y0, b.x1, b.y1), colour);
    double w = b.x1 - b.x0, h = b.y1 - b.y0, m = std::min(0.45, w * 0.15);
    Box top{b.x0 + m, b.y0 + m, b.x1 - m, b.y0 + h * 0.48};
    Box low{b.x0 + m, b.y0 + h * 0.55, b.x1 - m, b.y1 - m};
    if (glassPanel) {
        Shape g = rect(top.x0, top.y0, top.x1, top.y1);
        c.fill(g.grown(0.08), shade(colour, 0.7f));
        drawGlass(c, g, top);
    } else {
        c.fill(rect(top.x0, top.y0, top.x1, top.y1, 0.1), shade(colour, 0.85f));
        c.fill(rect(top.x0 + 0.12, top.y0 + 0.12, top.x1, top.y1, 0.1), shade(colour, 1.05f));
    }
    c.fill(rect(low.x0, low.y0, low.x1, low.y1, 0.1), shade(colour, 0.85f));
    c.fill(rect(low.x0 + 0.12, low.y0 + 0.12, low.x1, low.y1, 0.1), shade(colour, 1.05f));
    double kx = knobRight ? b.x1 - m * 0.9 : b.x0 + m * 0.9;
    c.fill(circle(kx, b.y0 + h * 0.52, 0.22), pal::ink);
    c.fill(circle(kx, b.y0 + h * 0.52, 0.16), pal::gold);
}

void drawDoor(Canvas& c, Box b, Rgba colour, Rgba frame, bool glassPanel, bool twoLeaves) {
    Shape outer = rect(b.x0 - 0.45, b.y0 - 0.45, b.x1 + 0.45, b.y1);
    drawShadow(c, outer, 0.25, 0.0);
    c.fill(outer.grown(0.06), pal::ink);
    c.fill(outer, frame);
    c.fill(rect(b.x0 - 0.06, b.y0 - 0.06, b.x1 + 0.06, b.y1), pal::ink);
    if (twoLeaves) {
        double mid = (b.x0 + b.x1) / 2;
        drawLeaf(c, {b.x0, b.y0, mid - 0.04, b.y1}, colour, glassPanel, true);
        drawLeaf(c, {mid + 0.04, b.y0, b.x1, b.y1}, colour, glassPanel, false);
    } else {
        drawLeaf(c, b, colour, glassPanel, true);
    }
    c.fill(rect(b.x0, b.y0, b.x1, b.y0 + 0.3), pal::shadow(0.3f));
    Shape step = rect(b.x0 - 1.0, c.unitsHigh() - 0.55, b.x1 + 1.0, c.unitsHigh());
    c.fill(step.grown(0.05), pal::ink);
    c.fill(step, hex(0xBDB7AE));
}

void drawAwning(Canvas& c, double x0, double x1, double y0, double y1, Rgba a, Rgba b,
                int stripes) {
    constexpr double kFlare = 0.5;
    Shape cloth = polygon({{x0, y0}, {x1, y0}, {x1 + kFlare, y1}, {x0 - kFlare, y1}});
    double width = x1 - x0 + 2 * kFlare;
    double stripe = width / stripes;
    double left = x0 - kFlare;
    c.fill(rect(x0 - kFlare, y1, x1 + kFlare, y1 + 1.0), pal::shadow(0.25f));
    double r = stripe / 2;
    std::vector<Shape> scallops;
    for (int i = 0; i < stripes; ++i)
        scallops.push_back(circle(left + r + i * stripe, y1, r));
    Shape all = unite(cloth, unite(scallops));
    drawShadow(c, all, 0.2, 0.35);
    c.fill(all.grown(0.07), pal::ink);
    c.fill(all, [=](double x, double y) {
        int i = std::clamp(int((x - left) / stripe), 0, stripes - 1);
        Rgba col = i % 2 == 0 ? a : b;
        double t = std::clamp((y - y0) / (y1 - y0), 0.0, 1.0);
        return shade(col, float(1.06 - 0.16 * t));
    });
    c.fill(rect(x0, y0, x1, y0 + 0.25), pal::shadow(0.25f));
}

void drawSignBoard(Canvas& c, Box b, Rgba board, Rgba border, const TextStyle& style,
                   const std::string& text, Rgba ink, Rgba outline, double outlineWidth) {
    Shape s = rect(b.x0, b.y0, b.x1, b.y1, 0.4);
    drawShadow(c, s, 0.3, 0.35);
    c.fill(s.grown(0.08), pal::ink);
    c.fill(s, border);
    c.fill(s.grown(-0.3), board);
    double padX = 0.9, padY = (b.y1 - b.y0) * 0.2;
    drawText(c, style, text, {b.x0 + padX, b.y0 + padY, b.x1 - padX, b.y1 - padY}, ink, outline,
             outlineWidth);
}

void drawCornice(Canvas& c, double y1, Rgba colour) {
    c.fill(rect(0, 0, c.unitsWide(), y1), colour);
    c.fill(rect(0, 0, c.unitsWide(), 0.3), shade(colour, 1.1f));
    c.fill(rect(0, y1 - 0.35, c.unitsWide(), y1), shade(colour, 0.82f));
    for (double x = 0.5; x < c.unitsWide(); x += 1.2) {
        Shape bracket = rect(x, y1, x + 0.55, y1 + 0.5);
        drawShadow(c, bracket, 0.1, 0.15);
        c.fill(bracket, shade(colour, 0.9f));
    }
    c.fill(rect(0, y1, c.unitsWide(), y1 + 0.3), pal::shadow(0.2f));
}

void drawPlinth(Canvas& c, double y0, Rgba colour) {
    c.fill(rect(0, y0, c.unitsWide(), c.unitsHigh()), colour);
    c.fill(rect(0, y0, c.unitsWide(), y0 + 0.2), shade(colour, 1.12f));
}

void drawBand(Canvas& c, double y0, double y1, Rgba colour) {
    c.fill(rect(0, y0, c.unitsWide(), y1), colour);
    c.fill(rect(0, y0, c.unitsWide(), y0 + 0.15), shade(colour, 1.12f));
    c.fill(rect(0, y1, c.unitsWide(), y1 + 0.3), pal::shadow(0.22f));
}

void drawDrainpipe(Canvas& c, double x, Rgba colour) {
    Shape pipe = rect(x - 0.22, 0.8, x + 0.22, c.unitsHigh() - 0.3);
    drawShadow(c, pipe, 0.18, 0.0);
    c.fill(pipe.grown(0.05), pal::ink);
    c.fill(pipe, colour);
    c.fill(rect(x - 0.14, 0.8, x - 0.04, c.unitsHigh() - 0.3), shade(colour, 1.2f));
    for (double y = 3.0; y < c.unitsHigh() - 1; y += 5.0)
        c.fill(rect(x - 0.32, y, x + 0.32, y + 0.25), shade(colour, 0.8f));
}

void drawLamp(Canvas& c, double x, double y, Rgba glow) {
    c.fill(circle(x, y + 0.6, 1.4), Rgba{glow.r, glow.g, glow.b, 0.22f});
    c.fill(line({x, y - 0.6}, {x, y}, 0.18), pal::ink);
    Shape shadeShape =
        polygon({{x - 0.55, y + 0.1}, {x + 0.55, y + 0.1}, {x + 0.4, y + 1.2}, {x - 0.4, y + 1.2}});
    c.fill(shadeShape.grown(0.07), pal::ink);
    c.fill(shadeShape, glow);
    c.fill(rect(x - 0.65, y - 0.1, x + 0.65, y + 0.15), pal::ink);
}
