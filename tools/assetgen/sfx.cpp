#include "sfx.h"

#include <algorithm>
#include <cmath>

#include "common.h"

namespace ag::sfx {

void mix(Buf& dst, const Buf& src, double atSeconds, float gain) {
    const size_t at = frames(atSeconds);
    if (dst.size() < at + src.size()) dst.resize(at + src.size(), 0.f);
    for (size_t i = 0; i < src.size(); ++i) dst[at + i] += src[i] * gain;
}

float peakOf(const Buf& b) {
    float m = 0;
    for (float v : b) m = std::max(m, std::fabs(v));
    return m;
}

double hit(double t, double attack, double t60) {
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return synth::decay(t - attack, t60);
}

double swell(double t, double attack, double length, double release) {
    if (t < 0 || t > length) return 0;
    double v = 1;
    if (t < attack) v = 0.5 - 0.5 * std::cos(kPi * t / attack);
    double left = length - t;
    if (left < release) v *= 0.5 - 0.5 * std::cos(kPi * left / release);
    return v;
}

double glide(double t, double a, double b, double t0, double t1) {
    if (t <= t0) return a;
    if (t >= t1) return b;
    return a * std::pow(b / a, (t - t0) / (t1 - t0));
}

double line(double t, double a, double b, double t0, double t1) {
    if (t <= t0) return a;
    if (t >= t1) return b;
    return a + (b - a) * (t - t0) / (t1 - t0);
}

Buf tone(double seconds, const Curve& hz, const Curve& amp, synth::Wave w, double phase) {
    Buf out(frames(seconds));
    synth::Osc osc(w, phase);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / kRate;
        out[i] = osc.next(hz(t), kRate) * float(amp(t));
    }
    return out;
}

Buf noise(double seconds, const Curve& amp, uint64_t seed) {
    Buf out(frames(seconds));
    Rng rng(seed);
    for (size_t i = 0; i < out.size(); ++i) out[i] = synth::noise(rng) * float(amp(double(i) / kRate));
    return out;
}

Buf filter(const Buf& in, Pass kind, const Curve& hz, double q) {
    Buf out(in.size());
    const int k = kind == Pass::Low ? 0 : kind == Pass::High ? 1 : 2;
    synth::Biquad f;
    for (size_t i = 0; i < in.size(); ++i) {
        if ((i & 15) == 0) f.retune(hz(double(i) / kRate), q, kRate, k);
        out[i] = f.run(in[i]);
    }
    return out;
}

void saturate(Buf& b, double drive) {
    const double norm = 1.0 / std::tanh(drive);
    for (float& v : b) v = float(std::tanh(drive * v) * norm);
}

void thicken(Buf& b, double drive) {
    const float m = peakOf(b);
    if (m <= 0) return;
    for (float& v : b) v /= m;
    saturate(b, drive);
}

Buf brass(double hz, double held, float vel, double bright, double vibrato) {
    const synth::Adsr env{0.012f, 0.12f, 0.75f, 0.12f};
    Buf out(frames(env.length(held)));
    synth::Osc saws[3] = {synth::Osc(synth::Wave::Saw, 0.1), synth::Osc(synth::Wave::Saw, 0.4),
                          synth::Osc(synth::Wave::Saw, 0.7)};
    const double detune[3] = {std::pow(2.0, -6 / 1200.0), 1.0, std::pow(2.0, 7 / 1200.0)};
    synth::Biquad lp1, lp2;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / kRate;
        double f = hz * (1.0 - 0.03 * std::exp(-t / 0.015));
        if (vibrato > 0) f *= 1.0 + vibrato * std::sin(2 * kPi * 5.5 * t) * smoothstep(0.2f, 0.5f, float(t));
        if ((i & 15) == 0) {
            double cut = std::min(12000.0, hz * (1.5 + bright * (2.5 + 6.0 * hit(t, 0.02, 0.5))));
            lp1.retune(cut, 0.8, kRate, 0);
            lp2.retune(cut * 1.3, 0.7, kRate, 0);
        }
        float s = 0;
        for (int k = 0; k < 3; ++k) s += saws[k].next(f * detune[k], kRate);
        out[i] = lp2.run(lp1.run(s / 3.f)) * env.at(t, held) * vel;
    }
    return out;
}

Buf bubble(double hz, double seconds, float vel, double rise) {
    return tone(
        seconds, [=](double t) { return hz * (1.0 + rise * t / seconds); },
        [=](double t) { return vel * hit(t, 0.002, seconds); });
}

Vowel between(const Vowel& a, const Vowel& b, double x) {
    x = clampv(x, 0.0, 1.0);
    return {a[0] + (b[0] - a[0]) * x, a[1] + (b[1] - a[1]) * x, a[2] + (b[2] - a[2]) * x};
}

Buf formant(const Buf& source, const std::function<Vowel(double)>& vowel, double q) {
    Buf out(source.size());
    synth::Biquad f[3];
    const float g[3] = {1.f, 0.65f, 0.35f};
    for (size_t i = 0; i < source.size(); ++i) {
        if ((i & 31) == 0) {
            Vowel v = vowel(double(i) / kRate);
            for (int k = 0; k < 3; ++k) f[k].retune(v[size_t(k)], q, kRate, 2);
        }
        float s = 0;
        for (int k = 0; k < 3; ++k) s += f[k].run(source[i]) * g[k];
        out[i] = s;
    }
    return out;
}

Pcm finishMono(const Buf& b, float reverbWet, float room, double loudnessDb) {
    Pcm p(kRate, 1);
    p.chan(0) = b;
    if (reverbWet > 0) reverb(p, reverbWet, room);
    // Cut the tail once it has fallen 55 dB below the peak.
    auto& d = p.chan(0);
    const float floor = peak(p) * 0.0018f;
    size_t last = d.size();
    while (last > 0 && std::fabs(d[last - 1]) < floor) --last;
    d.resize(std::min(d.size(), last + frames(0.01)));
    removeDC(p);
    fadeIn(p, 0.003);
    // A sound cut while still loud (a charge-up) fades over 40 ms, not 10:
    // a shorter ramp clicks.
    fadeOut(p, std::min(0.04, p.seconds() / 4));
    level(p, loudnessDb, -3.0);
    endInSilence(p, 0.01);
    return p;
}

}  // namespace ag::sfx
