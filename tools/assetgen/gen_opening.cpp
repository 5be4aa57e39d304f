// The opening's first pictures: the maker's logo, the game logo with its
// trail of footprints, and the window icon.
#include <cmath>

#include "families.h"
#include "frontend_kit.h"
#include "gen_icons.h"
#include "output.h"
#include "palette.h"
#include "props.h"
#include "scene_kit.h"
#include "text.h"
#include "words.h"

namespace ag {

namespace {

// ---------------------------------------------------------------- maker logo
// Shown centred (188x132 on screen) over the white cleared screen, keyed on
// white: soft edges are matted against white so they fade cleanly.
Canvas makerLogo() {
    Canvas c(188, 132);
    const Rgba plum = pal::kAubergine, amber = pal::kMarmalade, gold = pal::kSunYellow;
    const float cx = 94, cy = 44;
    // The mark: a dusk-coloured disc holding a candle flame, ringed in gold.
    c.fill(Shape::circle(cx, cy, 30), lighter(pal::kGold, 0.3f));
    c.fill(Shape::circle(cx, cy, 28), plum);
    c.radialGradient(cx, cy + 6, 26, faded(darker(pal::kMauve, 0.4f), 200), faded(pal::kAubergine, 0));
    auto flame = [&](float s) {
        return Shape::polygon({{cx, cy - 20 * s}, {cx + 5 * s, cy - 10 * s}, {cx + 10 * s, cy - 1 * s},
                               {cx + 10 * s, cy + 6 * s}, {cx + 6 * s, cy + 11 * s}, {cx, cy + 13 * s},
                               {cx - 6 * s, cy + 11 * s}, {cx - 10 * s, cy + 6 * s}, {cx - 10 * s, cy - 1 * s},
                               {cx - 5 * s, cy - 10 * s}}) |
               Shape::circle(cx, cy + 4.5f * s, 9.5f * s);
    };
    c.fill(flame(1.0f).shift(0, -2), amber);
    c.fill(flame(0.66f).shift(0, 1), gold);
    c.fill(flame(0.34f).shift(0, 5), lighter(pal::kButter, 0.5f));
    // Wick and a sliver of candle.
    c.fillRoundRect(cx - 7, cy + 15, 14, 9, 2, pal::kPaper);
    c.fillRect(int(cx) - 7, int(cy) + 20, 14, 4, lighter(pal::kEarth, 0.6f));
    c.line(cx, cy + 12, cx, cy + 15.5f, pal::kOutline, 1.2f);

    TextStyle name;
    name.face = Face::Gothic;
    name.size = 21;
    name.bold = true;
    name.tracking = 3;
    name.colour = plum;
    name.align = Align::Centre;
    drawText(c, 94, 80, "AMBERWICK", name);
    TextStyle sub = name;
    sub.size = 11;
    sub.bold = false;
    sub.tracking = 6;
    sub.colour = darker(pal::kMarmalade, 0.3f);
    drawText(c, 94, 108, "GAMES", sub);
    const float half = float(measureText("GAMES", sub).w) / 2.f;
    c.line(94 - half - 30, 115.5f, 94 - half - 8, 115.5f, pal::kGold, 1.2f);
    c.line(94 + half + 8, 115.5f, 94 + half + 30, 115.5f, pal::kGold, 1.2f);
    c.matte(kKeyWhite);
    return c;
}

// ---------------------------------------------------------------- footprint
// One 64x64 cell of the footprint trail: a pair of boot prints walking up
// and to the right, stamped in warm brown, on white (the key).
Canvas footprint() {
    Canvas c(64, 64);
    const Rgba ink = darker(pal::kBrown, 0.1f), inkLight = pal::kEarth;
    auto print = [&](Pt at, Pt dir, bool left) {
        Pt side{dir.y, -dir.x};  // to the walker's right
        if (left) side = Pt{-side.x, -side.y};
        // (u, v): u along the foot (toes at +u), v across it (+v to the outer side).
        const float k = 1.3f;  // print size
        auto P = [&](float u, float v) {
            return Pt{at.x + (dir.x * u + side.x * v) * k, at.y + (dir.y * u + side.y * v) * k};
        };
        auto oval = [&](float u, float v, float ru, float rv) {
            std::vector<Pt> pts;
            for (int i = 0; i < 28; ++i) {
                float t = float(i) / 28.f * 2.f * float(kPi);
                pts.push_back(P(u + ru * std::cos(t), v + rv * std::sin(t)));
            }
            return Shape::polygon(pts).hard();
        };
        Shape sole = oval(4.5f, 0.6f, 8.5f, 5.4f);
        Shape heel = oval(-9.5f, 0.f, 4.2f, 4.0f);
        c.fill(sole | heel, ink);
        for (float u : {1.5f, 6.5f})
            c.fill(Shape::polygon({P(u - 0.9f, -6.f), P(u + 0.9f, -6.f), P(u + 0.9f, 7.f), P(u - 0.9f, 7.f)}).hard() & sole,
                   inkLight);
        c.fill(Shape::polygon({P(-10.5f, -5.f), P(-9.f, -5.f), P(-9.f, 5.f), P(-10.5f, 5.f)}).hard() & heel, inkLight);
    };
    const float k = 0.70710678f;
    const Pt dir{k, -k};  // walking up and to the right
    print({32.f + 10.f * k - 9.f * k, 32.f - 10.f * k - 9.f * k}, dir, true);    // left foot, forward
    print({32.f - 10.f * k + 9.f * k, 32.f + 10.f * k + 9.f * k}, dir, false);   // right foot, behind
    return c;
}

// ---------------------------------------------------------------- game logo
constexpr int kLogoW = 640, kLogoH = 480;
constexpr int kLogoTextX = 486;  // the centre of the lettering

// The paper page with a hand-cut edge, as a hard shape.
Shape logoPage() {
    const float W = kLogoW, H = kLogoH;
    return Shape::where(0, 0, kLogoW, kLogoH, [&](float x, float y) {
        float wob = 2.2f * fbm1((x + y) * 0.05f, 7);
        float m = 10.f + wob;
        float d = std::min({x - m, (W - m) - x, y - m, (H - m) - y});
        float r = 18.f;
        float cxr = std::max(0.f, r - std::min(x - m, (W - m) - x));
        float cyr = std::max(0.f, r - std::min(y - m, (H - m) - y));
        if (cxr > 0 && cyr > 0) d = r - std::sqrt(cxr * cxr + cyr * cyr);
        return d + 0.5f;
    }).hard();
}

// Paper fading down the page, darker towards the corners.
void paintPage(Canvas& c, const Shape& page, Rng& rng) {
    const float W = kLogoW, H = kLogoH;
    c.fill(page.grow(1), lighter(pal::kGoldDeep, 0.6f));
    c.fill(page, [&](int x, int y) {
        Rgba p = mix(pal::kPaper, pal::kCream, float(y) / H);
        float vx = (float(x) - W / 2.f) / (W / 2.f), vy = (float(y) - H / 2.f) / (H / 2.f);
        float v = clampv((vx * vx + vy * vy - 0.55f) * 0.5f, 0.f, 1.f);
        return mix(p, darker(pal::kButter, 0.1f), v * 0.6f);
    });
    c.noise(0, 0, kLogoW, kLogoH, 3.f, rng);
}

// Soft watercolour hills along the bottom edge, under the first steps, with
// grass tufts and little flowers.
void logoHills(Canvas& c, const Shape& page, Rng& rng) {
    auto hill = [&](float base, float amp, float freq, uint32_t seed, Rgba col) {
        c.fill(Shape::below(0, kLogoW, kLogoH, [&](float x) { return base + amp * fbm1(x * freq, seed, 3); }) & page, col);
    };
    hill(440, 10, 0.008f, 3, lighter(pal::kFoliage, 0.6f));
    hill(455, 8, 0.012f, 5, lighter(pal::kLeaf, 0.5f));
    hill(468, 5, 0.02f, 9, lighter(pal::kFoliage, 0.3f));
    const Rgba flowers[3] = {pal::kQuiltPink, lighter(pal::kLemon, 0.6f), pal::kBluebell};
    for (int i = 0; i < 26; ++i) {
        float x = 20 + i * 23.5f + float(rng.range(-6, 6));
        float y = 448 + 6 * fbm1(x * 0.01f, 3, 3) + float(rng.range(0, 18));
        Rgba g = mix(lighter(pal::kLeaf, 0.2f), darker(pal::kFoliage, 0.1f), float(rng.unit()));
        for (int k = -1; k <= 1; ++k) c.line(x, y, x + k * 3.f, y - 6.f + std::abs(k) * 1.5f, g, 1.2f);
        if (i % 3 == 1) {
            c.fillCircle(x + 4, y - 7, 2.2f, flowers[(i / 3) % 3]);
            c.fillCircle(x + 4, y - 7, 0.9f, lighter(pal::kPaper, 0.6f));
        }
    }
}

// Upper left: the brush and its three paints over soft colour washes, and a
// splash of red where the brush has just touched the page.
void logoPaints(Canvas& c) {
    glow(c, 110, 100, 100, pal::kSkyLow, 150);
    glow(c, 58, 170, 62, pal::kMintWash, 150);
    glow(c, 190, 56, 64, pal::kHazeBlue, 160);
    Shape splash = Shape::circle(64, 186, 16) | Shape::circle(84, 178, 9) | Shape::circle(48, 196, 8) |
                   Shape::circle(88, 196, 5) | Shape::circle(40, 172, 4) | Shape::circle(102, 184, 3);
    c.fill(splash, withAlpha(pal::kRed, 0.85f));
    c.fill(splash - splash.shift(-2, -2), withAlpha(shade(pal::kRed).shadow, 0.7f));
    paintBrush(c, {222, 26}, {70, 178}, 21.f, pal::kRed, false);
    paintDrop(c, 40, 96, 14.f, pal::kRed, false);
    paintDrop(c, 104, 50, 12.f, pal::kGreen, false);
    paintDrop(c, 150, 168, 12.5f, pal::kBlue, false);
}

// Lower right: the title, the three paints tinting its big line. Japanese:
// three glyphs 80 px apart, the middle one a little lower; English: one
// word in three pieces on one baseline.
void logoTitle(Canvas& c) {
    const int tx = kLogoTextX;
    TextStyle ja = fe::mincho(34, pal::kInk, pal::kPaper, 2);
    ja.align = Align::Centre;
    drawText(c, tx - 40, 196, say(words::kLogoSmall), ja);  // the game's name, set over two lines
    TextStyle big = ja;
    big.size = lang() == Lang::En ? 60 : 70;
    big.outline = pal::kOutline;
    big.outlineWidth = 3;
    big.shadow = lighter(pal::kGoldDeep, 0.6f);
    big.align = Align::Left;
    int pen = tx - 118;
    for (int i = 0; i < 3; ++i) {
        big.colour = kPaints[i];
        drawText(c, pen, 236 + (i == 1 && lang() == Lang::Ja ? 6 : 0), say(words::kLogoBig[i]), big);
        pen += lang() == Lang::En ? measureText(say(words::kLogoBig[i]), big).w - 6 : 80;
    }
    TextStyle en = fe::gothic(40, pal::kDuskShadow, pal::kPaper, 2);
    en.tracking = 7;
    en.align = Align::Centre;
    drawText(c, tx, 336, "Tolvane", en);
}

// A hand-drawn underline in the three paints.
void logoUnderline(Canvas& c) {
    for (int i = 0; i < 3; ++i) {
        float x0 = kLogoTextX - 128 + i * 86.f, x1 = x0 + 80;
        auto edge = [&](int k, float side) {
            float t = k / 12.f;
            return Pt{x0 + (x1 - x0) * t, 394 + 1.5f * std::sin(t * 5.f + i) + side * (2.6f * std::sin(t * float(kPi)) + 0.8f)};
        };
        std::vector<Pt> pts;
        for (int k = 0; k <= 12; ++k) pts.push_back(edge(k, -1.f));
        for (int k = 12; k >= 0; --k) pts.push_back(edge(k, 1.f));
        c.fill(Shape::polygon(pts), kPaints[i]);
    }
}

// ---------------------------------------------------------------- game logo
// Full screen, keyed on black (the white cleared screen shows through). The
// footprints later climb the staircase from the lower left to the upper
// right, so that diagonal stays calm; the lettering sits at the lower right
// and a brush with its three paints at the upper left.
Canvas gameLogo() {
    Canvas c(kLogoW, kLogoH);
    Rng rng(seedOf(kPicGameLogo.path));
    const Shape page = logoPage();
    paintPage(c, page, rng);
    logoHills(c, page, rng);
    logoPaints(c);
    logoTitle(c);
    logoUnderline(c);
    // Everything outside the page is the key; soft edges inside are already
    // blended on paper, the page edge is hard.
    c.matte(pal::kCream);
    Shape sheet = page.grow(1);
    for (int y = 0; y < kLogoH; ++y)
        for (int x = 0; x < kLogoW; ++x)
            if (sheet.at(x, y) < 0.5f) c.at(x, y) = kClear;
    return c;
}

}  // namespace

void genOpening(Output& out) {
    // The English pass letters again only the game's logo: the maker's
    // name is the same in both languages.
    if (lang() == Lang::En) {
        out.keyedPng(kPicGameLogo, gameLogo());
        return;
    }
    out.keyedPng(kPicMakerLogo, makerLogo());
    out.keyedPng(kPicGameLogo, gameLogo());
    out.keyedBmp(kPicFootprint, footprint());
    out.png(kPicWindowIcon.path, gameIcon(64), PngKind::Rgba);
}

}  // namespace ag
