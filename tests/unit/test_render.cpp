// Drawing rules, checked by reading back headless frames.
#include <gtest/gtest.h>

#include <cstring>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "stage/hud.h"
#include "stage/stage_state.h"
#include "app/shell_keys.h"
#include "gfx/gfx.h"
#include "gfx/image.h"
#include "stage/stage_map.h"

namespace {

class Render : public testing::Test {
protected:
    static void SetUpTestSuite() {
        AppOptions o;
        o.headless = true;
        ASSERT_TRUE(InitApp(o));
        ASSERT_EQ(InitDX8(false), 0);
        ASSERT_EQ(CreateTextFont(), 0);
    }
    static void TearDownTestSuite() {
        ReleaseGraphics();
        ShutdownApp();
    }
    void SetUp() override {
        SetDrawStates();
        ClearFrame(0xFFFFFFFFu);
        BeginDrawing();
    }
    uint32_t Pixel(int x, int y) {
        if (frame.empty()) {
            frame.resize(640 * 480);
            EXPECT_TRUE(ReadFramePixels(frame.data()));
        }
        return frame[size_t(y) * 640 + x] & 0x00FFFFFFu;
    }
    // Writes a small picture and loads it into a slot.
    static void LoadPicture(int slot, int w, int h, const std::vector<uint32_t>& px, uint32_t key) {
        std::string path = testing::TempDir() + "pic" + std::to_string(slot) + "_" + std::to_string(px[0]) + ".png";
        ASSERT_TRUE(WritePng(path.c_str(), w, h, px.data()));
        LoadTexture(slot, path.c_str(), key);
        ASSERT_TRUE(TextureLoaded(slot));
    }
    std::vector<uint32_t> frame;
};

}  // namespace

TEST_F(Render, NearBlackKeyHidesOneOneOneButKeepsPureBlack) {
    LoadPicture(4, 2, 1, {0xFF010101u, 0xFF000000u}, kKeyNearBlack);
    DrawQuad(4, MakeQuad(0, 0, 100, 50, 0, 0, 1, 1));
    EXPECT_EQ(Pixel(25, 25), 0xFFFFFFu);  // (1,1,1) is transparent: white shows
    EXPECT_EQ(Pixel(75, 25), 0x000000u);  // (0,0,0) stays black
}

TEST_F(Render, GreenKeyAndVertexColourModulation) {
    LoadPicture(3, 2, 1, {0xFF00FF00u, 0xFF808080u}, kKeyGreen);
    DrawQuad(3, MakeQuad(0, 0, 100, 50, 0, 0, 1, 1, 0xFFFF0000u));
    EXPECT_EQ(Pixel(25, 25), 0xFFFFFFu);
    EXPECT_EQ(Pixel(75, 25), 0x800000u);  // grey times red
}

TEST_F(Render, VertexAlphaFadesHalfAndZeroHidesAll) {
    LoadPicture(5, 1, 1, {0xFF000000u}, kKeyGreen);
    DrawQuad(5, MakeQuad(0, 0, 50, 50, 0, 0, 1, 1, 0x00FFFFFFu));
    DrawQuad(5, MakeQuad(100, 0, 150, 50, 0, 0, 1, 1, 0x80FFFFFFu));
    EXPECT_EQ(Pixel(25, 25), 0xFFFFFFu);
    uint32_t half = Pixel(125, 25);
    EXPECT_NEAR(int(half & 0xFF), 0x7F, 2);
}

TEST_F(Render, CounterClockwiseQuadIsCulled) {
    LoadPicture(6, 1, 1, {0xFF000000u}, kKeyGreen);
    Quad q = MakeQuad(0, 0, 100, 100, 0, 0, 1, 1);
    DrawQuad(6, q);
    Quad mirrored = MakeQuad(300, 0, 200, 100, 0, 0, 1, 1);  // left and right swapped
    DrawQuad(6, mirrored);
    EXPECT_EQ(Pixel(50, 50), 0x000000u);
    EXPECT_EQ(Pixel(250, 50), 0xFFFFFFu);
}

