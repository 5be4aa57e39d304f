// Backgrounds `img/haik.png` ... `img/haik8.png` (640x480, opaque): behind
// the stage maps (rows 0..9, y 0..319, so the upper part stays calm and the
// details gather low and at the edges) and behind the dialogue scenes (the
// talk window covers y 270..370, the portraits x 66..226 and 414..574 from
// y 70). Some scenes load them with the black key and others with the white
// one, so neither colour may appear (the caller nudges strays).
//
//   1 haik   meadow in the morning light (stages 1 and 8, many dialogues)
//   2 haik2  rainy green forest (stages 2 and 6)
//   3 haik3  high sky above the mountains (stage 3)
//   4 haik4  village at dusk (stage 4)
//   5 haik5  city at night under a red sky (stage 9)
//   6 haik6  starry night (stage 5)
//   7 haik7  rocky canyon (stage 7)
//   8 haik8  the nubbles' village around the elder's house (dialogues)
#include <cmath>

#include "figures.h"
#include "gfx/picture_files.h"
#include "hud_kit.h"
#include "hud_parts.h"
#include "palette.h"
#include "scene_kit.h"
#include "scenery.h"

namespace ag::hud {

namespace sc = scenery;

namespace {

constexpr int W = kScreenW, H = kScreenH;

// Soft haze over a band: the far distance fades into the sky colour.
void haze(Canvas& c, int y0, int y1, Rgba col, float strength) {
    for (int y = std::max(0, y0); y < std::min(H, y1); ++y) {
        float t = float(y - y0) / float(y1 - y0);
        float a = strength * std::sin(t * float(kPi));
        for (int x = 0; x < W; ++x) c.plot(x, y, col, a);
    }
}

// A bank of puffs with a lit upper-left rim and a shaded lower-right one.
void puffBank(Canvas& c, float cx, float cy, float w, float h, Rgba body, Rgba shadow, Rgba light, Rng& rng) {
    Shape puffs = Shape::ellipse(cx, cy + h * 0.2f, w * 0.5f, h * 0.35f);
    int n = 3 + int(w / 50.f);
    for (int i = 0; i < n; ++i) {
        float t = (float(i) + 0.5f) / float(n);
        float r = h * float(rng.range(0.32, 0.5)) * (0.7f + 0.5f * std::sin(t * float(kPi)));
        puffs = puffs | Shape::circle(cx - w * 0.45f + w * 0.9f * t, cy + h * 0.1f - r * 0.4f, r);
    }
    c.fill(puffs, body);
    c.fill(puffs - puffs.shift(-4, -5), withAlpha(shadow, 0.85f));
    c.fill(puffs - puffs.shift(2, 3), withAlpha(light, 0.9f));
}

// ---------------------------------------------------------------- 1 meadow
Canvas meadow() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[1].path));
    c.vGradient(0, 0, W, H, {{0.f, pal::kSkyTop}, {0.45f, lighter(pal::kPowderBlue, 0.3f)}, {0.66f, pal::kPaper}, {1.f, pal::kCream}});
    glow(c, 520, 40, 260, lighter(pal::kPaper, 0.6f), 90);
    const Rgba cloudBody = lighter(pal::kCloud, 0.3f), cloudShade = lighter(pal::kBluebell, 0.4f);
    sc::cloud(c, 120, 70, 150, cloudBody, cloudShade, rng);
    sc::cloud(c, 420, 42, 110, cloudBody, cloudShade, rng);
    sc::cloud(c, 590, 128, 90, cloudBody, cloudShade, rng);
    sc::cloud(c, 300, 170, 70, cloudBody, cloudShade, rng);
    // far mountains and hills
    sc::hill(c, sc::hillShape(0, W, 262, 26, 0.007f, 31, H), darker(pal::kHazeBlue, 0.1f), lighter(pal::kHazeBlue, 0.2f));
    sc::hill(c, sc::hillShape(0, W, 290, 14, 0.011f, 32, H), lighter(pal::kFoliage, 0.4f), lighter(pal::kGrass, 0.6f));
    for (int i = 0; i < 11; ++i) {
        float x = float(i) * 62.f + float(rng.range(0, 30));
        sc::roundTree(c, x, 298 + float(rng.range(-3, 4)), float(rng.range(14, 20)), lighter(pal::kLeaf, 0.2f), rng);
    }
    Shape mid = sc::hillShape(0, W, 330, 10, 0.009f, 33, H);
    sc::hill(c, mid, lighter(pal::kGrass, 0.2f), lighter(pal::kGrass, 0.4f));
    sc::roundTree(c, 40, 372, 150, pal::kLeaf, rng);
    sc::roundTree(c, 612, 368, 130, pal::kFoliage, rng);
    sc::bush(c, 150, 362, 34, pal::kFoliage, rng);
    sc::bush(c, 500, 358, 30, pal::kFoliage, rng);
    Shape front = sc::hillShape(0, W, 388, 6, 0.01f, 34, H);
    sc::hill(c, front, lighter(pal::kGrass, 0.1f), lighter(pal::kGrass, 0.3f));
    sc::grass(c, 0, W, 392, 9, pal::kFoliage, rng, 0.3f);
    for (int i = 0; i < 44; ++i) {
        float x = float(rng.range(0, W)), y = float(rng.range(400, 476));
        sc::flower(c, x, y, float(rng.range(6, 11)), float(rng.range(2.2, 3.6)), meadowPetal(i), pal::kMarigold);
    }
    sc::grass(c, 0, W, 478, 12, pal::kFoliage, rng, 0.25f);
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 2 rainy forest
Canvas rainyForest() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[2].path));
    c.vGradient(0, 0, W, H, {{0.f, pal::kPuddle}, {0.5f, lighter(pal::kPuddle, 0.4f)}, {1.f, lighter(pal::kFern, 0.4f)}});
    // layers of trees fading into the mist
    struct Layer {
        float base, amp;
        Rgba col;
        float size;
        int count;
    };
    const Layer layers[3] = {{250, 10, pal::kMistPine, 70, 14}, {300, 12, pal::kPine, 100, 11}, {350, 10, pal::kFern, 140, 8}};
    for (int l = 0; l < 3; ++l) {
        const Layer& L = layers[l];
        for (int i = 0; i < L.count; ++i) {
            float x = (float(i) + float(rng.range(0.1, 0.9))) * float(W) / float(L.count);
            float h = L.size * float(rng.range(0.8, 1.2));
            // a tall conifer: stacked tiers
            Shape tree;
            for (int k = 0; k < 4; ++k) {
                float ty = L.base - h + float(k) * h * 0.2f, tw = h * (0.14f + 0.07f * float(k));
                tree = tree | Shape::polygon({{x, ty}, {x + tw, ty + h * 0.3f}, {x - tw, ty + h * 0.3f}});
            }
            tree = tree | Shape::rect(x - h * 0.025f, L.base - h * 0.2f, h * 0.05f, h * 0.3f);
            c.fill(tree, L.col);
            c.fill(tree - tree.shift(-3, 0), withAlpha(lighter(L.col, 0.15f), 0.6f));
        }
        c.fill(sc::hillShape(0, W, L.base, L.amp, 0.01f, 40 + uint32_t(l), H), L.col);
        haze(c, int(L.base) - 60, int(L.base) + 30, lighter(pal::kPuddle, 0.5f), 0.35f);
    }
    // the wet path and puddles in front
    Shape ground = sc::hillShape(0, W, 392, 6, 0.012f, 45, H);
    sc::hill(c, ground, darker(pal::kGrass, 0.4f), lighter(pal::kLeafDark, 0.3f));
    for (int i = 0; i < 7; ++i) {
        float x = float(rng.range(20, 620)), y = float(rng.range(410, 470)), rx = float(rng.range(18, 44));
        c.fill(Shape::ellipse(x, y, rx, rx * 0.22f), pal::kPuddle);
        c.fill(Shape::ellipse(x - rx * 0.2f, y - 1, rx * 0.5f, rx * 0.06f), lighter(pal::kPowderBlue, 0.6f));
        c.fill(Shape::ellipse(x + rx * 0.3f, y, rx * 0.18f, rx * 0.06f) - Shape::ellipse(x + rx * 0.3f, y, rx * 0.12f, rx * 0.04f),
               lighter(pal::kPowderBlue, 0.6f));
    }
    for (int i = 0; i < 10; ++i)
        sc::bush(c, float(rng.range(0, W)), float(rng.range(400, 480)), float(rng.range(26, 44)), darker(pal::kLeaf, 0.3f), rng);
    sc::grass(c, 0, W, 480, 14, darker(pal::kLeaf, 0.3f), rng, 0.25f);
    // rain: thin slanted streaks, lighter in the distance
    for (int i = 0; i < 260; ++i) {
        float x = float(rng.range(-60, W)), y = float(rng.range(-20, H));
        float len = float(rng.range(10, 22));
        c.fill(Shape::capsule({x, y}, {x + len * 0.3f, y + len}, 0.45f), withAlpha(pal::kCloud, float(rng.range(0.15, 0.35))));
    }
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 3 high sky
Canvas highSky() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[3].path));
    c.vGradient(0, 0, W, H,
                {{0.f, pal::kHighSky}, {0.4f, pal::kCornflower}, {0.75f, lighter(pal::kPowderBlue, 0.3f)}, {1.f, lighter(pal::kFrost, 0.1f)}});
    sc::sun(c, 90, 70, 22, pal::kPaper, lighter(pal::kButter, 0.3f));
    puffBank(c, 430, 56, 110, 40, pal::kCloud, lighter(pal::kBluebell, 0.3f), pal::kCloudLight, rng);
    puffBank(c, 250, 150, 74, 28, pal::kCloud, lighter(pal::kBluebell, 0.3f), pal::kCloudLight, rng);
    // snowy peaks rising out of the clouds far below us
    auto peaks = [&](float base, float height, float spacing, uint32_t seed, Rgba rock, Rgba snow) {
        Shape sh = Shape::below(0, W, H, [&](float x) {
            float m = 0;
            for (int k = -1; k < int(W / spacing) + 2; ++k) {
                float px = float(k) * spacing + spacing * 0.4f * valueNoise1(float(k) * 1.7f, seed);
                float ph = height * (0.55f + 0.45f * (valueNoise1(float(k) + 7.3f, seed) * 0.5f + 0.5f));
                m = std::max(m, ph - std::fabs(x - px) * 1.1f);
            }
            return base - m + 2.5f * fbm1(x * 0.06f, seed + 3, 2);
        });
        Ramp r = shade(rock);
        c.fill(sh, r.base);
        c.fill(sh - sh.shift(-6, 3), withAlpha(r.light, 0.8f));  // the sunlit left faces
        Shape cap = sh - Shape::below(0, W, H, [&](float x) { return base - height * 0.62f + 6.f * fbm1(x * 0.05f, seed + 9, 2); });
        c.fill(cap, snow);
        c.fill(cap - cap.shift(-5, 3), withAlpha(pal::kHazeBlue, 0.9f));
    };
    peaks(430, 190, 170, 51, darker(pal::kBluebell, 0.3f), pal::kCloud);
    haze(c, 300, 420, pal::kFrost, 0.35f);
    peaks(450, 150, 130, 52, darker(pal::kHazeBlue, 0.5f), pal::kCloud);
    // the sea of clouds we stand above
    for (int row = 0; row < 5; ++row) {
        float y = 372 + float(row) * 26.f;
        for (int i = -1; i < 8; ++i) {
            float x = float(i) * 92.f + float(row % 2) * 46.f + float(rng.range(-14, 14));
            puffBank(c, x, y, float(rng.range(120, 170)), float(rng.range(46, 64)), pal::kCloud, lighter(pal::kBluebell, 0.3f),
                     pal::kCloudLight, rng);
        }
    }
    // two birds gliding
    for (Pt b : {Pt{520, 210}, Pt{545, 222}}) {
        c.fill(Shape::polyline({{b.x - 6, b.y - 3}, {b.x, b.y}, {b.x + 6, b.y - 3}}, 0.8f), darker(pal::kSkyTop, 0.6f));
    }
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 4 dusk village
Canvas duskVillage() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[4].path));
    c.vGradient(0, 0, W, H,
                {{0.f, pal::kTwilight}, {0.3f, pal::kMauve}, {0.55f, lighter(pal::kVermilion, 0.3f)},
                 {0.72f, lighter(pal::kTangerine, 0.2f)}, {1.f, darker(pal::kTangerine, 0.1f)}});
    sc::sun(c, 430, 318, 38, pal::kButter, pal::kTangerine);
    // first stars high up
    for (int i = 0; i < 24; ++i) c.fillCircle(float(rng.range(0, W)), float(rng.range(4, 90)), float(rng.range(0.6, 1.2)), faded(pal::kPaper, 200));
    const Rgba cb = lighter(pal::kVermilion, 0.5f), cs = pal::kDuskPink;
    sc::cloud(c, 140, 90, 170, cb, cs, rng);
    sc::cloud(c, 500, 150, 120, cb, cs, rng);
    sc::cloud(c, 330, 60, 90, mix(cb, darker(pal::kCandyPink, 0.2f), 0.5f), cs, rng);
    sc::hill(c, sc::hillShape(0, W, 318, 16, 0.008f, 61, H), darker(pal::kCandyPink, 0.5f), darker(pal::kOldRose, 0.1f));
    // the village on the hill, windows lit
    Shape hill = sc::hillShape(0, W, 352, 8, 0.01f, 62, H);
    const struct {
        float x, base, w, h;
        bool gable;
    } houses[] = {{60, 354, 40, 30, true}, {118, 352, 52, 34, false}, {196, 350, 36, 40, true},
                  {250, 352, 48, 30, false}, {500, 350, 44, 34, true}, {560, 353, 50, 30, false}};
    for (const auto& h : houses) {
        sc::HouseLook look{darker(pal::kCandyPink, 0.6f), pal::kDuskPlum, h.gable, true, 1};
        sc::house(c, h.x, h.base, h.w, h.h, look, rng);
    }
    sc::tower(c, 318, 350, 22, 60, darker(pal::kCandyPink, 0.6f), pal::kDuskShadow);
    // warm window light over the dusk-coloured walls
    for (const auto& h : houses) {
        int nwin = std::max(1, int(h.w / (std::max(3.f, h.w * 0.13f) * 3.f)));
        for (int i = 0; i < nwin; ++i) {
            float ww = std::max(3.f, h.w * 0.13f), wh = std::max(3.f, h.h * 0.22f);
            float wx = h.x + h.w * (float(i) + 0.5f) / float(nwin) - ww * 0.5f, wy = h.base - h.h + h.h * 0.18f;
            c.fill(Shape::rect(wx, wy, ww, wh), lighter(pal::kSunYellow, 0.3f));
            glow(c, wx + ww / 2, wy + wh / 2, 10, lighter(pal::kSunYellow, 0.3f), 90);
        }
    }
    sc::smoke(c, 150, 300, 30, lighter(pal::kCoralRose, 0.6f));
    sc::smoke(c, 540, 300, 26, lighter(pal::kCoralRose, 0.6f));
    sc::hill(c, hill, darker(pal::kMauve, 0.4f), darker(pal::kOldRose, 0.3f));
    sc::roundTree(c, 30, 400, 120, lighter(pal::kAubergine, 0.1f), rng);
    sc::roundTree(c, 626, 396, 110, lighter(pal::kAubergine, 0.1f), rng);
    Shape front = sc::hillShape(0, W, 400, 6, 0.01f, 63, H);
    sc::hill(c, front, pal::kDuskPlum, darker(pal::kQuiltPink, 0.5f));
    sc::fence(c, 360, 600, 436, 16, lighter(pal::kWine, 0.3f));
    sc::grass(c, 0, W, 480, 12, pal::kDuskShadow, rng, 0.25f);
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 5 red-sky city
Canvas redCity() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[5].path));
    c.vGradient(0, 0, W, H, {{0.f, pal::kRedNight}, {0.35f, pal::kWine}, {0.7f, pal::kCrimson}, {1.f, pal::kVermilion}});
    // a huge low moon and drifting smoke
    glow(c, 500, 120, 160, pal::kTerracotta, 70);
    c.fillCircle(500, 120, 46, pal::kApricot);
    c.fill(Shape::circle(500, 120, 46) - Shape::circle(492, 114, 46), withAlpha(lighter(pal::kCrimson, 0.4f), 0.7f));
    for (Pt p : {Pt{478, 104}, Pt{514, 134}, Pt{506, 100}}) c.fillCircle(p.x, p.y, 5, darker(pal::kApricot, 0.1f));
    const Rgba starlight = faded(lighter(pal::kQuiltPink, 0.6f), 160);
    for (int i = 0; i < 30; ++i) c.fillCircle(float(rng.range(0, W)), float(rng.range(4, 160)), float(rng.range(0.5, 1.0)), starlight);
    // three rows of towers, the far ones hazy
    struct Row {
        float base, minH, maxH;
        Rgba col;
        float winChance;
    };
    const Row rows[3] = {{330, 60, 130, darker(pal::kCrimson, 0.4f), 0.15f},
                         {400, 90, 200, darker(pal::kWine, 0.4f), 0.3f},
                         {480, 120, 250, pal::kRedNight, 0.4f}};
    for (int r = 0; r < 3; ++r) {
        const Row& R = rows[r];
        float x = float(rng.range(-20, 0));
        while (x < W) {
            float w = float(rng.range(36, 70)), h = float(rng.range(R.minH, R.maxH));
            // keep the middle of the upper screen calm: lower towers there
            if (x > 180 && x < 460) h *= 0.7f;
            Shape b = Shape::rect(x, R.base - h, w, h + 2);
            if (rng.chance(0.35)) b = b | Shape::rect(x + w * 0.3f, R.base - h - 14, w * 0.4f, 16);
            if (rng.chance(0.25)) b = b | Shape::rect(x + w * 0.48f, R.base - h - 34, 2, 22);
            c.fill(b, R.col);
            c.fill(b & Shape::rect(x, 0, 3, float(H)), lighter(R.col, 0.12f));
            for (float wy = R.base - h + 8; wy < R.base - 8; wy += 12)
                for (float wx = x + 6; wx < x + w - 8; wx += 10)
                    if (rng.chance(R.winChance)) c.fillRect(int(wx), int(wy), 4, 5, mix(lighter(pal::kMarigold, 0.2f), R.col, float(r == 0) * 0.5f));
            x += w + float(rng.range(2, 14));
        }
        if (r < 2) haze(c, int(R.base) - 40, int(R.base) + 20, pal::kRoof, 0.35f);
    }
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 6 starry night
Canvas starryNight() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[6].path));
    c.vGradient(0, 0, W, H, {{0.f, pal::kMidnight}, {0.5f, pal::kNavy}, {0.8f, darker(pal::kBlue, 0.6f)}, {1.f, pal::kNightBlue}});
    // the milky way: a soft diagonal band of glow and dust
    for (int i = 0; i < 60; ++i) {
        float t = float(i) / 60.f;
        float x = -40 + t * 720, y = 330 - t * 300 + 20.f * std::sin(t * 7.f);
        glow(c, x, y, float(rng.range(40, 70)), pal::kDenim, 26);
    }
    for (int i = 0; i < 700; ++i) {
        float t = float(rng.unit());
        float x = -40 + t * 720 + float(rng.range(-60, 60)), y = 330 - t * 300 + float(rng.range(-50, 50));
        c.fillCircle(x, y, 0.6f, faded(pal::kHazeBlue, uint8_t(rng.range(60, 160))));
    }
    // stars, a few with glints
    for (int i = 0; i < 160; ++i) {
        float x = float(rng.range(0, W)), y = float(rng.range(0, 400));
        float r = float(rng.range(0.5, 1.3));
        Rgba col = rng.chance(0.2) ? pal::kButter : pal::kFrost;
        c.fillCircle(x, y, r, col);
    }
    for (int i = 0; i < 14; ++i) {
        float x = float(rng.range(20, 620)), y = float(rng.range(10, 360));
        glow(c, x, y, 9, pal::kCream, 140);
        c.fill(star(x, y, 6, 1.2f), pal::kPaper);
    }
    // crescent moon
    glow(c, 540, 80, 90, pal::kButter, 50);
    c.fill(Shape::circle(540, 80, 26) - Shape::circle(552, 72, 24), pal::kButter);
    // hills, a lone tree and a wishing meadow
    sc::hill(c, sc::hillShape(0, W, 380, 16, 0.008f, 71, H), darker(pal::kNavy, 0.5f), lighter(pal::kNightBlue, 0.1f));
    Shape front = sc::hillShape(0, W, 420, 8, 0.012f, 72, H);
    {
        // a lone tree in silhouette, its crown rimmed by moonlight
        Shape tree = Shape::polygon({{104, 424}, {108, 360}, {114, 360}, {120, 424}});
        for (Pt p : {Pt{110, 330}, Pt{86, 344}, Pt{136, 342}, Pt{98, 316}, Pt{126, 318}, Pt{112, 302}})
            tree = tree | Shape::circle(p.x, p.y, 22);
        c.fill(tree, pal::kMidnight);
        c.fill(tree - tree.shift(2, 2), lighter(pal::kNavy, 0.1f));
    }
    sc::hill(c, front, darker(pal::kMidnight, 0.6f), lighter(pal::kNavy, 0.1f));
    // fireflies
    for (int i = 0; i < 18; ++i) {
        float x = float(rng.range(10, 630)), y = float(rng.range(390, 470));
        glow(c, x, y, 6, pal::kFirefly, 150);
        c.fillCircle(x, y, 1.1f, lighter(pal::kFirefly, 0.6f));
    }
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 7 canyon
// A band of mesas: flat tops at `top`, gaps down to `base`, steep sides and
// horizontal strata; the far ones fade into the haze.
void mesas(Canvas& c, float base, float top, uint32_t seed, Rgba rock, float haziness) {
    Shape s = Shape::below(0, W, H, [&](float x) {
        float n = valueNoise1(x * 0.012f, seed);
        float k = smoothstep(-0.15f, 0.15f, n);  // plateau or gap
        return lerpf(base, top, k) + 2.f * fbm1(x * 0.08f, seed + 1, 2);
    });
    Ramp r = shade(rock);
    c.fill(s, r.base);
    for (float y = top + 6; y < H; y += 9.f + float(seed % 3))
        c.fill(s & Shape::rect(0, y, float(W), 2.f), withAlpha(r.shadow, 0.35f));
    c.fill(s - s.shift(-4, 0), withAlpha(r.light, 0.55f));
    c.fill(s - s.shift(0, 3), withAlpha(r.shine, 0.6f));
    if (haziness > 0) haze(c, int(top) - 10, int(base) + 40, pal::kSkyLow, haziness);
}

