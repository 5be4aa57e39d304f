// The three chip sheets (512x512, 16x16 chips of 32 px, green key; chip 0
// and every chip no stage uses stay transparent). Code n is chip
// (n mod 16, n div 16); a picture of several chips covers n + dx + 16 dy.
//
// img/mapchip1.png, stages 1 and 8 (meadow morning, golden evening):
//   2 grass floor, 3 its left end, 16 scorched floor; 19/35/51 a dry bamboo
//   post three chips high whose foot stands in the floor, grown by water to
//   18/34/50 and 1/17/33/49; 36..40 a plank ledge (36, 40 the ends);
//   96/97/112/113 a hay bale burning down through 98..103/114..119;
//   144/160 a campfire whose foot is in the floor, flickering through
//   145/161 and 146/162, 164 its doused foot; 68/69 over 84/85 a flower bud
//   in the floor, growing through 70..73/86..89 to 58/59/74/75/90/91 and
//   60/61/76/77/92/93 (a flat sunflower on top); 4/20..7/23 the golden goal
//   column (four frames); 199 a block of gate stone.
// img/mapchip2.png, stages 2 and 6 (rainy forest, cave):
//   1/2/3 mossy stone floor (left end, middle, right end), 30 a doused left
//   end; 10/26..12/28 a campfire on a left end (three frames), 13/29 blown
//   aside; 48/49/64/65 a big bonfire on two floor chips, doused through
//   50..55/66..71; 16/17 over 32/33 a fern's curled bud in the floor,
//   growing through 18/19/34/35, 4/5/20/21/36/37, 6/7/22/23/38/39 to
//   8/9/24/25/40/41 (a broad flat leaf on top); 15/31 and 42/58..45/61 the
//   green goal column.
// img/mapchip3.png, stages 3, 4, 5, 7 and 9 (sky, dusk village, night,
//   canyon, city): 7 rock ledge; 4/5/6 brick shelf (left end, middle,
//   right end); 8 a burnable plank chip; 1 concrete roof, 2 a lit house
//   front; 20/21 over 36/37 a small bush in the brick floor growing through
//   22/23/38/39, 24/25/40/41, 10/11/26/27/42/43 to 12/13/28/29/44/45 (a
//   vine with a flat leaf on top); 52/68 a fire on a brick chip flickering
//   through 53/69, 54/70, 55/71 blown aside, 72 its doused chip; 57/73 a
//   campfire on rock through 58/74, 59/75, 60/76 blown aside, 77 doused;
//   92/93, 108/109, 124/125 dry vines hanging from a woven mat down into a
//   rock floor; 136/152 a burning drum on the roof through 137/153,
//   138/154, 139/155 blown aside, 156 doused (wet roof), 172 blown out;
//   goal columns 128/144..131/147 (lantern gold, brick foot), 160/176..
//   163/179 (sky blue, rock foot), 132/148..135/151 (city cyan, roof foot),
//   with 97/113 and 98/114 their resting pictures.
#include <cmath>

#include "stage/chip_codes.h"
#include "stage_sheets.h"

namespace ag::sheet {

namespace {

// ---------------------------------------------------------------- grounds

const Ground kMeadow{Mat::Earth, pal::kEarth, pal::kGrass, 6};
const Ground kScorched{Mat::Ash, darker(pal::kEarth, 0.4f), pal::kFacade, 4};  // the meadow burnt
const Ground kGate{Mat::GateStone, pal::kGateBlock};
const Ground kMossy{Mat::Moss, pal::kMossStone, pal::kLeaf, 5};
const Ground kRock{Mat::Rock, pal::kRockFace, pal::kRockCap, 3};
const Ground kBrick{Mat::Brick, pal::kBrick, pal::kPaperShade, 5};
const Ground kPlank{Mat::Planks, pal::kPlank, pal::kThatch, 2};
const Ground kRoof{Mat::Concrete, pal::kConcrete, pal::kSteel, 4};
const Ground kFacade{Mat::Facade, pal::kFacade};

Canvas block(const Ground& g, uint32_t seed, int roundL = 0, int roundR = 0) {
    Canvas c(kChip, kChip);
    groundBlock(c, 0, 0, g, seed, roundL, roundR);
    return c;
}

// A few loose pixels of a colour inside a rectangle (embers, ash, sparkles).
void sprinkle(Canvas& c, int x, int y, int w, int h, Rgba col, int count, uint32_t seed) {
    Rng rng(seed);
    for (int k = 0; k < count; ++k) {
        int px = x + rng.pick(0, w - 1), py = y + rng.pick(0, h - 1);
        if (c.inside(px, py) && c.at(px, py).a) c.at(px, py) = col;
    }
}

// A wisp of smoke or steam rising from (x, base), h tall: a few puffs
// melted into one cloud, outlined softly.
void wisp(Canvas& c, float x, float base, float h, Rgba col, uint32_t seed) {
    Ramp r = shade(col);
    Shape cloud;
    for (int k = 0; k < 6; ++k) {
        float t = float(k) / 5.f;
        float cy = base - h * (0.15f + 0.8f * t);
        float cx = x + std::sin(float(seed) + t * 4.f) * 3.f;
        cloud = cloud | hCircle(cx, cy, 4.2f - t * 2.f);
    }
    c.fill(cloud.grow(1), mix(col, pal::kOutline, 0.45f));
    c.fill(cloud, r.base);
    c.fill(cloud - cloud.shift(1, 1), r.light);
}

// ---------------------------------------------------------------- bamboo post
// A dry bamboo stalk 18 px wide; each chip is one segment whose top edge is a
// node, so stacked chips read as one stalk. `green` 0..1 (grown by water).
struct Bamboo {
    float green = 0.f;
};

// Dry, the stalk is the gate's sandy stone and its leaves are still half
// green; grown, both are young grass.
const Rgba kDryStalk = pal::kGateBlock, kGreenStalk = lighter(pal::kGrass, 0.12f);
const Rgba kDryLeaf = mix(pal::kGateBlock, pal::kLeaf, 0.5f);

Ramp bambooRamp(float green) { return shade(mix(kDryStalk, kGreenStalk, green)); }

void stalkSegment(Canvas& c, int y0, int y1, float green, bool node) {
    Ramp r = bambooRamp(green);
    const int x0 = 7, x1 = 25;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            Rgba col = r.base;
            if (x <= x0 + 1) col = r.shadow;  // the outline column is drawn next
            if (x == x0 + 2 || x == x0 + 3) col = r.light;
            if (x == x0 + 4) col = r.shine;
            if (x >= x1 - 4) col = r.shadow;
            if (x >= x1 - 2) col = r.deep;
            c.at(x, y) = col;
        }
    for (int y = y0; y < y1; ++y) {
        c.at(x0 - 1, y) = pal::kOutline;
        c.at(x1, y) = pal::kOutline;
    }
    if (node) {  // a node ring: a dark line and a light bulge below it
        for (int x = x0 - 1; x <= x1; ++x) c.at(x, y0) = pal::kOutline;
        for (int x = x0 - 1; x <= x1; ++x) c.set(x, y0 + 1, x <= x0 + 3 ? r.shine : r.light);
        c.set(x0 - 2, y0 + 1, pal::kOutline);
        c.set(x1 + 1, y0 + 1, pal::kOutline);
    }
}

void bambooLeaf(Canvas& c, Pt from, float dx, float dy, float green) {
    Ramp lr = shade(mix(kDryLeaf, pal::kLeaf, green));
    Pt tip{from.x + dx, from.y + dy};
    float nx = -dy, ny = dx, len = std::sqrt(nx * nx + ny * ny);
    nx = nx / len * 2.6f;
    ny = ny / len * 2.6f;
    Pt mid{from.x + dx * 0.45f, from.y + dy * 0.45f};
    Shape leaf = hPoly({from, {mid.x + nx, mid.y + ny}, tip, {mid.x - nx, mid.y - ny}});
    part(c, leaf, lr, 1, true);
}

Canvas bambooTop(float green, int leaves, uint32_t seed) {
    Canvas c(kChip, kChip);
    // a slanted cut: the stalk ends higher on the left
    Canvas s(kChip, kChip);
    stalkSegment(s, 6, 32, green, false);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            float cut = 6.f + float(x - 6) * 0.35f;  // the top edge rises to the left
            if (float(y) < cut) s.at(x, y) = kClear;
        }
    s.outline(pal::kOutline);
    c.blit(s, 0, 0);
    // the hollow of the cut
    Ramp r = bambooRamp(green);
    for (int x = 9; x < 23; ++x) {
        int y = int(6.f + float(x - 6) * 0.35f) + 1;
        c.set(x, y, r.deep);
        if (x > 10 && x < 21) c.set(x, y + 1, darker(r.deep, 0.3f));
    }
    Rng rng(seed);
    for (int k = 0; k < leaves; ++k) {
        bool left = k % 2 == 0;
        float y = 16.f + float(k) * 5.f;
        bambooLeaf(c, {left ? 8.f : 24.f, y}, left ? -9.f - float(rng.range(0, 3)) : 9.f + float(rng.range(0, 3)),
                   -6.f + float(rng.range(-2, 3)), green);
    }
    return c;
}

