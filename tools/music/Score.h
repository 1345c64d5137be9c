// Reading the tune from its written form: note lines such as
// "G4:.5 C5:1 r:1 | ..." (name:beats, r for a rest, | at every bar line)
// and chord lines such as "C Am F G7" (one chord per token).
#pragma once

#include <string>
#include <vector>

namespace music {

struct Note {
    double beat;  // start, in beats from the top of the loop
    double beats; // written length
    int pitch;    // MIDI note number
};

struct Chord {
    double beat;
    double beats;
    int root; // pitch class, 0 = C
    bool minor;
    bool seventh;
    // The chord's pitch classes, root first.
    std::vector<int> Tones() const;
};

// MIDI number of a note name such as "C5" or "F#4"; exits on a bad name.
int PitchOf(const std::string& name);

// Parses a note line starting at startBeat; exits if a bar does not hold
// exactly four beats, so a slip in the written tune cannot go unnoticed.
std::vector<Note> ParseNotes(const std::string& line, double startBeat);

// Parses a chord line, each token lasting beatsEach; repeated neighbours are
// merged into one longer chord.
std::vector<Chord> ParseChords(const std::string& line, double startBeat, double beatsEach);

// The note a diatonic third below pitch in C major.
int ThirdBelow(int pitch);

} // namespace music