TEST_F(Render, TextureCoordinatesPastOneRepeatThePicture) {
    // Left half black, right half red; u 0..2 shows it twice.
    LoadPicture(7, 2, 1, {0xFF000000u, 0xFFFF0000u}, kKeyGreen);
    DrawQuad(7, MakeQuad(0, 0, 400, 40, 0, 0, 2, 1));
    EXPECT_EQ(Pixel(50, 20), 0x000000u);
    EXPECT_EQ(Pixel(150, 20), 0xFF0000u);
    EXPECT_EQ(Pixel(250, 20), 0x000000u);
    EXPECT_EQ(Pixel(350, 20), 0xFF0000u);
}

TEST_F(Render, AdditiveBlendAddsNormalBlendCovers) {
    LoadPicture(8, 1, 1, {0xFF0000FFu}, kKeyGreen);
    LoadPicture(9, 1, 1, {0xFFFF0000u}, kKeyGreen);
    DrawQuad(8, MakeQuad(0, 0, 200, 50, 0, 0, 1, 1));
    SetAdditiveBlend(true);
    DrawQuad(9, MakeQuad(0, 0, 100, 50, 0, 0, 1, 1));
    SetAdditiveBlend(false);
    DrawQuad(9, MakeQuad(100, 0, 200, 50, 0, 0, 1, 1));
    EXPECT_EQ(Pixel(50, 25), 0xFF00FFu);   // blue + red
    EXPECT_EQ(Pixel(150, 25), 0xFF0000u);  // red over blue
}

TEST_F(Render, EmptyOrFailedSlotDrawsNothing) {
    LoadTexture(10, "no/such/picture.png", kKeyGreen);
    EXPECT_FALSE(TextureLoaded(10));
    DrawQuad(10, MakeQuad(0, 0, 640, 480, 0, 0, 1, 1));
    EXPECT_EQ(Pixel(320, 240), 0xFFFFFFu);
}

TEST_F(Render, TextLineFeedStartsASecondLineAtTheSameX) {
    DrawString("ＡＡ\nＡ", 100, 100, 0xFF000000u);
    auto inked = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (Pixel(x, y) != 0xFFFFFFu) return true;
        return false;
    };
    EXPECT_TRUE(inked(100, 100, 120, 135));   // first line, first glyph
    EXPECT_TRUE(inked(120, 100, 140, 135));   // full-width advance is 20 px
    EXPECT_FALSE(inked(140, 100, 200, 135));  // nothing past two glyphs
    EXPECT_TRUE(inked(100, 135, 120, 170));   // second line, 35 px lower
    EXPECT_FALSE(inked(120, 135, 160, 170));
    EXPECT_FALSE(inked(0, 0, 99, 480));       // nothing left of x
}

TEST_F(Render, HalfWidthCharactersAdvanceTenPixels) {
    DrawString("WWW", 300, 300, 0xFF000000u);
    auto inkedColumn = [&](int x0, int x1) {
        for (int y = 300; y < 335; ++y)
            for (int x = x0; x < x1; ++x)
                if (Pixel(x, y) != 0xFFFFFFu) return true;
        return false;
    };
    EXPECT_TRUE(inkedColumn(300, 310));
    EXPECT_TRUE(inkedColumn(320, 330));
    EXPECT_FALSE(inkedColumn(331, 360));
}

TEST(ColourKey, ComparesAllFourBytes) {
    Image img;
    img.width = 3;
    img.height = 1;
    img.argb = {0xFF00FF00u, 0xFE00FF00u, 0xFF00FE00u};
    ApplyColourKey(img, kKeyGreen);
    EXPECT_EQ(img.argb[0], 0u);
    EXPECT_EQ(img.argb[1], 0xFE00FF00u | 0xFF000000u);  // alpha differs: opaque
    EXPECT_EQ(img.argb[2], 0xFF00FE00u);
}

