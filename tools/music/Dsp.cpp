#include "tools/music/Dsp.h"

#include <algorithm>
#include <cmath>

namespace music {

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

double Noise::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

namespace {
// Correction that smooths a unit step at phase 0 over one sample either side.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
} // namespace

double Oscillator::Advance(double hz) {
    step_ = hz / kRate;
    const double current = phase_;
    phase_ += step_;
    if (phase_ >= 1.0)
        phase_ -= 1.0;
    return current;
}

double Oscillator::Saw(double hz) {
    const double t = Advance(hz);
    return 2.0 * t - 1.0 - PolyBlep(t, step_);
}

double Oscillator::Pulse(double hz, double width) {
    const double t = Advance(hz);
    double shifted = t + (1.0 - width);
    if (shifted >= 1.0)
        shifted -= 1.0;
    // The naive pulse averages 2 * width - 1; take that off so it has no DC.
    const double naive = t < width ? 2.0 - 2.0 * width : -2.0 * width;
    return naive + PolyBlep(t, step_) - PolyBlep(shifted, step_);
}

double Oscillator::Sine(double hz) {
    return std::sin(2.0 * kPi * Advance(hz));
}

Svf::Out Svf::Process(double in, double cutoffHz, double q) {
    const double g = std::tan(kPi * std::min(cutoffHz, 0.45 * kRate) / kRate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, in - k * v1 - v2};
}

double Adsr::Level(double t, double gate) const {
    auto held = [this](double s) {
        if (s < attack)
            return s / attack;
        s -= attack;
        if (s < decay)
            return 1.0 - (1.0 - sustain) * (s / decay);
        return sustain;
    };
    if (t < 0.0)
        return 0.0;
    if (t < gate)
        return held(t);
    const double r = (t - gate) / release;
    return r >= 1.0 ? 0.0 : held(gate) * (1.0 - r) * (1.0 - r);
}

double Decay(double t, double t60) {
    return std::exp(-6.907755278982137 * t / t60);
}

} // namespace music
