// The front end's pictures: the drifting paper tile behind the menus, the
// select menu, the help screen and its pages, the stage select's frame and
// thumbnails, the game-over screen and the ending pictures. The help,
// stage-select and ending pictures live in their own files (frontend_*.cpp);
// the shared drawing pieces in frontend_kit.cpp.
#include <cmath>

#include "families.h"
#include "frontend_kit.h"
#include "output.h"
#include "palette.h"
#include "props.h"
#include "scenery.h"
#include "stage/screen_layout.h"
#include "words.h"

namespace ag {

namespace fe {

namespace {

constexpr int W = 640, H = 480;

// Draws `draw` at every copy of (x, y) that touches a w x h tile, so a motif
// crossing an edge comes back in on the other side.
void wrapped(int w, int h, float x, float y, float reach, const std::function<void(float, float)>& draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            float px = x + float(dx * w), pyy = y + float(dy * h);
            if (px + reach < 0 || px - reach > float(w) || pyy + reach < 0 || pyy - reach > float(h)) continue;
            draw(px, pyy);
        }
}

// A soft tinted paint drop (no dark outline: the tile stays quiet).
void softDrop(Canvas& c, float x, float y, float r, Rgba paint) {
    const Rgba body = mix(paint, pal::kPaper, 0.62f), rim = mix(paint, pal::kPaper, 0.38f);
    Shape belly = Shape::circle(x, y, r);
    Shape point = Shape::polygon({{x - r * 0.78f, y - r * 0.55f}, {x, y - r * 2.1f}, {x + r * 0.78f, y - r * 0.55f}});
    Shape drop = belly | point;
    c.fill(drop.grow(1), rim);
    c.fill(drop, body);
    c.fill(Shape::ellipse(x - r * 0.35f, y - r * 0.25f, r * 0.25f, r * 0.35f), mix(body, pal::kEyeWhite, 0.7f));
}

// A select menu choice, painted a few pixels inside where it is clicked.
void menuButton(Canvas& c, const LayoutRect& r, Rgba face, const char* label) {
    const LayoutRect& in = kMenuButtonInset;
    const float x0 = r.x0 + in.x0, x1 = r.x1 - in.x1, y0 = py(r.y0 + in.y0), y1 = py(r.y1 - in.y1);
    raisedButton(c, x0, y0, x1 - x0, y1 - y0, face, label, 30);
}

}  // namespace

// ---------------------------------------------------------------- tile
// Cream paper washed with faint colour, strewn with pale paint drops, tiny
// stars and brush dabs on a staggered grid. Every wash is periodic over the
// tile and every motif wraps, so four copies side by side show no seam.
Canvas helpBackTile() {
    Canvas c(W, H);
    Rng rng(seedOf(kPicMenuTile.path));
    const float tau = 2.f * float(kPi);
    const Rgba paper = pal::kPaper, peach = pal::kWall, mint = pal::kPaleMint, sky = pal::kMist;
    c.fill(Shape::rect(0, 0, W, H), [&](int x, int y) {
        float u = float(x) / W, v = float(y) / H;
        float a = 0.5f + 0.5f * std::sin(tau * (u + v) + 0.7f);
        float b = 0.5f + 0.5f * std::sin(tau * (2 * u - v) + 2.1f);
        float d = 0.5f + 0.5f * std::sin(tau * (u - 2 * v) + 4.0f);
        Rgba p = mix(paper, peach, a * a * 0.55f);
        p = mix(p, mint, b * b * 0.5f);
        p = mix(p, sky, d * d * 0.5f);
        // a fine diagonal weave, as in watercolour paper
        float weave = std::sin(tau * (float(x) + float(y)) / 16.f) * std::sin(tau * (float(x) - float(y)) / 16.f);
        return mix(p, pal::kPaperShade, 0.12f + 0.06f * weave);
    });

    const Rgba paints[3] = {pal::kRed, pal::kGreen, pal::kBlue};
    // staggered grid: 8 columns x 6 rows of 80 px cells
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 8; ++col) {
            float x = 40.f + col * 80.f + (row % 2 ? 40.f : 0.f) + float(rng.range(-12, 12));
            float y = 40.f + row * 80.f + float(rng.range(-12, 12));
            int kind = (col + row * 3) % 4;
            Rgba paint = paints[(col + row) % 3];
            wrapped(W, H, x, y, 30, [&](float px, float pyy) {
                if (kind == 0 || kind == 2) {
                    softDrop(c, px, pyy, kind == 0 ? 7.f : 5.f, paint);
                } else if (kind == 1) {
                    twinkle(c, px, pyy, 6.f, mix(pal::kGold, paper, 0.45f));
                    c.fillCircle(px + 9, pyy - 7, 1.6f, mix(pal::kGold, paper, 0.45f));
                } else {
                    // a short brush dab leaning up to the right
                    std::vector<Pt> pts;
                    for (int k = 0; k <= 8; ++k) {
                        float t = float(k) / 8.f;
                        pts.push_back({px - 10 + 20 * t, pyy + 5 - 10 * t + 2.5f * std::sin(t * float(kPi))});
                    }
                    c.fill(Shape::polyline(pts, 2.6f), mix(paint, paper, 0.68f));
                }
            });
        }
    // scattered specks of paint between the motifs
    for (int i = 0; i < 90; ++i) {
        float x = float(rng.range(0, W)), y = float(rng.range(0, H));
        Rgba col = mix(paints[i % 3], paper, 0.6f);
        float r = float(rng.range(1.0, 2.0));
        wrapped(W, H, x, y, 3, [&](float px, float pyy) { c.fillCircle(px, pyy, r, col); });
    }
    c.noise(0, 0, W, H, 2.f, rng);
    return c;
}

