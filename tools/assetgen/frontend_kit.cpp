#include "frontend_kit.h"

#include <algorithm>
#include <cmath>

#include "figures.h"
#include "palette.h"
#include "props.h"

namespace ag::fe {

namespace {

// The travellers' clothes, as in their portraits.
struct Outfit {
    Ramp skin, hair, top, over, legs, boots, accent;
};

Outfit outfitOf(Who who) {
    if (who == Who::Hero)
        return {shade(pal::kSkin),         shade(pal::kHeroHair), shade(pal::kCream), shade(pal::kBrown),
                shade(hex(0x5B4E72)),      shade(pal::kDarkBrown), shade(hex(0x6A4A36))};
    return {shade(pal::kSkin),    shade(pal::kPartnerHair), shade(pal::kCream), shade(hex(0xA8623C)),
            shade(hex(0xF1E2C0)), shade(hex(0x7A4A30)),     shade(hex(0xF2C14E))};
}

}  // namespace

// ---------------------------------------------------------------- people
Pt handAt(float cx, float base, float h, const Pose& p, int side) {
    const float lift = p.sitting ? -0.17f : 0.f;
    const float f = p.facing;
    const Arm arm = side < 0 ? p.near : p.far;
    float u = 0, v = 0;
    switch (arm) {
        case Arm::Down: u = 0.155f * side; v = 0.31f; break;
        case Arm::Wave: u = 0.25f * side; v = 0.80f; break;
        case Arm::Up: u = 0.13f * side; v = 0.98f; break;
        case Arm::Forward: u = f * 0.2f + 0.05f * side; v = 0.42f; break;
        case Arm::Hold: u = f * 0.05f + 0.055f * side; v = 0.40f; break;
        case Arm::Hip: u = 0.15f * side; v = 0.33f; break;
    }
    return {cx + u * h, base - (v + lift) * h};
}

void traveller(Canvas& c, Who who, float cx, float base, float h, const Pose& p) {
    auto S = [&](Shape s) { return p.crisp ? s.hard() : s; };
    const float lift = p.sitting ? -0.17f : 0.f;  // the upper body sinks when sitting
    auto P = [&](float u, float v) { return Pt{cx + u * h, base - v * h}; };
    auto U = [&](float u, float v) { return Pt{cx + u * h, base - (v + lift) * h}; };  // upper body
    auto ell = [&](Pt at, float ru, float rv) { return S(Shape::ellipse(at.x, at.y, ru * h, rv * h)); };
    auto cap = [&](Pt a, Pt b, float r) { return S(Shape::capsule(a, b, std::max(0.6f, r * h))); };
    auto poly = [&](std::initializer_list<Pt> pts) { return S(Shape::polygon(std::vector<Pt>(pts))); };
    const Outfit o = outfitOf(who);
    const bool hero = who == Who::Hero;
    const float f = p.back ? -p.facing : p.facing;
    const int band = std::max(1, int(h * 0.028f));
    const float tilt = p.headTilt / h;

    // ---- hair that hangs behind the body (her long hair and ponytail)
    const Pt headC = U(0.01f * f + tilt, 0.76f);
    if (!hero) {
        Shape mass = ell(U(tilt, 0.75f), 0.228f, 0.23f) |
                     S(Shape::roundRect(cx + (-0.2f + tilt) * h, base - (0.76f + lift) * h, 0.4f * h,
                                        (p.back ? 0.36f : 0.3f) * h, 0.08f * h));
        float side = std::fabs(f) > 0.2f ? -f / std::fabs(f) : 1.f;
        Pt tieAt = U(side * 0.2f + tilt, 0.86f), tipAt = U(side * 0.31f + tilt, 0.5f);
        Shape tail = cap(tieAt, U(side * 0.3f + tilt, 0.7f), 0.075f) | cap(U(side * 0.3f + tilt, 0.7f), tipAt, 0.05f);
        part(c, mass | tail, o.hair, band);
        c.fill(cap(U(side * 0.27f + tilt, 0.76f), U(side * 0.3f + tilt, 0.56f), 0.012f), o.hair.shadow);
    }

    // ---- legs and boots (a sitting figure's knees come in front of the body)
    auto legs = [&]() {
        if (p.sitting) {
            for (int s = -1; s <= 1; s += 2) {
                Pt hip = P(0.06f * s, 0.1f), knee = P(0.11f * s, 0.27f), foot = P(0.14f * s, 0.05f);
                part(c, cap(hip, knee, 0.058f) | cap(knee, foot, 0.05f), hero ? o.legs : o.skin, band);
                part(c, ell(P(0.15f * s, 0.035f), 0.065f, 0.04f), o.boots, band);
            }
            return;
        }
        for (int s = -1; s <= 1; s += 2) {
            float stride = p.stride * 0.075f * float(s) * (f >= 0 ? 1.f : -1.f);
            Pt hip = P(0.05f * s, hero ? 0.27f : 0.22f), foot = P(0.055f * s + stride, 0.06f);
            part(c, cap(hip, foot, hero ? 0.05f : 0.042f), hero ? o.legs : o.skin, band);
            Pt toe = {foot.x + f * 0.02f * h, base - 0.035f * h};
            part(c, ell(toe, 0.06f, 0.038f) | cap(foot, P(0.055f * s + stride, 0.1f), 0.045f), o.boots, band);
        }
    };
    if (!p.sitting) legs();

    // ---- body
    Shape torso = S(Shape::roundRect(cx - 0.125f * h, base - (0.57f + lift) * h, 0.25f * h, 0.32f * h, 0.07f * h));
    if (hero) {
        part(c, torso, o.top, band);
        // the vest, open at the front over the shirt
        Shape wedge = poly({U(f * 0.03f - 0.055f, 0.6f), U(f * 0.03f + 0.055f, 0.6f), U(f * 0.03f, 0.36f)});
        Shape vest = (p.back ? torso : torso - wedge) - S(Shape::rect(cx - h, base - (0.3f + lift) * h, 2 * h, h));
        c.fill(vest, o.over.base);
        c.fill(vest - vest.shift(-band, -band), o.over.shadow);
        if (!p.back)
            c.fill(cap(U(f * 0.03f, 0.36f), U(f * 0.03f - 0.055f, 0.6f), 0.006f) | cap(U(f * 0.03f, 0.36f), U(f * 0.03f + 0.055f, 0.6f), 0.006f),
                   pal::kOutline);
        // belt, strap and satchel
        c.fill(S(Shape::rect(cx - 0.125f * h, base - (0.31f + lift) * h, 0.25f * h, std::max(1.f, 0.03f * h))), o.boots.base);
        if (!p.back) {
            c.fill(cap(U(-0.1f, 0.56f), U(0.1f, 0.31f), 0.014f), o.accent.deep);
            Shape bag = S(Shape::roundRect(cx + 0.07f * h, base - (0.36f + lift) * h, 0.13f * h, 0.11f * h, 0.025f * h));
            part(c, bag, o.accent, band);
            c.fill(S(Shape::rect(cx + 0.07f * h, base - (0.36f + lift) * h, 0.13f * h, 0.04f * h)), o.accent.shadow);
        }
    } else {
        part(c, torso, o.top, band);
        // pinafore: a bib with straps over an A-line skirt
        Shape skirt = poly({U(-0.12f, 0.42f), U(0.12f, 0.42f), U(0.19f, 0.19f), U(-0.19f, 0.19f)}) |
                      ell(U(0, 0.2f), 0.19f, 0.03f);
        Shape bib = S(Shape::roundRect(cx + (f * 0.02f - 0.075f) * h, base - (0.53f + lift) * h, 0.15f * h, 0.14f * h, 0.02f * h));
        Shape straps = cap(U(f * 0.02f - 0.06f, 0.52f), U(-0.09f, 0.56f), 0.015f) | cap(U(f * 0.02f + 0.06f, 0.52f), U(0.09f, 0.56f), 0.015f);
        Shape pin = p.back ? skirt | S(Shape::roundRect(cx - 0.12f * h, base - (0.5f + lift) * h, 0.24f * h, 0.1f * h, 0.02f * h))
                           : skirt | bib | straps;
        part(c, pin, o.over, band);
        if (!p.back) c.fill(ell(U(f * 0.02f, 0.46f), 0.035f, 0.02f), o.over.light);  // pocket
    }

    if (p.sitting && !p.back) legs();

    // ---- arms: shoulder, elbow, hand
    for (int s = -1; s <= 1; s += 2) {
        Pt sh = U(0.11f * s, 0.52f);
        Pt hand = handAt(cx, base, h, p, s);
        Arm arm = s < 0 ? p.near : p.far;
        Pt el{(sh.x + hand.x) * 0.5f + 0.04f * h * s, (sh.y + hand.y) * 0.5f};
        if (arm == Arm::Hip) el = U(0.24f * s, 0.42f);
        if (arm == Arm::Hold || arm == Arm::Forward) el = U(0.15f * s, 0.4f);
        Shape sleeve = cap(sh, el, 0.042f) | cap(el, hand, 0.038f);
        part(c, sleeve, o.top, band);
        part(c, ell(hand, 0.04f, 0.04f), o.skin, 0);
    }

    // ---- head
    Shape head = ell(headC, 0.2f, 0.19f);
    part(c, head, o.skin, band);
    if (!p.back && std::fabs(f) > 0.3f) {
        float es = f > 0 ? -1.f : 1.f;  // the ear shows on the side turned away
        part(c, ell(U(es * 0.185f + tilt, 0.74f), 0.035f, 0.045f), o.skin, 0);
    }

    // ---- hair in front
    const float fx = f * 0.035f + tilt;
    Shape crown = ell(U(tilt, 0.8f), 0.218f, 0.172f);
    Shape hair;
    if (p.back) {
        hair = ell(headC, 0.212f, 0.2f) | crown;
    } else {
        Shape window = ell(U(fx, 0.675f), 0.178f, 0.14f);
        hair = crown - window;
        if (hero) {
            for (float k : {-0.09f, 0.f, 0.09f})
                hair = hair | poly({U(fx + k - 0.055f, 0.83f), U(fx + k + 0.05f, 0.83f), U(fx + k + 0.01f * f - 0.01f, 0.735f)});
        } else {
            hair = hair | poly({U(fx - 0.18f, 0.8f), U(fx + 0.06f, 0.86f), U(fx + 0.1f, 0.76f), U(fx - 0.02f, 0.79f), U(fx - 0.15f, 0.7f)});
            // locks framing the face
            hair = hair | cap(U(fx - 0.175f, 0.76f), U(fx - 0.185f, 0.6f), 0.03f) | cap(U(fx + 0.175f, 0.76f), U(fx + 0.185f, 0.6f), 0.03f);
        }
    }
    if (hero) {
        const float spikes[4][3] = {{-0.15f, 0.9f, -0.25f}, {-0.05f, 0.95f, -0.13f}, {0.06f, 0.96f, 0.03f}, {0.15f, 0.9f, 0.23f}};
        for (const auto& sp : spikes) {
            float u = sp[0] + tilt;
            hair = hair | poly({U(u - 0.07f, sp[1] - 0.05f), U(u + 0.07f, sp[1] - 0.03f), U(sp[2] + tilt, sp[1] + 0.055f)});
        }
    }
    part(c, hair, o.hair, band);
    if (!hero) {
        // hairband and a bow on the ponytail's side
        Shape bandS = (crown - crown.shift(0, int(std::max(1.f, 0.035f * h)))) &
                      S(Shape::rect(cx - h, base - (1.05f + lift) * h, 2 * h, 0.2f * h));
        c.fill(bandS.grow(1) & crown.grow(1), pal::kOutline);
        c.fill(bandS, o.accent.base);
        float side = std::fabs(f) > 0.2f ? -f / std::fabs(f) : 1.f;
        Pt knot = U(side * 0.15f + tilt, 0.93f);
        Shape bow = poly({knot, {knot.x + side * 0.09f * h, knot.y - 0.06f * h}, {knot.x + side * 0.1f * h, knot.y + 0.04f * h}}) |
                    poly({knot, {knot.x - side * 0.02f * h, knot.y - 0.09f * h}, {knot.x + side * 0.06f * h, knot.y - 0.1f * h}}) |
                    ell(knot, 0.025f, 0.025f);
        part(c, bow, o.accent, 0);
    } else if (!p.back) {
        c.fill(cap(U(fx - 0.12f, 0.9f), U(fx + 0.02f, 0.93f), 0.01f), o.hair.light);
    }
    if (p.back) return;

    // ---- face
    const float ey = 0.715f, ex = 0.072f;
    const Rgba ink = pal::kOutline;
    const float eyeW = std::max(0.55f / h, 0.022f), eyeH = std::max(0.9f / h, 0.036f);
    for (int s = -1; s <= 1; s += 2) {
        float squeeze = 1.f - 0.3f * std::max(0.f, f * float(s));  // the far eye narrows
        Pt e = U(fx + s * ex * squeeze, ey);
        switch (p.expr) {
            case Expr::Smile:
            case Expr::Calm:
            case Expr::Sad:
                c.fill(S(Shape::ellipse(e.x, e.y, eyeW * h * squeeze, eyeH * h)), ink);
                if (h > 40) c.fill(S(Shape::circle(e.x - 0.006f * h, e.y - 0.012f * h, 0.008f * h)), pal::kEyeWhite);
                if (p.expr == Expr::Sad)
                    c.fill(cap(U(fx + s * ex * squeeze - 0.035f * s, ey + 0.075f), U(fx + s * ex * squeeze + 0.03f * s, ey + 0.05f), 0.008f), o.hair.deep);
                break;
            case Expr::Surprised:
                c.fill(S(Shape::ellipse(e.x, e.y, eyeW * h * 1.3f * squeeze, eyeH * h * 1.2f)), ink);
                if (h > 40) c.fill(S(Shape::circle(e.x - 0.006f * h, e.y - 0.012f * h, 0.01f * h)), pal::kEyeWhite);
                break;
            case Expr::Grin:  // ^ ^
                c.fill(cap({e.x - 0.03f * h, e.y + 0.01f * h}, {e.x, e.y - 0.015f * h}, 0.009f) |
                           cap({e.x, e.y - 0.015f * h}, {e.x + 0.03f * h, e.y + 0.01f * h}, 0.009f),
                       ink);
                break;
            case Expr::Closed:  // peaceful arcs
            case Expr::Cry:
                c.fill(cap({e.x - 0.03f * h, e.y - 0.005f * h}, {e.x, e.y + 0.012f * h}, 0.009f) |
                           cap({e.x, e.y + 0.012f * h}, {e.x + 0.03f * h, e.y - 0.005f * h}, 0.009f),
                       ink);
                break;
        }
        if (h > 24) c.fill(ell(U(fx + s * 0.12f, 0.655f), 0.035f, 0.016f), withAlpha(pal::kBlush, 0.7f));
        if (p.expr == Expr::Cry) {
            Pt t = U(fx + s * (ex + 0.01f), ey - 0.05f);
            c.fill(S(Shape::ellipse(t.x, t.y, 0.018f * h, 0.028f * h)), hex(0x8FCBF0));
        }
    }
    Pt m = U(fx, 0.625f);
    switch (p.expr) {
        case Expr::Smile:
        case Expr::Closed: {
            std::vector<Pt> arc;
            for (int i = 0; i <= 6; ++i) {
                float t = float(i) / 6.f;
                arc.push_back({m.x - 0.04f * h + 0.08f * h * t, m.y + 0.022f * h * std::sin(t * float(kPi))});
            }
            c.fill(S(Shape::polyline(arc, std::max(0.5f, 0.008f * h))), ink);
            break;
        }
        case Expr::Grin: {
            Shape mouth = S(Shape::ellipse(m.x, m.y + 0.01f * h, 0.045f * h, 0.032f * h)) - S(Shape::rect(m.x - h, m.y - h, 2 * h, h));
            c.fill(mouth.grow(1) & S(Shape::rect(m.x - h, m.y - 1, 2 * h, h)), ink);
            c.fill(mouth, hex(0x9A3A3E));
            c.fill(mouth & S(Shape::ellipse(m.x, m.y + 0.035f * h, 0.03f * h, 0.015f * h)), hex(0xE88A84));
            break;
        }
        case Expr::Calm:
            c.fill(cap({m.x - 0.025f * h, m.y + 0.008f * h}, {m.x + 0.025f * h, m.y + 0.008f * h}, 0.007f), ink);
            break;
        case Expr::Sad:
        case Expr::Cry: {
            std::vector<Pt> arc;
            for (int i = 0; i <= 6; ++i) {
                float t = float(i) / 6.f;
                arc.push_back({m.x - 0.035f * h + 0.07f * h * t, m.y + 0.02f * h - 0.02f * h * std::sin(t * float(kPi))});
            }
            c.fill(S(Shape::polyline(arc, std::max(0.5f, 0.008f * h))), ink);
            break;
        }
        case Expr::Surprised:
            c.fill(S(Shape::ellipse(m.x, m.y + 0.01f * h, 0.022f * h, 0.028f * h)), ink);
            break;
    }
}

void elder(Canvas& c, float cx, float base, float size, bool sleepy, bool happy, bool crisp) {
    auto S = [&](Shape s) { return crisp ? s.hard() : s; };
    // walking stick behind his right side
    Ramp wood = shade(hex(0x9A6A40));
    Shape stick = S(Shape::capsule({cx + size * 0.62f, base}, {cx + size * 0.58f, base - size * 0.95f}, std::max(0.8f, size * 0.04f))) |
                  S(Shape::ellipse(cx + size * 0.56f, base - size * 0.98f, size * 0.08f, size * 0.06f));
    part(c, stick, wood, 1);
    NubbleLook look;
    look.body = hex(0xE6D3EE);
    look.sleepy = sleepy;
    look.happy = happy;
    look.crisp = crisp;
    nubble(c, cx, base, size, look);
    const float ry = size * 0.47f, cy = base - ry - size * 0.05f, ey = cy - ry * 0.05f;
    const Ramp white = shade(hex(0xF8F4EC));
    // bushy brows and a beard that covers the mouth
    Shape brows = S(Shape::ellipse(cx - size * 0.17f, ey - size * 0.11f, size * 0.09f, size * 0.035f)) |
                  S(Shape::ellipse(cx + size * 0.17f, ey - size * 0.11f, size * 0.09f, size * 0.035f));
    Shape beard = S(Shape::ellipse(cx, ey + size * 0.24f, size * 0.2f, size * 0.17f)) |
                  S(Shape::ellipse(cx - size * 0.11f, ey + size * 0.14f, size * 0.12f, size * 0.06f)) |
                  S(Shape::ellipse(cx + size * 0.11f, ey + size * 0.14f, size * 0.12f, size * 0.06f)) |
                  S(Shape::ellipse(cx, ey + size * 0.36f, size * 0.1f, size * 0.1f));
    part(c, beard, white, std::max(1, int(size * 0.04f)));
    part(c, brows, white, 0);
    if (happy && !sleepy) {
        std::vector<Pt> arc;
        for (int i = 0; i <= 6; ++i) {
            float t = float(i) / 6.f;
            arc.push_back({cx - size * 0.05f + size * 0.1f * t, ey + size * 0.17f + size * 0.03f * std::sin(t * float(kPi))});
        }
        c.fill(S(Shape::polyline(arc, std::max(0.55f, size * 0.016f))), pal::kOutline);
    }
    // his hand on the stick
    part(c, S(Shape::ellipse(cx + size * 0.58f, base - size * 0.45f, size * 0.1f, size * 0.08f)), shade(look.body), 0);
}

void herb(Canvas& c, float x, float base, float h, bool glow) {
    if (glow) {
        c.radialGradient(x, base - h * 0.6f, h * 0.9f, hex(0xFFF3B0, 170), hex(0xFFF3B0, 0));
    }
    const Ramp stem = shade(hex(0x6FA04A)), leaf = shade(hex(0x9CCB4A)), gold = shade(hex(0xF2C14E));
    part(c, Shape::capsule({x, base}, {x + h * 0.04f, base - h * 0.8f}, std::max(0.8f, h * 0.035f)), stem, 0);
    for (int i = 0; i < 5; ++i) {
        float t = 0.25f + 0.13f * float(i);
        float s = (i % 2) ? 1.f : -1.f;
        Pt at{x + h * 0.04f * t, base - h * t * 0.95f};
        float len = h * (0.34f - 0.04f * float(i));
        Shape l = Shape::polygon({at, {at.x + s * len * 0.5f, at.y - len * 0.32f}, {at.x + s * len, at.y - len * 0.12f},
                                  {at.x + s * len * 0.5f, at.y + len * 0.08f}});
        part(c, l, leaf, 1);
        c.fill(Shape::capsule(at, {at.x + s * len * 0.8f, at.y - len * 0.12f}, std::max(0.5f, h * 0.008f)), leaf.shadow);
    }
    // a golden bud crowning it
    Pt top{x + h * 0.04f, base - h * 0.86f};
    Shape bud = Shape::ellipse(top.x, top.y, h * 0.09f, h * 0.11f) | Shape::circle(top.x - h * 0.07f, top.y + h * 0.04f, h * 0.05f) |
                Shape::circle(top.x + h * 0.07f, top.y + h * 0.04f, h * 0.05f);
    part(c, bud, gold, 1);
    c.fillCircle(top.x - h * 0.03f, top.y - h * 0.04f, std::max(0.8f, h * 0.025f), hex(0xFFF8DA));
    if (glow)
        for (int i = 0; i < 3; ++i) {
            float a = float(i) * 2.1f + 0.4f;
            twinkle(c, top.x + std::cos(a) * h * 0.35f, top.y + std::sin(a) * h * 0.3f, std::max(2.f, h * 0.06f), hex(0xFFF6C8));
        }
}

void paintPot(Canvas& c, float cx, float base, float size, Rgba paint, bool crisp) {
    auto S = [&](Shape s) { return crisp ? s.hard() : s; };
    const float w = size, hgt = size * 0.85f;
    const Ramp clay = shade(hex(0xE9D7B4)), pr = shade(paint);
    const int band = std::max(1, int(size * 0.08f));
    Shape body = S(Shape::roundRect(cx - w * 0.42f, base - hgt * 0.74f, w * 0.84f, hgt * 0.74f, w * 0.22f)) |
                 S(Shape::ellipse(cx, base - hgt * 0.4f, w * 0.46f, hgt * 0.34f));
    part(c, body, clay, band);
    // a painted band round the belly
    c.fill(body & S(Shape::rect(cx - w, base - hgt * 0.46f, 2 * w, hgt * 0.13f)), pr.base);
    // the paint heaped over the rim, one drip running down the front
    const float rimY = base - hgt * 0.8f;
    Shape heap = S(Shape::ellipse(cx, rimY, w * 0.4f, hgt * 0.2f)) - S(Shape::rect(cx - w, rimY + hgt * 0.02f, 2 * w, w));
    Shape rim = S(Shape::roundRect(cx - w * 0.5f, rimY, w, hgt * 0.2f, hgt * 0.09f));
    Shape drip = S(Shape::capsule({cx + w * 0.16f, rimY + hgt * 0.05f}, {cx + w * 0.16f, rimY + hgt * 0.3f}, std::max(0.8f, w * 0.06f))) |
                 S(Shape::circle(cx + w * 0.16f, rimY + hgt * 0.32f, std::max(1.f, w * 0.08f)));
    c.fill((heap | rim | drip).grow(1), pal::kOutline);
    c.fill(heap, pr.base);
    c.fill(heap & S(Shape::ellipse(cx - w * 0.12f, rimY - hgt * 0.08f, w * 0.14f, hgt * 0.06f)), pr.shine);
    c.fill(rim, clay.base);
    c.fill(rim - rim.shift(0, -band), clay.shadow);
    c.fill(rim - rim.shift(0, 1), clay.light);
    c.fill(drip, pr.base);
    c.fill(drip - drip.shift(-1, 0), pr.shadow);
}

// ---------------------------------------------------------------- panels
TextStyle gothic(int size, Rgba colour, Rgba rim, int rimWidth) {
    TextStyle st;
    st.face = ag::Face::Gothic;
    st.size = size;
    st.colour = colour;
    st.bold = true;
    st.outline = rim;
    st.outlineWidth = rimWidth;
    return st;
}

TextStyle mincho(int size, Rgba colour, Rgba rim, int rimWidth) {
    TextStyle st = gothic(size, colour, rim, rimWidth);
    st.face = ag::Face::Mincho;
    return st;
}

void raisedButton(Canvas& c, float x, float y, float w, float h, Rgba face, const std::string& label, int size) {
    const Ramp r = shade(face);
    const float rad = h * 0.32f;
    const int depth = std::max(3, int(h * 0.09f));
    Shape top = Shape::roundRect(x, y, w, h - depth, rad);
    Shape slab = Shape::roundRect(x, y + depth, w, h - depth, rad);
    Shape all = top | slab;
    c.fill(all.grow(2), withAlpha(pal::kOutline, 0.35f));
    c.fill(all.grow(1), pal::kOutline);
    c.fill(slab, r.deep);
    c.fill(top, r.base);
    // a glossy upper half and a lit rim
    c.fill(top & Shape::roundRect(x + 4, y + 3, w - 8, (h - depth) * 0.45f, rad * 0.8f), withAlpha(r.light, 0.75f));
    c.fill(top - top.shift(0, 2), r.shine);
    c.fill(top - top.shift(0, -2), r.shadow);
    TextStyle st = gothic(size, hex(0xFFFBF0), pal::kOutline, 2);
    st.align = Align::Centre;
    st.tracking = 2;
    st.shadow = withAlpha(r.deep, 0.9f);
    TextSize ts = measureText(label, st);
    letterFrame(x - 2, y - 2, x + w + 2, y + h + 2);
    drawText(c, int(x + w / 2), int(y + (h - depth - ts.h) / 2.f + 1), label, st);
}

void paperCard(Canvas& c, float x, float y, float w, float h, float radius, Rgba paper) {
    Shape card = Shape::roundRect(x, y, w, h, radius);
    c.fill(card.grow(3), pal::kOutline);
    c.fill(card.grow(2), hex(0x9C7436));
    c.fill(card.grow(1), pal::kGold);
    c.fill(card, [&](int, int pyy) {
        float t = (float(pyy) - y) / std::max(1.f, h);
        return mix(lighter(paper, 0.25f), darker(paper, 0.05f), clampv(t, 0.f, 1.f));
    });
    c.fill(card - card.shift(2, 2), withAlpha(hex(0xFFFFF4), 0.7f));
}

void ribbonHeading(Canvas& c, float cx, float y, const std::string& text, int size, Rgba ribbon) {
    TextStyle st = gothic(size, hex(0xFFF8E8), pal::kOutline, 2);
    st.align = Align::Centre;
    st.tracking = 3;
    TextSize ts = measureText(text, st);
    const float bh = float(ts.h) + 12.f, half = float(ts.w) / 2.f + 26.f;
    const Ramp r = shade(ribbon);
    // folded tails behind the band
    for (int s = -1; s <= 1; s += 2) {
        float ox = cx + s * half, tail = s * 30.f;
        Shape t = Shape::polygon({{ox - s * 14.f, y + 10}, {ox + tail, y + 10}, {ox + tail - s * 12.f, y + 10 + bh / 2},
                                  {ox + tail, y + 10 + bh}, {ox - s * 14.f, y + 10 + bh}});
        c.fill(t.grow(1), pal::kOutline);
        c.fill(t, r.shadow);
        Shape fold = Shape::polygon({{ox - s * 14.f, y + bh}, {ox, y + bh}, {ox - s * 14.f, y + bh + 10}});
        c.fill(fold.grow(1), pal::kOutline);
        c.fill(fold, r.deep);
    }
    Shape band = Shape::roundRect(cx - half, y, 2 * half, bh, 5);
    c.fill(band.grow(1), pal::kOutline);
    c.fill(band, r.base);
    c.fill(band & Shape::rect(cx - half, y, 2 * half, bh * 0.45f), withAlpha(r.light, 0.6f));
    c.fill(band - band.shift(0, -2), r.shadow);
    c.fill(Shape::rect(cx - half + 6, y + 3, 2 * half - 12, 1), withAlpha(r.shine, 0.8f));
    letterFrame(cx - half - 1, y - 1, cx + half + 1, y + bh + 1);
    drawText(c, int(cx), int(y + 6), text, st);
}

void hintTag(Canvas& c, float cx, float y, const std::string& text, int size) {
    TextStyle st = gothic(size, pal::kInk);
    st.align = Align::Centre;
    TextSize ts = measureText(text, st);
    const float w = float(ts.w) + 30.f;
    float h = float(ts.h) + 10.f, textY = y + 5;
    // A tag that its picture would cut (the English face's lines are far
    // taller than its letters) is fitted to the letters' own ink: 5 pixels
    // of paper above it and 4 below, its rim inside the picture.
    if (y + h + 2 > float(c.height())) {
        const InkBox ink = measureInk(text, st);
        h = float(ink.y1 - ink.y0 + 1) + 9.f;
        y = std::min(y, float(c.height()) - 2 - h);
        textY = y + 5 - float(ink.y0);
    }
    Shape tag = Shape::roundRect(cx - w / 2, y, w, h, h / 2);
    c.fill(tag.grow(2), pal::kOutline);
    c.fill(tag.grow(1), pal::kGoldLight);
    c.fill(tag, pal::kPaper);
    c.fill(tag - tag.shift(0, -2), pal::kPaperShade);
    letterFrame(cx - w / 2 - 2, y - 2, cx + w / 2 + 2, y + h + 2);
    drawText(c, int(cx), int(textY), text, st);
}

void twinkle(Canvas& c, float x, float y, float r, Rgba col) {
    Shape s = Shape::polygon({{x, y - r}, {x + r * 0.22f, y - r * 0.22f}, {x + r, y}, {x + r * 0.22f, y + r * 0.22f}, {x, y + r},
                              {x - r * 0.22f, y + r * 0.22f}, {x - r, y}, {x - r * 0.22f, y - r * 0.22f}});
    c.fill(s, col);
}

}  // namespace ag::fe