// The high cliff wall on the left or the right side, lit from the left.
void cliffWall(Canvas& c, bool left) {
    const float top = left ? 84.f : 118.f, edge = left ? 74.f : 566.f;
    std::vector<Pt> pts;
    pts.push_back({left ? -2.f : 642.f, top - 6});
    for (int i = 0; i <= 40; ++i) {
        float y = top + float(i) / 40.f * (480.f - top);
        float jut = 16.f * fbm1(y * 0.025f, 85 + uint32_t(left ? 0 : 1), 3) + (i % 6 == 0 ? 5.f : 0.f);
        float x = left ? edge + jut + 10.f * (1.f - float(i) / 40.f) : edge - jut - 10.f * (1.f - float(i) / 40.f);
        pts.push_back({x, y});
    }
    pts.push_back({left ? -2.f : 642.f, 482});
    Shape cl = Shape::polygon(pts);
    Ramp r = shade(darker(pal::kRust, 0.1f));
    c.fill(cl.grow(1), r.deep);
    c.fill(cl, r.base);
    for (float y = top + 8; y < H; y += 11.f)
        c.fill(cl & Shape::rect(0, y, float(W), 2.f), withAlpha(r.shadow, 0.45f));
    c.fill(cl - cl.shift(left ? 5 : -5, 0), withAlpha(left ? r.shadow : r.light, 0.7f));
    c.fill(cl - cl.shift(0, 4), withAlpha(r.shine, 0.7f));
}