Canvas bambooMiddle(float green, bool leaf, uint32_t seed) {
    Canvas c(kChip, kChip);
    stalkSegment(c, 0, 32, green, true);
    // a second, fainter node line half way
    Ramp r = bambooRamp(green);
    for (int x = 9; x < 23; ++x) c.at(x, 17) = r.shadow;
    if (leaf) {
        Rng rng(seed);
        bool left = rng.chance(0.5);
        bambooLeaf(c, {left ? 8.f : 24.f, 3.f}, left ? -8.f : 8.f, 7.f, green);
    }
    return c;
}

// The stalk's foot standing in a floor chip.
Canvas bambooFoot(float green, uint32_t seed) {
    Canvas c = block(kMeadow, seed);
    stalkSegment(c, 0, 12, green, true);
    Ramp r = bambooRamp(green);
    // roots spreading over the grass
    for (int k = -1; k <= 1; k += 2) {
        Shape root = hLine({16.f + 7.f * float(k), 10.f}, {16.f + 12.f * float(k), 14.f}, 1.4f);
        part(c, root, r, 1, true);
    }
    for (int x = 7; x < 25; ++x) c.at(x, 12) = pal::kOutline;
    Ramp grass = shade(kMeadow.cap);
    for (int x = 5; x < 27; x += 3) {
        c.set(x, 11, grass.base);
        c.set(x + 1, 10, grass.light);
    }
    return c;
}

// ---------------------------------------------------------------- plank ledge
Canvas ledgeChip(int kind /*0 left end, 1 middle, 2 right end*/, uint32_t seed) {
    Canvas c(kChip, kChip);
    Ramp wood = shade(pal::kPlank), beam = shade(pal::kBrown), straw = shade(pal::kThatch);
    // the deck: two planks lying across, seams offset per chip
    Shape deck = hRect(kind == 0 ? 2.f : 0.f, 1.f, kind == 0 ? 30.f : kind == 2 ? 30.f : 32.f, 9.f);
    c.fill(deck.grow(1), pal::kOutline);
    for (int y = 1; y < 10; ++y)
        for (int x = 0; x < 32; ++x) {
            if (deck.at(x, y) < 0.5f) continue;
            Rgba col = y <= 2 ? wood.light : y >= 8 ? wood.shadow : wood.base;
            if (y == 1) col = wood.shine;
            if (hash01(x, y, seed) < 0.08f) col = wood.shadow;
            int seam = int(seed % 13) + 9;
            if (x == seam || x == seam + 14) col = wood.deep;
            c.at(x, y) = col;
        }
    // a beam under the deck
    Shape b = hRect(kind == 0 ? 3.f : 0.f, 11.f, kind == 0 ? 29.f : kind == 2 ? 29.f : 32.f, 3.f);
    part(c, b, beam, 1, false);
    // rope lashings with straw tufts hanging below
    for (int lx : {8, 24}) {
        Shape rope = hRect(float(lx) - 1.f, 2.f, 3.f, 12.f);
        part(c, rope, straw, 0, true);
        for (int k = -1; k <= 1; ++k) {
            Shape tuft = hPoly({{float(lx) + float(k) * 2.f, 14.f}, {float(lx) + float(k) * 3.f + 1.f, 21.f + float(k * k) * -2.f},
                                {float(lx) + float(k) * 2.f + 1.5f, 14.f}});
            part(c, tuft, straw, 0, false);
        }
    }
    // the ends rest on slanting struts
    if (kind != 1) {
        float x = kind == 0 ? 6.f : 26.f, dir = kind == 0 ? 1.f : -1.f;
        part(c, hLine({x, 12.f}, {x + dir * 12.f, 30.f}, 1.8f), beam, 1, true);
    }
    return c;
}

