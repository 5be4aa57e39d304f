// The stage effect pictures. All but the wave strip are keyed on pure black
// and drawn additively (or as a soft copy under an additive one): light is
// painted on black with bright cores and edges fading out, and a pixel too
// dark to matter becomes the key. No effect pixel is pure white either, since
// the stage select loads effect1 with the white key.
//
// img/effect1.png 512x512: the sparks (frames 0..8 across), the twinkle
//   (frames 0..6) and the three paint droplets, where the layout header
//   (screen_layout.h) puts them, and there too the soft band of light the stage
//   select lays over its rows.
// img/effect2.png 1024x1024, cells of 128: the bursts, puffs, glow dot,
//   splash ring and ring of fire in their cells of the layout header, the
//   pillar of fire (rows 0..5) and the whirlwind (rows 0..7) down theirs.
// img/eff.ハート完.png, eff.Blue.png, eff.window.png 768x768: 4x4 frames of
//   192 read left to right, top to bottom: a heart of fire, a drop of water,
//   a swirl of wind forming in a burst; the last frame is the emblem at rest
//   (the game holds it).
// img/suna.png 768x384: 4x2 frames of dust billowing along the ground.
// img/fire.png 256x256: 4x4 frames of a flickering flame (64 px).
// img/波ね.png 640x512, keyed on the grey-blue key: four 640x128 frames of the sea's
//   surface, the sky above it keyed out.
// img/kaze.png 256x256: a gust of wind.
#include <cmath>
#include <vector>

#include "stage/screen_layout.h"
#include "stage_sheets.h"

namespace ag::sheet {

namespace {

struct Col {
    float r, g, b;
};
Col operator*(Col c, float k) { return {c.r * k, c.g * k, c.b * k}; }

Col paintCol(Rgba p) { return {float(p.r) / 255.f, float(p.g) / 255.f, float(p.b) / 255.f}; }

// The lights: the palette's own, or its paints and materials made to shine.
const Col kFire = paintCol(pal::kFireLight), kEmber = paintCol(pal::kEmberLight), kFlare = paintCol(pal::kFlareLight),
          kFoam = paintCol(pal::kFoamLight), kWater = paintCol(pal::kBlue) * 1.14f, kWind = paintCol(pal::kGreen) * 1.35f,
          kLeafLight = paintCol(pal::kGrass) * 1.3f, kWhite = paintCol(pal::kWarmLight), kSand = paintCol(pal::kRockFace) * 1.27f,
          kTwinkle = paintCol(mix(pal::kFoamLight, pal::kEyeWhite, 0.6f)), kBand = paintCol(pal::kGoldLight),
          kGrit = paintCol(pal::kCream);

// Light added up on black, in floating point; turned into pixels at the end.
class Light {
public:
    Light(int w, int h) : w_(w), h_(h), px_(size_t(w) * size_t(h) * 3, 0.f) { unclip(); }
    int width() const { return w_; }
    int height() const { return h_; }

    void add(int x, int y, Col c) {
        if (x < cx0_ || y < cy0_ || x >= cx1_ || y >= cy1_) return;
        float* p = &px_[(size_t(y) * size_t(w_) + size_t(x)) * 3];
        p[0] += c.r;
        p[1] += c.g;
        p[2] += c.b;
    }
    // Everything drawn next stays inside this rectangle (one frame's cell).
    void clip(int x, int y, int w, int h) {
        cx0_ = std::max(0, x);
        cy0_ = std::max(0, y);
        cx1_ = std::min(w_, x + w);
        cy1_ = std::min(h_, y + h);
    }
    void unclip() { clip(0, 0, w_, h_); }

