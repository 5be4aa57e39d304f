// The stage sheets: the chip sheets img/mapchip1..3.png, the character sheets
// img/char.move.png and img/char.partner.png and the effect pictures (effect1/2, the three big
// bursts, sand, fire, the wave strip and the wind picture); plus the pieces
// they share: blocks of ground, flames and the chip sheet layout.
#include <cmath>

#include "families.h"
#include "stage_sheets.h"

namespace ag {

namespace sheet {

float hash01(int x, int y, uint32_t seed) {
    uint32_t v = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    v = (v ^ (v >> 13)) * 1274126177u;
    v ^= v >> 16;
    return float(v & 0xFFFFFF) / 16777216.f;
}

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

}  // namespace

void groundBlock(Canvas& c, int x0, int y0, const Ground& g, uint32_t seed, int roundL, int roundR) {
    const Ramp body = shade(g.body);
    // Where the top layer ends, column by column: a wavy lower edge.
    int capEnd[32];
    for (int x = 0; x < 32; ++x) {
        float wave = std::sin(x * 0.9f + seed * 0.37f) + 0.8f * std::sin(x * 2.3f + seed * 1.3f);
        capEnd[x] = g.cap.a ? g.capDepth + int(std::lround(wave)) : 0;
    }
    if (g.mat == Mat::Brick || g.mat == Mat::Concrete || g.mat == Mat::GateStone || g.mat == Mat::Facade)
        for (int& e : capEnd) e = g.cap.a ? g.capDepth : 0;  // coping and rims are straight

    Canvas blk(32, 32);
    const int rBL = 2, rBR = 2;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (!inBlock(x, y, roundL ? roundL : 1, roundR ? roundR : 1, rBL, rBR)) continue;
            float n = hash01(x, y, seed);
            float t = float(y) / 31.f;
            Rgba col = mix(body.light, body.base, smoothstep(0.f, 0.45f, t));
            col = mix(col, body.shadow, smoothstep(0.55f, 1.f, t));
            switch (g.mat) {
                case Mat::Earth:
                case Mat::Ash:
                    if (n < 0.07f) col = body.shadow;
                    if (n > 0.95f) col = body.light;
                    break;
                case Mat::Moss:
                case Mat::Rock: {
                    // strata: soft horizontal bands that wander
                    float band = std::sin(y * 0.75f + std::sin(x * 0.31f + seed) * 1.4f);
                    if (band > 0.82f) col = mix(col, body.light, 0.45f);
                    if (band < -0.9f) col = mix(col, body.shadow, 0.6f);
                    if (n < 0.05f) col = body.shadow;
                    break;
                }
                case Mat::Brick:
                case Mat::GateStone: {
                    // courses of 8 px, bricks of 16 offset every other course
                    int course = y / 8, bw = g.mat == Mat::Brick ? 16 : 15;
                    int off = (course % 2) * (bw / 2) + int(seed % 5);
                    bool mortar = y % 8 == 7 || (x + off) % bw == 0;
                    if (mortar) col = mix(body.shadow, body.deep, 0.3f);
                    else if ((x + off) % bw == 1 || y % 8 == 0) col = mix(col, body.light, 0.5f);
                    else if (n < 0.08f) col = mix(col, body.shadow, 0.5f);
                    else if (hash01((x + off) / bw, course, seed) < 0.3f) col = mix(col, body.shadow, 0.18f);
                    break;
                }
                case Mat::Concrete:
                    if (x == 15 || x == 16) col = mix(col, body.shadow, x == 15 ? 0.6f : 0.2f);
                    if (n < 0.06f) col = mix(col, body.shadow, 0.4f);
                    break;
                case Mat::Facade:
                    if (n < 0.05f) col = mix(col, body.light, 0.3f);
                    break;
                case Mat::Planks: {
                    bool seam = y % 8 == 7;
                    if (seam) col = body.deep;
                    else if (y % 8 == 0) col = mix(col, body.light, 0.5f);
                    else if (std::sin(x * 0.5f + (y / 8) * 2.1f + n) > 0.9f) col = mix(col, body.shadow, 0.4f);
                    break;
                }
            }
            // light from the left, a deep rim along the bottom
            if (x <= 1) col = mix(col, body.light, 0.5f);
            if (y >= 29) col = mix(col, body.deep, 0.5f);
            blk.at(x, y) = col;
        }

