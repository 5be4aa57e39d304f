#include "hud_kit.h"

#include <cmath>

#include "palette.h"
#include "props.h"

namespace ag::hud {

float pictureRow(float screenY) { return 4.8f + 0.99f * screenY; }

Canvas forFullScreenQuad(const Canvas& screen) {
    Canvas out(screen.width(), screen.height());
    for (int y = 0; y < out.height(); ++y) {
        // The screen row whose sample lands on this picture row.
        int sy = clampv(int(std::floor((float(y) + 0.5f - 4.8f) / 0.99f)), 0, screen.height() - 1);
        for (int x = 0; x < out.width(); ++x) out.at(x, y) = screen.at(x, sy);
    }
    return out;
}

void avoidBlackAndWhite(Canvas& c) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgba& p = c.at(x, y);
            if (p.a < 128) continue;
            if (p.r == 0 && p.g == 0 && p.b == 0) p = Rgba{1, 1, 2, p.a};
            if (p.r == 255 && p.g == 255 && p.b == 255) p = Rgba{255, 255, 254, p.a};
        }
}

void paperGrain(Canvas& c, int amount) {
    int tile[16][16];
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            uint32_t h = uint32_t(x * 73856093) ^ uint32_t(y * 19349663) ^ 0x5bd1e995u;
            h = (h ^ (h >> 13)) * 0x85ebca6bu;
            h ^= h >> 16;
            tile[y][x] = int(h % uint32_t(2 * amount + 1)) - amount;
        }
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Rgba& p = c.at(x, y);
            if (p.a == 0) continue;
            int d = tile[y & 15][x & 15];
            p.r = uint8_t(clampv(int(p.r) + d, 0, 255));
            p.g = uint8_t(clampv(int(p.g) + d, 0, 255));
            p.b = uint8_t(clampv(int(p.b) + d, 0, 255));
        }
}

namespace {

struct Ink {
    Canvas pic;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // ink box inside pic, [x0, x1)
};

Ink renderInk(std::string_view utf8, const TextStyle& st) {
    TextStyle s = st;
    s.align = Align::Left;
    TextSize ts = measureText(utf8, s);
    Ink ink;
    ink.pic = Canvas(ts.w + 8, ts.h + 8);
    drawText(ink.pic, 4, 4, utf8, s);
    ink.x0 = ink.pic.width();
    ink.y0 = ink.pic.height();
    for (int y = 0; y < ink.pic.height(); ++y)
        for (int x = 0; x < ink.pic.width(); ++x)
            if (ink.pic.at(x, y).a > 0) {
                ink.x0 = std::min(ink.x0, x);
                ink.y0 = std::min(ink.y0, y);
                ink.x1 = std::max(ink.x1, x + 1);
                ink.y1 = std::max(ink.y1, y + 1);
            }
    if (ink.x1 <= ink.x0) ink.x0 = ink.y0 = ink.x1 = ink.y1 = 0;
    return ink;
}

}  // namespace

TextSize inkSize(std::string_view utf8, TextStyle st) {
    Ink ink = renderInk(utf8, st);
    return {ink.x1 - ink.x0, ink.y1 - ink.y0};
}

TextSize textCentred(Canvas& c, float cx, float cy, std::string_view utf8, TextStyle st) {
    return textCentred(c, cx, cy, utf8, st, utf8);
}

TextSize textCentred(Canvas& c, float cx, float cy, std::string_view utf8, TextStyle st, std::string_view line) {
    Ink ink = renderInk(utf8, st);
    // Both are drawn from the same origin, so the line's ink places the
    // piece on the line's baseline.
    Ink whole = line == utf8 ? Ink{} : renderInk(line, st);
    const Ink& rows = line == utf8 ? ink : whole;
    float w = float(ink.x1 - ink.x0), h = float(rows.y1 - rows.y0);
    int dx = int(std::lround(cx - w / 2.f)) - ink.x0;
    int dy = int(std::lround(cy - h / 2.f)) - rows.y0;
    c.blit(ink.pic, dx, dy);
    return {int(w), int(ink.y1 - ink.y0)};
}