// ---------------------------------------------------------------- hay bale
// The whole bale, its straw in strokes bound by two twines; `scorched`: the
// fire creeping up from the bottom and the sides.
void baleBody(Canvas& c, bool scorched) {
    const Ramp hay = shade(pal::kGold), twine = shade(pal::kBrown);
    Shape bale = hRound(2.f, 4.f, 60.f, 59.f, 7.f);
    c.fill(bale.grow(1), pal::kOutline);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (bale.at(x, y) < 0.5f) continue;
            float n = hash01(x / 2, y, 501);
            float stroke = std::sin(float(x) * 1.3f + float(y) * 0.25f + n * 3.f);
            Rgba col = stroke > 0.6f ? hay.light : stroke < -0.7f ? hay.shadow : hay.base;
            if (x < 6 || y < 8) col = mix(col, hay.shine, 0.5f);
            if (x > 56 || y > 56) col = mix(col, hay.deep, 0.45f);
            if (scorched) {
                float scorch = float(y) / 64.f + 0.35f * std::fabs(float(x) - 32.f) / 32.f + (n - 0.5f) * 0.35f;
                if (scorch > 0.92f) col = mix(pal::kChar, pal::kScorch, n);
                else if (scorch > 0.8f) col = mix(col, pal::kScorch, 0.6f);
            }
            c.at(x, y) = col;
        }
    for (int ty : {18, 44}) {
        Shape band = hRect(2.f, float(ty), 60.f, 3.f) & bale;
        c.fill(band, twine.base);
        c.fill(band & hRect(2.f, float(ty), 60.f, 1.f), twine.light);
    }
    for (int x = 8; x < 58; x += 5) {  // the cut ends of straw poking out of the top
        c.set(x, 3, hay.light);
        c.set(x + 1, 2, hay.base);
    }
}

// Charred and low, cracks glowing, still burning.
void baleCharred(Canvas& c) {
    Shape heap = hRound(6.f, 28.f, 52.f, 35.f, 9.f);
    c.fill(heap.grow(1), pal::kOutline);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            if (heap.at(x, y) < 0.5f) continue;
            Rgba col = mix(pal::kChar, pal::kDarkBrown, hash01(x, y, 77));
            if (std::fabs(std::sin(float(x) * 0.45f + std::sin(float(y) * 0.3f) * 2.f)) < 0.12f) col = pal::kFlameMid;
            c.at(x, y) = col;
        }
    flame(c, 24.f, 44.f, 20.f, 30.f, 3, 5);
    flame(c, 42.f, 46.f, 16.f, 24.f, 1, 6);
    wisp(c, 14.f, 24.f, 22.f, pal::kStone, 3);
    wisp(c, 50.f, 26.f, 24.f, pal::kStone, 8);
}

// A heap of ash with embers, smoke curling above.
void baleAshes(Canvas& c) {
    Shape ash = hEllipse(32.f, 64.f, 27.f, 13.f) & hRect(0, 0, 64, 63);
    part(c, ash, shade(pal::kCinder), 2, true);
    sprinkle(c, 8, 53, 48, 10, pal::kFlameMid, 18, 5);
    sprinkle(c, 8, 53, 48, 10, pal::kGoldLight, 6, 6);
    flame(c, 30.f, 56.f, 10.f, 12.f, 2, 4);
    wisp(c, 20.f, 50.f, 36.f, pal::kStone, 11);
    wisp(c, 40.f, 46.f, 42.f, pal::kStone, 17);
    wisp(c, 30.f, 30.f, 30.f, pal::kMetal, 23);
}

// Frame 0 whole; 1 burning; 2 charred and low; 3 a heap of ash with smoke.
Canvas hayBale(int frame) {
    Canvas c(64, 64);
    if (frame == 0 || frame == 1) baleBody(c, frame == 1);
    if (frame == 1) {
        flame(c, 18.f, 30.f, 18.f, 26.f, 1, 7);
        flame(c, 44.f, 34.f, 16.f, 22.f, 2, 9);
        flame(c, 31.f, 22.f, 20.f, 20.f, 0, 11);
    }
    if (frame == 2) baleCharred(c);
    if (frame >= 3) baleAshes(c);
    return c;
}

// ---------------------------------------------------------------- fires on a chip
// A fire whose foot is in a floor chip: 32x64, the bottom chip a block of
// `g` with logs (or coals) on top, the flames in the chip above.
// state: 0..2 flicker frames, 3 blown aside by wind, 4 doused.
Canvas fireOnBlock(const Ground& g, uint32_t seed, int state, int roundL, int roundR, bool logs, FlameLook fl = {}) {
    Canvas c(kChip, 64);
    groundBlock(c, 0, 32, g, seed, roundL, roundR);
    Ramp log = shade(pal::kBark);
    if (logs) {
        Rgba burnt = state == 4 ? pal::kChar : log.base;
        Ramp lr = shade(burnt);
        part(c, hLine({7.f, 35.f}, {24.f, 30.f}, 2.2f), lr, 1, true);
        part(c, hLine({8.f, 29.f}, {25.f, 35.f}, 2.2f), lr, 1, true);
        // stones round the fire
        Ramp st = shade(pal::kConcrete);
        for (float sx : {4.f, 28.f}) part(c, hEllipse(sx, 35.f, 3.f, 2.2f), st, 1, true);
    } else {
        // a bed of coals across the chip's top
        Shape bed = hRound(5.f, 29.f, 22.f, 6.f, 3.f);
        part(c, bed, shade(state == 4 ? pal::kChar : pal::kDarkBrown), 1, false);
        if (state != 4) sprinkle(c, 6, 30, 20, 4, pal::kFlameMid, 10, seed + uint32_t(state));
    }
    if (state <= 2) {
        flame(c, 16.f, 34.f, 22.f, 33.f, state, seed, fl);
        sprinkle(c, 6, 30, 20, 5, fl.core, 4, seed + 40u + uint32_t(state));
    } else if (state == 3) {
        // flames bent flat by the wind, smaller, with smoke
        Canvas f(kChip, 64);
        flame(f, 16.f, 34.f, 18.f, 18.f, 1, seed, fl);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 32; ++x) {
                int sx = x + int((34.f - float(y)) * 0.6f);  // lean to the left
                if (sx >= 0 && sx < 32 && f.at(sx, y).a) c.at(x, y) = f.at(sx, y);
            }
        wisp(c, 10.f, 18.f, 14.f, pal::kStone, seed);
    } else {
        wisp(c, 16.f, 28.f, 22.f, pal::kSteam, seed);
        sprinkle(c, 6, 30, 20, 4, pal::kStone, 8, seed);
    }
    return c;
}

