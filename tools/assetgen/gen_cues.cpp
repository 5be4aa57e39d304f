// The dialogue scenes' sound cues: the god's arrival, flourishes and stings,
// the nubbles' chirping, quiz jingles, a crow, a paper fan, ghosts, a
// monster's roar, a slot machine and fireworks. Mono 44.1 kHz.
#include <cmath>

#include "families.h"
#include "output.h"
#include "sfx.h"

namespace ag {

namespace {

using namespace sfx;
using synth::Wave;

struct Step {
    double at, len;
    int key;
};

// A soft vowel "aah" chord for the god's choir.
Buf choirChord(const std::vector<int>& keys, double held, uint64_t seed) {
    std::vector<double> hz;
    for (int k : keys) hz.push_back(midiHz(k));
    Buf src = synth::pad(kRate, hz, held, 0.45, 0.9, 0.55f, 0.8f, seed);
    Buf aah = formant(src, [](double) { return vowel::A; }, 3.0);
    mix(aah, src, 0, 0.35f);
    return aah;
}

// The god arrives: harp-like tines rise, a soft choir chord blooms, a bell rings.
Buf godArrives() {
    Buf out;
    const int rise[] = {72, 74, 76, 79, 81, 84, 86, 88};
    for (int i = 0; i < 8; ++i) mix(out, synth::tine(kRate, midiHz(rise[i]), 1.4, 0.5f), 0.045 * i, 0.35f);
    mix(out, choirChord({60, 67, 72, 76, 79, 83}, 1.8, seedOf("wav/god.wav")), 0.1, 1.0f);
    mix(out, synth::bell(kRate, midiHz(91), 2.4, 0.6f), 0.38, 0.45f);
    mix(out, synth::bell(kRate, midiHz(84), 2.4, 0.5f), 0.38, 0.3f);
    return out;
}

// "Ta-da!": a quick harp run up, then a short and a long bright brass chord
// with a cymbal wash.
Buf taDa() {
    Rng rng(seedOf("wav/zyaran!.wav"));
    Buf out;
    const int run[] = {60, 62, 64, 67, 69, 72, 74, 76};
    for (int i = 0; i < 8; ++i) mix(out, synth::pluck(kRate, midiHz(run[i]), 0.6, 0.7f, 0.7f, rng.next()), 0.03 * i, 0.35f);
    for (int k : {60, 67, 72, 76}) mix(out, brass(midiHz(k), 0.08, 0.7f, 1.2), 0.28, 0.28f);
    for (int k : {60, 67, 72, 76, 79, 84}) mix(out, brass(midiHz(k), 0.6, 0.75f, 1.3, 0.004), 0.42, 0.24f);
    mix(out, synth::bell(kRate, midiHz(96), 1.0, 0.5f), 0.42, 0.2f);
    mix(out, filter(noise(1.0, [](double t) { return hit(t, 0.005, 0.9); }, rng.next()), Pass::High,
                    [](double) { return 5500.0; }),
        0.42, 0.18f);
    return out;
}

// Charging up: a buzzing tone and a noise band both rise, trembling faster
// and faster, and stop at the top.
Buf chargeUp() {
    Rng rng(seedOf("wav/tame.wav"));
    const double len = 1.55;
    auto lift = [=](double t) { return line(t, 0.15, 1.0, 0, len); };
    auto trem = [=](double t) {
        double rate = glide(t, 5, 32, 0, len);
        double ph = rate * t;  // close enough for a rising flutter
        return 0.7 + 0.3 * std::sin(2 * kPi * ph);
    };
    auto amp = [&](double t) { return lift(t) * trem(t) * swell(t, 0.05, len, 0.05); };
    Buf out = filter(tone(len, [=](double t) { return glide(t, 110, 880, 0, len); }, amp, Wave::Saw), Pass::Low,
                     [=](double t) { return glide(t, 600, 5000, 0, len); });
    mix(out, tone(len, [=](double t) { return glide(t, 220, 1760, 0, len); }, [&](double t) { return 0.3 * amp(t); }), 0);
    mix(out, bandNoise(len, [=](double t) { return glide(t, 250, 5500, 0, len); }, 2.0, amp, rng.next()), 0, 0.8f);
    return out;
}

// A cute wink: "kyu" (a fast chirp up) and "pin" (a high ping) with sparkles.
Buf wink() {
    Rng rng(seedOf("wav/kyupin.wav"));
    Buf out = tone(0.09, [](double t) { return glide(t, 900, 2600, 0, 0.07); },
                   [](double t) { return swell(t, 0.004, 0.09, 0.03); });
    mix(out, synth::tine(kRate, 2637, 0.55, 0.8f), 0.085);
    mix(out, synth::bell(kRate, 2637, 0.5, 0.4f), 0.085, 0.4f);
    for (int i = 0; i < 6; ++i)
        mix(out, synth::tine(kRate, rng.range(3500, 6500), 0.2, 0.5f), 0.1 + 0.05 * i + rng.range(0, 0.03), 0.18f);
    return out;
}

// A comic "bom": a round pop whose pitch drops onto a short, wobbling boom.
Buf comicBom() {
    Rng rng(seedOf("wav/Bom.wav"));
    auto hz = [](double t) {
        return glide(t, 300, 105, 0, 0.06) * (1.0 + 0.04 * std::sin(2 * kPi * 14 * t) * std::exp(-t / 0.2));
    };
    Buf out = tone(0.55, hz, [](double t) { return hit(t, 0.002, 0.4); });
    mix(out, tone(0.55, [&](double t) { return 2.0 * hz(t); }, [](double t) { return 0.3 * hit(t, 0.002, 0.2); }), 0);
    mix(out, filter(noise(0.05, [](double t) { return hit(t, 0.0005, 0.02); }, rng.next()), Pass::Low,
                    [](double) { return 1800.0; }),
        0, 0.6f);
    return out;
}

// One sung syllable of a nubble: a bright buzz through moving vowel
// formants, pitch gliding from one note to another.
Buf chirp(double len, int fromKey, int toKey, const Vowel& a, const Vowel& b, double vib, uint64_t seed) {
    Rng rng(seed);
    const double f0 = midiHz(fromKey), f1 = midiHz(toKey), wob = rng.range(6.5, 8.5);
    auto hz = [=](double t) { return glide(t, f0, f1, 0.01, len * 0.7) * (1.0 + vib * std::sin(2 * kPi * wob * t)); };
    Buf src = tone(len, hz, [=](double t) { return swell(t, 0.012, len, 0.035); }, Wave::Saw);
    Buf sung = formant(src, [=](double t) { return between(a, b, t / len); }, 4.0);
    mix(sung, tone(len, hz, [=](double t) { return 0.25 * swell(t, 0.012, len, 0.035); }), 0);
    return sung;
}

// The nubbles chatter: two tiny voices trade "pi", "pu", "kya" and end
// together on a happy "pii!".
Buf nubbleVoices() {
    uint64_t seed = seedOf("wav/nubble.wav");
    Buf out;
    struct S {
        double at, len;
        int from, to;
        Vowel a, b;
    };
    // Scaled to suit small bodies; the formants sit high.
    const Vowel I2{600, 2900, 3800}, A2{1100, 1700, 3400}, U2{500, 1200, 3000}, E2{800, 2400, 3500};
    const S syl[] = {
        {0.00, 0.11, 79, 81, I2, I2}, {0.15, 0.09, 76, 76, U2, U2}, {0.28, 0.18, 81, 86, I2, E2},
        {0.55, 0.13, 86, 83, E2, A2}, {0.72, 0.09, 81, 81, I2, I2}, {0.85, 0.09, 79, 79, A2, U2},
        {0.97, 0.09, 76, 79, U2, I2}, {1.14, 0.28, 84, 88, I2, I2},
    };
    for (const S& s : syl) mix(out, chirp(s.len, s.from, s.to, s.a, s.b, 0.02, seed++), s.at, 0.8f);
    mix(out, chirp(0.28, 79, 84, I2, I2, 0.025, seed++), 1.14, 0.6f);  // the second voice joins the last
    return out;
}

// A bright lead voice: a square through a soft low-pass, doubled by a tine.
Buf lead(double hz, double held, float vel) {
    auto amp = [=](double t) { return vel * swell(t, 0.005, held + 0.04, 0.04); };
    Buf out = filter(tone(held + 0.04, [=](double) { return hz; }, amp, Wave::Square), Pass::Low,
                     [=](double) { return std::min(9000.0, hz * 5); });
    mix(out, synth::tine(kRate, hz, held + 0.4, 0.5f * vel), 0, 0.6f);
    return out;
}

// "Here is the question!": C-E-G-C run up, then a held D with a wobble over
// an unresolved G seventh.
Buf quizQuestion() {
    Buf out;
    const Step steps[] = {{0.0, 0.08, 72}, {0.1, 0.08, 76}, {0.2, 0.08, 79}, {0.3, 0.1, 84}, {0.46, 0.55, 86}};
    for (const Step& s : steps) {
        Buf n = lead(midiHz(s.key), s.len, 0.8f);
        if (s.len > 0.3) {
            double base = midiHz(s.key);
            n = filter(tone(s.len + 0.05,
                            [=](double t) {
                                return base * (1.0 + 0.012 * std::sin(2 * kPi * 7 * t) * smoothstep(0.1f, 0.25f, float(t)));
                            },
                            [=](double t) { return 0.8 * swell(t, 0.005, s.len + 0.05, 0.12); }, Wave::Square),
                       Pass::Low, [=](double) { return base * 5; });
            mix(n, synth::bell(kRate, base, 0.9, 0.5f), 0, 0.4f);
        }
        mix(out, n, s.at, 0.5f);
    }
    for (int k : {55, 59, 65, 67}) mix(out, brass(midiHz(k), 0.5, 0.6f, 0.7), 0.46, 0.2f);
    return out;
}

// A crow, twice: rasping caws with a hoarse edge, the second a little lower.
Buf crow() {
    Rng rng(seedOf("wav/Crow.wav"));
    Buf out;
    for (int n = 0; n < 2; ++n) {
        const double len = n == 0 ? 0.3 : 0.36, base = n == 0 ? 540 : 480;
        Buf jitter = filter(noise(len, [](double) { return 1.0; }, rng.next()), Pass::Low, [](double) { return 90.0; });
        double ph = 0, sub = 0;
        Buf src(frames(len));
        for (size_t i = 0; i < src.size(); ++i) {
            double t = double(i) / kRate;
            double f = base * (1.0 + 0.08 * line(t, 0, 1, 0, 0.05) - 0.22 * line(t, 0, 1, 0.05, len)) *
                       (1.0 + 0.6 * jitter[i]);
            ph += f / kRate;
            sub += f * 0.5 / kRate;
            double saw = 2.0 * (ph - std::floor(ph)) - 1.0;
            double rough = 1.0 + 0.7 * (sub - std::floor(sub) < 0.5 ? 1.0 : -1.0);
            src[i] = float(saw * rough * swell(t, 0.015, len, 0.07));
        }
        Buf caw = formant(src, [](double t) { return between(Vowel{1200, 1750, 2900}, Vowel{900, 1500, 2700}, t / 0.35); },
                          3.5);
        mix(caw, bandNoise(len, [](double) { return 2100.0; }, 1.5,
                           [=](double t) { return 0.5 * swell(t, 0.015, len, 0.07); }, rng.next()),
            0, 0.35f);
        mix(out, caw, n == 0 ? 0.0 : 0.5);
    }
    return out;
}

// A paper fan: the swish of the swing, a sharp slap and the paper's rattle.
Buf paperFan() {
    Rng rng(seedOf("wav/harisen.wav"));
    Buf out = bandNoise(
        0.08, [](double t) { return glide(t, 900, 3000, 0, 0.08); }, 1.2,
        [](double t) { return 0.3 * line(t, 0.05, 1.0, 0, 0.075) * swell(t, 0.002, 0.08, 0.004); }, rng.next());
    Buf crack = filter(filter(noise(0.12, [](double t) { return hit(t, 0.0004, 0.05); }, rng.next()), Pass::High,
                              [](double) { return 1100.0; }),
                       Pass::Band, [](double) { return 3400.0; }, 0.7);
    mix(out, crack, 0.075, 1.6f);
    mix(out, filter(noise(0.08, [](double t) { return hit(t, 0.0005, 0.04); }, rng.next()), Pass::Low,
                    [](double) { return 450.0; }),
        0.075, 0.8f);
    mix(out, bandNoise(0.25, [](double) { return 2600.0; }, 2.0,
                       [](double t) { return 0.3 * hit(t, 0.002, 0.16) * (0.6 + 0.4 * std::sin(2 * kPi * 85 * t)); },
                       rng.next()),
        0.085, 1.f);
    thicken(out, 3.0);
    return out;
}

// "Think!": a clock ticking, a plucked bass creeping up by half steps under
// it, and a bright ding at the end.
Buf quizThink() {
    Rng rng(seedOf("wav/quiz1.wav"));
    Buf out;
    for (int i = 0; i < 8; ++i) {
        const double at = 0.25 * i, hz = i % 2 ? 1500 : 2100;
        mix(out, tone(0.05, [=](double) { return hz; }, [](double t) { return hit(t, 0.0005, 0.035); }), at, 0.5f);
        mix(out, bandNoise(0.01, [](double) { return 4500.0; }, 1.2, [](double t) { return hit(t, 0.0002, 0.006); },
                           rng.next()),
            at, 0.3f);
        if (i % 2 == 0) {
            const double bass = midiHz(40 + i / 2);
            Buf pizz = tone(0.45, [=](double) { return bass; }, [](double t) { return hit(t, 0.003, 0.35); },
                            Wave::Triangle);
            mix(out, filter(pizz, Pass::Low, [](double) { return 700.0; }), at, 0.7f);
        }
    }
    mix(out, synth::bell(kRate, midiHz(100), 0.6, 0.6f), 2.0, 0.45f);
    mix(out, synth::tine(kRate, midiHz(88), 0.6, 0.6f), 2.0, 0.4f);
    return out;
}

// "Jan!": an orchestra hit in C: brass and strings, a timpani and bass-drum
// thump, a cymbal crash.
Buf orchestraHit() {
    Rng rng(seedOf("wav/zyan.wav"));
    Buf out;
    for (int k : {48, 55, 60, 64, 67, 72}) mix(out, brass(midiHz(k), 0.35, 0.8f, 1.3), 0, 0.32f);
    std::vector<double> hz;
    for (int k : {60, 64, 67, 72, 76}) hz.push_back(midiHz(k));
    mix(out, synth::pad(kRate, hz, 0.3, 0.008, 0.5, 0.8f, 0.8f, rng.next()), 0, 0.6f);
    mix(out, tone(1.0, [](double t) { return glide(t, 75, 64, 0, 0.15); }, [](double t) { return hit(t, 0.003, 0.8); }),
        0, 0.4f);
    mix(out, tone(0.4, [](double t) { return glide(t, 110, 45, 0, 0.06); }, [](double t) { return hit(t, 0.002, 0.25); }),
        0, 0.45f);
    mix(out, filter(noise(1.2, [](double t) { return hit(t, 0.002, 1.1); }, rng.next()), Pass::High,
                    [](double) { return 4500.0; }),
        0, 0.09f);
    return out;
}

// An eerie theremin: a sine sliding between notes with a wide, slow
// vibrato, a second voice a tritone below, and a breath of wind.
Buf eerieWarble() {
    Rng rng(seedOf("wav/ELR.wav"));
    const double len = 2.6;
    const double pts[] = {660, 880, 740, 990, 830, 700};
    auto path = [=](double t) {
        double x = clampv(t / len * 5.0, 0.0, 4.999);
        int i = int(x);
        double u = x - i;
        u = u * u * (3 - 2 * u);
        return pts[i] * std::pow(pts[i + 1] / pts[i], u);
    };
    auto amp = [=](double t) { return swell(t, 0.35, len, 0.8); };
    Buf out = tone(len, [&](double t) { return path(t) * (1.0 + 0.025 * std::sin(2 * kPi * 5.8 * t)); }, amp);
    mix(out, tone(len, [&](double t) { return path(t) * 0.7071 * (1.0 + 0.03 * std::sin(2 * kPi * 4.3 * t + 1)); },
                  [&](double t) { return 0.4 * amp(t); }),
        0);
    mix(out, bandNoise(len, [](double t) { return 1400.0 + 500.0 * std::sin(2 * kPi * 0.7 * t); }, 3.0, amp, rng.next()),
        0, 0.12f);
    return out;
}

// "!!!": three quick rising stabs, the last held and shaking.
Buf surprise() {
    Rng rng(seedOf("wav/!!!.wav"));
    Buf out = bandNoise(0.22, [](double t) { return glide(t, 800, 6000, 0, 0.22); }, 1.5,
                        [](double t) { return 0.35 * line(t, 0.2, 1.0, 0, 0.2) * swell(t, 0.005, 0.22, 0.02); },
                        rng.next());
    const Step steps[] = {{0.0, 0.07, 81}, {0.1, 0.07, 85}, {0.2, 0.5, 88}};
    for (const Step& s : steps) {
        const bool last = s.len > 0.2;
        mix(out, brass(midiHz(s.key), s.len, 0.8f, 1.5, last ? 0.012 : 0.0), s.at, 0.35f);
        mix(out, brass(midiHz(s.key - 12), s.len, 0.7f, 1.2, last ? 0.012 : 0.0), s.at, 0.25f);
        mix(out, synth::bell(kRate, midiHz(s.key + 12), last ? 0.8 : 0.3, 0.5f), s.at, 0.2f);
    }
    return out;
}

// A shimmering chime glissando: a mark tree brushed from the top down.
Buf shimmer() {
    Rng rng(seedOf("wav/syaran.wav"));
    Buf out;
    const int below[] = {0, 3, 5, 8, 10};  // C major pentatonic, downward from C
    for (int i = 0; i < 16; ++i) {
        int key = 108 - 12 * (i / 5) - below[i % 5];
        double at = 0.6 * std::pow(i / 15.0, 1.4) + rng.range(0, 0.008);
        mix(out, synth::tine(kRate, midiHz(key), rng.range(1.2, 1.6), 0.6f), at, float(rng.range(0.3, 0.42)));
    }
    mix(out, filter(noise(1.2, [](double t) { return swell(t, 0.05, 1.2, 0.8); }, rng.next()), Pass::High,
                    [](double) { return 8000.0; }),
        0, 0.035f);
    return out;
}

// Ding-dong: two bells a major third apart, high then low.
Buf dingDong() {
    Buf out = synth::bell(kRate, midiHz(88), 1.4, 0.8f);
    mix(out, synth::bell(kRate, midiHz(84), 1.6, 0.8f), 0.38);
    return out;
}

// Item get: "da-da-da-DAA" up the C major chord in a bright lead, then sparkles.
Buf itemGet() {
    Rng rng(seedOf("wav/get.wav"));
    Buf out;
    const Step steps[] = {{0.0, 0.06, 72}, {0.07, 0.06, 76}, {0.14, 0.06, 79}, {0.21, 0.45, 84}};
    for (const Step& s : steps) mix(out, lead(midiHz(s.key), s.len, 0.8f), s.at, 0.45f);
    mix(out, lead(midiHz(88), 0.45, 0.5f), 0.21, 0.3f);
    for (int i = 0; i < 6; ++i)
        mix(out, synth::tine(kRate, midiHz(96 + (i * 7) % 12 + (i % 2) * 12), 0.4, 0.5f), 0.3 + 0.06 * i, 0.15f);
    return out;
}

// A slot machine: reels ratchet under a busy little tune, then three reels
// clunk to a stop one after another.
Buf slotMachine() {
    Rng rng(seedOf("wav/BGM-SLOT-M132.wav"));
    Buf out;
    const double stops[] = {1.55, 1.85, 2.15};
    // ratchet clicks, slowing a little as the reels stop
    for (double t = 0; t < stops[2];) {
        mix(out, bandNoise(0.012, [](double) { return 3000.0; }, 1.5, [](double u) { return hit(u, 0.0003, 0.008); },
                           rng.next()),
            t, 0.5f);
        mix(out, tone(0.02, [](double) { return 1800.0; }, [](double u) { return hit(u, 0.0005, 0.015); }), t, 0.15f);
        int running = t < stops[0] ? 3 : t < stops[1] ? 2 : 1;
        t += 1.0 / (8.0 * running);
    }
    // the spinning tune: a square arpeggio in sixteenths
    const int arp[] = {72, 76, 79, 84, 79, 76, 74, 77, 81, 86, 81, 77};
    int n = 0;
    for (double t = 0; t < stops[2] - 0.05; t += 0.065, ++n)
        mix(out, lead(midiHz(arp[n % 12]), 0.045, 0.6f), t, 0.22f);
    // motor hum
    mix(out, filter(tone(stops[2], [](double) { return 88.0; }, [&](double t) { return swell(t, 0.05, stops[2], 0.1); },
                         Wave::Saw),
                    Pass::Low, [](double) { return 300.0; }),
        0, 0.2f);
    // the clunks: a thump, a metal clank and a click
    for (double s : stops) {
        mix(out, tone(0.3, [](double t) { return glide(t, 150, 70, 0, 0.05); }, [](double t) { return hit(t, 0.002, 0.15); }),
            s, 0.8f);
        for (double f : {620.0, 1390.0, 2270.0, 3150.0})
            mix(out, tone(0.3, [=](double) { return f; }, [](double t) { return hit(t, 0.001, 0.14); }), s, 0.12f);
        mix(out, bandNoise(0.02, [](double) { return 2500.0; }, 1.0, [](double t) { return hit(t, 0.0003, 0.015); },
                           rng.next()),
            s, 0.6f);
    }
    return out;
}

// A ghost's "wooo": a hollow "oo" voice that rises and falls with a slow
// vibrato, a fifth above it for chill, and breath.
Buf ghostMoan() {
    Rng rng(seedOf("wav/Wow.wav"));
    const double len = 2.2;
    auto hz = [=](double t) {
        double f = t < 0.6 ? glide(t, 200, 320, 0, 0.6) : glide(t, 320, 190, 0.6, len);
        return f * (1.0 + 0.03 * std::sin(2 * kPi * 5 * t));
    };
    auto amp = [=](double t) { return swell(t, 0.25, len, 0.7); };
    Buf src = tone(len, hz, amp, Wave::Saw);
    mix(src, tone(len, hz, amp), 0, 1.2f);
    mix(src, noise(len, [&](double t) { return 0.25 * amp(t); }, rng.next()), 0);
    Buf out = formant(src, [](double t) { return between(vowel::U, vowel::O, std::sin(kPi * t / 2.2)); }, 5.0);
    mix(out, tone(len, [&](double t) { return hz(t) * 1.5; }, [&](double t) { return 0.12 * amp(t); }), 0);
    return out;
}

// A comic monster roar: a growling "gaaao" with a rattling subharmonic and a
// rasp, pitch rising and falling.
Buf monsterRoar() {
    Rng rng(seedOf("wav/GAO.wav"));
    const double len = 1.25;
    Buf wander = filter(noise(len, [](double) { return 1.0; }, rng.next()), Pass::Low, [](double) { return 40.0; });
    Buf src(frames(len));
    double ph = 0;
    for (size_t i = 0; i < src.size(); ++i) {
        double t = double(i) / kRate;
        double f = (t < 0.35 ? glide(t, 85, 150, 0, 0.35) : glide(t, 150, 75, 0.35, len)) * (1.0 + 2.0 * wander[i]);
        ph += f / kRate;
        double saw = 2.0 * (ph - std::floor(ph)) - 1.0;
        double growl = 1.0 + 0.6 * std::sin(2 * kPi * 31 * t);
        double sub = std::sin(kPi * ph);  // half the pitch: a rattle under the voice
        src[i] = float((saw + 0.5 * sub) * growl * swell(t, 0.05, len, 0.35));
    }
    Buf out = formant(src, [=](double t) { return between(vowel::A, vowel::O, line(t, 0, 1, 0.4, len)); }, 2.5);
    mix(out, src, 0, 0.25f);
    mix(out, bandNoise(len, [](double) { return 1100.0; }, 1.0, [=](double t) { return 0.5 * swell(t, 0.05, len, 0.35); },
                       rng.next()),
        0, 0.5f);
    thicken(out, 2.5);
    return filter(out, Pass::Low, [](double) { return 4500.0; });
}

// Fireworks: rockets whistle up and burst with a boom, then sparkle and crackle.
Buf fireworks() {
    Rng rng(seedOf("wav/SE065.wav"));
    Buf out;
    const double bursts[] = {0.4, 1.25, 1.8};
    for (int b = 0; b < 3; ++b) {
        const double at = bursts[b];
        if (b < 2)
            mix(out, tone(0.38, [](double t) { return glide(t, 900, 2300, 0, 0.38); },
                          [](double t) { return 0.5 * swell(t, 0.05, 0.38, 0.03); }),
                at - 0.38, 0.25f);
        mix(out, filter(noise(1.0, [](double t) { return hit(t, 0.003, 0.7); }, rng.next()), Pass::Low,
                        [](double t) { return glide(t, 1000, 200, 0, 0.3); }),
            at, 0.9f);
        mix(out, tone(0.6, [](double t) { return glide(t, 75, 40, 0, 0.2); }, [](double t) { return hit(t, 0.002, 0.45); }),
            at, 0.7f);
        for (int i = 0; i < 45; ++i) {
            double t = at + 0.08 + 0.9 * std::pow(rng.unit(), 0.8);
            double f = rng.range(2500, 7000);
            mix(out, bandNoise(0.008, [=](double) { return f; }, 2.0, [](double u) { return hit(u, 0.0002, 0.005); },
                               rng.next()),
                t, float(rng.range(0.15, 0.45)));
        }
        for (int i = 0; i < 5; ++i)
            mix(out, synth::tine(kRate, midiHz(96 + rng.pick(0, 4) * 3), 0.5, 0.5f), at + 0.1 + 0.12 * i, 0.08f);
    }
    return out;
}

}  // namespace

void genCues(Output& out) {
    out.wav("wav/god.wav", finishMono(godArrives(), 0.35f, 0.85f));
    out.wav("wav/zyaran!.wav", finishMono(taDa(), 0.2f));
    out.wav("wav/tame.wav", finishMono(chargeUp()));
    out.wav("wav/kyupin.wav", finishMono(wink(), 0.15f));
    out.wav("wav/Bom.wav", finishMono(comicBom()));
    out.wav("wav/nubble.wav", finishMono(nubbleVoices(), 0.12f));
    out.wav("wav/quiz2.wav", finishMono(quizQuestion(), 0.15f));
    out.wav("wav/Crow.wav", finishMono(crow(), 0.2f));
    out.wav("wav/harisen.wav", finishMono(paperFan(), 0.06f));
    out.wav("wav/quiz1.wav", finishMono(quizThink(), 0.1f));
    out.wav("wav/zyan.wav", finishMono(orchestraHit(), 0.3f));
    out.wav("wav/ELR.wav", finishMono(eerieWarble(), 0.4f, 0.85f));
    out.wav("wav/!!!.wav", finishMono(surprise(), 0.15f));
    out.wav("wav/syaran.wav", finishMono(shimmer(), 0.25f));
    out.wav("wav/10.wav", finishMono(dingDong(), 0.15f));
    out.wav("wav/get.wav", finishMono(itemGet(), 0.15f));
    out.wav("wav/BGM-SLOT-M132.wav", finishMono(slotMachine(), 0.08f));
    out.wav("wav/Wow.wav", finishMono(ghostMoan(), 0.4f, 0.85f));
    out.wav("wav/GAO.wav", finishMono(monsterRoar(), 0.15f));
    out.wav("wav/SE065.wav", finishMono(fireworks(), 0.3f, 0.85f));
}

}  // namespace ag
