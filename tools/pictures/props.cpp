// Bushes, the tree, the four fences and the rubbish bin. Each stands on the picture's bottom
// edge and is transparent around its outline.
#include "facade.h"
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>
#include <vector>

namespace {

constexpr Rgba kFoliageLine = hex(0x1E4A2A);

struct Blob {
    double x, y, r;
};

// A mound of leaves from overlapping blobs: dark outline, shaded from a light top to a darker
// base, with highlights on the upper left of each blob and scattered leaf marks.
Shape drawFoliage(Canvas& c, const std::vector<Blob>& blobs, Rgba base, uint32_t seed) {
    std::vector<Shape> parts;
    for (const Blob& b : blobs)
        parts.push_back(circle(b.x, b.y, b.r));
    Shape all = unite(parts);
    const Box& box = all.bounds();
    double outline = std::min(c.unitsWide(), c.unitsHigh()) * 0.025;
    c.fill(all.grown(outline), kFoliageLine);
    c.fill(all, [&](double, double y) {
        double t = (y - box.y0) / (box.y1 - box.y0);
        return shade(base, float(1.1 - 0.3 * t));
    });
    for (const Blob& b : blobs)
        c.fill(intersect(circle(b.x - b.r * 0.25, b.y - b.r * 0.3, b.r * 0.55), all),
               shade(base, 1.2f));
    Scatter s(seed);
    for (int i = 0; i < int(blobs.size()) * 9; ++i) {
        const Blob& b = blobs[size_t(i) % blobs.size()];
        double a = s.range(0, 6.2832), d = s.range(0, b.r * 0.85);
        double x = b.x + std::cos(a) * d, y = b.y + std::sin(a) * d;
        double r = b.r * 0.12;
        if (all.distance(x, y) > -r * 1.5)
            continue;
        // A leaf: a small dark crescent under a lit edge.
        c.fill(ellipse(x, y + r * 0.35, r, r * 0.55), shade(base, 0.82f));
        c.fill(ellipse(x, y, r, r * 0.55), shade(base, 1.12f));
    }
    return all;
}

void dotFlowers(Canvas& c, const Shape& inside, int count, Rgba colour, uint32_t seed) {
    Scatter s(seed);
    const Box& b = inside.bounds();
    double r = std::min(c.unitsWide(), c.unitsHigh()) * 0.035;
    for (int i = 0, placed = 0; i < count * 8 && placed < count; ++i) {
        double x = s.range(b.x0, b.x1), y = s.range(b.y0, b.y1);
        if (inside.distance(x, y) > -r * 2)
            continue;
        ++placed;
        c.fill(circle(x, y, r * 1.2), shade(colour, 0.7f));
        c.fill(circle(x, y, r), colour);
        c.fill(circle(x, y, r * 0.4), pal::yellow);
    }
}

void drawPickets(Canvas& c, Rgba wood) {
    constexpr double kStep = 1.0, kWidth = 0.56;
    std::vector<Shape> parts{rect(0, 1.0, 10, 1.35), rect(0, 2.2, 10, 2.55)};
    for (double x = kStep / 2; x < 10; x += kStep) {
        double x0 = x - kWidth / 2, x1 = x + kWidth / 2;
        parts.push_back(polygon({{x0, 3.0}, {x0, 0.55}, {x, 0.2}, {x1, 0.55}, {x1, 3.0}}));
    }
    Shape fence = unite(parts);
    c.fill(fence.grown(0.07), pal::ink);
    c.fill(fence, wood);
    for (double x = kStep / 2; x < 10; x += kStep)
        c.fill(rect(x + 0.08, 0.6, x + kWidth / 2, 3.0), shade(wood, 0.88f));
}

} // namespace

void paintBush(Canvas& c) {
    drawFoliage(c,
                {{2.0, 2.0, 1.3},
                 {1.0, 2.7, 0.95},
                 {3.0, 2.7, 0.95},
                 {1.5, 1.6, 0.9},
                 {2.6, 1.5, 0.9},
                 {2.0, 3.0, 0.95}},
                pal::green, 301);
}

void paintBigBush(Canvas& c) {
    Shape all = drawFoliage(c,
                            {{1.2, 2.8, 1.1},
                             {2.4, 2.1, 1.4},
                             {3.7, 1.8, 1.5},
                             {5.0, 2.1, 1.4},
                             {6.0, 2.8, 0.95},
                             {3.5, 3.0, 0.95},
                             {1.8, 3.1, 0.85},
                             {5.3, 3.1, 0.85}},
                            hex(0x3F9A4C), 302);
    dotFlowers(c, all, 9, pal::white, 303);
}

