// The prologue: the storybook frame over the whole screen, the two
// scrolling pictures behind its window (our world's town on a spring
// morning; the nubbles' village under the leaves) and the music bed that
// carries the captions.
#include <cmath>

#include "families.h"
#include "figures.h"
#include "output.h"
#include "palette.h"
#include "scene_kit.h"
#include "scenery.h"
#include "synth.h"
#include "wav.h"

namespace ag {

namespace sc = scenery;

namespace {

constexpr int kPicW = 1024, kPicH = 256;

// ---------------------------------------------------------------- the town
// The morning sky: the sun, clouds and a few birds.
void townSky(Canvas& c, Rng& rng) {
    c.vGradient(0, 0, kPicW, kPicH, {{0.f, pal::kSkyTop}, {0.42f, lighter(pal::kPowderBlue, 0.3f)}, {0.7f, pal::kPaper}, {1.f, pal::kSkyLow}});
    sc::sun(c, 170, 70, 15, pal::kPaper, lighter(pal::kMarigold, 0.6f));
    const Rgba cloudBody = lighter(pal::kCloud, 0.3f), cloudShade = lighter(pal::kHazeBlue, 0.3f);
    sc::cloud(c, 360, 44, 120, cloudBody, cloudShade, rng);
    sc::cloud(c, 610, 70, 84, cloudBody, cloudShade, rng);
    sc::cloud(c, 850, 38, 150, cloudBody, cloudShade, rng);
    sc::cloud(c, 80, 122, 64, cloudBody, cloudShade, rng);
    sc::cloud(c, 985, 112, 56, cloudBody, cloudShade, rng);
    for (Pt b : {Pt{470, 60}, Pt{486, 52}, Pt{500, 64}, Pt{760, 96}}) {
        c.fill(Shape::polyline({{b.x - 4, b.y - 2}, {b.x, b.y}, {b.x + 4, b.y - 2}}, 0.6f), darker(pal::kStone, 0.6f));
    }
}

// Distant mountains and hills, a patchwork of fields on the far hills and
// trees along the ridge.
void farCountry(Canvas& c, Rng& rng) {
    sc::hill(c, sc::hillShape(0, kPicW, 146, 24, 0.006f, 11, kPicH), darker(pal::kHazeBlue, 0.1f), lighter(pal::kHazeBlue, 0.2f));
    sc::hill(c, sc::hillShape(0, kPicW, 162, 14, 0.009f, 12, kPicH), lighter(pal::kHighSky, 0.5f), lighter(pal::kBluebell, 0.3f));
    Shape far = sc::hillShape(0, kPicW, 180, 9, 0.011f, 13, kPicH);
    sc::hill(c, far, lighter(pal::kFoliage, 0.3f), lighter(pal::kGrass, 0.6f));
    const Rgba fields[] = {lighter(pal::kGrass, 0.4f), lighter(pal::kFoliage, 0.3f), darker(pal::kFirefly, 0.1f),
                           lighter(pal::kGrass, 0.5f), lighter(pal::kFoliage, 0.2f)};
    for (int i = 0; i < 26; ++i) {
        float x = float(i) * 41.f + float(rng.range(-10, 10)), y = 190 + float(rng.range(-4, 10));
        float w = float(rng.range(30, 60)), h = float(rng.range(5, 10));
        Shape patch = Shape::polygon({{x, y}, {x + w, y - 2}, {x + w + 6, y + h}, {x + 4, y + h + 1}}) & far;
        c.fill(patch, withAlpha(fields[i % 5], 0.85f));
        c.fill(patch & Shape::rect(x, y + h * 0.5f, w + 8, 0.8f), withAlpha(lighter(pal::kLeaf, 0.3f), 0.5f));
    }
    for (int i = 0; i < 16; ++i) {
        float x = float(i) * 66.f + float(rng.range(0, 30));
        sc::roundTree(c, x, 190 + float(rng.range(-3, 4)), float(rng.range(12, 18)), lighter(pal::kLeaf, 0.2f), rng);
    }
}

// The town on its hill: houses, a church tower, trees and chimney smoke.
void town(Canvas& c, Rng& rng) {
    sc::hill(c, sc::hillShape(0, kPicW, 210, 6, 0.01f, 14, kPicH), lighter(pal::kGrass, 0.2f), lighter(pal::kGrass, 0.4f));
    const Rgba blueRoof = darker(pal::kCornflower, 0.3f), redRoof = darker(pal::kVermilion, 0.2f);
    struct H {
        float x, base, w, h;
        Rgba wall, roof;
        bool gable;
        int floors;
    };
    const H houses[] = {
        {286, 212, 26, 18, pal::kWall, pal::kRoof, true, 1},        {330, 210, 34, 20, pal::kCream, blueRoof, false, 1},
        {392, 207, 24, 24, pal::kPaper, pal::kTerracotta, true, 2}, {430, 208, 38, 22, pal::kWall, redRoof, false, 2},
        {510, 206, 22, 18, pal::kPaperShade, darker(pal::kGrass, 0.4f), true, 1},
        {585, 207, 36, 22, pal::kPaper, pal::kRoof, false, 2},      {636, 209, 26, 20, pal::kPaperShade, blueRoof, true, 1},
        {684, 211, 34, 18, pal::kWall, pal::kTerracotta, false, 1}, {742, 212, 24, 17, pal::kCream, redRoof, true, 1},
    };
    sc::slimTree(c, 376, 210, 34, darker(pal::kFoliage, 0.1f));
    sc::slimTree(c, 622, 210, 30, darker(pal::kFoliage, 0.1f));
    sc::tower(c, 540, 206, 20, 52, pal::kPaperShade, pal::kDenim);
    for (const H& h : houses) {
        sc::HouseLook look{h.wall, h.roof, h.gable, true, h.floors};
        sc::house(c, h.x, h.base, h.w, h.h, look, rng);
    }
    sc::smoke(c, 456, 168, 22, pal::kCloud);
    sc::smoke(c, 612, 166, 20, pal::kCloud);
    for (float x : {318.f, 480.f, 576.f, 730.f, 776.f}) sc::roundTree(c, x, 214, float(rng.range(20, 26)), pal::kFoliage, rng);
}

// The road winding up to the town, from the bottom edge (t = 0) to the
// hill (t = 1); `side` -1 is its left edge, +1 its right.
Pt townRoadAt(float t, float side) {
    float y = 256.f - t * 46.f;
    float x = 250.f + 230.f * t + 40.f * std::sin(t * 3.2f);
    return {x + side * ((1.f - t) * 30.f + 3.f), y};
}

// The meadow in front with the road, a fence, bushes, trees and flowers.
void townMeadow(Canvas& c, Rng& rng) {
    sc::hill(c, sc::hillShape(0, kPicW, 226, 5, 0.008f, 15, kPicH), lighter(pal::kGrass, 0.1f), lighter(pal::kGrass, 0.3f));
    std::vector<Pt> road;
    for (int i = 0; i <= 16; ++i) road.push_back(townRoadAt(float(i) / 16.f, -1.f));
    for (int i = 16; i >= 0; --i) road.push_back(townRoadAt(float(i) / 16.f, 1.f));
    paintRoad(c, Shape::polygon(road));
    sc::fence(c, 600, 780, 246, 14, darker(pal::kSandstone, 0.2f));
    sc::bush(c, 580, 246, 24, pal::kFoliage, rng);
    sc::bush(c, 820, 248, 30, darker(pal::kLeaf, 0.1f), rng);
    sc::bush(c, 180, 250, 26, pal::kFoliage, rng);
    sc::roundTree(c, 70, 254, 130, pal::kLeaf, rng);
    sc::roundTree(c, 960, 256, 118, pal::kFoliage, rng);
    sc::grass(c, 0, kPicW, 256, 8, pal::kFoliage, rng, 0.3f);
    for (int i = 0; i < 30; ++i) {
        float x = float(rng.range(0, kPicW)), y = float(rng.range(236, 254));
        if (std::fabs(x - 320) < 60) continue;  // keep the road clear
        sc::flower(c, x, y, float(rng.range(5, 9)), float(rng.range(2.0, 3.2)), meadowPetal(i), pal::kMarigold);
    }
}

Canvas townMorning() {
    Canvas c(kPicW, kPicH);
    Rng rng(seedOf("img/Gplg.png town"));
    townSky(c, rng);
    farCountry(c, rng);
    town(c, rng);
    townMeadow(c, rng);
    c.noise(0, 0, kPicW, kPicH, 2.f, rng);
    return c;
}

// ---------------------------------------------------------------- the nubbles' land
// Sunlight through the canopy, giant grass stems and clover far behind.
void nubbleWoods(Canvas& c, Rng& rng) {
    woodsSky(c, {Pt{200, 60}, Pt{560, 40}, Pt{880, 70}}, 170, 120);
    grassStems(c, {22, 48, 12, 6, 12, 30, 256, 0.75f}, rng);
    for (int i = 0; i < 6; ++i) {
        float x = 80.f + float(i) * 175.f + float(rng.range(-30, 30)), y = float(rng.range(120, 150));
        Rgba col = withAlpha(darker(pal::kSage, 0.1f), 0.8f);
        c.fill(Shape::capsule({x, 256}, {x + 4, y}, 2.5f), col);
        for (int k = 0; k < 3; ++k) {
            float a = float(k) / 3.f * 2.f * float(kPi) - 1.57f;
            c.fill(Shape::circle(x + 4 + std::cos(a) * 14, y + std::sin(a) * 14, 15), col);
        }
    }
    sc::lightShafts(c, 0, 0, kPicW, 230, woodsShaftLight(), rng);
}

// The ground with mushroom houses, plain mushrooms, flowers, and pebbles
// and clover on the path.
void nubbleHomes(Canvas& c, Rng& rng) {
    sc::hill(c, sc::hillShape(0, kPicW, 196, 7, 0.012f, 21, kPicH), pal::kFoliage, lighter(pal::kGrass, 0.2f));
    Shape front = sc::hillShape(0, kPicW, 222, 4, 0.015f, 22, kPicH);
    sc::mushroom(c, 60, 206, 30, lighter(pal::kMarmalade, 0.1f), rng);
    sc::mushroomHouse(c, 150, 214, 92, pal::kVermilion, rng);
    sc::mushroom(c, 330, 204, 26, pal::kLilac, rng);
    sc::mushroomHouse(c, 420, 210, 72, pal::kMarmalade, rng);
    sc::mushroomHouse(c, 660, 214, 116, pal::kVermilion, rng);
    sc::mushroom(c, 770, 208, 34, pal::kVermilion, rng);
    sc::mushroomHouse(c, 890, 212, 82, pal::kViolet, rng);
    sc::flower(c, 300, 214, 84, 17, pal::kPaper, pal::kMarigold);
    sc::flower(c, 790, 216, 96, 19, pal::kPink, pal::kMarigold);
    sc::flower(c, 990, 214, 64, 13, pal::kHazeBlue, lighter(pal::kLemon, 0.3f));
    sc::hill(c, front, lighter(pal::kGrass, 0.1f), lighter(pal::kGrass, 0.3f));
    for (int i = 0; i < 40; ++i) {
        float x = float(rng.range(0, kPicW)), y = float(rng.range(232, 252));
        if (rng.chance(0.5))
            c.fillEllipse(x, y, float(rng.range(2, 4)), float(rng.range(1.5, 2.5)), darker(pal::kCream, 0.2f));
        else
            for (int k = 0; k < 3; ++k)
                c.fillCircle(x + std::cos(k * 2.1f) * 2.4f, y + std::sin(k * 2.1f) * 2.f, 2.1f, darker(pal::kLeaf, 0.1f));
    }
}

// Giant leaves overhead, dew and fireflies, grass along the bottom.
void leavesOverhead(Canvas& c, Rng& rng) {
    sc::leaf(c, {-40, -30}, {230, 62}, 120, pal::kLeaf);
    sc::leaf(c, {330, -40}, {520, 40}, 96, pal::kLeaf);
    sc::leaf(c, {760, -50}, {560, 52}, 104, darker(pal::kLeaf, 0.1f));
    sc::leaf(c, {1060, -20}, {820, 70}, 126, pal::kLeaf);
    for (int i = 0; i < 28; ++i) {
        float x = float(rng.range(0, kPicW)), y = float(rng.range(70, 200));
        glow(c, x, y, 5, pal::kButter, 200);
        c.fillCircle(x, y, 1.0f, lighter(pal::kPaper, 0.6f));
    }
    sc::grass(c, 0, kPicW, 256, 10, pal::kFoliage, rng, 0.35f);
}

Canvas nubbleVillage() {
    Canvas c(kPicW, kPicH);
    Rng rng(seedOf("img/Gplg.png nubbles"));
    nubbleWoods(c, rng);
    nubbleHomes(c, rng);
    // the nubbles going about their morning
    const Rgba yellow = nubbleYellow();
    villagers(c, {{226, 240, 28, pal::kApricot, 1.f, true},      {268, 242, 24, pal::kMint, -1.f, false},
                  {372, 238, 21, yellow, 0.5f, false},          {512, 242, 30, pal::kLilac, 0.3f, false},
                  {552, 243, 20, pal::kPowderBlue, -0.6f, true}, {728, 241, 27, pal::kApricot, 1.f, false},
                  {768, 244, 22, yellow, -1.f, false},          {968, 242, 26, pal::kPowderBlue, -0.5f, false},
                  {88, 242, 23, pal::kMint, 0.7f, false},        {612, 245, 18, pal::kPink, -0.3f, true}});
    leavesOverhead(c, rng);
    c.noise(0, 0, kPicW, kPicH, 2.f, rng);
    return c;
}

// ---------------------------------------------------------------- the frame
// A dark storybook frame: the picture shows through a window in the upper
// part (green, the key); the captions are written in white and red on the
// panel below, so that panel stays plain and dark.
Canvas storyFrame() {
    const int W = 640, H = 480;
    Canvas c(W, H);
    Rng rng(seedOf(kPicPrologueFrame.path));
    c.vGradient(0, 0, W, H, {{0.f, pal::kNightLift}, {0.5f, pal::kNight}, {1.f, pal::kNight}});
    c.noise(0, 0, W, H, 3.f, rng);
    const Rgba gold = pal::kGold, goldDeep = pal::kGoldDeep;

    // the caption panel
    Shape panel = Shape::roundRect(22, 262, W - 44, 204, 12);
    c.fill(panel.grow(3), pal::kFrameDark);
    c.fill(panel.grow(2), goldDeep);
    c.fill(panel.grow(1), gold);
    c.fill(panel, pal::kNight);
    c.fill(panel - panel.shift(0, -3), pal::kNightLift);
    glow(c, 320, 370, 300, pal::kNightLift, 110);
    // three paint dots crowning the panel, and flourishes beside them
    for (int i = 0; i < 3; ++i) {
        c.fillCircle(304.f + i * 16.f, 262, 5.5f, pal::kFrameDark);
        c.fillCircle(304.f + i * 16.f, 262, 4.5f, kPaints[i]);
        c.fillCircle(302.5f + i * 16.f, 260.5f, 1.4f, lighter(kPaints[i], 0.6f));
    }
    for (int s = -1; s <= 1; s += 2) {
        std::vector<Pt> curl;
        for (int k = 0; k <= 20; ++k) {
            float t = float(k) / 20.f;
            curl.push_back({320.f + s * (36.f + 70.f * t), 262.f + 3.f * std::sin(t * 6.28f)});
        }
        c.fill(Shape::polyline(curl, 0.9f), gold);
    }
    // a quiet flourish at the bottom of the panel
    c.fill(Shape::polyline({{250, 448}, {300, 448}, {320, 443}, {340, 448}, {390, 448}}, 0.8f), withAlpha(gold, 0.8f));
    c.fillCircle(320, 443, 2.2f, gold);

    // the window over the picture
    Shape window = Shape::roundRect(16, 10, W - 32, 236, 10).hard();
    goldFrame(c, window);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (window.at(x, y) > 0.5f) c.at(x, y) = kClear;
    goldStuds(c, {Pt{16, 10}, Pt{624, 10}, Pt{16, 246}, Pt{624, 246}});
    return c;
}

// ---------------------------------------------------------------- music bed
// A calm lullaby in D major under the thirteen captions: one bar per caption
// (3.5 s), a soft pad and felt-piano bass, a piano melody from the second
// caption on, music-box arpeggios while the nubbles are introduced, and a
// settling final chord. Fades in gently and out at the end.
constexpr int kBedRate = 44100, kBedBars = 13;
constexpr double kBar = 3.5, kBeat = kBar / 4.0;

struct Chord {
    int bass;
    std::vector<int> pad;
};
// Two chords a bar where the harmony moves on beat 3.
const std::vector<std::pair<Chord, Chord>> kBedBarChords = {
    {{38, {57, 62, 66, 69}}, {38, {57, 62, 66, 69}}},  // D
    {{35, {54, 59, 62, 66}}, {35, {54, 59, 62, 66}}},  // Bm
    {{43, {55, 59, 62, 66}}, {43, {55, 59, 62, 66}}},  // Gmaj7
    {{45, {57, 62, 64, 69}}, {45, {57, 61, 64, 69}}},  // Asus4 - A
    {{38, {57, 62, 66, 69}}, {38, {57, 62, 66, 69}}},  // D
    {{42, {54, 57, 61, 66}}, {42, {54, 57, 61, 66}}},  // F#m
    {{43, {55, 59, 62, 67}}, {43, {55, 59, 62, 67}}},  // G
    {{45, {57, 61, 64, 69}}, {45, {57, 61, 64, 67}}},  // A - A7
    {{47, {54, 59, 62, 66}}, {47, {54, 59, 62, 66}}},  // Bm
    {{43, {55, 59, 62, 67}}, {43, {55, 59, 62, 66}}},  // G - Gmaj7
    {{42, {57, 62, 66, 69}}, {42, {57, 62, 66, 69}}},  // D/F#
    {{40, {55, 59, 62, 64}}, {45, {55, 61, 64, 67}}},  // Em7 - A7
    {{38, {57, 62, 66, 69}}, {38, {57, 62, 66, 69}}},  // D
};

// The frame `beats` beats into bar b.
size_t bedAt(const Pcm& out, int b, double beats) { return out.frameAt(b * kBar + beats * kBeat); }

// The pad holds each bar's chord, or changes half-way when the harmony
// moves; the last chord rings on into the fade. Under it the felt-piano
// bass: root on the downbeat, fifth or new root on beat 3.
void bedChords(Pcm& out) {
    uint64_t seed = 1;
    for (int b = 0; b < kBedBars; ++b) {
        const Chord& first = kBedBarChords[size_t(b)].first;
        const Chord& second = kBedBarChords[size_t(b)].second;
        const bool moves = second.pad != first.pad;
        for (int h = 0; h < (moves ? 2 : 1); ++h) {
            const Chord& ch = h == 0 ? first : second;
            double held = b == kBedBars - 1 ? kBar + 1.0 : (moves ? 2 * kBeat : kBar);
            const size_t start = bedAt(out, b, h * 2.0) - std::min(bedAt(out, b, h * 2.0), out.frameAt(0.3));  // swell in early
            int i = 0;
            for (int k : ch.pad) {
                float pan = -0.45f + 0.3f * float(i++);
                auto v = synth::pad(kBedRate, {synth::midiHz(k)}, held + 0.6, 1.1, 1.4, 0.28f, 0.22f, seed++);
                mixMono(out, v, start, 1.f, pan);
            }
        }
        mixMono(out, synth::softPiano(kBedRate, synth::midiHz(first.bass), 2.6 * kBeat, 0.5f), bedAt(out, b, 0), 0.9f, -0.1f);
        const int then = second.bass != first.bass ? second.bass : first.bass + 7;
        if (b < kBedBars - 1)
            mixMono(out, synth::softPiano(kBedRate, synth::midiHz(then), 1.7 * kBeat, 0.35f), bedAt(out, b, 2), 0.8f, -0.1f);
    }
}

// The piano melody, with a bell an octave up in the nubbles' part.
void bedMelody(Pcm& out) {
    struct Note {
        int bar;
        double beat, len;  // in beats
        int key;
    };
    const Note melody[] = {
        {1, 0, 1.5, 78}, {1, 1.5, 0.5, 76}, {1, 2, 1, 74},   {1, 3, 1, 71},
        {2, 0, 1.5, 74}, {2, 1.5, 0.5, 71}, {2, 2, 2, 69},
        {3, 0, 1, 73},   {3, 1, 1, 74},     {3, 2, 2, 76},
        {4, 0, 1.5, 78}, {4, 1.5, 0.5, 81}, {4, 2, 1, 78},   {4, 3, 1, 76},
        {5, 0, 1.5, 73}, {5, 1.5, 0.5, 76}, {5, 2, 2, 78},
        {6, 0, 1, 79},   {6, 1, 1, 78},     {6, 2, 1, 76},   {6, 3, 1, 74},
        {7, 0, 3, 76},
        {8, 0, 1, 74},   {8, 1, 1, 78},     {8, 2, 2, 83},
        {9, 0, 1.5, 81}, {9, 1.5, 0.5, 79}, {9, 2, 1, 78},   {9, 3, 1, 76},
        {10, 0, 1.5, 78}, {10, 1.5, 0.5, 76}, {10, 2, 2, 74},
        {11, 0, 1, 76},  {11, 1, 1, 79},    {11, 2, 1, 73},  {11, 3, 1, 76},
        {12, 0, 4, 74},
    };
    for (const Note& n : melody) {
        double hz = synth::midiHz(n.key);
        float vel = n.len >= 2 ? 0.62f : 0.55f;
        mixMono(out, synth::softPiano(kBedRate, hz, n.len * kBeat * 0.95, vel), bedAt(out, n.bar, n.beat), 1.0f, 0.15f);
        if (n.bar >= 4 && n.bar <= 7)
            mixMono(out, synth::bell(kBedRate, hz * 2, 2.2, 0.5f), bedAt(out, n.bar, n.beat), 0.18f, 0.35f);
    }
}

// Bells that open and close the piece, and music-box arpeggios while the
// nubbles appear (captions 5 to 8).
void bedBells(Pcm& out) {
    mixMono(out, synth::bell(kBedRate, synth::midiHz(86), 3.5, 0.6f), bedAt(out, 0, 0.5), 0.35f, 0.3f);
    mixMono(out, synth::bell(kBedRate, synth::midiHz(81), 3.5, 0.5f), bedAt(out, 0, 2.5), 0.3f, -0.3f);
    mixMono(out, synth::bell(kBedRate, synth::midiHz(86), 4.0, 0.6f), bedAt(out, 12, 0), 0.35f, 0.3f);
    static const int order[8] = {0, 2, 1, 3, 2, 1, 3, 2};
    for (int b = 4; b <= 7; ++b) {
        for (int e = 0; e < 8; ++e) {
            const Chord& ch = e < 4 ? kBedBarChords[size_t(b)].first : kBedBarChords[size_t(b)].second;
            int key = ch.pad[size_t(order[e] % int(ch.pad.size()))] + 12;
            mixMono(out, synth::tine(kBedRate, synth::midiHz(key), 1.2, 0.5f), bedAt(out, b, e * 0.5), 0.2f, e % 2 ? 0.5f : -0.5f);
        }
    }
}

Pcm prologueBed() {
    Pcm out(kBedRate, 2, kBedBars * kBar + 2.0);
    bedChords(out);
    bedMelody(out);
    bedBells(out);
    reverb(out, 0.32f, 0.82f, 0.4f);
    out.resize(out.frameAt(kBedBars * kBar + 1.6));
    removeDC(out);
    fadeIn(out, 2.0);
    fadeOut(out, 4.0);
    normalize(out, -3.0);
    return out;
}

}  // namespace

void genPrologue(Output& out) {
    out.wav("wav/prolog.wav", prologueBed());
    Canvas pic(kPicW, kPicH * 2);
    pic.blit(townMorning(), 0, 0);
    pic.blit(nubbleVillage(), 0, kPicH);
    out.keyedPng(kPicPrologueScroll, pic);
    out.keyedPng(kPicPrologueFrame, storyFrame());
}

}  // namespace ag
