// The stage sheets as the stage code reads them: the chip sheets, the
// character sheet and the effect pictures. Every cell some code draws must
// hold a picture that survives its colour key, and the key must not punch
// holes where a picture has to be whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "gfx/image.h"
#include "stage/screen_layout.h"
#include "stage/stage_flow.h"
#include "stage/stage_map.h"
#include "stage/walker.h"

namespace {

const std::string kData = TOLVANE_DATA_DIR;

constexpr uint32_t kGreen = 0xFF00FF00u, kBlack = 0xFF000000u, kNearBlack = 0xFF010101u, kGreyBlue = 0xFFE6F0F0u;

Image load(const std::string& rel) {
    Image img;
    EXPECT_TRUE(DecodeImageFile((kData + "/" + rel).c_str(), img)) << rel << " is missing or unreadable";
    return img;
}

uint32_t at(const Image& img, int x, int y) { return img.argb[size_t(y) * size_t(img.width) + size_t(x)]; }

struct Cell {
    int x, y, w = 0, h = 0;
};

// Pixels in [x0, x0+w) x [y0, y0+h) that are not the key.
int drawn(const Image& img, uint32_t key, int x0, int y0, int w, int h) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) n += at(img, x, y) != key;
    return n;
}

// The pixels of a cell given in texture coordinates, as the game samples it.
int drawnUv(const Image& img, uint32_t key, float u0, float v0, float u1, float v1) {
    int x0 = int(u0 * float(img.width) + 0.5f), x1 = int(u1 * float(img.width) + 0.5f);
    int y0 = int(v0 * float(img.height) + 0.5f), y1 = int(v1 * float(img.height) + 0.5f);
    return drawn(img, key, x0, y0, x1 - x0, y1 - y0);
}

// ---------------------------------------------------------------- chip sheets

std::set<int> codes(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<int> s;
    for (auto [a, b] : ranges)
        for (int n = a; n <= b; ++n) s.insert(n);
    return s;
}

// The codes the stage events write into their grids, by sheet: burning,
// growing, flickering and animated goal columns.
const std::set<int> kScriptCodes[4] = {
    {},
    // stages 1 and 8
    codes({{1, 1}, {2, 2}, {4, 7}, {16, 16}, {17, 19}, {20, 23}, {33, 35}, {36, 40}, {49, 51}, {58, 61}, {68, 77}, {84, 93},
           {96, 103}, {112, 119}, {144, 146}, {160, 162}, {164, 164}, {199, 199}}),
    // stages 2 and 6
    codes({{2, 2}, {4, 9}, {10, 13}, {15, 15}, {16, 25}, {26, 29}, {30, 30}, {31, 31}, {32, 41}, {42, 45}, {48, 55}, {58, 61},
           {64, 71}}),
    // stages 3, 4, 5, 7 and 9
    codes({{5, 5}, {7, 7}, {10, 13}, {20, 29}, {36, 45}, {52, 55}, {57, 60}, {68, 77}, {92, 93}, {97, 98}, {108, 109},
           {113, 114}, {124, 125}, {128, 139}, {144, 156}, {160, 163}, {172, 172}, {176, 179}}),
};

int sheetOf(int stage) {
    const std::string chips = StageOf(stage).chips;
    return chips.find("mapchip1") != std::string::npos ? 1 : chips.find("mapchip2") != std::string::npos ? 2 : 3;
}

std::set<int> usedCodes(int sheet) {
    std::set<int> used = kScriptCodes[sheet];
    for (int k = 1; k <= kStageCount; ++k)
        if (sheetOf(k) == sheet)
            for (ChipCode c : InitialGrid(k))
                if (c != 0) used.insert(c);
    return used;
}

int chipPixels(const Image& img, int code) { return drawn(img, kGreen, (code % 16) * 32, (code / 16) * 32, 32, 32); }

}  // namespace

TEST(StageSheets, EveryChipAStageUsesIsDrawnAndNoOtherIs) {
    for (int sheet = 1; sheet <= 3; ++sheet) {
        const std::string file = "img/mapchip" + std::to_string(sheet) + ".png";
        Image img = load(file);
        ASSERT_EQ(img.width, 512) << file;
        const std::set<int> used = usedCodes(sheet);
        EXPECT_EQ(chipPixels(img, 0), 0) << file << ": chip 0 must be all key";
        for (int code = 1; code < 256; ++code) {
            const int px = chipPixels(img, code);
            if (used.count(code))
                EXPECT_GE(px, 40) << file << ": chip " << code << " is used but (nearly) empty";
            else
                EXPECT_EQ(px, 0) << file << ": chip " << code << " is used by no stage, yet drawn (a shifted picture?)";
        }
    }
}

