// The front end's generated pictures against the scenes that draw them: the
// places a player clicks are painted, the places the scenes draw over are
// left clear, keyed pictures keep their key out of what must show, and the
// endings (loaded without a key) are opaque. Then the front-end generator's
// own pieces: the thumbnail sheet's layout and filter, its fallbacks when
// the stage pictures are missing, and the travellers' geometry.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>
#include <string>

#include <unistd.h>

// The drawing kit itself is compiled into test_assetgen_kit.cpp.
#include "../../tools/assetgen/frontend_kit.cpp"
#include "../../tools/assetgen/frontend_stages.cpp"
#include "../../tools/assetgen/hud_kit.cpp"

#include "colour_check.h"
#include "gfx/image.h"
#include "scenes/help.h"
#include "stage/screen_layout.h"
#include "scenes/stage_select.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"

namespace {

const std::string kData = TOLVANE_DATA_DIR;
constexpr uint32_t kGreen = 0xFF00FF00u, kWhite = 0xFFFFFFFFu;

Image load(const char* rel) {
    Image img;
    EXPECT_TRUE(DecodeImageFile((kData + "/" + rel).c_str(), img)) << rel << " is missing or unreadable";
    return img;
}

uint32_t at(const Image& img, int x, int y) { return img.argb[size_t(y) * size_t(img.width) + size_t(x)]; }

// A full-screen picture is drawn with v 0.01..1: screen row y shows picture
// row 4.8 + 0.99 y (of 480).
int pictureRow(float screenY) { return int(std::floor(4.8f + 0.99f * screenY)); }

// Pixels equal to `key` in the screen rectangle x0..x1, y0..y1 (bounds
// included) of a full-screen picture.
int keyedInScreenRect(const Image& img, uint32_t key, float x0, float y0, float x1, float y1) {
    int n = 0;
    for (int y = pictureRow(y0); y <= pictureRow(y1) && y < img.height; ++y)
        for (int x = int(x0); x <= int(x1) && x < img.width; ++x) n += at(img, x, y) == key;
    return n;
}

int keyedInRect(const Image& img, uint32_t key, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += at(img, x, y) == key;
    return n;
}

// Mean absolute channel difference between two columns (or rows).
double lineDifference(const Image& img, bool columns, int a, int b) {
    double sum = 0;
    const int n = columns ? img.height : img.width;
    for (int i = 0; i < n; ++i) {
        uint32_t p = columns ? at(img, a, i) : at(img, i, a), q = columns ? at(img, b, i) : at(img, i, b);
        for (int s = 0; s < 24; s += 8) sum += std::abs(int((p >> s) & 0xFF) - int((q >> s) & 0xFF));
    }
    return sum / (3.0 * n);
}

struct Mean {
    double r = 0, g = 0, b = 0;
    double distance(const Mean& o) const { return (std::abs(r - o.r) + std::abs(g - o.g) + std::abs(b - o.b)) / 3.0; }
};

// Mean colour of the pixels of `img` in [x0, x1) x [y0, y1) that pass `use`.
template <class F>
Mean meanOf(const Image& img, int x0, int y0, int x1, int y1, F use) {
    Mean m;
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            uint32_t p = at(img, x, y);
            if (!use(p)) continue;
            m.r += (p >> 16) & 0xFF;
            m.g += (p >> 8) & 0xFF;
            m.b += p & 0xFF;
            ++n;
        }
    if (n) m.r /= n, m.g /= n, m.b /= n;
    return m;
}

// The light-grey stand-in some runs write for a picture not made yet.
bool isFlat(const Image& img) {
    for (uint32_t p : img.argb)
        if (std::abs(int((p >> 16) & 0xFF) - int((img.argb[0] >> 16) & 0xFF)) > 4) return false;
    return true;
}

}  // namespace

