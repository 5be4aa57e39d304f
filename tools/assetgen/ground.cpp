// The blocks of ground the stage chips are built of. Each material is one
// style row (the grain of its body, the details laid over it, the kind of
// top layer it takes); groundBlock() paints any of them the same way.
#include <cmath>
#include <iterator>

#include "stage_sheets.h"

namespace ag::sheet {

namespace {

// Inside test of a 30x30 block inset by one pixel, with rounded corners.
bool inBlock(int px, int py, int rTL, int rTR, int rBL, int rBR) {
    const float x = px + 0.5f, y = py + 0.5f;
    auto corner = [&](float cx, float cy, int r, bool left, bool top) {
        if (r <= 0) return true;
        bool inCornerBox = (left ? x < cx : x > cx) && (top ? y < cy : y > cy);
        if (!inCornerBox) return true;
        float dx = x - cx, dy = y - cy;
        return dx * dx + dy * dy <= float(r) * float(r);
    };
    if (x < 1 || x > 31 || y < 1 || y > 31) return false;
    return corner(1.f + rTL, 1.f + rTL, rTL, true, true) && corner(31.f - rTR, 1.f + rTR, rTR, false, true) &&
           corner(1.f + rBL, 31.f - rBL, rBL, true, false) && corner(31.f - rBR, 31.f - rBR, rBR, false, false);
}

// The block's outline: the top corners as the end pieces ask, the bottom
// ones always slightly round.
struct Corners {
    int left, right;
    bool inside(int x, int y) const { return inBlock(x, y, left, right, 2, 2); }
};

// One pixel of a block's body, before its material's grain.
struct Texel {
    int x, y;
    float n;  // the pixel's own noise
    uint32_t seed;
    const Ramp& body;
    Rgba col;  // lit from the top, darker towards the bottom
};

struct MatStyle;
using Grain = Rgba (*)(const MatStyle&, const Texel&);
using Detail = void (*)(Canvas& blk, const MatStyle&, const Ground&, uint32_t seed);

// How one material is drawn.
struct MatStyle {
    Grain grain;
    Detail detail;          // nullptr: none
    int brickLength = 16;   // courses: a brick's length
    bool straightCap = false;  // coping and rims run straight; grass and moss wave
    bool tuftedCap = false;    // grass and moss: speckled, blades hanging under the edge
    bool rimmedCap = false;    // a steel rim: a second shadow line under the edge
    bool cracks = false;       // stone: a crack or two among the pebbles
    Rgba pebble = kClear;      // pebbles of this colour (kClear: a lighter body)
};

// ---------------------------------------------------------------- grains

Rgba speckled(const MatStyle&, const Texel& t) {
    Rgba col = t.col;
    if (t.n < 0.07f) col = t.body.shadow;
    if (t.n > 0.95f) col = t.body.light;
    return col;
}

// Strata: soft horizontal bands that wander.
Rgba strata(const MatStyle&, const Texel& t) {
    Rgba col = t.col;
    float band = std::sin(t.y * 0.75f + std::sin(t.x * 0.31f + t.seed) * 1.4f);
    if (band > 0.82f) col = mix(col, t.body.light, 0.45f);
    if (band < -0.9f) col = mix(col, t.body.shadow, 0.6f);
    if (t.n < 0.05f) col = t.body.shadow;
    return col;
}

// Courses of 8 px, bricks offset every other course.
Rgba courses(const MatStyle& st, const Texel& t) {
    const int course = t.y / 8, bw = st.brickLength;
    const int off = (course % 2) * (bw / 2) + int(t.seed % 5);
    const bool mortar = t.y % 8 == 7 || (t.x + off) % bw == 0;
    if (mortar) return mix(t.body.shadow, t.body.deep, 0.3f);
    if ((t.x + off) % bw == 1 || t.y % 8 == 0) return mix(t.col, t.body.light, 0.5f);
    if (t.n < 0.08f) return mix(t.col, t.body.shadow, 0.5f);
    if (hash01((t.x + off) / bw, course, t.seed) < 0.3f) return mix(t.col, t.body.shadow, 0.18f);
    return t.col;
}

// Cast slabs with a seam down the middle.
Rgba seamed(const MatStyle&, const Texel& t) {
    Rgba col = t.col;
    if (t.x == 15 || t.x == 16) col = mix(col, t.body.shadow, t.x == 15 ? 0.6f : 0.2f);
    if (t.n < 0.06f) col = mix(col, t.body.shadow, 0.4f);
    return col;
}

Rgba flecked(const MatStyle&, const Texel& t) { return t.n < 0.05f ? mix(t.col, t.body.light, 0.3f) : t.col; }

Rgba planks(const MatStyle&, const Texel& t) {
    if (t.y % 8 == 7) return t.body.deep;
    if (t.y % 8 == 0) return mix(t.col, t.body.light, 0.5f);
    if (std::sin(t.x * 0.5f + (t.y / 8) * 2.1f + t.n) > 0.9f) return mix(t.col, t.body.shadow, 0.4f);
    return t.col;
}

// ---------------------------------------------------------------- details

void stones(Canvas& blk, const MatStyle& st, const Ground& g, uint32_t seed) {
    Rng rng(seed);
    const Ramp pr = shade(st.pebble.a ? st.pebble : lighter(g.body, 0.35f));
    const Shape inside = Shape::where(0, 0, 32, 32, [](float x, float y) { return inBlock(int(x), int(y), 2, 2, 2, 2) ? 1.f : 0.f; });
    for (int k = 0; k < 3; ++k) {
        float px = float(rng.range(5, 27)), py = float(rng.range(14, 26));
        Shape p = hEllipse(px, py, float(rng.range(1.6, 2.6)), float(rng.range(1.2, 1.9))) & inside;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (p.at(x, y) < 0.5f || blk.at(x, y).a == 0) continue;
                bool topEdge = p.at(x, y - 1) < 0.5f, lowEdge = p.at(x, y + 1) < 0.5f;
                blk.at(x, y) = topEdge ? pr.light : lowEdge ? pr.deep : pr.base;
            }
    }
    if (!st.cracks) return;
    const Rgba deep = shade(g.body).deep;
    for (int k = 0; k < 2; ++k) {
        int x = rng.pick(6, 25), y = rng.pick(12, 20);
        for (int s = 0; s < 7; ++s) {
            if (inBlock(x, y, 2, 2, 2, 2)) blk.at(x, y) = deep;
            y += 1;
            x += rng.pick(-1, 1);
        }
    }
}

void bolts(Canvas& blk, const MatStyle&, const Ground& g, uint32_t) {
    const Ramp body = shade(g.body);
    for (int bx : {5, 26})
        for (int by : {13, 25}) {
            blk.at(bx, by) = body.deep;
            blk.at(bx - 1, by - 1) = body.shine;
        }
}

// Two windows, lit or dark.
void windows(Canvas& blk, const MatStyle&, const Ground& g, uint32_t seed) {
    const Ramp body = shade(g.body);
    for (int k = 0; k < 2; ++k) {
        int wx = 5 + k * 14, wy = 9;
        bool lit = hash01(k, 3, seed) < 0.65f;
        Rgba glass = lit ? pal::kThatch : pal::kCoolShadow;
        for (int y = wy - 1; y < wy + 13; ++y)
            for (int x = wx - 1; x < wx + 9; ++x) blk.at(x, y) = body.deep;
        for (int y = wy; y < wy + 12; ++y)
            for (int x = wx; x < wx + 8; ++x) {
                Rgba gcol = glass;
                if (lit && y < wy + 3) gcol = lighter(glass, 0.4f);
                if (x == wx + 4 || y == wy + 6) gcol = body.shadow;
                blk.at(x, y) = gcol;
            }
    }
}

void nails(Canvas& blk, const MatStyle&, const Ground&, uint32_t) {
    for (int y = 3; y < 30; y += 8)
        for (int x : {4, 27})
            if (blk.at(x, y).a) blk.at(x, y) = pal::kChar;
}

// ---------------------------------------------------------------- the rows

// One row per material, in the order of Mat.
const MatStyle kStyles[] = {
    /* Earth */ {.grain = speckled, .detail = stones, .tuftedCap = true, .pebble = pal::kRockCap},
    /* Moss */ {.grain = strata, .detail = stones, .tuftedCap = true, .cracks = true},
    /* Brick */ {.grain = courses, .detail = nullptr, .brickLength = 16, .straightCap = true},
    /* Rock */ {.grain = strata, .detail = stones, .cracks = true},
    /* Concrete */ {.grain = seamed, .detail = bolts, .straightCap = true, .rimmedCap = true},
    /* Facade */ {.grain = flecked, .detail = windows, .straightCap = true},
    /* Planks */ {.grain = planks, .detail = nails},
    /* GateStone */ {.grain = courses, .detail = nullptr, .brickLength = 15, .straightCap = true},
    /* Ash */ {.grain = speckled, .detail = nullptr},
};
static_assert(std::size(kStyles) == size_t(Mat::Ash) + 1, "one style row per material");

const MatStyle& styleOf(Mat m) { return kStyles[int(m)]; }

// ---------------------------------------------------------------- the steps

// Where the top layer ends, column by column: a wavy lower edge, or a
// straight one for coping and rims.
void capEdge(int (&capEnd)[32], const MatStyle& st, const Ground& g, uint32_t seed) {
    for (int x = 0; x < 32; ++x) {
        float wave = std::sin(x * 0.9f + seed * 0.37f) + 0.8f * std::sin(x * 2.3f + seed * 1.3f);
        capEnd[x] = !g.cap.a ? 0 : st.straightCap ? g.capDepth : g.capDepth + int(std::lround(wave));
    }
}

// The body: lit from the top left, darker towards the bottom, the
// material's grain, a deep rim along the bottom.
void paintBody(Canvas& blk, const MatStyle& st, const Ramp& body, uint32_t seed, Corners k) {
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!k.inside(x, y)) continue;
            float t = float(y) / 31.f;
            Rgba col = mix(body.light, body.base, smoothstep(0.f, 0.45f, t));
            col = mix(col, body.shadow, smoothstep(0.55f, 1.f, t));
            col = st.grain(st, Texel{x, y, hash01(x, y, seed), seed, body, col});
            if (x <= 1) col = mix(col, body.light, 0.5f);
            if (y >= 29) col = mix(col, body.deep, 0.5f);
            blk.at(x, y) = col;
        }
}