void paintSmallBush(Canvas& c) {
    Shape all =
        drawFoliage(c, {{1.5, 1.45, 0.95}, {0.75, 1.85, 0.55}, {2.25, 1.85, 0.55}, {1.5, 1.9, 0.5}},
                    pal::leaf, 304);
    dotFlowers(c, all, 5, pal::pink, 305);
}

void paintTree(Canvas& c) {
    Shape trunk = polygon({{2.9, 13.0}, {3.15, 7.0}, {3.85, 7.0}, {4.1, 13.0}});
    Shape roots = polygon({{2.3, 13.0}, {2.9, 12.3}, {4.1, 12.3}, {4.7, 13.0}});
    Shape branchL = line({3.3, 8.4}, {2.2, 6.6}, 0.35);
    Shape branchR = line({3.7, 8.0}, {4.9, 6.2}, 0.35);
    Shape wood = unite({trunk, roots, branchL, branchR});
    c.fill(wood.grown(0.1), pal::ink);
    c.fill(wood, pal::brown);
    c.fill(polygon({{3.6, 13.0}, {3.7, 7.6}, {3.85, 7.0}, {4.1, 13.0}}), pal::darkBrown);
    for (double y : {9.0, 10.6, 12.0})
        c.fill(ellipse(3.35, y, 0.1, 0.4), pal::darkBrown);
    Shape crown = drawFoliage(c,
                              {{3.5, 3.7, 2.5},
                               {1.75, 4.8, 1.4},
                               {5.25, 4.8, 1.4},
                               {2.3, 2.5, 1.55},
                               {4.7, 2.4, 1.55},
                               {3.5, 1.65, 1.4},
                               {2.6, 6.2, 1.3},
                               {4.4, 6.2, 1.3}},
                              pal::green, 306);
    c.fill(intersect(intersect(trunk, rect(0, 0, 7, 8.4)), subtract(rect(0, 0, 7, 13), crown)),
           pal::shadow(0.3f));
    const double apples[][2] = {{2.0, 3.6}, {4.9, 3.3}, {3.2, 5.4},
                                {5.6, 5.6}, {1.5, 5.7}, {3.9, 2.2}};
    for (auto& a : apples) {
        c.fill(circle(a[0], a[1], 0.36), pal::ink);
        c.fill(circle(a[0], a[1], 0.3), pal::red);
        c.fill(circle(a[0] - 0.1, a[1] - 0.1, 0.09), pal::white);
    }
}

void paintFence(Canvas& c) {
    drawPickets(c, pal::white);
}

void paintFence2(Canvas& c) {
    std::vector<Shape> stones;
    Scatter s(311);
    const double rows[][2] = {{2.35, 0.62}, {1.55, 0.62}, {0.85, 0.55}};
    for (int r = 0; r < 3; ++r) {
        double y = rows[r][0], h = rows[r][1];
        double x = r % 2 ? -0.6 : 0.0;
        while (x < 10) {
            double w = s.range(1.1, 1.8);
            stones.push_back(ellipse(x + w / 2, y, w / 2 + 0.04, h / 2 + 0.05));
            x += w;
        }
    }
    Shape wall = unite(rect(0, 0.9, 10, 3.0), unite(stones));
    Shape clipped = intersect(wall, rect(0, 0, 10, 3.0));
    c.fill(clipped.grown(0.08), pal::ink);
    c.fill(clipped, hex(0x6E6A66));
    Scatter tone(312);
    for (const Shape& st : stones) {
        Shape one = intersect(st.grown(-0.06), rect(0, 0, 10, 3.0));
        float f = float(tone.range(0.9, 1.1));
        c.fill(one, shade(hex(0xB9B2A6), f));
        const Box& b = one.bounds();
        c.fill(intersect(one,
                         ellipse((b.x0 + b.x1) / 2 - 0.1, b.y0 + 0.18, (b.x1 - b.x0) * 0.3, 0.12)),
               shade(hex(0xB9B2A6), f * 1.12f));
    }
    c.fill(intersect(rect(0, 0.3, 10, 0.55), clipped), hex(0x4C8F3C));
}

