#include "synth.h"

#include <algorithm>

namespace ag::synth {

namespace {

float polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return float(t + t - t * t - 1.0);
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return float(t * t + t + t + 1.0);
    }
    return 0.f;
}

size_t frames(int rate, double seconds) { return size_t(std::max(0.0, seconds) * rate + 0.5); }

// Adds amp * sin(w i + phase) * decay(t, t60) by rotating a phasor (fast).
void addPartial(std::vector<float>& out, double w, double amp, double t60, int rate, double phase = 0.0) {
    const double cw = std::cos(w), sw = std::sin(w);
    const double k = std::exp(-6.9077552789821 / (t60 * rate));
    double c = std::cos(phase) * amp, s = std::sin(phase) * amp;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] += float(s);
        double nc = (c * cw - s * sw) * k, ns = (s * cw + c * sw) * k;
        c = nc;
        s = ns;
        if (std::fabs(s) + std::fabs(c) < 1e-7) break;
    }
}

}  // namespace

float Osc::next(double hz, int rate, float pw) {
    const double dt = std::min(0.49, std::fabs(hz) / rate);
    const double t = phase_;
    float v = 0.f;
    switch (wave_) {
        case Wave::Sine: v = float(std::sin(2.0 * kPi * t)); break;
        case Wave::Saw: v = float(2.0 * t - 1.0) - polyBlep(t, dt); break;
        case Wave::Square: {
            v = t < pw ? 1.f : -1.f;
            v += polyBlep(t, dt);
            v -= polyBlep(std::fmod(t + 1.0 - pw, 1.0), dt);
            break;
        }
        case Wave::Triangle: v = float(4.0 * std::fabs(t - 0.5) - 1.0); break;
    }
    phase_ += dt;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return v;
}

float Adsr::at(double t, double held) const {
    auto sustained = [this](double u) {
        if (u < 0) return 0.0;
        if (u < a) return u / std::max(1e-6, double(a));
        if (u < a + d) return 1.0 - (1.0 - s) * (u - a) / std::max(1e-6, double(d));
        return double(s);
    };
    if (t <= held) return float(sustained(t));
    double x = (t - held) / std::max(1e-6, double(r));
    if (x >= 1.0) return 0.f;
    return float(sustained(held) * (1.0 - x) * (1.0 - x));
}

double sweep(double f0, double f1, double t, double dur) {
    if (t >= dur || dur <= 0) return f1;
    return f0 * std::pow(f1 / f0, t / dur);
}

OnePole OnePole::lowpass(double cutoff, int rate) {
    OnePole p;
    p.a = float(1.0 - std::exp(-2.0 * kPi * cutoff / rate));
    return p;
}

OnePole OnePole::highpass(double cutoff, int rate) {
    OnePole p = lowpass(cutoff, rate);
    p.high = true;
    return p;
}

void Biquad::retune(double hz, double q, int rate, int kind) {
    hz = clampv(hz, 10.0, rate * 0.45);
    double w0 = 2.0 * kPi * hz / rate, cs = std::cos(w0), alpha = std::sin(w0) / (2.0 * q);
    double nb0, nb1, nb2;
    if (kind == 0) {
        nb0 = (1 - cs) / 2;
        nb1 = 1 - cs;
        nb2 = (1 - cs) / 2;
    } else if (kind == 1) {
        nb0 = (1 + cs) / 2;
        nb1 = -(1 + cs);
        nb2 = (1 + cs) / 2;
    } else {
        nb0 = alpha;
        nb1 = 0;
        nb2 = -alpha;
    }
    double a0 = 1 + alpha;
    b0 = float(nb0 / a0);
    b1 = float(nb1 / a0);
    b2 = float(nb2 / a0);
    a1 = float(-2 * cs / a0);
    a2 = float((1 - alpha) / a0);
}

Biquad Biquad::lowpass(double hz, double q, int rate) {
    Biquad b;
    b.retune(hz, q, rate, 0);
    return b;
}
Biquad Biquad::highpass(double hz, double q, int rate) {
    Biquad b;
    b.retune(hz, q, rate, 1);
    return b;
}
Biquad Biquad::bandpass(double hz, double q, int rate) {
    Biquad b;
    b.retune(hz, q, rate, 2);
    return b;
}

std::vector<float> bell(int rate, double hz, double seconds, float vel) {
    static const double ratio[] = {1.0, 2.0, 2.76, 4.07, 5.43, 0.5};
    static const double amp[] = {1.0, 0.45, 0.3, 0.16, 0.08, 0.12};
    static const double t60[] = {1.0, 0.6, 0.45, 0.3, 0.2, 1.3};
    std::vector<float> out(frames(rate, seconds));
    for (int p = 0; p < 6; ++p) {
        double f = hz * ratio[p];
        if (f > rate * 0.45) continue;
        addPartial(out, 2.0 * kPi * f / rate, amp[p], t60[p] * seconds, rate);
    }
    const size_t atk = size_t(0.002 * rate);
    for (size_t i = 0; i < out.size(); ++i) {
        float e = i < atk ? float(i) / float(atk) : 1.f;
        out[i] *= e * vel * 0.5f;
    }
    return out;
}

