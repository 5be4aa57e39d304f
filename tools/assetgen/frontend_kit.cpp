#include "frontend_kit.h"

#include <algorithm>
#include <cmath>

#include "figures.h"
#include "looks.h"
#include "palette.h"
#include "props.h"

namespace ag::fe {

namespace {

// The travellers' shades, from their looks.
struct Outfit {
    Ramp skin, hair, top, over, legs, boots, accent;
};

Outfit outfitOf(Who who) {
    const look::Look& l = who == Who::Hero ? look::kHero : look::kPartner;
    return {shade(l.skin), shade(l.hair), shade(l.top), shade(l.over), shade(l.legs), shade(l.shoes), shade(l.accent)};
}

// One traveller while it is drawn. Parts are placed in fractions of the
// height: u across from the centre line, v up from the ground; U() places
// the upper body, which sinks when sitting.
struct Figure {
    Canvas& c;
    const Pose& p;
    Outfit o;
    float cx, base, h;
    bool hero;
    float f;     // facing, turned round when seen from behind
    float lift;  // the upper body's drop when sitting
    float tilt;  // the head's tilt, in heights
    int band;    // shadow band of each part

    Shape S(const Shape& s) const { return p.crisp ? s.hard() : s; }
    Pt P(float u, float v) const { return Pt{cx + u * h, base - v * h}; }
    Pt U(float u, float v) const { return Pt{cx + u * h, base - (v + lift) * h}; }
    Shape ell(Pt at, float ru, float rv) const { return S(Shape::ellipse(at.x, at.y, ru * h, rv * h)); }
    Shape cap(Pt a, Pt b, float r) const { return S(Shape::capsule(a, b, std::max(0.6f, r * h))); }
    Shape poly(std::initializer_list<Pt> pts) const { return S(Shape::polygon(std::vector<Pt>(pts))); }
    Pt headCentre() const { return U(0.01f * f + tilt, 0.76f); }
    Shape crown() const { return ell(U(tilt, 0.8f), 0.218f, 0.172f); }
    float faceX() const { return f * 0.035f + tilt; }  // the face's centre line
    // Her ponytail and bow hang on the side turned away.
    float tailSide() const { return std::fabs(f) > 0.2f ? -f / std::fabs(f) : 1.f; }
};

// Her long hair and ponytail, behind the body.
void hairBehind(const Figure& g) {
    if (g.hero) return;
    const float side = g.tailSide(), t = g.tilt;
    Shape mass = g.ell(g.U(t, 0.75f), 0.228f, 0.23f) |
                 g.S(Shape::roundRect(g.cx + (-0.2f + t) * g.h, g.base - (0.76f + g.lift) * g.h, 0.4f * g.h,
                                      (g.p.back ? 0.36f : 0.3f) * g.h, 0.08f * g.h));
    Pt tieAt = g.U(side * 0.2f + t, 0.86f), tipAt = g.U(side * 0.31f + t, 0.5f);
    Shape tail = g.cap(tieAt, g.U(side * 0.3f + t, 0.7f), 0.075f) | g.cap(g.U(side * 0.3f + t, 0.7f), tipAt, 0.05f);
    part(g.c, mass | tail, g.o.hair, g.band);
    g.c.fill(g.cap(g.U(side * 0.27f + t, 0.76f), g.U(side * 0.3f + t, 0.56f), 0.012f), g.o.hair.shadow);
}

// Legs and boots; sitting, the knees come up in front of the body.
void legs(const Figure& g) {
    const Ramp& leg = g.hero ? g.o.legs : g.o.skin;
    for (int s = -1; s <= 1; s += 2) {
        if (g.p.sitting) {
            Pt hip = g.P(0.06f * s, 0.1f), knee = g.P(0.11f * s, 0.27f), foot = g.P(0.14f * s, 0.05f);
            part(g.c, g.cap(hip, knee, 0.058f) | g.cap(knee, foot, 0.05f), leg, g.band);
            part(g.c, g.ell(g.P(0.15f * s, 0.035f), 0.065f, 0.04f), g.o.boots, g.band);
            continue;
        }
        float stride = g.p.stride * 0.075f * float(s) * (g.f >= 0 ? 1.f : -1.f);
        Pt hip = g.P(0.05f * s, g.hero ? 0.27f : 0.22f), foot = g.P(0.055f * s + stride, 0.06f);
        part(g.c, g.cap(hip, foot, g.hero ? 0.05f : 0.042f), leg, g.band);
        Pt toe = {foot.x + g.f * 0.02f * g.h, g.base - 0.035f * g.h};
        part(g.c, g.ell(toe, 0.06f, 0.038f) | g.cap(foot, g.P(0.055f * s + stride, 0.1f), 0.045f), g.o.boots, g.band);
    }
}

void standingLegs(const Figure& g) {
    if (!g.p.sitting) legs(g);
}
void sittingLegs(const Figure& g) {
    if (g.p.sitting && !g.p.back) legs(g);
}

Shape torso(const Figure& g) {
    return g.S(Shape::roundRect(g.cx - 0.125f * g.h, g.base - (0.57f + g.lift) * g.h, 0.25f * g.h, 0.32f * g.h, 0.07f * g.h));
}

// His shirt under a vest open at the front, a belt, the satchel's strap.
void heroClothes(const Figure& g) {
    const float f = g.f, h = g.h;
    Shape body = torso(g);
    part(g.c, body, g.o.top, g.band);
    Shape wedge = g.poly({g.U(f * 0.03f - 0.055f, 0.6f), g.U(f * 0.03f + 0.055f, 0.6f), g.U(f * 0.03f, 0.36f)});
    Shape vest = (g.p.back ? body : body - wedge) - g.S(Shape::rect(g.cx - h, g.base - (0.3f + g.lift) * h, 2 * h, h));
    g.c.fill(vest, g.o.over.base);
    g.c.fill(vest - vest.shift(-g.band, -g.band), g.o.over.shadow);
    if (!g.p.back)
        g.c.fill(g.cap(g.U(f * 0.03f, 0.36f), g.U(f * 0.03f - 0.055f, 0.6f), 0.006f) |
                     g.cap(g.U(f * 0.03f, 0.36f), g.U(f * 0.03f + 0.055f, 0.6f), 0.006f),
                 pal::kOutline);
    g.c.fill(g.S(Shape::rect(g.cx - 0.125f * h, g.base - (0.31f + g.lift) * h, 0.25f * h, std::max(1.f, 0.03f * h))), g.o.boots.base);
    if (g.p.back) return;
    g.c.fill(g.cap(g.U(-0.1f, 0.56f), g.U(0.1f, 0.31f), 0.014f), g.o.accent.deep);
    Shape bag = g.S(Shape::roundRect(g.cx + 0.07f * h, g.base - (0.36f + g.lift) * h, 0.13f * h, 0.11f * h, 0.025f * h));
    part(g.c, bag, g.o.accent, g.band);
    g.c.fill(g.S(Shape::rect(g.cx + 0.07f * h, g.base - (0.36f + g.lift) * h, 0.13f * h, 0.04f * h)), g.o.accent.shadow);
}

// Her blouse under a pinafore: a bib with straps over an A-line skirt.
void partnerClothes(const Figure& g) {
    const float f = g.f, h = g.h;
    part(g.c, torso(g), g.o.top, g.band);
    Shape skirt = g.poly({g.U(-0.12f, 0.42f), g.U(0.12f, 0.42f), g.U(0.19f, 0.19f), g.U(-0.19f, 0.19f)}) | g.ell(g.U(0, 0.2f), 0.19f, 0.03f);
    Shape bib = g.S(Shape::roundRect(g.cx + (f * 0.02f - 0.075f) * h, g.base - (0.53f + g.lift) * h, 0.15f * h, 0.14f * h, 0.02f * h));
    Shape straps = g.cap(g.U(f * 0.02f - 0.06f, 0.52f), g.U(-0.09f, 0.56f), 0.015f) | g.cap(g.U(f * 0.02f + 0.06f, 0.52f), g.U(0.09f, 0.56f), 0.015f);
    Shape pin = g.p.back ? skirt | g.S(Shape::roundRect(g.cx - 0.12f * h, g.base - (0.5f + g.lift) * h, 0.24f * h, 0.1f * h, 0.02f * h))
                         : skirt | bib | straps;
    part(g.c, pin, g.o.over, g.band);
    if (!g.p.back) g.c.fill(g.ell(g.U(f * 0.02f, 0.46f), 0.035f, 0.02f), g.o.over.light);  // pocket
}

void clothes(const Figure& g) {
    if (g.hero)
        heroClothes(g);
    else
        partnerClothes(g);
}

// Shoulder, elbow, hand.
void arms(const Figure& g) {
    for (int s = -1; s <= 1; s += 2) {
        Pt sh = g.U(0.11f * s, 0.52f);
        Pt hand = handAt(g.cx, g.base, g.h, g.p, s);
        Arm arm = s < 0 ? g.p.near : g.p.far;
        Pt el{(sh.x + hand.x) * 0.5f + 0.04f * g.h * s, (sh.y + hand.y) * 0.5f};
        if (arm == Arm::Hip) el = g.U(0.24f * s, 0.42f);
        if (arm == Arm::Hold || arm == Arm::Forward) el = g.U(0.15f * s, 0.4f);
        part(g.c, g.cap(sh, el, 0.042f) | g.cap(el, hand, 0.038f), g.o.top, g.band);
        part(g.c, g.ell(hand, 0.04f, 0.04f), g.o.skin, 0);
    }
}

void head(const Figure& g) {
    part(g.c, g.ell(g.headCentre(), 0.2f, 0.19f), g.o.skin, g.band);
    if (!g.p.back && std::fabs(g.f) > 0.3f) {
        float es = g.f > 0 ? -1.f : 1.f;  // the ear shows on the side turned away
        part(g.c, g.ell(g.U(es * 0.185f + g.tilt, 0.74f), 0.035f, 0.045f), g.o.skin, 0);
    }
}

// Her hairband and the bow on the ponytail's side.
void hairband(const Figure& g) {
    const float h = g.h;
    const Shape crown = g.crown();
    Shape bandS = (crown - crown.shift(0, int(std::max(1.f, 0.035f * h)))) &
                  g.S(Shape::rect(g.cx - h, g.base - (1.05f + g.lift) * h, 2 * h, 0.2f * h));
    g.c.fill(bandS.grow(1) & crown.grow(1), pal::kOutline);
    g.c.fill(bandS, g.o.accent.base);
    const float side = g.tailSide();
    Pt knot = g.U(side * 0.15f + g.tilt, 0.93f);
    Shape bow = g.poly({knot, {knot.x + side * 0.09f * h, knot.y - 0.06f * h}, {knot.x + side * 0.1f * h, knot.y + 0.04f * h}}) |
                g.poly({knot, {knot.x - side * 0.02f * h, knot.y - 0.09f * h}, {knot.x + side * 0.06f * h, knot.y - 0.1f * h}}) |
                g.ell(knot, 0.025f, 0.025f);
    part(g.c, bow, g.o.accent, 0);
}

// The hair over the head: his fringe and spikes, her bangs and locks.
void hairInFront(const Figure& g) {
    const float fx = g.faceX(), f = g.f;
    Shape hair;
    if (g.p.back) {
        hair = g.ell(g.headCentre(), 0.212f, 0.2f) | g.crown();
    } else {
        hair = g.crown() - g.ell(g.U(fx, 0.675f), 0.178f, 0.14f);
        if (g.hero) {
            for (float k : {-0.09f, 0.f, 0.09f})
                hair = hair | g.poly({g.U(fx + k - 0.055f, 0.83f), g.U(fx + k + 0.05f, 0.83f), g.U(fx + k + 0.01f * f - 0.01f, 0.735f)});
        } else {
            hair = hair | g.poly({g.U(fx - 0.18f, 0.8f), g.U(fx + 0.06f, 0.86f), g.U(fx + 0.1f, 0.76f), g.U(fx - 0.02f, 0.79f), g.U(fx - 0.15f, 0.7f)});
            // locks framing the face
            hair = hair | g.cap(g.U(fx - 0.175f, 0.76f), g.U(fx - 0.185f, 0.6f), 0.03f) | g.cap(g.U(fx + 0.175f, 0.76f), g.U(fx + 0.185f, 0.6f), 0.03f);
        }
    }
    if (g.hero) {
        const float spikes[4][3] = {{-0.15f, 0.9f, -0.25f}, {-0.05f, 0.95f, -0.13f}, {0.06f, 0.96f, 0.03f}, {0.15f, 0.9f, 0.23f}};
        for (const auto& sp : spikes) {
            float u = sp[0] + g.tilt;
            hair = hair | g.poly({g.U(u - 0.07f, sp[1] - 0.05f), g.U(u + 0.07f, sp[1] - 0.03f), g.U(sp[2] + g.tilt, sp[1] + 0.055f)});
        }
    }
    part(g.c, hair, g.o.hair, g.band);
    if (!g.hero)
        hairband(g);
    else if (!g.p.back)
        g.c.fill(g.cap(g.U(fx - 0.12f, 0.9f), g.U(fx + 0.02f, 0.93f), 0.01f), g.o.hair.light);
}

// Eyes (and tears), cheeks. Eyes sit `ex` either side of the face's centre
// line at height `ey`.
void eyes(const Figure& g) {
    constexpr float ey = 0.715f, ex = 0.072f;
    const float h = g.h, fx = g.faceX();
    const Rgba ink = pal::kOutline;
    const float eyeW = std::max(0.55f / h, 0.022f), eyeH = std::max(0.9f / h, 0.036f);
    const Expr expr = g.p.expr;
    for (int s = -1; s <= 1; s += 2) {
        float squeeze = 1.f - 0.3f * std::max(0.f, g.f * float(s));  // the far eye narrows
        Pt e = g.U(fx + s * ex * squeeze, ey);
        if (expr == Expr::Smile || expr == Expr::Calm || expr == Expr::Sad) {
            g.c.fill(g.S(Shape::ellipse(e.x, e.y, eyeW * h * squeeze, eyeH * h)), ink);
            if (h > 40) g.c.fill(g.S(Shape::circle(e.x - 0.006f * h, e.y - 0.012f * h, 0.008f * h)), pal::kEyeWhite);
            if (expr == Expr::Sad)
                g.c.fill(g.cap(g.U(fx + s * ex * squeeze - 0.035f * s, ey + 0.075f), g.U(fx + s * ex * squeeze + 0.03f * s, ey + 0.05f), 0.008f),
                         g.o.hair.deep);
        } else if (expr == Expr::Surprised) {
            g.c.fill(g.S(Shape::ellipse(e.x, e.y, eyeW * h * 1.3f * squeeze, eyeH * h * 1.2f)), ink);
            if (h > 40) g.c.fill(g.S(Shape::circle(e.x - 0.006f * h, e.y - 0.012f * h, 0.01f * h)), pal::kEyeWhite);
        } else {
            // ^ ^ for a grin, peaceful arcs for closed and crying eyes
            const bool grin = expr == Expr::Grin;
            const float mid = grin ? -0.015f : 0.012f, ends = grin ? 0.01f : -0.005f;
            g.c.fill(g.cap({e.x - 0.03f * h, e.y + ends * h}, {e.x, e.y + mid * h}, 0.009f) |
                         g.cap({e.x, e.y + mid * h}, {e.x + 0.03f * h, e.y + ends * h}, 0.009f),
                     ink);
        }
        if (h > 24) g.c.fill(g.ell(g.U(fx + s * 0.12f, 0.655f), 0.035f, 0.016f), withAlpha(pal::kBlush, 0.7f));
        if (expr == Expr::Cry) {
            Pt t = g.U(fx + s * (ex + 0.01f), ey - 0.05f);
            g.c.fill(g.S(Shape::ellipse(t.x, t.y, 0.018f * h, 0.028f * h)), pal::kPowderBlue);
        }
    }
}

// A mouth as a line bent by `bend` (+ smiling, - sad) across `half` each side.
Shape mouthArc(const Figure& g, Pt m, float half, float drop, float bend) {
    std::vector<Pt> arc;
    for (int i = 0; i <= 6; ++i) {
        float t = float(i) / 6.f;
        arc.push_back({m.x - half * g.h + 2.f * half * g.h * t, m.y + drop * g.h + bend * g.h * std::sin(t * float(kPi))});
    }
    return g.S(Shape::polyline(arc, std::max(0.5f, 0.008f * g.h)));
}

void mouth(const Figure& g) {
    const float h = g.h;
    const Pt m = g.U(g.faceX(), 0.625f);
    const Rgba ink = pal::kOutline;
    switch (g.p.expr) {
        case Expr::Smile:
        case Expr::Closed: g.c.fill(mouthArc(g, m, 0.04f, 0.f, 0.022f), ink); break;
        case Expr::Sad:
        case Expr::Cry: g.c.fill(mouthArc(g, m, 0.035f, 0.02f, -0.02f), ink); break;
        case Expr::Grin: {
            Shape open = g.S(Shape::ellipse(m.x, m.y + 0.01f * h, 0.045f * h, 0.032f * h)) - g.S(Shape::rect(m.x - h, m.y - h, 2 * h, h));
            g.c.fill(open.grow(1) & g.S(Shape::rect(m.x - h, m.y - 1, 2 * h, h)), ink);
            g.c.fill(open, pal::kLip);
            g.c.fill(open & g.S(Shape::ellipse(m.x, m.y + 0.035f * h, 0.03f * h, 0.015f * h)), pal::kBlush);
            break;
        }
        case Expr::Calm: g.c.fill(g.cap({m.x - 0.025f * h, m.y + 0.008f * h}, {m.x + 0.025f * h, m.y + 0.008f * h}, 0.007f), ink); break;
        case Expr::Surprised: g.c.fill(g.S(Shape::ellipse(m.x, m.y + 0.01f * h, 0.022f * h, 0.028f * h)), ink); break;
    }
}

void face(const Figure& g) {
    if (g.p.back) return;
    eyes(g);
    mouth(g);
}

// A traveller is drawn as these layers, back to front.
using Layer = void (*)(const Figure&);
constexpr Layer kTravellerLayers[] = {hairBehind, standingLegs, clothes, sittingLegs, arms, head, hairInFront, face};

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
    const Figure g{.c = c, .p = p, .o = outfitOf(who), .cx = cx, .base = base, .h = h, .hero = who == Who::Hero,
                   .f = p.back ? -p.facing : p.facing, .lift = p.sitting ? -0.17f : 0.f, .tilt = p.headTilt / h,
                   .band = std::max(1, int(h * 0.028f))};
    for (Layer layer : kTravellerLayers) layer(g);
}

void elder(Canvas& c, float cx, float base, float size, bool sleepy, bool happy, bool crisp) {
    auto S = [&](Shape s) { return crisp ? s.hard() : s; };
    // walking stick behind his right side
    const Ramp wood = shade(look::kElder.stick);
    Shape stick = S(Shape::capsule({cx + size * 0.62f, base}, {cx + size * 0.58f, base - size * 0.95f}, std::max(0.8f, size * 0.04f))) |
                  S(Shape::ellipse(cx + size * 0.56f, base - size * 0.98f, size * 0.08f, size * 0.06f));
    part(c, stick, wood, 1);
    NubbleLook look;
    look.body = look::kElder.body;
    look.sleepy = sleepy;
    look.happy = happy;
    look.crisp = crisp;
    nubble(c, cx, base, size, look);
    const float ry = size * 0.47f, cy = base - ry - size * 0.05f, ey = cy - ry * 0.05f;
    const Ramp white = shade(look::kElder.beard);
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
        c.radialGradient(x, base - h * 0.6f, h * 0.9f, withAlpha(pal::kPaleGold, 170.f / 255.f), withAlpha(pal::kPaleGold, 0.f));
    }
    // golden green: the grass's green touched with the bud's gold
    const Ramp stem = shade(pal::kLeaf), leaf = shade(mix(pal::kGrass, pal::kRibbon, 0.2f)), gold = shade(pal::kRibbon);
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
    c.fillCircle(top.x - h * 0.03f, top.y - h * 0.04f, std::max(0.8f, h * 0.025f), pal::kGlint);
    if (glow)
        for (int i = 0; i < 3; ++i) {
            float a = float(i) * 2.1f + 0.4f;
            twinkle(c, top.x + std::cos(a) * h * 0.35f, top.y + std::sin(a) * h * 0.3f, std::max(2.f, h * 0.06f), pal::kGlint);
        }
}

void paintPot(Canvas& c, float cx, float base, float size, Rgba paint, bool crisp) {
    auto S = [&](Shape s) { return crisp ? s.hard() : s; };
    const float w = size, hgt = size * 0.85f;
    const Ramp clay = shade(pal::kPaperShade), pr = shade(paint);
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
    TextStyle st = gothic(size, pal::kButtonLetter, pal::kOutline, 2);
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
    c.fill(card.grow(2), pal::kCardBronze);
    c.fill(card.grow(1), pal::kGold);
    c.fill(card, [&](int, int pyy) {
        float t = (float(pyy) - y) / std::max(1.f, h);
        return mix(lighter(paper, 0.25f), darker(paper, 0.05f), clampv(t, 0.f, 1.f));
    });
    c.fill(card - card.shift(2, 2), withAlpha(pal::kCardGloss, 0.7f));
}

void ribbonHeading(Canvas& c, float cx, float y, const std::string& text, int size, Rgba ribbon) {
    TextStyle st = gothic(size, pal::kRibbonLetter, pal::kOutline, 2);
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