// ---------------------------------------------------------------- plants
struct PlantLook {
    Rgba stem, leaf, bud, budTip, top, topCentre;
    bool curl = false;       // a fern's fiddlehead instead of a bulb
    bool flowerTop = false;  // grown top: a flower disc (else a broad leaf)
    bool bush = false;       // the smallest stage is a round bush
};

// Where one stage of a plant stands: the floor's top `fy`, the plant's
// height `lift` above it, how far it has opened and how it sways.
struct PlantStand {
    float fy, lift, open, sway;
    float topY() const { return fy - lift; }
};

// A round leafy bush sitting on the floor (the smallest stage of a bush).
void plantBush(Canvas& c, const PlantStand& p, const Ramp& leaf, const Ramp& bud, Rng& rng) {
    const float fy = p.fy, lift = p.lift;
    Shape b = hEllipse(32.f, fy - lift * 0.55f, 17.f, lift * 0.45f) | hEllipse(18.f, fy - lift * 0.32f, 13.f, lift * 0.34f) |
              hEllipse(46.f, fy - lift * 0.32f, 13.f, lift * 0.34f) | hEllipse(32.f, fy - lift * 0.2f, 26.f, lift * 0.22f);
    b = b & hRect(0, 0, 64, fy + 2.f);
    part(c, b, leaf, 2, true);
    for (int k = 0; k < 10; ++k) {
        float x = float(rng.range(14, 50)), y = float(rng.range(fy - lift + 3.f, fy - 2.f));
        if (b.at(int(x), int(y)) > 0.5f) c.set(int(x), int(y), leaf.shine);
    }
    for (int k = 0; k < 3; ++k) {
        float x = float(rng.range(18, 46)), y = float(rng.range(fy - lift + 4.f, fy - 6.f));
        part(c, hCircle(x, y, 1.5f), bud, 0, true);
    }
}

// The stem, leaves along it alternating sides, and two low leaves over the
// floor's edge.
void plantStem(Canvas& c, const PlantStand& p, const Ramp& stem, const Ramp& leaf, Rng& rng) {
    const float fy = p.fy, lift = p.lift, open = p.open, sway = p.sway;
    const float stemR = 2.2f + 2.f * open;
    const float stemTop = open >= 0.5f ? p.topY() + 6.f : p.topY() + 8.f + 4.f * open;
    part(c, hLine({32.f, fy + 2.f}, {32.f + sway, stemTop}, stemR), stem, 1, true);
    int nLeaves = 1 + int(lift / 14.f);
    for (int k = 0; k < nLeaves; ++k) {
        float t = (float(k) + 0.6f) / float(nLeaves + 1);
        float y = fy - lift * t * 0.85f;
        float x = 32.f + sway * t;
        float dir = k % 2 == 0 ? -1.f : 1.f;
        float len = 11.f + 8.f * open + float(rng.range(0, 3));
        Pt tip{x + dir * len, y - len * 0.45f};
        Pt mid{x + dir * len * 0.5f, y - len * 0.1f};
        Shape lf = hPoly({{x, y}, {mid.x, mid.y - 3.5f}, tip, {mid.x + dir * 1.f, mid.y + 3.f}});
        part(c, lf, leaf, 1, true);
        c.fill(hLine({x + dir * 2.f, y - 1.f}, {tip.x - dir * 2.f, tip.y + 1.f}, 0.5f), leaf.shadow);
    }
    for (float dir : {-1.f, 1.f}) {
        Shape lf = hPoly({{32.f, fy + 1.f}, {32.f + dir * 10.f, fy - 5.f}, {32.f + dir * 19.f, fy - 2.f}, {32.f + dir * 10.f, fy + 2.f}});
        part(c, lf, leaf, 1, true);
    }
}

// A fern's curled frond, centred on (cx, cy).
void fiddlehead(Canvas& c, float cx, float cy, float r, const Ramp& bud) {
    part(c, hCircle(cx, cy, r), bud, 2, true);
    std::vector<Pt> sp;  // the spiral
    for (int i = 0; i <= 20; ++i) {
        float a = float(i) * 0.55f, rr = r * (1.f - float(i) / 24.f);
        sp.push_back({cx + std::cos(a) * rr * 0.8f, cy + std::sin(a) * rr * 0.8f});
    }
    c.fill(Shape::polyline(sp, 0.6f).hard(), bud.deep);
    for (int k = 0; k < 6; ++k) {  // little hairs that catch
        float a = float(k) * 1.05f + 0.3f;
        c.set(int(cx + std::cos(a) * (r + 1.f)), int(cy + std::sin(a) * (r + 1.f)), bud.shadow);
    }
}

// A flower bud centred on (cx, cy): petal tips showing through the sepals,
// the petals parting as it opens.
void bulb(Canvas& c, float cx, float cy, float r, float open, const PlantLook& L, const Ramp& bud, const Ramp& leaf) {
    Shape body = hEllipse(cx, cy, r * 0.85f, r) | hPoly({{cx - r * 0.45f, cy - r * 0.7f}, {cx, cy - r - 4.f}, {cx + r * 0.45f, cy - r * 0.7f}});
    part(c, body, bud, 2, true);
    Ramp tip = shade(L.budTip);
    Shape tips = hEllipse(cx, cy - r * 0.55f, r * 0.45f, r * 0.5f) & body;
    c.fill(tips, tip.base);
    c.fill(tips - tips.shift(1, 1), tip.light);
    if (open > 0.2f)
        for (float dir : {-1.f, 1.f}) part(c, hEllipse(cx + dir * r * 0.8f, cy - r * 0.3f, r * 0.35f, r * 0.6f), tip, 1, true);
    for (float dir : {-1.f, 1.f}) {
        Shape sep = hPoly({{cx, cy + r}, {cx + dir * r * 0.95f, cy - r * 0.1f}, {cx + dir * r * 0.35f, cy + r * 0.3f}});
        part(c, sep, leaf, 1, true);
    }
}

