// The stage sheets: the chip sheets img/mapchip1..3.png, the character sheets
// img/char.move.png and img/char.partner.png and the effect pictures (effect1/2, the three big
// bursts, sand, fire, the wave strip and the wind picture); plus the pieces
// they share: flames and the chip sheet layout (the blocks of ground are in
// ground.cpp).
#include <cmath>

#include "families.h"
#include "stage_sheets.h"

namespace ag {

namespace sheet {

float hash01(int x, int y, uint32_t seed) {
    uint32_t v = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    v = (v ^ (v >> 13)) * 1274126177u;
    v ^= v >> 16;
    return float(v & ((1u << 24) - 1)) / 16777216.f;  // the low 24 bits
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