namespace {
Shape flameShape(float cx, float cy, float s) {
    float r = s * 0.3f, by = cy + s * 0.2f;
    return Shape::circle(cx, by, r) |
           Shape::polygon({{cx - r * 0.98f, by - r * 0.2f}, {cx - r * 0.7f, cy - s * 0.12f}, {cx - r * 0.35f, cy - s * 0.02f},
                           {cx + s * 0.06f, cy - s * 0.5f}, {cx + r * 0.75f, cy - s * 0.1f}, {cx + r * 0.98f, by - r * 0.2f}});
}
}  // namespace

void flameSign(Canvas& c, float cx, float cy, float s, Rgba col) {
    c.fill(flameShape(cx, cy, s), col);
    c.fill(flameShape(cx + s * 0.02f, cy + s * 0.2f, s * 0.5f), mix(col, pal::kSunflower, 0.75f));
}

void windSign(Canvas& c, float cx, float cy, float s, Rgba col, float weight) {
    const float lw = std::max(1.1f, s * weight), r = s * 0.15f;
    // two gusts, each a straight line ending in a curl (one up, one down)
    for (int k = -1; k <= 1; k += 2) {
        float y = cy + float(k) * s * 0.13f, x0 = cx - s * 0.46f, x1 = cx + s * (k < 0 ? 0.14f : 0.22f);
        std::vector<Pt> pts{{x0, y}, {x1, y}};
        float ccx = x1, ccy = y + float(k) * r;
        for (int i = 1; i <= 16; ++i) {
            float t = float(i) / 16.f;
            float a = k < 0 ? float(kPi) / 2.f - t * 1.5f * float(kPi) : -float(kPi) / 2.f + t * 1.5f * float(kPi);
            float rr = r * (1.f - 0.25f * t);
            pts.push_back({ccx + std::cos(a) * rr, ccy + std::sin(a) * rr});
        }
        c.fill(Shape::polyline(pts, lw), col);
    }
}

void dropSign(Canvas& c, float cx, float cy, float s, Rgba col) {
    float r = s * 0.3f;
    Shape belly = Shape::circle(cx, cy + s * 0.16f, r);
    Shape point = Shape::polygon({{cx - r * 0.86f, cy + s * 0.16f - r * 0.5f}, {cx, cy - s * 0.5f},
                                  {cx + r * 0.86f, cy + s * 0.16f - r * 0.5f}});
    c.fill(belly | point, col);
}

void paintBadge(Canvas& c, float cx, float cy, float r, Rgba paint) {
    const Ramp p = shade(paint);
    Shape disc = Shape::circle(cx, cy, r);
    c.fill(disc.grow(1), pal::kOutline);
    c.fill(disc, pal::kPaper);
    c.fill(disc - disc.shift(-1, -1), pal::kPaperShade);
    const float s = r * 1.55f;
    if (paint == pal::kRed) {
        flameSign(c, cx, cy + r * 0.05f, s, p.base);
    } else if (paint == pal::kGreen) {
        // a swirl: one and a half turns opening outwards, then a gust leaving it
        std::vector<Pt> pts;
        for (int i = 0; i <= 36; ++i) {
            const float t = float(i) / 36.f, a = float(kPi) + t * 3.f * float(kPi), rr = r * (0.1f + 0.55f * t);
            pts.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
        }
        pts.push_back({cx - r * 0.72f, cy + r * 0.45f});
        c.fill(Shape::polyline(pts, std::max(0.9f, r * 0.085f)), p.deep);  // half the width
    } else {
        dropSign(c, cx, cy + r * 0.05f, s, p.base);
    }
}