TEST(StageSheets, FloorsAndWallsAreSolidBlocks) {
    // Chips the grids use as plain floor, shelf or wall, and the feet of the
    // goal columns that stand in the floor line: no key holes inside.
    const std::set<int> kSolid[4] = {
        {},
        codes({{2, 3}, {16, 16}, {20, 23}, {199, 199}}),
        codes({{1, 3}, {30, 31}, {58, 61}}),
        codes({{1, 2}, {4, 8}, {113, 114}, {144, 151}, {176, 179}}),
    };
    for (int sheet = 1; sheet <= 3; ++sheet) {
        Image img = load("img/mapchip" + std::to_string(sheet) + ".png");
        ASSERT_EQ(img.width, 512);
        for (int code : kSolid[sheet]) EXPECT_GE(chipPixels(img, code), 32 * 32 * 9 / 10) << "sheet " << sheet << " chip " << code;
    }
}

namespace {

std::vector<uint32_t> chip(const Image& img, int code) {
    std::vector<uint32_t> px;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) px.push_back(at(img, (code % 16) * 32 + x, (code / 16) * 32 + y));
    return px;
}

}  // namespace

TEST(StageSheets, AnimatedChipsChangeFromFrameToFrame) {
    // Each list is one cell's pictures in the order an event or a flicker
    // writes them; neighbouring pictures must differ or nothing moves.
    const std::vector<std::vector<int>> kSequences[4] = {
        {},
        {{4, 5, 6, 7}, {144, 145, 146}, {96, 98, 100, 102}, {113, 115, 117, 119}, {68, 70, 72, 74, 76}, {51, 50, 49}},
        {{42, 43, 44, 45}, {10, 11, 12, 13}, {48, 50, 52, 54}, {16, 18, 20, 22, 24}},
        {{128, 129, 130, 131}, {160, 161, 162, 163}, {132, 133, 134, 135}, {52, 53, 54, 55}, {57, 58, 59, 60},
         {136, 137, 138, 139}, {20, 22, 24, 26, 28}},
    };
    for (int sheet = 1; sheet <= 3; ++sheet) {
        Image img = load("img/mapchip" + std::to_string(sheet) + ".png");
        ASSERT_EQ(img.width, 512);
        for (const auto& seq : kSequences[sheet])
            for (size_t i = 1; i < seq.size(); ++i)
                EXPECT_NE(chip(img, seq[i - 1]), chip(img, seq[i])) << "sheet " << sheet << ": chips " << seq[i - 1] << " and " << seq[i];
    }
}

TEST(StageSheets, GrownPlantsOfferAFlatTopToStandOn) {
    // The grown plants join shelves (walkers stand on them): their top chips
    // must be covered along their upper edge, not float below it.
    const struct {
        int sheet, left;
    } kTops[] = {{1, 60}, {2, 8}, {3, 12}};
    for (auto [sheet, left] : kTops) {
        Image img = load("img/mapchip" + std::to_string(sheet) + ".png");
        ASSERT_EQ(img.width, 512);
        const int x0 = (left % 16) * 32, y0 = (left / 16) * 32;
        EXPECT_GE(drawn(img, kGreen, x0, y0, 64, 6), 64 * 6 * 6 / 10) << "sheet " << sheet << " chips " << left << "/" << left + 1;
    }
}

// ---------------------------------------------------------------- char.move

namespace {

// A walker or loose object: its picture in the cell's upper half, the lower
// half (drawn over the floor below it) clear.
void expectSprite(const Image& img, float u0, float v0, float u1, float v1, const std::string& what) {
    const float mid = (v0 + v1) / 2;
    EXPECT_GE(drawnUv(img, kNearBlack, u0, v0, u1, mid), 60) << what << ": nothing drawn";
    EXPECT_EQ(drawnUv(img, kNearBlack, u0, mid, u1, v1), 0) << what << ": the lower half would cover the floor";
}

// How many different pictures the unpainted column's ten walk rows hold.
size_t walkFrames(const Image& img) {
    std::set<std::vector<uint32_t>> frames;
    for (int row = 0; row <= 9; ++row) {
        std::vector<uint32_t> f;
        for (int y = 0; y < 32; ++y)
            for (int x = 96; x < 128; ++x) f.push_back(at(img, x, row * 64 + y));
        frames.insert(f);
    }
    return frames.size();
}

int reddish(const Image& img, int x0, int y0, int w, int h, int channel) {
    int n = 0;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x) {
            uint32_t p = at(img, x, y);
            if (p == kNearBlack) continue;
            int c[3] = {int(p >> 16 & 0xFF), int(p >> 8 & 0xFF), int(p & 0xFF)};
            int o1 = c[(channel + 1) % 3], o2 = c[(channel + 2) % 3];
            n += c[channel] > o1 + 50 && c[channel] > o2 + 50;
        }
    return n;
}

}  // namespace

