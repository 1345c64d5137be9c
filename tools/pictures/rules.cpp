#include "rules.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

bool isPowerOfTwo(int n) {
    return n > 0 && (n & (n - 1)) == 0;
}

namespace {

// A see-through prop's partial alpha must sit on its rim: within this many texels of a clear one.
constexpr int kRim = 2;

bool nearClear(const Image& im, int x, int y) {
    for (int dy = -kRim; dy <= kRim; ++dy)
        for (int dx = -kRim; dx <= kRim; ++dx) {
            int sx = x + dx, sy = y + dy;
            // Beyond the picture's border there is nothing, as around a clear texel.
            if (sx < 0 || sy < 0 || sx >= im.width || sy >= im.height || im.alpha(sx, sy) == 0)
                return true;
        }
    return false;
}

void checkSeeThrough(const Image& image, std::vector<std::string>& problems) {
    long clear = 0, solid = 0, inner = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            uint8_t a = image.alpha(x, y);
            if (a == 0)
                ++clear;
            else if (a == 255)
                ++solid;
            else if (!nearClear(image, x, y))
                ++inner;
        }
    if (clear == 0)
        problems.push_back("no transparent texels around the shape");
    if (solid == 0)
        problems.push_back("no solid texels");
    // A few texels may fall in hairline gaps between touching parts.
    if (inner > solid / 1000)
        problems.push_back(std::to_string(inner) + " partly transparent texels away from the rim");
    bool standing = false;
    for (int x = 0; x < image.width; ++x)
        standing = standing || image.alpha(x, image.height - 1) == 255;
    if (!standing)
        problems.push_back("the shape does not reach the bottom edge (it would float)");
}

void checkOpaque(const Image& image, std::vector<std::string>& problems) {
    long seeThrough = 0;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            seeThrough += image.alpha(x, y) != 255;
    if (seeThrough > 0)
        problems.push_back(std::to_string(seeThrough) + " texels are not fully opaque");
}

// Texel n along an edge (left to right, or top to bottom), and its neighbour one step inside.
const uint8_t* edgeTexel(const Image& im, Side side, int n, int inward) {
    switch (side) {
    case Side::Top:
        return im.at(n, inward);
    case Side::Bottom:
        return im.at(n, im.height - 1 - inward);
    case Side::Left:
        return im.at(inward, n);
    case Side::Right:
        return im.at(im.width - 1 - inward, n);
    }
    return nullptr;
}

double step(const uint8_t* p, const uint8_t* q) {
    return (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2])) / 3.0;
}

int edgeLength(const Image& im, Side side) {
    return side == Side::Top || side == Side::Bottom ? im.width : im.height;
}

} // namespace

std::vector<std::string> checkPicture(const Picture& entry, const Image& image) {
    std::vector<std::string> problems;
    if (!isPowerOfTwo(image.width) || !isPowerOfTwo(image.height))
        problems.push_back("size " + std::to_string(image.width) + " x " +
                           std::to_string(image.height) + " is not a power of two");
    if (image.width != entry.width || image.height != entry.height)
        problems.push_back("size differs from the catalogue's " + std::to_string(entry.width) +
                           " x " + std::to_string(entry.height));
    if (entry.kind == Kind::SeeThrough)
        checkSeeThrough(image, problems);
    else
        checkOpaque(image, problems);
    return problems;
}

double seamRatio(const Image& a, Side sideOfA, const Image& b, Side sideOfB) {
    int n = edgeLength(a, sideOfA);
    if (n != edgeLength(b, sideOfB))
        return 1e9;
    double across = 0, inside = 0;
    for (int i = 0; i < n; ++i) {
        across += step(edgeTexel(a, sideOfA, i, 0), edgeTexel(b, sideOfB, i, 0));
        inside += step(edgeTexel(a, sideOfA, i, 0), edgeTexel(a, sideOfA, i, 1));
        inside += step(edgeTexel(b, sideOfB, i, 0), edgeTexel(b, sideOfB, i, 1));
    }
    // A floor keeps flat, calm edges from turning a one-level difference into a large ratio.
    return (across / n) / std::max(inside / (2.0 * n), 2.0);
}

const std::vector<Seam>& tileSeams() {
    static const char* grass = "Images/Map/Grass.png";
    static const char* flowers = "Images/Map/Flowers.png";
    static const char* path = "Images/Map/Path.png";
    static const char* hor = "Images/Map/PathHor.png";
    static const char* corner = "Images/Map/PathTR.png";
    static const char* road = "Images/Map/road.png";
    static const char* mid = "Images/Map/roadMiddle.png";
    static const char* mid2 = "Images/Map/roadMiddle2.png";
    static const char* walk = "Images/Map/Sidewalk.png";
    static const std::vector<Seam> seams = {
        {grass, Side::Right, grass, Side::Left},   {grass, Side::Bottom, grass, Side::Top},
        {flowers, Side::Left, grass, Side::Right}, {flowers, Side::Right, grass, Side::Left},
        {flowers, Side::Top, grass, Side::Bottom}, {flowers, Side::Bottom, grass, Side::Top},
        {path, Side::Bottom, path, Side::Top},     {path, Side::Left, grass, Side::Right},
        {path, Side::Right, grass, Side::Left},    {hor, Side::Right, hor, Side::Left},
        {hor, Side::Top, grass, Side::Bottom},     {hor, Side::Bottom, grass, Side::Top},
        {corner, Side::Top, path, Side::Bottom},   {corner, Side::Right, hor, Side::Left},
        {corner, Side::Left, grass, Side::Right},  {corner, Side::Bottom, grass, Side::Top},
        {road, Side::Right, road, Side::Left},     {road, Side::Bottom, road, Side::Top},
        {mid, Side::Bottom, mid, Side::Top},       {mid, Side::Left, road, Side::Right},
        {mid, Side::Right, road, Side::Left},      {mid2, Side::Right, mid2, Side::Left},
        {mid2, Side::Top, road, Side::Bottom},     {mid2, Side::Bottom, road, Side::Top},
        {walk, Side::Right, walk, Side::Left},     {walk, Side::Bottom, walk, Side::Top},
    };
    return seams;
}
