// Building blocks of the game's sound effects: mono float buffers at 44.1 kHz,
// tones and noises whose pitch and level follow functions of time, filters
// that glide, a brass voice for fanfares, a formant voice for the creatures,
// and the finishing step that turns a buffer into a game-ready Pcm.
#pragma once
#include <array>
#include <functional>
#include <vector>

#include "synth.h"
#include "wav.h"

namespace ag::sfx {

constexpr int kRate = 44100;
using Buf = std::vector<float>;
using Curve = std::function<double(double)>;  // a value at t seconds

inline size_t frames(double seconds) { return size_t(std::max(0.0, seconds) * kRate + 0.5); }
inline double midiHz(double key) { return synth::midiHz(key); }

// Adds src into dst at atSeconds (dst grows to fit).
void mix(Buf& dst, const Buf& src, double atSeconds, float gain = 1.f);
float peakOf(const Buf& b);

// ---- envelopes (t in seconds) ----
// Linear rise over `attack`, then exponential fall to -60 dB over t60.
double hit(double t, double attack, double t60);
// Raised-cosine rise over `attack`, level 1, raised-cosine fall over the
// last `release` of `length`; 0 outside [0, length].
double swell(double t, double attack, double length, double release);
// Exponential glide from a to b over [t0, t1], flat outside.
double glide(double t, double a, double b, double t0, double t1);
// Straight line from a to b over [t0, t1], flat outside.
double line(double t, double a, double b, double t0, double t1);

// ---- sources ----
// An oscillator whose frequency and level follow hz(t) and amp(t).
Buf tone(double seconds, const Curve& hz, const Curve& amp, synth::Wave w = synth::Wave::Sine, double phase = 0.0);
// White noise at level amp(t).
Buf noise(double seconds, const Curve& amp, uint64_t seed);

// ---- filters (the cutoff or centre may glide) ----
enum class Pass { Low, High, Band };
Buf filter(const Buf& in, Pass kind, const Curve& hz, double q = 0.707);
inline Buf bandNoise(double seconds, const Curve& hz, double q, const Curve& amp, uint64_t seed) {
    return filter(noise(seconds, amp, seed), Pass::Band, hz, q);
}
// Soft saturation (tanh) with make-up so that a full-scale sine stays about full scale.
void saturate(Buf& b, double drive);
// Brings the peak to 1 and saturates: short transients gain body.
void thicken(Buf& b, double drive);

// ---- voices ----
// A brass-like note: detuned saws through a low-pass that opens on the
// attack; a little scoop into the pitch and optional vibrato on long notes.
Buf brass(double hz, double held, float vel, double bright = 1.0, double vibrato = 0.0);
// A bubble or water drop: a sine rising in pitch as it decays.
Buf bubble(double hz, double seconds, float vel, double rise = 0.6);
// Vowel formants (centre frequencies in Hz) for the voice below.
using Vowel = std::array<double, 3>;
namespace vowel {
constexpr Vowel A{800, 1200, 2600}, I{300, 2300, 3000}, U{320, 800, 2300}, O{450, 850, 2500}, E{500, 1800, 2600};
}
// Blend of two vowels, x = 0 (a) .. 1 (b).
Vowel between(const Vowel& a, const Vowel& b, double x);
// A source (rich in harmonics) through three band-passes following vowel(t).
Buf formant(const Buf& source, const std::function<Vowel(double)>& vowel, double q = 6.0);

// ---- finishing ----
// Every effect sits at this loudness (dBFS RMS over its sounding part), so
// no cue jumps out or gets lost; the player's own small sounds (taking
// paint, painting) sit kSoftBelowDb under it.
constexpr double kEffectLoudnessDb = -16.5;
constexpr double kSoftBelowDb = 7.0;
// Mono Pcm with optional room (wet 0..1), the tail cut 55 dB down, DC removed,
// faded ends, brought to `loudnessDb` with peaks at most -3 dBFS, and ended in
// silence.
Pcm finishMono(const Buf& b, float reverbWet = 0.f, float room = 0.75f, double loudnessDb = kEffectLoudnessDb);

}  // namespace ag::sfx
