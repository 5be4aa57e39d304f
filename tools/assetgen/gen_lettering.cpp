// The lettering sheet `img/mozi.png` (512x512, green key) and the pictures
// shown for one tick before a stage restarts. Each piece of the sheet lies in
// its cell of the layout header (kLetter..., Letter...), where the game
// samples it.
#include <cmath>

#include "hud_kit.h"
#include "hud_parts.h"
#include "palette.h"
#include "props.h"
#include "stage/screen_layout.h"
#include "words.h"

namespace ag::hud {

namespace {


// Sticker lettering: the fill inside a cream rim inside a dark rim, fitted
// into a w x h box centred on (cx, cy).
void sticker(Canvas& c, float cx, float cy, float w, float h, const char* text, Rgba fill, Rgba rim = pal::kWall,
             int rimW = 3, int darkW = 2) {
    TextStyle st;
    st.face = Face::Gothic;
    st.bold = true;
    st.size = 100;
    // Fit the ink, rims included, into the box.
    TextSize probe = inkSize(text, st);
    float k = std::min((w - 2.f * float(rimW + darkW)) / float(probe.w), (h - 2.f * float(rimW + darkW)) / float(probe.h));
    st.size = std::max(8, int(std::floor(100.f * k)));
    TextStyle dark = st;
    dark.colour = pal::kOutline;
    dark.outline = pal::kOutline;
    dark.outlineWidth = rimW + darkW;
    TextStyle light = st;
    light.colour = fill;
    light.outline = rim;
    light.outlineWidth = rimW;
    TextStyle shade = dark;
    textCentred(c, cx + 1.5f, cy + 2.f, text, shade);
    textCentred(c, cx, cy, text, dark);
    textCentred(c, cx, cy, text, light);
}

Canvas cell(int w, int h) { return Canvas(w, h); }

// ---------------------------------------------------------------- banner
Canvas bannerRibbon() {
    // Stretched from zero to full width while the roller rolls: only
    // horizontal bands, so it looks the same at any width.
    Canvas c = cell(288, 32);
    Shape band = Shape::rect(0, 3, 288, 26).hard();
    c.fill(band.grow(1), pal::kOutline);
    const Rgba stripes[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    for (int i = 0; i < 3; ++i) {
        Ramp r = shade(stripes[i]);
        int y0 = 3 + i * 9, h = i == 2 ? 8 : 9;
        c.fillRect(0, y0, 288, h, r.base);
        c.fillRect(0, y0, 288, 2, r.light);
        c.fillRect(0, y0 + h - 1, 288, 1, r.shadow);
    }
    c.fillRect(0, 4, 288, 1, withAlpha(pal::kPaper, 0.6f));
    return c;
}

Canvas bannerRoller() {
    Canvas c = cell(96, 96);
    const float cx = 48, cy = 48;
    Shape tyre = Shape::circle(cx, cy, 45).hard();
    c.fill(tyre.grow(1), pal::kOutline);
    Ramp rim = shade(pal::kCream);
    c.fill(tyre, rim.base);
    c.fill(tyre - Shape::circle(cx - 2, cy - 2, 45).hard(), rim.shadow);
    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    for (int i = 0; i < 3; ++i) {
        float a0 = float(i) / 3.f * 2.f * float(kPi) - float(kPi) / 2.f, a1 = a0 + 2.f * float(kPi) / 3.f;
        std::vector<Pt> pts{{cx, cy}};
        for (int k = 0; k <= 20; ++k) {
            float a = a0 + (a1 - a0) * float(k) / 20.f;
            pts.push_back({cx + std::cos(a) * 38.f, cy + std::sin(a) * 38.f});
        }
        Shape sector = Shape::polygon(pts).hard();
        Ramp p = shade(paints[i]);
        c.fill(sector, p.base);
        // each sector lit on its outer edge, so the turning reads
        float am = (a0 + a1) / 2.f;
        c.fill(sector - Shape::circle(cx, cy, 31).hard(), p.light);
        c.fill(sector & Shape::circle(cx + std::cos(am) * 22.f, cy + std::sin(am) * 22.f, 5).hard(), p.shine);
        c.fill(Shape::capsule({cx, cy}, {cx + std::cos(a0) * 38.f, cy + std::sin(a0) * 38.f}, 1.3f).hard(), pal::kOutline);
    }
    c.fill(Shape::circle(cx, cy, 38).hard() - Shape::circle(cx, cy, 37).hard(), pal::kOutline);
    // the hub with a star
    Shape hub = Shape::circle(cx, cy, 13).hard();
    c.fill(hub.grow(1), pal::kOutline);
    c.fill(hub, pal::kWall);
    c.fill(star(cx, cy, 10, 4.2f).hard(), pal::kOrange);
    // studs on the tyre
    for (int i = 0; i < 12; ++i) {
        float a = float(i) / 12.f * 2.f * float(kPi);
        c.fill(Shape::circle(cx + std::cos(a) * 41.5f, cy + std::sin(a) * 41.5f, 1.6f).hard(), rim.deep);
    }
    return c;
}

// ---------------------------------------------------------------- speech bubble
// Drawn above the partner's head while she waits in stage 1: the bubble sits
// to her left and points at her, leaving her head (the right third, lower
// half of the cell) uncovered.
Canvas waitingBubble() {
    Canvas c = cell(96, 32);
    Shape body = Shape::roundRect(1, 1, 72, 24, 10).hard();
    Shape tail = Shape::polygon({{58, 20}, {79, 29}, {66, 15}}).hard();
    Shape all = body | tail;
    c.fill(all.grow(1), pal::kOutline);
    c.fill(all, pal::kWall);
    c.fill(body - body.shift(0, -2), pal::kPaperShade);
    TextStyle st;
    st.face = Face::Gothic;
    st.bold = true;
    st.colour = pal::kInk;
    for (int size = 16; size >= 9; --size) {
        st.size = size;
        if (inkSize(say(words::kWaiting), st).w <= 64) break;
    }
    textCentred(c, 37, 13, say(words::kWaiting), st);
    return c;
}

// ---------------------------------------------------------------- stage select
Canvas difficultyPlaque() {
    Canvas c = cell(128, 64);
    Shape plate = Shape::roundRect(3, 12, 121, 40, 8).hard();
    c.fill(plate.shift(1, 2).grow(1), withAlpha(pal::kOutline, 1.f));
    c.fill(plate.grow(1), pal::kOutline);
    Ramp paper = shade(pal::kPaper);
    c.fill(plate, paper.base);
    c.fill(plate - plate.shift(0, -3), paper.shadow);
    c.fill(plate - plate.shift(1, 1), paper.shine);
    // a gold star at the right end points to the row of stars beside it
    c.fill(star(112, 32, 8, 3.6f).hard().grow(1), pal::kOutline);
    c.fill(star(112, 32, 8, 3.6f).hard(), pal::kOrange);
    TextStyle st;
    st.face = Face::Gothic;
    st.bold = true;
    st.size = 19;
    st.colour = pal::kInk;
    textCentred(c, 55, 32, say(words::kDifficulty), st);
    return c;
}

Canvas pageArrow(bool next, bool lit) {
    Canvas c = cell(64, 32);
    auto X = [&](float x) { return next ? x : 64.f - x; };
    Shape arrow = Shape::polygon({{X(3), 9}, {X(40), 9}, {X(40), 2}, {X(61), 16}, {X(40), 30}, {X(40), 23}, {X(3), 23}}).hard();
    Rgba body = lit ? pal::kAmber : pal::kOrange;
    Ramp r = shade(body);
    if (lit) c.fill(arrow.grow(2), pal::kPaper);  // a glow around the lit arrow
    c.fill(arrow.grow(1), pal::kOutline);
    c.fill(arrow, r.base);
    c.fill(arrow - arrow.shift(0, -2), r.shadow);
    c.fill(arrow - arrow.shift(0, 2), lit ? r.shine : r.light);
    TextStyle st;
    st.face = Face::Gothic;
    st.bold = true;
    st.size = 12;
    st.colour = pal::kOutline;
    textCentred(c, X(23), 16, say(next ? words::kNext : words::kPrev), st);
    return c;
}

// ---------------------------------------------------------------- numbers
Canvas stageNumber(int p) {
    Canvas c = cell(96, 96);
    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    char text[2] = {char('0' + p), 0};
    sticker(c, 48, 49, 84, 90, text, paints[(p - 1) % 3], pal::kWall, 4, 3);
    return c;
}

// The clear letters: ク, リ, ア in the three paints, then a gold "!".
Canvas clearLetter(int i) {
    const char* text[4] = {say(words::kClear[0]), say(words::kClear[1]), say(words::kClear[2]), say(words::kClear[3])};
    const Rgba fills[4] = {pal::kRed, pal::kGreen, pal::kBlue, pal::kOrange};
    Canvas c = cell(i == 3 ? 32 : 64, 64);
    sticker(c, float(c.width()) / 2.f, 32, float(c.width()) - 2.f, 60, text[i], fills[i], pal::kWall, 3, 2);
    return c;
}

}  // namespace

// ---------------------------------------------------------------- time strip
// 384x64 as seen on screen. The panel shows 192 px of it through its window:
// at the start the left half (the full bar), then, as the strip slides left,
// the bar's end with its apple comes in from the right and the empty trough
// behind it, until the time is up with the trough alone in view.
Canvas timeStrip() {
    Canvas c(384, 64);
    const Rgba trough = pal::kNightLift;
    c.vGradient(0, 0, 384, 64, {{0.f, pal::kNight}, {0.3f, trough}, {1.f, pal::kSlate}});
    // tick marks along the trough
    for (int x = 6; x < 384; x += 12) {
        bool major = (x - 6) % 48 == 0;
        c.fillRect(x, major ? 50 : 54, 2, major ? 9 : 5, pal::kDusk);
    }
    // the bar: warm amber with a lit top, slanted stripes and a round end
    const float end = 192;
    Shape bar = (Shape::rect(-4, 12, end - 20 + 4, 40) | Shape::circle(end - 20, 32, 20)).hard();
    c.fill(bar.grow(1), pal::kOutline);
    c.fill(bar, [&](int x, int y) {
        float t = (float(y) - 12.f) / 40.f;
        Rgba base = mix(pal::kGoldLight, pal::kOrange, t);
        bool stripe = ((x + y) / 10) % 2 == 0;
        return stripe ? mix(base, pal::kSkyLow, 0.25f) : base;
    });
    c.fill(bar & Shape::rect(0, 14, 400, 3), withAlpha(pal::kPaper, 0.85f));
    c.fill(bar & Shape::rect(0, 46, 400, 5), withAlpha(pal::kRoof, 0.6f));
    // the apple riding the end of the bar
    apple(c, end - 20, 33, 15, false, true);
    return c;
}

namespace {
// Pastes a piece at its cell's top-left corner.
void paste(Canvas& sheet, const Canvas& piece, const LayoutRect& cell) { sheet.blit(piece, int(cell.x0), int(cell.y0)); }
}  // namespace

Canvas letteringSheet() {
    const int size = int(kLetteringSheet);
    Canvas c(size, size);
    paste(c, bannerRibbon(), kLetterBannerBar);
    Canvas label(192, 64);
    // A full, warm fill: the label fades in over the stage, and pale
    // lettering turns into a see-through grey while it does.
    sticker(label, 96, 32, 186, 60, say(words::kStageWord), pal::kOrange, pal::kWall, 2, 2);
    paste(c, label, kLetterStageCaption);

    // the strip turned a quarter: its left end at the cell's top
    Canvas strip = timeStrip();
    const int right = int(kLetterTimeStrip.x1) - 1, top = int(kLetterTimeStrip.y0);
    for (int sy = 0; sy < 64; ++sy)
        for (int sx = 0; sx < 384; ++sx) c.at(right - sy, top + sx) = strip.at(sx, sy);

    paste(c, waitingBubble(), kLetterWaitingBubble);
    paste(c, bannerRoller(), kLetterBannerRoller);
    paste(c, difficultyPlaque(), kLetterDifficulty);
    for (int i = 0; i < 4; ++i) paste(c, clearLetter(i), LetterClear(i));

    Canvas lives(64, 32);
    sticker(lives, 32, 16, 62, 30, say(words::kLivesWord), pal::kWall, pal::kBrown, 1, 2);
    paste(c, lives, kLetterLives);

    for (int p = 1; p <= 9; ++p) paste(c, stageNumber(p), LetterStageNumber(p));
    for (bool lit : {false, true})
        for (bool next : {false, true}) paste(c, pageArrow(next, lit), LetterPageArrow(next, lit));
    return c;
}

// ---------------------------------------------------------------- restarts
// Shown for one tick (and while the stage reloads) over the stage: a card
// across the middle of the screen; the rest is the near-black key.
Canvas resetPicture() {
    Canvas c(640, 480);
    // a dark ribbon across the screen, the card on it
    c.fill(Shape::rect(0, 196, 640, 88), withAlpha(pal::kNight, 1.f));
    c.fill(Shape::rect(0, 200, 640, 2), pal::kGold);
    c.fill(Shape::rect(0, 278, 640, 2), pal::kGold);
    Shape card = Shape::roundRect(150, 160, 340, 160, 18);
    c.fill(card.shift(4, 6), pal::kNight);
    c.fill(card.grow(3), pal::kOutline);
    c.fill(card.grow(2), pal::kGold);
    c.fill(card, [&](int, int y) { return mix(pal::kPaper, pal::kCream, (float(y) - 160.f) / 160.f); });
    paperGrain(c, 2);
    c.fill(Shape::roundRect(160, 170, 320, 140, 12) - Shape::roundRect(161, 171, 318, 138, 11), withAlpha(pal::kGold, 0.8f));
    retryArrow(c, 204, 238, 28, 11, pal::kOutline);
    retryArrow(c, 204, 238, 28, 7, pal::kRed);
    TextStyle st;
    st.face = Face::Gothic;
    st.bold = true;
    st.size = 46;
    st.colour = pal::kInk;
    st.shadow = pal::kStraw;
    textCentred(c, 366, 234, say(words::kRetry), st);
    TextStyle sub = st;
    sub.size = 15;
    sub.shadow = kClear;
    sub.colour = pal::kBrown;
    textCentred(c, 366, 286, say(words::kRetrySub), sub);
    c.matte(pal::kNight);
    return c;
}

Canvas timeUpPicture() {
    Canvas c(640, 480);
    // motion lines: the alarm is ringing
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 3; ++i) {
            float a = (-0.5f + 0.35f * float(i)) * (side < 0 ? -1.f : 1.f);
            float x0 = 320 + side * 108.f, y0 = 178 + i * 34.f - 34.f;
            Shape line = Shape::capsule({x0, y0}, {x0 + side * 34.f, y0 + a * 20.f}, 4.f).hard();
            c.fill(line.grow(2), pal::kOutline);
            c.fill(line, pal::kWall);
        }
    apple(c, 320, 184, 92, true, true);
    TextStyle st;
    Canvas text(460, 110);
    sticker(text, 230, 55, 440, 96, say(words::kTimeUp), pal::kRed, pal::kWall, 5, 3);
    c.blit(text, 90, 300);
    return c;
}

Canvas gaugePicture() {
    Canvas c(256, 32);
    Shape frame = Shape::roundRect(1, 1, 254, 30, 10).hard();
    c.fill(frame.grow(1), pal::kOutline);
    c.fill(frame, pal::kNightLift);
    Shape fillS = Shape::roundRect(5, 6, 180, 20, 8).hard();
    c.fill(fillS, [&](int, int y) { return mix(pal::kGoldLight, pal::kOrange, (float(y) - 6.f) / 20.f); });
    c.fill(fillS & Shape::rect(0, 7, 256, 3), pal::kSkyLow);
    return c;
}

}  // namespace ag::hud