TEST(StageSheets, WalkersHaveEveryPictureTheGameShows) {
    Image img = load("img/char.move.png");
    ASSERT_EQ(img.width, 256);
    ASSERT_EQ(img.height, 1024);
    for (int col = 0; col < 4; ++col) {
        const float u = 0.125f * float(col);
        for (int row = 0; row <= 9; ++row) expectSprite(img, u, row / 16.f, u + 0.125f, (row + 1) / 16.f, "walk " + std::to_string(col) + "," + std::to_string(row));
        expectSprite(img, u, 0.625f, u + 0.125f, 0.6875f, "stuck picture, column " + std::to_string(col));
        expectSprite(img, u, 0.8125f, u + 0.125f, 0.875f, "casting pose, column " + std::to_string(col));
    }
    expectSprite(img, 0.625f, 0.f, 0.75f, 0.0625f, "charred walker");
    // standing pictures reach down to the floor line (row 31 of the cell)
    for (int col = 0; col < 4; ++col)
        for (int row : {0, 3, 6, 10, 13})
            EXPECT_GT(drawn(img, kNearBlack, col * 32, row * 64 + 30, 32, 2), 2) << "walker " << col << "," << row << " floats";
    // the walk animates: its ten rows are not one picture
    EXPECT_GE(walkFrames(img), 5u);
}

TEST(StageSheets, PaintedColumnsWearTheirPaint) {
    Image img = load("img/char.move.png");
    ASSERT_EQ(img.height, 1024);
    // columns: 0 blue (channel 2), 1 red (0), 2 green (1); column 3 unpainted
    const int channel[3] = {2, 0, 1};
    for (int col = 0; col < 3; ++col)
        for (int row : {0, 5, 13}) {
            int painted = reddish(img, col * 32, row * 64, 32, 32, channel[col]);
            int plain = reddish(img, 96, row * 64, 32, 32, channel[col]);
            EXPECT_GT(painted, plain + 25) << "column " << col << " row " << row;
        }
}

// ---------------------------------------------------------------- char.partner

namespace {

// The walker cells the game reads from a character sheet, as (column, row):
// columns 0..3 (blue, red, green, unpainted) of the walk rows 0..9, the
// stuck row 10 and the casting row 13.
std::vector<std::pair<int, int>> walkerCells() {
    std::vector<std::pair<int, int>> cells;
    for (int col = 0; col < 4; ++col) {
        for (int row = 0; row <= 9; ++row) cells.push_back({col, row});
        cells.push_back({col, 10});
        cells.push_back({col, 13});
    }
    return cells;
}

// Key pixels of a cell's upper 32x32 that its border cannot reach through
// key pixels (4-neighbourhood): holes the key would punch into the figure.
int enclosedKeyPixels(const Image& img, int x0, int y0) {
    constexpr int N = 32;
    std::vector<char> seen(N * N, 0);
    std::vector<int> stack;
    auto push = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= N || y >= N || seen[size_t(y * N + x)]) return;
        if (at(img, x0 + x, y0 + y) != kNearBlack) return;
        seen[size_t(y * N + x)] = 1;
        stack.push_back(y * N + x);
    };
    for (int k = 0; k < N; ++k) {
        push(k, 0), push(k, N - 1), push(0, k), push(N - 1, k);
    }
    while (!stack.empty()) {
        int i = stack.back();
        stack.pop_back();
        int x = i % N, y = i / N;
        push(x + 1, y), push(x - 1, y), push(x, y + 1), push(x, y - 1);
    }
    int holes = 0;
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) holes += at(img, x0 + x, y0 + y) == kNearBlack && !seen[size_t(y * N + x)];
    return holes;
}