TEST_F(Render, ReloadSeesAChangedFileAndAVanishedOne) {
    std::string path = testing::TempDir() + "changing.png";
    std::vector<uint32_t> black = {0xFF000000u};
    ASSERT_TRUE(WritePng(path.c_str(), 1, 1, black.data()));
    LoadTexture(11, path.c_str(), kKeyGreen);
    LoadTexture(11, path.c_str(), kKeyGreen);  // again, as a stage restart does
    DrawQuad(11, MakeQuad(0, 0, 50, 50, 0, 0, 1, 1));
    // Rewritten (another size, so the stamp differs even on a coarse clock).
    std::vector<uint32_t> red = {0xFFFF0000u, 0xFFFF0000u};
    ASSERT_TRUE(WritePng(path.c_str(), 2, 1, red.data()));
    LoadTexture(11, path.c_str(), kKeyGreen);
    ASSERT_TRUE(TextureLoaded(11));
    DrawQuad(11, MakeQuad(100, 0, 150, 50, 0, 0, 1, 1));
    EXPECT_EQ(Pixel(25, 25), 0x000000u);
    EXPECT_EQ(Pixel(125, 25), 0xFF0000u);
    std::remove(path.c_str());
    LoadTexture(11, path.c_str(), kKeyGreen);
    EXPECT_FALSE(TextureLoaded(11));
}

namespace {

// A 16x16 chip sheet whose chip n is the single pixel n: chip 0 green (keyed
// out), chip 1 `one`, the rest red.
std::vector<uint32_t> ChipSheet(uint32_t one) {
    std::vector<uint32_t> px(256, 0xFFFF0000u);
    px[0] = 0xFF00FF00u;
    px[1] = one;
    return px;
}

}  // namespace

TEST_F(Render, StageMapShowsCellsWrittenSinceTheLastFrameAndANewChipSheet) {
    const StageMap saved = g_StageMap[1];
    g_StageMap[1].fill(0);
    MapCell(1, 2, 3) = 1;
    LoadPicture(kSlotChips, 16, 16, ChipSheet(0xFF000000u), kKeyGreen);
    std::vector<uint32_t> px(640 * 480);
    auto at = [&](int row, int col) { return px[size_t(row * 32 + 16) * 640 + size_t(col * 32 + 16)] & 0xFFFFFFu; };
    DrawStageMap(1);
    ASSERT_TRUE(ReadFramePixels(px.data()));
    EXPECT_EQ(at(2, 3), 0x000000u);
    EXPECT_EQ(at(4, 5), 0xFFFFFFu);  // chip 0 is keyed out

    // An event rewrites two cells between frames.
    MapCell(1, 2, 3) = 0;
    MapCell(1, 4, 5) = 1;
    ClearFrame(0xFFFFFFFFu);
    DrawStageMap(1);
    ASSERT_TRUE(ReadFramePixels(px.data()));
    EXPECT_EQ(at(2, 3), 0xFFFFFFu);
    EXPECT_EQ(at(4, 5), 0x000000u);

    // The same grid with another sheet in the slot shows the new sheet.
    LoadPicture(kSlotChips, 16, 16, ChipSheet(0xFF0000FFu), kKeyGreen);
    ClearFrame(0xFFFFFFFFu);
    DrawStageMap(1);
    ASSERT_TRUE(ReadFramePixels(px.data()));
    EXPECT_EQ(at(4, 5), 0x0000FFu);
    g_StageMap[1] = saved;
}

