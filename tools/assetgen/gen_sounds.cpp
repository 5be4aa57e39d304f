// The stage's effects (fire, magic, steam, water, chimes, pops, thuds,
// drags, the clear fanfare, and the player's own small answers: paint taken,
// a walker painted, a life lost) and the front end's two: the title's confirm
// chime and the game-over sting. All synthesised, mono 44.1 kHz.
#include <cmath>

#include "families.h"
#include "output.h"
#include "sfx.h"

namespace ag {

namespace {

using namespace sfx;
using synth::Wave;

// An obstacle catches fire: a low "fwump", a noise whoosh that climbs as the
// flames leap up, and crackling embers that die away.
Buf fireBurst() {
    Rng rng(seedOf("wav/bom31_b.wav"));
    Buf out = bandNoise(
        1.4, [](double t) { return glide(t, 260, 2600, 0, 0.45) * (1.0 - 0.3 * line(t, 0, 1, 0.45, 1.4)); }, 0.9,
        [](double t) { return hit(t, 0.05, 1.1); }, rng.next());
    mix(out, filter(noise(0.8, [](double t) { return hit(t, 0.01, 0.6); }, rng.next()), Pass::Low,
                    [](double) { return 700.0; }),
        0, 0.9f);
    mix(out, tone(0.5, [](double t) { return glide(t, 95, 42, 0, 0.3); }, [](double t) { return hit(t, 0.006, 0.4); }),
        0, 0.7f);
    // embers: short bright clicks, thick at first, then fewer
    for (int i = 0; i < 70; ++i) {
        double at = 0.08 + 1.1 * std::pow(rng.unit(), 1.8);
        double hz = rng.range(1800, 5200);
        Buf c = bandNoise(0.02, [=](double) { return hz; }, 2.0, [](double t) { return hit(t, 0.0005, 0.012); },
                          rng.next());
        mix(out, c, at, float(rng.range(0.25, 0.8) * (1.2 - at / 1.3)));
    }
    return out;
}

// The hero starts an event: "pyo" (a chirp up) then "ro" (a fast warble
// that settles), with a faint sparkle above.
Buf magicBlip() {
    auto hz = [](double t) {
        if (t < 0.07) return glide(t, 620, 1500, 0, 0.07);
        double wob = 1.0 + 0.11 * std::sin(2 * kPi * 21 * (t - 0.07)) * std::exp(-(t - 0.07) / 0.16);
        return glide(t, 1500, 1180, 0.07, 0.4) * wob;
    };
    auto amp = [](double t) { return swell(t, 0.004, 0.45, 0.2); };
    Buf out = tone(0.45, hz, amp, Wave::Sine);
    mix(out, tone(0.45, [&](double t) { return hz(t) * 2.0; }, [&](double t) { return 0.18 * amp(t); }, Wave::Triangle),
        0);
    mix(out, synth::tine(kRate, 2960, 0.35, 0.5f), 0.06, 0.35f);
    return out;
}

// Fire put out: a wet "tss" onset and a long airy hiss that flutters and fades.
Buf steamHiss() {
    Rng rng(seedOf("wav/SteamD@22.wav"));
    auto env = [](double t) {
        double flutter = 1.0 + 0.18 * fbm1(float(t * 28), 7);
        return swell(t, 0.015, 1.7, 1.2) * flutter * (0.75 + 0.25 * std::exp(-t / 0.1));
    };
    Buf n = noise(1.7, env, rng.next());
    Buf hi = filter(filter(n, Pass::High, [](double) { return 2600.0; }), Pass::Band,
                    [](double t) { return glide(t, 7000, 4800, 0, 1.7); }, 0.6);
    Buf body = filter(n, Pass::Band, [](double) { return 1500.0; }, 1.2);
    mix(hi, body, 0, 0.35f);
    // the quench: a short sizzle at the very start
    mix(hi, bandNoise(0.12, [](double) { return 3200.0; }, 1.5, [](double t) { return hit(t, 0.002, 0.1); }, rng.next()),
        0, 0.8f);
    return hi;
}

// A splash: the slap of the impact, a spray of droplets, a low plunk.
Buf splash() {
    Rng rng(seedOf("wav/water01_c.wav"));
    Buf out = bandNoise(
        0.6, [](double t) { return glide(t, 2200, 650, 0, 0.3); }, 0.9, [](double t) { return hit(t, 0.003, 0.32); },
        rng.next());
    mix(out, filter(noise(0.7, [](double t) { return hit(t, 0.01, 0.45); }, rng.next()), Pass::High,
                    [](double) { return 3500.0; }),
        0.01, 0.35f);
    mix(out, tone(0.3, [](double t) { return glide(t, 190, 110, 0, 0.12); }, [](double t) { return hit(t, 0.003, 0.16); }),
        0, 0.6f);
    for (int i = 0; i < 16; ++i) {
        double at = 0.04 + 0.65 * std::pow(rng.unit(), 1.3);
        mix(out, bubble(rng.range(700, 2000), rng.range(0.03, 0.07), 1.f, rng.range(0.8, 1.6)), at,
            float(rng.range(0.15, 0.4) * (1.0 - at)));
    }
    thicken(out, 2.0);
    return out;
}

// Water pouring: a running bed of filtered noise and many rising bubbles.
Buf pouring() {
    Rng rng(seedOf("wav/mizu07.wav"));
    const double len = 1.8;
    auto env = [=](double t) { return swell(t, 0.12, len, 0.45); };
    Buf out = filter(noise(len, env, rng.next()), Pass::Band,
                     [](double t) { return 950.0 * (1.0 + 0.25 * fbm1(float(t * 6), 3)); }, 1.1);
    for (float& v : out) v *= 0.3f;
    mix(out, filter(noise(len, env, rng.next()), Pass::Low, [](double) { return 380.0; }), 0, 0.25f);
    for (double t = 0.04; t < len - 0.3;) {
        double life = rng.range(0.03, 0.085);
        mix(out, bubble(rng.range(330, 1150), life, 1.f, rng.range(0.4, 1.0)), t, float(rng.range(0.3, 0.7) * env(t)));
        t += -std::log(1.0 - rng.unit()) / 34.0;  // about 34 bubbles a second
    }
    return out;
}

// A magic chime: a quick rising D major-ninth arpeggio of bell tines over a
// soft shimmer.
Buf magicChime() {
    Rng rng(seedOf("wav/magic_08.wav"));
    Buf out;
    const int keys[] = {86, 90, 93, 97, 100};
    for (int i = 0; i < 5; ++i)
        mix(out, synth::tine(kRate, midiHz(keys[i]), 1.3, 0.55f + 0.08f * float(i)), 0.055 * i, 0.6f);
    mix(out, synth::bell(kRate, midiHz(100), 1.4, 0.4f), 0.22, 0.25f);
    Buf shimmer = filter(noise(1.0,
                               [](double t) {
                                   return swell(t, 0.1, 1.0, 0.6) * (0.6 + 0.4 * std::sin(2 * kPi * 13 * t));
                               },
                               rng.next()),
                         Pass::High, [](double) { return 7500.0; });
    mix(out, shimmer, 0.02, 0.06f);
    return out;
}

// A small pop: a blip that drops in pitch, with a tiny click on top.
Buf pop() {
    Rng rng(seedOf("wav/pochi03@11.wav"));
    Buf out = tone(0.11, [](double t) { return glide(t, 1700, 520, 0, 0.014); },
                   [](double t) { return hit(t, 0.0008, 0.07); });
    mix(out, bandNoise(0.01, [](double) { return 4200.0; }, 1.0, [](double t) { return hit(t, 0.0003, 0.006); },
                       rng.next()),
        0, 0.5f);
    return out;
}

// Something soft lands: a low thump and a puff of dust.
Buf thud() {
    Rng rng(seedOf("wav/bosu32.wav"));
    Buf out = tone(0.45, [](double t) { return glide(t, 125, 52, 0, 0.09); }, [](double t) { return hit(t, 0.003, 0.3); });
    mix(out, filter(noise(0.25, [](double t) { return hit(t, 0.002, 0.1); }, rng.next()), Pass::Low,
                    [](double t) { return glide(t, 500, 160, 0, 0.1); }),
        0, 0.9f);
    mix(out, bandNoise(0.3, [](double) { return 1300.0; }, 0.8, [](double t) { return hit(t, 0.006, 0.2); }, rng.next()),
        0.004, 0.12f);
    return out;
}

// Something heavy dragged: rough friction that catches and slips, a low
// grinding rumble and grit.
Buf drag() {
    Rng rng(seedOf("wav/drag02.wav"));
    const double len = 1.3;
    auto body = [=](double t) { return swell(t, 0.08, len, 0.28); };
    auto catchSlip = [](double t) {
        double s = 0.5 + 0.5 * fbm1(float(t * 38), 11, 3);
        return 0.35 + 0.65 * s * s;
    };
    Buf out = filter(noise(len, [&](double t) { return body(t) * catchSlip(t); }, rng.next()), Pass::Band,
                     [](double t) { return 520.0 * (1.0 + 0.3 * fbm1(float(t * 5), 4)); }, 1.4);
    Buf rumble = tone(len, [](double t) { return 62.0 + 6.0 * std::sin(2 * kPi * 1.3 * t); },
                      [&](double t) { return body(t) * catchSlip(t + 0.02); }, Wave::Saw);
    mix(out, filter(rumble, Pass::Low, [](double) { return 260.0; }), 0, 0.55f);
    Buf grit = filter(noise(len,
                            [&](double t) {
                                double g = std::max(0.0, double(fbm1(float(t * 70), 5, 2)) - 0.2);
                                return body(t) * g * 2.0;
                            },
                            rng.next()),
                      Pass::High, [](double) { return 2800.0; });
    mix(out, grit, 0, 0.25f);
    return out;
}

// The stage-clear fanfare in C: brass climbs G-C-E-G, answers E-G, and lands
// on a long high C over the full chord with a timpani stroke, a glockenspiel
// run and a cymbal wash.
Buf clearFanfare() {
    Rng rng(seedOf("wav/op5.wav"));
    Buf out;
    struct N {
        double at, len;
        int key;
    };
    const N lead[] = {{0.00, 0.11, 67}, {0.13, 0.11, 72}, {0.26, 0.11, 76}, {0.39, 0.26, 79},
                      {0.68, 0.12, 76}, {0.84, 0.12, 79}, {1.00, 1.05, 84}};
    for (const N& n : lead)
        mix(out, brass(midiHz(n.key), n.len, 0.8f, 1.2, n.len > 0.5 ? 0.006 : 0.0), n.at, 0.55f);
    for (int k : {48, 55, 60, 64, 67, 72}) mix(out, brass(midiHz(k), 1.05, 0.55f, 0.8), 1.0, 0.22f);
    // timpani: a low C that booms
    mix(out, tone(1.2, [](double t) { return glide(t, 70, 64, 0, 0.2); }, [](double t) { return hit(t, 0.004, 0.9); }),
        1.0, 0.7f);
    for (int i = 0; i < 4; ++i)
        mix(out, synth::tine(kRate, midiHz(96 + (i == 1 ? 4 : i == 2 ? 7 : i == 3 ? 12 : 0)), 1.0, 0.6f), 1.0 + 0.07 * i,
            0.2f);
    mix(out, filter(noise(1.4, [](double t) { return hit(t, 0.01, 1.2); }, rng.next()), Pass::High,
                    [](double) { return 6000.0; }),
        1.0, 0.12f);
    return out;
}

// The title's confirm: two bell tines a fifth apart, A then E.
Buf confirmChime() {
    Buf out = synth::tine(kRate, midiHz(81), 0.7, 0.6f);
    mix(out, synth::tine(kRate, midiHz(88), 0.7, 0.75f), 0.075);
    mix(out, synth::bell(kRate, midiHz(88), 0.7, 0.3f), 0.075, 0.4f);
    return out;
}

// A muted trombone's "wah wah wah waaah": three falling half steps and a
// long wobbling last note that sags.
Buf gameOverSting() {
    Buf out;
    struct N {
        double at, len;
        int key;
    };
    const N notes[] = {{0.0, 0.3, 58}, {0.36, 0.3, 57}, {0.72, 0.3, 56}, {1.08, 0.85, 55}};
    for (const N& n : notes) {
        const bool last = n.len > 0.5;
        const double base = midiHz(n.key);
        auto hz = [=](double t) {
            double f = base * (1.0 - 0.025 * std::exp(-t / 0.03));
            if (last) f *= (1.0 + 0.03 * std::sin(2 * kPi * 6.0 * t) * smoothstep(0.15f, 0.4f, float(t))) *
                           glide(t, 1.0, 0.94, 0.5, n.len);
            return f;
        };
        auto amp = [=](double t) { return swell(t, 0.02, n.len + 0.05, last ? 0.3 : 0.06); };
        Buf src = tone(n.len + 0.06, hz, amp, Wave::Saw);
        mix(src, tone(n.len + 0.06, hz, [&](double t) { return 0.4 * amp(t); }, Wave::Square), 0);
        // the mute opens and closes on every note: "wah"
        Buf wah = filter(
            src, Pass::Low,
            [=](double t) {
                double open = last ? 0.5 + 0.5 * std::sin(2 * kPi * 1.5 * t - kPi / 2) : hit(t, 0.07, 0.5);
                return 350.0 + 1500.0 * open;
            },
            2.2);
        mix(out, wah, n.at, 0.8f);
    }
    return out;
}

// The brush dips into a pot: a soft wet "plip" (a small bubble rising) over
// the faint knock of the brush on the pot's rim.
Buf pickUp() {
    Buf out = bubble(720, 0.16, 0.9f, 0.8);
    mix(out, tone(0.08, [](double t) { return glide(t, 420, 300, 0, 0.06); }, [](double t) { return hit(t, 0.002, 0.05); },
                  Wave::Triangle),
        0, 0.35f);
    return out;
}

// A walker takes the paint: a soft swish of the brush and a small bright
// twinkle as the colour takes.
Buf paintStroke() {
    Rng rng(seedOf("wav/paint.wav"));
    Buf out = bandNoise(
        0.22, [](double t) { return glide(t, 1400, 3600, 0, 0.2); }, 1.2, [](double t) { return swell(t, 0.03, 0.22, 0.12); },
        rng.next());
    mix(out, synth::tine(kRate, midiHz(91), 0.35, 0.5f), 0.07, 0.45f);
    mix(out, synth::tine(kRate, midiHz(98), 0.3, 0.4f), 0.11, 0.3f);
    return out;
}

// A life is lost: a short falling "bwoop" with a soft low thump under it.
Buf lifeLost() {
    Buf out = tone(0.55, [](double t) { return glide(t, 520, 190, 0.02, 0.5); }, [](double t) { return swell(t, 0.01, 0.55, 0.25); },
                   Wave::Triangle);
    mix(out, tone(0.3, [](double t) { return glide(t, 110, 60, 0, 0.25); }, [](double t) { return hit(t, 0.004, 0.25); }), 0,
        0.6f);
    return out;
}

}  // namespace

void genSounds(Output& out) {
    out.wav("wav/bom31_b.wav", finishMono(fireBurst(), 0.12f));
    out.wav("wav/pyoro52.wav", finishMono(magicBlip(), 0.15f));
    out.wav("wav/SteamD@22.wav", finishMono(steamHiss()));
    out.wav("wav/water01_c.wav", finishMono(splash(), 0.1f));
    out.wav("wav/mizu07.wav", finishMono(pouring(), 0.1f));
    out.wav("wav/magic_08.wav", finishMono(magicChime(), 0.25f));
    out.wav("wav/pochi03@11.wav", finishMono(pop()));
    out.wav("wav/bosu32.wav", finishMono(thud()));
    out.wav("wav/drag02.wav", finishMono(drag(), 0.08f));
    out.wav("wav/op5.wav", finishMono(clearFanfare(), 0.22f));
    out.wav("wav/notice1.wav", finishMono(confirmChime(), 0.18f));
    out.wav("wav/omg.wav", finishMono(gameOverSting(), 0.15f));
    out.wav("wav/pick.wav", finishMono(pickUp(), 0.08f, 0.6f, kEffectLoudnessDb - kSoftBelowDb));
    out.wav("wav/paint.wav", finishMono(paintStroke(), 0.12f, 0.6f, kEffectLoudnessDb - kSoftBelowDb));
    out.wav("wav/miss.wav", finishMono(lifeLost(), 0.1f));
}

}  // namespace ag
