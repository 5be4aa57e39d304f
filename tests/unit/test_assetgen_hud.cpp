// The play screens' generated pictures, checked against how the game uses
// them: the brush's tip on the mouse, the lettering cells the HUD, stage
// select and help read, each stage's panel (pots where the clicks land,
// counts beside pots of their colour, the time strip's window open), the
// backgrounds free of both keys they are loaded with, the title's buttons
// and the talk window.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <ios>
#include <string>
#include <vector>

#include "colour_check.h"
#include "gfx/gfx.h"
#include "gfx/image.h"
#include "stage/hud.h"
#include "stage/screen_layout.h"
#include "stage/stage_flow.h"
#include "talk/talk.h"

namespace {

const std::filesystem::path kData = TOLVANE_DATA_DIR;

struct Picture {
    Image img;
    uint32_t at(int x, int y) const { return img.argb[size_t(y) * size_t(img.width) + size_t(x)]; }
};

Picture load(const std::string& rel) {
    Picture p;
    EXPECT_TRUE(DecodeImageFile((kData / rel).string().c_str(), p.img)) << rel << " is missing or unreadable";
    return p;
}

// The full-screen quad samples v from 0.01 at the top: the picture row the
// player sees on screen row sy.
int shownRow(int sy) { return int(std::floor(4.8 + 0.99 * (double(sy) + 0.5))); }

struct Rect {
    int x0, y0, x1, y1;  // [x0, x1) x [y0, y1)
};
// A layout rectangle; `edge` 1 counts its right and bottom edges too.
Rect rectOf(const LayoutRect& r, int edge = 0) { return {int(r.x0), int(r.y0), int(r.x1) + edge, int(r.y1) + edge}; }

// Pixels equal to `key` in a rectangle of the picture.
int countKey(const Picture& p, uint32_t key, Rect r) {
    int n = 0;
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) n += p.at(x, y) == key;
    return n;
}

// Same, for a rectangle given in screen rows of a full-screen picture.
int countKeyOnScreen(const Picture& p, uint32_t key, Rect r) {
    int n = 0;
    for (int sy = r.y0; sy < r.y1; ++sy)
        for (int x = r.x0; x < r.x1; ++x) n += p.at(x, shownRow(sy)) == key;
    return n;
}

int channel(uint32_t c, int shift) { return int((c >> shift) & 0xFF); }
double distance(uint32_t a, uint32_t b) {
    double dr = channel(a, 16) - channel(b, 16), dg = channel(a, 8) - channel(b, 8), db = channel(a, 0) - channel(b, 0);
    return std::sqrt(dr * dr + dg * dg + db * db);
}

// The paints as the pictures draw them.
constexpr uint32_t kPaint[4] = {0, 0xFFE0413Au, 0xFF38B45Au, 0xFF3A7BE0u};  // by colour 1 red, 2 green, 3 blue

// Pixels within `tolerance` of a paint colour, for each paint, in a screen rectangle.
std::array<int, 4> paintCounts(const Picture& p, Rect r, bool fullScreen, double tolerance = 40) {
    std::array<int, 4> n{};
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x) {
            uint32_t c = p.at(x, fullScreen ? shownRow(y) : y);
            for (int k = 1; k <= 3; ++k) n[size_t(k)] += distance(c, kPaint[k]) < tolerance;
        }
    return n;
}

int opaqueIn(const Picture& p, uint32_t key, Rect r) { return (r.x1 - r.x0) * (r.y1 - r.y0) - countKey(p, key, r); }

}  // namespace

TEST(HudPictures, PanelsAndBannersFillTheScreen) {
    for (const char* f : {"img/下１.png", "img/下２.png", "img/下３.png", "img/下４.png", "img/下５.png", "img/下６.png",
                          "img/下７.png", "img/haik.png", "img/haik2.png", "img/haik3.png", "img/haik4.png",
                          "img/haik5.png", "img/haik6.png", "img/haik7.png", "img/haik8.png"}) {
        Picture p = load(f);
        EXPECT_EQ(p.img.width, 640) << f;
        EXPECT_EQ(p.img.height, 480) << f;
    }
    Picture gauge = load("img/gage.png");
    EXPECT_GT(gauge.img.width, 0);
}