TEST_F(Render, RepeatedFrameReadsTheSameAndAnyChangeIsDrawn) {
    LoadPicture(11, 1, 1, {0xFF000000u}, kKeyGreen);
    std::vector<uint32_t> first(640 * 480), again(640 * 480);
    auto draw = [&](uint32_t colour, std::vector<uint32_t>& out) {
        ClearFrame(0xFFFFFFFFu);
        DrawQuad(11, MakeQuad(0, 0, 100, 100, 0, 0, 1, 1, colour));
        DrawString("A", 200, 200, 0xFF000000u);
        ASSERT_TRUE(ReadFramePixels(out.data()));
    };
    draw(0xFF00FF00u, first);
    draw(0xFF00FF00u, again);
    EXPECT_TRUE(first == again);
    EXPECT_EQ(again[50 * 640 + 50] & 0xFFFFFFu, 0x000000u);
    // Only the vertex colour's alpha differs: the frame must be drawn anew.
    draw(0x00FFFFFFu, again);
    EXPECT_EQ(again[50 * 640 + 50] & 0xFFFFFFu, 0xFFFFFFu);
    // The same draws under the other blend differ too.
    SetAdditiveBlend(true);
    draw(0xFFFFFFFFu, again);
    SetAdditiveBlend(false);
    EXPECT_EQ(again[50 * 640 + 50] & 0xFFFFFFu, 0xFFFFFFu);  // black added to white
    draw(0xFFFFFFFFu, again);
    EXPECT_EQ(again[50 * 640 + 50] & 0xFFFFFFu, 0x000000u);
}

// Leading draws that stand still for a while are copied from a picture kept
// of them (the backdrop): whichever of them moves or changes, the frame shows
// it, and nothing of the old lead stays behind.
TEST_F(Render, ChangeUnderAStillBackdropIsDrawn) {
    LoadPicture(11, 1, 1, {0xFFFFFFFFu}, kKeyGreen);  // white: the vertex colours show
    LoadPicture(12, 1, 1, {0xFFFFFFFFu}, kKeyGreen);
    std::vector<uint32_t> px(640 * 480);
    auto draw = [&](uint32_t back, float spriteX) {
        ClearFrame(0xFFFFFFFFu);
        DrawQuad(11, MakeQuad(0, 0, 640, 480, 0, 0, 1, 1, back));
        DrawQuad(12, MakeQuad(spriteX, 0, spriteX + 10, 10, 0, 0, 1, 1, 0xFF0000FFu));
        ASSERT_TRUE(ReadFramePixels(px.data()));
    };
    auto at = [&](int x, int y) { return px[size_t(y) * 640 + size_t(x)] & 0xFFFFFFu; };
    for (int i = 0; i < 12; ++i) draw(0xFFFF0000u, 0);  // all of it still
    EXPECT_EQ(at(5, 5), 0x0000FFu);
    draw(0xFFFF0000u, 100);  // the sprite moves off
    EXPECT_EQ(at(5, 5), 0xFF0000u);
    EXPECT_EQ(at(105, 5), 0x0000FFu);
    for (int i = 0; i < 12; ++i) draw(0xFFFF0000u, float(100 + i));  // the background still
    draw(0xFF00FF00u, 111);  // the background changes
    EXPECT_EQ(at(300, 300), 0x00FF00u);
    EXPECT_EQ(at(115, 5), 0x0000FFu);
}