// Every generated picture at the size its scene, sheet or cells assume.
TEST(GeneratedPictures, HaveTheSizesTheGameDrawsThemAt) {
    const struct {
        const char* file;
        int w, h;
    } sizes[] = {
        {"img/helpback.png", 640, 480},        {"img/select.png", 640, 480},     {"img/help.png", 640, 480},
        {"img/説明123.png", 512, 512},          {"img/説明456.png", 512, 512},     {"img/ステージセレクト.png", 640, 480},
        {"img/ステージ場面.png", 512, 512},     {"img/gameover.png", 640, 480},   {"img/end0.png", 512, 480},
        {"img/end1.png", 512, 480},            {"img/end2.png", 512, 480},       {"img/end.logo.png", 512, 480},
        {"img/tfp.png", 640, 480},
        // the opening
        {"img/vesk.png", 188, 132}, {"img/Logo.png", 640, 480}, {"img/plg.png", 640, 480},
        {"img/Gplg.png", 1024, 512}, {"img/kao.png", 1024, 512}, {"img/icon.png", 64, 64},
        // the touch screen's copies
        {"img/select.touch.png", 640, 480}, {"img/help.touch.png", 640, 480}, {"img/ステージセレクト.touch.png", 640, 480},
        {"img/gameover.touch.png", 640, 480}, {"img/skip.touch.png", 150, 30}, {"img/skip.png", 150, 30},
        {"img/説明456.touch.png", 512, 512},
        // the stage sheets
        {"img/mapchip1.png", 512, 512}, {"img/mapchip2.png", 512, 512}, {"img/mapchip3.png", 512, 512},
        {"img/char.move.png", 256, 1024}, {"img/char.partner.png", 256, 1024}, {"img/effect1.png", 512, 512}, {"img/effect2.png", 1024, 1024},
        {"img/eff.ハート完.png", 768, 768}, {"img/eff.Blue.png", 768, 768}, {"img/eff.window.png", 768, 768},
        {"img/suna.png", 768, 384}, {"img/fire.png", 256, 256}, {"img/波ね.png", 640, 512}, {"img/kaze.png", 256, 256},
        // the stage's panel, brush and text
        {"img/ブラシ.png", 256, 256}, {"img/mozi.png", 512, 512}, {"img/reset.png", 640, 480},
        {"img/タイムアップル.png", 640, 480}, {"img/back.png", 640, 480}, {"img/kaiwa.png", 640, 480},
    };
    for (const auto& s : sizes) {
        Image img = load(s.file);
        EXPECT_EQ(img.width, s.w) << s.file;
        EXPECT_EQ(img.height, s.h) << s.file;
    }
}

TEST(FrontendPictures, MenuTileIsFreeOfItsKeyAndTilesWithoutASeam) {
    Image tile = load("img/helpback.png");
    ASSERT_EQ(tile.width, 640);
    EXPECT_EQ(keyedInRect(tile, kWhite, 0, 0, 640, 480), 0) << "white is the tile's key: it would show holes";
    // Across the wrap the picture changes no more than between two
    // neighbouring lines inside it.
    const double inside = std::max({lineDifference(tile, true, 319, 320), lineDifference(tile, true, 100, 101),
                                    lineDifference(tile, true, 500, 501)});
    EXPECT_LE(lineDifference(tile, true, 639, 0), inside * 1.6 + 1.0);
    const double insideRows = std::max({lineDifference(tile, false, 239, 240), lineDifference(tile, false, 100, 101),
                                        lineDifference(tile, false, 400, 401)});
    EXPECT_LE(lineDifference(tile, false, 479, 0), insideRows * 1.6 + 1.0);
}

TEST(FrontendPictures, MenuChoicesAreDrawnWhereTheyAreClicked) {
    Image menu = load("img/select.png");
    ASSERT_EQ(menu.width, 640);
    for (const LayoutRect& c : {kMenuStageSelectButton, kMenuHelpButton}) {
        // the button fills its rectangle but for a few pixels of margin
        EXPECT_EQ(keyedInScreenRect(menu, kGreen, c.x0 + 6, c.y0 + 6, c.x1 - 6, c.y1 - 6), 0)
            << "choice at (" << c.x0 << ", " << c.y0 << ")";
        // its label: light lettering on the coloured face
        int label = 0;
        for (int y = pictureRow(c.y0); y <= pictureRow(c.y1); ++y)
            for (int x = int(c.x0); x <= int(c.x1); ++x) label += luminance(at(menu, x, y)) > 0.8;
        EXPECT_GT(label, 300) << "choice at (" << c.x0 << ", " << c.y0 << ") has no label";
    }
    EXPECT_GT(keyedInRect(menu, kGreen, 0, 0, 640, 480), 640 * 480 / 10) << "the drifting tile should show round the card";
}

