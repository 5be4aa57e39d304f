#include "scenery.h"

#include <cmath>

#include "palette.h"

namespace ag::scenery {

namespace {
// Lit band on the upper-left edges of a shape and shaded band on the lower right.
void modelled(Canvas& c, const Shape& s, const Ramp& r, int band) {
    c.fill(s, r.base);
    c.fill(s - s.shift(-band, -band), withAlpha(r.shadow, 0.9f));
    c.fill(s - s.shift(band, band), withAlpha(r.light, 0.9f));
}
}  // namespace

void cloud(Canvas& c, float cx, float cy, float w, Rgba body, Rgba shadow, Rng& rng) {
    Shape puffs;
    int n = 4 + int(w / 40.f);
    for (int i = 0; i < n; ++i) {
        float t = (float(i) + 0.5f) / float(n);
        float px = cx - w * 0.5f + w * t;
        float r = w * (0.13f + 0.12f * std::sin(t * float(kPi))) * float(rng.range(0.85, 1.15));
        puffs = puffs | Shape::circle(px, cy - r * 0.35f, r);
    }
    puffs = puffs - Shape::rect(cx - w, cy + w * 0.06f, 2 * w, w);  // flat base
    c.fill(puffs, shadow);
    c.fill(puffs - puffs.shift(0, -int(std::max(2.f, w * 0.05f))), body);
    // a warm glint on the upper left
    c.fill(puffs - puffs.shift(2, 2), withAlpha(lighter(body, 0.5f), 0.6f));
}

void sun(Canvas& c, float cx, float cy, float r, Rgba core, Rgba glow) {
    c.radialGradient(cx, cy, r * 4.f, withAlpha(glow, 0.55f), withAlpha(glow, 0.f));
    c.radialGradient(cx, cy, r * 1.8f, withAlpha(glow, 0.7f), withAlpha(glow, 0.f));
    c.fillCircle(cx, cy, r, core);
}

Shape hillShape(int x0, int x1, float base, float amp, float freq, uint32_t seed, float bottom) {
    return Shape::below(x0, x1, bottom, [=](float x) { return base + amp * fbm1(x * freq, seed, 3); });
}

void hill(Canvas& c, const Shape& s, Rgba body, Rgba rim) {
    c.fill(s, body);
    c.fill(s - s.shift(0, 3), withAlpha(rim, 0.8f));
}

void lightShafts(Canvas& c, int x, int y, int w, int h, Rgba light, Rng& rng) {
    for (int i = 0; i < 5; ++i) {
        float x0 = float(x) + float(rng.range(0.0, w * 0.8));
        float bw = float(rng.range(14, 40));
        float slant = h * 0.45f;
        Shape beam = Shape::polygon({{x0, float(y)}, {x0 + bw, float(y)}, {x0 + bw + slant, float(y + h)}, {x0 + slant, float(y + h)}});
        c.fill(beam, withAlpha(light, float(rng.range(0.06, 0.13))));
    }
}

void roundTree(Canvas& c, float x, float base, float size, Rgba leaf, Rng& rng) {
    Ramp bark = shade(pal::kBark);
    Shape trunk = Shape::polygon({{x - size * 0.07f, base}, {x - size * 0.045f, base - size * 0.55f},
                                  {x + size * 0.045f, base - size * 0.55f}, {x + size * 0.07f, base}});
    modelled(c, trunk, bark, 1);
    Shape crown;
    const float cy = base - size * 0.72f;
    for (int i = 0; i < 6; ++i) {
        float a = float(i) / 6.f * 2.f * float(kPi) + float(rng.range(-0.3, 0.3));
        float r = size * float(rng.range(0.2, 0.27));
        crown = crown | Shape::circle(x + std::cos(a) * size * 0.2f, cy + std::sin(a) * size * 0.15f, r);
    }
    crown = crown | Shape::circle(x, cy, size * 0.28f);
    Ramp lf = shade(leaf);
    c.fill(crown, lf.base);
    int band = std::max(2, int(size * 0.08f));
    c.fill(crown - crown.shift(-band, -band), lf.shadow);
    c.fill(crown & Shape::circle(x - size * 0.12f, cy - size * 0.14f, size * 0.2f), withAlpha(lf.light, 0.85f));
    // a few leaf clumps for texture
    for (int i = 0; i < 5; ++i) {
        float px = x + float(rng.range(-0.25, 0.25)) * size, py = cy + float(rng.range(-0.2, 0.2)) * size;
        c.fill(crown & Shape::circle(px, py, size * 0.06f), withAlpha(rng.chance(0.5) ? lf.light : lf.shadow, 0.6f));
    }
}

void slimTree(Canvas& c, float x, float base, float size, Rgba leaf) {
    Ramp lf = shade(leaf);
    c.fillRect(int(x - size * 0.03f), int(base - size * 0.2f), std::max(2, int(size * 0.06f)), int(size * 0.2f),
               pal::kBark);
    Shape body = Shape::ellipse(x, base - size * 0.55f, size * 0.14f, size * 0.45f);
    c.fill(body, lf.base);
    int band = std::max(2, int(size * 0.05f));
    c.fill(body - body.shift(-band, -band), lf.shadow);
    c.fill(body & Shape::ellipse(x - size * 0.05f, base - size * 0.68f, size * 0.05f, size * 0.25f), withAlpha(lf.light, 0.8f));
}

void bush(Canvas& c, float x, float base, float size, Rgba leaf, Rng& rng) {
    Shape b;
    for (int i = 0; i < 4; ++i) {
        float px = x + (float(i) - 1.5f) * size * 0.28f;
        float r = size * float(rng.range(0.26, 0.34));
        b = b | Shape::circle(px, base - r * 0.8f, r);
    }
    b = b - Shape::rect(x - size * 2, base, size * 4, size * 2);
    Ramp lf = shade(leaf);
    c.fill(b, lf.base);
    int band = std::max(1, int(size * 0.1f));
    c.fill(b - b.shift(-band, -band), lf.shadow);
    c.fill(b - b.shift(band, band), withAlpha(lf.light, 0.8f));
}

namespace {

// The walls and roof of a house whose gable end faces the viewer.
void gableFront(Canvas& c, float x, float base, float w, float h, const HouseLook& look, const Shape& front, const Shape& sideWall) {
    const Ramp wall = shade(look.wall), roof = shade(look.roof);
    const Rgba line = darker(look.wall, 0.5f);
    const float side = w * 0.28f, peak = base - h - w * 0.55f;
    Shape gable = Shape::polygon({{x, base - h}, {x + w * 0.5f, peak}, {x + w, base - h}});
    c.fill((front | gable).grow(1), line);
    c.fill(sideWall.grow(1), line);
    c.fill(front | gable, wall.base);
    c.fill(sideWall, wall.shadow);
    // Roof planes: the slope down the side, edged along the gable.
    Shape plane = Shape::polygon({{x + w * 0.5f, peak}, {x + w * 0.5f + side, peak - side * 0.25f},
                                  {x + w + side + 3, base - h - side * 0.25f + 2}, {x + w + 3, base - h + 2}});
    c.fill(plane, roof.base);
    c.fill(Shape::polyline({{x - 3, base - h + 3}, {x + w * 0.5f, peak - 1}, {x + w + 3, base - h + 3}}, 2.2f), roof.shadow);
    c.fill(Shape::polyline({{x - 2, base - h + 1.5f}, {x + w * 0.5f, peak - 2}}, 0.8f), roof.light);
    c.fillCircle(x + w * 0.5f, base - h - w * 0.2f, std::max(1.5f, w * 0.06f), lighter(pal::kGoldLight, 0.4f));
}

// The walls and shingled roof of a house whose long side faces the viewer;
// returns the roof's top.
float longFront(Canvas& c, float x, float base, float w, float h, const HouseLook& look, const Shape& front, const Shape& sideWall) {
    const Ramp wall = shade(look.wall), roof = shade(look.roof);
    const float side = w * 0.28f, rh = h * 0.75f + w * 0.08f;
    c.fill((front | sideWall).grow(1), darker(look.wall, 0.5f));
    c.fill(front, wall.base);
    c.fill(sideWall, wall.shadow);
    Shape r = Shape::polygon({{x - 4, base - h + 1}, {x + w * 0.14f, base - h - rh}, {x + w + side * 0.6f, base - h - rh - side * 0.1f},
                              {x + w + side + 4, base - h - side * 0.25f + 1}});
    c.fill(r.grow(1), darker(look.roof, 0.5f));
    c.fill(r, roof.base);
    c.fill(r - r.shift(0, 2), roof.light);
    c.fill(r & Shape::rect(x - 5, base - h - 3, w + side + 10, 4), roof.shadow);
    for (float yy = base - h - rh + 5; yy < base - h - 2; yy += 5)  // shingle rows
        c.fill(r & Shape::rect(x - 5, yy, w + side + 10, 0.9f), withAlpha(roof.shadow, 0.5f));
    return base - h - rh;
}

// Windows on every floor (one perhaps left out on the top floor) and the
// door.
void windowsAndDoor(Canvas& c, float x, float base, float w, float h, const HouseLook& look, Rng& rng) {
    const Rgba line = darker(look.wall, 0.5f);
    const float ww = std::max(3.f, w * 0.13f), wh = std::max(3.f, h * 0.22f);
    int nwin = std::max(1, int(w / (ww * 3.f)));
    for (int f = 0; f < look.floors; ++f) {
        float wy = base - h + h * (0.18f + 0.45f * float(f) / float(look.floors));
        for (int i = 0; i < nwin; ++i) {
            float wx = x + w * (float(i) + 0.5f) / float(nwin) - ww * 0.5f;
            if (f == look.floors - 1 && i == nwin / 2 && nwin > 1 && rng.chance(0.5)) continue;
            c.fill(Shape::rect(wx - 1, wy - 1, ww + 2, wh + 2), line);
            c.fill(Shape::rect(wx, wy, ww, wh), pal::kGlass);
            c.fill(Shape::rect(wx, wy, ww * 0.45f, wh * 0.5f), pal::kSteam);
        }
    }
    float dw = std::max(4.f, w * 0.16f), dh = std::max(6.f, h * 0.42f);
    float dx = x + w * (nwin > 1 ? 0.5f : 0.72f) - dw * 0.5f;
    c.fill(Shape::roundRect(dx - 1, base - dh - 1, dw + 2, dh + 2, dw * 0.4f), line);
    c.fill(Shape::roundRect(dx, base - dh, dw, dh + 1, dw * 0.4f), pal::kBrown);
}

}  // namespace

void house(Canvas& c, float x, float base, float w, float h, const HouseLook& look, Rng& rng) {
    const float side = w * 0.28f;  // the right side wall, in shade
    Shape front = Shape::rect(x, base - h, w, h);
    Shape sideWall = Shape::polygon({{x + w, base}, {x + w, base - h}, {x + w + side, base - h - side * 0.25f}, {x + w + side, base - side * 0.2f}});
    float chimneyFoot = base - h - w * 0.3f;
    if (look.gableFront) gableFront(c, x, base, w, h, look, front, sideWall);
    else chimneyFoot = longFront(c, x, base, w, h, look, front, sideWall) + 2;
    windowsAndDoor(c, x, base, w, h, look, rng);
    if (look.chimney) {
        const Rgba line = darker(look.wall, 0.5f);
        float chx = x + w * 0.75f, top = chimneyFoot;
        c.fill(Shape::rect(chx - 1, top - h * 0.35f - 1, w * 0.12f + 2, h * 0.35f + 3), line);
        c.fill(Shape::rect(chx, top - h * 0.35f, w * 0.12f, h * 0.35f + 2), lighter(pal::kBrick, 0.15f));
    }
}

void tower(Canvas& c, float x, float base, float w, float h, Rgba wallCol, Rgba roofCol) {
    Ramp wall = shade(wallCol), roof = shade(roofCol);
    Rgba line = darker(wallCol, 0.5f);
    Shape body = Shape::rect(x, base - h, w, h);
    c.fill(body.grow(1), line);
    c.fill(body, wall.base);
    c.fill(Shape::rect(x + w * 0.7f, base - h, w * 0.3f, h), wall.shadow);
    Shape spire = Shape::polygon({{x - w * 0.15f, base - h}, {x + w * 0.5f, base - h - w * 1.6f}, {x + w * 1.15f, base - h}});
    c.fill(spire.grow(1), darker(roofCol, 0.5f));
    c.fill(spire, roof.base);
    c.fill(spire & Shape::rect(x + w * 0.5f, base - h - w * 2, w, w * 2), roof.shadow);
    c.line(x + w * 0.5f, base - h - w * 1.6f, x + w * 0.5f, base - h - w * 1.95f, line, 1.2f);
    c.line(x + w * 0.38f, base - h - w * 1.82f, x + w * 0.62f, base - h - w * 1.82f, line, 1.2f);
    // clock
    float cy = base - h + w * 0.55f;
    c.fillCircle(x + w * 0.5f, cy, w * 0.3f, line);
    c.fillCircle(x + w * 0.5f, cy, w * 0.26f, pal::kPaper);
    c.line(x + w * 0.5f, cy, x + w * 0.5f, cy - w * 0.18f, line, 1.f);
    c.line(x + w * 0.5f, cy, x + w * 0.62f, cy, line, 1.f);
    // arched window and door
    c.fill(Shape::roundRect(x + w * 0.35f, base - h * 0.55f, w * 0.3f, h * 0.2f, w * 0.15f), darker(pal::kGlass, 0.15f));
    c.fill(Shape::roundRect(x + w * 0.3f, base - h * 0.22f, w * 0.4f, h * 0.22f + 1, w * 0.2f), pal::kBrown);
}

void fence(Canvas& c, float x0, float x1, float base, float h, Rgba wood) {
    Ramp r = shade(wood);
    c.fill(Shape::rect(x0, base - h * 0.7f, x1 - x0, h * 0.14f), r.shadow);
    c.fill(Shape::rect(x0, base - h * 0.35f, x1 - x0, h * 0.14f), r.shadow);
    for (float x = x0; x < x1; x += h * 0.55f) {
        Shape post = Shape::polygon({{x, base}, {x, base - h * 0.85f}, {x + h * 0.1f, base - h}, {x + h * 0.2f, base - h * 0.85f}, {x + h * 0.2f, base}});
        c.fill(post.grow(1), r.deep);
        c.fill(post, r.base);
        c.fill(post & Shape::rect(x, base - h, h * 0.07f, h), r.light);
    }
}

void smoke(Canvas& c, float x, float y, float h, Rgba col) {
    for (int i = 0; i < 5; ++i) {
        float t = float(i) / 4.f;
        c.fillCircle(x + std::sin(t * 3.f) * h * 0.15f + t * h * 0.2f, y - t * h, h * (0.08f + 0.07f * t), withAlpha(col, 0.55f * (1.f - t * 0.7f)));
    }
}

void mushroomHouse(Canvas& c, float x, float base, float size, Rgba cap, Rng& rng) {
    Ramp stem = shade(pal::kCream), cp = shade(cap);
    const Rgba line = pal::kOutline;
    float sw = size * 0.42f, sh = size * 0.62f;
    Shape stemS = Shape::polygon({{x - sw * 0.55f, base}, {x - sw * 0.45f, base - sh}, {x + sw * 0.45f, base - sh}, {x + sw * 0.55f, base}}) |
                  Shape::ellipse(x, base, sw * 0.56f, size * 0.04f);
    Shape capS = Shape::ellipse(x, base - sh, size * 0.62f, size * 0.42f) - Shape::rect(x - size, base - sh + size * 0.06f, 2 * size, size);
    Shape all = stemS | capS;
    c.fill(all.grow(1), line);
    modelled(c, stemS, stem, std::max(1, int(size * 0.05f)));
    // door and windows, warmly lit
    float dw = sw * 0.42f, dh = sh * 0.5f;
    c.fill(Shape::roundRect(x - dw * 0.5f - 1, base - dh - 1, dw + 2, dh + 2, dw * 0.5f), line);
    c.fill(Shape::roundRect(x - dw * 0.5f, base - dh, dw, dh + 1, dw * 0.5f), pal::kBrown);
    c.fillCircle(x + dw * 0.25f, base - dh * 0.45f, std::max(0.8f, size * 0.015f), pal::kThatch);
    float wr = size * 0.06f;
    c.fillCircle(x - sw * 0.3f, base - sh * 0.72f, wr + 1, line);
    c.fillCircle(x - sw * 0.3f, base - sh * 0.72f, wr, pal::kGoldLight);
    c.fillCircle(x + sw * 0.28f, base - sh * 0.78f, wr * 0.85f + 1, line);
    c.fillCircle(x + sw * 0.28f, base - sh * 0.78f, wr * 0.85f, pal::kGoldLight);
    // cap with spots and a shaded underside
    c.fill(capS, cp.base);
    int band = std::max(2, int(size * 0.07f));
    c.fill(capS - capS.shift(-band, -band), cp.shadow);
    c.fill(capS & Shape::ellipse(x - size * 0.22f, base - sh - size * 0.2f, size * 0.2f, size * 0.12f), withAlpha(cp.light, 0.9f));
    c.fill(capS & Shape::rect(x - size, base - sh + size * 0.02f, 2 * size, size * 0.04f), cp.deep);
    for (int i = 0; i < 5; ++i) {
        float a = float(rng.range(-2.6, -0.5));
        float px = x + std::cos(a) * size * 0.4f, py = base - sh + std::sin(a) * size * 0.26f;
        c.fill(capS & Shape::ellipse(px, py, size * 0.07f, size * 0.05f), pal::kPaper);
    }
    // tiny chimney with a puff
    c.fill(Shape::rect(x + size * 0.22f - 1, base - sh - size * 0.44f, size * 0.08f + 2, size * 0.14f), line);
    c.fill(Shape::rect(x + size * 0.22f, base - sh - size * 0.43f, size * 0.08f, size * 0.13f), pal::kEarth);
    smoke(c, x + size * 0.26f, base - sh - size * 0.46f, size * 0.4f, pal::kEyeWhite);
}

void mushroom(Canvas& c, float x, float base, float size, Rgba cap, Rng& rng) {
    Ramp cp = shade(cap);
    Shape stemS = Shape::roundRect(x - size * 0.12f, base - size * 0.55f, size * 0.24f, size * 0.56f, size * 0.08f);
    Shape capS = Shape::ellipse(x, base - size * 0.5f, size * 0.45f, size * 0.3f) - Shape::rect(x - size, base - size * 0.46f, 2 * size, size);
    c.fill((stemS | capS).grow(1), pal::kOutline);
    modelled(c, stemS, shade(pal::kCream), 1);
    modelled(c, capS, cp, std::max(1, int(size * 0.06f)));
    for (int i = 0; i < 3; ++i) {
        float a = float(rng.range(-2.5, -0.6));
        c.fill(capS & Shape::circle(x + std::cos(a) * size * 0.28f, base - size * 0.52f + std::sin(a) * size * 0.16f, size * 0.05f), pal::kPaper);
    }
}

void leaf(Canvas& c, Pt stem, Pt tip, float width, Rgba col) {
    float dx = tip.x - stem.x, dy = tip.y - stem.y;
    float len = std::sqrt(dx * dx + dy * dy);
    float ux = dx / len, uy = dy / len, nx = -uy, ny = ux;
    std::vector<Pt> a, b;
    const int n = 24;
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / n;
        float w = width * 0.5f * std::pow(std::max(0.f, std::sin(t * float(kPi))), 0.75f) * (1.f - 0.25f * t);
        float bend = len * 0.06f * std::sin(t * float(kPi));
        float px = stem.x + ux * len * t + nx * bend, py = stem.y + uy * len * t + ny * bend;
        a.push_back({px + nx * w, py + ny * w});
        b.push_back({px - nx * w, py - ny * w});
    }
    std::vector<Pt> pts = a;
    pts.insert(pts.end(), b.rbegin(), b.rend());
    Shape s = Shape::polygon(pts);
    Ramp r = shade(col);
    c.fill(s.grow(1), r.deep);
    c.fill(s, r.base);
    // one half lit, the other in shade
    std::vector<Pt> half = a;
    for (int i = n; i >= 0; --i) {
        float t = float(i) / n;
        float bend = len * 0.06f * std::sin(t * float(kPi));
        half.push_back({stem.x + ux * len * t + nx * bend, stem.y + uy * len * t + ny * bend});
    }
    c.fill(s & Shape::polygon(half), withAlpha(r.light, 0.55f));
    // midrib and veins
    std::vector<Pt> rib;
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / n;
        float bend = len * 0.06f * std::sin(t * float(kPi));
        rib.push_back({stem.x + ux * len * t + nx * bend, stem.y + uy * len * t + ny * bend});
    }
    c.fill(Shape::polyline(rib, std::max(0.7f, width * 0.012f)) & s, r.shine);
    for (int i = 3; i < n - 2; i += 3) {
        float t = float(i) / n;
        float w = width * 0.5f * std::pow(std::max(0.f, std::sin(t * float(kPi))), 0.75f) * (1.f - 0.25f * t) * 0.8f;
        Pt p = rib[size_t(i)];
        for (int sgn = -1; sgn <= 1; sgn += 2)
            c.fill(Shape::capsule(p, {p.x + (nx * sgn * w + ux * w * 0.5f), p.y + (ny * sgn * w + uy * w * 0.5f)}, 0.6f) & s,
                   withAlpha(r.shadow, 0.7f));
    }
}