// ---------------------------------------------------------------- brush

TEST(HudBrush, TipSitsOnTheMouseInEveryColour) {
    Picture p = load("img/ブラシ.png");
    ASSERT_EQ(p.img.width, 256);
    // The cursor quad spans mouse - 52.5 .. + 11.5 across and mouse - 63 .. + 1
    // down: the mouse is on texel (52, 63) of the cell.
    const double dx = 43, dy = 55, len = std::sqrt(dx * dx + dy * dy);
    for (int col = 0; col < 4; ++col) {
        const int ox = col * 64;  // resting frame: row 0
        EXPECT_NE(p.at(ox + 52, 63), kKeyGreen) << "column " << col;
        // The point reaching furthest along the brush's lean is its tip.
        double best = -1e9;
        int tx = 0, ty = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                if (p.at(ox + x, y) != kKeyGreen && (x * dx + y * dy) / len > best) {
                    best = (x * dx + y * dy) / len;
                    tx = x;
                    ty = y;
                }
        EXPECT_LE(std::hypot(tx - 52, ty - 63), 3.0) << "column " << col << " tip at " << tx << "," << ty;
    }
}

TEST(HudBrush, ColumnsCarryTheirPaintAndEveryFrameIsDrawn) {
    Picture p = load("img/ブラシ.png");
    ASSERT_EQ(p.img.width, 256);
    // u 0 red, 0.25 blue, 0.5 green, 0.75 the clean brush.
    const int paintOfColumn[4] = {1, 3, 2, 0};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            Rect cell{col * 64, row * 64, col * 64 + 64, row * 64 + 64};
            EXPECT_GT(opaqueIn(p, kKeyGreen, cell), 300) << "cell " << col << "," << row;
            auto n = paintCounts(p, cell, false);
            for (int k = 1; k <= 3; ++k) {
                if (k == paintOfColumn[col]) {
                    EXPECT_GT(n[size_t(k)], 25) << "cell " << col << "," << row << " lacks paint " << k;
                } else {
                    EXPECT_LT(n[size_t(k)], 5) << "cell " << col << "," << row << " shows paint " << k;
                }
            }
        }
}

TEST(HudBrush, PressedFramesLeaveADabUnderTheTip) {
    Picture p = load("img/ブラシ.png");
    ASSERT_EQ(p.img.width, 256);
    // The stroke plays rows 1, 2, 3 and then row 0 again (v 1.0 wraps): the
    // pressed and lifting frames show paint on the paper left of the tip,
    // where the resting brush shows none; the clean brush leaves nothing.
    const int paintOfColumn[4] = {1, 3, 2, 0};
    for (int col = 0; col < 4; ++col) {
        auto dab = [&](int row) {
            Rect under{col * 64 + 26, row * 64 + 57, col * 64 + 40, row * 64 + 64};
            return paintOfColumn[col] ? paintCounts(p, under, false, 60)[size_t(paintOfColumn[col])] : 0;
        };
        if (paintOfColumn[col]) {
            EXPECT_EQ(dab(0), 0) << "column " << col;
            EXPECT_GT(dab(2), 10) << "column " << col;
            EXPECT_GT(dab(3), 10) << "column " << col;
        }
        // the raised frame lifts the tip off the hot spot
        EXPECT_EQ(p.at(col * 64 + 52, 64 + 63), kKeyGreen) << "column " << col;
    }
}

// ---------------------------------------------------------------- lettering

