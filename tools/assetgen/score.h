// Writing the game's tunes as text: melodies as note tokens, harmony as a
// chord chart, and the accompaniment figures (pads, broken chords, bass
// lines, drum grids) that turn a chart into parts of a Midi loop.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "midi.h"

namespace ag::score {

// ---- melodies ----

// One note (or chord) of a melody line; times in ticks from the line's start.
struct Note {
    uint32_t at = 0, len = 0;
    std::vector<int> keys;  // empty for a rest
    bool accent = false, staccato = false;
};

// "c4" is middle C (60); "f#5" 78; "bb3" 58. Throws Failure on anything else.
int keyOf(const std::string& pitch);

// A melody line: tokens separated by blanks, each pitch(es) then length.
//   pitch   as keyOf(), or "r" for a rest; "c4+e4+g4" sounds together
//   length  letters added up: w h q e s (whole .. sixteenth), t (a third
//           of a quarter: triplet eighth); '.' adds half of the letter
//           before it ("q." dotted quarter, "hq" three quarters)
//   marks   a leading '>' accents the note, a trailing '\'' plays it short
// '|' tokens are ignored and only help reading bar lines.
std::vector<Note> parseLine(const std::string& text, int ppq);
uint32_t lengthOf(const std::vector<Note>& line);

// ---- harmony ----

struct Chord {
    uint32_t at = 0, len = 0;
    int root = 0;            // pitch class 0..11 (C = 0)
    std::vector<int> tones;  // semitones above the root, root included
    int bass = 0;            // pitch class of the bass (the root unless a slash chord)
};

// Symbols with an optional length in bars: "C Am7 F/A:0.5 G7:0.5 Bbmaj7".
// Qualities: (major) m 7 m7 maj7 m7b5 dim dim7 aug sus2 sus4 7sus4 6 m6 add9 9 m9.
std::vector<Chord> parseChart(const std::string& text, uint32_t barTicks, uint32_t start = 0);

// Keys of the chord's tones, stacked upward from its lowest tone at or above
// lo; inversion chosen to move least from `prev` (if given).
std::vector<int> voicing(const Chord& c, int lo, const std::vector<int>& prev = {});

// ---- a song being written ----

struct Voice {
    int track = 0, channel = 0;
};

class Song {
public:
    Song(double bpm, int beatsPerBar = 4, int beatUnit = 4);

    Midi& midi() { return midi_; }
    const Midi& midi() const { return midi_; }
    uint32_t bar(double n) const { return midi_.bar(n); }
    uint32_t sixteenth() const { return uint32_t(midi_.ppq() / 4); }

    // Scales the channel volumes of the voices made after it (dB), to even
    // out loudness between tunes.
    void level(double db) { levelDb_ = db; }
    // A part on its own track and channel with its instrument and mix.
    Voice voice(const std::string& name, int channel, int program, int volume, int pan = 64, int reverb = 40,
                int chorus = 0);
    // The drum track (channel 10).
    Voice drums(int volume, int reverb = 30);

    // Places a melody line starting at bar `atBar` (0-based); returns the tick
    // after its last note. Velocity follows the metre a little (downbeats
    // firmer) so that lines breathe; gate is the sounding part of each length.
    uint32_t play(Voice v, double atBar, const std::string& line, int velocity, int transpose = 0,
                  double gate = 0.92);

    // Sustained chords, voice-led, near `lo`. Chords that repeat are held.
    void pad(Voice v, const std::vector<Chord>& chart, int lo, int velocity);
    // A repeated figure over each chord, one character a step of `step` ticks:
    //   0-9  the chord's voicing near lo (upper tones are the lower ones an
    //        octave up), c the whole voicing at once;
    //   R    the bass note near bassLo, F the chord's fifth above it (or the
    //        chord tone nearest a fifth), T its third, S its seventh (or the
    //        octave), O the octave, v the fifth below, a a step leading to
    //        the next chord's bass;
    //   '-'  holds the step before, '.' is silent.
    // The figure restarts on each chord.
    void figure(Voice v, const std::vector<Chord>& chart, const std::string& pattern, uint32_t step, int lo,
                int bassLo, int velocity, double gate = 0.9);
    // Drum grid over bars [fromBar, toBar): 'x' a hit, 'X' an accent, 'o' a
    // ghost note, '.' nothing; one character a step of `step` ticks,
    // repeating.
    void beat(Voice v, int key, double fromBar, double toBar, const std::string& grid, uint32_t step, int velocity);

    // Ends the loop after `bars` whole bars.
    void close(int bars) { midi_.setLength(midi_.bar(bars)); }

private:
    int velAt(uint32_t tick, int velocity, bool accent) const;
    int scaledVolume(int v) const;
    Midi midi_;
    int beatsPerBar_;
    double levelDb_ = 0.0;
};

}  // namespace ag::score
