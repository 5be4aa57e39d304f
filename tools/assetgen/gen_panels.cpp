// The stage panels `img/下１.png` ... `img/下７.png`: full-screen pictures,
// keyed on white, whose lower part (from kPanelTop) is the wooden panel under
// the stage. Drawn in screen coordinates (the caller maps them for the
// full-screen quad).
//
// What the game draws over or under a panel, and where (screen_layout.h):
//   paint pots (part of the panel)   kPanelPotTop, x 128 (stage 1), 64 and 192
//                                    (stage 2), else kPanelPotX
//   paint counts (over the panel)    32x64 right of each pot
//   reset button (part of the panel) kPanelResetButton
//   time strip (under the panel)     seen through kPanelTimeWindow
//   lives caption and icons (over)   kPanelLivesRow
// Panel 3 serves stage 3 (green only) and stage 7 (all three paints), so it
// shows all three pots like panels 4 to 7.
#include <cmath>

#include "hud_kit.h"
#include "hud_parts.h"
#include "palette.h"
#include "props.h"
#include "stage/screen_layout.h"
#include "words.h"

namespace ag::hud {

namespace {

constexpr float kTop = kPanelTop;
constexpr float kWinX0 = kPanelTimeWindow.x0, kWinX1 = kPanelTimeWindow.x1, kWinY0 = kPanelTimeWindow.y0,
                kWinY1 = kPanelTimeWindow.y1;

enum class Motif { Flowers, Rain, Clouds, Stars, City, Crystals, Laurel };

struct Theme {
    Rgba wood;     // the planks
    Rgba cloth;    // the shelf the pots stand on
    Rgba accent;   // trims and small ornaments
    Motif motif;
};

Theme themeOf(int n) {
    switch (n) {
        case 1: return {pal::kPaleWood, pal::kWall, pal::kTreeGreen, Motif::Flowers};
        case 2: return {pal::kEarth, pal::kPaleMint, pal::kDuskGrass, Motif::Rain};
        case 3: return {pal::kPaleWood, pal::kMist, pal::kPanelBlue, Motif::Clouds};
        case 4: return {pal::kEarth, pal::kPaper, pal::kOrange, Motif::Stars};
        case 5: return {pal::kPlum, pal::kPaleMint, pal::kRoof, Motif::City};
        case 6: return {pal::kDuskLight, pal::kPaleMint, pal::kCrystal, Motif::Crystals};
        default: return {mix(pal::kWood, pal::kGold, 0.5f), pal::kCream, pal::kGold, Motif::Laurel};  // gilded
    }
}

struct Pot {
    float x;
    Rgba paint;
    const char* word;
};

std::vector<Pot> potsOf(int n) {
    const char* fire = say(words::kPotFire);
    const char* water = say(words::kPotWater);
    const Pot red{kPanelPotX[0], pal::kRed, fire}, green{kPanelPotX[1], pal::kGreen, say(words::kPotWind)},
        blue{kPanelPotX[2], pal::kBlue, water};
    if (n == 1) return {{128, pal::kRed, fire}};
    if (n == 2) return {{64, pal::kRed, fire}, {192, pal::kBlue, water}};
    return {red, green, blue};
}

// Horizontal planks with a soft grain, lit along their upper edges.
void planks(Canvas& c, const Theme& t, Rng& rng) {
    const float rows[5] = {kTop + 8, 362, 404, 446, 481};
    Ramp w = shade(t.wood);
    for (int i = 0; i < 4; ++i) {
        int y0 = int(rows[i]), y1 = int(rows[i + 1]);
        Rgba base = mix(t.wood, i % 2 ? w.light : w.shadow, 0.12f);
        uint32_t seed = uint32_t(rng.next() & 0xFFFF);
        c.fill(Shape::rect(0, float(y0), 640, float(y1 - y0)), [&](int x, int y) {
            float g = fbm1(float(x) * 0.02f + float(y) * 0.45f, seed, 3);
            float k = 0.5f + 0.5f * std::sin(float(y) * 1.7f + g * 5.f);
            return mix(base, w.shadow, 0.12f + 0.16f * k * k);
        });
        c.fillRect(0, y0, 640, 1, withAlpha(w.light, 0.9f));
        c.fillRect(0, y1 - 1, 640, 1, withAlpha(w.deep, 0.8f));
        // board ends and nails
        for (int k = 0; k < 3; ++k) {
            float x = float((i * 173 + k * 260 + 90) % 640);
            c.fillRect(int(x), y0, 1, y1 - y0, withAlpha(w.deep, 0.6f));
            c.fillRect(int(x) + 1, y0, 1, y1 - y0, withAlpha(w.light, 0.5f));
        }
    }
    paperGrain(c, 2);
}

// The moulding along the panel's top edge.
void topTrim(Canvas& c, const Theme& t) {
    Ramp w = shade(t.wood);
    c.fillRect(0, int(kTop), 640, 8, w.shadow);
    c.fillRect(0, int(kTop), 640, 1, pal::kOutline);
    c.fillRect(0, int(kTop) + 1, 640, 2, w.light);
    c.fillRect(0, int(kTop) + 3, 640, 1, withAlpha(t.accent, 0.9f));
    c.fillRect(0, int(kTop) + 7, 640, 1, w.deep);
}

// A recessed area: outline, a shadow along its upper-left inner edge.
void recess(Canvas& c, const Shape& s, Rgba fill, Rgba frame) {
    c.fill(s.grow(2), withAlpha(shade(frame).light, 0.9f));
    c.fill(s.grow(1), pal::kOutline);
    c.fill(s, fill);
    c.fill(s - s.shift(3, 3), withAlpha(darker(fill, 0.35f), 0.55f));
}

// A flower of five petals in one of three soft colours.
void flowerMotif(Canvas& c, float x, float y, float s, const Theme&, Rng& rng) {
    const Rgba petals[3] = {pal::kPetal, pal::kStraw, pal::kPaleSky};
    Rgba p = petals[rng.pick(0, 2)];
    for (int i = 0; i < 5; ++i) {
        float a = float(i) / 5.f * 2.f * float(kPi);
        c.fillCircle(x + std::cos(a) * s * 0.32f, y + std::sin(a) * s * 0.32f, s * 0.26f, p);
    }
    c.fillCircle(x, y, s * 0.18f, pal::kAmber);
}

// A raindrop.
void rainMotif(Canvas& c, float x, float y, float s, const Theme& t, Rng&) {
    Shape d = Shape::circle(x, y + s * 0.15f, s * 0.26f) |
              Shape::polygon({{x - s * 0.22f, y + s * 0.03f}, {x, y - s * 0.42f}, {x + s * 0.22f, y + s * 0.03f}});
    c.fill(d.grow(1), withAlpha(darker(t.accent, 0.3f), 0.8f));
    c.fill(d, mix(t.accent, pal::kPaleSky, 0.5f));
}

// A small cloud.
void cloudMotif(Canvas& c, float x, float y, float s, const Theme& t, Rng&) {
    Shape cl = Shape::circle(x - s * 0.28f, y + s * 0.05f, s * 0.22f) | Shape::circle(x, y - s * 0.08f, s * 0.3f) |
               Shape::circle(x + s * 0.3f, y + s * 0.06f, s * 0.2f) |
               Shape::roundRect(x - s * 0.5f, y, s, s * 0.24f, s * 0.12f);
    c.fill(cl.grow(1), withAlpha(t.accent, 0.8f));
    c.fill(cl, pal::kEyeWhite);
}

// A star, a little turned.
void starMotif(Canvas& c, float x, float y, float s, const Theme& t, Rng& rng) {
    Shape st = star(x, y, s * 0.42f, s * 0.18f, float(rng.range(-0.2, 0.2)));
    c.fill(st.grow(1), withAlpha(darker(t.accent, 0.4f), 0.9f));
    c.fill(st, mix(t.accent, pal::kStraw, 0.5f));
}

// A small skyline: three towers, a few windows lit.
void cityMotif(Canvas& c, float x, float y, float s, const Theme&, Rng& rng) {
    const float hs[3] = {0.7f, 1.f, 0.55f};
    for (int k = 0; k < 3; ++k) {
        float bx = x - s * 0.45f + float(k) * s * 0.3f, bh = s * hs[k];
        Shape b = Shape::rect(bx, y + s * 0.45f - bh, s * 0.28f, bh);
        c.fill(b.grow(1), pal::kOutline);
        c.fill(b, k == 1 ? pal::kDusk : pal::kDusk);
        for (float wy = y + s * 0.45f - bh + 2.f; wy < y + s * 0.4f - 1.f; wy += 3.f)
            if (rng.chance(0.6)) c.fillRect(int(bx + 1.5f + float(rng.pick(0, 1)) * s * 0.12f), int(wy), 2, 2, pal::kGoldLight);
    }
}

// A crystal, lit on its left.
void crystalMotif(Canvas& c, float x, float y, float s, const Theme& t, Rng&) {
    Shape cr = Shape::polygon({{x, y - s * 0.5f}, {x + s * 0.2f, y - s * 0.1f}, {x + s * 0.12f, y + s * 0.4f},
                               {x - s * 0.12f, y + s * 0.4f}, {x - s * 0.2f, y - s * 0.1f}});
    c.fill(cr.grow(1), pal::kOutline);
    c.fill(cr, t.accent);
    c.fill(cr & Shape::rect(x - s, y - s, s, 2 * s), lighter(t.accent, 0.45f));
}

// A little golden crown, the legend's.
void crownMotif(Canvas& c, float x, float y, float s, const Theme& t, Rng&) {
    Shape crown = Shape::polygon({{x - s * 0.45f, y + s * 0.3f}, {x - s * 0.5f, y - s * 0.3f}, {x - s * 0.22f, y},
                                  {x, y - s * 0.42f}, {x + s * 0.22f, y}, {x + s * 0.5f, y - s * 0.3f},
                                  {x + s * 0.45f, y + s * 0.3f}});
    c.fill(crown.grow(1), pal::kOutline);
    c.fill(crown, t.accent);
    c.fill(crown & Shape::rect(x - s, y + s * 0.12f, 2 * s, s * 0.2f), darker(t.accent, 0.25f));
    c.fill(crown - crown.shift(1, 1), lighter(t.accent, 0.5f));
    c.fillCircle(x, y + s * 0.05f, std::max(1.f, s * 0.09f), pal::kRed);
}

using MotifDraw = void (*)(Canvas&, float x, float y, float size, const Theme&, Rng&);
// Drawers in the order of Motif.
constexpr MotifDraw kMotifs[] = {flowerMotif, rainMotif, cloudMotif, starMotif, cityMotif, crystalMotif, crownMotif};

void motifAt(Canvas& c, Motif m, float x, float y, float s, const Theme& t, Rng& rng) { kMotifs[int(m)](c, x, y, s, t, rng); }

TextStyle tagStyle(int size, Rgba colour) {
    TextStyle st;
    st.face = Face::Gothic;
    st.bold = true;
    st.size = size;
    st.colour = colour;
    return st;
}

// A small wooden tag with a word on it.
void tag(Canvas& c, float cx, float cy, float w, float h, const char* text, const Theme& t) {
    Shape s = Shape::roundRect(cx - w / 2, cy - h / 2, w, h, 5);
    c.fill(s.grow(1), pal::kOutline);
    Ramp paper = shade(pal::kCream);
    c.fill(s, paper.base);
    c.fill(s - s.shift(0, -2), paper.shadow);
    c.fill(Shape::rect(cx - w / 2 + 4, cy - h / 2 + 1, w - 8, 1), paper.shine);
    (void)t;
    textCentred(c, cx, cy, text, tagStyle(int(h) - 7, pal::kInk));
}

}  // namespace

namespace {

Rng panelRng(int n) { return Rng(seedOf("img/panel" + std::to_string(n))); }

// The planks and their top trim.
Canvas boards(const Theme& t, Rng& rng) {
    Canvas c(kScreenW, kScreenH);
    planks(c, t, rng);
    topTrim(c, t);
    return c;
}

}  // namespace

Canvas panelBoards(int n) {
    Rng rng = panelRng(n);
    return boards(themeOf(n), rng);
}

namespace {

// The paint shelf: its tag, a row of ornaments, the plank the pots stand on,
// the pots with their names and each count's little window.
void paintShelf(Canvas& c, int n, const Theme& t, Rng& rng) {
    Shape shelf = Shape::roundRect(14, 334, 326, 138, 10);
    recess(c, shelf, t.cloth, t.wood);
    tag(c, 52, 348, 60, 20, say(words::kPaintTag), t);
    for (int i = 0; i < 9; ++i) {
        float x = 104 + float(i) * 27.f + float(rng.range(-3, 3));
        float y = 350 + float(rng.range(-4, 5));
        motifAt(c, t.motif, x, y, float(rng.range(11, 15)), t, rng);
    }
    Ramp w = shade(t.wood);
    c.fill(Shape::rect(18, 446, 318, 5), w.light);
    c.fill(Shape::rect(18, 451, 318, 1), w.deep);
    for (const Pot& p : potsOf(n)) {
        Shape plate = Shape::roundRect(p.x + 66, 388, 28, 56, 6);
        c.fill(plate.grow(1), withAlpha(pal::kOutline, 0.85f));
        c.fill(plate, lighter(t.cloth, 0.5f));
        c.fill(plate - plate.shift(2, 2), withAlpha(darker(t.cloth, 0.3f), 0.6f));
        paintPot(c, p.x, kPanelPotTop, p.paint);
        Ramp pr = shade(p.paint);
        TextStyle st = tagStyle(14, pr.deep);
        textCentred(c, p.x + 32, 461, p.word, st);
    }
}

// The reset button with its label, centred in its clickable square.
void resetButton(Canvas& c, const Theme& t) {
    const LayoutRect& r = kPanelResetButton;
    const float cx = (r.x0 + r.x1) / 2, cy = (r.y0 + r.y1) / 2 - 1;
    tag(c, cx, 409, 54, 20, say(words::kRetryTag), t);
    Shape lip = Shape::circle(cx, cy + 1, 23);
    Shape face = Shape::circle(cx, cy - 2, 20.5f);
    c.fill(Shape::circle(cx + 2, cy + 4, 23), withAlpha(pal::kNightLift, 0.35f));
    c.fill(lip.grow(1), pal::kOutline);
    Ramp b = shade(pal::kOrange);
    c.fill(lip, b.shadow);
    c.fill(face, b.base);
    c.fill(face - face.shift(2, 2), b.light);
    c.fill(face - face.shift(-2, -2), withAlpha(b.shadow, 0.6f));
    retryArrow(c, cx, cy - 2, 11, 5, pal::kOutline);
}

// An emblem of the stage, a medal above the reset button.
void emblem(Canvas& c, int n, const Theme& t) {
    const float cx = (kPanelResetButton.x0 + kPanelResetButton.x1) / 2, cy = 362;
    Shape medal = Shape::circle(cx, cy, 22);
    c.fill(medal.grow(2), withAlpha(shade(t.wood).light, 0.9f));
    c.fill(medal.grow(1), pal::kOutline);
    c.fill(medal, lighter(t.cloth, 0.2f));
    c.fill(medal - medal.shift(2, 2), withAlpha(darker(t.cloth, 0.3f), 0.6f));
    Rng one(seedOf("emblem" + std::to_string(n)));
    motifAt(c, t.motif, cx, cy, 26, t, one);
}

// The time window's frame, caption and sand-glass, and the window cut
// through them: the time strip under the panel shows there.
void timeWindow(Canvas& c, const Theme& t) {
    const Ramp w = shade(t.wood);
    tag(c, 447, 380, 52, 19, say(words::kTimeTag), t);
    Shape frame = Shape::roundRect(kWinX0 - 7, kWinY0 - 6, kWinX1 - kWinX0 + 14, kWinY1 - kWinY0 + 12, 10);
    c.fill(frame.grow(1), pal::kOutline);
    c.fill(frame, w.deep);
    c.fill(frame - frame.shift(0, 2), t.accent);
    c.fill(Shape::roundRect(kWinX0 - 2, kWinY0 - 2, kWinX1 - kWinX0 + 4, kWinY1 - kWinY0 + 4, 4), pal::kOutline);
    const float gx = 627, gy = 429;
    Shape glass = Shape::polygon({{gx - 6, gy - 12}, {gx + 6, gy - 12}, {gx + 1, gy}, {gx + 6, gy + 12}, {gx - 6, gy + 12}, {gx - 1, gy}});
    c.fill(glass.grow(1), pal::kOutline);
    c.fill(glass, pal::kMist);
    c.fill(Shape::polygon({{gx - 4, gy + 11}, {gx + 4, gy + 11}, {gx, gy + 4}}), pal::kAmber);
    c.fill(Shape::rect(gx - 8, gy - 15, 16, 3), w.deep);
    c.fill(Shape::rect(gx - 8, gy + 12, 16, 3), w.deep);
    for (int y = int(kWinY0); y < int(kWinY1); ++y)
        for (int x = int(kWinX0); x < int(kWinX1); ++x) c.at(x, y) = kClear;
}

}  // namespace

Canvas stagePanel(int n) {
    const Theme t = themeOf(n);
    Rng rng = panelRng(n);
    Canvas c = boards(t, rng);
    paintShelf(c, n, t, rng);
    resetButton(c, t);
    emblem(c, n, t);
    // the lives shelf: the caption and the icons are drawn over it
    const LayoutRect& lives = kPanelLivesRow;
    recess(c, Shape::roundRect(lives.x0 - 8, lives.y0 - 1, lives.x1 - lives.x0 + 12, lives.y1 - lives.y0 + 4, 9),
           darker(t.wood, 0.45f), t.wood);
    timeWindow(c, t);
    return c;
}

}  // namespace ag::hud