void paintPot(Canvas& c, float x, float y, Rgba paint) {
    const Ramp p = shade(paint);
    const Ramp glaze = shade(mix(paint, p.shadow, 0.6f));  // the pot is a deeper shade than its paint
    const Ramp clay = shade(pal::kCream);
    const float cx = x + 32;
    // shadow on the shelf
    c.fill(Shape::ellipse(cx + 2, y + 60, 27, 4.5f), withAlpha(pal::kCoolShadow, 0.35f));
    Shape body = Shape::ellipse(cx, y + 40, 25.5f, 20.5f) | Shape::roundRect(cx - 17, y + 17, 34, 14, 4);
    Shape rim = Shape::ellipse(cx, y + 17.5f, 21.5f, 7.5f);
    Shape mouth = Shape::ellipse(cx, y + 17, 16.5f, 4.8f);
    c.fill((body | rim).grow(1), pal::kOutline);
    // the glazed belly
    c.fill(body, glaze.base);
    c.fill(body - body.shift(-4, -4), glaze.shadow);
    c.fill(body & Shape::ellipse(cx - 10, y + 31, 10, 6.f), withAlpha(glaze.light, 0.9f));
    c.fill(body & Shape::ellipse(cx - 13, y + 29.5f, 4.f, 2.4f), withAlpha(glaze.shine, 0.95f));
    // the element's sign on a cream badge
    float signY = y + 43;
    Shape badge = Shape::ellipse(cx + 1, signY, 11, 10);
    c.fill(badge.grow(1), withAlpha(glaze.deep, 0.9f));
    c.fill(badge, clay.light);
    c.fill(badge - badge.shift(-2, -2), clay.base);
    if (paint == pal::kRed) flameSign(c, cx + 1, signY, 16, p.base);
    else if (paint == pal::kGreen) windSign(c, cx + 1, signY, 17, p.base);
    else dropSign(c, cx + 1, signY, 16, p.base);
    // paint running over the rim and down the belly
    const float drips[3][2] = {{-14.f, 8.f}, {5.f, 13.f}, {14.f, 6.f}};
    Shape dripS;
    for (const auto& d : drips)
        dripS = dripS | Shape::capsule({cx + d[0], y + 18}, {cx + d[0], y + 18 + d[1]}, 2.6f) |
                Shape::circle(cx + d[0], y + 18 + d[1], 3.2f);
    c.fill(dripS.grow(1), pal::kOutline);
    c.fill(dripS, p.base);
    for (const auto& d : drips)
        c.fill(Shape::capsule({cx + d[0] - 1.f, y + 22}, {cx + d[0] - 1.f, y + 16 + d[1]}, 0.7f), p.light);
    // ceramic rim and the paint inside
    Shape lip = rim - mouth.grow(1);
    c.fill(lip, clay.base);
    c.fill(lip - lip.shift(0, -2), clay.shadow);
    c.fill(lip - lip.shift(1, 2), clay.shine);
    c.fill(lip & dripS, p.base);  // the paint spills over the lip
    c.fill(mouth.grow(1), p.deep);
    c.fill(mouth, p.base);
    c.fill(mouth & Shape::ellipse(cx - 4, y + 16, 9, 2.6f), p.light);
    c.fill(Shape::ellipse(cx - 8, y + 16, 3, 1.2f), p.shine);
}