// Strongly coloured pixels of a cell's upper 32x32 within 12 degrees of `hue`.
int ofHue(const Image& img, int x0, int y0, float hue) {
    int n = 0;
    for (int y = y0; y < y0 + 32; ++y)
        for (int x = x0; x < x0 + 32; ++x) {
            uint32_t p = at(img, x, y);
            if (p == kNearBlack) continue;
            const float r = float(p >> 16 & 0xFF), g = float(p >> 8 & 0xFF), b = float(p & 0xFF);
            const float hi = std::max({r, g, b}), lo = std::min({r, g, b});
            if (hi < 64.f || hi - lo < 0.4f * hi) continue;
            float h = hi == r ? 60.f * (g - b) / (hi - lo) : hi == g ? 120.f + 60.f * (b - r) / (hi - lo) : 240.f + 60.f * (r - g) / (hi - lo);
            float d = std::fabs(std::fmod(h - hue + 720.f, 360.f));
            n += std::min(d, 360.f - d) <= 12.f;
        }
    return n;
}

}  // namespace

TEST(StageSheets, PartnerHasEveryWalkerPictureAndNothingElse) {
    Image img = load("img/char.partner.png");
    ASSERT_EQ(img.width, 256);
    ASSERT_EQ(img.height, 1024);
    std::set<std::pair<int, int>> read;
    for (auto [col, row] : walkerCells()) {
        read.insert({col, row});
        const std::string what = "partner " + std::to_string(col) + "," + std::to_string(row);
        const float u = 0.125f * float(col);
        expectSprite(img, u, row / 16.f, u + 0.125f, (row + 1) / 16.f, what);
        EXPECT_EQ(enclosedKeyPixels(img, col * 32, row * 64), 0) << what << ": the colour key shows through inside the figure";
    }
    // standing pictures reach down to the floor line
    for (int col = 0; col < 4; ++col)
        for (int row : {0, 3, 6, 10, 13})
            EXPECT_GT(drawn(img, kNearBlack, col * 32, row * 64 + 30, 32, 2), 2) << "partner " << col << "," << row << " floats";
    // walker cells the game never reads stay key
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 4; ++col)
            if (!read.count({col, row})) {
                EXPECT_EQ(drawn(img, kNearBlack, col * 32, row * 64, 32, 64), 0) << "stray picture in cell " << col << "," << row;
            }
    // the shared pictures (charred walker, objects) are the hero sheet's own
    Image hero;
    ASSERT_TRUE(DecodeImageFile((std::string(TOLVANE_DATA_DIR) + "/img/char.move.png").c_str(), hero));
    for (int y = 0; y < 1024; y += 3)
        for (int x = 128; x < 256; x += 3) ASSERT_EQ(at(img, x, y), at(hero, x, y)) << x << "," << y;
    // her walk animates
    EXPECT_GE(walkFrames(img), 5u);
}

TEST(StageSheets, PartnerIsDrawnApartFromTheHeroAndWearsThePaint) {
    Image hero = load("img/char.move.png"), partner = load("img/char.partner.png");
    ASSERT_EQ(hero.height, 1024);
    ASSERT_EQ(partner.height, 1024);
    for (auto [col, row] : walkerCells()) {
        int differ = 0, either = 0;
        for (int y = row * 64; y < row * 64 + 32; ++y)
            for (int x = col * 32; x < col * 32 + 32; ++x) {
                const uint32_t h = at(hero, x, y), p = at(partner, x, y);
                either += h != kNearBlack || p != kNearBlack;
                differ += h != p;
            }
        EXPECT_GT(differ * 2, either) << "partner " << col << "," << row << " is (nearly) the hero's picture";
    }
    // her pinafore takes the paint as his jacket does. Her auburn hair and
    // rust pinafore are reddish too, so count the paint's own hue.
    const float hue[3] = {216.f, 3.5f, 137.f};  // blue, red, green paint
    for (int col = 0; col < 3; ++col)
        for (int row : {0, 5, 10, 13}) {
            int painted = ofHue(partner, col * 32, row * 64, hue[col]);
            int plain = ofHue(partner, 96, row * 64, hue[col]);
            EXPECT_GT(painted, plain + 25) << "partner column " << col << " row " << row;
        }
}

