// Where the generated pictures of the menus, the HUD and the effects meet
// the game: each rectangle and sheet cell that the data generator paints and
// the game draws, samples or takes clicks in, named once (the character and
// chip sheets keep their own layouts). Screen coordinates are the 640x480
// frame's pixels, rectangles x0, y0 to x1, y1 (a click at x1 or y1 still
// counts); sheet cells are in their sheet's pixels. The game, the generator
// and the tests read these names instead of copying the numbers.
#pragma once

struct LayoutRect {
    float x0, y0, x1, y1;
};
// A cell of a w x h sheet as texture coordinates.
constexpr LayoutRect SheetUV(const LayoutRect& cell, float w, float h) {
    return {cell.x0 / w, cell.y0 / h, cell.x1 / w, cell.y1 / h};
}
constexpr LayoutRect SheetUV(const LayoutRect& cell, float size) { return SheetUV(cell, size, size); }

// ---------------------------------------------------------------- title
// The title's buttons, bounds included; the generator paints each a pixel
// inside. Continue (its own 160x52 picture) shows below quit when there is a
// story to take up.
inline constexpr LayoutRect kTitleStartButton = {384, 94, 544, 160};
inline constexpr LayoutRect kTitleMenuButton = {425, 215, 555, 270};
inline constexpr LayoutRect kTitleQuitButton = {440, 330, 610, 384};
inline constexpr LayoutRect kTitleContinueButton = {452, 404, 611, 455};
// The game-over screen shows the same continue button here.
inline constexpr LayoutRect kGameOverContinueButton = {240, 206, 399, 257};

// ---------------------------------------------------------------- select menu
// The two choices' clickable rectangles; the generator paints each button a
// little inside its rectangle (kMenuButtonInset).
inline constexpr LayoutRect kMenuStageSelectButton = {96, 128, 542, 190};
inline constexpr LayoutRect kMenuHelpButton = {192, 256, 444, 320};
inline constexpr LayoutRect kMenuButtonInset = {4, 3, 4, 2};  // left, top, right, bottom

// ---------------------------------------------------------------- stage select
// Three rows a page. A row's thumbnail steps down 128 px a row, everything
// else in it 130 px.
inline constexpr float kSelectThumbStep = 128, kSelectRowStep = 130;
// The thumbnail, drawn from a 128x96 cell of the thumbnail sheet.
constexpr LayoutRect SelectThumbnail(int row) {
    return {32, 96 + kSelectThumbStep * float(row), 160, 192 + kSelectThumbStep * float(row)};
}
// The paint allowance and the title are written from this line, the stars
// from SelectStarTop; the rating label sits between the thumbnail and them.
constexpr float SelectTextTop(int row) { return 100 + kSelectRowStep * float(row); }
constexpr float SelectStarTop(int row) { return 153 + kSelectRowStep * float(row); }
inline constexpr float kSelectStarX = 300, kSelectTitleX = 390;
inline constexpr float kSelectPotX = 176, kSelectPotStep = 68;  // pot c at kSelectPotX + c * kSelectPotStep
constexpr LayoutRect SelectRatingLabel(int row) {
    return {160, 138 + kSelectRowStep * float(row), 288, 202 + kSelectRowStep * float(row)};
}
// A press in this band arms the row's stage; the glow over it is taller.
constexpr LayoutRect SelectRowBand(int row) {
    return {0, 128 + kSelectRowStep * float(row), 640, 192 + kSelectRowStep * float(row)};
}
constexpr LayoutRect SelectRowGlow(int row) {
    return {0, 70 + kSelectRowStep * float(row), 640, 214 + kSelectRowStep * float(row)};
}
// The kept replays' buttons' top, right of the stars.
constexpr float SelectReplayTop(int row) { return 150 + kSelectRowStep * float(row); }
// The page arrows stand on a plate round them; the page number sits under the
// word for "page", centred between the arrows.
inline constexpr LayoutRect kSelectPrevArrow = {400, 30, 464, 62};
inline constexpr LayoutRect kSelectNextArrow = {550, 30, 614, 62};
inline constexpr LayoutRect kSelectPageNumber = {483, 42, 531, 66};

// The thumbnail sheet (512x512): the thumbnails (128x96 cells, placed by
// each stage's select entry), then below them the panel's pots (32x32 at
// (32c, 288), c = red, green, blue), its digits 0..4 (20x40 at
// (20(5c+n), 320)) and the page numbers "p/pages" (48x24 at (48(p-1), 368)).
inline constexpr float kThumbSheet = 512;
inline constexpr float kThumbW = 128, kThumbH = 96;
inline constexpr float kSheetPotTop = 288, kSheetPotSize = 32;
inline constexpr float kSheetDigitTop = 320, kSheetDigitW = 20, kSheetDigitH = 40;
inline constexpr float kSheetPageTop = 368, kSheetPageW = 48, kSheetPageH = 24;