    // A round glow: full at the centre, (1 - d^2/r^2)^2 falloff.
    void blob(float cx, float cy, float r, Col c) {
        if (r <= 0.2f) return;
        int x0 = int(std::floor(cx - r)), x1 = int(std::ceil(cx + r)), y0 = int(std::floor(cy - r)), y1 = int(std::ceil(cy + r));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
                float q = 1.f - (dx * dx + dy * dy) / (r * r);
                if (q > 0.f) add(x, y, c * (q * q));
            }
    }
    // A ring of radius r whose cross-section is `width` wide.
    void ring(float cx, float cy, float r, float width, Col c) {
        float R = r + width;
        int x0 = int(cx - R) - 1, x1 = int(cx + R) + 1, y0 = int(cy - R) - 1, y1 = int(cy + R) + 1;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
                float d = std::fabs(std::sqrt(dx * dx + dy * dy) - r) / width;
                if (d < 1.f) add(x, y, c * ((1.f - d * d) * (1.f - d * d)));
            }
    }
    // A soft stroke from a to b, radius ra at a tapering to rb at b.
    void streak(Pt a, Pt b, float ra, float rb, Col c) {
        float R = std::max(ra, rb);
        int x0 = int(std::min(a.x, b.x) - R) - 1, x1 = int(std::max(a.x, b.x) + R) + 1;
        int y0 = int(std::min(a.y, b.y) - R) - 1, y1 = int(std::max(a.y, b.y) + R) + 1;
        float bx = b.x - a.x, by = b.y - a.y, len2 = bx * bx + by * by;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                float px = float(x) + 0.5f, py = float(y) + 0.5f;
                float t = len2 > 0 ? clampv(((px - a.x) * bx + (py - a.y) * by) / len2, 0.f, 1.f) : 0.f;
                float dx = px - (a.x + bx * t), dy = py - (a.y + by * t);
                float r = lerpf(ra, rb, t);
                if (r <= 0.05f) continue;
                float q = 1.f - (dx * dx + dy * dy) / (r * r);
                if (q > 0.f) add(x, y, c * (q * q));
            }
    }
    // A four-pointed star (two tapering strokes) with a round heart.
    void star(float cx, float cy, float len, float thick, float angle, Col c) {
        for (int k = 0; k < 4; ++k) {
            float a = angle + float(k) * float(kPi) * 0.5f;
            streak({cx, cy}, {cx + std::cos(a) * len, cy + std::sin(a) * len}, thick, 0.3f, c);
        }
        blob(cx, cy, thick * 2.2f, c * 0.8f);
    }
    // A polyline of soft strokes, radius ra at its start tapering to rb at
    // its end; joints are not counted twice.
    void path(const std::vector<Pt>& pts, float ra, float rb, Col c) {
        if (pts.size() < 2) return;
        float R = std::max(ra, rb);
        float minx = pts[0].x, maxx = minx, miny = pts[0].y, maxy = miny;
        for (const Pt& p : pts) {
            minx = std::min(minx, p.x);
            maxx = std::max(maxx, p.x);
            miny = std::min(miny, p.y);
            maxy = std::max(maxy, p.y);
        }
        const size_t n = pts.size() - 1;
        for (int y = int(miny - R) - 1; y <= int(maxy + R) + 1; ++y)
            for (int x = int(minx - R) - 1; x <= int(maxx + R) + 1; ++x) {
                float px = float(x) + 0.5f, py = float(y) + 0.5f, best = 0.f;
                for (size_t i = 0; i < n; ++i) {
                    const Pt &a = pts[i], &b = pts[i + 1];
                    float bx = b.x - a.x, by = b.y - a.y, len2 = bx * bx + by * by;
                    float t = len2 > 0 ? clampv(((px - a.x) * bx + (py - a.y) * by) / len2, 0.f, 1.f) : 0.f;
                    float r = lerpf(ra, rb, (float(i) + t) / float(n));
                    if (r <= 0.05f) continue;
                    float dx = px - (a.x + bx * t), dy = py - (a.y + by * t);
                    best = std::max(best, 1.f - (dx * dx + dy * dy) / (r * r));
                }
                if (best > 0.f) add(x, y, c * (best * best));
            }
    }

    // Pixels: 1 - exp(-v) per channel, so strong light burns to a pale core.
    // A pixel whose brightest channel stays under about `floor` becomes the
    // key, the cut dithered so faint edges thin out instead of ending in a
    // line. Few dim pixels also keep the soft (alpha-blended) copy that the
    // game draws under the additive one from greying the scene.
    Canvas pixels(int floor = 24, int ceiling = 250) const {
        Canvas c(w_, h_);
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                const float* p = &px_[(size_t(y) * size_t(w_) + size_t(x)) * 3];
                float sum = (p[0] + p[1] + p[2]) / 3.f;
                float bleed = std::max(0.f, sum - 1.2f) * 0.35f;  // very bright light whitens
                auto tone = [&](float v) { return 255.f * (1.f - std::exp(-(v + bleed))); };
                float r = tone(p[0]), g = tone(p[1]), b = tone(p[2]);
                float m = std::max({r, g, b});
                if (m + bayer4(x, y) * float(floor) * 0.9f < float(floor)) continue;
                auto q = [&](float v) {
                    v += bayer4(x, y) * 3.f;
                    return uint8_t(clampv(int(std::lround(v)), 0, ceiling));
                };
                c.at(x, y) = Rgba{q(r), q(g), q(b), 255};
            }
        return c;
    }

private:
    int w_, h_;
    std::vector<float> px_;
    int cx0_ = 0, cy0_ = 0, cx1_ = 0, cy1_ = 0;
};

// ---------------------------------------------------------------- shapes

// The heart curve, t in [0, 2pi): about 34 units wide, centred near (0, 0).
Pt heartAt(float t) {
    float s = std::sin(t);
    float x = 16.f * s * s * s;
    float y = -(13.f * std::cos(t) - 5.f * std::cos(2 * t) - 2.f * std::cos(3 * t) - std::cos(4 * t));
    return {x, y + 1.5f};
}