TEST(StageSheets, FallersHaveEveryPictureTheStagesShow) {
    Image img = load("img/char.move.png");
    ASSERT_EQ(img.height, 1024);
    // the cells the faller steps write themselves
    for (int k = 1; k <= kStageCount; ++k)
        for (int n = 1; n <= StageFallerCount(k); ++n) {
            const FallerRule& r = *FindFallerRule(k, n);
            if (r.uvWrite == kUvBoth)
                expectSprite(img, r.u0, r.v0, r.u1, r.v1, "faller " + std::to_string(n) + " of stage " + std::to_string(k));
        }
    // and the pictures the stage events step them through
    for (int heat = 0; heat < 4; ++heat) expectSprite(img, 0.5f, heat / 16.f, 0.625f, (heat + 1) / 16.f, "block");
    for (int d = 0; d < 4; ++d) expectSprite(img, 0.75f, d / 16.f, 1.f, (d + 1) / 16.f, "wide tub");
    for (int m = 0; m < 5; ++m) expectSprite(img, m * 0.125f, 0.875f, (m + 1) * 0.125f, 0.9375f, "ice block");
    for (int s = 0; s < 4; ++s) expectSprite(img, 0.5f + s * 0.125f, 0.8125f, 0.625f + s * 0.125f, 0.875f, "boulder");
    // they rest on the floor line: their lowest picture rows are covered
    const Cell kResting[] = {{128, 0}, {192, 0}, {0, 896}, {128, 832}};
    for (const Cell& c : kResting) EXPECT_GT(drawn(img, kNearBlack, c.x, c.y + 29, 32, 3), 10) << "object at " << c.x << "," << c.y << " floats";
}

TEST(StageSheets, HudDigitsAndLivesAreDrawn) {
    Image img = load("img/char.move.png");
    ASSERT_EQ(img.height, 1024);
    for (int c = 0; c < 3; ++c) {
        std::set<std::vector<uint32_t>> glyphs;
        for (int n = 0; n <= 4; ++n) {
            const int x0 = (4 + c) * 32, y0 = (8 + n) * 64;
            EXPECT_GE(drawn(img, kNearBlack, x0, y0, 32, 64), 150) << "digit " << n << " colour " << c;
            std::vector<uint32_t> g;
            for (int y = y0; y < y0 + 64; ++y)
                for (int x = x0; x < x0 + 32; ++x) g.push_back(at(img, x, y));
            glyphs.insert(g);
        }
        EXPECT_EQ(glyphs.size(), 5u) << "the digits of colour " << c << " are not all different";
    }
    for (float v = 0.09375f; v < 0.21f; v += 0.03125f)
        EXPECT_GE(drawnUv(img, kNearBlack, 0.625f, v, 0.75f, v + 0.03125f), 120) << "life frame at v " << v;
    EXPECT_GE(drawnUv(img, kNearBlack, 0.625f, 0.2205f, 0.75f, 0.252f), 120) << "lost life";
}

// ---------------------------------------------------------------- effects

namespace {

// Every cell lit, and its light fading out before the cell's edge: a glow
// cut off by the border would show as a square when the game scales it up.
void expectLit(const Image& img, const std::vector<Cell>& cells, const std::string& file, int least = 40) {
    for (const Cell& c : cells) {
        EXPECT_GE(drawn(img, kBlack, c.x, c.y, c.w, c.h), least) << file << ": dark cell at " << c.x << "," << c.y;
        const int border = drawn(img, kBlack, c.x, c.y, c.w, 1) + drawn(img, kBlack, c.x, c.y + c.h - 1, c.w, 1) +
                           drawn(img, kBlack, c.x, c.y, 1, c.h) + drawn(img, kBlack, c.x + c.w - 1, c.y, 1, c.h);
        EXPECT_LE(border, (c.w + c.h) * 2 / 8) << file << ": light cut off at the edge of the cell at " << c.x << "," << c.y;
    }
}

std::vector<Cell> grid(int cols, int rows, int cw, int ch) {
    std::vector<Cell> v;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) v.push_back({c * cw, r * ch, cw, ch});
    return v;
}

}  // namespace

