#include "tools/music/Voices.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "tools/music/Dsp.h"

namespace music {

namespace {

// Calls sample(t) for every frame of a sound lasting seconds and adds the
// result, faded in over a fraction of a millisecond and out over a few, so no
// sound starts or stops with a step.
template <typename Sample>
void Render(LoopBuffer& out, const Hit& hit, double seconds, Sample sample) {
    const size_t frames = static_cast<size_t>(seconds * kRate);
    const double fadeIn = 0.0007 * kRate;
    const double fadeOut = 0.004 * kRate;
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double fade = std::min({1.0, (i + 1) / fadeIn, (frames - i) / fadeOut});
        out.Add(hit.frame + i, sample(t) * fade * hit.velocity, hit.pan);
    }
}

uint32_t SeedFor(const Hit& hit, uint32_t salt) {
    return static_cast<uint32_t>(hit.frame) * 2654435761u + salt;
}

// Slow vibrato that fades in once a note has sounded for a moment.
double Vibrato(double t) {
    const double depth = std::clamp((t - 0.18) / 0.25, 0.0, 1.0);
    return 0.14 * depth * std::sin(2.0 * kPi * 5.2 * t);
}

} // namespace

void Lead(LoopBuffer& out, const Hit& hit) {
    const Adsr env{0.006, 0.20, 0.62, 0.10};
    Oscillator pulse, saw;
    Svf filter;
    Render(out, hit, env.Length(hit.gate), [&](double t) {
        const double hz = MidiToHz(hit.pitch + Vibrato(t));
        const double raw = 0.55 * pulse.Pulse(hz, 0.3) + 0.45 * saw.Saw(hz * 1.004);
        const double cutoff = 1700.0 + 3800.0 * Decay(t, 0.5);
        return filter.Process(raw, cutoff, 0.9).low * env.Level(t, hit.gate);
    });
}

void Bass(LoopBuffer& out, const Hit& hit) {
    const Adsr env{0.004, 0.22, 0.55, 0.05};
    Oscillator saw, sub;
    Svf filter;
    const double hz = MidiToHz(hit.pitch);
    Render(out, hit, env.Length(hit.gate), [&](double t) {
        const double raw = 0.6 * saw.Saw(hz) + 0.7 * sub.Sine(hz);
        const double cutoff = 220.0 + 1500.0 * Decay(t, 0.3);
        return filter.Process(raw, cutoff, 1.3).low * env.Level(t, hit.gate);
    });
}

void EPiano(LoopBuffer& out, const Hit& hit) {
    const double hz = MidiToHz(hit.pitch);
    const double release = 0.12;
    Render(out, hit, hit.gate + release, [&](double t) {
        const double index = 0.3 + 1.5 * Decay(t, 0.5);
        const double w = 2.0 * kPi * hz * t;
        const double body = std::sin(w + index * std::sin(w));
        const double tine = 0.06 * std::sin(14.0 * w) * Decay(t, 0.04);
        const double attack = std::min(1.0, t / 0.002);
        const double gate = t < hit.gate ? 1.0 : 1.0 - (t - hit.gate) / release;
        return (body + tine) * attack * gate * Decay(t, 1.4);
    });
}

void Bell(LoopBuffer& out, const Hit& hit) {
    const double hz = MidiToHz(hit.pitch);
    Render(out, hit, 1.6, [&](double t) {
        const double w = 2.0 * kPi * hz * t;
        const double index = 2.2 * Decay(t, 0.7);
        const double attack = std::min(1.0, t / 0.0015);
        return std::sin(w + index * std::sin(3.5 * w)) * attack * Decay(t, 1.6);
    });
}

void Pad(LoopBuffer& out, const Hit& hit) {
    const Adsr env{0.30, 0.40, 0.8, 0.45};
    Oscillator a, b, c;
    Svf filter;
    const double hz = MidiToHz(hit.pitch);
    Render(out, hit, env.Length(hit.gate), [&](double t) {
        const double raw = a.Saw(hz * 0.996) + b.Saw(hz) + c.Saw(hz * 1.004);
        return filter.Process(raw / 3.0, 1100.0, 0.7).low * env.Level(t, hit.gate);
    });
}

void Kick(LoopBuffer& out, const Hit& hit) {
    Noise noise(SeedFor(hit, 1));
    double phase = 0.0;
    Render(out, hit, 0.42, [&](double t) {
        phase += 2.0 * kPi * (46.0 + 120.0 * Decay(t, 0.07)) / kRate;
        const double click = 0.25 * noise.Next() * Decay(t, 0.004);
        return std::sin(phase) * Decay(t, 0.42) + click;
    });
}

void Snare(LoopBuffer& out, const Hit& hit) {
    Noise noise(SeedFor(hit, 2));
    Svf filter;
    Render(out, hit, 0.26, [&](double t) {
        const double tone = 0.45 * std::sin(2.0 * kPi * 190.0 * t) * Decay(t, 0.11);
        const double hiss = filter.Process(noise.Next(), 1400.0, 0.7).high * Decay(t, 0.26);
        return tone + 0.8 * hiss;
    });
}

namespace {
void Hat(LoopBuffer& out, const Hit& hit, double seconds, double cutoff, uint32_t salt) {
    Noise noise(SeedFor(hit, salt));
    Svf filter;
    Render(out, hit, seconds, [&](double t) {
        return filter.Process(noise.Next(), cutoff, 0.8).high * Decay(t, seconds);
    });
}
} // namespace

void ClosedHat(LoopBuffer& out, const Hit& hit) {
    Hat(out, hit, 0.06, 8000.0, 3);
}
void OpenHat(LoopBuffer& out, const Hit& hit) {
    Hat(out, hit, 0.34, 7000.0, 4);
}
void Crash(LoopBuffer& out, const Hit& hit) {
    Hat(out, hit, 1.9, 4500.0, 5);
}

} // namespace music