// ---------------------------------------------------------------- select menu
// A paper card over the drifting tile: the title on a ribbon, the two choices
// as big raised buttons (each drawn a few pixels inside its clickable
// rectangle), the brush and its pots, the two travellers, and a hint tag.
Canvas selectMenu(bool touch) {
    Canvas c(W, H);
    paperCard(c, 52, py(48), 536, py(414) - py(48), 22);
    Shape card = Shape::roundRect(52, py(48), 536, py(414) - py(48), 22);
    // faint paint washes on the card's corners, soft hills along its foot
    c.radialGradient(560, py(90), 90, withAlpha(pal::kPaleSky, 110 / 255.f), withAlpha(pal::kPaleSky, 0 / 255.f));
    c.radialGradient(90, py(90), 80, withAlpha(pal::kPeach, 90 / 255.f), withAlpha(pal::kPeach, 0 / 255.f));
    c.fill(scenery::hillShape(52, 588, py(362), 8, 0.012f, 91, py(420)) & card, pal::kPaleMint);
    c.fill(scenery::hillShape(52, 588, py(380), 6, 0.018f, 92, py(420)) & card, pal::kMeadowPale);
    Rng rng(seedOf(kPicSelectMenu.path));
    for (int i = 0; i < 14; ++i) {
        float x = 70.f + 36.f * float(i) + float(rng.range(-8, 8)), y = py(396) + float(rng.range(0, 10));
        for (int k = -1; k <= 1; ++k) c.line(x, y, x + float(k) * 3.f, y - 6.f + std::abs(k) * 1.5f, pal::kMeadow, 1.1f);
    }
    ribbonHeading(c, 320, py(18), say(words::kMenu), 30, pal::kMenuGreen);

    menuButton(c, kMenuStageSelectButton, pal::kMenuRed, say(words::kStageSelect));
    menuButton(c, kMenuHelpButton, pal::kMenuBlue, say(words::kHelp));
    // small emblems on the buttons' left ends: a flag and a question bubble
    {
        float x = 136, y = py(146);
        c.fill(Shape::capsule({x, y}, {x, y + 30}, 1.6f).grow(1), pal::kOutline);
        c.fill(Shape::capsule({x, y}, {x, y + 30}, 1.6f), pal::kPaper);
        Shape flag = Shape::polygon({{x + 1, y}, {x + 22, y + 6}, {x + 1, y + 13}});
        c.fill(flag.grow(1), pal::kOutline);
        c.fill(flag, pal::kGoldLight);
        float bx = 232, by = py(279);
        Shape bubble = Shape::circle(bx, by, 13) | Shape::polygon({{bx - 8, by + 8}, {bx - 14, by + 17}, {bx - 2, by + 11}});
        c.fill(bubble.grow(1), pal::kOutline);
        c.fill(bubble, pal::kPaper);
        TextStyle q = gothic(18, pal::kDeepBlue);
        q.align = Align::Centre;
        drawText(c, int(bx), int(by - 12), "?", q);
    }

    // the brush and its three pots at the lower left
    paintPot(c, 108, py(392), 34, pal::kRed);
    paintPot(c, 150, py(396), 34, pal::kGreen);
    paintPot(c, 192, py(392), 34, pal::kBlue);
    paintBrush(c, {250, py(336)}, {214, py(378)}, 7.f, pal::kGreen, false);
    // the travellers at the lower right, waving
    Pose hp;
    hp.facing = 0.4f;
    hp.far = Arm::Wave;
    hp.expr = Expr::Grin;
    traveller(c, Who::Hero, 468, py(404), 74, hp);
    Pose pp;
    pp.facing = -0.4f;
    pp.far = Arm::Wave;
    pp.expr = Expr::Smile;
    traveller(c, Who::Partner, 528, py(404), 68, pp);

    hintTag(c, 320, py(432), say(touch ? words::kLongPressTitle : words::kRightClickTitle), 16);
    return c;
}