// A drop outline, t in [0, 2pi): round belly below, point above; unit size.
Pt dropAt(float t) {
    float s = std::sin(t * 0.5f);
    float x = std::sin(t) * s * s * 0.9f + std::sin(t) * 0.1f;
    float y = -std::cos(t) * 1.1f;
    return {x, y * 1.0f + 0.15f};
}

// ---------------------------------------------------------------- effect1
// A spark gathering beside the hero: frame 0..8.
void spark(Light& L, float ox, float oy, int f, Col paint, Col core, uint32_t seed) {
    const float cx = ox + 14.f, cy = oy + 16.f;
    const float t = float(f) / 8.f;
    const float grow = std::sin(std::min(1.f, t * 1.4f) * float(kPi) * 0.5f);
    L.blob(cx, cy, 4.f + 9.f * grow, paint * (0.9f + 0.6f * grow));
    L.blob(cx, cy, 2.f + 3.f * grow, core * (1.5f + grow));
    L.star(cx, cy, 5.f + 9.f * grow, 1.1f + 0.5f * grow, float(f) * 0.3f, core * (0.8f + 0.6f * grow));
    Rng rng(seed);
    for (int k = 0; k < 7; ++k) {
        float a = float(rng.range(0, 2 * kPi));
        float dist = float(rng.range(3, 8)) + 12.f * t;
        float life = 1.f - std::fabs(t - float(k) / 7.f);
        float px = cx + std::cos(a) * dist, py = cy + std::sin(a) * dist * 0.9f;
        L.blob(px, py, 1.6f + life, core * (0.6f + life));
    }
}

void twinkle(Light& L, float ox, float oy, int f) {
    static const float kSize[7] = {0.35f, 0.65f, 1.f, 0.85f, 0.55f, 0.8f, 0.45f};
    const float s = kSize[f];
    const float cx = ox + 16.f, cy = oy + 16.f;
    const Col c = kTwinkle;
    L.blob(cx, cy, 3.f + 5.f * s, c * (0.5f + 0.5f * s));
    L.star(cx, cy, 4.f + 10.f * s, 0.9f + 0.6f * s, float(f) * 0.22f, c * (1.2f + s));
    L.star(cx, cy, 3.f + 5.f * s, 0.6f, float(f) * 0.22f + float(kPi) * 0.25f, c * 0.6f);
}

void droplet(Light& L, float ox, float oy, Col paint) {
    const float cx = ox + 8.f, cy = oy + 9.5f;
    std::vector<Pt> pts;
    for (int i = 0; i <= 24; ++i) {
        Pt p = dropAt(float(i) / 24.f * 2.f * float(kPi));
        pts.push_back({cx + p.x * 4.6f, cy + p.y * 5.f});
    }
    L.blob(cx, cy + 1.f, 6.5f, paint * 1.2f);
    L.path(pts, 1.1f, 1.1f, paint * 1.4f);
    L.blob(cx, cy + 1.5f, 3.2f, paint * 2.2f);
    L.blob(cx - 1.5f, cy, 1.3f, kWhite * 1.5f);
}

Canvas effect1() {
    Light L(512, 512);
    const struct {
        int row;
        Col paint, core;
    } rows[3] = {{kSparkRows[0], kFire, kEmber},
                 {kSparkRows[1], paintCol(pal::kBlue) * 1.1f, kFoam},
                 {kSparkRows[2], paintCol(pal::kGreen) * 1.1f, kLeafLight}};
    for (const auto& r : rows)
        for (int f = 0; f <= 8; ++f) {
            L.clip(f * 32, r.row * 32, 32, 32);
            spark(L, float(f * 32), float(r.row * 32), f, r.paint, r.core, uint32_t(r.row * 16 + f));
        }
    for (int f = 0; f < 7; ++f) {
        L.clip(f * 32, kTwinkleRow * 32, 32, 32);
        twinkle(L, float(f * 32), float(kTwinkleRow * 32), f);
    }
    const Col drops[3] = {paintCol(pal::kRed), paintCol(pal::kGreen), paintCol(pal::kBlue)};
    for (int k = 0; k < 3; ++k) {
        const int x = int(kDropletX + kDropletSize * float(k)), size = int(kDropletSize);
        L.clip(x, 0, size, size);
        droplet(L, float(x), 0.f, drops[k]);
    }
    // the stage select's band of light
    const int bandTop = int(kSelectBandCell.y0), bandEnd = int(kSelectBandCell.y1);
    L.clip(0, bandTop, 512, bandEnd - bandTop);
    for (int y = bandTop; y < bandEnd; ++y)
        for (int x = 0; x < 512; ++x) {
            float dy = (float(y) - 310.f) / 34.f;
            float v = std::exp(-dy * dy) * smoothstep(0.f, 90.f, float(x)) * smoothstep(512.f, 422.f, float(x));
            L.add(x, y, kBand * (1.1f * v));
        }
    Rng rng(248);
    for (int k = 0; k < 24; ++k) L.blob(float(rng.range(40, 472)), float(rng.range(285, 335)), float(rng.range(2, 5)), kWhite * 0.5f);
    L.unclip();
    return L.pixels();
}