// The grown top, w wide at (cx, ty): a flower disc ringed with petals.
void flowerDisc(Canvas& c, float cx, float ty, float w, const PlantLook& L, const Ramp& top, uint32_t seed) {
    Ramp ctr = shade(L.topCentre);
    Shape petals;
    for (int k = 0; k < 9; ++k) {
        float px = cx - w * 0.5f + 3.5f + (w - 7.f) * float(k) / 8.f;
        petals = petals | hEllipse(px, ty + 5.f, 4.2f, 5.f);
    }
    part(c, petals, top, 1, true);
    part(c, hEllipse(cx, ty + 5.f, w * 0.34f, 3.2f), ctr, 1, true);
    sprinkle(c, int(cx - w * 0.3f), int(ty + 3.f), int(w * 0.6f), 4, ctr.shine, 8, seed);
    for (int k = 0; k < 5; ++k) {  // petals hanging under the disc
        float px = cx - w * 0.35f + w * 0.7f * float(k) / 4.f;
        part(c, hEllipse(px, ty + 11.f, 3.f, 3.5f), top, 1, false);
    }
}

// The grown top, w wide at (cx, ty): a broad leaf pad, veined, with a
// rolled rim, perhaps with a flower or two resting on it.
void leafPad(Canvas& c, float cx, float ty, float w, const PlantLook& L, const Ramp& top) {
    Shape pad = hEllipse(cx, ty + 5.f, w * 0.5f, 5.f) | hRect(cx - w * 0.5f + 3.f, ty + 1.f, w - 6.f, 5.f);
    part(c, pad, top, 2, true);
    for (int k = -3; k <= 3; ++k) c.fill(hLine({cx, ty + 6.f}, {cx + float(k) * w / 8.f, ty + 3.f}, 0.5f) & pad, top.shadow);
    c.fill(hLine({cx - w * 0.5f + 3.f, ty + 1.f}, {cx + w * 0.5f - 3.f, ty + 1.f}, 0.5f), top.shine);
    if (!L.topCentre.a) return;
    Ramp fl = shade(L.topCentre);
    part(c, hCircle(cx - w * 0.22f, ty + 2.f, 2.5f), fl, 1, true);
    part(c, hCircle(cx + w * 0.25f, ty + 3.f, 2.f), fl, 1, true);
}

// `rows` chips high, the bottom one a floor chip of `g`; the plant stands
// `lift` px above the floor; `open` runs from a closed bud (0) to the grown
// plant with its flat, walkable top (1).
Canvas plantPic(int rows, float lift, float open, const PlantLook& L, const Ground& g, uint32_t seed) {
    Canvas c(64, rows * kChip);
    const PlantStand p{float(rows * kChip - kChip), lift, open, open >= 1.f ? 0.f : 2.f * std::sin(float(seed) + open * 4.f)};
    groundBlock(c, 0, int(p.fy), g, seed, 0, 0);
    groundBlock(c, 32, int(p.fy), g, seed + 1, 0, 0);
    const Ramp stem = shade(L.stem), leaf = shade(L.leaf), bud = shade(L.bud), top = shade(L.top);
    Rng rng(seed);
    part(c, hEllipse(32.f, p.fy + 3.f, 12.f, 4.f), shade(pal::kBark), 1, true);  // soil mound at the foot
    if (L.bush && open <= 0.f) {
        plantBush(c, p, leaf, bud, rng);
        return c;
    }
    plantStem(c, p, stem, leaf, rng);
    const float cx = 32.f + p.sway;
    if (open < 0.5f) {
        float r = (L.curl ? 9.f : 9.5f) + 7.f * open;
        float cy = p.topY() + r + (L.curl ? 1.f : 4.f);
        if (L.curl) fiddlehead(c, cx, cy, r, bud);
        else bulb(c, cx, cy, r, open, L, bud, leaf);
        return c;
    }
    // the grown top: wide and flat so the walkers can stand on it
    const float w = std::min(22.f + 40.f * (open - 0.5f) * 2.f, 62.f), ty = p.topY() + 1.f;
    if (L.flowerTop) flowerDisc(c, cx, ty, w, L, top, seed);
    else leafPad(c, cx, ty, w, L, top);
    return c;
}

// ---------------------------------------------------------------- goal column
struct GoalLook {
    Rgba core, glow, gem, spark;
    Ground foot;
};
// A pillar of `glow` whitening to its core, sparks of white, a gem of
// `gem` over a foot of `foot`.
GoalLook goalLook(Rgba glow, Rgba gem, const Ground& foot) {
    return GoalLook{mix(glow, pal::kEyeWhite, 0.85f), glow, gem, pal::kEyeWhite, foot};
}
// The gem cut from the pillar's own light.
Rgba gemOf(Rgba glow) { return mix(glow, pal::kEyeWhite, 0.3f); }

