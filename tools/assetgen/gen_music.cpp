// The game's seven tunes, written as General MIDI loops: a melody over a
// chord chart, a bass line, and a pad or percussion. Every tune is a whole
// number of bars and its last bar leads back into its first, so the player
// that repeats the file never stops.
//
// Melodies are in the note text of score.h: "f#5q." is a dotted-quarter F#
// above middle C's octave, "|" marks bar lines for the reader.
#include <string>

#include "families.h"
#include "midi.h"
#include "output.h"
#include "score.h"

namespace ag {

namespace {

using score::Chord;
using score::Song;
using score::Voice;

// Places a melody that must fill exactly `bars` bars from `atBar`.
void phrase(Song& s, Voice v, int atBar, int bars, const std::string& line, int vel, int transpose = 0,
            double gate = 0.92) {
    uint32_t end = s.play(v, atBar, line, vel, transpose, gate);
    if (end != s.bar(atBar + bars))
        throw Failure("music: a phrase at bar " + std::to_string(atBar + 1) + " does not fill " +
                      std::to_string(bars) + " bars");
}

// The chords of a chart that start within bars [from, to).
std::vector<Chord> bars(const Song& s, const std::vector<Chord>& chart, int from, int to) {
    std::vector<Chord> out;
    for (const Chord& c : chart)
        if (c.at >= s.bar(from) && c.at < s.bar(to)) out.push_back(c);
    return out;
}

std::vector<Chord> chart(const Song& s, const std::string& text, int expectBars) {
    auto c = score::parseChart(text, s.bar(1));
    if (c.empty() || c.back().at + c.back().len != s.bar(expectBars))
        throw Failure("music: a chart does not fill " + std::to_string(expectBars) + " bars");
    return c;
}

// A short drum fill over the last `beats` beats of bar `b` (0-based), in sixteenths.
void fill(Song& s, Voice d, int b, int beats, const std::vector<int>& keys, int vel) {
    const uint32_t six = s.sixteenth();
    uint32_t t = s.bar(b + 1) - uint32_t(beats) * 4 * six;
    for (int i = 0; i < beats * 4; ++i, t += six)
        s.midi().drum(d.track, t, keys[size_t(i) * keys.size() / size_t(beats * 4)], vel + i * 2);
}

// ---------------------------------------------------------------- title
// D major, 120 bpm, 24 bars (48 s). Flute tune over bouncing piano, strings
// and a light pop beat; the glockenspiel joins for the second verse and the
// bridge climbs to A6 before running back down into the opening A.
Midi titleTune() {
    Song s(120);
    s.level(1);
    const int N = 24;
    auto ch = chart(s,
                    "D Bm G A D Bm Em7:0.5 A7:0.5 D "
                    "D Bm G A F#m Bm G:0.5 A7:0.5 D "
                    "G A F#m Bm Em7 F#m7 G Asus4:0.5 A7:0.5",
                    N);
    Voice flute = s.voice("flute", 0, gm::Flute, 100, 72, 50);
    Voice glock = s.voice("glockenspiel", 1, gm::Glockenspiel, 62, 88, 60);
    Voice piano = s.voice("piano", 2, gm::AcousticGrand, 78, 48, 40);
    Voice strings = s.voice("strings", 3, gm::Strings, 60, 40, 60);
    Voice bass = s.voice("bass", 4, gm::AcousticBass, 96, 64, 20);
    Voice drums = s.drums(72, 30);

    const std::string verse1 =
        "a5q f#5e a5e d6q a5q | b5q. a5e f#5q d5q | d5q g5e b5e d6q. b5e | c#6q. b5e a5h | "
        "a5q f#5e a5e d6q e6q | f#6q. e6e d6q b5q | b5q g5q a5e b5e c#6e e6e | d6h. rq";
    const std::string verse2 =
        "a5q f#5e a5e d6q a5q | b5q. a5e f#5q d5q | d5q g5e b5e d6q. e6e | e6q. d6e c#6q a5q | "
        "c#6q a5e c#6e f#6q e6q | d6q. c#6e b5q f#5q | g5q b5q a5q. g5e | f#5q. e5e d5h";
    const std::string bridge =
        "g5q b5q d6h | c#6q. b5e a5h | f#5q a5q c#6h | b5q. a5e f#5h | "
        "g5q b5q e6q. d6e | e6q c#6e e6e a6h | g6q. f#6e e6q d6q | e6q d6q c#6e b5e c#6e b5e";
    phrase(s, flute, 0, 8, verse1, 84);
    phrase(s, flute, 8, 8, verse2, 86);
    phrase(s, flute, 16, 8, bridge, 88);
    phrase(s, glock, 8, 8, verse2, 52, 0, 0.5);
    phrase(s, glock, 16, 8, bridge, 48, 0, 0.5);

    const uint32_t eighth = s.sixteenth() * 2;
    s.figure(piano, ch, "01232123", eighth, 62, 50, 52, 0.8);
    s.pad(strings, ch, 57, 50);
    s.figure(bass, ch, "R--RF-O-", eighth, 36, 36, 80, 0.85);

    const uint32_t six = s.sixteenth();
    s.beat(drums, drums::Kick, 0, N, "x.......x.x.....", six, 70);
    s.beat(drums, drums::Snare, 0, N, "....x.......x...", six, 50);
    s.beat(drums, drums::ClosedHat, 0, N, "x.o.x.o.x.o.x.o.", six, 42);
    s.beat(drums, drums::Tambourine, 16, N, "....x.......x...", six, 40);
    for (int b : {0, 8, 16}) s.midi().drum(drums.track, s.bar(b), drums::Crash, 62);
    for (int b : {7, 15, 23}) fill(s, drums, b, 1, {drums::HighTom, drums::HighTom, drums::MidTom, drums::MidTom}, 46);
    s.close(N);
    return s.midi();
}

// ---------------------------------------------------------------- 1: pastoral
// G major in 6/8 (dotted quarter 58), 32 bars (66 s). A flute siciliano
// over a rolling harp and strings; a clarinet answers in the second verse,
// an oboe sings under the last one, whose final bar steps down into the
// tune's first note.
Midi pastoralTune() {
    Song s(87, 6, 8);
    s.level(1);
    const int N = 32;
    auto ch = chart(s,
                    "G C G D Em C Am:0.5 D7:0.5 G "
                    "G C G D Em Bm C:0.5 D7:0.5 G "
                    "Em Bm C G Am Em C:0.5 G/B:0.5 D "
                    "Em Bm C G Am7 D C:0.5 Am7:0.5 D7sus4:0.5 D7:0.5",
                    N);
    Voice flute = s.voice("flute", 0, gm::Flute, 100, 70, 55);
    Voice clarinet = s.voice("clarinet", 1, gm::Clarinet, 80, 44, 50);
    Voice oboe = s.voice("oboe", 2, gm::Oboe, 78, 40, 50);
    Voice harp = s.voice("harp", 3, gm::Harp, 86, 84, 55);
    Voice strings = s.voice("strings", 4, gm::Strings, 62, 52, 65);
    Voice cello = s.voice("cello", 5, gm::Cello, 82, 58, 40);

    phrase(s, flute, 0, 8,
           "d5e g5e a5e b5q. | c6q e6e d6q c6e | b5q a5e g5q d5e | f#5q g5e a5q. | "
           "b5q e6e d6q b5e | c6q e6e g5q. | e6e c6e a5e c6e a5e f#5e | g5q. rq.",
           82);
    phrase(s, flute, 8, 8,
           "d5e g5e a5e b5e c6e d6e | e6q g6e e6q c6e | d6q b5e g5q b5e | a5q f#5e a5q d6e | "
           "e6q. d6e b5e g5e | f#5q b5e d6q. | e6e d6e c6e a5e b5e c6e | b5q. g5q.",
           84);
    phrase(s, flute, 16, 8,
           "b5q. a5e g5e e5e | f#5q. d5q. | e5e g5e c6e e6q. | d6q b5e g5q. | "
           "c6q. b5e a5e g5e | b5q. e5q. | e5e g5e c6e b5e a5e g5e | a5h.",
           80);
    phrase(s, flute, 24, 8,
           "e6q. d6e c6e b5e | d6q b5e f#5q. | g5e a5e b5e c6e d6e e6e | g6q. d6q. | "
           "e6q c6e a5q c6e | f#6q. e6e d6e c6e | e6e d6e c6e a5e b5e c6e | d6q c6e a5e f#5e e5e",
           86);
    phrase(s, clarinet, 8, 8,
           "b4q. d5q. | c5q. e5q. | d5q. b4q. | a4q. f#4q. | g4q. b4q. | d5q. b4q. | c5q. a4q. | b4q. d5q.", 60);
    phrase(s, oboe, 24, 8,
           "g4q. b4q. | f#4q. d4q. | e4q. g4q. | b4q. d5q. | c5q. a4q. | a4q. f#4q. | g4q. e4q. | g4q. f#4q.", 62);

    const uint32_t eighth = s.sixteenth() * 2;
    s.figure(harp, ch, "R01210", eighth, 55, 43, 58, 1.6);
    s.pad(strings, ch, 55, 46);
    s.figure(cello, ch, "R--F--", eighth, 36, 36, 68, 0.95);
    s.close(N);
    return s.midi();
}

// ---------------------------------------------------------------- 2: rain
// D minor, 72 bpm, 20 bars (67 s). A piano thinks aloud over its own
// rolling left hand and a warm pad, the bass walking down D C Bb A; from
// the ninth bar a celesta drips like rain off the leaves.
Midi rainTune() {
    Song s(72);
    s.level(3);
    const int N = 20;
    auto ch = chart(s,
                    "Dm Dm/C Bbmaj7 A7sus4:0.5 A7:0.5 Gm7 C7 Fmaj7 Em7b5:0.5 A7:0.5 "
                    "Bbmaj7 C Am7 Dm7 Gm7 C7 Fmaj7 Bbmaj7 "
                    "Gm7 Em7b5 A7sus4 A7",
                    N);
    Voice piano = s.voice("piano", 0, gm::AcousticGrand, 116, 70, 50);
    Voice left = s.voice("piano left hand", 1, gm::AcousticGrand, 100, 52, 50);
    Voice pad = s.voice("pad", 2, gm::PadWarm, 96, 40, 70, 30);
    Voice bass = s.voice("bass", 3, gm::AcousticBass, 104, 60, 30);
    Voice rain = s.voice("raindrops", 4, gm::Celesta, 82, 96, 80);

    phrase(s, piano, 0, 8,
           "rq a4e d5e f5q. e5e | d5h rq a4q | d5e. c5s d5e f5e a5q. g5e | g5q. f5e e5h | "
           "rq bb4e d5e g5q. f5e | e5h rq c5q | a4q c5e f5e a5q. g5e | g5q. e5e c#5q a4q",
           90);
    phrase(s, piano, 8, 8,
           "f5h. d5q | e5q. f5e g5h | e5h. c5q | d5q. e5e f5h | "
           "bb5q. a5e g5q f5q | e5q. d5e e5q g5q | a5h. g5e f5e | d5w",
           92);
    phrase(s, piano, 16, 4, "rq g4e bb4e d5q. f5e | e5q. d5e bb4h | d5h. e5q | c#5h. e5q", 88);

    const uint32_t eighth = s.sixteenth() * 2;
    s.figure(left, ch, "RF01210F", eighth, 60, 43, 60, 1.4);
    s.pad(pad, ch, 53, 58);
    s.figure(bass, ch, "R-------", eighth, 31, 31, 74, 0.97);
    s.figure(rain, bars(s, ch, 8, N), "......2.....1......3.......0....", s.sixteenth(), 84, 84, 48, 1.0);
    s.close(N);
    return s.midi();
}

// ---------------------------------------------------------------- 3: heights
// E minor, 100 bpm, 24 bars (58 s). Harp sixteenths never settle; the flute
// hangs on suspensions, the oboe lifts the middle into E dorian (A major
// over an E pedal), a clarinet shadows the return. Tremolo strings and a
// staccato bassoon keep a nervous pulse.
Midi heightsTune() {
    Song s(100);
    s.level(2.5);
    const int N = 24;
    auto ch = chart(s,
                    "Em Cmaj7 Am7 B7sus4:0.5 B7:0.5 Em Cmaj7 Am7:0.5 D:0.5 Bsus4:0.5 B:0.5 "
                    "Em A/E Em A/E Cmaj7 D Bm7 B7 "
                    "Em Cmaj7 Am7 B7sus4:0.5 B7:0.5 Em Cmaj7 Am7:0.5 D:0.5 Bsus4:0.5 B:0.5",
                    N);
    Voice flute = s.voice("flute", 0, gm::Flute, 100, 76, 60);
    Voice oboe = s.voice("oboe", 1, gm::Oboe, 88, 60, 55);
    Voice clarinet = s.voice("clarinet", 2, gm::Clarinet, 78, 44, 55);
    Voice harp = s.voice("harp", 3, gm::Harp, 88, 88, 60);
    Voice tremolo = s.voice("tremolo strings", 4, gm::TremoloStrings, 52, 36, 70);
    Voice bassoon = s.voice("bassoon", 5, gm::Bassoon, 84, 56, 40);

    const std::string theme =
        "b5h. a5e g5e | e5h. g5q | a5q. b5e c6q e6q | e6h d#6q b5q | "
        "b5h. a5e g5e | e5q g5e b5e e6h | c6q. b5e a5q f#5q | e5h d#5q f#5q";
    phrase(s, flute, 0, 8, theme, 80);
    phrase(s, oboe, 8, 8,
           "g5q. a5e b5h | c#6q. b5e a5h | g5q. a5e b5q e6q | c#6q. d6e e6h | "
           "g6q. f#6e e6h | f#6q. e6e d6h | d6q. c#6e b5q a5q | f#5q a5q d#6q f#6q",
           80, -12);
    phrase(s, flute, 16, 8, theme, 84);
    phrase(s, clarinet, 16, 8, "g4h e4h | c5h b4h | a4h c5h | b4h a4h | g4h b4h | g4h. e4q | e4h f#4h | f#4w", 58);

    const uint32_t six = s.sixteenth();
    s.figure(harp, ch, "R0123212", six, 55, 40, 54, 2.0);
    s.pad(tremolo, ch, 52, 40);
    s.figure(bassoon, ch, "R-RFR-O-", six * 2, 40, 40, 64, 0.55);
    s.close(N);
    return s.midi();
}

// ---------------------------------------------------------------- 4: dusk
// F major waltz, 138 bpm, 48 bars of 3/4 (63 s). Accordion tune, an oboe
// middle strain in D minor, oom-pah-pah from bass and guitar under soft
// strings; the return darkens once to B-flat minor before going home.
Midi duskTune() {
    Song s(138, 3, 4);
    s.level(4);
    const int N = 48;
    auto ch = chart(s,
                    "F:2 Am:2 Bb:2 C7:2 F:2 Dm:2 Gm C7 F C7 "
                    "Dm:2 A7:2 Dm:2 Gm A7 Bb:2 F:2 G7:2 C7:2 "
                    "F:2 Am:2 Bb Bbm F D7 Gm:2 C7:2 F Dm Gm C7",
                    N);
    Voice accordion = s.voice("accordion", 0, gm::Accordion, 92, 70, 45);
    Voice oboe = s.voice("oboe", 1, gm::Oboe, 92, 58, 50);
    Voice guitar = s.voice("guitar", 2, gm::NylonGuitar, 84, 44, 35);
    Voice strings = s.voice("strings", 3, gm::SlowStrings, 58, 84, 60);
    Voice bass = s.voice("bass", 4, gm::AcousticBass, 96, 60, 25);
    Voice drums = s.drums(54, 30);

    phrase(s, accordion, 0, 16,
           "c5q f5q a5q | c6h a5q | e5q a5q c6q | e6h c6q | d6q. c6e bb5q | f5h d5q | e5q g5q bb5q | c6h bb5q | "
           "a5q. g5e f5q | c5h a4q | d5q f5q a5q | d6h c6q | bb5q. a5e g5q | g5h e5q | f5h. | g5q e5q c5q",
           78);
    phrase(s, oboe, 16, 16,
           "f5q. e5e d5q | a5h. | g5q. f5e e5q | c#5h. | d5q f5q a5q | d6h. | d6q. c6e bb5q | a5h. | "
           "bb5q. c6e d6q | f6h d6q | c6q. bb5e a5q | f5h. | g5q. a5e b5q | d6h f5q | e5q g5q c6q | bb5h g5q",
           76);
    phrase(s, accordion, 32, 16,
           "c5q f5q a5q | c6h a5q | e5q a5q c6q | e6h c6q | d6q. c6e bb5q | f5q bb5q db6q | c6h. | a5q f#5q c6q | "
           "bb5q. a5e g5q | d6h bb5q | g5q. f5e e5q | g5h e5q | f5q. g5e a5q | d6h a5q | bb5q. a5e g5q | g5q e5q d5q",
           80);

    const uint32_t quarter = s.sixteenth() * 4;
    s.figure(bass, ch, "R..v..", quarter, 36, 36, 76, 0.8);
    s.figure(guitar, ch, ".cc", quarter, 55, 55, 48, 0.55);
    s.pad(strings, ch, 53, 40);
    s.beat(drums, drums::Shaker, 0, N, "x.o.o.", s.sixteenth() * 2, 34);
    s.close(N);
    return s.midi();
}

// ---------------------------------------------------------------- 5: raid
// C minor, 152 bpm, 32 bars (51 s). Pizzicato strings drive eighths under
// a bowed string tune, brass stabs in the second and fourth strains,
// timpani on every downbeat, a rock beat with tom fills; the last bar's G7
// falls straight back into the opening C.
Midi raidTune() {
    Song s(152);
    s.level(-4);
    const int N = 32;
    auto ch = chart(s,
                    "Cm Cm Ab Ab Fm Fm G G "
                    "Cm Cm Ab Bb Fm Ab:0.5 Bb:0.5 G G "
                    "Fm Cm Fm Cm Ab Bb G G "
                    "Ab Bb Cm Cm Ab Fm Dm7b5 G7",
                    N);
    Voice strings = s.voice("strings", 0, gm::Strings, 100, 64, 40);
    Voice pizz = s.voice("pizzicato", 1, gm::PizzicatoStrings, 96, 44, 35);
    Voice brass = s.voice("brass", 2, gm::Brass, 74, 80, 40);
    Voice bass = s.voice("bass", 3, gm::FingerBass, 94, 60, 15);
    Voice timpani = s.voice("timpani", 4, gm::Timpani, 84, 64, 45);
    Voice drums = s.drums(78, 25);

    phrase(s, strings, 0, 8,
           "c5q. d5e eb5q g5q | f5e eb5e d5e eb5e c5h | c5q. d5e eb5q ab5q | g5e ab5e g5e f5e eb5h | "
           "f5q. g5e ab5q c6q | bb5e ab5e g5e f5e ab5h | g5q. f5e d5q b4q | d5q f5q g5h",
           80);
    phrase(s, strings, 8, 8,
           "g5q. ab5e g5q eb5q | c6q. bb5e g5h | ab5q. g5e ab5q c6q | d6q. c6e bb5h | "
           "c6q ab5q f5q ab5q | c6q eb6q d6q f6q | g6h. f6q | d6q b5q g5q b5q",
           84);
    phrase(s, strings, 16, 8,
           "f5e' f5e' ab5e c6e' rq c6e bb5e | g5q. eb5e c5h | f5e' f5e' ab5e c6e' rq eb6e d6e | c6q. g5e eb5h | "
           "ab5q. bb5e c6q eb6q | d6q. c6e bb5q f5q | g5q b5q d6q f6q | g6h. rq",
           82);
    phrase(s, strings, 24, 8,
           "eb6q. c6e ab5h | f6q. d6e bb5h | g6q. eb6e c6q g5q | ab5e g5e f5e eb5e d5e eb5e f5e g5e | "
           "c6q. bb5e ab5q c6q | ab5q. g5e f5q ab5q | ab5q f5q d5q f5q | g5q f5q d5q b4q",
           86);

    const uint32_t eighth = s.sixteenth() * 2;
    s.figure(pizz, ch, "0121", eighth, 55, 55, 64, 0.6);
    s.figure(bass, ch, "R-R-R-FO", eighth, 36, 36, 82, 0.8);
    for (int from : {8, 24}) s.figure(brass, bars(s, ch, from, from + 8), "c..c..c.", eighth, 60, 60, 66, 0.4);
    s.figure(timpani, ch, "R-------", eighth, 36, 36, 70, 0.9);

    const uint32_t six = s.sixteenth();
    s.beat(drums, drums::Kick, 0, N, "x.....x.x.......", six, 74);
    s.beat(drums, drums::Snare, 0, N, "....x..o....x.o.", six, 66);
    s.beat(drums, drums::ClosedHat, 0, N, "x.x.x.x.x.x.x.x.", six, 48);
    for (int b : {0, 8, 16, 24}) s.midi().drum(drums.track, s.bar(b), drums::Crash, 72);
    for (int b : {7, 15, 23, 31})
        fill(s, drums, b, 2, {drums::Snare, drums::HighTom, drums::MidTom, drums::LowTom}, 60);
    s.close(N);
    return s.midi();
}

// ---------------------------------------------------------------- ending
// E-flat major, 78 bpm, 24 bars (74 s). Horns sing the theme over strings,
// the violins take it up an octave with the horns answering, then the
// whole orchestra climbs to the high E-flat; a timpani roll on the last
// B-flat seventh carries the loop home.
Midi endingTune() {
    Song s(78);
    s.level(-4);
    const int N = 24;
    auto ch = chart(s,
                    "Eb Bb/D Cm Ab Eb/Bb Ab Fm7:0.5 Bb7:0.5 Eb "
                    "Eb Bb/D Cm Gm/Bb Ab Eb/G Fm7:0.5 Bb7:0.5 Eb "
                    "Ab Bb Gm7 Cm7 Fm7 Gm7 Abmaj7 Bbsus4:0.5 Bb7:0.5",
                    N);
    Voice horn = s.voice("horns", 0, gm::FrenchHorn, 100, 52, 55);
    Voice violins = s.voice("violins", 1, gm::Strings, 100, 76, 60);
    Voice strings = s.voice("string pad", 2, gm::SlowStrings, 70, 60, 70);
    Voice harp = s.voice("harp", 3, gm::Harp, 80, 90, 60);
    Voice bass = s.voice("basses", 4, gm::Contrabass, 90, 56, 40);
    Voice trombone = s.voice("trombones", 5, gm::Trombone, 64, 40, 50);
    Voice timpani = s.voice("timpani", 6, gm::Timpani, 86, 64, 50);
    Voice drums = s.drums(60, 60);

    phrase(s, horn, 0, 8,
           "g4q. ab4e bb4h | f4q. g4e f4q d4q | eb4q g4q c5q. bb4e | ab4q. bb4e c5h | "
           "bb4q. g4e eb5h | eb5q. d5e c5h | c5q ab4q bb4q f4q | eb4h. rq",
           84);
    phrase(s, violins, 8, 8,
           "g5q. ab5e bb5h | f5q. g5e f5q d5q | eb5q g5q c6q. bb5e | bb5q. c6e d6h | "
           "eb6q. d6e c6q ab5q | g5q bb5q eb6h | f6q. eb6e d6q bb5q | eb6h. rq",
           82);
    phrase(s, horn, 8, 8, "bb3h eb4h | d4h f4h | c4h eb4h | d4h bb3h | c4h eb4h | bb3h g4h | ab4h f4h | g4w", 64);
    const std::string climb =
        "c6q. bb5e ab5q eb5q | d5q f5q bb5h | d6q. c6e bb5q g5q | c6h. bb5q | "
        "ab5q. g5e f5q c6q | bb5q. ab5e g5q d6q | eb6h. d6e c6e | bb5h ab5q f5q";
    phrase(s, violins, 16, 8, climb, 90);
    phrase(s, horn, 16, 8, climb, 80, -12);

    const uint32_t eighth = s.sixteenth() * 2;
    s.pad(strings, ch, 55, 50);
    s.figure(harp, bars(s, ch, 8, N), "R0123210", eighth, 58, 39, 50, 1.5);
    s.figure(bass, ch, "R---F---", eighth, 31, 31, 70, 0.95);
    s.pad(trombone, bars(s, ch, 16, N), 48, 50);

    // timpani: a soft stroke to open, a strong one at the climb, a roll home
    s.midi().note(timpani.track, timpani.channel, s.bar(0), s.bar(0.5), 39, 64);
    s.midi().note(timpani.track, timpani.channel, s.bar(16), s.bar(0.5), 44, 92);
    const uint32_t roll = s.sixteenth() / 2;
    for (uint32_t t = s.bar(23.5), i = 0; t < s.bar(24); t += roll, ++i)
        s.midi().note(timpani.track, timpani.channel, t, roll, 46, 40 + int(i) * 3);
    s.midi().drum(drums.track, s.bar(16), drums::Crash, 70);
    s.midi().drum(drums.track, s.bar(8), drums::Ride, 40);
    s.close(N);
    return s.midi();
}

}  // namespace

void genMusic(Output& out) {
    out.midi("mid/tam-n11.mid", titleTune());
    out.midi("mid/1.mid", pastoralTune());
    out.midi("mid/2.mid", rainTune());
    out.midi("mid/3.mid", heightsTune());
    out.midi("mid/4.mid", duskTune());
    out.midi("mid/5.mid", raidTune());
    out.midi("mid/kake17gm.mid", endingTune());
}

}  // namespace ag