TEST(FrontendPictures, HelpHotSpotsArePaintedAndThePageColumnIsClear) {
    Image help = load("img/help.png");
    ASSERT_EQ(help.width, 640);
    for (int i = 0; i < 7; ++i) {
        const LayoutRect& p = kHelpSpots[i];
        EXPECT_EQ(keyedInScreenRect(help, kGreen, p.x0, p.y0, p.x1, p.y1), 0) << "hot spot " << i + 1;
    }
    // the page number and the page itself are drawn over x 436..640, y 116..438
    const int clear = keyedInScreenRect(help, kGreen, 436, 116, 639, 438);
    const int area = (639 - 436 + 1) * (pictureRow(438) - pictureRow(116) + 1);
    EXPECT_EQ(clear, area) << "the page column must stay transparent";
}

// Each help page, in both languages: pages 1..6 on their two sheets, page 7
// on the face sheet's free corner.
TEST(FrontendPictures, HelpPagesAreLetteredCardsInsideTheSampledRange) {
    for (const char* folder : {"img/", "img/en/"}) {
        const Image sheets[3] = {load((std::string(folder) + "説明123.png").c_str()),
                                 load((std::string(folder) + "説明456.png").c_str()),
                                 load((std::string(folder) + "kao.png").c_str())};
        ASSERT_EQ(sheets[0].width, 512);
        ASSERT_EQ(sheets[1].width, 512);
        ASSERT_EQ(sheets[2].width, 1024);
        for (int i = 0; i < 7; ++i) {
            const HelpPage& p = kHelpPages[i];
            const Image& s = sheets[i / 3 < 2 ? i / 3 : 2];
            const int w = s.width, x0 = int(std::ceil(p.u0 * float(w))), x1 = int(p.u1 * float(w)), y1 = int(p.v1 * 512.f);
            const std::string page = std::string(folder) + " page " + std::to_string(i + 1);
            // a page is a card: nearly all of its sampled area is painted, its
            // inside wholly
            EXPECT_LT(keyedInRect(s, kGreen, x0, 0, x1, y1), (x1 - x0) * y1 / 20) << page;
            EXPECT_EQ(keyedInRect(s, kGreen, x0 + 6, 10, x1 - 6, y1 - 10), 0) << page;
            // all the help text is in the pictures: the lower part carries
            // several lines of dark lettering, dark pixels on many rows and
            // changing often along them
            int ink = 0, inkedRows = 0, edges = 0;
            auto dark = [&](int x, int y) { return at(s, x, y) != kGreen && luminance(at(s, x, y)) < 0.08; };
            for (int y = 160; y < 280; ++y) {
                int row = 0;
                for (int x = x0; x < x1; ++x) row += dark(x, y), edges += x > x0 && dark(x, y) != dark(x - 1, y);
                ink += row;
                inkedRows += row > 4;
            }
            EXPECT_GT(ink, 400) << page << " has no text";
            EXPECT_GT(inkedRows, 20) << page << " has too few lines of text";
            EXPECT_GT(edges, 800) << page << "'s lower part is not lettering";
            // the illustration window above it is drawn, not left plain
            std::set<uint32_t> colours;
            for (int y = 50; y < 146; ++y)
                for (int x = x0 + 12; x < x1 - 12; ++x) colours.insert(at(s, x, y));
            EXPECT_GT(colours.size(), 40u) << page;
            // below the page the sheet is empty
            EXPECT_EQ(keyedInRect(s, kGreen, x0, y1, x1, 512), (x1 - x0) * (512 - y1)) << page;
            // nothing of it lies left of where it is sampled from (page 6
            // starts a pixel late, at u 0.627; page 7 has the cover beside it)
            const int left = int(std::floor(p.u0 * float(w)));
            if (left > 0 && i < 6) {
                EXPECT_EQ(keyedInRect(s, kGreen, left - 1, 0, left, 512), 512) << page << " spills left";
            }
        }
    }
}

