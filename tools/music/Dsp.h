// Building blocks of the synthesiser: oscillators, filters, envelopes, noise.
// Everything is double precision and free of hidden state so the output is
// bit-for-bit the same on every run.
#pragma once

#include <cstdint>

namespace music {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;

double MidiToHz(double note);

// Deterministic white noise in [-1, 1) (xorshift32).
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
    double Next();

  private:
    uint32_t state_;
};

// Band-limited pulse and saw (PolyBLEP), so high notes do not alias.
class Oscillator {
  public:
    double Saw(double hz);
    double Pulse(double hz, double width);
    double Sine(double hz);

  private:
    double Advance(double hz);
    double phase_ = 0.0;
    double step_ = 0.0;
};

// Two-pole state-variable filter (trapezoidal form): stable while the
// cutoff moves every sample, which the plucked voices rely on.
class Svf {
  public:
    struct Out {
        double low, band, high;
    };
    Out Process(double in, double cutoffHz, double q);

  private:
    double ic1_ = 0.0, ic2_ = 0.0;
};

// Attack-decay-sustain-release level at time t (seconds) of a note held for
// gate seconds.
struct Adsr {
    double attack, decay, sustain, release;
    double Level(double t, double gate) const;
    double Length(double gate) const { return gate + release; }
};

// Exponential decay that starts at 1 and falls by 60 dB over t60 seconds.
double Decay(double t, double t60);

} // namespace music