void flower(Canvas& c, float x, float base, float h, float r, Rgba petals, Rgba heart) {
    Ramp st = shade(pal::kLeafDark);
    c.fill(Shape::capsule({x, base}, {x + h * 0.05f, base - h}, std::max(0.8f, r * 0.12f)), st.base);
    c.fill(Shape::ellipse(x + r * 0.5f, base - h * 0.45f, r * 0.45f, r * 0.18f), st.light);
    Ramp p = shade(petals);
    float cx = x + h * 0.05f, cy = base - h;
    Shape ps;
    for (int i = 0; i < 8; ++i) {
        float a = float(i) / 8.f * 2.f * float(kPi);
        ps = ps | Shape::ellipse(cx + std::cos(a) * r * 0.6f, cy + std::sin(a) * r * 0.6f, r * 0.42f, r * 0.42f);
    }
    c.fill(ps.grow(1), withAlpha(p.shadow, 0.9f));
    c.fill(ps, p.base);
    c.fill(ps - ps.shift(1, 1), p.light);
    c.fillCircle(cx, cy, r * 0.36f, heart);
    c.fillCircle(cx - r * 0.1f, cy - r * 0.1f, r * 0.15f, lighter(heart, 0.5f));
}

void grass(Canvas& c, float x0, float x1, float base, float h, Rgba col, Rng& rng, float density) {
    Ramp g = shade(col);
    for (float x = x0; x < x1; x += 1.f / density) {
        float bh = h * float(rng.range(0.5, 1.0));
        float lean = float(rng.range(-0.4, 0.4)) * bh;
        Rgba k = rng.chance(0.5) ? g.base : (rng.chance(0.5) ? g.light : g.shadow);
        c.fill(Shape::polygon({{x - 1.2f, base + 1}, {x + lean, base - bh}, {x + 1.2f, base + 1}}), k);
    }
}

}  // namespace ag::scenery