TEST(FrontendPictures, StageSelectFrameLeavesTheRowsReadable) {
    Image frame = load("img/ステージセレクト.png");
    ASSERT_EQ(frame.width, 640);
    for (int r = 0; r < 3; ++r) {
        // the titles and paint counts are written straight onto the drifting
        // paper: their line stays mostly clear
        const float y = SelectTextTop(r);
        const int line = keyedInScreenRect(frame, kGreen, 180, y, 630, y + 34);
        const int area = (630 - 180 + 1) * (pictureRow(y + 34) - pictureRow(y) + 1);
        EXPECT_GT(line, area * 8 / 10) << "row " << r;
        // the yellow stars get a dark ribbon to stand on
        const float sy = SelectStarTop(r);
        double darkest = 1, lightest = 0;
        for (int yy = pictureRow(sy + 4); yy <= pictureRow(sy + 30); ++yy)
            for (int x = 300; x < 560; x += 4) {
                uint32_t p = at(frame, x, yy);
                ASSERT_NE(p, kGreen) << "row " << r << " star ribbon at (" << x << ", " << yy << ")";
                lightest = std::max(lightest, luminance(p));
                darkest = std::min(darkest, luminance(p));
            }
        EXPECT_GE((luminance(0xFFFFFF00u) + 0.05) / (lightest + 0.05), 4.5) << "row " << r;
    }
}

TEST(FrontendPictures, ThumbnailsAreOpaqueAndEachStageHasItsOwn) {
    Image sheet = load("img/ステージ場面.png");
    ASSERT_EQ(sheet.width, 512);
    std::set<std::vector<uint32_t>> seen;
    for (int k = 1; k <= kStageCount; ++k) {
        const SelectEntry& e = StageOf(k).select;
        const int x0 = int(e.thumbU * 512.f), y0 = int(std::lround(e.thumbV * 512.f));
        // white is the sheet's key: a white pixel would be a hole
        EXPECT_EQ(keyedInRect(sheet, kWhite, x0, y0, x0 + 128, y0 + 96), 0) << "stage " << k;
        std::vector<uint32_t> cell;
        for (int y = y0; y < y0 + 96; ++y)
            for (int x = x0; x < x0 + 128; ++x) cell.push_back(at(sheet, x, y));
        std::set<uint32_t> colours(cell.begin(), cell.end());
        EXPECT_GT(colours.size(), 40u) << "stage " << k << " looks blank";
        EXPECT_TRUE(seen.insert(cell).second) << "stage " << k << " repeats another thumbnail";
    }
}

// Below the thumbnails: the three pots, the digits 0..4 of each paint and
// the page numbers, each a picture (not key) with key around it.
TEST(FrontendPictures, ThumbnailSheetCarriesPotsDigitsAndPageNumbers) {
    Image sheet = load("img/ステージ場面.png");
    ASSERT_EQ(sheet.width, 512);
    auto ink = [&](int x0, int y0, int w, int h) { return w * h - keyedInRect(sheet, kWhite, x0, y0, x0 + w, y0 + h); };
    for (int c = 0; c < 3; ++c) EXPECT_GT(ink(32 * c, 288, 32, 32), 32 * 32 / 2) << "pot " << c;
    std::set<std::vector<uint32_t>> digits;
    for (int c = 0; c < 3; ++c)
        for (int n = 0; n <= 4; ++n) {
            const int x0 = 20 * (5 * c + n);
            EXPECT_GT(ink(x0, 320, 20, 40), 60) << "digit " << n << " of paint " << c;
            EXPECT_EQ(keyedInRect(sheet, kWhite, x0, 320, x0 + 20, 322), 20 * 2) << "clear above the digit";
            std::vector<uint32_t> cell;
            for (int y = 320; y < 360; ++y)
                for (int x = x0; x < x0 + 20; ++x) cell.push_back(at(sheet, x, y));
            EXPECT_TRUE(digits.insert(cell).second) << "digit " << n << " of paint " << c << " repeats another";
        }
    for (int p = 0; p < 3; ++p) EXPECT_GT(ink(48 * p, 368, 48, 24), 60) << "page " << p + 1;
}