// ---------------------------------------------------------------- effect2
constexpr int kC2 = 128;

void windSwirl(Light& L, float cx, float cy, float radius, float turn, Col c, float width) {
    for (int arm = 0; arm < 3; ++arm) {
        std::vector<Pt> pts;
        for (int i = 0; i <= 24; ++i) {
            float t = float(i) / 24.f;
            float a = turn + float(arm) * 2.094f + t * 4.2f;
            float r = radius * (0.15f + 0.85f * t);
            pts.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r * 0.92f});
        }
        L.path(pts, width * 0.4f, width, c);
    }
}

// A billowing cloud: a ring of round lobes about a brighter heart.
void puff(Light& L, float cx, float cy, float r, Col c, Col core, uint32_t seed) {
    Rng rng(seed);
    for (int k = 0; k < 7; ++k) {
        float a = float(k) / 7.f * 2.f * float(kPi) + float(rng.range(-0.3, 0.3));
        float d = r * float(rng.range(0.45, 0.6));
        L.blob(cx + std::cos(a) * d, cy + std::sin(a) * d * 0.85f, r * float(rng.range(0.42, 0.55)), c * 0.7f);
    }
    L.blob(cx, cy, r * 0.8f, c * 0.6f);
    L.blob(cx, cy, r * 0.45f, core * 1.1f);
}

// Clips the light to the cell (col, row) and returns the cell's centre.
Pt cell(Light& L, int col, int row) {
    L.clip(col * kC2, row * kC2, kC2, kC2);
    return Pt{float(col * kC2) + 64.f, float(row * kC2) + 64.f};
}

void windBurst(Light& L, Pt p) {
    windSwirl(L, p.x, p.y, 54.f, 0.f, kWind * 0.9f, 4.f);
    L.blob(p.x, p.y, 20.f, kLeafLight * 0.8f);
    for (int k = 0; k < 6; ++k) {
        float a = float(k) * 1.05f + 0.4f;
        L.star(p.x + std::cos(a) * 44.f, p.y + std::sin(a) * 40.f, 6.f, 1.2f, a, kLeafLight);
    }
}

// The fire puff with embers over it; the water puff with a spray of drops.
void firePuff(Light& L, Pt p) {
    puff(L, p.x, p.y + 4.f, 54.f, kFire, kEmber, 11);
    for (int k = 0; k < 8; ++k) L.blob(p.x - 30.f + float(k) * 9.f, p.y - 34.f + float((k * 7) % 11), 2.5f, kEmber * 1.2f);
}

void waterPuff(Light& L, Pt p) {
    puff(L, p.x, p.y + 4.f, 54.f, kWater, kFoam, 30);
    for (int k = 0; k < 8; ++k) L.blob(p.x - 32.f + float(k) * 9.f, p.y - 36.f + float((k * 5) % 13), 2.6f, kFoam * 1.3f);
}

// The glow dot: a soft white light.
void glowDot(Light& L, Pt p) {
    L.blob(p.x, p.y, 58.f, kWhite * 1.1f);
    L.blob(p.x, p.y, 24.f, kWhite * 1.2f);
}

// One frame of the pillar of fire rising in cell (4, f): frames 0..5,
// and 7 holding the last.
void pillarOfFire(Light& L, Pt p, int f) {
    int fr = std::min(f, 5);
    float top = float(f * kC2) + 128.f - 128.f * std::min(1.f, float(fr + 1) / 4.f);
    float bottom = float(f * kC2) + 126.f;
    float w = 18.f + 4.f * float(std::min(fr, 3));
    L.streak({p.x, bottom}, {p.x, top + 10.f}, w, w * 0.4f, kFire * 0.9f);
    L.streak({p.x, bottom}, {p.x, top + 14.f}, w * 0.45f, w * 0.15f, kEmber * 1.6f);
    Rng rng(uint32_t(400 + f));
    for (int k = 0; k < 10; ++k) {
        float y = float(rng.range(top + 4.f, bottom));
        float x = p.x + float(rng.range(-w, w));
        L.blob(x, y, float(rng.range(1.5, 3.5)), kEmber * 1.3f);
    }
    // flame tongues licking at the top
    for (int k = -1; k <= 1; ++k)
        L.streak({p.x + float(k) * w * 0.5f, top + 26.f}, {p.x + float(k) * w * 0.7f + std::sin(float(f + k)) * 6.f, top + 2.f},
                 w * 0.35f, 0.5f, kFire);
}

