// Standard MIDI Files (format 1) for the game's music, and a few helpers to
// compose with: General MIDI programs and drum keys, scales and chords.
//
// Time is in ticks (ppq ticks per quarter note). A song is a loop: setLength()
// fixes its end to a whole number of bars; every track then ends exactly
// there, notes still sounding at the end are released on it, and nothing
// starts at or after it, so playback that repeats the file is seamless.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace ag {

class Midi {
public:
    explicit Midi(int ppq = 480, int beatsPerBar = 4, int beatUnit = 4);

    int ppq() const { return ppq_; }
    uint32_t beat() const { return uint32_t(ppq_) * 4 / uint32_t(unit_); }  // one beat of the bar
    uint32_t bar(double n = 1.0) const { return uint32_t(n * perBar_ * beat() + 0.5); }
    uint32_t beats(double n) const { return uint32_t(n * beat() + 0.5); }

    // A new track (the conductor track with tempo and metre is made by the
    // constructor and is not returned). Returns its index for the calls below.
    int addTrack(const std::string& name);

    void tempo(double bpm, uint32_t tick = 0);
    void program(int track, int channel, int gmProgram, uint32_t tick = 0);  // gmProgram 0..127
    void control(int track, int channel, int controller, int value, uint32_t tick = 0);
    void volume(int track, int channel, int v, uint32_t tick = 0) { control(track, channel, 7, v, tick); }
    void pan(int track, int channel, int v, uint32_t tick = 0) { control(track, channel, 10, v, tick); }
    void reverb(int track, int channel, int v, uint32_t tick = 0) { control(track, channel, 91, v, tick); }
    void note(int track, int channel, uint32_t tick, uint32_t duration, int key, int velocity);
    void chord(int track, int channel, uint32_t tick, uint32_t duration, const std::vector<int>& keys, int velocity);
    // Channel 10 (index 9); a drum hit lasts a sixteenth unless told.
    void drum(int track, uint32_t tick, int key, int velocity, uint32_t duration = 0);
    void marker(const std::string& text, uint32_t tick);

    // Loop length in ticks; must be a whole number of bars (throws otherwise).
    void setLength(uint32_t ticks);
    uint32_t length() const { return length_; }

    std::vector<uint8_t> bytes() const;  // throws if no length was set
    void write(const std::string& path) const;

private:
    struct Event {
        uint32_t tick;
        int order;  // at one tick: meta, controls, note-offs, note-ons
        std::vector<uint8_t> data;
    };
    struct Track {
        std::string name;
        std::vector<Event> events;
    };
    void add(int track, uint32_t tick, int order, std::vector<uint8_t> data);

    int ppq_, perBar_, unit_;
    uint32_t length_ = 0;
    std::vector<Track> tracks_;
};

// General MIDI program numbers (0-based) used by the game's music.
namespace gm {
constexpr int AcousticGrand = 0, BrightPiano = 1, ElectricPiano = 4, Harpsichord = 6, Celesta = 8,
              Glockenspiel = 9, MusicBox = 10, Vibraphone = 11, Marimba = 12, Xylophone = 13, TubularBells = 14,
              Organ = 19, Accordion = 21, Harmonica = 22, NylonGuitar = 24, SteelGuitar = 25, AcousticBass = 32,
              FingerBass = 33, Violin = 40, Cello = 42, Contrabass = 43, TremoloStrings = 44,
              PizzicatoStrings = 45, Harp = 46, Timpani = 47, Strings = 48, SlowStrings = 49, Choir = 52,
              Trumpet = 56, Trombone = 57, Tuba = 58, FrenchHorn = 60, Brass = 61, Oboe = 68, EnglishHorn = 69,
              Bassoon = 70, Clarinet = 71, Piccolo = 72, Flute = 73, Recorder = 74, PanFlute = 75, Ocarina = 79,
              PadWarm = 89, PadChoir = 91, PadHalo = 94;
}
// General MIDI drum keys (channel 10).
namespace drums {
constexpr int Kick = 36, Stick = 37, Snare = 38, Clap = 39, LowTom = 45, ClosedHat = 42, PedalHat = 44,
              OpenHat = 46, MidTom = 47, HighTom = 50, Crash = 49, Ride = 51, Tambourine = 54, Cowbell = 56,
              Shaker = 70, MuteTriangle = 80, OpenTriangle = 81;
}

// Notes and harmony. Keys are MIDI note numbers (60 = middle C).
namespace music {

enum class Mode { Major, Minor, Dorian, Mixolydian, PentatonicMajor, PentatonicMinor, Harmonic };

struct Scale {
    int root;  // MIDI key of degree 0
    Mode mode;
    // Key of a scale degree (0-based, may be negative or beyond one octave).
    int degree(int d) const;
    int size() const;
};

enum class ChordKind { Major, Minor, Dim, Aug, Sus2, Sus4, Major7, Minor7, Dom7, Add9 };
std::vector<int> chord(int root, ChordKind kind);
// The triad (or seventh when seventh is true) built on a scale degree.
std::vector<int> triad(const Scale& s, int degree, bool seventh = false);
// Shift keys by octaves so the lowest lies in [lo, lo + 12).
std::vector<int> voiceNear(std::vector<int> keys, int lo);

}  // namespace music

}  // namespace ag
