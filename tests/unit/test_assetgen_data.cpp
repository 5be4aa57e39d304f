// The generated data: every picture has the size the scenes draw it at and
// keeps its colour key where the scene needs transparency (and nowhere
// else); every sound and tune is well formed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "scenes/opening.h"
#include "colour_check.h"
#include "test_assetgen_readers.h"

namespace fs = std::filesystem;
using assetcheck::Image;

namespace {

const fs::path kData = TOLVANE_DATA_DIR;

constexpr uint32_t kGreen = 0xFF00FF00u, kBlack = 0xFF000000u, kWhite = 0xFFFFFFFFu;

Image png(const char* rel) {
    Image img = assetcheck::readPng(kData / rel);
    EXPECT_TRUE(img.ok()) << rel << " is missing or unreadable";
    return img;
}

// Counts pixels equal to `key` in the rectangle [x0, x1) x [y0, y1).
int countKey(const Image& img, uint32_t key, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += img.at(x, y) == key;
    return n;
}

}  // namespace

// Keyed loads compare whole ARGB words, so keyed pictures carry no alpha
// (the window icon has real transparency).
TEST(AssetData, OpeningPicturesAreKeyedWithoutAlpha) {
    for (const char* file : {"img/vesk.png", "img/Logo.png", "img/plg.png", "img/Gplg.png", "img/kao.png"}) {
        Image img = png(file);
        EXPECT_TRUE(img.ok() && !img.hasAlpha) << file;
    }
}

TEST(AssetData, FootprintIsAWhiteKeyedBitmap) {
    int bits = 0;
    Image fp = assetcheck::readBmp24(kData / "img/asiato.bmp", &bits);
    EXPECT_EQ(bits, 24);
    ASSERT_TRUE(fp.ok());
    EXPECT_EQ(fp.w, 64);
    EXPECT_EQ(fp.h, 64);
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {0, 63}, {63, 63}}) EXPECT_EQ(fp.at(x, y), kWhite);
    int ink = 64 * 64 - countKey(fp, kWhite, 0, 0, 64, 64);
    EXPECT_GT(ink, 64 * 64 / 10) << "the print should be clearly visible";
    EXPECT_LT(ink, 64 * 64 / 2);
}

TEST(AssetData, MakerLogoSitsInsideAWhiteMargin) {
    Image v = png("img/vesk.png");
    ASSERT_TRUE(v.ok());
    // Keyed on white: the margin vanishes into the white screen.
    EXPECT_EQ(countKey(v, kWhite, 0, 0, v.w, 5), v.w * 5);
    EXPECT_EQ(countKey(v, kWhite, 0, v.h - 2, v.w, v.h), v.w * 2);
    EXPECT_EQ(countKey(v, kWhite, 0, 0, 2, v.h), 2 * v.h);
    EXPECT_GT(v.w * v.h - countKey(v, kWhite, 0, 0, v.w, v.h), v.w * v.h / 6);
}

TEST(AssetData, GameLogoLeavesTheFootprintStairsReadable) {
    Image logo = png("img/Logo.png");
    ASSERT_TRUE(logo.ok());
    // Opaque all over the page: pure black (the key) only at the page's edge.
    EXPECT_EQ(countKey(logo, kBlack, 24, 24, 616, 456), 0);
    EXPECT_EQ(logo.at(0, 0), kBlack);
    // Under each footprint the page is light, so the brown prints stand out.
    const int steps[8][2] = {{0, 416}, {128, 416}, {128, 288}, {256, 288}, {256, 160}, {384, 160}, {384, 32}, {512, 32}};
    for (auto& s : steps) {
        double sum = 0;
        int n = 0;
        for (int y = std::max(12, s[1] - 64); y < s[1]; ++y)
            for (int x = std::max(12, s[0]); x < s[0] + 64; ++x, ++n) sum += luminance(logo.at(x, y));
        EXPECT_GT(sum / n, 0.6) << "footprint at " << s[0] << "," << s[1];
    }
}

TEST(AssetData, PrologueFrameOpensOnThePictureAndCarriesCaptions) {
    Image f = png("img/plg.png");
    ASSERT_TRUE(f.ok());
    // The picture shows through the window, including where the portrait slides.
    for (auto [x, y] : {std::pair{320, 128}, {40, 30}, {600, 230}, {66, 70}, {400, 229}}) EXPECT_EQ(f.at(x, y), kGreen);
    // The caption panel is opaque and dark enough for white and red text.
    for (int y = 330; y < 412; ++y)
        for (int x = 100; x < 540; ++x) {
            uint32_t p = f.at(x, y);
            ASSERT_NE(p, kGreen) << x << "," << y;
            for (const PrologueCaption& c : kPrologueCaptions)
                ASSERT_GE(contrast(p, c.colour), 4.5) << std::hex << c.colour << std::dec << " at " << x << "," << y;
            ASSERT_GT(contrast(p, 0xFFFFFFFFu), 12.0) << x << "," << y;
        }
}