TEST(FrontendPictures, GameOverAndEndingsAreOpaque) {
    Image over = load("img/gameover.png");
    ASSERT_EQ(over.width, 640);
    EXPECT_EQ(keyedInRect(over, kGreen, 0, 0, 640, 480), 0) << "the brush is drawn under it and must not show";
    for (const char* file : {"img/end0.png", "img/end1.png", "img/end2.png", "img/end.logo.png", "img/tfp.png"}) {
        Image img = load(file);
        ASSERT_GT(img.width, 0) << file;
        int seeThrough = 0, black = 0;
        for (uint32_t p : img.argb) {
            seeThrough += (p >> 24) != 0xFF;
            black += (p & 0xFFFFFF) == 0;
        }
        EXPECT_EQ(seeThrough, 0) << file;
        EXPECT_LT(black, int(img.argb.size()) / 100) << file << " is drawn on black and should not vanish into it";
    }
}

// The last picture's light words keep a dark rim wherever they end along a
// row, over the sky and over the pink clouds alike, in both languages.
TEST(FrontendPictures, LastPictureWordsAreRimmedOverEveryBackground) {
    for (const char* file : {"img/tfp.png", "img/en/tfp.png"}) {
        Image img = load(file);
        ASSERT_EQ(img.width, 640) << file;
        int edges = 0;
        for (int y = 30; y < 140; ++y)
            for (int x = 1; x + 6 < img.width; ++x) {
                const bool letter = luminance(at(img, x, y)) > 0.8, next = luminance(at(img, x + 1, y)) > 0.8;
                if (!letter || next) continue;
                double darkest = 1, lightest = 0;  // within the rim's width past the edge
                for (int k = 1; k <= 6; ++k) {
                    darkest = std::min(darkest, luminance(at(img, x + k, y)));
                    lightest = std::max(lightest, luminance(at(img, x + k, y)));
                }
                if (lightest > 0.8) continue;  // a gap inside a character, not its outer edge
                ++edges;
                EXPECT_LT(darkest, 0.08) << file << " at " << x << "," << y;
            }
        EXPECT_GT(edges, 200) << file;
    }
}

// Each thumbnail is its stage's first screen shrunk to 128x96 (5 x 3.33):
// away from the walkers, an empty map cell shows the stage's background and
// a solid cell its chip, in the cell the stage select samples for it.
TEST(FrontendPictures, ThumbnailsShowTheirStagesGridOverItsBackground) {
    Image sheet = load("img/ステージ場面.png");
    ASSERT_EQ(sheet.width, 512);
    int comparedEmpty = 0, comparedSolid = 0;
    for (int k = 1; k <= kStageCount; ++k) {
        const SelectEntry& e = StageOf(k).select;
        const Stage& info = StageOf(k);
        Image bg, chips;
        const bool haveBg = DecodeImageFile((kData + "/" + info.background).c_str(), bg) && bg.width == 640 && !isFlat(bg);
        const bool haveChips = DecodeImageFile((kData + "/" + info.chips).c_str(), chips) && chips.width == chips.height;
        const int ox = int(e.thumbU * 512.f), oy = int(std::lround(e.thumbV * 512.f));
        const StageMap& map = InitialGrid(k);
        auto solid = [&](int row, int col) {
            return row >= 0 && col >= 0 && row < 10 && col < kMapCols && IsSolid(map[size_t(row * kMapCols + col)]);
        };
        auto nearWalker = [&](int row, int col) {
            for (float wx : {info.hero.x, info.partner.x})
                for (float wy : {info.hero.y, info.partner.y})
                    if (std::abs(float(col * 32) - wx) < 64 && std::abs(float(row * 32) - wy) < 64) return true;
            return false;
        };
        for (int row = 0; row < 10; ++row)
            for (int col = 0; col < kMapCols; ++col) {
                if (nearWalker(row, col)) continue;
                // the block of the thumbnail wholly inside this cell, less the
                // thumbnail's darkened edge
                const int tx0 = ox + std::max(1, int(std::ceil(col * 6.4))), tx1 = ox + std::min(127, int(std::floor((col + 1) * 6.4)));
                const int ty0 = oy + std::max(1, int(std::ceil(row * 9.6))), ty1 = oy + std::min(95, int(std::floor((row + 1) * 9.6)));
                Mean shown = meanOf(sheet, tx0, ty0, tx1, ty1, [](uint32_t) { return true; });
                bool alone = true;
                for (int dr = -1; dr <= 1; ++dr)
                    for (int dc = -1; dc <= 1; ++dc) alone = alone && !solid(row + dr, col + dc);
                if (alone && haveBg) {
                    // the background as the stage draws it (v from 0.01), keyed
                    // pixels showing the white screen
                    Mean expected;
                    int n = 0;
                    for (int y = row * 32; y < row * 32 + 32; ++y)
                        for (int x = col * 32; x < col * 32 + 32; ++x) {
                            uint32_t p = at(bg, x, std::min(479, pictureRow(float(y) + 0.5f)));
                            if ((p | 0xFF000000u) == info.backgroundKey) p = 0xFFFFFFFFu;
                            expected.r += (p >> 16) & 0xFF;
                            expected.g += (p >> 8) & 0xFF;
                            expected.b += p & 0xFF;
                            ++n;
                        }
                    expected.r /= n, expected.g /= n, expected.b /= n;
                    EXPECT_LT(shown.distance(expected), 14.0) << "stage " << k << " empty cell (" << col << ", " << row << ")";
                    ++comparedEmpty;
                }
                if (solid(row, col) && haveChips) {
                    // a chip that covers its whole cell shows as that chip
                    const ChipCode code = map[size_t(row * kMapCols + col)];
                    const int size = chips.width / 16, sx = (code % 16) * size, sy = (code / 16) * size;
                    Mean chip = meanOf(chips, sx, sy, sx + size, sy + size, [](uint32_t p) { return p != kGreen; });
                    int keyed = 0;
                    for (int y = sy; y < sy + size; ++y)
                        for (int x = sx; x < sx + size; ++x) keyed += at(chips, x, y) == kGreen;
                    if (keyed > size * size / 20) continue;
                    EXPECT_LT(shown.distance(chip), 24.0) << "stage " << k << " solid cell (" << col << ", " << row << ")";
                    ++comparedSolid;
                }
            }
    }
    if (comparedEmpty + comparedSolid == 0) GTEST_SKIP() << "no stage backgrounds or chip sheets in this data";
}

