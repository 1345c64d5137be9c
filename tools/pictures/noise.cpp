#include "noise.h"

#include <cmath>

uint32_t hash32(uint32_t a, uint32_t b, uint32_t c) {
    uint32_t h =
        a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

double random01(uint32_t a, uint32_t b, uint32_t c) {
    return hash32(a, b, c) / 4294967296.0;
}

static double smooth(double t) {
    return t * t * (3 - 2 * t);
}

static int wrap(int v, int period) {
    return ((v % period) + period) % period;
}

double tileNoise(double x, double y, int period, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    double tx = smooth(x - fx), ty = smooth(y - fy);
    auto at = [&](int i, int j) {
        return random01(seed, uint32_t(wrap(i, period)), uint32_t(wrap(j, period)));
    };
    double a = at(ix, iy), b = at(ix + 1, iy), c = at(ix, iy + 1), d = at(ix + 1, iy + 1);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double tileFbm(double x, double y, int period, int octaves, uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * tileNoise(x, y, period, seed + uint32_t(o) * 101u);
        total += weight;
        x *= 2;
        y *= 2;
        period *= 2;
        weight *= 0.5;
    }
    return sum / total;
}

double noise3(double x, double y, double z, uint32_t seed) {
    double fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
    int ix = int(fx), iy = int(fy), iz = int(fz);
    double tx = smooth(x - fx), ty = smooth(y - fy), tz = smooth(z - fz);
    auto at = [&](int i, int j, int k) {
        return random01(seed ^ hash32(uint32_t(k)), uint32_t(i), uint32_t(j));
    };
    auto plane = [&](int k) {
        double a = at(ix, iy, k), b = at(ix + 1, iy, k);
        double c = at(ix, iy + 1, k), d = at(ix + 1, iy + 1, k);
        return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
    };
    double p0 = plane(iz), p1 = plane(iz + 1);
    return p0 + (p1 - p0) * tz;
}

double fbm3(double x, double y, double z, int octaves, uint32_t seed) {
    double sum = 0, weight = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * noise3(x, y, z, seed + uint32_t(o) * 101u);
        total += weight;
        x *= 2;
        y *= 2;
        z *= 2;
        weight *= 0.5;
    }
    return sum / total;
}