TEST(AssetData, ProloguePicturesAreWhollyOpaque) {
    Image g = png("img/Gplg.png");
    ASSERT_TRUE(g.ok());
    EXPECT_EQ(countKey(g, kGreen, 0, 0, g.w, g.h), 0);
    // The two halves are different pictures.
    int same = 0;
    for (int y = 0; y < 256; y += 4)
        for (int x = 0; x < 1024; x += 4) same += g.at(x, y) == g.at(x, y + 256);
    EXPECT_LT(same, 256 * 64 / 20);
}

TEST(AssetData, FaceSheetCellsFollowTheTalkLayout) {
    Image k = png("img/kao.png");
    ASSERT_TRUE(k.ok());
    // The cover cell has the portraits' round backdrop: keyed in its
    // corners (no square grey corners over a round portrait), opaque over
    // the disc, and quiet (dark) where opaque.
    for (auto [x, y] : {std::pair{642, 2}, {797, 2}, {642, 157}, {797, 157}}) EXPECT_EQ(k.at(x, y), kGreen) << x << "," << y;
    EXPECT_EQ(countKey(k, kGreen, 680, 20, 760, 140), 0);
    for (auto [x, y] : {std::pair{720, 80}, {670, 40}, {720, 150}}) EXPECT_LT(luminance(k.at(x, y)), 0.25) << x << "," << y;
    // Beyond the portraits, the cover and the help page at x 800..960,
    // y 0..288 the sheet is empty.
    EXPECT_EQ(countKey(k, kGreen, 640, 160, 800, 512), 160 * 352);
    EXPECT_EQ(countKey(k, kGreen, 800, 288, 960, 512), 160 * 224);
    EXPECT_EQ(countKey(k, kGreen, 960, 0, 1024, 512), 64 * 512);
    EXPECT_EQ(countKey(k, kGreen, 0, 480, 640, 512), 640 * 32);
    // Twelve portraits: each mostly filled, centred, and each mood distinct.
    std::map<int, std::vector<uint32_t>> cells;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col) {
            int x0 = col * 160, y0 = row * 160;
            int filled = 160 * 160 - countKey(k, kGreen, x0, y0, x0 + 160, y0 + 160);
            EXPECT_GT(filled, 160 * 160 / 2) << "cell " << col << "," << row;
            EXPECT_NE(k.at(x0 + 80, y0 + 80), kGreen);
            auto& v = cells[row * 4 + col];
            for (int y = y0; y < y0 + 160; ++y)
                for (int x = x0; x < x0 + 160; ++x) v.push_back(k.at(x, y));
        }
    for (int a = 0; a < 12; ++a)
        for (int b = a + 1; b < 12; ++b) EXPECT_NE(cells[a], cells[b]) << "cells " << a << " and " << b;
}

TEST(AssetData, WindowIconHasRealTransparency) {
    Image icon = png("img/icon.png");
    ASSERT_TRUE(icon.ok());
    EXPECT_TRUE(icon.hasAlpha);
    EXPECT_EQ(icon.at(0, 63) >> 24, 0u);
    EXPECT_EQ(icon.at(63, 63) >> 24, 0u);
    int opaque = 0;
    for (uint32_t p : icon.argb) opaque += (p >> 24) == 0xFF;
    EXPECT_GT(opaque, 64 * 64 / 5);
}

TEST(AssetData, PrologueBedCoversTheCaptionsAndFadesGently) {
    assetcheck::Wave w = assetcheck::readWav(kData / "wav/prolog.wav");
    ASSERT_TRUE(w.ok());
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.bits, 16);
    EXPECT_GE(w.seconds(), 44.0);
    EXPECT_LE(w.seconds(), 50.0);
    auto rmsDb = [&](size_t from, size_t to) {
        double s = 0;
        for (const auto& c : w.ch)
            for (size_t i = from; i < to; ++i) s += double(c[i]) * c[i];
        return 10.0 * std::log10(std::max(1e-12, s / double((to - from) * w.ch.size())));
    };
    const size_t ms20 = size_t(w.rate / 50), n = w.frames();
    EXPECT_LT(rmsDb(0, ms20), -40.0);
    EXPECT_LT(rmsDb(n - ms20, n), -40.0);
    EXPECT_GT(rmsDb(n / 2, n / 2 + size_t(w.rate)), -30.0) << "the middle should be audible";
    // No clicks: neighbouring samples never jump far.
    for (const auto& c : w.ch) {
        float jump = 0;
        for (size_t i = 1; i < c.size(); ++i) jump = std::max(jump, std::fabs(c[i] - c[i - 1]));
        EXPECT_LT(jump, 0.2f);
    }
}