// One frame of the whirlwind in cell (5, f).
void whirlwind(Light& L, Pt p, int f) {
    float grow = std::min(1.f, float(f + 1) / 4.f);
    float bottom = float(f * kC2) + 124.f, height = 118.f * grow;
    for (int k = 0; k < 9; ++k) {
        float t = float(k) / 8.f;
        float y = bottom - height * t;
        float rx = 10.f + 36.f * t;
        float ph = float(f) * 0.9f + float(k) * 0.7f;
        std::vector<Pt> arc;
        for (int i = 0; i <= 12; ++i) {
            float a = ph + float(i) / 12.f * float(kPi) * 1.3f;
            arc.push_back({p.x + std::cos(a) * rx, y + std::sin(a) * rx * 0.22f});
        }
        L.path(arc, 1.2f, 2.6f, kWind * (0.5f + 0.4f * t));
    }
    L.streak({p.x, bottom}, {p.x, bottom - height}, 8.f, 16.f, kWind * 0.35f);
    Rng rng(uint32_t(500 + f));
    for (int k = 0; k < 5; ++k)
        L.star(p.x + float(rng.range(-40, 40)), bottom - float(rng.range(0, height)), 4.f, 1.f, float(k), kLeafLight * 0.9f);
}

// The ring of fire, also the red colour burst.
void ringOfFire(Light& L, Pt p) {
    L.ring(p.x, p.y, 50.f, 7.f, kFlare * 0.9f);
    L.ring(p.x, p.y, 50.f, 2.5f, kEmber * 0.9f);
    for (int k = 0; k < 12; ++k) {
        float a = float(k) * float(kPi) / 6.f;
        L.streak({p.x + std::cos(a) * 50.f, p.y + std::sin(a) * 50.f}, {p.x + std::cos(a + 0.2f) * 61.f, p.y + std::sin(a + 0.2f) * 61.f}, 3.f,
                 0.5f, kFlare * 0.8f);
    }
}

void greenBurst(Light& L, Pt p) {
    L.ring(p.x, p.y, 46.f, 6.f, kWind);
    windSwirl(L, p.x, p.y, 40.f, 1.f, kLeafLight * 0.6f, 2.5f);
    for (int k = 0; k < 8; ++k) {
        float a = float(k) * float(kPi) / 4.f;
        L.star(p.x + std::cos(a) * 54.f, p.y + std::sin(a) * 54.f, 5.f, 1.f, a, kLeafLight);
    }
}

void blueBurst(Light& L, Pt p) {
    L.ring(p.x, p.y, 46.f, 6.f, kWater * 1.1f);
    for (int k = 0; k < 12; ++k) {
        float a = float(k) * float(kPi) / 6.f;
        L.blob(p.x + std::cos(a) * 55.f, p.y + std::sin(a) * 55.f, 4.f, kFoam * 1.3f);
    }
    L.blob(p.x, p.y, 30.f, kWater * 0.25f);
}

// The splash ring of the water events.
void splashRing(Light& L, Pt p) {
    L.ring(p.x, p.y, 40.f, 4.f, kFoam * 0.9f);
    L.ring(p.x, p.y, 52.f, 2.5f, kWater);
    Rng rng(44);
    for (int k = 0; k < 16; ++k) {
        float a = float(rng.range(0, 2 * kPi)), d = float(rng.range(30, 58));
        L.blob(p.x + std::cos(a) * d, p.y + std::sin(a) * d, float(rng.range(2.5, 5.5)), kFoam * 1.1f);
    }
}

Canvas effect2() {
    Light L(1024, 1024);
    windBurst(L, cell(L, kWindBurstCell.col, kWindBurstCell.row));
    firePuff(L, cell(L, kFirePuffCell.col, kFirePuffCell.row));
    waterPuff(L, cell(L, kWaterPuffCell.col, kWaterPuffCell.row));
    glowDot(L, cell(L, kGlowDotCell.col, kGlowDotCell.row));
    for (int f = 0; f <= 7; ++f) {
        if (f == kRingOfFireCell.row) continue;  // that cell is the ring of fire
        pillarOfFire(L, cell(L, kPillarColumn, f), f);
    }
    for (int f = 0; f < 8; ++f) whirlwind(L, cell(L, kWhirlwindColumn, f), f);
    ringOfFire(L, cell(L, kRingOfFireCell.col, kRingOfFireCell.row));
    greenBurst(L, cell(L, kGreenBurstCell.col, kGreenBurstCell.row));
    blueBurst(L, cell(L, kBlueBurstCell.col, kBlueBurstCell.row));
    splashRing(L, cell(L, kSplashRingCell.col, kSplashRingCell.row));
    L.unclip();
    return L.pixels();
}

// ---------------------------------------------------------------- big bursts
constexpr int kBig = 192;