TEST(HudLettering, EveryCellTheGameReadsIsDrawn) {
    Picture p = load("img/mozi.png");
    ASSERT_EQ(p.img.width, 512);
    struct Named {
        const char* what;
        Rect r;
        int minOpaque;
    };
    std::vector<Named> cells = {
        {"stage label", rectOf(kLetterStageCaption), 2000},
        {"banner bar", rectOf(kLetterBannerBar), 6000},
        {"banner roller", rectOf(kLetterBannerRoller), 5000},
        {"lives caption", rectOf(kLetterLives), 300},
        {"stage-1 bubble", rectOf(kLetterWaitingBubble), 1200},
        {"difficulty plaque", rectOf(kLetterDifficulty), 3000},
    };
    for (bool lit : {false, true})
        for (bool next : {false, true}) cells.push_back({"page arrow", rectOf(LetterPageArrow(next, lit)), 700});
    for (int i = 0; i < 4; ++i) cells.push_back({"clear letter", rectOf(LetterClear(i)), 400});
    for (int pos = 1; pos <= 9; ++pos) cells.push_back({"stage number", rectOf(LetterStageNumber(pos)), 1500});
    for (const Named& c : cells)
        EXPECT_GE(opaqueIn(p, kKeyGreen, c.r), c.minOpaque) << c.what << " at " << c.r.x0 << "," << c.r.y0;
    // Cells are drawn inside their bounds: the glyph cells stay clear of the
    // cells beside them (a zoomed number would show its neighbour's edge).
    Rect five = rectOf(LetterStageNumber(5));
    EXPECT_EQ(countKey(p, kKeyGreen, {five.x0, five.y0, five.x0 + 2, five.y1}), 2 * (five.y1 - five.y0));
}

TEST(HudLettering, WaitingBubbleLeavesThePartnersHeadInSight) {
    Picture p = load("img/mozi.png");
    ASSERT_EQ(p.img.width, 512);
    // Drawn at (512, 112)-(608, 144) while the partner stands at (576, 128):
    // the cell's lower right corner (x 64..96, y 16..32) covers her head.
    const Rect cell = rectOf(kLetterWaitingBubble);
    Rect head{cell.x0 + 64 + 8, cell.y0 + 20, cell.x1, cell.y1};
    int clear = countKey(p, kKeyGreen, head);
    EXPECT_GT(clear, (head.x1 - head.x0) * (head.y1 - head.y0) * 8 / 10);
}

TEST(HudLettering, BannerRibbonLooksTheSameAtAnyWidth) {
    Picture p = load("img/mozi.png");
    ASSERT_EQ(p.img.width, 512);
    // The start banner stretches the ribbon from nothing to full width, so
    // it may only change from row to row.
    Rect bar = rectOf(kLetterBannerBar);
    int varying = 0;
    for (int y = bar.y0; y < bar.y1; ++y)
        for (int x = bar.x0 + 1; x < bar.x1; ++x) varying += p.at(x, y) != p.at(bar.x0, y);
    EXPECT_EQ(varying, 0);
}

TEST(HudLettering, TimeStripIsFullOnItsLeftHalfAndEmptyOnItsRight) {
    Picture p = load("img/mozi.png");
    ASSERT_EQ(p.img.width, 512);
    // The strip lies on its side: screen (sx, sy) of the 384x64 strip is
    // texel (right - sy, top + sx) of its cell.
    const Rect cell = rectOf(kLetterTimeStrip);
    auto strip = [&](int sx, int sy) { return p.at(cell.x1 - 1 - sy, cell.y0 + sx); };
    EXPECT_EQ(countKey(p, kKeyGreen, cell), 0) << "the strip must hide the panel window completely";
    // The window shows strip x 0..192 at the start and x 192..384 when the
    // strip's right end reaches 612: the bar, then nothing of it.
    int barAtStart = 0, barAtEnd = 0;
    for (int sx = 4; sx < 150; ++sx) barAtStart += channel(strip(sx, 32), 16) > 200;
    for (int sy = 0; sy < 64; ++sy)
        for (int sx = 192; sx < 384; ++sx) barAtEnd += channel(strip(sx, sy), 16) > 150;
    EXPECT_EQ(barAtStart, 146) << "the full bar shown at the start";
    EXPECT_EQ(barAtEnd, 0) << "only the empty trough when time runs out";
}

