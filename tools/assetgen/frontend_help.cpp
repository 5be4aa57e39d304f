// The help screen: a small stage screen with seven numbered rings over the
// things a player asks about, and the six explanation pages beside it.
#include <cmath>

#include "frontend_kit.h"
#include "hud_kit.h"
#include "hud_parts.h"
#include "palette.h"
#include "stage_sheets.h"
#include "props.h"
#include "scenery.h"
#include "stage/screen_layout.h"
#include "words.h"

namespace ag::fe {

namespace {

constexpr int W = 640, H = 480;

// A picture rectangle from screen rows y0..y1.
struct Box {
    float x0, y0, x1, y1;
};
Box screenBox(float x0, float y0, float x1, float y1) { return {x0, py(y0), x1, py(y1)}; }

// Grass-topped earth, cut into blocks like the stage's map cells.
void ground(Canvas& c, float x0, float y0, float x1, float y1, float cell) {
    const Ramp earth = shade(pal::kEarth), grass = shade(pal::kGrass);
    Shape block = Shape::rect(x0, y0, x1 - x0, y1 - y0).hard();
    c.fill(block.grow(1), pal::kOutline);
    c.fill(block, earth.base);
    for (float x = x0 + cell; x < x1 - 1; x += cell) c.fill(Shape::rect(x, y0, 1, y1 - y0).hard(), earth.shadow);
    for (float y = y0 + cell; y < y1 - 1; y += cell) c.fill(Shape::rect(x0, y, x1 - x0, 1).hard(), earth.shadow);
    c.fill(Shape::rect(x0, y0 + 2, x1 - x0, 2).hard(), earth.light);
    Shape top = Shape::where(int(x0), int(y0) - 2, int(x1 - x0), 9, [&](float x, float y) {
        float edge = y0 + 4.5f + 1.5f * std::sin(x * 0.9f) * std::sin(x * 0.37f);
        return (y < edge && y >= y0) ? 1.f : 0.f;
    });
    c.fill(top, grass.base);
    c.fill(Shape::rect(x0, y0, x1 - x0, 1.5f).hard(), grass.light);
}

// A ring around a hot spot with its number on a round badge at the top
// left corner, inside the spot.
void spotRing(Canvas& c, int n) {
    const LayoutRect& s = kHelpSpots[n - 1];
    Box b = screenBox(s.x0, s.y0, s.x1, s.y1);
    const float cx = (b.x0 + b.x1) / 2, cy = (b.y0 + b.y1) / 2, rx = (b.x1 - b.x0) / 2, ry = (b.y1 - b.y0) / 2;
    const Rgba ring = pal::kPointer;
    Shape outer = Shape::ellipse(cx, cy, rx - 0.5f, ry - 0.5f), inner = Shape::ellipse(cx, cy, rx - 3.f, ry - 3.f);
    c.fill((outer - inner).grow(1), withAlpha(pal::kOutline, 0.85f));
    c.fill(outer - inner, ring);
    c.fill((outer - inner) - (outer - inner).shift(1, 1), lighter(ring, 0.5f));
    const float bx = b.x0 + 8.f, by = b.y0 + 8.f;
    Shape badge = Shape::circle(bx, by, 8.5f);
    c.fill(badge.grow(1), pal::kOutline);
    c.fill(badge, ring);
    c.fill(badge - badge.shift(1, 1), lighter(ring, 0.45f));
    TextStyle num = gothic(13, pal::kEyeWhite, pal::kOutline, 1);
    num.align = Align::Centre;
    drawText(c, int(bx) + 1, int(by) - 9, std::to_string(n), num);
}

// The three walkers' paint digits, as on the real panel: a rounded numeral
// with a pale rim.
void digit(Canvas& c, float x, float y, int n, Rgba paint, int size) {
    TextStyle st = gothic(size, paint, pal::kEyeWhite, 2);
    drawText(c, int(x), int(y), std::to_string(n), st);
}

// An hourglass, used for the time strip.
void hourglass(Canvas& c, float cx, float cy, float h) {
    const float w = h * 0.62f;
    Shape glass = Shape::polygon({{cx - w / 2, cy - h / 2}, {cx + w / 2, cy - h / 2}, {cx + 1, cy}, {cx + w / 2, cy + h / 2},
                                  {cx - w / 2, cy + h / 2}, {cx - 1, cy}});
    c.fill(glass.grow(1), pal::kOutline);
    c.fill(glass, pal::kMist);
    c.fill(glass & Shape::polygon({{cx - w * 0.32f, cy + h * 0.5f}, {cx + w * 0.32f, cy + h * 0.5f}, {cx, cy + h * 0.15f}}), pal::kGold);
    c.fill(glass & Shape::polygon({{cx - w * 0.25f, cy - h * 0.28f}, {cx + w * 0.25f, cy - h * 0.28f}, {cx, cy - 1}}), pal::kGold);
    const Ramp wood = shade(pal::kWood);
    part(c, Shape::roundRect(cx - w / 2 - 2, cy - h / 2 - 3, w + 4, 4, 1.5f), wood, 0);
    part(c, Shape::roundRect(cx - w / 2 - 2, cy + h / 2 - 1, w + 4, 4, 1.5f), wood, 0);
}

// The time strip: a framed orange bar with diagonal stripes, `full` of it
// still left, and the apple riding on its right end.
void apple(Canvas& c, float cx, float cy, float r) {
    const Ramp red = shade(pal::kRed);
    Shape body = Shape::circle(cx - r * 0.35f, cy, r * 0.75f) | Shape::circle(cx + r * 0.35f, cy, r * 0.75f) |
                 Shape::circle(cx, cy + r * 0.2f, r * 0.8f);
    part(c, body, red, std::max(1, int(r * 0.25f)));
    c.fill(Shape::ellipse(cx - r * 0.45f, cy - r * 0.3f, r * 0.18f, r * 0.28f), red.shine);
    c.fill(Shape::capsule({cx, cy - r * 0.6f}, {cx + r * 0.15f, cy - r * 1.05f}, std::max(0.7f, r * 0.09f)), pal::kDarkBrown);
    Shape leaf = Shape::ellipse(cx + r * 0.45f, cy - r * 0.95f, r * 0.35f, r * 0.16f);
    part(c, leaf, shade(pal::kLeaf), 0);
}

void timeStrip(Canvas& c, float x, float y, float w, float h, float full) {
    Shape frame = Shape::roundRect(x, y, w, h, h / 2);
    c.fill(frame.grow(1), pal::kOutline);
    c.fill(frame, pal::kNightLift);
    const float bw = (w - 4) * full;
    Shape bar = Shape::roundRect(x + 2, y + 2, bw, h - 4, (h - 4) / 2);
    c.fill(bar, [&](int px, int pyy) {
        bool stripe = int(std::floor((float(px) + float(pyy)) / 5.f)) % 2 == 0;
        Rgba base = mix(pal::kAmber, pal::kOrange, (float(pyy) - y) / h);
        return stripe ? base : lighter(base, 0.25f);
    });
    c.fill(bar & Shape::rect(x, y + 2, w, (h - 4) * 0.35f), withAlpha(pal::kPaper, 0.5f));
    apple(c, x + 2 + bw - h * 0.25f, y + h * 0.5f, h * 0.55f);
}

// The reset button: a round red button with a curled arrow and its label.
void resetButton(Canvas& c, float cx, float cy, float r) {
    const Ramp red = shade(pal::kMenuRed);
    Shape base = Shape::circle(cx, cy + 2, r);
    Shape top = Shape::circle(cx, cy, r);
    c.fill((base | top).grow(1), pal::kOutline);
    c.fill(base, red.deep);
    c.fill(top, red.base);
    c.fill(top - top.shift(-1, -1), red.shadow);
    c.fill(top & Shape::ellipse(cx - r * 0.2f, cy - r * 0.35f, r * 0.6f, r * 0.35f), withAlpha(red.light, 0.8f));
    // curled arrow
    std::vector<Pt> arc;
    for (int i = 0; i <= 14; ++i) {
        float a = -0.6f + 4.6f * float(i) / 14.f;
        arc.push_back({cx + std::cos(a) * r * 0.5f, cy + std::sin(a) * r * 0.5f});
    }
    c.fill(Shape::polyline(arc, std::max(1.f, r * 0.12f)).grow(1), pal::kOutline);
    c.fill(Shape::polyline(arc, std::max(1.f, r * 0.12f)), pal::kEyeWhite);
    Pt e = arc.back();
    Shape head = Shape::polygon({{e.x - r * 0.28f, e.y - r * 0.08f}, {e.x + r * 0.2f, e.y - r * 0.22f}, {e.x + r * 0.02f, e.y + r * 0.28f}});
    c.fill(head.grow(1), pal::kOutline);
    c.fill(head, pal::kEyeWhite);
}

// A life: a small heart.
void heart(Canvas& c, float cx, float cy, float r, bool lost) {
    Shape s = Shape::circle(cx - r * 0.5f, cy - r * 0.2f, r * 0.55f) | Shape::circle(cx + r * 0.5f, cy - r * 0.2f, r * 0.55f) |
              Shape::polygon({{cx - r * 1.02f, cy}, {cx + r * 1.02f, cy}, {cx, cy + r}});
    c.fill(s.grow(1), pal::kOutline);
    c.fill(s, lost ? pal::kStone : pal::kHeart);
    if (!lost) c.fillCircle(cx - r * 0.55f, cy - r * 0.35f, r * 0.22f, pal::kWall);
}

// A wooden barricade of three stakes bound with rope: an obstacle that
// burns.
void stakes(Canvas& c, float x0, float base, float w, float h) {
    const Ramp wood = shade(pal::kWood);
    for (int i = 0; i < 3; ++i) {
        float x = x0 + w * (0.17f + 0.33f * float(i));
        float top = base - h * (i == 1 ? 1.f : 0.88f);
        Shape stake = Shape::polygon({{x - w * 0.13f, base}, {x - w * 0.13f, top + 5}, {x, top}, {x + w * 0.13f, top + 5}, {x + w * 0.13f, base}});
        part(c, stake, wood, 2);
        c.fill(Shape::rect(x - 1, top + 10, 1, h * 0.4f), wood.shadow);
    }
    for (float t : {0.35f, 0.7f}) {
        float y = base - h * t;
        c.fill(Shape::capsule({x0 + 1, y}, {x0 + w - 1, y + 2}, 1.6f).grow(1), pal::kOutline);
        c.fill(Shape::capsule({x0 + 1, y}, {x0 + w - 1, y + 2}, 1.6f), pal::kStraw);
    }
}

// A glowing column over the goal.
void goalLight(Canvas& c, float cx, float top, float bottom, float w) {
    for (int i = 0; i < 6; ++i) {
        float k = 1.f - float(i) / 6.f;
        c.fill(Shape::roundRect(cx - w * k / 2, top, w * k, bottom - top, w * k / 2), withAlpha(pal::kSkyLow, 0.16f));
    }
    c.fill(Shape::ellipse(cx, bottom, w * 0.7f, 3.5f), withAlpha(pal::kSkyLow, 0.8f));
}

// Motion marks behind a walker.
void speedLines(Canvas& c, float x, float y, float len, int dir) {
    for (int i = 0; i < 3; ++i) {
        float yy = y + i * 6.f, l = len * (i == 1 ? 1.f : 0.7f);
        c.fill(Shape::capsule({x, yy}, {x - dir * l, yy}, 1.f), withAlpha(pal::kOutline, 0.5f));
    }
}

// An arrow along a path of points (a shaft and a head at the end).
void arrowAlong(Canvas& c, const std::vector<Pt>& pts, float width, Rgba col, bool dashed = false) {
    if (dashed) {
        for (size_t i = 0; i + 1 < pts.size(); i += 2) c.fill(Shape::capsule(pts[i], pts[i + 1], width / 2), col);
    } else {
        c.fill(Shape::polyline(pts, width / 2), col);
    }
    Pt a = pts[pts.size() - 2], b = pts.back();
    float dx = b.x - a.x, dy = b.y - a.y, l = std::sqrt(dx * dx + dy * dy);
    dx /= l;
    dy /= l;
    float s = width * 2.6f;
    c.fill(Shape::polygon({{b.x + dx * s, b.y + dy * s}, {b.x - dy * s * 0.8f, b.y + dx * s * 0.8f}, {b.x + dy * s * 0.8f, b.y - dx * s * 0.8f}}),
           col);
}

// ---------------------------------------------------------------- the help screen
// The small stage screen: the hero walks from a ledge on the left, drops to
// the ground, meets the stakes, and his partner waits on the high ledge in
// the goal's light; the panel holds the pots, digits, time strip, reset
// button and lives, each where its ring is.

// The screen's frame, a bezel round the picture.
void bezel(Canvas& c, const Box& screen) {
    Shape b = Shape::roundRect(screen.x0 - 8, screen.y0 - 8, screen.x1 - screen.x0 + 16, screen.y1 - screen.y0 + 16, 12);
    c.fill(b.grow(2), pal::kOutline);
    c.fill(b, pal::kDusk);
    c.fill(b - b.shift(2, 2), pal::kDuskLight);
    c.fill(b - b.shift(-2, -2), pal::kSlate);
}

// The stage itself above the panel: sky, clouds, hills and trees, the goal's
// light, the ledges and ground, the stakes and the two walkers.
void miniScene(Canvas& c, const Box& screen, float panelTop, Rng& rng) {
    const float top = screen.y0;
    c.vGradient(int(screen.x0), int(top), int(screen.x1 - screen.x0), int(panelTop - top),
                {{0.f, pal::kSkyTop}, {0.6f, pal::kPaleSky}, {1.f, pal::kWall}});
    scenery::cloud(c, 90, py(150), 70, pal::kEyeWhite, pal::kMist, rng);
    scenery::cloud(c, 200, py(134), 46, pal::kEyeWhite, pal::kMist, rng);
    Shape hills = scenery::hillShape(int(screen.x0), int(screen.x1), py(250), 10, 0.02f, 41, panelTop) &
                  Shape::rect(screen.x0, top, screen.x1 - screen.x0, panelTop - top);
    scenery::hill(c, hills, pal::kMeadow, pal::kMeadowPale);
    scenery::roundTree(c, 180, py(252), 30, pal::kTreeGreen, rng);
    scenery::roundTree(c, 352, py(250), 26, pal::kTreeGreen, rng);
    goalLight(c, 281, top, py(202), 40);
    // terrain: the hero's ledge, the low ground, the partner's high ledge
    ground(c, screen.x0, py(258), 150, panelTop, 20);
    ground(c, 150, py(278), screen.x1, panelTop, 20);
    ground(c, 246, py(202), screen.x1, py(218), 20);
    ground(c, 384, py(218), screen.x1, py(278), 20);
    stakes(c, 226, py(278), 36, 44);
    Pose hero;
    hero.facing = 1.f;
    hero.stride = 0.8f;
    hero.expr = Expr::Calm;
    speedLines(c, 60, py(238), 10, 1);
    traveller(c, Who::Hero, 75, py(258), 37, hero);
    Pose partner;
    partner.facing = -1.f;
    partner.far = Arm::Wave;
    traveller(c, Who::Partner, 288, py(202), 36, partner);
}

// The panel, from the real panel's pieces: its planks and trim, the
// "えのぐ" and "じかん" tags, the glazed pots, the digits and hearts of the
// hero's sheet, the time strip with its apple, the round reset button and
// the "のこり" caption, each under its numbered ring.
void miniPanel(Canvas& c, const Box& p) {
    const Canvas real = hud::stagePanel(4);
    const Canvas walkers = sheet::heroSheet();
    const Canvas letters = hud::letteringSheet();
    const Canvas boards = hud::panelBoards(4);
    c.blit(boards.crop(0, int(kPanelTop), int(p.x1 - p.x0), int(p.y1 - p.y0)), int(p.x0), int(p.y0));
    // the tags, cut from the real panel
    c.blit(shrinkKeepingAlpha(real.crop(20, 336, 64, 24), 48, 18), 40, int(py(306)));
    c.blit(shrinkKeepingAlpha(real.crop(419, 369, 56, 22), 42, 16), 114, int(py(322)));
    // the time strip as its window shows it at the start: the full bar with
    // the apple on its end, under ring 4
    Shape window = Shape::roundRect(163, py(305), 148, 42, 5);
    c.fill(window.grow(1), pal::kOutline);
    c.fill(window, pal::kNightLift);
    c.blit(shrinkKeepingAlpha(hud::timeStrip().crop(0, 6, 192, 52), 146, 40), 164, int(py(305)) + 1);
    // pots and their digits
    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    const int counts[3] = {3, 2, 1};
    for (int i = 0; i < 3; ++i) {
        float x = 102.f + 52.f * float(i);
        Canvas pot(64, 64);
        hud::paintPot(pot, 0, 0, paints[i]);
        c.blit(shrinkKeepingAlpha(pot, 32, 32), int(x) - 16, int(py(394)) - 32);
        c.blit(shrinkKeepingAlpha(walkers.crop(32 * (4 + i), 64 * (8 + counts[i]), 32, 64), 16, 32), int(x) + 17,
               int(py(394)) - 32);
    }
    // the reset button with a 2-px margin, cut from the real panel, and the lives
    const LayoutRect& reset = kPanelResetButton;
    c.blit(shrinkKeepingAlpha(real.crop(int(reset.x0) - 2, int(reset.y0) - 2, int(reset.x1 - reset.x0) + 4,
                                        int(reset.y1 - reset.y0) + 4),
                              26, 26),
           295, int(py(381)) - 13);
    const LayoutRect& lives = kLetterLives;
    c.blit(shrinkKeepingAlpha(letters.crop(int(lives.x0), int(lives.y0), int(lives.x1 - lives.x0), int(lives.y1 - lives.y0)), 40, 20),
           330, int(py(352)));
    for (int i = 0; i < 3; ++i) {
        const int v = i == 2 ? 226 : 128;  // the lost life, then the living ones
        c.blit(shrinkKeepingAlpha(walkers.crop(160, v, 32, 32), 20, 20), 336 + 24 * i, int(py(384)) - 10);
    }
}

void miniStage(Canvas& c) {
    Rng rng(seedOf("img/help.png stage"));
    const Box screen = screenBox(24, 116, 420, 422);
    bezel(c, screen);
    const float panelTop = py(300);
    miniScene(c, screen, panelTop, rng);
    miniPanel(c, Box{screen.x0, panelTop, screen.x1, screen.y1});
}

}  // namespace

Canvas helpScreen(bool touch) {
    Canvas c(W, H);
    ribbonHeading(c, 150, py(22), say(words::kHelp), 30, pal::kMenuBlue);
    // a note beside the heading
    TextStyle note = gothic(15, pal::kInk, pal::kEyeWhite, 2);
    drawText(c, 262, int(py(36)), say(words::kHelpNote), note);
    paintBrush(c, {420, py(24)}, {386, py(76)}, 7.f, pal::kBlue, false);
    miniStage(c);
    for (int n = 1; n <= 7; ++n) spotRing(c, n);
    hintTag(c, 320, py(446), say(touch ? words::kTapHelpHint : words::kHelpHint), 15);
    // the keys have a card of their own
    hintTag(c, 536, py(84), say(words::kKeysHint), 14);
    return c;
}

// ---------------------------------------------------------------- pages
namespace {

struct PageText {
    const char* heading;
    Rgba colour;
    std::vector<std::string> lines;
};

// One 160x288 page with its top-left corner at (ox, oy): a card with a
// heading band, an illustration window and the explanation. The card keeps
// three pixels clear on its left so a page sampled a pixel late still shows
// all of it; its top-left corner lies under the page number.
void pageCard(Canvas& c, int ox, int oy, const PageText& t, const std::function<void(Canvas&, Box)>& illustrate) {
    const float x0 = float(ox) + 3, y0 = float(oy) + 2, w = 154, h = 284;
    Shape card = Shape::roundRect(x0, y0, w, h, 12);
    c.fill(card.grow(1), pal::kOutline);
    c.fill(card, [&](int, int y) { return mix(pal::kEyeWhite, pal::kWall, float(y - oy) / 288.f); });
    c.fill(card - card.shift(-2, -2), pal::kPaperShade);
    // heading band
    const Ramp band = shade(t.colour);
    Shape head = Shape::roundRect(x0 + 14, y0 + 8, w - 22, 28, 8);
    c.fill(head.grow(1), pal::kOutline);
    c.fill(head, band.base);
    c.fill(head & Shape::rect(x0, y0 + 8, w, 12), withAlpha(band.light, 0.6f));
    // the heading at 16 px, or smaller when a long one would overrun the band
    TextStyle hs = gothic(16, pal::kEyeWhite, pal::kOutline, 2);
    hs.align = Align::Centre;
    while (hs.size > 12 && measureText(t.heading, hs).w > int(w) - 30) --hs.size;
    drawText(c, int(x0 + 14 + (w - 22) / 2), int(y0 + 11) + (16 - hs.size) / 2, t.heading, hs);
    // illustration window
    Box win{x0 + 8, y0 + 44, x0 + w - 8, y0 + 146};
    Shape frame = Shape::roundRect(win.x0, win.y0, win.x1 - win.x0, win.y1 - win.y0, 6);
    c.fill(frame.grow(2), pal::kOutline);
    c.fill(frame.grow(1), pal::kGoldLight);
    Canvas pic(int(win.x1 - win.x0), int(win.y1 - win.y0));
    illustrate(pic, Box{0, 0, float(pic.width()), float(pic.height())});
    Shape inside = Shape::roundRect(0, 0, float(pic.width()), float(pic.height()), 6);
    for (int y = 0; y < pic.height(); ++y)
        for (int x = 0; x < pic.width(); ++x)
            if (inside.at(x, y) >= 0.5f) c.plot(int(win.x0) + x, int(win.y0) + y, pic.at(x, y), 1.f);
    // the text: the largest of 15 down to 12 px at which every line fits
    // (in English the book face's regular weight, narrower than its bold)
    TextStyle body = gothic(15, pal::kInk);
    body.bold = false;
    if (lang() == Lang::En) body.face = Face::Mincho;
    for (const auto& l : t.lines)
        while (body.size > 12 && measureText(l, body).w > int(w) - 12) --body.size;
    int y = int(win.y1) + 10;
    const int step = int(t.lines.size()) > 5 ? 20 : 22;
    for (const auto& l : t.lines) {
        // a line opening with a paint's name is written in that paint
        TextStyle st = body;
        if (l.rfind("赤", 0) == 0 || l.rfind("Red", 0) == 0) st.colour = darker(pal::kRed, 0.15f), st.bold = true;
        if (l.rfind("緑", 0) == 0 || l.rfind("Green", 0) == 0) st.colour = darker(pal::kGreen, 0.2f), st.bold = true;
        if (l.rfind("青", 0) == 0 || l.rfind("Blue", 0) == 0) st.colour = darker(pal::kBlue, 0.15f), st.bold = true;
        drawText(c, int(x0) + 8, y, l, st);
        y += step;
    }
}

// A sky-and-meadow backdrop for an illustration.
void meadow(Canvas& c, float groundY) {
    c.vGradient(0, 0, c.width(), c.height(), {{0.f, pal::kRainBlue}, {1.f, pal::kPaper}});
    c.fill(Shape::rect(0, groundY, float(c.width()), float(c.height()) - groundY), pal::kMeadow);
}

void illustrateGoal(Canvas& c, Box b) {
    meadow(c, 1000);
    ground(c, 0, 74, 64, b.y1 + 2, 16);
    ground(c, 64, 56, b.x1 + 2, b.y1 + 2, 16);
    goalLight(c, 104, 0, 56, 38);
    Pose p;
    p.facing = -1.f;
    p.far = Arm::Wave;
    p.expr = Expr::Grin;
    traveller(c, Who::Partner, 104, 56, 46, p);
    Pose hero;
    hero.facing = 1.f;
    hero.stride = 0.8f;
    traveller(c, Who::Hero, 34, 74, 46, hero);
    heart(c, 70, 16, 7, false);
    twinkle(c, 128, 14, 5, pal::kSkyLow);
    twinkle(c, 84, 34, 4, pal::kSkyLow);
}

void illustrateWalk(Canvas& c, Box b) {
    meadow(c, 1000);
    ground(c, 0, 54, 88, b.y1 + 2, 16);
    ground(c, 88, 84, b.x1 + 2, b.y1 + 2, 16);
    ground(c, 0, 0, 14, 54, 14);  // a wall at the left
    Pose hero;
    hero.facing = 1.f;
    hero.stride = 0.8f;
    traveller(c, Who::Hero, 52, 54, 42, hero);
    // turns at the wall, drops off the ledge
    arrowAlong(c, {{34, 22}, {24, 20}, {19, 26}, {22, 33}, {30, 34}}, 2.4f, pal::kPointer);
    arrowAlong(c, {{76, 40}, {88, 41}, {97, 46}, {101, 56}, {102, 66}, {102, 72}}, 2.4f, pal::kPointer, true);
    c.fill(Shape::ellipse(114, 81, 12, 2.5f), withAlpha(pal::kOutline, 0.25f));
}

void illustrateObstacles(Canvas& c, Box b) {
    meadow(c, 1000);
    ground(c, 0, 78, b.x1 + 2, b.y1 + 2, 16);
    // burning stakes, a boulder blown by wind, a sprout under rain
    stakes(c, 8, 78, 30, 36);
    for (int i = 0; i < 3; ++i) {
        float x = 14.f + 9.f * float(i), y = 40.f - (i == 1 ? 6.f : 0.f);
        Shape flame = Shape::polygon({{x - 5, y + 8}, {x, y - 8}, {x + 5, y + 8}}) | Shape::circle(x, y + 6, 5);
        c.fill(flame.grow(1), pal::kOutline);
        c.fill(flame, pal::kRed);
        c.fill(Shape::circle(x, y + 7, 2.5f), pal::kAmber);
    }
    const Ramp stone = shade(pal::kStone);
    Shape rock = Shape::ellipse(72, 64, 16, 14) | Shape::ellipse(80, 70, 12, 9);
    part(c, rock, stone, 2);
    for (int i = 0; i < 3; ++i) {
        float y = 48.f + 10.f * float(i);
        std::vector<Pt> gust;
        for (int k = 0; k <= 8; ++k) gust.push_back({52.f + 4.f * float(k), y + 2.f * std::sin(float(k) * 0.9f + float(i))});
        c.fill(Shape::polyline(gust, 1.2f), pal::kGreen);
    }
    const Ramp leaf = shade(pal::kLeaf);
    part(c, Shape::capsule({118, 78}, {118, 58}, 1.6f), leaf, 0);
    part(c, Shape::ellipse(111, 58, 7, 3.5f) | Shape::ellipse(125, 55, 7, 3.5f), leaf, 0);
    for (int i = 0; i < 4; ++i) paintDrop(c, 106.f + 9.f * float(i), 22.f + 8.f * float(i % 2), 3.f, pal::kBlue, false);
}

void illustrateTime(Canvas& c, Box b) {
    c.vGradient(0, 0, int(b.x1), int(b.y1), pal::kPaper, pal::kPaperShade);
    hourglass(c, 20, 32, 34);
    timeStrip(c, 38, 22, 96, 20, 0.62f);
    // which way it goes
    arrowAlong(c, {{124, 54}, {92, 54}}, 2.4f, pal::kPointer);
    TextStyle small = gothic(12, pal::kInk);
    drawText(c, 8, 70, say(words::kLivesWord), small);
    for (int i = 0; i < 3; ++i) heart(c, 62.f + 24.f * float(i), 80, 8, i == 2);
}

void illustratePots(Canvas& c, Box) {
    c.vGradient(0, 0, c.width(), c.height(), pal::kPaper, pal::kPaperShade);
    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    const char* names[3] = {say(words::kFire), say(words::kWind), say(words::kWater)};
    // The names sit under pots 44 px apart: a size at which neighbours keep
    // a gap (English words are wider than the one-character Japanese ones).
    TextStyle st = gothic(15, pal::kInk, pal::kEyeWhite, 2);
    st.align = Align::Centre;
    auto crowded = [&] {
        for (int i = 0; i < 2; ++i)
            if (measureText(names[i], st).w + measureText(names[i + 1], st).w > 2 * 44 - 6) return true;
        return false;
    };
    while (st.size > 11 && crowded()) --st.size;
    for (int i = 0; i < 3; ++i) {
        float x = 26.f + 44.f * float(i);
        paintPot(c, x, 64, 34, paints[i]);
        st.colour = paints[i];
        drawText(c, int(x), 70 + (15 - st.size) / 2, names[i], st);
    }
    paintBrush(c, {128, 6}, {96, 34}, 6.f, pal::kGreen, false);
}

void illustrateCount(Canvas& c, Box) {
    c.vGradient(0, 0, c.width(), c.height(), pal::kPaper, pal::kPaperShade);
    paintPot(c, 40, 76, 46, pal::kBlue);
    digit(c, 70, 30, 2, pal::kBlue, 44);
    arrowAlong(c, {{124, 22}, {110, 36}}, 2.4f, pal::kPointer);
    TextStyle small = gothic(12, pal::kInk);
    drawText(c, 100, 6, say(words::kLeftWord), small);
}

// The reset button costs a life, and so does the time running out: the
// button and the empty strip each take one of the three hearts.
void illustrateLives(Canvas& c, Box) {
    c.vGradient(0, 0, c.width(), c.height(), pal::kPaper, pal::kPaperShade);
    const Rgba arrow = pal::kPointer, loss = darker(pal::kRed, 0.15f);
    TextStyle small = gothic(12, pal::kInk);
    TextStyle minus = gothic(14, loss, pal::kEyeWhite, 2);
    minus.align = Align::Centre;
    // the lives: three hearts, the last one lost
    drawText(c, 70, 4, say(words::kLivesWord), small);
    for (int i = 0; i < 3; ++i) heart(c, 80.f + 22.f * float(i), 32, 8, i == 2);
    // the reset button takes one
    resetButton(c, 24, 30, 15);
    arrowAlong(c, {{44, 44}, {70, 50}, {112, 50}, {124, 46}}, 2.2f, arrow);
    drawText(c, 124, 4, "−1", minus);
    // and so does the time strip running out
    hourglass(c, 16, 80, 26);
    timeStrip(c, 30, 72, 62, 16, 0.f);
    arrowAlong(c, {{96, 80}, {108, 80}}, 2.2f, arrow);
    drawText(c, 126, 71, "−1", minus);
}

}  // namespace

void helpPage(Canvas& c, int n, int ox, int oy, bool touch) {
    const Rgba colours[7] = {pal::kMenuRed, pal::kMenuGreen, pal::kViolet, pal::kGold,
                             pal::kMenuBlue, pal::kTeal, pal::kRose};
    const std::function<void(Canvas&, Box)> pictures[7] = {illustrateGoal, illustrateWalk,  illustrateObstacles, illustrateTime,
                                                           illustratePots, illustrateCount, illustrateLives};
    if (n < 1 || n > 7) throw Failure("help page " + std::to_string(n) + " does not exist");
    const words::HelpPageWords& w = touch && n == 5 ? words::kTapPotsPage : words::kHelpPages[n - 1];
    PageText text{say(w.heading), colours[n - 1], {}};
    for (const Words& l : w.lines)
        if (l.ja) text.lines.push_back(say(l));
    pageCard(c, ox, oy, text, pictures[n - 1]);
}

Canvas helpPages(int first, bool touch) {
    const int size = int(kHelpSheet);
    Canvas c(size, size);
    for (int p = first; p < first + 3; ++p) helpPage(c, p, int(HelpPageCell(p).x0), int(HelpPageCell(p).y0), touch);
    return c;
}

}  // namespace ag::fe
