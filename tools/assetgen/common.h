// Shared basics of the data generator: a seeded random generator, small
// maths helpers and the error type that ends a run.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace ag {

constexpr double kPi = 3.14159265358979323846;

// Raised for anything that must stop the run (a file that cannot be written,
// a missing font); main() prints the message and exits non-zero.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Deterministic generator (splitmix64). Every picture or sound seeds its own
// so that adding a new asset never changes an existing one.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t next() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * unit(); }
    // Integer in [lo, hi] inclusive.
    int pick(int lo, int hi) { return lo + int(next() % uint64_t(hi - lo + 1)); }
    // Uniform in [-1, 1).
    double bipolar() { return unit() * 2.0 - 1.0; }
    bool chance(double p) { return unit() < p; }

private:
    uint64_t s_;
};

// Seed from a name, so callers can write Rng(seedOf("img/kao.png")).
inline uint64_t seedOf(const std::string& name) {
    uint64_t h = 1469598103934665603ull;
    for (unsigned char c : name) h = (h ^ c) * 1099511628211ull;
    return h;
}

template <class T>
inline T clampv(T v, T lo, T hi) { return v < lo ? lo : (v > hi ? hi : v); }
inline float lerpf(float a, float b, float t) { return a + (b - a) * t; }
inline float smoothstep(float e0, float e1, float x) {
    float t = clampv((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

// Smooth 1-D value noise in [-1, 1], repeatable for a given seed.
inline float valueNoise1(float x, uint32_t seed) {
    auto h = [seed](int i) {
        uint32_t v = uint32_t(i) * 374761393u + seed * 668265263u;
        v = (v ^ (v >> 13)) * 1274126177u;
        return float((v ^ (v >> 16)) & 0xFFFF) / 32767.5f - 1.0f;
    };
    int i = int(std::floor(x));
    float f = x - float(i);
    float u = f * f * (3.0f - 2.0f * f);
    return lerpf(h(i), h(i + 1), u);
}

// Fractal sum of value noise (a few octaves), roughly in [-1, 1].
inline float fbm1(float x, uint32_t seed, int octaves = 4) {
    float sum = 0, amp = 0.5f, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise1(x, seed + uint32_t(o) * 101u);
        norm += amp;
        x *= 2.03f;
        amp *= 0.5f;
    }
    return sum / norm;
}

}  // namespace ag