// The top layer: grass, moss, coping or a steel rim.
void paintCap(Canvas& blk, const MatStyle& st, const Ground& g, const int (&capEnd)[32], uint32_t seed, Corners k) {
    const Ramp cap = shade(g.cap);
    for (int x = 0; x < 32; ++x)
        for (int y = 0; y <= capEnd[x]; ++y) {
            if (!k.inside(x, y)) continue;
            Rgba col = cap.base;
            if (y <= 2) col = cap.light;
            if (y == 1) col = cap.shine;
            if (y == capEnd[x]) col = cap.shadow;
            if (st.tuftedCap && hash01(x, y, seed + 7) < 0.12f) col = cap.shadow;
            if (st.rimmedCap && y == capEnd[x] - 1) col = cap.shadow;
            blk.at(x, y) = col;
        }
    if (!st.tuftedCap) return;
    // blades and drips hanging under the edge
    for (int x = 2; x < 30; ++x) {
        float h = hash01(x, 99, seed);
        if (h >= 0.3f) continue;
        int len = 1 + int(h * 8.f);
        for (int y = capEnd[x] + 1; y <= capEnd[x] + len && y < 30; ++y)
            if (blk.at(x, y).a) blk.at(x, y) = y == capEnd[x] + len ? cap.deep : cap.shadow;
    }
}

}  // namespace

void groundBlock(Canvas& c, int x0, int y0, const Ground& g, uint32_t seed, int roundL, int roundR) {
    const MatStyle& st = styleOf(g.mat);
    const Corners corners{roundL ? roundL : 1, roundR ? roundR : 1};
    Canvas blk(32, 32);
    paintBody(blk, st, shade(g.body), seed, corners);
    if (st.detail) st.detail(blk, st, g, seed);
    if (g.cap.a) {
        int capEnd[32];
        capEdge(capEnd, st, g, seed);
        paintCap(blk, st, g, capEnd, seed, corners);
    }
    blk.outline(pal::kOutline, false);
    c.blit(blk, x0, y0);
}

}  // namespace ag::sheet
