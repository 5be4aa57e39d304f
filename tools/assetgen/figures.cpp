#include "figures.h"

#include <cmath>

namespace ag {

namespace {

// A nubble's size and place: its body is an ellipse rx by ry round (cx, cy);
// `face` shifts its features towards where it looks.
struct NubbleFrame {
    Canvas& c;
    const NubbleLook& look;
    float cx, base, size, rx, ry, cy, face;
    Shape f(const Shape& s) const { return look.crisp ? s.hard() : s; }
};

// The sprout (stem and two leaves), drawn first so the body overlaps its foot.
void sprout(const NubbleFrame& n) {
    const float size = n.size;
    const Ramp sp = shade(pal::kLeaf);
    const float tx = n.cx + n.face * 0.3f + size * 0.03f, ty = n.cy - n.ry - size * 0.2f;
    Shape stem = n.f(Shape::capsule({n.cx + n.face * 0.3f, n.cy - n.ry * 0.9f}, {tx, ty}, std::max(0.7f, size * 0.035f)));
    Shape leafL = n.f(Shape::ellipse(tx - size * 0.11f, ty - size * 0.02f, size * 0.12f, size * 0.055f));
    Shape leafR = n.f(Shape::ellipse(tx + size * 0.1f, ty - size * 0.05f, size * 0.11f, size * 0.05f));
    Shape all = stem | leafL | leafR;
    n.c.fill(all.grow(1), pal::kOutline);
    n.c.fill(all, sp.base);
    n.c.fill(leafL & n.f(Shape::ellipse(tx - size * 0.13f, ty - size * 0.05f, size * 0.08f, size * 0.03f)), sp.light);
}

// The round body with its feet and stubby arms (one raised when waving).
void nubbleBody(const NubbleFrame& n) {
    const float cx = n.cx, cy = n.cy, rx = n.rx, ry = n.ry, size = n.size;
    const Ramp b = shade(n.look.body);
    Shape feet = n.f(Shape::ellipse(cx - rx * 0.45f, n.base - size * 0.05f, rx * 0.32f, size * 0.08f)) |
                 n.f(Shape::ellipse(cx + rx * 0.45f, n.base - size * 0.05f, rx * 0.32f, size * 0.08f));
    Shape body = n.f(Shape::ellipse(cx, cy, rx, ry));
    Shape arms = n.f(Shape::ellipse(cx - rx * 0.98f, cy + ry * 0.25f, rx * 0.2f, ry * 0.16f));
    if (n.look.waving)
        arms = arms | n.f(Shape::ellipse(cx + rx * 1.0f, cy - ry * 0.45f, rx * 0.18f, ry * 0.22f));
    else
        arms = arms | n.f(Shape::ellipse(cx + rx * 0.98f, cy + ry * 0.25f, rx * 0.2f, ry * 0.16f));
    n.c.fill((body | feet | arms).grow(1), pal::kOutline);
    n.c.fill(feet | arms, b.shadow);
    n.c.fill(body, b.base);
    int band = std::max(1, int(size * 0.08f));
    n.c.fill(body - body.shift(-band, -band), b.shadow);
    n.c.fill(body & n.f(Shape::ellipse(cx - rx * 0.35f, cy - ry * 0.45f, rx * 0.32f, ry * 0.22f)), b.light);
}

// Eyes (shut when sleepy), cheeks and a smile or a small "o".
void nubbleFace(const NubbleFrame& n) {
    const float size = n.size, ex = size * 0.16f, ey = n.cy - n.ry * 0.05f;
    for (int s = -1; s <= 1; s += 2) {
        float x = n.cx + n.face + s * ex * (1.f - 0.25f * n.look.facing * float(s));
        if (n.look.sleepy) {
            n.c.fill(n.f(Shape::capsule({x - size * 0.05f, ey + size * 0.01f}, {x + size * 0.05f, ey + size * 0.01f},
                                        std::max(0.6f, size * 0.022f))),
                     pal::kOutline);
        } else {
            n.c.fill(n.f(Shape::ellipse(x, ey, size * 0.05f, size * 0.075f)), pal::kOutline);
            n.c.fill(n.f(Shape::circle(x - size * 0.015f, ey - size * 0.03f, std::max(0.6f, size * 0.022f))), pal::kEyeWhite);
        }
        n.c.fill(n.f(Shape::ellipse(x + s * size * 0.07f, ey + size * 0.1f, size * 0.06f, size * 0.035f)), withAlpha(pal::kBlush, 0.8f));
    }
    const float mx = n.cx + n.face, my = ey + size * 0.12f;
    if (!n.look.happy) {
        n.c.fill(n.f(Shape::ellipse(mx, my + size * 0.02f, size * 0.03f, size * 0.04f)), pal::kOutline);
        return;
    }
    std::vector<Pt> arc;
    for (int i = 0; i <= 6; ++i) {
        float t = float(i) / 6.f;
        arc.push_back({mx - size * 0.06f + size * 0.12f * t, my + size * 0.035f * std::sin(t * float(kPi))});
    }
    n.c.fill(n.f(Shape::polyline(arc, std::max(0.55f, size * 0.018f))), pal::kOutline);
}

}  // namespace

void nubble(Canvas& c, float cx, float base, float size, const NubbleLook& look) {
    const float rx = size * 0.52f, ry = size * 0.47f;
    const NubbleFrame n{c, look, cx, base, size, rx, ry, base - ry - size * 0.05f, look.facing * rx * 0.28f};
    sprout(n);
    nubbleBody(n);
    nubbleFace(n);
}

}  // namespace ag