void paintFence3(Canvas& c) {
    std::vector<Shape> parts;
    for (double x : {0.5, 5.0, 9.5})
        parts.push_back(rect(x - 0.28, 0.5, x + 0.28, 3.0, 0.08));
    parts.push_back(rect(0, 1.0, 10, 1.45, 0.1));
    parts.push_back(rect(0, 2.0, 10, 2.45, 0.1));
    Shape fence = unite(parts);
    c.fill(fence.grown(0.07), pal::ink);
    c.fill(fence, hex(0xA8743F));
    for (double y : {1.0, 2.0})
        c.fill(rect(0, y + 0.28, 10, y + 0.45), hex(0x7A5128));
    for (double x : {0.5, 5.0, 9.5}) {
        c.fill(rect(x + 0.05, 0.5, x + 0.28, 3.0), hex(0x7A5128));
        c.fill(ellipse(x, 0.55, 0.28, 0.09), hex(0xC99A63));
    }
}

void paintFence4(Canvas& c) {
    std::vector<Shape> iron{rect(0.6, 0.9, 9.4, 1.05), rect(0.6, 2.3, 9.4, 2.45)};
    for (double x = 1.0; x < 9.2; x += 0.5) {
        iron.push_back(rect(x - 0.05, 0.6, x + 0.05, 2.9));
        iron.push_back(polygon({{x - 0.13, 0.65}, {x, 0.35}, {x + 0.13, 0.65}}));
    }
    Shape rail = unite(iron);
    c.fill(rail.grown(0.04), pal::white);
    c.fill(rail, hex(0x2A2E36));
    for (double x = 1.0; x < 9.2; x += 0.5)
        c.fill(polygon({{x - 0.1, 0.63}, {x, 0.4}, {x + 0.1, 0.63}}), pal::gold);
    for (double x0 : {0.0, 9.0}) {
        Shape pillar = rect(x0 + 0.05, 0.6, x0 + 0.95, 3.0);
        Shape cap = rect(x0, 0.3, x0 + 1.0, 0.65, 0.05);
        c.fill(unite(pillar, cap).grown(0.06), pal::ink);
        c.fill(pillar, brickWall(hex(0xB5523D), hex(0xE2D3BE), 313));
        c.fill(cap, hex(0xE8E1D3));
        c.fill(rect(x0 + 0.7, 0.65, x0 + 0.95, 3.0), pal::shadow(0.25f));
    }
    c.fill(rect(0, 2.85, 10, 3.0), hex(0x8F8A83));
}

void paintGarbage(Canvas& c) {
    Shape bag = unite({ellipse(2.2, 2.35, 0.75, 0.65), ellipse(2.25, 1.75, 0.45, 0.45),
                       polygon({{2.05, 1.45}, {2.45, 1.45}, {2.6, 1.0}, {1.95, 1.05}})});
    c.fill(bag.grown(0.06), pal::ink);
    c.fill(bag, hex(0x3A3F4A));
    c.fill(ellipse(1.95, 2.1, 0.18, 0.28), hex(0x5B6270));
    Shape can = polygon({{0.35, 0.95}, {1.85, 0.95}, {1.72, 3.0}, {0.48, 3.0}});
    Shape lid = rect(0.2, 0.72, 2.0, 1.0, 0.08);
    Shape handle = rect(0.85, 0.45, 1.35, 0.75, 0.1);
    c.fill(unite({can, lid, handle}).grown(0.06), pal::ink);
    c.fill(can, hex(0x9AA3AD));
    for (double x = 0.6; x < 1.7; x += 0.32)
        c.fill(polygon({{x, 1.1}, {x + 0.1, 1.1}, {x + 0.08, 2.85}, {x - 0.02, 2.85}}),
               hex(0x6F7780));
    c.fill(lid, hex(0xB5BCC4));
    c.fill(subtract(handle, rect(0.98, 0.58, 1.22, 0.75)), hex(0x6F7780));
    Shape peel = unite(ellipse(0.55, 2.92, 0.32, 0.08), ellipse(0.4, 2.75, 0.08, 0.2));
    c.fill(peel.grown(0.04), pal::ink);
    c.fill(peel, pal::yellow);
    Shape paper = polygon({{2.4, 0.85}, {2.8, 0.7}, {2.75, 1.05}, {2.45, 1.1}});
    c.fill(paper.grown(0.04), pal::ink);
    c.fill(paper, pal::white);
}
