// Sound synthesis: oscillators, envelopes, filters, sweeps, and the small
// set of instrument voices that the game's effects and music beds share.
// Voices return mono sample vectors to be placed with mixMono().
#pragma once
#include <cmath>
#include <vector>

#include "common.h"

namespace ag::synth {

inline double midiHz(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

enum class Wave { Sine, Saw, Square, Triangle };

// Band-limited (polyBLEP) oscillator with its own phase.
class Osc {
public:
    explicit Osc(Wave w = Wave::Sine, double phase = 0.0) : wave_(w), phase_(phase) {}
    // Next sample at frequency hz for the given sample rate; pw = pulse width.
    float next(double hz, int rate, float pw = 0.5f);
    double phase() const { return phase_; }

private:
    Wave wave_;
    double phase_;
    float tri_ = 0.f;
};

// Attack, decay, sustain level, release (seconds).
struct Adsr {
    float a = 0.005f, d = 0.1f, s = 0.7f, r = 0.2f;
    // Level at time t of a note held for `held` seconds.
    float at(double t, double held) const;
    double length(double held) const { return held + r; }
};

// Exponential decay to -60 dB over t60 seconds.
inline float decay(double t, double t60) { return float(std::exp(-6.9077552789821 * t / t60)); }
// Frequency gliding exponentially from f0 to f1 over dur seconds (then f1).
double sweep(double f0, double f1, double t, double dur);

struct OnePole {
    float a = 0, z = 0;
    bool high = false;
    static OnePole lowpass(double cutoff, int rate);
    static OnePole highpass(double cutoff, int rate);
    float run(float x) {
        z += a * (x - z);
        return high ? x - z : z;
    }
};

// RBJ biquad; q about 0.7 is flat, higher rings.
struct Biquad {
    float b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
    static Biquad lowpass(double hz, double q, int rate);
    static Biquad highpass(double hz, double q, int rate);
    static Biquad bandpass(double hz, double q, int rate);  // 0 dB peak
    void retune(double hz, double q, int rate, int kind);    // kind 0 low, 1 high, 2 band
    float run(float x) {
        float y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// White noise in [-1, 1).
inline float noise(Rng& r) { return float(r.bipolar()); }

// ---- Voices (mono, peak roughly vel) ----

// Struck bell: inharmonic partials, long ring.
std::vector<float> bell(int rate, double hz, double seconds, float vel = 0.8f);
// Soft felt piano: harmonic partials that fade faster the higher they are.
std::vector<float> softPiano(int rate, double hz, double held, float vel = 0.7f);
// Music-box / celesta tine: bright, short and sweet.
std::vector<float> tine(int rate, double hz, double seconds, float vel = 0.7f);
// Warm pad: a few detuned saws per key through a gentle low-pass.
std::vector<float> pad(int rate, const std::vector<double>& hz, double held, double attack, double release,
                       float brightness = 0.4f, float vel = 0.5f, uint64_t seed = 1);
// Breathy flute-like tone with a little vibrato.
std::vector<float> flute(int rate, double hz, double held, float vel = 0.6f, uint64_t seed = 1);
// Plucked string (Karplus-Strong).
std::vector<float> pluck(int rate, double hz, double seconds, float vel = 0.7f, float brightness = 0.5f,
                         uint64_t seed = 1);
// Filtered noise burst (band-pass around hz), for whooshes and splashes.
std::vector<float> noiseBurst(int rate, double seconds, double hzFrom, double hzTo, double q, const Adsr& env,
                              uint64_t seed = 1);

}  // namespace ag::synth