// ---------------------------------------------------------------- game over
// Dusk after a lost game: the hero sits crying among his spilt paint pots,
// his companion pats his shoulder, a little rain cloud drips over them.
// Opaque all over: the brush drawn underneath never shows.
namespace {

const Rgba kPaints[3] = {pal::kRed, pal::kGreen, pal::kBlue};

// The dusk sky with its first stars and a thin crescent, the hills, the
// grass.
void duskLandscape(Canvas& c, Rng& rng) {
    c.vGradient(0, 0, W, H, {{0.f, pal::kNightLift}, {0.45f, pal::kDusk}, {0.75f, pal::kDuskMauve}, {1.f, pal::kDuskRose}});
    for (int i = 0; i < 40; ++i) {
        float x = float(rng.range(0, W)), y = float(rng.range(8, 200));
        c.fillCircle(x, y, float(rng.range(0.6, 1.4)), withAlpha(pal::kEyeWhite, float(uint8_t(rng.range(90, 200))) / 255.f));
    }
    scenery::sun(c, 584, 190, 18, pal::kPaper, pal::kMoonlight);
    c.fillCircle(590, 185, 16, pal::kDusk);
    scenery::hill(c, scenery::hillShape(0, W, 330, 18, 0.006f, 31, H), pal::kDusk, pal::kDuskLight);
    // the nearer hills, between the violet far ones and the grass
    scenery::hill(c, scenery::hillShape(0, W, 370, 10, 0.01f, 32, H), mix(pal::kDuskLight, pal::kDuskGrass, 0.5f), pal::kStone);
    Shape ground = scenery::hillShape(0, W, 404, 4, 0.012f, 33, H);
    scenery::hill(c, ground, pal::kDuskGrass, pal::kDuskGrassLight);
    scenery::grass(c, 0, W, 470, 8, pal::kDuskGrass, rng, 0.3f);
}

// Spilt paint: puddles, two pots standing, the green one on its side and the
// brush dropped beside them.
void spiltPaint(Canvas& c) {
    const float px[3] = {150, 214, 496};
    for (int i = 0; i < 3; ++i) {
        c.fill(Shape::ellipse(px[i] + 14, 452, 40, 9) | Shape::ellipse(px[i] + 38, 457, 18, 6), withAlpha(kPaints[i], 0.85f));
        c.fill(Shape::ellipse(px[i] + 6, 449, 13, 2.5f), withAlpha(lighter(kPaints[i], 0.5f), 0.8f));
    }
    paintPot(c, 150, 448, 46, pal::kRed);
    paintPot(c, 496, 450, 44, pal::kBlue);
    Canvas pot(80, 80);
    paintPot(pot, 40, 66, 46, pal::kGreen);
    Canvas turned(80, 80);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) turned.at(x, y) = pot.at(y, 79 - x);
    c.blit(turned, 188, 396);
    paintBrush(c, {420, 466}, {470, 444}, 8.f, kClear, false);
}