// The canyon floor with stones and two cacti.
void canyonFloor(Canvas& c, Rng& rng) {
    sc::hill(c, sc::hillShape(0, W, 446, 5, 0.01f, 84, H), darker(pal::kTangerine, 0.3f), pal::kSandstone);
    for (int i = 0; i < 26; ++i) {
        float x = float(rng.range(0, W)), y = float(rng.range(452, 478)), r = float(rng.range(3, 8));
        c.fill(Shape::ellipse(x, y, r, r * 0.6f), darker(pal::kClay, 0.2f));
        c.fill(Shape::ellipse(x - r * 0.3f, y - r * 0.2f, r * 0.5f, r * 0.3f), lighter(pal::kRust, 0.2f));
    }
    const Ramp g = shade(darker(pal::kGrass, 0.3f));
    for (float x : {126.f, 506.f}) {
        Shape cactus = Shape::roundRect(x - 5, 410, 10, 46, 5) | Shape::roundRect(x - 17, 422, 8, 18, 4) |
                       Shape::rect(x - 13, 434, 10, 6) | Shape::roundRect(x + 9, 416, 8, 16, 4) | Shape::rect(x + 3, 428, 10, 6);
        c.fill(cactus.grow(1), g.deep);
        c.fill(cactus, g.base);
        c.fill(cactus - cactus.shift(2, 0), g.light);
    }
}

