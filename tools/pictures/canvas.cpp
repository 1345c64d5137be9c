#include "canvas.h"

#include <algorithm>
#include <cmath>

Rgba mix(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba shade(Rgba c, float f) {
    if (f <= 1.0f)
        return {c.r * f, c.g * f, c.b * f, c.a};
    float t = std::min(f - 1.0f, 1.0f);
    return {c.r + (1 - c.r) * t, c.g + (1 - c.g) * t, c.b + (1 - c.b) * t, c.a};
}

void Mask::set(int x, int y, float v) {
    cover[size_t(y) * width + x] = v;
    if (x0 == x1) {
        x0 = x;
        y0 = y;
        x1 = x + 1;
        y1 = y + 1;
        return;
    }
    x0 = std::min(x0, x);
    y0 = std::min(y0, y);
    x1 = std::max(x1, x + 1);
    y1 = std::max(y1, y + 1);
}

Mask Mask::dilated(double rx, double ry) const {
    Mask out(width, height);
    int ix = int(std::ceil(rx)), iy = int(std::ceil(ry));
    struct Offset {
        int dx, dy;
    };
    std::vector<Offset> kernel;
    for (int dy = -iy; dy <= iy; ++dy)
        for (int dx = -ix; dx <= ix; ++dx)
            if (std::hypot(dx / (rx + 0.5), dy / (ry + 0.5)) <= 1.0)
                kernel.push_back({dx, dy});
    for (int y = std::max(0, y0 - iy); y < std::min(height, y1 + iy); ++y)
        for (int x = std::max(0, x0 - ix); x < std::min(width, x1 + ix); ++x) {
            float best = 0;
            for (const Offset& k : kernel) {
                int sx = x + k.dx, sy = y + k.dy;
                if (sx >= x0 && sx < x1 && sy >= y0 && sy < y1)
                    best = std::max(best, at(sx, sy));
            }
            if (best > 0)
                out.set(x, y, best);
        }
    return out;
}

Mask Mask::shifted(int dx, int dy) const {
    Mask out(width, height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            int tx = x + dx, ty = y + dy;
            if (tx >= 0 && tx < width && ty >= 0 && ty < height && at(x, y) > 0)
                out.set(tx, ty, at(x, y));
        }
    return out;
}

Canvas::Canvas(int pixelWidth, int pixelHeight, double unitsWide, double unitsHigh)
    : width_(pixelWidth), height_(pixelHeight), unitsW_(unitsWide), unitsH_(unitsHigh),
      pixels_(size_t(pixelWidth) * pixelHeight) {}

void Canvas::blend(int x, int y, Rgba c, float cover) {
    float sa = std::clamp(c.a * cover, 0.0f, 1.0f);
    if (sa <= 0.0f)
        return;
    Rgba& d = pixel(x, y);
    float oa = sa + d.a * (1 - sa);
    float keep = d.a * (1 - sa);
    d.r = (c.r * sa + d.r * keep) / oa;
    d.g = (c.g * sa + d.g * keep) / oa;
    d.b = (c.b * sa + d.b * keep) / oa;
    d.a = oa;
}

Mask Canvas::maskOf(const Shape& region) const {
    Mask mask(width_, height_);
    const Box& b = region.bounds();
    double kx = pixelsPerUnitX(), ky = pixelsPerUnitY();
    int px0 = std::max(0, int(std::floor(b.x0 * kx)) - 1);
    int py0 = std::max(0, int(std::floor(b.y0 * ky)) - 1);
    int px1 = std::min(width_ - 1, int(std::ceil(b.x1 * kx)) + 1);
    int py1 = std::min(height_ - 1, int(std::ceil(b.y1 * ky)) + 1);
    constexpr int kSamples = 4;
    // Farther than this from the edge (in design units), a pixel is wholly inside or outside.
    double reach = 0.75 * std::hypot(1.0 / kx, 1.0 / ky);
    for (int py = py0; py <= py1; ++py)
        for (int px = px0; px <= px1; ++px) {
            double centre = region.distance((px + 0.5) / kx, (py + 0.5) / ky);
            if (centre > reach)
                continue;
            if (centre < -reach) {
                mask.set(px, py, 1.0f);
                continue;
            }
            int inside = 0;
            for (int sy = 0; sy < kSamples; ++sy)
                for (int sx = 0; sx < kSamples; ++sx) {
                    double ux = (px + (sx + 0.5) / kSamples) / kx;
                    double uy = (py + (sy + 0.5) / kSamples) / ky;
                    inside += region.contains(ux, uy);
                }
            if (inside > 0)
                mask.set(px, py, float(inside) / (kSamples * kSamples));
        }
    return mask;
}

void Canvas::fill(const Shape& region, const Paint& paint) {
    fillMask(maskOf(region), paint);
}

void Canvas::fill(const Shape& region, Rgba colour) {
    fill(region, [colour](double, double) { return colour; });
}

void Canvas::fillAll(const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            blend(x, y, paint(unitX(x), unitY(y)), 1.0f);
}

void Canvas::fillAllSmooth(const Paint& paint, int n) {
    double kx = pixelsPerUnitX(), ky = pixelsPerUnitY();
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            Rgba sum{};
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx) {
                    Rgba s = paint((x + (sx + 0.5) / n) / kx, (y + (sy + 0.5) / n) / ky);
                    sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
                }
            float k = 1.0f / float(n * n);
            blend(x, y, {sum.r * k, sum.g * k, sum.b * k, sum.a * k}, 1.0f);
        }
}

void Canvas::fillMask(const Mask& mask, const Paint& paint) {
    for (int y = mask.y0; y < mask.y1; ++y)
        for (int x = mask.x0; x < mask.x1; ++x) {
            float c = mask.at(x, y);
            if (c > 0.0f)
                blend(x, y, paint(unitX(x), unitY(y)), c);
        }
}

void Canvas::fillMask(const Mask& mask, Rgba colour) {
    fillMask(mask, [colour](double, double) { return colour; });
}

static uint8_t toByte(float v) {
    return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

std::vector<uint8_t> Canvas::bytes(bool withAlpha) const {
    std::vector<uint8_t> out;
    out.reserve(pixels_.size() * (withAlpha ? 4 : 3));
    for (const Rgba& p : pixels_) {
        uint8_t a = toByte(p.a);
        // Fully transparent texels carry no colour, which keeps the files small.
        bool clear = withAlpha && a == 0;
        out.push_back(clear ? 0 : toByte(p.r));
        out.push_back(clear ? 0 : toByte(p.g));
        out.push_back(clear ? 0 : toByte(p.b));
        if (withAlpha)
            out.push_back(a);
    }
    return out;
}