// ---------------------------------------------------------------- panels

TEST(HudPanels, OpenAboveTheStageAndOverTheTimeWindow) {
    for (const char* f : {"img/下１.png", "img/下２.png", "img/下３.png", "img/下４.png", "img/下５.png", "img/下６.png", "img/下７.png"}) {
        Picture p = load(f);
        ASSERT_EQ(p.img.height, 480) << f;
        const Rect window = rectOf(kPanelTimeWindow);
        const int top = int(kPanelTop);
        EXPECT_EQ(countKeyOnScreen(p, kKeyWhite, {0, 0, 640, top}), 640 * top) << f << ": the stage must show above the panel";
        EXPECT_EQ(countKeyOnScreen(p, kKeyWhite, window), (window.x1 - window.x0) * (window.y1 - window.y0))
            << f << ": the time strip window";
        EXPECT_EQ(countKeyOnScreen(p, kKeyWhite, {0, top, 640, window.y0}), 0) << f << ": the panel's top is solid";
        EXPECT_EQ(countKeyOnScreen(p, kKeyWhite, {0, top, window.x0, 480}), 0) << f << ": the panel is solid";
        EXPECT_EQ(countKeyOnScreen(p, kKeyWhite, rectOf(kPanelResetButton, 1)), 0) << f << ": the reset button";
        EXPECT_EQ(countKeyOnScreen(p, kKeyWhite, rectOf(kPanelLivesRow)), 0) << f << ": behind the lives row";
    }
}

TEST(HudPanels, EachStageShowsItsPotsWhereItsClicksLandAndItsCountsBesideThem) {
    for (int k = 1; k <= kStageCount; ++k) {
        const Stage& s = StageOf(k);
        Picture p = load(s.panel);
        ASSERT_EQ(p.img.height, 480) << s.panel;
        std::vector<std::pair<int, int>> pots;  // x, colour
        if (s.threePots)
            pots = {{int(kPanelPotX[0]), 1}, {int(kPanelPotX[1]), 2}, {int(kPanelPotX[2]), 3}};
        else
            pots = {{int(s.onePotX), s.onePotColour}};
        const int potTop = int(kPanelPotTop), potBottom = int(kPanelPotTop + kPanelPotSize) + 1;
        for (auto [x, colour] : pots) {
            auto n = paintCounts(p, {x, potTop, x + int(kPanelPotSize), potBottom}, true);
            for (int other = 1; other <= 3; ++other) {
                if (other == colour) continue;
                EXPECT_GT(n[size_t(colour)], 3 * n[size_t(other)] + 50)
                    << "stage " << k << ": the pot at x " << x << " is not of paint " << colour;
            }
        }
        // Every count drawn stands just right of a pot of its colour.
        for (int colour = 1; colour <= 3; ++colour) {
            if (!(s.digitsDrawn & (1 << (colour - 1)))) continue;
            int dx = int(s.digitPos[colour - 1][0]);
            auto n = paintCounts(p, {dx - int(kPanelPotSize), potTop, dx, potBottom}, true);
            EXPECT_GT(n[size_t(colour)], 200) << "stage " << k << ": the count of paint " << colour << " at x " << dx;
        }
    }
}

// ---------------------------------------------------------------- backgrounds

TEST(HudBackgrounds, HoldNeitherKeyTheyAreLoadedWith) {
    for (const char* f : {"img/haik.png", "img/haik2.png", "img/haik3.png", "img/haik4.png", "img/haik5.png",
                          "img/haik6.png", "img/haik7.png", "img/haik8.png"}) {
        Picture p = load(f);
        EXPECT_EQ(countKey(p, kKeyBlack, {0, 0, p.img.width, p.img.height}), 0) << f;
        EXPECT_EQ(countKey(p, kKeyWhite, {0, 0, p.img.width, p.img.height}), 0) << f;
    }
}

