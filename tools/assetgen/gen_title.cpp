// The title picture `img/back.png` and the talk window `img/kaiwa.png`, both
// drawn in screen coordinates (the caller maps them for the full-screen quad).
//
// Title: keyed on white over the white cleared screen, so it is opaque
// everywhere and holds no pure white. The three buttons fill exactly the
// rectangles the title scene tests (screen_layout.h). The game draws no hover
// state, so they look the same whether pointed at or not.
//
// Talk window: keyed on green; transparent above and below, so the
// background and the two portraits (x 66..226 and 414..574, y 70..230) show
// through. The lines are written from x 50, y 280..360 in black, red,
// green, blue and purple (rarely yellow, cyan, magenta) on its light paper.
#include <cmath>
#include <string>

#include "frontend_kit.h"
#include "gfx/picture_files.h"
#include "hud_kit.h"
#include "hud_parts.h"
#include "palette.h"
#include "props.h"
#include "scene_kit.h"
#include "scenery.h"
#include "stage/screen_layout.h"
#include "words.h"

namespace ag::hud {

namespace sc = scenery;

namespace {

struct TitleButton : LayoutRect {
    Words label;
    Rgba paint;
};
const TitleButton kButtons[3] = {
    {kTitleStartButton, words::kStart, pal::kRed},
    {kTitleMenuButton, words::kMenu, pal::kGreen},
    {kTitleQuitButton, words::kQuit, pal::kBlue},
};

// The legendary gate on a far hill, pale in the haze.
void farGate(Canvas& c, float cx, float base, float s) {
    const Rgba stone = darker(pal::kFrost, 0.2f), shadow = lighter(pal::kDenim, 0.4f);
    Shape gate = Shape::rect(cx - s * 0.5f, base - s * 0.75f, s * 0.16f, s * 0.75f) |
                 Shape::rect(cx + s * 0.34f, base - s * 0.75f, s * 0.16f, s * 0.75f) |
                 Shape::rect(cx - s * 0.6f, base - s * 0.9f, s * 1.2f, s * 0.14f) |
                 Shape::rect(cx - s * 0.5f, base - s * 0.78f, s, s * 0.08f);
    c.fill(gate, stone);
    c.fill(gate - gate.shift(-2, 0), shadow);
    glow(c, cx, base - s * 0.45f, s * 0.5f, pal::kButter, 150);
}

void footprint(Canvas& c, float x, float y, float angle, Rgba col) {
    float ca = std::cos(angle), sa = std::sin(angle);
    auto P = [&](float u, float v) { return Pt{x + u * ca - v * sa, y + u * sa + v * ca}; };
    std::vector<Pt> sole, heel;
    for (int i = 0; i < 16; ++i) {
        float t = float(i) / 16.f * 2.f * float(kPi);
        sole.push_back(P(2.f + 3.6f * std::cos(t), 2.3f * std::sin(t)));
        heel.push_back(P(-4.2f + 1.8f * std::cos(t), 1.8f * std::sin(t)));
    }
    c.fill(Shape::polygon(sole) | Shape::polygon(heel), col);
}

// The sky: morning light, a rainbow of the three paints, two clouds.
void titleSky(Canvas& c, Rng& rng) {
    const int W = kScreenW, H = kScreenH;
    c.vGradient(0, 0, W, H, {{0.f, pal::kPowderBlue}, {0.5f, lighter(pal::kPowderBlue, 0.4f)}, {0.7f, pal::kPaper}, {1.f, pal::kCream}});
    glow(c, 600, 30, 300, pal::kPaper, 110);
    const Rgba bow[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    for (int i = 0; i < 3; ++i) {
        float r = 420.f - float(i) * 13.f;
        Shape band = Shape::where(0, 130, W, H - 130, [r](float x, float y) {
            float d = std::hypot(x - 250.f, y - 560.f);
            return clampv(r - d + 0.5f, 0.f, 1.f) * clampv(d - (r - 13.f) + 0.5f, 0.f, 1.f);
        });
        c.fill(band, withAlpha(lighter(bow[i], 0.35f), 0.42f));
    }
    const Rgba cloudBody = lighter(pal::kCloud, 0.3f), cloudShade = lighter(pal::kHazeBlue, 0.3f);
    sc::cloud(c, 560, 200, 120, cloudBody, cloudShade, rng);
    sc::cloud(c, 130, 236, 90, cloudBody, cloudShade, rng);
}

// Far mountains, the gate of the legend on its hill, the meadow.
void titleLand(Canvas& c, Rng& rng) {
    const int W = kScreenW, H = kScreenH;
    sc::hill(c, sc::hillShape(0, W, 282, 22, 0.008f, 101, H), darker(pal::kHazeBlue, 0.1f), lighter(pal::kHazeBlue, 0.2f));
    farGate(c, 300, 276, 34);
    sc::hill(c, sc::hillShape(0, W, 306, 12, 0.011f, 102, H), lighter(pal::kFoliage, 0.3f), lighter(pal::kGrass, 0.6f));
    for (int i = 0; i < 9; ++i)
        sc::roundTree(c, float(i) * 74.f + float(rng.range(0, 30)), 312 + float(rng.range(-3, 3)), float(rng.range(14, 20)),
                      lighter(pal::kLeaf, 0.2f), rng);
    sc::hill(c, sc::hillShape(0, W, 344, 8, 0.009f, 103, H), lighter(pal::kGrass, 0.2f), lighter(pal::kGrass, 0.4f));
}

// A point on the road from the reader's feet (t = 0) to the far gate
// (t = 1), `side` half-widths off its middle.
Pt roadAt(float t, float side) {
    float y = 480.f - t * 176.f;
    float x = 70.f + 230.f * t + 60.f * std::sin(t * 3.4f) * (1.f - t);
    float half = lerpf(46.f, 3.f, t);
    return Pt{x + side * half, y};
}

// The road with the footprints of the three paints on it; returns the road
// so the flowers keep off it.
Shape titleRoad(Canvas& c) {
    std::vector<Pt> road;
    for (int i = 0; i <= 24; ++i) road.push_back(roadAt(float(i) / 24.f, -1));
    for (int i = 24; i >= 0; --i) road.push_back(roadAt(float(i) / 24.f, 1));
    Shape roadS = Shape::polygon(road);
    paintRoad(c, roadS);
    for (int i = 0; i < 7; ++i) {
        float t = 0.02f + float(i) * 0.035f;
        Pt a = roadAt(t, 0), b = roadAt(t + 0.01f, 0);
        float ang = std::atan2(b.y - a.y, b.x - a.x);
        float side = (i % 2 ? 1.f : -1.f) * 8.f;
        footprint(c, a.x - std::sin(ang) * side, a.y + std::cos(ang) * side, ang, withAlpha(kPaints[i % 3], 0.85f));
    }
    return roadS;
}

// A bush, a big tree, grass and flowers beside the road.
void titleForeground(Canvas& c, const Shape& road, Rng& rng) {
    sc::bush(c, 18, 420, 40, pal::kFoliage, rng);
    sc::roundTree(c, 604, 470, 150, pal::kFoliage, rng);
    sc::grass(c, 0, kScreenW, 482, 10, pal::kFoliage, rng, 0.3f);
    for (int i = 0; i < 30; ++i) {
        float x = float(rng.range(0, 380)), y = float(rng.range(360, 476));
        if (road.at(int(x), int(y)) > 0.f) continue;
        sc::flower(c, x, y, float(rng.range(6, 10)), float(rng.range(2.2, 3.4)), meadowPetal(i), pal::kMarigold);
    }
}

// The two travellers setting out, seen from a little behind.
void titleTravellers(Canvas& c) {
    fe::Pose partner;
    partner.facing = 0.6f;
    partner.stride = 0.8f;
    partner.near = fe::Arm::Wave;
    partner.far = fe::Arm::Down;
    partner.expr = fe::Expr::Grin;
    fe::traveller(c, fe::Who::Partner, 196, 420, 92, partner);
    fe::Pose hero;
    hero.facing = 0.7f;
    hero.stride = -0.8f;
    hero.near = fe::Arm::Down;
    hero.far = fe::Arm::Forward;
    hero.expr = fe::Expr::Smile;
    fe::traveller(c, fe::Who::Hero, 128, 446, 100, hero);
}

// The big line of the name in the three paints. Japanese: three glyphs
// 92 px apart, the middle one a little lower; English: one word in three
// pieces, set side by side on one baseline and centred where the glyphs are.
void titleBigName(Canvas& c, TextStyle big) {
    float at[3] = {80, 172, 264};
    std::string word;
    if (lang() == Lang::En) {
        float w[3], total = 0;
        for (int i = 0; i < 3; ++i) total += w[i] = float(measureText(say(words::kLogoBig[i]), big).w - 6);
        float x = 172.f - total / 2.f;
        for (int i = 0; i < 3; ++i) at[i] = x + w[i] / 2.f, x += w[i], word += say(words::kLogoBig[i]);
    }
    for (int i = 0; i < 3; ++i) {
        big.colour = kPaints[i];
        if (word.empty())
            textCentred(c, at[i], 108.f + (i == 1 ? 5.f : 0.f), say(words::kLogoBig[i]), big);
        else
            textCentred(c, at[i], 108.f, say(words::kLogoBig[i]), big, word);
    }
}

// The name of the game: the small line, the big line, the Latin name.
void titleName(Canvas& c) {
    TextStyle ja = fe::mincho(32, pal::kInk, pal::kPaper, 2);
    textCentred(c, 172, 38, say(words::kLogoSmall), ja);
    TextStyle big = ja;
    big.size = lang() == Lang::En ? 64 : 78;
    big.outline = pal::kOutline;
    big.outlineWidth = 3;
    big.shadow = lighter(pal::kDenim, 0.1f);
    titleBigName(c, big);
    TextStyle en = fe::gothic(34, pal::kDuskShadow, pal::kPaper, 2);
    en.tracking = 6;
    textCentred(c, 172, 182, "Tolvane", en);
}

}  // namespace

Canvas titlePicture() {
    Canvas c(kScreenW, kScreenH);
    Rng rng(seedOf(kPicTitle.path));
    titleSky(c, rng);
    titleLand(c, rng);
    const Shape road = titleRoad(c);
    titleForeground(c, road, rng);
    titleTravellers(c);
    titleName(c);
    for (const TitleButton& b : kButtons) {
        Rgba face = mix(b.paint, pal::kCream, 0.12f);
        int size = int((b.y1 - b.y0) * 0.42f);
        fe::raisedButton(c, b.x0 + 1, b.y0 + 1, b.x1 - b.x0 - 2, b.y1 - b.y0 - 2, face, say(b.label), size);
    }
    paperGrain(c, 2);
    avoidBlackAndWhite(c);
    return c;
}

Canvas talkWindow() {
    Canvas c(kScreenW, kScreenH);
    const float x0 = 34, y0 = 266, x1 = 636, y1 = 376;
    Shape outer = Shape::roundRect(x0, y0, x1 - x0, y1 - y0, 12).hard();
    Shape inner = Shape::roundRect(x0 + 7, y0 + 7, x1 - x0 - 14, y1 - y0 - 14, 7).hard();
    c.fill(outer.grow(1), pal::kOutline);
    Ramp wood = shade(pal::kBrown);
    c.fill(outer, wood.base);
    c.fill(outer - outer.shift(0, 2), wood.light);
    c.fill(outer - outer.shift(0, -2), wood.shadow);
    c.fill(inner.grow(2), pal::kGold);
    c.fill(inner.grow(1), pal::kOutline);
    c.fill(inner, [&](int, int y) { return mix(pal::kPaper, pal::kCream, (float(y) - y0) / (y1 - y0)); });
    paperGrain(c, 1);
    // the three paints as studs in the frame's corners, and a page-turn mark
    const Rgba studs[4] = {pal::kRed, pal::kGreen, pal::kBlue, pal::kGold};
    const Pt at[4] = {{x0 + 4, y0 + 4}, {x1 - 4, y0 + 4}, {x0 + 4, y1 - 4}, {x1 - 4, y1 - 4}};
    for (int i = 0; i < 4; ++i) {
        Shape s = Shape::circle(at[i].x, at[i].y, 6).hard();
        Ramp r = shade(studs[i]);
        c.fill(s.grow(1), pal::kOutline);
        c.fill(s, r.base);
        c.fill(Shape::circle(at[i].x - 2, at[i].y - 2, 2).hard(), r.shine);
    }
    Shape mark = Shape::polygon({{608, 354}, {620, 354}, {614, 362}}).hard();
    c.fill(mark.grow(1), withAlpha(pal::kBrown, 0.9f));
    c.fill(mark, pal::kGold);
    return c;
}

}  // namespace ag::hud
