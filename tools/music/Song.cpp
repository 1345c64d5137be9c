#include "tools/music/Song.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/music/Effects.h"
#include "tools/music/Score.h"
#include "tools/music/Voices.h"

namespace music {

namespace {

// The tune is in C major: a four-bar intro, the theme, the theme with a new
// ending, a bridge, and the theme once more with a bell harmony.
const char* const kThemeStart = "G4:.5 C5:.5 E5:.5 G5:1 E5:.5 G5:1 | "
                                "F5:.5 E5:.5 D5:1 B4:.5 D5:.5 G5:1 | "
                                "A5:1 G5:.5 E5:.5 C5:1 E5:1 | "
                                "F5:.5 E5:.5 D5:.5 C5:.5 A4:1 r:1 |";
const char* const kThemeEndA = "G4:.5 C5:.5 E5:.5 G5:1 A5:.5 G5:1 | "
                               "B5:1 A5:.5 G5:.5 D5:1 G5:1 | "
                               "A5:.5 G5:.5 F5:.5 A5:.5 G5:.5 F5:.5 E5:.5 D5:.5 | "
                               "C5:2 r:1 E4:.5 F4:.5";
const char* const kThemeEndB = "E5:.5 G5:.5 C6:1 B5:.5 C6:.5 D6:1 | "
                               "B5:1.5 G5:.5 D5:1 B4:1 | "
                               "C5:.5 D5:.5 F5:.5 A5:.5 B5:.5 A5:.5 G5:.5 F5:.5 | "
                               "E5:.5 D5:.5 C5:2 r:1";
const char* const kBridge = "A5:1.5 C6:.5 A5:1 F5:1 | "
                            "G5:1.5 B5:.5 D6:1 B5:1 | "
                            "G5:1 E5:.5 G5:.5 B5:1 G5:1 | "
                            "A5:3 E5:1 | "
                            "F5:.5 G5:.5 A5:1 C6:1 A5:1 | "
                            "B5:.5 A5:.5 G5:1 D5:1 G5:1 | "
                            "F5:1 E5:.5 D5:.5 A5:1 F5:1 | "
                            "G5:1 F5:.5 D5:.5 B4:1 r:.5 F4:.5";

// One chord every two beats.
const char* const kIntroChords = "C C F F C C G G";
const char* const kThemeChords = "C C G G Am Am F F C C G G F G C C";
const char* const kBridgeChords = "F F G G Em Em Am Am F F G G Dm Dm G7 G7";

enum class Part { Intro, Theme, Bridge, ThemeHarmony };

struct Section {
    Part part;
    size_t bars;
    const char* melody; // first half; null in the intro
    const char* melodyEnd;
    const char* chords;
};

const Section kSections[] = {
    {Part::Intro, 4, nullptr, nullptr, kIntroChords},
    {Part::Theme, 8, kThemeStart, kThemeEndA, kThemeChords},
    {Part::Theme, 8, kThemeStart, kThemeEndB, kThemeChords},
    {Part::Bridge, 8, kBridge, nullptr, kBridgeChords},
    {Part::ThemeHarmony, 8, kThemeStart, kThemeEndB, kThemeChords},
};

size_t FrameAt(double beat) {
    return static_cast<size_t>(std::llround(beat * kFramesPerBeat));
}
double Seconds(double beats) {
    return beats * kFramesPerBeat / kRate;
}

// The octave of pitchClass nearest to centre.
int Nearest(int pitchClass, int centre) {
    int pitch = pitchClass + 12 * (centre / 12);
    while (pitch - centre > 6)
        pitch -= 12;
    while (centre - pitch > 6)
        pitch += 12;
    return pitch;
}

struct Buses {
    LoopBuffer dry{kLoopFrames};
    LoopBuffer echo{kLoopFrames};
    LoopBuffer room{kLoopFrames};
};

// Renders one part into its own buffer, then spreads it over the buses.
template <typename Write>
void AddPart(Buses& buses, double echoSend, double roomSend, Write write) {
    LoopBuffer part(kLoopFrames);
    write(part);
    buses.dry.Mix(part, 1.0);
    if (echoSend > 0.0)
        buses.echo.Mix(part, echoSend);
    if (roomSend > 0.0)
        buses.room.Mix(part, roomSend);
}

void Melody(Buses& buses, const Section& section, double start) {
    if (!section.melody)
        return;
    std::vector<Note> notes = ParseNotes(section.melody, start);
    if (section.melodyEnd)
        for (const Note& n : ParseNotes(section.melodyEnd, start + 16.0))
            notes.push_back(n);
    AddPart(buses, 0.30, 0.25, [&](LoopBuffer& out) {
        for (const Note& n : notes)
            Lead(out, {FrameAt(n.beat), Seconds(n.beats * 0.85), double(n.pitch), 0.30, 0.0});
    });
    if (section.part != Part::ThemeHarmony)
        return;
    AddPart(buses, 0.0, 0.45, [&](LoopBuffer& out) {
        for (const Note& n : notes)
            Bell(out, {FrameAt(n.beat), 0.0, double(ThirdBelow(n.pitch) + 12), 0.09, 0.4});
    });
}

void Bassline(Buses& buses, const std::vector<Chord>& chords, bool intro) {
    AddPart(buses, 0.0, 0.0, [&](LoopBuffer& out) {
        for (const Chord& c : chords) {
            const double root = 36 + c.root;
            for (double beat = 0.0; beat < c.beats; beat += 2.0) {
                const double at = c.beat + beat;
                if (intro) {
                    Bass(out, {FrameAt(at), Seconds(1.4), root, 0.42, 0.0});
                    continue;
                }
                Bass(out, {FrameAt(at), Seconds(0.7), root, 0.42, 0.0});
                Bass(out, {FrameAt(at + 1.0), Seconds(0.35), root + 7, 0.36, 0.0});
                Bass(out, {FrameAt(at + 1.5), Seconds(0.35), root + 12, 0.32, 0.0});
            }
        }
    });
}

// Off-beat electric-piano chords, with a soft pad under the bridge and a
// bell arpeggio over the intro.
void Harmony(Buses& buses, const std::vector<Chord>& chords, Part part) {
    AddPart(buses, 0.0, 0.30, [&](LoopBuffer& out) {
        for (const Chord& c : chords)
            for (double beat = 0.5; beat < c.beats; beat += 1.0)
                for (int tone : c.Tones())
                    EPiano(out, {FrameAt(c.beat + beat), Seconds(0.22), double(Nearest(tone, 62)),
                                 part == Part::Bridge ? 0.07 : 0.10, -0.3});
    });
    if (part == Part::Bridge) {
        AddPart(buses, 0.0, 0.35, [&](LoopBuffer& out) {
            for (const Chord& c : chords) {
                double pan = -0.5;
                for (int tone : c.Tones()) {
                    Pad(out, {FrameAt(c.beat), Seconds(c.beats - 0.3), double(Nearest(tone, 57)),
                              0.08, pan});
                    pan += 0.5;
                }
            }
        });
    }
    if (part == Part::Intro) {
        static const int kArpeggio[] = {0, 1, 2, 3, 2, 1, 2, 1};
        AddPart(buses, 0.25, 0.45, [&](LoopBuffer& out) {
            for (const Chord& c : chords) {
                const std::vector<int> tones = c.Tones();
                const int root = Nearest(tones[0], 76);
                for (int step = 0; step < 8; ++step) {
                    const int index = kArpeggio[step];
                    const int pitch =
                        index == 3 ? root + 12 : Nearest(tones[index], root + 4 * index);
                    Bell(out, {FrameAt(c.beat + 0.5 * step), 0.0, double(pitch), 0.10, 0.35});
                }
            }
        });
    }
}

// A bouncy pop beat; the last bar of every section ends in a snare fill.
void Drums(Buses& buses, size_t startBar, size_t bars, bool intro) {
    AddPart(buses, 0.0, 0.12, [&](LoopBuffer& out) {
        Crash(out, {FrameAt(4.0 * startBar), 0.0, 0.0, 0.14, -0.25});
        for (size_t bar = 0; bar < bars; ++bar) {
            const double top = 4.0 * (startBar + bar);
            const bool fill = bar + 1 == bars;
            const bool sparse = intro && bar < 2;
            const std::vector<double> kicks = sparse ? std::vector<double>{0.0, 1.0, 2.0, 3.0}
                                                     : std::vector<double>{0.0, 2.0, 2.5};
            for (double beat : kicks)
                Kick(out, {FrameAt(top + beat), 0.0, 0.0, 0.75, 0.0});
            if (!sparse) {
                Snare(out, {FrameAt(top + 1.0), 0.0, 0.0, 0.40, 0.05});
                Snare(out, {FrameAt(top + (fill ? 2.5 : 3.0)), 0.0, 0.0, 0.40, 0.05});
            }
            for (int eighth = 0; eighth < 8; ++eighth) {
                const double at = top + 0.5 * eighth;
                if (fill && eighth >= 6)
                    continue;
                if (eighth == 7 && bar % 2 == 1)
                    OpenHat(out, {FrameAt(at), 0.0, 0.0, 0.11, 0.3});
                else
                    ClosedHat(out, {FrameAt(at), 0.0, 0.0, eighth % 2 ? 0.12 : 0.07, 0.3});
            }
            if (fill)
                for (int s = 0; s < 4; ++s)
                    Snare(out, {FrameAt(top + 3.0 + 0.25 * s), 0.0, 0.0, 0.22 + 0.06 * s, 0.05});
        }
    });
}

double Peak(const LoopBuffer& mix) {
    double peak = 0.0;
    for (size_t i = 0; i < mix.Frames(); ++i)
        peak = std::max({peak, std::fabs(mix.Left(i)), std::fabs(mix.Right(i))});
    return peak;
}

// Rounds off the drum peaks with a gentle tanh curve, which lifts the rest of
// the mix, then scales the loudest sample to just below full scale, leaving
// room for the encoder's small overshoots.
void Master(LoopBuffer& mix) {
    const double drive = 1.2;
    const double in = drive / Peak(mix);
    const double out = 0.84 / std::tanh(drive);
    for (size_t i = 0; i < mix.Frames(); ++i) {
        mix.Left(i) = std::tanh(mix.Left(i) * in) * out;
        mix.Right(i) = std::tanh(mix.Right(i) * in) * out;
    }
}

} // namespace

LoopBuffer RenderSong() {
    Buses buses;
    size_t bar = 0;
    for (const Section& section : kSections) {
        const double start = 4.0 * bar;
        const std::vector<Chord> chords = ParseChords(section.chords, start, 2.0);
        Melody(buses, section, start);
        Bassline(buses, chords, section.part == Part::Intro);
        Harmony(buses, chords, section.part);
        Drums(buses, bar, section.bars, section.part == Part::Intro);
        bar += section.bars;
    }
    PingPongDelay delay(FrameAt(0.75), 0.35);
    buses.dry.Mix(ApplyLooped(buses.echo, delay), 0.5);
    Reverb reverb;
    buses.dry.Mix(ApplyLooped(buses.room, reverb), 0.05);
    Master(buses.dry);
    return std::move(buses.dry);
}

} // namespace music