// The hero sitting, crying; his companion bending to him.
void mourners(Canvas& c) {
    Pose hero;
    hero.sitting = true;
    hero.expr = Expr::Cry;
    hero.near = Arm::Hold;
    hero.far = Arm::Hold;
    traveller(c, Who::Hero, 300, 462, 150, hero);
    Pose partner;
    partner.facing = -0.6f;
    partner.near = Arm::Forward;
    partner.expr = Expr::Sad;
    partner.headTilt = -4;
    traveller(c, Who::Partner, 410, 456, 138, partner);
}

// A small rain cloud centred on (x, y).
void rainCloud(Canvas& c, float x, float y) {
    Shape cloud = Shape::circle(x - 24, y + 4, 20) | Shape::circle(x, y - 6, 26) | Shape::circle(x + 26, y + 6, 18) |
                  Shape::roundRect(x - 44, y + 2, 88, 22, 10);
    c.fill(cloud.grow(1), pal::kDusk);
    c.fill(cloud, pal::kStone);
    c.fill(cloud - cloud.shift(3, 4), pal::kMoonlight);
    for (int i = 0; i < 6; ++i) {
        float rx = x - 32.f + i * 13.f, ry = y + 34.f + (i % 2) * 10.f;
        c.fill(Shape::capsule({rx, ry}, {rx - 2, ry + 9}, 1.3f), pal::kRainBlue);
    }
}

// A drip runs from the lowest point of a stroke of one letter: the letters
// before it, the letter, where along it, how long.
struct Drip {
    Words prefix, glyph;
    float at, len;
};

// The lowest pixel of `letter`'s colour within 10 px of x = guess.
Pt lowestInk(const Canvas& lettering, int guess, Rgba letter) {
    int bestX = guess, bestY = -1;
    for (int x = guess - 10; x <= guess + 10; ++x)
        for (int y = H - 1; y > bestY; --y) {
            const Rgba p = lettering.at(x, y);
            if (p.a > 200 && std::abs(int(p.r) - letter.r) + std::abs(int(p.g) - letter.g) + std::abs(int(p.b) - letter.b) < 40) {
                bestX = x;
                bestY = y;
                break;
            }
        }
    return {float(bestX), float(bestY)};
}

// The title in drooping letters, a drip of each paint running from ゲ, ム
// and バ (G, M, V).
void drippingTitle(Canvas& c) {
    const char* title = say(words::kGameOver);
    const Rgba letter = pal::kMist;
    TextStyle t = gothic(60, letter, pal::kOutline, 3);
    t.tracking = 4;
    t.shadow = pal::kNight;
    const int tw = measureText(title, t).w, tx = 320 - tw / 2, ty = int(py(44));
    Canvas lettering(W, H);
    drawText(lettering, tx, ty, title, t);
    c.blit(lettering, 0, 0);
    const Drip drips[3] = {{{"", ""}, {"ゲ", "G"}, 0.3f, 16},
                           {{"ゲー", "GA"}, {"ム", "M"}, 0.7f, 24},
                           {{"ゲームオー", "GAME O"}, {"バ", "V"}, 0.3f, 20}};
    TextStyle plain = t;
    plain.outlineWidth = 0;
    for (int i = 0; i < 3; ++i) {
        const char* prefix = say(drips[i].prefix);
        const float x0 = float(tx) + (*prefix ? float(measureText(prefix, plain).w + t.tracking) : 0.f);
        const int guess = int(x0 + float(measureText(say(drips[i].glyph), plain).w) * drips[i].at);
        const Pt ink = lowestInk(lettering, guess, letter);
        const float x = ink.x + 0.5f, y = ink.y - 2.f, len = drips[i].len;
        Shape drip = Shape::capsule({x, y}, {x, y + len}, 3.2f) | Shape::circle(x, y + len + 2, 5.f);
        c.fill(drip.grow(1) - Shape::rect(x - 8, y - 8, 16, 9.5f), pal::kOutline);
        c.fill(drip, kPaints[i]);
        c.fillCircle(x - 1.5f, y + len + 0.5f, 1.5f, lighter(kPaints[i], 0.6f));
    }
}

}  // namespace

