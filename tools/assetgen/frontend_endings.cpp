// The endings: three storybook pages that scroll up the screen (the
// travellers bring the herb home, the elder recovers, the village sets off
// fireworks), the closing page with the game's name and thanks, and the last
// picture of the two travellers at sunset. All opaque: they are loaded
// without a colour key and drawn over black.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "figures.h"
#include "gfx/picture_files.h"
#include "frontend_kit.h"
#include "palette.h"
#include "props.h"
#include "scene_kit.h"
#include "scenery.h"
#include "words.h"

namespace ag::fe {

namespace sc = scenery;

namespace {

constexpr int PW = 512, PH = 480;      // an ending page
constexpr int WX = 18, WY = 18;        // the picture window's corner
constexpr int WW = 476, WH = 352;      // and size

// The page: a dark storybook leaf with a gold-framed window for the
// picture and the caption below it in Mincho.
Canvas storyPage(const Canvas& picture, const char* caption, uint64_t seed) {
    Canvas c(PW, PH);
    Rng rng(seed);
    c.clear(pal::kNight);
    c.noise(0, 0, PW, PH, 3.f, rng);
    Shape window = Shape::roundRect(WX, WY, WW, WH, 8).hard();
    goldFrame(c, window);
    for (int y = 0; y < WH; ++y)
        for (int x = 0; x < WW; ++x)
            if (window.at(WX + x, WY + y) >= 0.5f) c.at(WX + x, WY + y) = picture.at(x, y);
    goldStuds(c, {Pt{WX, WY}, Pt{WX + WW, WY}, Pt{WX, WY + WH}, Pt{WX + WW, WY + WH}});
    // the caption, with the three paint dots and a flourish under it
    TextStyle st = mincho(21, pal::kPaper);
    st.bold = false;
    st.align = Align::Centre;
    st.lineGap = 6;
    const int lines = 1 + int(std::count(caption, caption + std::strlen(caption), '\n'));
    const int th = measureText(caption, st).h;
    drawText(c, PW / 2, 398 + (lines == 1 ? 12 : 0) + (56 - th) / 4, caption, st);
    for (int i = 0; i < 3; ++i) c.fillCircle(240.f + 16.f * float(i), 466, 3.5f, kPaints[i]);
    c.fill(Shape::polyline({{150, 466}, {226, 466}}, 0.7f), withAlpha(pal::kGold, 0.8f));
    c.fill(Shape::polyline({{286, 466}, {362, 466}}, 0.7f), withAlpha(pal::kGold, 0.8f));
    return c;
}

// The nubbles' village under the giant leaves, in the morning or at night.
void village(Canvas& c, Rng& rng, bool night) {
    const int w = c.width(), h = c.height();
    if (night) {
        c.vGradient(0, 0, w, h, {{0.f, pal::kMidnight}, {0.6f, pal::kNightBlue}, {1.f, darker(pal::kDenim, 0.5f)}});
        for (int i = 0; i < 70; ++i) {
            float x = float(rng.range(0, w)), y = float(rng.range(0, h * 0.6));
            c.fillCircle(x, y, float(rng.range(0.5, 1.3)), faded(pal::kPaper, uint8_t(rng.range(110, 230))));
        }
    } else {
        woodsSky(c, {Pt{120, 50}, Pt{360, 40}}, 150, 120);
        grassStems(c, {12, 44, 10, 5, 10, 20, float(h), 0.7f}, rng);
        sc::lightShafts(c, 0, 0, w, h - 60, woodsShaftLight(), rng);
    }
}

// A colour as the night shows it.
Rgba atNight(Rgba c) { return mix(c, pal::kNightBlue, 0.45f); }

// ---------------------------------------------------------------- end0
// The travellers walk into the village; the hero holds the herb up high and
// the nubbles come running.
Canvas homecoming() {
    Canvas c(WW, WH);
    Rng rng(seedOf(kPicEndings[0].path));
    village(c, rng, false);
    sc::hill(c, sc::hillShape(0, WW, 250, 8, 0.012f, 51, WH), pal::kFoliage, lighter(pal::kGrass, 0.2f));
    sc::mushroomHouse(c, 70, 262, 110, pal::kVermilion, rng);
    sc::mushroom(c, 160, 258, 30, lighter(pal::kMarmalade, 0.1f), rng);
    sc::mushroomHouse(c, 420, 258, 88, pal::kViolet, rng);
    sc::flower(c, 470, 266, 70, 14, pal::kPink, pal::kMarigold);
    Shape front = sc::hillShape(0, WW, 282, 4, 0.015f, 52, WH);
    sc::hill(c, front, lighter(pal::kGrass, 0.1f), lighter(pal::kGrass, 0.3f));
    // the path they came along
    c.fill(Shape::polygon({{150, 352}, {330, 352}, {280, 286}, {214, 286}}), withAlpha(darker(pal::kButter, 0.1f), 0.9f));
    sc::leaf(c, {-30, -30}, {170, 50}, 100, pal::kLeaf);
    sc::leaf(c, {510, -20}, {330, 56}, 96, pal::kLeaf);

    // the nubbles come running, waving
    villagers(c, {{84, 318, 30, pal::kApricot, 0.8f, true},
                  {128, 330, 26, pal::kMint, 0.9f, false},
                  {376, 322, 28, nubbleYellow(), -0.8f, true},
                  {420, 334, 24, pal::kPowderBlue, -1.f, true},
                  {34, 300, 22, pal::kLilac, 1.f, true}});
    // the travellers, the hero holding up the herb
    Pose hero;
    hero.facing = 0.2f;
    hero.far = Arm::Up;
    hero.near = Arm::Wave;
    hero.expr = Expr::Grin;
    traveller(c, Who::Hero, 226, 330, 116, hero);
    Pt hand = handAt(226, 330, 116, hero, 1);
    herb(c, hand.x + 2, hand.y + 6, 62, true);
    Pose partner;
    partner.facing = -0.2f;
    partner.near = Arm::Wave;
    partner.expr = Expr::Grin;
    traveller(c, Who::Partner, 296, 334, 106, partner);
    sc::grass(c, 0, WW, WH, 10, pal::kFoliage, rng, 0.35f);
    for (int i = 0; i < 16; ++i) {
        float x = float(rng.range(0, WW)), y = float(rng.range(40, 200));
        glow(c, x, y, 5, pal::kButter, 190);
    }
    return storyPage(c, say(words::kEnd0), seedOf("end0 page"));
}

// ---------------------------------------------------------------- end1
// A round room inside a mushroom: warm walls, a round window of morning
// with a leaf outside, a plank floor.
void roundRoom(Canvas& c) {
    c.vGradient(0, 0, WW, WH, {{0.f, lighter(pal::kSandstone, 0.6f)}, {1.f, lighter(pal::kSandstone, 0.3f)}});
    for (int i = 0; i < 9; ++i)
        c.fill(Shape::rect(float(i) * 56.f + 20, 0, 2, 250), withAlpha(lighter(pal::kSandstone, 0.2f), 0.7f));
    Shape window = Shape::circle(370, 100, 58);
    c.fill(window.grow(6), pal::kBrown);
    c.fill(window.grow(3), darker(pal::kTangerine, 0.4f));
    c.fill(window, [&](int, int y) { return mix(pal::kPowderBlue, lighter(pal::kMintWash, 0.5f), clampv((float(y) - 42) / 116.f, 0.f, 1.f)); });
    Canvas out(WW, WH);
    sc::leaf(out, {300, 160}, {420, 60}, 50, pal::kFoliage);
    for (int y = 40; y < 160; ++y)
        for (int x = 310; x < 430; ++x)
            if (Rgba p = out.at(x, y); p.a > 0) c.plot(x, y, Rgba{p.r, p.g, p.b, 255}, window.at(x, y) * float(p.a) / 255.f);
    c.fill((Shape::rect(366, 42, 8, 116) | Shape::rect(312, 96, 116, 8)) & window, pal::kBrown);
    glow(c, 370, 100, 160, pal::kPaper, 90);
    c.fill(Shape::rect(0, 250, WW, 102), darker(pal::kSandstone, 0.2f));
    for (int i = 0; i < 8; ++i) c.fill(Shape::rect(0, 262.f + float(i) * 13.f, WW, 1.2f), withAlpha(pal::kEarth, 0.7f));
}

// The bed with a patchwork quilt and a pillow.
void quiltedBed(Canvas& c) {
    const Ramp wood = shade(darker(pal::kMarmalade, 0.4f));
    fillOutlined(c, Shape::roundRect(30, 150, 26, 150, 10), wood.base, pal::kOutline);
    fillOutlined(c, Shape::roundRect(40, 232, 250, 62, 12), wood.base, pal::kOutline);
    Shape quilt = Shape::roundRect(56, 214, 230, 54, 16);
    c.fill(quilt.grow(1), pal::kOutline);
    const Rgba patches[4] = {pal::kQuiltPink, lighter(pal::kLemon, 0.3f), pal::kMint, pal::kPowderBlue};
    c.fill(quilt, [&](int x, int y) { return patches[((x - 56) / 28 + (y - 214) / 18) % 4]; });
    c.fill(quilt - quilt.shift(0, -3), withAlpha(pal::kOutline, 0.25f));
    fillOutlined(c, Shape::ellipse(86, 206, 34, 16), lighter(pal::kCloud, 0.5f), pal::kOutline);
}

// The cup of herb tea on a stool, steaming.
void teaOnStool(Canvas& c) {
    const Ramp stool = shade(darker(pal::kTangerine, 0.3f));
    Shape seat = Shape::roundRect(168, 272, 60, 10, 4) | Shape::rect(176, 280, 6, 40) | Shape::rect(214, 280, 6, 40);
    fillOutlined(c, seat, stool.base, pal::kOutline);
    Shape cup = Shape::roundRect(184, 250, 28, 22, 6) | Shape::circle(214, 260, 6);
    c.fill(cup.grow(1), pal::kOutline);
    c.fill(cup - Shape::circle(214, 260, 3), lighter(pal::kCloud, 0.5f));
    c.fill(Shape::ellipse(198, 252, 12, 3), pal::kLime);
    for (int k = 0; k < 2; ++k) {
        std::vector<Pt> steam;
        for (int i = 0; i <= 10; ++i) {
            float t = float(i) / 10.f;
            steam.push_back({192.f + 10.f * float(k) + 4.f * std::sin(t * 6.f + float(k)), 244.f - 34.f * t});
        }
        c.fill(Shape::polyline(steam, 1.6f), withAlpha(pal::kCloud, 0.7f));
    }
}

// Nubbles peeking in at the right, the travellers by the bed.
void bedsideVisitors(Canvas& c) {
    villagers(c, {{440, 300, 28, pal::kApricot, -0.8f, true},
                  {404, 318, 24, pal::kMint, -0.6f, false},
                  {452, 336, 20, nubbleYellow(), -0.9f, true}});
    Pose partner;
    partner.facing = -0.7f;
    partner.near = Arm::Forward;
    partner.far = Arm::Forward;
    partner.expr = Expr::Closed;
    traveller(c, Who::Partner, 262, 332, 104, partner);
    Pose hero;
    hero.facing = -0.5f;
    hero.far = Arm::Hip;
    hero.near = Arm::Wave;
    hero.expr = Expr::Grin;
    traveller(c, Who::Hero, 342, 336, 112, hero);
}

// A heart floating up, r px across its lobes.
void heart(Canvas& c, float x, float y, float r) {
    Shape s = Shape::circle(x - r * 0.5f, y - r * 0.2f, r * 0.55f) | Shape::circle(x + r * 0.5f, y - r * 0.2f, r * 0.55f) |
              Shape::polygon({{x - r * 1.02f, y}, {x + r * 1.02f, y}, {x, y + r}});
    fillOutlined(c, s, pal::kHeart, pal::kOutline);
    c.fillCircle(x - r * 0.5f, y - r * 0.35f, r * 0.2f, lighter(pal::kPink, 0.2f));
}

// Indoors at the elder's bedside: he sits up, cheeks pink again, a cup of
// herb tea steaming; his granddaughter hugs his arm, the hero beams.
Canvas recovery() {
    Canvas c(WW, WH);
    Rng rng(seedOf(kPicEndings[1].path));
    roundRoom(c);
    quiltedBed(c);
    // the elder sitting up, smiling, a little heart over him
    elder(c, 118, 240, 78, false, true);
    twinkle(c, 70, 120, 7, pal::kButter);
    twinkle(c, 176, 132, 5, pal::kButter);
    teaOnStool(c);
    bedsideVisitors(c);
    heart(c, 150, 128, 9);
    heart(c, 236, 150, 6);
    c.noise(0, 0, WW, WH, 1.5f, rng);
    return storyPage(c, say(words::kEnd1), seedOf("end1 page"));
}

// ---------------------------------------------------------------- end2
// A firework: rays of dots from a centre, fading outwards.
void firework(Canvas& c, float x, float y, float r, Rgba col, Rng& rng) {
    c.radialGradient(x, y, r * 1.5f, withAlpha(col, 0.3f), withAlpha(col, 0.f));
    const int rays = 22;
    for (int i = 0; i < rays; ++i) {
        float a = float(i) / float(rays) * 2.f * float(kPi) + float(rng.range(-0.05, 0.05));
        for (int k = 1; k <= 6; ++k) {
            float t = float(k) / 6.f;
            float d = r * t, droop = r * 0.12f * t * t;
            float rad = 1.1f + 1.3f * t;
            c.fillCircle(x + std::cos(a) * d, y + std::sin(a) * d + droop, rad, withAlpha(lighter(col, 0.4f * (1.f - t)), 1.f - 0.35f * t));
        }
    }
    c.fillCircle(x, y, r * 0.12f, withAlpha(pal::kPaper, 0.9f));
}

// Night over the village, the sky full of yellow, light-blue and pink
// fireworks; everyone watches from the square with lanterns lit.
// A mushroom house at night: darkened, but the yellow of its windows keeps
// glowing.
void nightHouse(Canvas& c, float x, float base, float size, Rgba cap, Rng& rng) {
    Canvas h(WW, WH);
    sc::mushroomHouse(h, x, base, size, cap, rng);
    for (int y = 0; y < WH; ++y)
        for (int xx = 0; xx < WW; ++xx) {
            Rgba p = h.at(xx, y);
            if (p.a == 0) continue;
            bool window = p.r > 200 && p.g > 170 && p.b < 140;
            Rgba q = window ? lighter(pal::kLemon, 0.4f) : atNight(p);
            c.plot(xx, y, Rgba{q.r, q.g, q.b, 255}, float(p.a) / 255.f);
        }
}

// Bunting in the three paints strung between the houses.
void bunting(Canvas& c) {
    std::vector<Pt> rope;
    for (int i = 0; i <= 20; ++i) {
        float t = float(i) / 20.f;
        rope.push_back({90.f + 310.f * t, 200.f + 26.f * std::sin(t * float(kPi))});
    }
    c.fill(Shape::polyline(rope, 0.8f), lighter(pal::kCharcoal, 0.4f));
    for (int i = 1; i < 20; i += 2) {
        Pt p = rope[size_t(i)];
        c.fill(Shape::polygon({{p.x - 6, p.y}, {p.x + 6, p.y}, {p.x, p.y + 12}}), atNight(kPaints[(i / 2) % 3]));
    }
}

// Everyone watching from the square, faces lit.
void watchers(Canvas& c) {
    villagers(c, {{52, 332, 26, pal::kApricot, 0.3f, true},
                  {92, 340, 22, pal::kMint, 0.f, false},
                  {402, 334, 26, nubbleYellow(), -0.2f, true},
                  {440, 342, 22, pal::kLilac, 0.f, true}});
    elder(c, 150, 330, 50, false, true);
    Pose hero;
    hero.facing = 0.3f;
    hero.far = Arm::Wave;
    hero.expr = Expr::Grin;
    traveller(c, Who::Hero, 248, 336, 104, hero);
    Pose partner;
    partner.facing = -0.3f;
    partner.near = Arm::Up;
    partner.expr = Expr::Grin;
    traveller(c, Who::Partner, 318, 338, 98, partner);
}

Canvas celebration() {
    Canvas c(WW, WH);
    Rng rng(seedOf(kPicEndings[2].path));
    village(c, rng, true);
    firework(c, 110, 84, 62, pal::kLemon, rng);
    firework(c, 250, 56, 50, pal::kIceBlue, rng);
    firework(c, 378, 96, 66, pal::kCandyPink, rng);
    firework(c, 196, 150, 30, pal::kLemon, rng);
    firework(c, 440, 30, 24, pal::kIceBlue, rng);
    // the trail of one still rising
    c.fill(Shape::capsule({320, 210}, {318, 170}, 1.2f), withAlpha(lighter(pal::kButter, 0.5f), 0.8f));
    sc::hill(c, sc::hillShape(0, WW, 232, 8, 0.012f, 61, WH), darker(pal::kLeafDark, 0.6f), darker(pal::kSage, 0.5f));
    nightHouse(c, 60, 262, 100, pal::kVermilion, rng);
    nightHouse(c, 430, 256, 84, pal::kViolet, rng);
    bunting(c);
    sc::hill(c, sc::hillShape(0, WW, 282, 3, 0.015f, 62, WH), darker(pal::kFern, 0.2f), darker(pal::kFern, 0.1f));
    // lanterns on poles
    for (float x : {150.f, 330.f}) {
        c.fill(Shape::rect(x - 1.5f, 240, 3, 56), pal::kCharcoal);
        glow(c, x, 236, 26, lighter(pal::kSunYellow, 0.3f), 150);
        c.fill(Shape::roundRect(x - 7, 226, 14, 18, 5), pal::kSunYellow);
    }
    watchers(c);
    // a warm wash of lantern light over the crowd
    glow(c, 240, 330, 220, pal::kSunYellow, 40);
    return storyPage(c, say(words::kEnd2), seedOf("end2 page"));
}

}  // namespace

Canvas ending(int k) {
    switch (k) {
        case 0: return homecoming();
        case 1: return recovery();
        default: return celebration();
    }
}

// ---------------------------------------------------------------- logo
// A night sky with stars, in a gold frame round the page.
void framedNight(Canvas& c, Rng& rng) {
    c.vGradient(0, 0, PW, PH, {{0.f, pal::kMidnight}, {0.55f, darker(pal::kNavy, 0.4f)}, {1.f, lighter(pal::kAubergine, 0.1f)}});
    for (int i = 0; i < 90; ++i) {
        float x = float(rng.range(0, PW)), y = float(rng.range(0, PH * 0.8));
        c.fillCircle(x, y, float(rng.range(0.5, 1.4)), faded(pal::kPaper, uint8_t(rng.range(100, 230))));
    }
    for (int i = 0; i < 6; ++i)
        twinkle(c, float(rng.range(30, PW - 30)), float(rng.range(20, 300)), float(rng.range(4, 7)), lighter(pal::kButter, 0.5f));
    Shape frame = Shape::roundRect(12, 12, PW - 24, PH - 24, 14) - Shape::roundRect(17, 17, PW - 34, PH - 34, 10);
    c.fill(frame.grow(1), pal::kFrameDark);
    c.fill(frame, pal::kGold);
    c.fill(frame - frame.shift(1, 1), pal::kGoldLight);
}

// Hills and the village's silhouette at the foot of the page, a few lit
// windows, and the two travellers walking home along the ridge, hand in
// hand, footprints behind them.
void walkingHome(Canvas& c, Rng& rng) {
    sc::hill(c, sc::hillShape(17, PW - 17, 400, 10, 0.01f, 71, PH - 17), lighter(pal::kMidnight, 0.1f), darker(pal::kDenim, 0.6f));
    Canvas vil(PW, PH);
    sc::mushroomHouse(vil, 90, 418, 70, pal::kVermilion, rng);
    sc::mushroomHouse(vil, 420, 414, 60, pal::kViolet, rng);
    silhouette(c, vil, darker(pal::kMidnight, 0.6f));
    c.fill(sc::hillShape(17, PW - 17, 430, 5, 0.015f, 72, PH - 17), darker(pal::kMidnight, 0.6f));
    for (Pt p : {Pt{76, 404}, Pt{104, 398}, Pt{412, 400}})
        c.fillCircle(p.x, p.y, 2.5f, lighter(pal::kSunYellow, 0.3f));
    Canvas pair(PW, PH);
    Pose him;
    him.facing = 1.f;
    him.stride = 0.7f;
    him.far = Arm::Forward;
    traveller(pair, Who::Hero, 244, 433, 46, him);
    Pose her;
    her.facing = 1.f;
    her.stride = -0.7f;
    traveller(pair, Who::Partner, 274, 434, 43, her);
    silhouette(c, pair, pal::kNight);
    for (int i = 0; i < 5; ++i) c.fillEllipse(222.f - 16.f * float(i), 436.f + float(i % 2) * 3.f, 3.f, 1.6f, lighter(pal::kNavy, 0.1f));
}

// The end, the game's name, the three paints and thanks.
void closingWords(Canvas& c) {
    TextStyle big = mincho(64, pal::kGoldLight, pal::kFrameDark, 3);
    big.align = Align::Centre;
    big.tracking = 10;
    big.shadow = pal::kFrameDark;
    drawText(c, PW / 2, 62, say(words::kTheEnd), big);
    c.fill(Shape::polyline({{120, 158}, {230, 158}}, 0.8f), pal::kGold);
    c.fill(Shape::polyline({{282, 158}, {392, 158}}, 0.8f), pal::kGold);
    for (int i = 0; i < 3; ++i) paintDrop(c, 240.f + 16.f * float(i), 160, 5.f, kPaints[i], false);
    TextStyle ja = mincho(26, pal::kPaper, pal::kFrameDark, 2);
    ja.align = Align::Centre;
    drawText(c, PW / 2, 190, say(words::kTitleName), ja);
    TextStyle en = gothic(40, pal::kPaper, pal::kFrameDark, 2);
    en.align = Align::Centre;
    en.tracking = 7;
    drawText(c, PW / 2, 228, "Tolvane", en);
    for (int i = 0; i < 3; ++i) {
        float x0 = 160.f + 66.f * float(i);
        c.fill(Shape::capsule({x0 + 4, 286}, {x0 + 58, 286}, 2.6f), kPaints[i]);
    }
    TextStyle thanks = mincho(22, pal::kGoldLight, pal::kFrameDark, 2);
    thanks.align = Align::Centre;
    drawText(c, PW / 2, 318, say(words::kThanksForPlaying), thanks);
}

// The closing page: say(words::kTheEnd) over a night sky, the game's name, the three
// paints and thanks. It rests at the top of the screen and covers the
// wrapped pages behind it.
Canvas endingLogo() {
    Canvas c(PW, PH);
    Rng rng(seedOf(kPicEndLogo.path));
    framedNight(c, rng);
    walkingHome(c, rng);
    closingWords(c);
    return c;
}

constexpr int kLastW = 640, kLastH = 480;

// The sunset: sky, sun, pink clouds and three birds.
void sunsetSky(Canvas& c, Rng& rng) {
    c.vGradient(0, 0, kLastW, kLastH, {{0.f, pal::kTwilight}, {0.3f, pal::kCoralRose}, {0.55f, darker(pal::kTangerine, 0.1f)},
                                       {0.72f, pal::kGoldLight}, {1.f, lighter(pal::kGoldLight, 0.6f)}});
    sc::sun(c, 320, 300, 46, lighter(pal::kButter, 0.5f), lighter(pal::kTangerine, 0.2f));
    sc::cloud(c, 130, 150, 150, lighter(pal::kRed, 0.6f), lighter(pal::kCoralRose, 0.2f), rng);
    sc::cloud(c, 520, 120, 180, lighter(pal::kRed, 0.6f), lighter(pal::kCoralRose, 0.2f), rng);
    sc::cloud(c, 420, 220, 90, lighter(pal::kApricot, 0.3f), lighter(pal::kRed, 0.5f), rng);
    for (Pt b : {Pt{200, 200}, Pt{216, 192}, Pt{232, 204}})
        c.fill(Shape::polyline({{b.x - 5, b.y - 2}, {b.x, b.y}, {b.x + 5, b.y - 2}}, 0.8f), pal::kDuskPlum);
}

// Distant ridges, the nubbles' land with its mushrooms, the hilltop.
void sunsetLand(Canvas& c, Rng& rng) {
    const int w = kLastW, h = kLastH;
    sc::hill(c, sc::hillShape(0, w, 318, 16, 0.006f, 81, h), darker(pal::kOldRose, 0.2f), pal::kOldRose);
    sc::hill(c, sc::hillShape(0, w, 346, 10, 0.01f, 82, h), darker(pal::kDuskPink, 0.3f), darker(pal::kCandyPink, 0.4f));
    Canvas far(w, h);
    for (float x : {90.f, 150.f, 500.f, 560.f, 610.f}) sc::mushroom(far, x, 352, float(rng.range(16, 26)), pal::kMulberry, rng);
    silhouette(c, far, lighter(pal::kMulberry, 0.1f));
    Shape top = Shape::where(0, 360, w, 120, [&](float x, float y) {
        float dx = (x - 320.f) / 420.f;
        return y > 392.f + 70.f * dx * dx + 3.f * fbm1(x * 0.05f, 83, 2) ? 1.f : 0.f;
    });
    c.fill(top, lighter(pal::kDuskShadow, 0.1f));
    c.fill(top - top.shift(0, 3), darker(pal::kApricot, 0.5f));
    sc::grass(c, 0, w, 480, 10, lighter(pal::kInk, 0.1f), rng, 0.3f);
}

// The two, seen from behind, sitting close, darkened against the sun with a
// warm rim where its light catches them.
void pairAgainstTheSun(Canvas& c) {
    Canvas pair(kLastW, kLastH);
    Pose back;
    back.back = true;
    back.sitting = true;
    traveller(pair, Who::Hero, 290, 414, 120, back);
    Pose her = back;
    her.headTilt = -5;
    traveller(pair, Who::Partner, 356, 416, 112, her);
    for (int y = 1; y < kLastH; ++y)
        for (int x = 1; x < kLastW - 1; ++x) {
            Rgba p = pair.at(x, y);
            if (p.a == 0) continue;
            Rgba q = mix(p, pal::kDuskPlum, 0.42f);
            bool rim = pair.at(x, y - 1).a < 128 || pair.at(x + (x < 320 ? 1 : -1), y).a < 128;
            if (rim && p.a >= 128) q = mix(q, lighter(pal::kTangerine, 0.3f), 0.55f);
            c.plot(x, y, Rgba{q.r, q.g, q.b, 255}, float(p.a) / 255.f);
        }
}

// ---------------------------------------------------------------- tfp
// The very last picture: the two travellers sit side by side on a hilltop,
// seen from behind, watching the sun go down over the nubbles' land; the
// sky says thank you.
Canvas lastPicture() {
    Canvas c(kLastW, kLastH);
    Rng rng(seedOf(kPicLastPicture.path));
    sunsetSky(c, rng);
    sunsetLand(c, rng);
    pairAgainstTheSun(c);
    // the brush lies in the grass beside them, its tip still coloured
    paintBrush(c, {150, 444}, {214, 420}, 8.f, pal::kRed, false);
    glow(c, 320, 300, 360, pal::kGoldLight, 50);
    // A broad dark rim keeps the words readable where they cross the pink
    // clouds as well as the sky.
    TextStyle thanks = mincho(56, pal::kPaper, pal::kRedNight, 5);
    thanks.align = Align::Centre;
    thanks.tracking = 8;
    thanks.shadow = pal::kRedNight;
    drawText(c, kLastW / 2, 56, say(words::kThankYou), thanks);
    c.noise(0, 0, kLastW, kLastH, 1.5f, rng);
    return c;
}

}  // namespace ag::fe