void apple(Canvas& c, float cx, float cy, float r, bool clockFace, bool crisp) {
    auto f = [crisp](Shape s) { return crisp ? s.hard() : s; };
    const Ramp red = shade(pal::kRed);
    Shape body = f(Shape::ellipse(cx - r * 0.38f, cy + r * 0.05f, r * 0.68f, r * 0.86f) |
                   Shape::ellipse(cx + r * 0.38f, cy + r * 0.05f, r * 0.68f, r * 0.86f) |
                   Shape::ellipse(cx, cy + r * 0.22f, r * 0.8f, r * 0.72f));
    body = body - f(Shape::ellipse(cx, cy - r * 0.86f, r * 0.16f, r * 0.16f));
    Shape stem = f(Shape::capsule({cx, cy - r * 0.6f}, {cx + r * 0.12f, cy - r * 1.12f}, std::max(1.f, r * 0.07f)));
    Shape leafS = f(Shape::polygon({{cx + r * 0.1f, cy - r * 0.86f}, {cx + r * 0.45f, cy - r * 1.22f},
                                    {cx + r * 0.86f, cy - r * 1.12f}, {cx + r * 0.5f, cy - r * 0.84f}}));
    Shape all = body | stem | leafS;
    c.fill(all.grow(1), pal::kOutline);
    c.fill(body, red.base);
    int band = std::max(2, int(r * 0.14f));
    c.fill(body - body.shift(-band, -band), red.shadow);
    c.fill(body & f(Shape::ellipse(cx - r * 0.42f, cy - r * 0.3f, r * 0.26f, r * 0.34f)), red.light);
    c.fill(f(Shape::ellipse(cx - r * 0.48f, cy - r * 0.38f, r * 0.09f, r * 0.14f)), red.shine);
    c.fill(stem, pal::kBark);
    const Ramp lf = shade(pal::kLeaf);
    c.fill(leafS, lf.base);
    c.fill(leafS - leafS.shift(1, 1), lf.light);
    if (clockFace) {
        float dr = r * 0.5f, dx = cx + r * 0.08f, dy = cy + r * 0.14f;
        c.fill(f(Shape::circle(dx, dy, dr + std::max(1.f, r * 0.05f))), pal::kOutline);
        c.fill(f(Shape::circle(dx, dy, dr)), pal::kPaper);
        c.fill(f(Shape::circle(dx, dy, dr)) - f(Shape::circle(dx - 1.5f, dy - 1.5f, dr)), pal::kPaperShade);
        for (int i = 0; i < 12; ++i) {
            float a = float(i) / 12.f * 2.f * float(kPi);
            float k0 = i % 3 == 0 ? 0.7f : 0.8f;
            c.fill(f(Shape::capsule({dx + std::sin(a) * dr * k0, dy - std::cos(a) * dr * k0},
                                    {dx + std::sin(a) * dr * 0.9f, dy - std::cos(a) * dr * 0.9f}, std::max(0.5f, r * 0.025f))),
                   pal::kInk);
        }
        float lw = std::max(0.8f, r * 0.045f);
        c.fill(f(Shape::capsule({dx, dy}, {dx, dy - dr * 0.62f}, lw)), pal::kInk);
        c.fill(f(Shape::capsule({dx, dy}, {dx + dr * 0.45f, dy + dr * 0.2f}, lw)), pal::kInk);
        c.fill(f(Shape::circle(dx, dy, lw * 1.3f)), pal::kRoof);
    }
}

void retryArrow(Canvas& c, float cx, float cy, float r, float w, Rgba col) {
    std::vector<Pt> arc;
    const float a0 = float(kPi) * 0.15f, a1 = float(kPi) * 1.62f;
    for (int i = 0; i <= 40; ++i) {
        float a = a0 + (a1 - a0) * float(i) / 40.f;
        arc.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r});
    }
    c.fill(Shape::polyline(arc, w * 0.5f), col);
    // arrow head at the end of the arc, pointing along it (clockwise)
    float a = a1;
    Pt tip{cx + std::cos(a) * r, cy + std::sin(a) * r};
    Pt along{-std::sin(a), std::cos(a)};  // direction of travel
    Pt out{std::cos(a), std::sin(a)};
    float hs = w * 1.5f;
    c.fill(Shape::polygon({{tip.x + along.x * hs * 1.1f, tip.y + along.y * hs * 1.1f},
                           {tip.x + out.x * hs - along.x * hs * 0.3f, tip.y + out.y * hs - along.y * hs * 0.3f},
                           {tip.x - out.x * hs - along.x * hs * 0.3f, tip.y - out.y * hs - along.y * hs * 0.3f}}),
           col);
}

Shape star(float cx, float cy, float ro, float ri, float turn) {
    std::vector<Pt> pts;
    for (int i = 0; i < 10; ++i) {
        float a = turn - float(kPi) / 2.f + float(i) * float(kPi) / 5.f;
        float r = i % 2 == 0 ? ro : ri;
        pts.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r});
    }
    return Shape::polygon(pts);
}

}  // namespace ag::hud