    // Material details.
    Rng rng(seed);
    switch (g.mat) {
        case Mat::Earth:
        case Mat::Moss:
        case Mat::Rock: {
            Rgba pebble = g.mat == Mat::Earth ? hex(0xD2C1A2) : lighter(g.body, 0.35f);
            for (int k = 0; k < 3; ++k) {
                float px = float(rng.range(5, 27)), py = float(rng.range(14, 26));
                Shape p = hEllipse(px, py, float(rng.range(1.6, 2.6)), float(rng.range(1.2, 1.9)));
                Shape inside = Shape::where(0, 0, 32, 32, [&](float x, float y) {
                    return inBlock(int(x), int(y), 2, 2, 2, 2) ? 1.f : 0.f;
                });
                p = p & inside;
                Ramp pr = shade(pebble);
                for (int y = 0; y < 32; ++y)
                    for (int x = 0; x < 32; ++x) {
                        if (p.at(x, y) < 0.5f || blk.at(x, y).a == 0) continue;
                        bool topEdge = p.at(x, y - 1) < 0.5f, lowEdge = p.at(x, y + 1) < 0.5f;
                        blk.at(x, y) = topEdge ? pr.light : lowEdge ? pr.deep : pr.base;
                    }
            }
            if (g.mat != Mat::Earth) {
                // a crack or two
                for (int k = 0; k < 2; ++k) {
                    int x = rng.pick(6, 25), y = rng.pick(12, 20);
                    for (int s = 0; s < 7; ++s) {
                        if (inBlock(x, y, 2, 2, 2, 2)) blk.at(x, y) = body.deep;
                        y += 1;
                        x += rng.pick(-1, 1);
                    }
                }
            }
            break;
        }
        case Mat::Concrete:
            for (int bx : {5, 26})
                for (int by : {13, 25}) {
                    blk.at(bx, by) = body.deep;
                    blk.at(bx - 1, by - 1) = body.shine;
                }
            break;
        case Mat::Facade: {
            // two windows, lit or dark
            for (int k = 0; k < 2; ++k) {
                int wx = 5 + k * 14, wy = 9;
                bool lit = hash01(k, 3, seed) < 0.65f;
                Rgba glass = lit ? hex(0xF4C76A) : hex(0x2E2A40);
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
            break;
        }
        case Mat::Planks:
            for (int y = 3; y < 30; y += 8)
                for (int x : {4, 27})
                    if (blk.at(x, y).a) blk.at(x, y) = hex(0x4A3A36);
            break;
        default:
            break;
    }

    // The top layer: grass, moss, coping or a steel rim.
    if (g.cap.a) {
        Ramp cap = shade(g.cap);
        for (int x = 0; x < 32; ++x)
            for (int y = 0; y <= capEnd[x]; ++y) {
                if (!inBlock(x, y, roundL ? roundL : 1, roundR ? roundR : 1, rBL, rBR)) continue;
                Rgba col = cap.base;
                if (y <= 2) col = cap.light;
                if (y == 1) col = cap.shine;
                if (y == capEnd[x]) col = cap.shadow;
                if (g.mat == Mat::Earth || g.mat == Mat::Moss) {
                    if (hash01(x, y, seed + 7) < 0.12f) col = cap.shadow;
                }
                if (g.mat == Mat::Concrete && y == capEnd[x] - 1) col = cap.shadow;
                blk.at(x, y) = col;
            }
        if (g.mat == Mat::Earth || g.mat == Mat::Moss) {
            // blades and drips hanging under the edge
            for (int x = 2; x < 30; ++x) {
                float h = hash01(x, 99, seed);
                if (h < 0.3f) {
                    int len = 1 + int(h * 8.f);
                    for (int y = capEnd[x] + 1; y <= capEnd[x] + len && y < 30; ++y)
                        if (blk.at(x, y).a) blk.at(x, y) = y == capEnd[x] + len ? cap.deep : cap.shadow;
                }
            }
        }
    }

    // Outline all round.
    blk.outline(pal::kOutline, false);
    c.blit(blk, x0, y0);
}

void flame(Canvas& c, float cx, float base, float w, float h, int frame, uint32_t seed, const FlameLook& look) {
    // Three tongues, each a teardrop that sways with the frame.
    auto tongue = [&](float ox, float ww, float hh, float phase) {
        float sway = std::sin(frame * 2.1f + phase + float(seed)) * ww * 0.4f;
        float bellyY = base - ww * 0.32f;
        std::vector<Pt> pts;
        const int n = 12;
        for (int i = 0; i <= n; ++i) {  // left side, tip to belly
            float s = float(i) / n;
            float half = ww * 0.5f * std::pow(std::sin(s * float(kPi) * 0.5f), 1.1f);
            pts.push_back({cx + ox + sway * (1.f - s) * (1.f - s) - half, lerpf(base - hh, bellyY, s)});
        }
        for (int i = n; i >= 0; --i) {  // right side, belly to tip
            float s = float(i) / n;
            float half = ww * 0.5f * std::pow(std::sin(s * float(kPi) * 0.5f), 1.1f);
            pts.push_back({cx + ox + sway * (1.f - s) * (1.f - s) + half, lerpf(base - hh, bellyY, s)});
        }
        return hPoly(pts) | hEllipse(cx + ox, bellyY, ww * 0.5f, ww * 0.32f);
    };
    const float f = float(frame);
    auto layer = [&](float k, float lift) {
        float hk = h * k, wk = w * k;
        Shape s = tongue(0, wk, hk * (0.92f + 0.08f * std::sin(f * 1.7f + seed)), 0.f);
        s = s | tongue(-w * 0.24f * k, wk * 0.62f, hk * (0.6f + 0.1f * std::sin(f * 2.3f)), 1.9f);
        s = s | tongue(w * 0.22f * k, wk * 0.58f, hk * (0.7f + 0.1f * std::cos(f * 1.3f + 1)), 3.7f);
        return s.shift(0, int(-lift));
    };
    Shape outer = layer(1.f, 0), mid = layer(0.66f, 1), core = layer(0.36f, 2);
    c.fill(outer.grow(1), look.rim);
    c.fill(outer, look.outer);
    c.fill(mid & outer, look.mid);
    c.fill(core & mid, look.core);
    // a few flying embers above the tip
    Rng rng(seed * 31u + uint32_t(frame));
    for (int k = 0; k < 2; ++k) {
        int ex = int(cx + rng.range(-w * 0.4, w * 0.4)), ey = int(base - h - rng.range(1, 5));
        c.set(ex, ey, look.mid);
    }
}

void ChipSheet::put(int code, const Canvas& pic) {
    const int cols = pic.width() / kChip, rows = pic.height() / kChip;
    for (int dy = 0; dy < rows; ++dy)
        for (int dx = 0; dx < cols; ++dx) {
            int n = code + dx + 16 * dy;
            if (n <= 0 || n > 255) throw Failure("chip code out of the sheet");
            int sx = (n % 16) * kChip, sy = (n / 16) * kChip;
            for (int y = 0; y < kChip; ++y)
                for (int x = 0; x < kChip; ++x) c_.at(sx + x, sy + y) = pic.at(dx * kChip + x, dy * kChip + y);
        }
}

}  // namespace sheet

void genStageSheets(Output& out) {
    sheet::genMapchips(out);
    sheet::genWalkers(out);
    sheet::genEffects(out);
}

}  // namespace ag