// t from 0 to 1 over the 16 frames; `settle` is how far the emblem has
// come to rest (0 during the burst, 1 in the last frames).
struct BurstTime {
    float t, gather, flash, settle;
};
BurstTime burstTime(int i) {
    float t = float(i) / 15.f;
    return {t, smoothstep(0.f, 0.3f, t), std::max(0.f, 1.f - std::fabs(t - 0.38f) / 0.2f), smoothstep(0.55f, 0.85f, t)};
}

void heartBurst(Light& L, float cx, float cy, int i) {
    BurstTime b = burstTime(i);
    const float k = 3.2f;  // heart units to pixels
    Rng rng(uint32_t(900));
    // sparks flying in onto the outline
    for (int s = 0; s < 28; ++s) {
        float tt = float(s) / 28.f * 2.f * float(kPi);
        Pt h = heartAt(tt);
        float a = float(rng.range(0, 2 * kPi));
        float far = 70.f * (1.f - b.gather);
        Pt at{cx + h.x * k + std::cos(a) * far, cy + h.y * k + std::sin(a) * far};
        if (b.gather < 1.f) L.blob(at.x, at.y, 3.f, kEmber * 1.4f);
    }
    // the outline, brightest at the flash
    std::vector<Pt> outline;
    for (int s = 0; s <= 48; ++s) {
        Pt h = heartAt(float(s) / 48.f * 2.f * float(kPi));
        outline.push_back({cx + h.x * k, cy + h.y * k});
    }
    float glow = b.gather * (0.7f + 1.3f * b.flash) * (1.f - 0.2f * b.settle);
    L.path(outline, 5.f, 5.f, kFire * glow);
    L.path(outline, 2.f, 2.f, kEmber * (glow * 1.4f));
    L.blob(cx, cy + 4.f, 46.f, kFire * ((0.35f * b.gather + 0.9f * b.flash) * (1.f - b.settle)));
    L.blob(cx, cy + 2.f, 26.f, kFire * (0.5f * b.settle));
    L.blob(cx, cy + 2.f, 18.f, kEmber * (0.6f * b.gather + 1.2f * b.flash));
    // the flash's ring
    if (b.flash > 0) L.ring(cx, cy, 40.f + 50.f * (b.t - 0.18f) / 0.4f, 6.f, kFire * (b.flash * 1.2f));
    // flames licking up from the outline once it has formed
    if (b.t > 0.3f)
        for (int s = 0; s < 14; ++s) {
            float tt = float(s) / 14.f * 2.f * float(kPi) + 0.3f;
            Pt h = heartAt(tt);
            float ph = float(i) * 0.9f + float(s) * 1.7f;
            float len = 16.f + 9.f * std::sin(ph);
            Pt base{cx + h.x * k, cy + h.y * k};
            L.streak(base, {base.x + std::sin(ph) * 4.f, base.y - len}, 5.f, 0.4f, kFlare * 1.1f);
            L.streak(base, {base.x + std::sin(ph) * 2.f, base.y - len * 0.55f}, 2.2f, 0.3f, kEmber * 1.2f);
        }
}

void dropBurst(Light& L, float cx, float cy, int i) {
    BurstTime b = burstTime(i);
    Rng rng(uint32_t(910));
    for (int s = 0; s < 26; ++s) {  // droplets drawn in
        float a = float(rng.range(0, 2 * kPi));
        float d = 20.f + 62.f * (1.f - b.gather) + float(rng.range(0, 8));
        if (b.gather < 1.f) L.blob(cx + std::cos(a) * d, cy + std::sin(a) * d, 3.2f, kFoam * 1.2f);
    }
    std::vector<Pt> outline;
    for (int s = 0; s <= 40; ++s) {
        Pt p = dropAt(float(s) / 40.f * 2.f * float(kPi));
        outline.push_back({cx + p.x * 34.f, cy + 4.f + p.y * 38.f});
    }
    float glow = b.gather * (0.7f + 1.3f * b.flash) * (1.f - 0.2f * b.settle);
    L.path(outline, 5.f, 5.f, kWater * glow);
    L.path(outline, 2.f, 2.f, kFoam * (glow * 1.3f));
    L.blob(cx, cy + 12.f, 40.f, kWater * ((0.3f * b.gather + 0.9f * b.flash) * (1.f - b.settle)));
    L.blob(cx, cy + 12.f, 24.f, kWater * (0.5f * b.settle));
    L.blob(cx - 8.f, cy - 2.f, 8.f, kWhite * (0.8f * b.gather));
    // ripples spreading out and, at rest, one ring circling the drop
    for (int r = 0; r < 3; ++r) {
        float rt = b.t * 1.6f - float(r) * 0.25f;
        if (rt > 0.2f && rt < 1.f) L.ring(cx, cy + 10.f, 30.f + 60.f * rt, 3.f, kFoam * (1.f - rt));
    }
    if (b.settle > 0) L.ring(cx, cy + 8.f, 54.f + 3.f * std::sin(float(i)), 2.5f, kWater * (0.8f * b.settle));
    // bubbles rising inside
    for (int s = 0; s < 5; ++s) {
        float y = cy + 30.f - std::fmod(float(i) * 6.f + float(s) * 13.f, 50.f);
        L.ring(cx - 10.f + float(s) * 5.f, y, 2.5f, 1.f, kFoam * (0.9f * b.gather));
    }
}

