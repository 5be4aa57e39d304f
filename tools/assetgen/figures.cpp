#include "figures.h"

#include "palette.h"

namespace ag {

void nubble(Canvas& c, float cx, float base, float size, const NubbleLook& look) {
    auto f = [&](Shape s) { return look.crisp ? s.hard() : s; };
    const Ramp b = shade(look.body);
    const float rx = size * 0.52f, ry = size * 0.47f, cy = base - ry - size * 0.05f;
    const float face = look.facing * rx * 0.28f;

    // sprout (stem and two leaves), drawn first so the body overlaps its foot
    const Ramp sp = shade(pal::kLeaf);
    Shape stem = f(Shape::capsule({cx + face * 0.3f, cy - ry * 0.9f}, {cx + face * 0.3f + size * 0.03f, cy - ry - size * 0.2f},
                                  std::max(0.7f, size * 0.035f)));
    float tx = cx + face * 0.3f + size * 0.03f, ty = cy - ry - size * 0.2f;
    Shape leafL = f(Shape::ellipse(tx - size * 0.11f, ty - size * 0.02f, size * 0.12f, size * 0.055f));
    Shape leafR = f(Shape::ellipse(tx + size * 0.1f, ty - size * 0.05f, size * 0.11f, size * 0.05f));
    Shape sprout = stem | leafL | leafR;
    c.fill(sprout.grow(1), pal::kOutline);
    c.fill(sprout, sp.base);
    c.fill(leafL & f(Shape::ellipse(tx - size * 0.13f, ty - size * 0.05f, size * 0.08f, size * 0.03f)), sp.light);

    Shape feet = f(Shape::ellipse(cx - rx * 0.45f, base - size * 0.05f, rx * 0.32f, size * 0.08f)) |
                 f(Shape::ellipse(cx + rx * 0.45f, base - size * 0.05f, rx * 0.32f, size * 0.08f));
    Shape body = f(Shape::ellipse(cx, cy, rx, ry));
    Shape arms = f(Shape::ellipse(cx - rx * 0.98f, cy + ry * 0.25f, rx * 0.2f, ry * 0.16f));
    if (look.waving)
        arms = arms | f(Shape::ellipse(cx + rx * 1.0f, cy - ry * 0.45f, rx * 0.18f, ry * 0.22f));
    else
        arms = arms | f(Shape::ellipse(cx + rx * 0.98f, cy + ry * 0.25f, rx * 0.2f, ry * 0.16f));
    Shape all = body | feet | arms;
    c.fill(all.grow(1), pal::kOutline);
    c.fill(feet | arms, b.shadow);
    c.fill(body, b.base);
    int band = std::max(1, int(size * 0.08f));
    c.fill(body - body.shift(-band, -band), b.shadow);
    c.fill(body & f(Shape::ellipse(cx - rx * 0.35f, cy - ry * 0.45f, rx * 0.32f, ry * 0.22f)), b.light);

    // face
    const float ex = size * 0.16f, ey = cy - ry * 0.05f;
    for (int s = -1; s <= 1; s += 2) {
        float x = cx + face + s * ex * (1.f - 0.25f * look.facing * float(s));
        if (look.sleepy) {
            c.fill(f(Shape::capsule({x - size * 0.05f, ey + size * 0.01f}, {x + size * 0.05f, ey + size * 0.01f},
                                    std::max(0.6f, size * 0.022f))),
                   pal::kOutline);
        } else {
            c.fill(f(Shape::ellipse(x, ey, size * 0.05f, size * 0.075f)), pal::kOutline);
            c.fill(f(Shape::circle(x - size * 0.015f, ey - size * 0.03f, std::max(0.6f, size * 0.022f))), pal::kEyeWhite);
        }
        c.fill(f(Shape::ellipse(x + s * size * 0.07f, ey + size * 0.1f, size * 0.06f, size * 0.035f)), withAlpha(pal::kBlush, 0.8f));
    }
    const float mx = cx + face, my = ey + size * 0.12f;
    if (look.happy) {
        std::vector<Pt> arc;
        for (int i = 0; i <= 6; ++i) {
            float t = float(i) / 6.f;
            arc.push_back({mx - size * 0.06f + size * 0.12f * t, my + size * 0.035f * std::sin(t * float(kPi))});
        }
        c.fill(f(Shape::polyline(arc, std::max(0.55f, size * 0.018f))), pal::kOutline);
    } else {
        c.fill(f(Shape::ellipse(mx, my + size * 0.02f, size * 0.03f, size * 0.04f)), pal::kOutline);
    }
}

}  // namespace ag