// 32x64: a pillar of light with a floating gem over a carved foot in the
// floor. Four frames: the gem bobs, the light breathes, motes rise.
Canvas goalPic(int frame, const GoalLook& L, uint32_t seed) {
    Canvas c(kChip, 64);
    groundBlock(c, 0, 32, L.foot, seed, 0, 0);
    const float ph = float(frame) * float(kPi) * 0.5f;
    // the pillar: opaque pixels, its soft edge made of ordered dither
    const float halfW = 11.f + 1.5f * std::sin(ph);
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 32; ++x) {
            float d = std::fabs(float(x) + 0.5f - 16.f) / halfW;
            float v = 1.f - d;
            if (y < 4) v -= float(4 - y) * 0.12f;
            if (v <= 0.f) continue;
            if (v < 0.4f && v + bayer4(x, y + frame) * 0.45f < 0.28f) continue;
            Rgba col = v > 0.78f ? L.core : v > 0.5f ? mix(L.glow, L.core, 0.5f) : L.glow;
            // bands of light travelling up the pillar
            if (v > 0.5f && (y + frame * 4) % 16 < 2) col = L.core;
            c.at(x, y) = col;
        }
    // the rune ring on the foot where the light springs from
    Ramp fr = shade(L.foot.body);
    part(c, hRound(5.f, 32.f, 22.f, 5.f, 2.f), fr, 1, true);
    c.fill(hRect(8.f, 33.f, 16.f, 2.f), L.glow);
    c.fill(hRect(12.f, 33.f, 8.f, 2.f), L.core);
    for (int x = 4; x < 28; ++x)  // the light spills over the foot's top
        if ((x + frame) % 3 == 0) c.set(x, 38, L.glow);
    // the gem
    float gy = 15.f + 2.f * std::sin(ph);
    Ramp gr = shade(L.gem);
    Shape gem = hPoly({{16.f, gy - 11.f}, {23.f, gy - 2.f}, {16.f, gy + 10.f}, {9.f, gy - 2.f}});
    c.fill(gem.grow(1), pal::kOutline);
    c.fill(gem, gr.base);
    c.fill(gem & hPoly({{16.f, gy - 11.f}, {16.f, gy + 10.f}, {9.f, gy - 2.f}}), gr.light);
    c.fill(gem & hPoly({{16.f, gy - 11.f}, {13.f, gy - 2.f}, {9.f, gy - 2.f}}), gr.shine);
    c.fill(gem & hPoly({{16.f, gy + 10.f}, {23.f, gy - 2.f}, {19.f, gy - 1.f}}), gr.shadow);
    c.fill(hRect(9.f, gy - 2.f, 14.f, 1.f) & gem, gr.shine);
    // motes rising beside the gem
    for (int k = 0; k < 4; ++k) {
        float a = ph + float(k) * 1.571f;
        int sx = int(16.f + 11.f * std::cos(a)), sy = int(std::fmod(30.f - float(frame) * 6.f - float(k) * 7.f + 28.f, 28.f)) + 2;
        bool front = std::sin(a) > 0;
        c.set(sx, sy, front ? L.spark : L.core);
        if (front) {
            c.set(sx - 1, sy, L.glow);
            c.set(sx + 1, sy, L.glow);
            c.set(sx, sy - 1, L.glow);
            c.set(sx, sy + 1, L.glow);
        }
    }
    return c;
}

// ---------------------------------------------------------------- mapchip1
void mapchip1(Output& out) {
    ChipSheet s;
    s.put(kMeadowGround, block(kMeadow, 12));
    {
        Canvas c = block(kMeadow, 13, 8, 0);
        Ramp grass = shade(kMeadow.cap);  // a tuft hanging over the rounded end
        part(c, hPoly({{3.f, 8.f}, {1.f, 14.f}, {5.f, 10.f}, {7.f, 15.f}, {8.f, 8.f}}), grass, 0, true);
        s.put(kMeadowGroundEnd, c);
    }
    {
        Canvas c = block(kScorched, kMeadowScorched);
        sprinkle(c, 2, 1, 28, 4, pal::kFlameMid, 7, 16);
        sprinkle(c, 2, 1, 28, 4, pal::kStone, 10, 17);
        s.put(kMeadowScorched, c);
    }
    // the bamboo post: stage 1's dry one, then greener as water grows it
    s.put(kMeadowPostTop, bambooTop(0.f, 2, kMeadowPostTop));
    s.put(kMeadowPostMiddle, bambooMiddle(0.f, true, kMeadowPostMiddle));
    s.put(kMeadowPostFoot, bambooFoot(0.f, kMeadowPostFoot));
    s.put(kMeadowBambooTop, bambooTop(0.45f, 3, kMeadowBambooTop));
    s.put(kMeadowBambooMiddle, bambooMiddle(0.45f, true, kMeadowBambooMiddle));
    s.put(kMeadowBambooFoot, bambooFoot(0.45f, kMeadowBambooFoot));
    s.put(kMeadowTallBambooTop, bambooTop(0.9f, 4, kMeadowTallBambooTop));
    s.put(kMeadowTallBambooMiddle, bambooMiddle(0.9f, true, kMeadowTallBambooMiddle));
    s.put(kMeadowTallBambooLower, bambooMiddle(0.9f, false, kMeadowTallBambooLower));
    s.put(kMeadowTallBambooFoot, bambooFoot(0.9f, kMeadowTallBambooFoot));
    // the ledge
    s.put(kMeadowLedgeLeft, ledgeChip(0, kMeadowLedgeLeft));
    for (int code = kMeadowLedge; code < kMeadowLedgeRight; ++code) s.put(code, ledgeChip(1, uint32_t(code)));
    s.put(kMeadowLedgeRight, ledgeChip(2, kMeadowLedgeRight));
    // the hay bale burning down
    for (int f = 0; f < 4; ++f) s.put(kMeadowHayBale + 2 * f, hayBale(f));
    // the campfire in the floor
    for (int f = 0; f < 3; ++f) s.put(kMeadowFire + f, fireOnBlock(kMeadow, kMeadowFire, f, 0, 0, true));
    {
        Canvas doused = fireOnBlock(kMeadow, kMeadowFire, 4, 0, 0, true);
        s.put(kMeadowFireOut, doused.crop(0, 32, 32, 32));
    }
    // the flower plant growing
    PlantLook sun{pal::kLeaf, pal::kFrond, pal::kFrond, mix(pal::kBlush, pal::kRed, 0.25f), pal::kSunflower, pal::kBrown};
    sun.flowerTop = true;
    s.put(kMeadowPlant, plantPic(2, 27.f, 0.f, sun, kMeadow, kMeadowPlant));
    s.put(kMeadowPlant2, plantPic(2, 29.f, 0.18f, sun, kMeadow, kMeadowPlant2));
    s.put(kMeadowPlant3, plantPic(2, 31.f, 0.4f, sun, kMeadow, kMeadowPlant3));
    s.put(kMeadowPlant4, plantPic(3, 52.f, 0.72f, sun, kMeadow, kMeadowPlant4));
    s.put(kMeadowPlant5, plantPic(3, 63.f, 1.f, sun, kMeadow, kMeadowPlant5));
    // the golden goal column
    const GoalLook gold = goalLook(pal::kSunflower, pal::kThatch, kGate);
    for (int f = 0; f < 4; ++f) s.put(kMeadowGoal + f, goalPic(f, gold, kMeadowGoal));
    s.put(kMeadowGate, block(kGate, kMeadowGate));
    out.keyedPng(kPicChips[1], s.canvas());
}