std::vector<float> softPiano(int rate, double hz, double held, float vel) {
    const double rel = 0.35;
    std::vector<float> out(frames(rate, held + rel));
    const double ring = clampv(6.0 * std::pow(261.6 / hz, 0.5), 1.5, 9.0);
    const int partials = 8;
    for (int n = 1; n <= partials; ++n) {
        double f = hz * n * std::sqrt(1.0 + 0.0004 * n * n);
        if (f > rate * 0.45) break;
        double a = std::pow(double(n), -1.4) * (n == 1 ? 1.0 : 0.55 + 0.45 * vel);
        double t60 = ring / std::pow(double(n), 0.8);
        for (int det = -1; det <= 1; det += 2)
            addPartial(out, 2.0 * kPi * f * (1.0 + det * 0.0004) / rate, 0.5 * a, t60, rate, double(n));
    }
    const size_t atk = size_t(0.004 * rate);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / rate;
        float e = i < atk ? float(i) / float(atk) : 1.f;
        if (t > held) e *= float(std::max(0.0, 1.0 - (t - held) / rel));
        out[i] *= e * vel * 0.45f;
    }
    return out;
}

std::vector<float> tine(int rate, double hz, double seconds, float vel) {
    static const double ratio[] = {1.0, 3.0, 5.93};
    static const double amp[] = {1.0, 0.12, 0.06};
    static const double t60[] = {1.0, 0.35, 0.15};
    std::vector<float> out(frames(rate, seconds));
    for (int p = 0; p < 3; ++p) {
        double f = hz * ratio[p];
        if (f > rate * 0.45) continue;
        addPartial(out, 2.0 * kPi * f / rate, amp[p], t60[p] * seconds, rate);
    }
    const size_t atk = size_t(0.0015 * rate);
    for (size_t i = 0; i < out.size(); ++i) out[i] *= (i < atk ? float(i) / float(atk) : 1.f) * vel * 0.6f;
    return out;
}

std::vector<float> pad(int rate, const std::vector<double>& hz, double held, double attack, double release,
                       float brightness, float vel, uint64_t seed) {
    std::vector<float> out(frames(rate, held + release));
    Rng rng(seed);
    Adsr env{float(attack), 0.f, 1.f, float(release)};
    for (double f : hz) {
        for (double cents : {-7.0, 0.0, 6.0}) {
            Osc o(Wave::Saw, rng.unit());
            double fr = f * std::pow(2.0, cents / 1200.0);
            OnePole lp1 = OnePole::lowpass(300.0 + 2600.0 * brightness, rate);
            OnePole lp2 = lp1;
            for (size_t i = 0; i < out.size(); ++i) out[i] += lp2.run(lp1.run(o.next(fr, rate)));
        }
    }
    const float norm = vel / float(std::max<size_t>(1, hz.size() * 3)) * 1.6f;
    for (size_t i = 0; i < out.size(); ++i) out[i] *= env.at(double(i) / rate, held) * norm;
    return out;
}

std::vector<float> flute(int rate, double hz, double held, float vel, uint64_t seed) {
    Adsr env{0.07f, 0.1f, 0.85f, 0.18f};
    std::vector<float> out(frames(rate, env.length(held)));
    Rng rng(seed);
    Biquad breath = Biquad::bandpass(hz * 2.0, 2.0, rate);
    double ph = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / rate;
        double vib = 1.0 + 0.004 * std::sin(2.0 * kPi * 5.2 * t) * smoothstep(0.25f, 0.6f, float(t));
        ph += hz * vib / rate;
        double s = std::sin(2 * kPi * ph) + 0.22 * std::sin(4 * kPi * ph) + 0.06 * std::sin(6 * kPi * ph);
        float n = breath.run(noise(rng)) * 0.35f;
        out[i] = float(s * 0.8 + n) * env.at(t, held) * vel * 0.55f;
    }
    return out;
}

std::vector<float> pluck(int rate, double hz, double seconds, float vel, float brightness, uint64_t seed) {
    std::vector<float> out(frames(rate, seconds));
    size_t n = std::max<size_t>(2, size_t(rate / hz));
    std::vector<float> line(n);
    Rng rng(seed);
    OnePole lp = OnePole::lowpass(800.0 + 6000.0 * brightness, rate);
    for (float& v : line) v = lp.run(noise(rng));
    size_t j = 0;
    const float loss = 0.996f;
    for (size_t i = 0; i < out.size(); ++i) {
        size_t k = (j + 1) % n;
        float y = 0.5f * (line[j] + line[k]) * loss;
        out[i] = line[j];
        line[j] = y;
        j = k;
    }
    for (size_t i = 0; i < std::min(out.size(), size_t(0.02 * rate)); ++i)
        out[out.size() - 1 - i] *= float(i) / float(0.02 * rate);
    for (float& v : out) v *= vel;
    return out;
}

std::vector<float> noiseBurst(int rate, double seconds, double hzFrom, double hzTo, double q, const Adsr& env,
                              uint64_t seed) {
    std::vector<float> out(frames(rate, seconds));
    Rng rng(seed);
    Biquad bp;
    const double held = std::max(0.0, seconds - env.r);
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / rate;
        if ((i & 31) == 0) bp.retune(sweep(hzFrom, hzTo, t, seconds), q, rate, 2);
        out[i] = bp.run(noise(rng)) * env.at(t, held);
    }
    return out;
}

}  // namespace ag::synth