// ---------------------------------------------------------------- generator pieces

TEST(FrontendKit, ThumbnailCellsLieApartOnTheSheet) {
    std::set<std::pair<int, int>> used;
    for (int k = 1; k <= kStageCount; ++k) {
        ag::Pt cell = ag::fe::thumbnailCell(k);
        EXPECT_TRUE(cell.x >= 0 && cell.y >= 0 && cell.x + 128 <= 512 && cell.y + 96 <= 512) << "stage " << k;
        EXPECT_TRUE(used.insert({int(cell.x), int(cell.y)}).second) << "stage " << k << " shares a cell";
    }
}

TEST(FrontendKit, BoxFilterAveragesWholeAndPartialPixels) {
    using ag::Canvas;
    // 5-px stripes fall exactly on output pixels: they stay pure
    Canvas stripes(640, 320);
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 640; ++x) stripes.at(x, y) = (x / 5) % 2 ? ag::hex(0xFFFFFF) : ag::hex(0x000000);
    Canvas small = ag::fe::boxDown(stripes, 128, 96);
    ASSERT_EQ(small.width(), 128);
    ASSERT_EQ(small.height(), 96);
    EXPECT_EQ(small.at(0, 40), ag::hex(0x000000));
    EXPECT_EQ(small.at(1, 40), ag::hex(0xFFFFFF));
    // rows shrink by 3.33: a one-row line spreads over the output pixel that
    // covers it, weighted by the share it covers, and the total is kept
    Canvas line(640, 320, ag::hex(0x000000));
    for (int x = 0; x < 640; ++x) line.at(x, 10) = ag::hex(0xFFFFFF);
    small = ag::fe::boxDown(line, 128, 96);
    double total = 0;
    for (int y = 0; y < 96; ++y) total += small.at(7, y).r;
    EXPECT_NEAR(total, 255.0 * 96.0 / 320.0, 1.5);
    EXPECT_NEAR(small.at(7, 3).r, 255.0 * 0.3, 1.0);  // row 10 lies in output row 3 (10..13.33)
    EXPECT_EQ(small.at(7, 0).r, 0);
}