// ---------------------------------------------------------------- mapchip2
void mapchip2(Output& out) {
    ChipSheet s;
    s.put(kGladeGroundLeft, block(kMossy, kGladeGroundLeft, 8, 0));
    s.put(kGladeGround, block(kMossy, kGladeGround));
    s.put(kGladeGroundRight, block(kMossy, kGladeGroundRight, 0, 8));
    {
        Canvas c = block(kMossy, kGladeAshes, 8, 0);
        Ramp ch = shade(pal::kChar);
        part(c, hLine({12.f, 3.f}, {24.f, 1.f}, 1.8f), ch, 1, true);
        sprinkle(c, 8, 1, 20, 4, pal::kConcrete, 6, 30);
        s.put(kGladeAshes, c);
    }
    // the campfire on a left end
    FlameLook fl;
    for (int f = 0; f < 3; ++f) s.put(kGladeFire + f, fireOnBlock(kMossy, kGladeFire, f, 8, 0, true, fl));
    s.put(kGladeFireLow, fireOnBlock(kMossy, kGladeFire, 3, 8, 0, true, fl));
    // the big bonfire, doused in three steps
    for (int f = 0; f < 4; ++f) {
        Canvas c(64, 64);
        groundBlock(c, 0, 32, kMossy, 48, 0, 0);
        groundBlock(c, 32, 32, kMossy, 49, 0, 0);
        Ramp log = shade(f == 3 ? pal::kChar : pal::kBark);
        part(c, hLine({10.f, 36.f}, {54.f, 28.f}, 3.f), log, 1, true);
        part(c, hLine({10.f, 28.f}, {54.f, 36.f}, 3.f), log, 1, true);
        part(c, hLine({22.f, 24.f}, {42.f, 36.f}, 2.6f), log, 1, true);
        if (f < 3) {
            float k = 1.f - 0.3f * float(f);
            flame(c, 32.f, 36.f, 46.f * k, 46.f * k, f, 48, fl);
            flame(c, 14.f, 36.f, 16.f * k, 22.f * k, f + 1, 50, fl);
            flame(c, 50.f, 36.f, 16.f * k, 26.f * k, f + 2, 52, fl);
        } else {
            sprinkle(c, 10, 26, 44, 10, pal::kFlameMid, 8, 55);
        }
        // steam from the water
        for (int k = 0; k < f; ++k)
            wisp(c, 12.f + float(k) * 18.f, 26.f - float(k % 2) * 4.f, 22.f, pal::kSteam, uint32_t(60 + k + f));
        s.put(kGladeBonfire + 2 * f, c);
    }
    // the fern: a curled bud that grows into a broad leaf
    PlantLook fern{pal::kLeafDark, pal::kLeaf, pal::kGrass, pal::kGrass, pal::kFrond, kClear};
    fern.curl = true;
    s.put(kGladePlant, plantPic(2, 26.f, 0.f, fern, kMossy, kGladePlant));
    s.put(kGladePlant2, plantPic(2, 30.f, 0.2f, fern, kMossy, kGladePlant2));
    s.put(kGladePlant3, plantPic(3, 42.f, 0.45f, fern, kMossy, kGladePlant3));
    s.put(kGladePlant4, plantPic(3, 54.f, 0.72f, fern, kMossy, kGladePlant4));
    s.put(kGladePlant5, plantPic(3, 63.f, 1.f, fern, kMossy, kGladePlant5));
    // the green goal column
    const GoalLook glade = goalLook(pal::kGladeGlow, gemOf(pal::kGladeGlow), kMossy);
    for (int f = 0; f < 4; ++f) s.put(kGladeGoal + f, goalPic(f, glade, kGladeGoal));
    s.put(kGladeGoalStill, goalPic(0, glade, kGladeGoal));
    out.keyedPng(kPicChips[2], s.canvas());
}

// ---------------------------------------------------------------- mapchip3
// Dry vines hanging from a woven mat down onto a rock floor: 64x96.
Canvas hangingVines() {
    Canvas c(64, 96);
    groundBlock(c, 0, 64, kRock, 124, 0, 0);
    groundBlock(c, 32, 64, kRock, 125, 0, 0);
    Ramp vine = shade(pal::kGateBlock), leaf = shade(pal::kPlank);
    // the woven mat that carries them (part of the top floor)
    Shape mat = hRound(0.f, 1.f, 64.f, 14.f, 3.f);
    c.fill(mat.grow(1) & hRect(0, 0, 64, 20), pal::kOutline);
    for (int y = 1; y < 15; ++y)
        for (int x = 0; x < 64; ++x) {
            if (mat.at(x, y) < 0.5f) continue;
            bool over = ((x / 4) + (y / 3)) % 2 == 0;
            Rgba col = over ? vine.base : vine.shadow;
            if ((x + y) % 4 == 0) col = vine.light;
            if (y <= 2) col = vine.shine;
            c.at(x, y) = col;
        }
    // the hanging strands, with dry leaves
    Rng rng(92);
    for (int k = 0; k < 9; ++k) {
        float x = 4.f + float(k) * 7.f + float(rng.range(-1.5, 1.5));
        float len = 52.f + float(rng.range(0, 14));
        std::vector<Pt> pts;
        for (int i = 0; i <= 8; ++i) {
            float t = float(i) / 8.f;
            pts.push_back({x + std::sin(t * 5.f + float(k)) * 2.5f, 12.f + len * t});
        }
        Shape strand = Shape::polyline(pts, 1.3f).hard();
        part(c, strand, vine, 0, true);
        for (int i = 2; i < 8; i += 2) {
            Pt p = pts[size_t(i)];
            float dir = (i + k) % 4 == 0 ? -1.f : 1.f;
            part(c, hPoly({p, {p.x + dir * 5.f, p.y + 1.f}, {p.x + dir * 2.f, p.y + 4.f}}), leaf, 0, true);
        }
    }
    return c;
}