void swirlBurst(Light& L, float cx, float cy, int i) {
    BurstTime b = burstTime(i);
    float turn = float(i) * 0.45f;
    float r = 30.f + 40.f * (1.f - b.settle) * b.gather + 26.f * b.settle;
    float glow = b.gather * (0.6f + 1.2f * b.flash) * (1.f - 0.15f * b.settle);
    windSwirl(L, cx, cy, r, turn, kWind * glow, 5.f);
    windSwirl(L, cx, cy, r * 0.8f, turn + 0.5f, kLeafLight * (glow * 0.6f), 2.f);
    L.blob(cx, cy, 22.f, kLeafLight * (0.4f * b.gather + 0.8f * b.flash));
    if (b.flash > 0) L.ring(cx, cy, 40.f + 46.f * (b.t - 0.18f) / 0.4f, 5.f, kWind * b.flash);
    // leaves whirled round
    for (int s = 0; s < 9; ++s) {
        float a = turn * 1.3f + float(s) * 0.7f;
        float d = 24.f + float(s) * 6.f;
        Pt c{cx + std::cos(a) * d, cy + std::sin(a) * d * 0.9f};
        L.streak({c.x - 3.f, c.y - 2.f}, {c.x + 3.f, c.y + 2.f}, 2.4f, 1.f, kLeafLight * (0.5f + 0.5f * b.gather));
    }
}

Canvas bigBurst(void (*draw)(Light&, float, float, int), Col spark) {
    Light L(4 * kBig, 4 * kBig);
    for (int i = 0; i < 16; ++i) {
        int fx = (i % 4) * kBig, fy = (i / 4) * kBig;
        L.clip(fx, fy, kBig, kBig);
        draw(L, float(fx) + 96.f, float(fy) + 96.f, i);
        // the cast's first light, kindling in the middle
        float t = float(i) / 15.f;
        if (t < 0.4f) {
            float k = 1.f - t / 0.4f;
            L.blob(float(fx) + 96.f, float(fy) + 96.f, 12.f + 40.f * t, spark * (1.6f * k));
            L.star(float(fx) + 96.f, float(fy) + 96.f, 18.f + 50.f * t, 2.f, t * 2.f, spark * (1.2f * k));
        }
    }
    L.unclip();
    return L.pixels(40);
}

// ---------------------------------------------------------------- sand, fire, wind
Canvas sand() {
    Light L(4 * kBig, 2 * kBig);
    for (int i = 0; i < 8; ++i) {
        int fx = (i % 4) * kBig, fy = (i / 4) * kBig;
        L.clip(fx, fy, kBig, kBig);
        const float cx = float(fx) + 96.f, ground = float(fy) + 76.f;
        float t = float(i) / 8.f;
        // puffs rolling out both ways along the ground, rising as they go
        for (int k = 0; k < 4; ++k) {
            float tk = std::fmod(t + float(k) / 4.f, 1.f);
            for (float dir : {-1.f, 1.f}) {
                float wob = hash01(k, dir > 0 ? 1 : 0, 61) * 6.f;
                float x = cx + dir * (8.f + 66.f * tk + wob);
                float y = ground - 6.f - 30.f * tk * (1.2f - tk) - wob;
                float r = 12.f + 16.f * tk;
                float fade = (1.f - tk * tk) * (0.7f + 0.3f * tk);
                L.blob(x, y, r, kSand * (1.1f * fade));
                L.blob(x - dir * 5.f, y + 4.f, r * 0.7f, kSand * (0.7f * fade));
                L.blob(x + dir * 3.f, y - r * 0.4f, r * 0.5f, kGrit * (0.5f * fade));
            }
        }
        // grains thrown up
        Rng rng(uint32_t(600 + i));
        for (int k = 0; k < 14; ++k) {
            float a = float(rng.range(kPi * 1.1, kPi * 1.9));
            float d = float(rng.range(10, 60));
            L.blob(cx + std::cos(a) * d, ground + std::sin(a) * d * 0.8f, 1.8f, kSand * 1.4f);
        }
        L.blob(cx, ground - 6.f, 26.f, kSand * 0.8f);
    }
    L.unclip();
    return L.pixels(14);
}