Canvas gameOver(bool touch) {
    Canvas c(W, H);
    Rng rng(seedOf(kPicGameOver.path));
    duskLandscape(c, rng);
    spiltPaint(c);
    mourners(c);
    rainCloud(c, 300, 300);
    drippingTitle(c);
    hintTag(c, 320, py(168), say(touch ? words::kLongPressTitle : words::kSpaceTitle), 18);
    c.noise(0, 0, W, H, 1.5f, rng);
    return c;
}

// ---------------------------------------------------------------- continue
// The button that takes a story up again, 160x52: on the title below quit
// and on the game-over screen.
Canvas continueButton() {
    const LayoutRect& r = kTitleContinueButton;
    const int w = int(r.x1 - r.x0) + 1, h = int(r.y1 - r.y0) + 1;
    Canvas c(w, h);
    raisedButton(c, 2, 2, float(w - 4), float(h - 4), pal::kPartnerHair, say(words::kContinue), 21);
    return c;
}

// The opening's quiet note that Space (or a tap) skips it.
Canvas skipHint(bool touch) {
    Canvas c(150, 30);
    hintTag(c, 75, 3, say(touch ? words::kTapSkipHint : words::kSkipHint), 14);
    return c;
}

}  // namespace fe

void genFrontend(Output& out) {
    // The English pass letters again only what carries words.
    const bool all = lang() == Lang::Ja;
    if (all) out.keyedPng(kPicMenuTile, fe::helpBackTile());
    out.keyedPng(kPicSelectMenu, fe::selectMenu(false));
    out.keyedPng(kPicSelectMenuTouch, fe::selectMenu(true));
    out.keyedPng(kPicHelp, fe::helpScreen(false));
    out.keyedPng(kPicHelpTouch, fe::helpScreen(true));
    out.keyedPng(kPicHelpPages123, fe::helpPages(1));
    out.keyedPng(kPicHelpPages456, fe::helpPages(4));
    out.keyedPng(kPicHelpPages456Touch, fe::helpPages(4, true));
    out.keyedPng(kPicStageSelect, fe::stageSelectFrame(false));
    out.keyedPng(kPicStageSelectTouch, fe::stageSelectFrame(true));
    if (all) out.keyedPng(kPicThumbnails, fe::stageThumbnails(out));
    out.keyedPng(kPicGameOver, fe::gameOver(false));
    out.keyedPng(kPicGameOverTouch, fe::gameOver(true));
    out.keyedPng(kPicContinue, fe::continueButton());
    out.keyedPng(kPicSkipHint, fe::skipHint(false));
    out.keyedPng(kPicSkipHintTouch, fe::skipHint(true));
    for (int k = 0; k < 3; ++k) out.png(kPicEndings[k].path, fe::ending(k), PngKind::Rgb);
    out.png(kPicEndLogo.path, fe::endingLogo(), PngKind::Rgb);
    out.png(kPicLastPicture.path, fe::lastPicture(), PngKind::Rgb);
}

}  // namespace ag
