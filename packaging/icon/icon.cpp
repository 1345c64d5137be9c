#include "icon.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec {
    double x, y, z;
};

double Dot(const Vec& a, const Vec& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec Normalized(const Vec& v) {
    double length = std::sqrt(Dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

const double PI = 3.14159265358979323846;
const int SAMPLES = 4;           // sub-samples per pixel along each axis, for smooth edges
const double DISC_RADIUS = 0.94; // of half the icon's width: a small margin all round
const double TILT = 0.45;        // radians the ball is turned, so its poles are off-centre
const uint8_t PLAIN_COLOUR[3] = {200, 90, 50};

// The surface colour at a point of the unit sphere, with the texture wrapped around it in
// longitude and latitude, as a textured GLU sphere maps it.
void SurfaceColour(const IconPicture& texture, const Vec& n, double out[3]) {
    if (texture.width <= 0 || texture.height <= 0) {
        std::copy(PLAIN_COLOUR, PLAIN_COLOUR + 3, out);
        return;
    }
    double c = std::cos(TILT), s = std::sin(TILT);
    Vec p{n.x * c - n.z * s, n.y, n.x * s + n.z * c};
    p = {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
    double u = 0.5 + std::atan2(p.x, p.z) / (2 * PI);
    double v = std::acos(std::clamp(p.y, -1.0, 1.0)) / PI;
    int tx = std::min(texture.width - 1, int(u * texture.width));
    int ty = std::min(texture.height - 1, int(v * texture.height));
    const uint8_t* texel = &texture.rgba[(size_t(ty) * texture.width + tx) * 4];
    std::copy(texel, texel + 3, out);
}

} // namespace

IconPicture PaintBallIcon(const IconPicture& texture, int size) {
    const Vec light = Normalized({-0.45, 0.55, 0.7});
    const Vec halfway = Normalized({light.x, light.y, light.z + 1}); // viewer looks down -z
    IconPicture icon;
    icon.width = icon.height = size;
    icon.rgba.assign(size_t(size) * size * 4, 0);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double sum[3] = {0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < SAMPLES; ++sy) {
                for (int sx = 0; sx < SAMPLES; ++sx) {
                    double x = (2 * (px + (sx + 0.5) / SAMPLES) / size - 1) / DISC_RADIUS;
                    double y = (1 - 2 * (py + (sy + 0.5) / SAMPLES) / size) / DISC_RADIUS;
                    double d2 = x * x + y * y;
                    if (d2 > 1)
                        continue;
                    Vec n{x, y, std::sqrt(1 - d2)};
                    double colour[3];
                    SurfaceColour(texture, n, colour);
                    double diffuse = std::max(0.0, Dot(n, light));
                    double shine = 0.45 * std::pow(std::max(0.0, Dot(n, halfway)), 40);
                    for (int k = 0; k < 3; ++k)
                        sum[k] += colour[k] * (0.28 + 0.72 * diffuse) + 255 * shine;
                    ++covered;
                }
            }
            if (covered == 0)
                continue;
            uint8_t* out = &icon.rgba[(size_t(py) * size + px) * 4];
            for (int k = 0; k < 3; ++k)
                out[k] = uint8_t(std::min(255.0, std::round(sum[k] / covered)));
            out[3] = uint8_t(std::round(255.0 * covered / (SAMPLES * SAMPLES)));
        }
    }
    return icon;
}
