// Deterministic pseudo-random numbers and value noise. Everything is computed from integer
// hashes, so the pictures come out the same on every run.
#pragma once

#include <cstdint>

uint32_t hash32(uint32_t a, uint32_t b = 0, uint32_t c = 0);
// Uniform in [0, 1) from a hash of the arguments.
double random01(uint32_t a, uint32_t b = 0, uint32_t c = 0);

// Smooth value noise in [0, 1] on a lattice of the given period in both directions, so a
// picture built from it tiles: noise(x + period, y) == noise(x, y).
double tileNoise(double x, double y, int period, uint32_t seed);
// Sum of octaves of tileNoise (each octave doubles the period), in [0, 1].
double tileFbm(double x, double y, int period, int octaves, uint32_t seed);

// Smooth value noise in three dimensions, for patterns on a sphere, in [0, 1].
double noise3(double x, double y, double z, uint32_t seed);
double fbm3(double x, double y, double z, int octaves, uint32_t seed);

// A small counter-based generator for scattering things.
class Scatter {
  public:
    explicit Scatter(uint32_t seed) : seed_(seed) {}
    double next() { return random01(seed_, count_++); }
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

  private:
    uint32_t seed_;
    uint32_t count_ = 0;
};
