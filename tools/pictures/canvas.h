// An RGBA picture in floating point, drawn in "design units": a picture of W x H units is
// mapped onto its pixels with separate x and y scales, so a wall drawn for a 36 x 24 wall keeps
// round windows round in the game even though its texture is square.
#pragma once

#include "shape.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// Colour from 0xRRGGBB, fully opaque unless an alpha is given.
constexpr Rgba hex(uint32_t rgb, float a = 1.0f) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, a};
}
Rgba mix(Rgba a, Rgba b, float t);
// Multiplies the colour channels (shade < 1 darkens, > 1 lightens towards white).
Rgba shade(Rgba c, float f);

// Colour of a painted region at a design point.
using Paint = std::function<Rgba(double x, double y)>;

// Coverage of each pixel, 0..1, in the canvas's pixel grid. Only pixels inside the bounds
// [x0, x1) x [y0, y1) may be non-zero; passes over a mask visit just those.
struct Mask {
    int width = 0, height = 0;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::vector<float> cover;
    Mask(int w, int h) : width(w), height(h), cover(size_t(w) * h, 0.0f) {}
    float at(int x, int y) const { return cover[size_t(y) * width + x]; }
    // Sets a pixel's coverage and widens the bounds to hold it.
    void set(int x, int y, float v);
    // Grows the covered area by an ellipse of the given pixel radii (an outline around text).
    Mask dilated(double rx, double ry) const;
    Mask shifted(int dx, int dy) const;
};

class Canvas {
  public:
    Canvas(int pixelWidth, int pixelHeight, double unitsWide, double unitsHigh);

    int width() const { return width_; }
    int height() const { return height_; }
    double unitsWide() const { return unitsW_; }
    double unitsHigh() const { return unitsH_; }
    double pixelsPerUnitX() const { return width_ / unitsW_; }
    double pixelsPerUnitY() const { return height_ / unitsH_; }

    // Paints a region, antialiased by 4 x 4 samples per pixel, composited over what is there.
    void fill(const Shape& region, const Paint& paint);
    void fill(const Shape& region, Rgba colour);
    // Paints every pixel (a background), one sample a pixel.
    void fillAll(const Paint& paint);
    // Paints every pixel with the average of n x n samples, for busy patterns with sharp edges.
    void fillAllSmooth(const Paint& paint, int n);
    void fillMask(const Mask& mask, const Paint& paint);
    void fillMask(const Mask& mask, Rgba colour);
    // Coverage of a region in pixel terms, for effects such as outlines and shadows.
    Mask maskOf(const Shape& region) const;

    Rgba& pixel(int x, int y) { return pixels_[size_t(y) * width_ + x]; }
    const Rgba& pixel(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    // Design coordinates of a pixel's centre.
    double unitX(int px) const { return (px + 0.5) / pixelsPerUnitX(); }
    double unitY(int py) const { return (py + 0.5) / pixelsPerUnitY(); }

    // 8-bit rows, RGBA or RGB, for the PNG writer.
    std::vector<uint8_t> bytes(bool withAlpha) const;

  private:
    void blend(int x, int y, Rgba c, float cover);

    int width_, height_;
    double unitsW_, unitsH_;
    std::vector<Rgba> pixels_;
};