// A drum of fire on the roof: 32x64, the drum in the upper chip, the roof
// chip below. state: 0..2 frames, 3 blown aside, 4 doused, 5 blown out.
Canvas drumFire(int state) {
    Canvas c(kChip, 64);
    groundBlock(c, 0, 32, kRoof, 152, 0, 0);
    Ramp drum = shade(pal::kCinder), band = shade(pal::kFacade);
    const FlameLook fl;
    if (state == 4) {  // a puddle and steam
        part(c, hEllipse(16.f, 34.f, 12.f, 2.f), shade(mix(pal::kBlue, pal::kConcrete, 0.6f)), 0, true);
        wisp(c, 12.f, 30.f, 22.f, pal::kSteam, 156);
        wisp(c, 21.f, 28.f, 16.f, pal::kSteam, 157);
        return c;
    }
    if (state == 5) {  // soot where it stood
        part(c, hEllipse(16.f, 34.f, 11.f, 2.f), shade(pal::kChar), 0, false);
        wisp(c, 18.f, 30.f, 16.f, pal::kConcrete, 172);
        return c;
    }
    // the drum, its glow lighting the roof
    for (int x = 4; x < 28; ++x) c.at(x, 33) = mix(c.at(x, 33), pal::kFireGlow, 0.5f);
    Shape body = hRound(6.f, 16.f, 20.f, 16.f, 2.f);
    part(c, body, drum, 2, true);
    for (float by : {20.f, 27.f}) c.fill(hRect(6.f, by, 20.f, 2.f), band.base);
    c.fill(hRect(5.f, 15.f, 22.f, 2.f), band.light);
    if (state <= 2) {
        flame(c, 16.f, 17.f, 22.f, 17.f, state, 136, fl);
    } else {
        Canvas f(kChip, 64);
        flame(f, 16.f, 17.f, 18.f, 11.f, 1, 139, fl);
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 32; ++x) {
                int sx = x + int((17.f - float(y)) * 0.7f);
                if (sx >= 0 && sx < 32 && f.at(sx, y).a) c.at(x, y) = f.at(sx, y);
            }
        wisp(c, 7.f, 10.f, 8.f, pal::kConcrete, 139);
    }
    return c;
}

void mapchip3(Output& out) {
    ChipSheet s;
    s.put(kTownRock, block(kRock, kTownRock));
    s.put(kTownBrickLeft, block(kBrick, kTownBrickLeft, 8, 0));
    s.put(kTownBrick, block(kBrick, kTownBrick));
    s.put(kTownBrickRight, block(kBrick, kTownBrickRight, 0, 8));
    s.put(kTownPlank, block(kPlank, kTownPlank));
    s.put(kTownRoof, block(kRoof, kTownRoof));
    s.put(kTownFacade, block(kFacade, kTownFacade));
    // the vine: a small bush growing into a ladder with a broad leaf on top
    PlantLook vine{pal::kLeafDark, pal::kLeaf, pal::kWall, pal::kPaper, pal::kFrond, pal::kPaper};
    vine.bush = true;
    s.put(kTownPlant, plantPic(2, 27.f, 0.f, vine, kBrick, kTownPlant));
    s.put(kTownPlant2, plantPic(2, 25.f, 0.15f, vine, kBrick, kTownPlant2));
    s.put(kTownPlant3, plantPic(2, 31.f, 0.38f, vine, kBrick, kTownPlant3));
    s.put(kTownPlant4, plantPic(3, 52.f, 0.72f, vine, kBrick, kTownPlant4));
    s.put(kTownPlant5, plantPic(3, 63.f, 1.f, vine, kBrick, kTownPlant5));
    // fire on a brick chip (coals)
    FlameLook fl;
    for (int f = 0; f < 3; ++f) s.put(kTownCoals + f, fireOnBlock(kBrick, kTownCoals, f, 0, 0, false, fl));
    s.put(kTownCoalsLow, fireOnBlock(kBrick, kTownCoals, 3, 0, 0, false, fl));
    s.put(kTownCoalsOut, fireOnBlock(kBrick, kTownCoals, 4, 0, 0, false, fl).crop(0, 32, 32, 32));
    // campfire on rock
    for (int f = 0; f < 3; ++f) s.put(kTownRockFire + f, fireOnBlock(kRock, kTownRockFire, f, 0, 0, true, fl));
    s.put(kTownRockFireLow, fireOnBlock(kRock, kTownRockFire, 3, 0, 0, true, fl));
    s.put(kTownRockFireOut, fireOnBlock(kRock, kTownRockFire, 4, 0, 0, true, fl).crop(0, 32, 32, 32));
    // the hanging vines
    s.put(kTownHangingVines, hangingVines());
    // the drum of fire on the roof
    for (int f = 0; f < 3; ++f) s.put(kTownDrumFire + f, drumFire(f));
    s.put(kTownDrumFireLow, drumFire(3));
    s.put(kTownDrumFireOut, drumFire(4).crop(0, 32, 32, 32));
    s.put(kTownDrumGone, drumFire(5).crop(0, 32, 32, 32));
    // goal columns
    const GoalLook lantern = goalLook(pal::kFireGlow, pal::kSunflower, kBrick);
    const GoalLook sky = goalLook(pal::kSkyTop, pal::kFoamLight, kRock);
    const GoalLook neon = goalLook(pal::kNeon, gemOf(pal::kNeon), kRoof);
    for (int f = 0; f < 4; ++f) {
        s.put(kTownLanternGoal + f, goalPic(f, lantern, kTownLanternGoal));
        s.put(kTownSkyGoal + f, goalPic(f, sky, kTownSkyGoal));
        s.put(kTownNeonGoal + f, goalPic(f, neon, kTownNeonGoal));
    }
    s.put(kTownLanternStill, goalPic(0, lantern, kTownLanternGoal));
    s.put(kTownSkyStill, goalPic(0, sky, kTownSkyGoal));
    out.keyedPng(kPicChips[3], s.canvas());
}

}  // namespace

void genMapchips(Output& out) {
    mapchip1(out);
    mapchip2(out);
    mapchip3(out);
}

}  // namespace ag::sheet