TEST(StageSheets, EffectOneHasSparksTwinklesDropletsAndTheBand) {
    Image img = load("img/effect1.png");
    ASSERT_EQ(img.width, 512);
    const int c = int(kEffect1Cell), d = int(kDropletSize), dx = int(kDropletX);
    std::vector<Cell> cells;
    for (int row : kSparkRows)
        for (int f = 0; f <= 8; ++f) cells.push_back({f * c, row * c, c, c});
    for (int f = 0; f < 7; ++f) cells.push_back({f * c, kTwinkleRow * c, c, c});
    expectLit(img, cells, "effect1", 20);
    expectLit(img, {{dx, 0, d, d}, {dx + d, 0, d, d}, {dx + 2 * d, 0, d, d}}, "effect1 droplets", 20);
    EXPECT_GE(drawnUv(img, kBlack, 0.f, 0.48436f, 1.f, 0.72654f), 30000) << "the stage select's band";
    // each spark row burns in its paint's colour: red, blue, green
    const struct {
        int row, channel;
    } kRows[3] = {{0, 0}, {2, 2}, {3, 1}};
    for (auto [row, ch] : kRows) {
        long sum[3] = {0, 0, 0};
        for (int y = row * 32; y < row * 32 + 32; ++y)
            for (int x = 0; x < 9 * 32; ++x) {
                uint32_t p = at(img, x, y);
                sum[0] += p >> 16 & 0xFF;
                sum[1] += p >> 8 & 0xFF;
                sum[2] += p & 0xFF;
            }
        EXPECT_GT(sum[ch], sum[(ch + 1) % 3]) << "spark row " << row;
        EXPECT_GT(sum[ch], sum[(ch + 2) % 3]) << "spark row " << row;
    }
    // the stage select loads this picture with the white key
    for (uint32_t p : img.argb) ASSERT_NE(p, 0xFFFFFFFFu) << "pure white would be keyed out in the stage select";
}

TEST(StageSheets, EffectTwoHasEveryCellTheEffectsDraw) {
    Image img = load("img/effect2.png");
    ASSERT_EQ(img.width, 1024);
    auto cell = [](SheetCell c) { return Cell{c.col * 128, c.row * 128, 128, 128}; };
    std::vector<Cell> cells;
    for (SheetCell c : {kWindBurstCell, kFirePuffCell, kWaterPuffCell, kGlowDotCell, kRingOfFireCell, kGreenBurstCell,
                        kBlueBurstCell, kSplashRingCell})
        cells.push_back(cell(c));
    for (int f = 0; f <= 5; ++f) cells.push_back(cell({kPillarColumn, f}));
    for (int f = 0; f <= 7; ++f) cells.push_back(cell({kWhirlwindColumn, f}));
    expectLit(img, cells, "effect2", 200);
}

TEST(StageSheets, BurstSandAndFireFramesAreAllLit) {
    for (const char* f : {"img/eff.ハート完.png", "img/eff.Blue.png", "img/eff.window.png"}) {
        Image img = load(f);
        ASSERT_EQ(img.width, 768) << f;
        expectLit(img, grid(4, 4, 192, 192), f, 400);
    }
    Image sand = load("img/suna.png");
    ASSERT_EQ(sand.height, 384);
    expectLit(sand, grid(4, 2, 192, 192), "suna", 400);
    Image fire = load("img/fire.png");
    ASSERT_EQ(fire.width, 256);
    expectLit(fire, grid(4, 4, 64, 64), "fire", 200);
    Image wind = load("img/kaze.png");
    ASSERT_EQ(wind.width, 256);
    expectLit(wind, {{0, 0, 256, 256}}, "kaze", 400);
}

TEST(StageSheets, WaveFramesAreSkyAboveAndWholeWaterBelow) {
    Image img = load("img/波ね.png");
    ASSERT_EQ(img.width, 640);
    ASSERT_EQ(img.height, 512);
    for (int f = 0; f < 4; ++f) {
        int surfaceMin = 128, surfaceMax = 0;
        for (int x = 0; x < 640; ++x) {
            // the strip is shown from 0.01 of a frame down: the sky must reach there
            int y = 0;
            while (y < 128 && at(img, x, f * 128 + y) == kGreyBlue) ++y;
            surfaceMin = std::min(surfaceMin, y);
            surfaceMax = std::max(surfaceMax, y);
            for (int yy = y; yy < 128; ++yy) ASSERT_NE(at(img, x, f * 128 + yy), kGreyBlue) << "hole in the water, frame " << f << " x " << x;
        }
        EXPECT_GE(surfaceMin, 8) << "frame " << f;
        EXPECT_LE(surfaceMax, 48) << "frame " << f;
    }
    // the sea moves: no two frames alike
    for (int f = 1; f < 4; ++f) {
        int differ = 0;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 640; ++x) differ += at(img, x, y + (f - 1) * 128) != at(img, x, y + f * 128);
        EXPECT_GT(differ, 640 * 4) << "frames " << f - 1 << " and " << f;
    }
}