TEST(FrontendKit, ThumbnailsFallBackToPlainPicturesWhenStagePicturesAreMissing) {
    char dir[] = "/tmp/tolvane-thumbs-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    ag::Output out(dir);
    // a one-colour stand-in background counts as missing too
    ag::writePng(out.path("img/haik.png"), ag::Canvas(640, 480, ag::hex(0x808080)), ag::PngKind::Rgb);
    ag::Canvas sheet = ag::fe::stageThumbnails(out);
    ASSERT_EQ(sheet.width(), 512);
    ASSERT_EQ(sheet.height(), 512);
    std::set<std::vector<uint32_t>> seen;
    for (int k = 1; k <= 9; ++k) {
        ag::Pt cell = ag::fe::thumbnailCell(k);
        std::vector<uint32_t> pixels;
        int grey = 0;
        for (int y = int(cell.y); y < int(cell.y) + 96; ++y)
            for (int x = int(cell.x); x < int(cell.x) + 128; ++x) {
                const ag::Rgba p = sheet.at(x, y);
                ASSERT_EQ(p.a, 255) << "stage " << k;
                pixels.push_back(p.argb());
                grey += p == ag::hex(0x808080);
            }
        EXPECT_LT(grey, 96 * 128 / 10) << "stage " << k << " shows the stand-in";
        EXPECT_TRUE(seen.insert(pixels).second) << "stage " << k;
        // the map's solid cells show as blocks: the bottom-left cell of
        // stage 1's ground row (row 6, col 0) differs from the sky above it
        if (k == 1) {
            const ag::Rgba sky = sheet.at(int(cell.x) + 3, int(cell.y) + 30);
            const ag::Rgba block = sheet.at(int(cell.x) + 3, int(cell.y) + 62);
            EXPECT_NE(sky, block);
        }
    }
    // outside the nine cells the sheet is empty (the white key once saved)
    EXPECT_EQ(sheet.at(300, 300).a, 0);
    std::filesystem::remove_all(dir);
}

TEST(FrontendKit, TravellersHoldTheirHandsWhereHandAtSays) {
    using namespace ag::fe;
    for (Who who : {Who::Hero, Who::Partner})
        for (Arm arm : {Arm::Down, Arm::Wave, Arm::Up, Arm::Forward, Arm::Hold, Arm::Hip}) {
            ag::Canvas c(200, 200);
            Pose p;
            p.facing = 0.4f;
            p.far = arm;
            traveller(c, who, 100, 180, 120, p);
            ag::Pt hand = handAt(100, 180, 120, p, 1);
            const ag::Rgba skin = c.at(int(hand.x), int(hand.y));
            EXPECT_EQ(skin, ag::pal::kSkin) << "arm pose " << int(arm);
        }
}

TEST(FrontendKit, TravellersStayInsideTheirBox) {
    using namespace ag::fe;
    for (Who who : {Who::Hero, Who::Partner})
        for (bool sitting : {false, true})
            for (float facing : {-1.f, 0.f, 1.f}) {
                ag::Canvas c(300, 300);
                Pose p;
                p.facing = facing;
                p.sitting = sitting;
                p.near = Arm::Wave;
                p.far = Arm::Up;
                const float h = 150, cx = 150, base = 260;
                traveller(c, who, cx, base, h, p);
                int top = 300, bottom = 0, left = 300, right = 0;
                for (int y = 0; y < 300; ++y)
                    for (int x = 0; x < 300; ++x)
                        if (c.at(x, y).a > 0) {
                            top = std::min(top, y), bottom = std::max(bottom, y);
                            left = std::min(left, x), right = std::max(right, x);
                        }
                EXPECT_GE(top, int(base - 1.06f * h)) << "facing " << facing;
                EXPECT_LE(bottom, int(base) + 1) << "facing " << facing;
                EXPECT_GE(left, int(cx - 0.4f * h)) << "facing " << facing;
                EXPECT_LE(right, int(cx + 0.4f * h)) << "facing " << facing;
                // a sitting figure is lower, its feet still on the ground
                EXPECT_GE(bottom, int(base) - 2);
                if (sitting) {
                    EXPECT_GT(top, int(base - 0.9f * h));
                }
            }
}