Canvas fireLoop() {
    Light L(256, 256);
    for (int i = 0; i < 16; ++i) {
        int fx = (i % 4) * 64, fy = (i / 4) * 64;
        L.clip(fx, fy, 64, 64);
        float ph = float(i) / 16.f * 2.f * float(kPi);
        float cx = float(fx) + 32.f, base = float(fy) + 56.f;
        float h = 36.f + 6.f * std::sin(ph * 2.f);
        float sway = 4.f * std::sin(ph) + 2.f * std::sin(ph * 3.f);
        L.blob(cx, base - 8.f, 16.f, kFire * 0.9f);
        L.streak({cx, base - 6.f}, {cx + sway, base - h}, 11.f, 1.f, kFire * 1.2f);
        L.streak({cx - 7.f, base - 4.f}, {cx - 9.f + sway * 0.6f, base - h * 0.6f}, 6.f, 0.5f, kFire);
        L.streak({cx + 7.f, base - 4.f}, {cx + 8.f + sway * 0.8f, base - h * 0.7f}, 6.f, 0.5f, kFire);
        L.streak({cx, base - 5.f}, {cx + sway * 0.6f, base - h * 0.55f}, 6.f, 1.f, kEmber * 1.6f);
        L.blob(cx + sway * 1.5f, base - h - 6.f - std::fmod(float(i) * 3.f, 8.f), 1.8f, kEmber * 1.3f);
    }
    L.unclip();
    return L.pixels();
}

Canvas gust() {
    Light L(256, 256);
    for (int k = 0; k < 5; ++k) {
        float y = 60.f + float(k) * 32.f;
        std::vector<Pt> pts;
        for (int i = 0; i <= 20; ++i) {
            float t = float(i) / 20.f;
            pts.push_back({20.f + 200.f * t, y + 10.f * std::sin(t * 5.f + float(k))});
        }
        // each streak ends in a curl
        for (int i = 0; i <= 10; ++i) {
            float a = -float(kPi) * 0.5f + float(i) / 10.f * float(kPi) * 1.6f;
            pts.push_back({220.f + std::cos(a) * 12.f, y - 12.f + 10.f * std::sin(5.f + float(k)) + std::sin(a) * 12.f + 12.f});
        }
        L.path(pts, 1.f, 3.5f, kWind * 0.9f);
    }
    windSwirl(L, 96.f, 128.f, 40.f, 0.3f, kLeafLight * 0.5f, 2.f);
    return L.pixels();
}

// ---------------------------------------------------------------- the sea
Canvas sea() {
    Canvas c(640, 512, kClear);
    // The sea's light water is the sky's blue; its crests whiten it.
    const Rgba foam = pal::kEyeWhite, crest = mix(pal::kSkyTop, pal::kEyeWhite, 0.55f), light = pal::kSkyTop;
    const Rgba deep = pal::kSeaDeep, deepest = darker(pal::kSeaDeep, 0.3f);
    for (int f = 0; f < 4; ++f) {
        const float ph = float(f) * float(kPi) * 0.5f;
        for (int x = 0; x < 640; ++x) {
            float fx = float(x);
            // whole waves across 640 px so every frame tiles; four frames a cycle
            float surf = 22.f + 4.5f * std::sin(fx * 2.f * float(kPi) / 160.f + ph) + 2.f * std::sin(fx * 2.f * float(kPi) / 64.f - ph * 2.f);
            for (int y = 0; y < 128; ++y) {
                float fy = float(y);
                if (fy < surf) continue;
                float d = fy - surf;
                Rgba col;
                if (d < 2.f) col = foam;
                else if (d < 5.f) col = crest;
                else {
                    float t = clampv((d - 5.f) / 110.f, 0.f, 1.f);
                    t += bayer4(x, y) * 0.08f;
                    col = t < 0.33f ? mix(light, deep, t * 3.f) : mix(deep, deepest, (t - 0.33f) * 1.5f);
                    // glints riding the swell
                    float g = std::sin(fx * 0.11f + fy * 0.7f + ph * 3.f) * std::sin(fx * 0.023f - ph + fy * 0.05f);
                    if (g > 0.93f && d < 60.f) col = mix(col, crest, 0.7f);
                }
                c.at(x, f * 128 + y) = col;
            }
        }
    }
    return c;
}

}  // namespace

void genEffects(Output& out) {
    out.keyedPng(kPicEffect1, effect1());
    out.keyedPng(kPicEffect2, effect2());
    out.keyedPng(kPicHeartBurst, bigBurst(heartBurst, kEmber));
    out.keyedPng(kPicDropBurst, bigBurst(dropBurst, kFoam));
    out.keyedPng(kPicSwirlBurst, bigBurst(swirlBurst, kLeafLight));
    out.keyedPng(kPicSand, sand());
    out.keyedPng(kPicFire, fireLoop());
    out.keyedPng(kPicSea, sea());
    out.keyedPng(kPicGust, gust());
}

}  // namespace ag::sheet
