#include "tools/music/Score.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace music {

namespace {

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "music: bad score: %s\n", what.c_str());
    std::exit(2);
}

int PitchClass(char letter) {
    static const int kClasses[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (letter < 'A' || letter > 'G')
        Fail(std::string("note letter ") + letter);
    return kClasses[letter - 'A'];
}

// Reads the accidental after a note letter, moving pos past it.
int Accidental(const std::string& name, size_t& pos) {
    if (pos < name.size() && name[pos] == '#')
        return ++pos, 1;
    if (pos < name.size() && name[pos] == 'b')
        return ++pos, -1;
    return 0;
}

} // namespace

std::vector<int> Chord::Tones() const {
    std::vector<int> tones{root, (root + (minor ? 3 : 4)) % 12, (root + 7) % 12};
    if (seventh)
        tones.push_back((root + 10) % 12);
    return tones;
}

int PitchOf(const std::string& name) {
    if (name.empty())
        Fail("empty note");
    size_t pos = 1;
    const int pitchClass = PitchClass(name[0]) + Accidental(name, pos);
    if (pos + 1 != name.size() || name[pos] < '0' || name[pos] > '9')
        Fail("note " + name);
    return 12 * (name[pos] - '0' + 1) + pitchClass;
}

std::vector<Note> ParseNotes(const std::string& line, double startBeat) {
    std::vector<Note> notes;
    std::istringstream in(line);
    std::string token;
    double beat = startBeat;
    double barStart = startBeat;
    while (in >> token) {
        if (token == "|") {
            if (std::fabs(beat - barStart - 4.0) > 1e-9)
                Fail("bar of " + std::to_string(beat - barStart) + " beats in: " + line);
            barStart = beat;
            continue;
        }
        const size_t colon = token.find(':');
        if (colon == std::string::npos)
            Fail("token " + token);
        const double beats = std::atof(token.c_str() + colon + 1);
        const std::string name = token.substr(0, colon);
        if (name != "r")
            notes.push_back({beat, beats, PitchOf(name)});
        beat += beats;
    }
    if (beat != barStart && std::fabs(beat - barStart - 4.0) > 1e-9)
        Fail("last bar of " + std::to_string(beat - barStart) + " beats in: " + line);
    return notes;
}

std::vector<Chord> ParseChords(const std::string& line, double startBeat, double beatsEach) {
    std::vector<Chord> chords;
    std::istringstream in(line);
    std::string token;
    std::string previous;
    double beat = startBeat;
    while (in >> token) {
        if (token == previous) {
            chords.back().beats += beatsEach;
        } else {
            size_t pos = 1;
            const int root = (PitchClass(token[0]) + Accidental(token, pos) + 12) % 12;
            const bool minor = token.compare(pos, 1, "m") == 0;
            pos += minor ? 1 : 0;
            const bool seventh = token.compare(pos, 1, "7") == 0;
            pos += seventh ? 1 : 0;
            if (pos != token.size())
                Fail("chord " + token);
            chords.push_back({beat, beatsEach, root, minor, seventh});
        }
        previous = token;
        beat += beatsEach;
    }
    return chords;
}

int ThirdBelow(int pitch) {
    static const int kScale[] = {0, 2, 4, 5, 7, 9, 11};
    const int octave = pitch / 12;
    const int pitchClass = pitch % 12;
    for (int degree = 0; degree < 7; ++degree) {
        if (kScale[degree] == pitchClass) {
            const int target = degree - 2;
            return target >= 0 ? 12 * octave + kScale[target]
                               : 12 * (octave - 1) + kScale[target + 7];
        }
    }
    Fail("note " + std::to_string(pitch) + " is not in C major");
}

} // namespace music