TEST(HudBackgrounds, DifferInMood) {
    // Night pictures are dark, day pictures bright: a swapped file shows here.
    auto meanLuminance = [](const Picture& p) {
        double sum = 0;
        for (int y = 0; y < 320; y += 4)
            for (int x = 0; x < 640; x += 4) sum += luminance(p.at(x, y));
        return sum / (80.0 * 160.0);
    };
    EXPECT_GT(meanLuminance(load("img/haik.png")), 0.4);
    EXPECT_GT(meanLuminance(load("img/haik3.png")), 0.25);
    EXPECT_LT(meanLuminance(load("img/haik5.png")), 0.15);
    EXPECT_LT(meanLuminance(load("img/haik6.png")), 0.08);
}

// ---------------------------------------------------------------- screens

TEST(HudScreens, TitleHasNoWhiteAndItsButtonsStandOut) {
    Picture p = load("img/back.png");
    ASSERT_EQ(p.img.width, 640);
    EXPECT_EQ(countKey(p, kKeyWhite, {0, 0, 640, 480}), 0) << "the title fades in over white: any white is a hole";
    // Each button rectangle is framed by the dark outline along its edges.
    const Rect buttons[3] = {rectOf(kTitleStartButton), rectOf(kTitleMenuButton), rectOf(kTitleQuitButton)};
    for (const Rect& b : buttons) {
        int dark = 0, n = 0;
        for (int x = b.x0 + 20; x < b.x1 - 20; ++x)
            for (int sy : {b.y0, b.y0 + 1, b.y0 + 2}) {
                dark += luminance(p.at(x, shownRow(sy))) < 0.05;
                ++n;
            }
        EXPECT_GT(dark, n / 4) << "button at " << b.x0 << "," << b.y0;
    }
}

TEST(HudScreens, TalkWindowLeavesThePortraitsClearAndReadsTheStoryColours) {
    Picture p = load("img/kaiwa.png");
    ASSERT_EQ(p.img.width, 640);
    EXPECT_EQ(countKeyOnScreen(p, kKeyGreen, {0, 0, 640, 262}), 640 * 262) << "background and portraits show above";
    EXPECT_EQ(countKeyOnScreen(p, kKeyGreen, {0, 380, 640, 480}), 640 * 100);
    EXPECT_EQ(countKeyOnScreen(p, kKeyGreen, {46, 276, 628, 366}), 0) << "the text area is opaque";
    // The paper behind the lines: every speaker's colour reads on it, down to
    // the darkest paper where text is drawn.
    for (int y = 280; y < 352; y += 3)  // the page-turn mark sits below
        for (int x = 50; x < 600; x += 7) {
            uint32_t paper = p.at(x, shownRow(y));
            for (uint32_t ink : {kHeroColour, kGodColour, kCompanionColour, kNarrationColour, kChiefColour, kBrightWordRim})
                ASSERT_GE(contrast(ink, paper), 4.5) << std::hex << ink << std::dec << " at " << x << "," << y;
        }
}

TEST(HudScreens, RestartPicturesCoverOnlyTheMiddle) {
    Picture reset = load("img/reset.png");
    ASSERT_EQ(reset.img.width, 640);
    EXPECT_EQ(countKey(reset, kKeyNearBlack, {0, 0, 640, 150}), 640 * 150);
    EXPECT_EQ(countKey(reset, kKeyNearBlack, {200, 200, 440, 280}), 0);
    EXPECT_EQ(countKey(reset, kKeyBlack, {0, 0, 640, 480}), 0);
    Picture timeUp = load("img/タイムアップル.png");
    ASSERT_EQ(timeUp.img.width, 640);
    EXPECT_EQ(countKey(timeUp, kKeyGreen, {0, 0, 640, 60}), 640 * 60);
    EXPECT_EQ(countKey(timeUp, kKeyGreen, {290, 150, 350, 210}), 0) << "the apple clock";
    EXPECT_LT(countKey(timeUp, kKeyGreen, {100, 320, 540, 390}), 440 * 70 * 7 / 10) << "the caption";
}