// Without a device (a headless run before its first shot) a picture's bytes
// are read at load and decoded when a frame first draws it: what is drawn is
// the file as it was at load, and a damaged file is never drawn. A caller that
// acts on the answer gets it at once.
TEST(PutOffPictures, DecodedAtFirstDrawAsTheyWereAtLoad) {
    AppOptions o;
    o.headless = true;
    ASSERT_TRUE(InitApp(o));
    SetFrameDrawing(false);
    ASSERT_EQ(InitDX8(false), 0);
    const std::string good = testing::TempDir() + "later_good.png", cut = testing::TempDir() + "later_cut.png";
    std::vector<uint32_t> red(16, 0xFFFF0000u), blue(16, 0xFF0000FFu);
    ASSERT_TRUE(WritePng(good.c_str(), 4, 4, red.data()));
    ASSERT_TRUE(WritePng(cut.c_str(), 4, 4, red.data()));
    ASSERT_EQ(truncate(cut.c_str(), 40), 0);  // the signature survives, the pixels do not
    LoadTexture(3, good.c_str(), kKeyGreen);
    LoadTexture(4, cut.c_str(), kKeyGreen);
    LoadTexture(6, "no/such/picture.png", kKeyGreen);
    EXPECT_FALSE(TextureLoaded(6));
    EXPECT_FALSE(LoadTexturePlain(5, cut.c_str()));
    ASSERT_TRUE(WritePng(good.c_str(), 4, 4, blue.data()));  // changed after the load
    SetFrameDrawing(true);  // the first drawn frame makes the device
    SetDrawStates();
    ClearFrame(0xFFFFFFFFu);
    BeginDrawing();
    DrawQuad(3, MakeQuad(0, 0, 100, 100, 0, 0, 1, 1));
    DrawQuad(4, MakeQuad(100, 0, 200, 100, 0, 0, 1, 1));
    std::vector<uint32_t> frame(640 * 480);
    ASSERT_TRUE(ReadFramePixels(frame.data()));
    EXPECT_EQ(frame[50 * 640 + 50] & 0xFFFFFFu, 0xFF0000u);   // red, as read at load
    EXPECT_EQ(frame[50 * 640 + 150] & 0xFFFFFFu, 0xFFFFFFu);  // damaged: not drawn
    EXPECT_TRUE(TextureLoaded(3));
    EXPECT_FALSE(TextureLoaded(4));
    ReleaseGraphics();
    ShutdownApp();
    std::remove(good.c_str());
    std::remove(cut.c_str());
}

// A pot with no paint left is washed pale over the panel; one with paint is
// left as it is, and a pot the stage does not use is not touched.
TEST_F(Render, EmptyPotIsWashedPaleAndALoadedOneIsNot) {
    DrawSolidQuad(MakeQuad(0, 0, 640, 480, 0, 0, 1, 1, 0xFFC02020u));  // red pots everywhere
    const int saved[3] = {g_PaintR, g_PaintG, g_PaintB};
    g_PaintR = 0;
    g_PaintG = 0;
    g_PaintB = 4;
    const float pos[3][2] = {{128, 384}, {192, 384}, {256, 384}};
    std::memcpy(g_DigitPos, pos, sizeof pos);
    DrawEmptyPots(0b101);
    EXPECT_GT(Pixel(96, 416) & 0xFF, 0xA0u) << "red, empty: pale";
    EXPECT_EQ(Pixel(160, 416), 0xC02020u) << "green: not in this stage";
    EXPECT_EQ(Pixel(224, 416), 0xC02020u) << "blue: loaded";
    g_PaintR = saved[0];
    g_PaintG = saved[1];
    g_PaintB = saved[2];
}

TEST_F(Render, VolumeNoteShowsOverTheFrameForASecondWhateverTheBlend) {
    SetVirtualClock(true, 5000);
    HandleShellKey(ShellKey::Mute);
    SetAdditiveBlend(true);  // as a scene may leave it
    DrawShellNote();
    EXPECT_EQ(Pixel(16, 46), 0x202030u);  // the dark band, opaque over the white frame (white if added)
    EXPECT_EQ(Pixel(300, 46), 0xFFFFFFu);
    HandleShellKey(ShellKey::Mute);  // unmuted again, and the run's level kept
    AdvanceVirtualClock(1000);
    frame.clear();
    ClearFrame(0xFFFFFFFFu);
    DrawShellNote();
    EXPECT_EQ(Pixel(16, 46), 0xFFFFFFu);  // gone after a second
    EXPECT_STREQ(ShellNoteText(), "");
    SetAdditiveBlend(false);
    SetVirtualClock(false, 0);
}