// ---------------------------------------------------------------- effects
// img/effect1.png (512x512), cells of 32 px with frames across: the sparks
// of each paint (rows 0 red, 2 blue, 3 green) and the twinkle (row 1); on
// row 0 from x 464, three 16-px paint droplets (red, green, blue).
inline constexpr float kEffect1Sheet = 512, kEffect1Cell = 32;
inline constexpr int kSparkRows[3] = {0, 2, 3};  // red, blue, green
inline constexpr int kTwinkleRow = 1;
inline constexpr float kDropletX = 464, kDropletSize = 16;
// Across it, rows 248..372, the stage select's band of light, which the game
// samples a hair inside those rows, as it always has.
inline constexpr LayoutRect kSelectBandCell = {0, 248, 512, 373};
inline constexpr LayoutRect kSelectBandUV = {0, 0.48436f, 1, 0.72654f};
static_assert(kSelectBandUV.y0 * kEffect1Sheet > kSelectBandCell.y0 - 0.5f &&
                  kSelectBandUV.y1 * kEffect1Sheet < kSelectBandCell.y1,
              "the band is sampled inside the rows it is painted in");

// img/effect2.png: 8x8 cells of 128 px.
struct SheetCell {
    int col, row;
};
inline constexpr int kEffect2Cells = 8;
inline constexpr SheetCell kWindBurstCell = {0, 1};
inline constexpr SheetCell kFirePuffCell = {1, 1};
inline constexpr SheetCell kWaterPuffCell = {3, 0};
inline constexpr SheetCell kGlowDotCell = {2, 1};
inline constexpr SheetCell kSplashRingCell = {0, 4};  // of the water events
// The colour bursts: green, blue and red, which is also the ring of fire.
inline constexpr SheetCell kGreenBurstCell = {2, 6};
inline constexpr SheetCell kBlueBurstCell = {3, 6};
inline constexpr SheetCell kRingOfFireCell = {4, 6};
// Animations down a column, a frame a row: the pillar of fire (rows 0..5,
// and 7 again) and the whirlwind (rows 0..7).
inline constexpr int kPillarColumn = 4, kWhirlwindColumn = 5;
constexpr LayoutRect Effect2UV(SheetCell c) {
    constexpr float step = 1.0f / float(kEffect2Cells);
    return {step * float(c.col), step * float(c.row), step * float(c.col + 1), step * float(c.row + 1)};
}

// ---------------------------------------------------------------- stage panel
// The panel fills the screen below kPanelTop. Its pots (part of the panel)
// stand in a row, each 64 px square: three of them at kPanelPotX. The time
// strip shows through the window cut in it; the reset button is painted on it.
inline constexpr float kPanelTop = 320;
inline constexpr float kPanelPotTop = 384, kPanelPotSize = 64;
inline constexpr float kPanelPotX[3] = {32, 128, 224};  // red, green, blue
inline constexpr LayoutRect kPanelTimeWindow = {420, 397, 612, 461};
inline constexpr LayoutRect kPanelResetButton = {360, 424, 408, 472};
// The lives caption and icons stand on a shelf of the panel along this row.
inline constexpr LayoutRect kPanelLivesRow = {420, 324, 632, 358};

// ---------------------------------------------------------------- help
// The help screen's hot spots, pages 1..7: the generator rings each thing a
// player asks about where the game takes the click that opens its page.
inline constexpr LayoutRect kHelpSpots[7] = {
    {256, 156, 307, 202}, {50, 213, 90, 258},   {222, 224, 266, 278}, {265, 301, 311, 352},
    {82, 348, 123, 399},  {210, 350, 253, 402}, {288, 356, 328, 404},
};
// The pages: 160x288 cards, pages 1..3 and 4..6 side by side from the left
// of a 512x512 sheet each, page 7 on the face sheet (1024 wide) at x 800.
inline constexpr float kHelpSheet = 512, kFaceSheetW = 1024;
constexpr LayoutRect HelpPageCell(int page) {
    const float x = page == 7 ? 800 : 160.f * float((page - 1) % 3);
    return {x, 0, x + 160, 288};
}

// ---------------------------------------------------------------- lettering
// img/mozi.png (512x512): the cells the stage, the stage select and the help
// sample, in the sheet's pixels.
inline constexpr float kLetteringSheet = 512;
inline constexpr LayoutRect kLetterBannerBar = {0, 0, 288, 32};       // stretched behind the roller
inline constexpr LayoutRect kLetterStageCaption = {0, 32, 192, 96};   // "stage"
inline constexpr LayoutRect kLetterTimeStrip = {224, 32, 288, 416};   // a 384x64 strip turned a quarter
inline constexpr LayoutRect kLetterWaitingBubble = {96, 224, 192, 256};  // stage 1's speech bubble
inline constexpr LayoutRect kLetterBannerRoller = {0, 224, 96, 320};
inline constexpr LayoutRect kLetterDifficulty = {96, 256, 224, 320};  // the stage select's plaque
inline constexpr LayoutRect kLetterLives = {0, 384, 64, 416};         // the lives caption
// The clear banner's letters: three 64-px cells and a 32-px one.
constexpr LayoutRect LetterClear(int i) { return {64.f * float(i), 320, 64.f * float(i) + (i < 3 ? 64.f : 32.f), 384}; }
// The banner's stage numbers 1..9 (the help borrows 1..7 for its pages):
// 1..5 down one column, 6..9 down the next.
constexpr LayoutRect LetterStageNumber(int p) {
    const float x = p <= 5 ? 288 : 384, y = 96.f * float(p <= 5 ? p - 1 : p - 6);
    return {x, y, x + 96, y + 96};
}
// The stage select's page arrows, back and next; the lower row lit.
constexpr LayoutRect LetterPageArrow(bool next, bool lit) {
    const float x = next ? 448 : 384, y = lit ? 416 : 384;
    return {x, y, x + 64, y + 32};
}