Canvas canyon() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[7].path));
    c.vGradient(0, 0, W, H,
                {{0.f, pal::kSkyTop}, {0.35f, lighter(pal::kPowderBlue, 0.3f)}, {0.6f, pal::kSkyLow}, {1.f, lighter(pal::kSandstone, 0.2f)}});
    const Rgba cloudBody = lighter(pal::kCloud, 0.4f), cloudShade = lighter(pal::kStone, 0.6f);
    sc::cloud(c, 200, 60, 120, cloudBody, cloudShade, rng);
    sc::cloud(c, 520, 100, 90, cloudBody, cloudShade, rng);
    mesas(c, 330, 250, 81, lighter(pal::kClay, 0.3f), 0.4f);
    mesas(c, 370, 280, 82, pal::kClay, 0.2f);
    mesas(c, 420, 330, 83, pal::kRust, 0.f);
    cliffWall(c, true);
    cliffWall(c, false);
    canyonFloor(c, rng);
    paperGrain(c, 2);
    return c;
}

// ---------------------------------------------------------------- 8 nubble village
Canvas nubbleElderVillage() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicBackgrounds[8].path));
    woodsSky(c, {Pt{160, 40}, Pt{480, 30}}, 220, 110);
    grassStems(c, {16, 42, 10, 6, 12, 30, 420, 0.7f}, rng);
    sc::lightShafts(c, 0, 0, W, 380, woodsShaftLight(), rng);
    Shape back = sc::hillShape(0, W, 330, 8, 0.012f, 91, H);
    sc::hill(c, back, pal::kFoliage, lighter(pal::kGrass, 0.2f));
    // the elder's great house in the middle, smaller homes around it
    sc::mushroomHouse(c, 58, 350, 74, pal::kMarmalade, rng);
    sc::mushroom(c, 150, 342, 28, pal::kLilac, rng);
    sc::mushroomHouse(c, 320, 372, 180, pal::kViolet, rng);
    sc::mushroomHouse(c, 580, 352, 84, pal::kVermilion, rng);
    sc::mushroom(c, 486, 346, 30, lighter(pal::kMarmalade, 0.1f), rng);
    sc::flower(c, 200, 380, 96, 18, pal::kPaper, pal::kMarigold);
    sc::flower(c, 452, 384, 80, 15, pal::kPink, pal::kMarigold);
    Shape front = sc::hillShape(0, W, 390, 5, 0.015f, 92, H);
    sc::hill(c, front, lighter(pal::kGrass, 0.1f), lighter(pal::kGrass, 0.3f));
    // a path of pebbles to the elder's door
    for (int i = 0; i < 14; ++i) {
        float t = float(i) / 13.f;
        float x = 320 + std::sin(t * 3.f) * 30.f * t, y = 392 + t * 82.f;
        c.fillEllipse(x + float(rng.range(-4, 4)), y, 7 + 6 * t, 2.5f + 2.f * t, pal::kPaperShade);
    }
    // nubbles gathered in worry and hope
    const Rgba yellow = nubbleYellow();
    villagers(c, {{40, 440, 30, pal::kApricot, 0.8f, false},          {100, 452, 26, pal::kMint, 0.5f, true},
                  {190, 466, 30, yellow, 0.3f, false, false},          {250, 440, 22, pal::kLilac, 0.6f, false},
                  {400, 444, 24, pal::kPowderBlue, -0.6f, false, false}, {462, 466, 30, pal::kPink, -0.3f, true},
                  {540, 448, 28, pal::kApricot, -0.8f, false},          {604, 462, 24, pal::kMint, -0.5f, false}});
    sc::leaf(c, {-40, -30}, {230, 52}, 120, pal::kLeaf);
    sc::leaf(c, {680, -40}, {440, 40}, 110, pal::kLeaf);
    paperGrain(c, 2);
    return c;
}

}  // namespace

Canvas stageBackground(int n) {
    switch (n) {
        case 1: return meadow();
        case 2: return rainyForest();
        case 3: return highSky();
        case 4: return duskVillage();
        case 5: return redCity();
        case 6: return starryNight();
        case 7: return canyon();
        default: return nubbleElderVillage();
    }
}

}  // namespace ag::hud
