// The ball's surfaces. gluSphere wraps a texture with s around the sphere's z axis and t from
// the -z pole (t = 0, the image's top row) to the +z pole, so these pictures are laid out in
// longitude (x, 0..360) and latitude (y, 0..180 from the top pole) and every shape that must look
// round on the ball is tested on the sphere itself.
#include "noise.h"
#include "painters.h"
#include "palette.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

struct Vec {
    double x, y, z;
};

double dot(Vec a, Vec b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// The point on the unit sphere that a picture point (degrees) lands on.
Vec onSphere(double lon, double fromPole) {
    double theta = lon * kDeg, rho = (180.0 - fromPole) * kDeg;
    return {-std::sin(theta) * std::sin(rho), std::cos(theta) * std::sin(rho), std::cos(rho)};
}

Vec fromLonLat(double lonDeg, double latDeg) {
    double lon = lonDeg * kDeg, lat = latDeg * kDeg;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

// Points spread evenly over the sphere (a Fibonacci lattice).
std::vector<Vec> spreadPoints(int n) {
    std::vector<Vec> pts;
    double golden = kPi * (3.0 - std::sqrt(5.0));
    for (int i = 0; i < n; ++i) {
        double z = 1.0 - 2.0 * (i + 0.5) / n;
        double r = std::sqrt(1.0 - z * z);
        pts.push_back({r * std::cos(golden * i), r * std::sin(golden * i), z});
    }
    return pts;
}

struct Blob {
    double lon, lat, radius;
};

struct Patch {
    Vec centre;
    double radius, farDot;
};

// Rough continents as overlapping round patches (longitude, latitude, radius in degrees);
// noise on their rims gives ragged coasts.
const std::vector<Blob>& continents() {
    static const std::vector<Blob> blobs = {
        {-100, 45, 20},  {-115, 60, 16},  {-150, 63, 9},  {-85, 37, 11},  {-102, 25, 8},
        {-90, 16, 4},    {-82, 10, 3},    {-70, 54, 11},  {-95, 68, 11},  {-42, 72, 11},
        {-60, -10, 16},  {-70, 4, 9},     {-64, -30, 11}, {-70, -45, 6},  {-72, -52, 3},
        {-42, -8, 7},    {10, 50, 9},     {26, 55, 10},   {16, 63, 7},    {-4, 40, 5},
        {13, 43, 2.5},   {-2, 53, 3.5},   {20, 6, 19},    {8, 18, 13},    {30, 20, 11},
        {-8, 12, 7},     {26, -14, 13},   {24, -28, 8},   {42, 8, 6},     {47, -19, 3.5},
        {90, 50, 24},    {60, 55, 17},    {112, 60, 19},  {130, 45, 11},  {102, 30, 14},
        {78, 20, 8},     {46, 24, 9},     {104, 14, 6},   {140, 37, 3.5}, {160, 65, 9},
        {114, -1, 5},    {102, 0, 3.5},   {122, 10, 2.5}, {134, -25, 13}, {145, -34, 5},
        {147, -42, 1.8}, {173, -42, 3.5},
    };
    return blobs;
}

double landness(Vec p) {
    static const std::vector<Patch> patches = [] {
        std::vector<Patch> out;
        for (const Blob& b : continents())
            out.push_back({fromLonLat(b.lon, b.lat), b.radius, std::cos(1.5 * b.radius * kDeg)});
        return out;
    }();
    // Past 1.5 radii a patch cannot lift a point above the deep sea, so the angle is not needed.
    double best = -0.5;
    for (const Patch& b : patches) {
        double d = dot(p, b.centre);
        if (d < b.farDot)
            continue;
        double angle = std::acos(std::clamp(d, -1.0, 1.0)) / kDeg;
        best = std::max(best, 1.0 - angle / b.radius);
    }
    double n = fbm3(p.x * 3 + 5, p.y * 3 + 5, p.z * 3 + 5, 4, 401);
    return best + (n - 0.5) * 0.9;
}

Rgba groundAt(Vec p, double lat) {
    double land = landness(p);
    if (std::abs(lat) > 72 + 6 * (fbm3(p.x * 4, p.y * 4, p.z * 4, 3, 402) - 0.5))
        return mix(hex(0xE9F2F7), pal::white, 0.5f);
    if (land < 0) {
        Rgba deep = hex(0x1F4E9A), shallow = hex(0x3C86C8);
        return mix(deep, shallow, float(std::clamp(1.0 + land * 3.0, 0.0, 1.0)));
    }
    double dry = fbm3(p.x * 2.5 + 9, p.y * 2.5, p.z * 2.5, 3, 403);
    double hills = fbm3(p.x * 6, p.y * 6, p.z * 6, 3, 404);
    // Climate belts by latitude, with ragged borders.
    double belt = std::abs(lat) + (fbm3(p.x * 5, p.y * 5, p.z * 5, 3, 405) - 0.5) * 22;
    Rgba col = belt < 12 ? hex(0x2F8A3A) : hex(0x4FA04A);
    if (std::abs(belt - 25) < 9 && dry > 0.4)
        col = hex(0xD8B873);
    if (belt > 56)
        col = hex(0x6E9A5C);
    if (hills > 0.66)
        col = mix(col, hex(0x8A7656), 0.6f);
    return col;
}

Rgba earthAt(double lon, double fromPole) {
    double lat = 90.0 - fromPole;
    Vec p = fromLonLat(lon - 180.0, lat);
    // Wisps of cloud, stretched along the parallels as the winds blow.
    double cloud = fbm3(p.x * 3, p.y * 3, p.z * 9, 4, 406);
    float cover = float(std::clamp((cloud - 0.6) * 5.0, 0.0, 0.7));
    return mix(groundAt(p, lat), pal::white, cover);
}

Rgba vorluxAt(double lon, double fromPole) {
    static const Rgba gores[] = {pal::red,    pal::yellow, pal::blue, pal::green,
                                 pal::orange, pal::purple, pal::teal, pal::magenta};
    static const std::vector<Vec> dots = [] {
        // Dots stay clear of the polar caps (25 degrees) by more than their own size.
        std::vector<Vec> kept;
        for (const Vec& p : spreadPoints(26))
            if (std::abs(p.z) < std::cos(36 * kDeg))
                kept.push_back(p);
        return kept;
    }();
    Vec p = onSphere(lon, fromPole);
    double fromTop = fromPole, fromBottom = 180.0 - fromPole;
    double cap = std::min(fromTop, fromBottom);
    if (cap < 16)
        return pal::white;
    if (cap < 19)
        return pal::ink;
    if (cap < 24)
        return fromTop < fromBottom ? pal::yellow : pal::red;
    if (cap < 25.5)
        return pal::ink;
    static const double inner = std::cos(7.5 * kDeg), rim = std::cos(9.0 * kDeg);
    for (size_t i = 0; i < dots.size(); ++i) {
        double d = dot(p, dots[i]);
        if (d > inner)
            return i % 3 == 0 ? pal::ink : pal::white;
        if (d > rim)
            return i % 3 == 0 ? pal::white : pal::ink;
    }
    double g = std::fmod(lon, 45.0);
    if (g < 0.9 || g > 44.1)
        return pal::ink;
    return gores[int(lon / 45.0) % 8];
}

} // namespace

void paintVorlux(Canvas& c) {
    c.fillAllSmooth(vorluxAt, 4);
}

void paintEarth(Canvas& c) {
    c.fillAllSmooth(earthAt, 2);
}
